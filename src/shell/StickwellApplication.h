#pragma once
// The application object of the windowed program. Failures are C++
// exceptions; none may cross the toolkit's event loop, so every event is
// delivered under a guard that shows an escaping exception's message in the
// error box and lets the program carry on.
#include <QApplication>

#include <functional>

namespace sw {

// Runs `work`; an exception escaping it is shown through
// MessageService::error (std::exception: its what() text as UTF-8; any
// other: a generic text) and swallowed. True when `work` finished normally.
bool runGuarded(const std::function<void()> &work);

class StickwellApplication : public QApplication
{
    Q_OBJECT

public:
    StickwellApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace sw
