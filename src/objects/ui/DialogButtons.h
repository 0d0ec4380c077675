#pragma once
// The button row every label property window shares: "Ok" (default),
// "Cancel" and "Help", right-aligned. "Help" opens the help file at the
// window's topic through the handler the application installs; without one
// it does nothing. A window without a help topic (0) has no "Help".
#include <QHBoxLayout>
#include <functional>

class QDialog;
class QPushButton;

namespace sw {

class DialogButtons : public QHBoxLayout
{
public:
    DialogButtons(QDialog *dialog, int helpTopic);

    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }
    QPushButton *helpButton() const { return mHelp; } // null without a topic

    static inline std::function<void(int topic)> helpHandler;

private:
    QPushButton *mOk;
    QPushButton *mCancel;
    QPushButton *mHelp = nullptr;
};

} // namespace sw
