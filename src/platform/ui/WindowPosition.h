#pragma once
// Where a window opens over another: centred over it and moved, never
// resized, so that its whole frame lies on the available area of the screen
// the other window is on (the desktop less panels and docks). A window that
// is larger than that area keeps its top-left corner, and so its title bar,
// on the screen.
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace sw {

class WindowPosition
{
public:
    // Top-left that centres a frame of `frame` size over the rectangle
    // `owner` (halves truncated toward zero).
    static QPoint centredOver(const QRect &owner, const QSize &frame);
    // `frame` moved, its size kept, to lie within `available`. Across or
    // down, a frame longer than `available` starts at its left or top edge.
    static QRect keptWithin(const QRect &frame, const QRect &available);

    // Moves the top-level `window` over the middle of `owner`'s window, then
    // onto the available area of the screen that window is on. Without an
    // owner, or while it is hidden, nothing moves and the toolkit places the
    // window. Its size is taken as it stands: a window that lays itself out
    // when shown should be adjusted first.
    static void centreOver(QWidget *window, const QWidget *owner);
    // Moves `window`, if need be, so that its frame lies on the available
    // area of `screen` (its own screen when null).
    static void keepOnScreen(QWidget *window, const QScreen *screen = nullptr);
};

} // namespace sw
