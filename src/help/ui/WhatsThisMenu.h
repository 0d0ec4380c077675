#pragma once
// The "What's this?" entry of a control's pop-up menu. Attached to a
// control, a right click opens a menu with "What's this?" (after the edit
// commands of a text field), which shows the control's context help.
// Controls that handle the right button themselves keep their own: only
// controls with the default context-menu policy get the entry.
#include <QObject>

class QMenu;
class QWidget;

namespace sw {

class WhatsThisMenu : public QObject
{
    Q_OBJECT

public:
    static void attach(QWidget *control);
    // The menu a right click on control opens (the caller owns it); the
    // help entry is named "Whatsthis".
    static QMenu *menuFor(QWidget *control, const QPoint &pos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WhatsThisMenu(QWidget *control);
    QWidget *mControl;
};

} // namespace sw
