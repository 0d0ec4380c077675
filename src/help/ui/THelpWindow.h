#pragma once
// The help window: one window per program showing the help pages built into
// the program, with Contents, Back and Forward. A request for another page
// brings the same window forward at that page.
#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace sw {

class THelpWindow : public QDialog
{
    Q_OBJECT

public:
    // Opens (or brings forward) the help window at the page of `context`
    // (HelpTopics), or at the contents for an unknown context. `parent`
    // positions a newly created window over it. Returns the window, which
    // deletes itself when closed.
    static THelpWindow *showContext(int context, QWidget *parent = nullptr);
    static THelpWindow *showContents(QWidget *parent = nullptr);
    // The open help window, or nullptr.
    static THelpWindow *current();

    explicit THelpWindow(QWidget *parent = nullptr);
    ~THelpWindow() override;

    void showPage(const QUrl &url);
    QUrl source() const;
    // The title of the page shown.
    QString pageTitle() const;
    QTextBrowser *browser() const { return mBrowser; }

private:
    static THelpWindow *open(const QUrl &url, QWidget *parent);
    void updateTitle();

    QTextBrowser *mBrowser;
    QPushButton *mContents;
    QPushButton *mBack;
    QPushButton *mForward;
};

} // namespace sw
