#include "platform/ui/WindowPosition.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace sw {

namespace {

// New start of a span of `length` that should lie within [low, high).
int startWithin(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

QMargins frameMargins(const QWidget *w)
{
    const QRect frame = w->frameGeometry();
    const QRect inner = w->geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

// The frame `window` has, or will have once shown: while it is hidden its
// frame is unknown, and `like`'s, which the window manager decorated the
// same way, stands in. move() places the frame's top-left corner.
QRect expectedFrame(const QWidget *window, const QWidget *like)
{
    QMargins margins;
    if (window->isVisible())
        margins = frameMargins(window);
    else if (like && like->isVisible())
        margins = frameMargins(like);
    return QRect(window->pos(), window->size().grownBy(margins));
}

const QScreen *screenOf(const QWidget *w)
{
    if (const QScreen *s = w->screen())
        return s;
    return QGuiApplication::primaryScreen();
}

} // namespace

QPoint WindowPosition::centredOver(const QRect &owner, const QSize &frame)
{
    return QPoint(owner.x() + (owner.width() - frame.width()) / 2,
                  owner.y() + (owner.height() - frame.height()) / 2);
}

QRect WindowPosition::keptWithin(const QRect &frame, const QRect &available)
{
    const int left = startWithin(frame.x(), frame.width(), available.x(), available.x() + available.width());
    const int top = startWithin(frame.y(), frame.height(), available.y(), available.y() + available.height());
    return QRect(QPoint(left, top), frame.size());
}

void WindowPosition::centreOver(QWidget *window, const QWidget *owner)
{
    if (!window || !owner || !owner->isVisible())
        return;
    const QWidget *over = owner->window();
    QRect frame = expectedFrame(window, over);
    frame.moveTopLeft(centredOver(over->frameGeometry(), frame.size()));
    if (const QScreen *screen = screenOf(over))
        frame = keptWithin(frame, screen->availableGeometry());
    window->move(frame.topLeft());
}

void WindowPosition::keepOnScreen(QWidget *window, const QScreen *screen)
{
    if (!window)
        return;
    if (!screen)
        screen = screenOf(window);
    if (!screen)
        return;
    const QRect frame = expectedFrame(window, window->parentWidget() ? window->parentWidget()->window() : nullptr);
    const QRect kept = keptWithin(frame, screen->availableGeometry());
    if (kept != frame)
        window->move(kept.topLeft());
}

} // namespace sw
