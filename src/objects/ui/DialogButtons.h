#pragma once
// The button row every label property window shares: the mouse-help
// button on the left, "Ok" (default), "Cancel" and "Help" right-aligned.
// "Help" opens the help file at the window's topic through the handler the
// application installs; without one it does nothing. The row gives the
// window its context help (TODSHelp::attach) at that topic. A window
// without a help topic (0) has neither help nor the two buttons.
#include <QHBoxLayout>
#include <functional>

class QDialog;
class QPushButton;
class QToolButton;

namespace sw {

class DialogButtons : public QHBoxLayout
{
public:
    DialogButtons(QDialog *dialog, int helpTopic);

    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }
    QPushButton *helpButton() const { return mHelp; } // null without a topic
    QToolButton *mouseHelpButton() const { return mMouseHelp; } // null without a topic

    static inline std::function<void(int topic)> helpHandler;

private:
    QPushButton *mOk;
    QPushButton *mCancel;
    QPushButton *mHelp = nullptr;
    QToolButton *mMouseHelp = nullptr;
};

} // namespace sw
