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

// The two hands and the help arrow are our own small pictures, loaded from
// the resources; the platform's shape stands in when one cannot be read.
QCursor pictureCursor(const char *file, int hotX, int hotY, Qt::CursorShape fallback)
{
    initCursorResources();
    const QPixmap pixmap(QStringLiteral(":/cursors/") + QLatin1String(file));
    if (pixmap.isNull())
        return QCursor(fallback);
    return QCursor(pixmap, hotX, hotY);
}

QCursor cursorFor(ScreenCursor::Shape shape)
{
    switch (shape) {
    case ScreenCursor::Default:
        return QCursor(Qt::ArrowCursor);
    case ScreenCursor::Drag:
        return QCursor(Qt::CrossCursor);
    case ScreenCursor::HandPoint:
        return pictureCursor("handpoint.png", 6, 1, Qt::PointingHandCursor);
    case ScreenCursor::HandGrab:
        return pictureCursor("handgrab.png", 8, 8, Qt::ClosedHandCursor);
    case ScreenCursor::Help:
        return pictureCursor("helpcursor.png", 1, 1, Qt::WhatsThisCursor);
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
