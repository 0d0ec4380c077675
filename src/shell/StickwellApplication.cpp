#include "shell/StickwellApplication.h"

#include "platform/MessageService.h"

#include <exception>

namespace sw {

bool runGuarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const std::exception &e) {
        MessageService::error(QString::fromUtf8(e.what()));
    } catch (...) {
        MessageService::error(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

StickwellApplication::StickwellApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool StickwellApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace sw
