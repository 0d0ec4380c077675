#include "platform/EventPoll.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace sw {

void EventPoll::poll()
{
    static QElapsedTimer sinceLast;
    if (!QCoreApplication::instance())
        return;
    if (sinceLast.isValid() && sinceLast.elapsed() < IntervalMs)
        return;
    QCoreApplication::processEvents();
    sinceLast.start();
}

} // namespace sw
