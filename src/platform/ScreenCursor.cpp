#include "platform/ScreenCursor.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

// The cursor pictures are compiled into this static library; register them
// before first use.
static void initCursorResources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(cursors);
        done = true;
    }
}

namespace sw {

namespace {
ScreenCursor::Shape gCurrent = ScreenCursor::Default;

// The two hands are our own small pictures, loaded from the resources.
QCursor handCursor(ScreenCursor::Shape shape)
{
    const QString path = shape == ScreenCursor::HandPoint ? QStringLiteral(":/cursors/handpoint.png")
                                                           : QStringLiteral(":/cursors/handgrab.png");
    initCursorResources();
    const QPixmap pixmap(path);
    if (pixmap.isNull())
        return QCursor(shape == ScreenCursor::HandPoint ? Qt::PointingHandCursor : Qt::ClosedHandCursor);
    return QCursor(pixmap, shape == ScreenCursor::HandPoint ? 6 : 8, shape == ScreenCursor::HandPoint ? 1 : 8);
}

QCursor cursorFor(ScreenCursor::Shape shape)
{
    switch (shape) {
    case ScreenCursor::Default:
        return QCursor(Qt::ArrowCursor);
    case ScreenCursor::Drag:
        return QCursor(Qt::CrossCursor);
    case ScreenCursor::HandPoint:
    case ScreenCursor::HandGrab:
        return handCursor(shape);
    case ScreenCursor::SizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case ScreenCursor::SizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case ScreenCursor::SizeNS:
        return QCursor(Qt::SizeVerCursor);
    case ScreenCursor::SizeWE:
        return QCursor(Qt::SizeHorCursor);
    case ScreenCursor::NoDrop:
        return QCursor(Qt::ForbiddenCursor);
    case ScreenCursor::Hourglass:
        return QCursor(Qt::WaitCursor);
    }
    return QCursor(Qt::ArrowCursor);
}
} // namespace

void ScreenCursor::set(Shape shape)
{
    if (shape == gCurrent)
        return;
    gCurrent = shape;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (shape != Default)
        QGuiApplication::setOverrideCursor(cursorFor(shape));
}

ScreenCursor::Shape ScreenCursor::current()
{
    return gCurrent;
}

} // namespace sw
