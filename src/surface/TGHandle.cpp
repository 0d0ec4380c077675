#include "surface/TGHandle.h"

#include "objects/TGGraphicControl.h"
#include "platform/Rounding.h"
#include "platform/ScreenCursor.h"
#include "surface/TGBasePanel.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
#include <climits>

namespace sw {

TGHandle::TGHandle(TGBasePanel *panel)
    : QObject(nullptr)
    , mPanel(panel)
{
}

void TGHandle::setColor(TColor c)
{
    if (c == mColor)
        return;
    mColor = c;
    mPanel->invalidate();
}

void TGHandle::setSecondaryColor(TColor c)
{
    if (c == mSecondaryColor)
        return;
    mSecondaryColor = c;
    mPanel->invalidate();
}

void TGHandle::setGridX(int v)
{
    if (v == mGridX)
        return;
    mGridX = mRememberedX = v;
    mPanel->invalidate();
}

void TGHandle::setGridY(int v)
{
    if (v == mGridY)
        return;
    mGridY = mRememberedY = v;
    mPanel->invalidate();
}

void TGHandle::setSnapToGrid(bool on)
{
    if (on) {
        mGridX = mRememberedX;
        mGridY = mRememberedY;
    } else {
        mGridX = mGridY = 1;
    }
}

void TGHandle::Select(TGGraphicControl *object)
{
    if (object && object->Unselectable())
        return;
    mMouseDownTick = now();
    if (!object || mSelection.contains(object))
        return;
    ScreenCursor::set(ScreenCursor::HandGrab);
    if (mSelection.isEmpty())
        mOutlineBounds = QRect();
    const QRect o(object->Left() - 2, object->Top() - 2, object->Width() + 5, object->Height() + 5);
    if (mSelection.isEmpty()) {
        mEnabled = mVisible = true;
        mBounds = o;
    } else {
        const int left = std::min(mBounds.x(), o.x());
        const int top = std::min(mBounds.y(), o.y());
        const int right = std::max(mBounds.x() + mBounds.width() - 3, object->Left() + object->Width()) + 3;
        const int bottom = std::max(mBounds.y() + mBounds.height() - 3, object->Top() + object->Height()) + 3;
        mBounds = QRect(left, top, right - left, bottom - top);
    }
    mSelection.append(object);
    mZone = 0;
    // Capturing the mouse makes a press on an unselected object drag it at
    // once: the next moves arrive here.
    mCapture = true;
    mPanel->invalidate();
}

void TGHandle::fitBox(int extra)
{
    int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
    for (const TGGraphicControl *o : mSelection) {
        l = std::min(l, o->Left());
        t = std::min(t, o->Top());
        r = std::max(r, o->Left() + o->Width());
        b = std::max(b, o->Top() + o->Height());
    }
    mBounds = QRect(l - 2, t - 2, r - l + extra, b - t + extra);
}

void TGHandle::Deselect(TGGraphicControl *object)
{
    if (!mSelection.removeOne(object))
        return;
    if (!mSelection.isEmpty()) {
        fitBox(5);
    } else {
        mLocked = false;
        mEnabled = mVisible = false;
        mOutlineBounds = QRect();
        mCapture = false;
    }
    mPanel->invalidate();
}

void TGHandle::ClearSelection()
{
    mSelection.clear();
    mVisible = mEnabled = mLocked = false;
    mOutlineBounds = QRect();
    mDragging = mNudging = mCapture = false;
    mBounds = QRect(mBounds.x(), mBounds.y(), 24, 24);
    mPanel->invalidate();
}

void TGHandle::Refit()
{
    if (mSelection.isEmpty())
        return;
    fitBox(6);
    mPanel->invalidate();
}

} // namespace sw

// --- z-order, bounds, mouse and keys ------------------------------------------------

namespace sw {

namespace {
TGHandle::Clock &clock()
{
    static TGHandle::Clock c;
    return c;
}

constexpr int kNear = 8;
bool nearTo(int a, int b)
{
    return std::abs(a - b) < kNear;
}
bool midOf(int v, int extent)
{
    return std::abs(v - truncTowardZero(extent) * 0.5) < 6.0;
}
} // namespace

void TGHandle::setClock(Clock c)
{
    clock() = std::move(c);
}

qint64 TGHandle::now()
{
    if (clock())
        return clock()();
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed() + 1;
}

void TGHandle::BringSelectionToFront()
{
    if (mSelection.isEmpty() || mLocked)
        return;
    for (TGGraphicControl *o : mSelection)
        mPanel->bringToFront(o);
}

void TGHandle::SendSelectionToBack()
{
    if (mSelection.isEmpty() || mLocked)
        return;
    for (TGGraphicControl *o : mSelection)
        mPanel->sendToBack(o);
}

void TGHandle::SetBounds(int left, int top, int width, int height)
{
    mInSetBounds = true;
    for (TGGraphicControl *o : QList<TGGraphicControl *>(mSelection)) {
        if (o->Locked())
            continue;
        o->SetBounds(left + o->Left() - mBounds.x(), top + o->Top() - mBounds.y(),
                     width + o->Width() - mBounds.width(), height + o->Height() - mBounds.height());
    }
    mBounds = QRect(left, top, width, height);
    mInSetBounds = false;
    mPanel->invalidate();
}

QPoint TGHandle::clampToPanel(const QPoint &p) const
{
    const int x = std::clamp(mBounds.x() + p.x(), 0, mPanel->Width()) - mBounds.x();
    const int y = std::clamp(mBounds.y() + p.y(), 0, mPanel->Height()) - mBounds.y();
    return QPoint(x, y);
}

QRect TGHandle::newBounds(const QPoint &p) const
{
    const int l = mBounds.x(), t = mBounds.y(), w = mBounds.width(), h = mBounds.height();
    const int dx = p.x() - mDragStart.x(), dy = p.y() - mDragStart.y();
    auto snapX = [this](int v) { return (v / mGridX) * mGridX; };
    auto snapY = [this](int v) { return (v / mGridY) * mGridY; };
    int nl = l, nt = t, nw = w, nh = h;
    switch (mZone) {
    case 0:
        nl = snapX(l + dx);
        nt = snapY(t + dy);
        break;
    case 1:
        nl = snapX(l + dx);
        nt = snapY(t + dy);
        nw = w - (nl - l);
        nh = h - (nt - t);
        break;
    case 2:
        nt = snapY(t + dy);
        nw = snapX(w + dx) - 1;
        nh = h - (nt - t);
        break;
    case 3:
        nl = snapX(l + dx);
        nw = w - (nl - l);
        nh = snapY(h + dy) - 1;
        break;
    case 4:
        nw = snapX(w + dx) - 1;
        nh = snapY(h + dy) - 1;
        break;
    case 5:
        nt = snapY(t + dy);
        nh = h - (nt - t);
        break;
    case 6:
        nl = snapX(l + dx);
        nw = w - (nl - l);
        break;
    case 7:
        nh = snapY(h + dy) - 1;
        break;
    case 8:
        nw = snapX(w + dx) - 1;
        break;
    default:
        break;
    }
    return QRect(nl, nt, std::max(nw, 5), std::max(nh, 5));
}

QRect TGHandle::outline() const
{
    if (mDragging && !mOutlineBounds.isNull()) {
        const QRect &b = mOutlineBounds;
        return QRect(QPoint(b.x() + 2, b.y() + 2), QPoint(b.x() + b.width() - 3 - 1, b.y() + b.height() - 3 - 1));
    }
    if (mNudging)
        return QRect(mNudgeRect.topLeft(), QPoint(mNudgeRect.right() - 1, mNudgeRect.bottom() - 1));
    return QRect();
}

void TGHandle::computeZone(const QPoint &p)
{
    int zone = 0;
    ScreenCursor::Shape cursor = ScreenCursor::HandGrab;
    if (mSelection.size() == 1) {
        const int w = mBounds.width(), h = mBounds.height(), x = p.x(), y = p.y();
        if (nearTo(x, 0) && nearTo(y, 0)) {
            zone = 1;
            cursor = ScreenCursor::SizeNWSE;
        }
        if (nearTo(x, w) && nearTo(y, h)) {
            zone = 4;
            cursor = ScreenCursor::SizeNWSE;
        }
        if (nearTo(x, w) && nearTo(y, 0)) {
            zone = 2;
            cursor = ScreenCursor::SizeNESW;
        }
        if (nearTo(x, 0) && nearTo(y, h)) {
            zone = 3;
            cursor = ScreenCursor::SizeNESW;
        }
        if (midOf(x, w) && nearTo(y, 0)) {
            zone = 5;
            cursor = ScreenCursor::SizeNS;
        }
        if (midOf(x, w) && nearTo(y, h)) {
            zone = 7;
            cursor = ScreenCursor::SizeNS;
        }
        if (midOf(y, h) && nearTo(x, 0)) {
            zone = 6;
            cursor = ScreenCursor::SizeWE;
        }
        if (midOf(y, h) && nearTo(x, w)) {
            zone = 8;
            cursor = ScreenCursor::SizeWE;
        }
    }
    if (mLocked)
        cursor = ScreenCursor::NoDrop;
    if (!mDragging) {
        mZone = zone;
        ScreenCursor::set(cursor);
    }
}

void TGHandle::mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &p, const QPoint &screen)
{
    mMouseDownTick = now();
    if (button == Qt::LeftButton && mPanel->Pointing() && !mSelection.isEmpty()) {
        if (!mLocked) {
            mDragStart = p;
            mDragging = true;
        }
        mCapture = true;
        mPanel->handleMouseDown(button, shift, QPoint(p.x() + mBounds.x(), p.y() + mBounds.y()));
        return;
    }
    if (button == Qt::RightButton) {
        const QPoint panelPoint(p.x() + mBounds.x(), p.y() + mBounds.y());
        if (mSelection.size() == 1 && mSelection.first()->BoundsRect().adjusted(-2, -2, 2, 2).contains(panelPoint))
            mSelection.first()->ShowPopup(screen.x(), screen.y());
        else
            mPanel->showPanelMenu(screen);
        return;
    }
    ScreenCursor::set(ScreenCursor::Default);
    mPanel->passMouseDown(button, shift, QPoint(p.x() + mBounds.x(), p.y() + mBounds.y()), screen);
}

void TGHandle::mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, const QPoint &p)
{
    Q_UNUSED(shift)
    if (mDoubleClicked)
        mDragging = false;
    mDoubleClicked = false;
    if (!mPanel->Pointing()) {
        ScreenCursor::set(ScreenCursor::Drag);
        return;
    }
    const bool left = buttons.testFlag(Qt::LeftButton);
    if (left && !mDragging && !mLocked) {
        if (mMouseDownTick > 0 && now() - mMouseDownTick > 10) {
            mDragStart = p;
            mDragging = true;
        }
        return;
    }
    if (!left || mDragging || mLocked)
        computeZone(p);
    if (mDragging && left) {
        mOutlineBounds = newBounds(clampToPanel(p));
        mPanel->invalidate();
    }
    if (!left && !mDragging)
        mCapture = false;
}

void TGHandle::mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &releasePoint)
{
    QPoint p = releasePoint;
    if (mDragging && now() - mMouseDownTick < 150)
        mDragStart = p; // a quick click never moves anything
    mMouseDownTick = 0;
    if (mDragging && button == Qt::LeftButton) {
        p = clampToPanel(p);
        if (p != mDragStart) {
            mPanel->nameAction(mZone == 0 ? QStringLiteral("Move") : QStringLiteral("Resize"));
            const QRect b = newBounds(p);
            SetBounds(b.x(), b.y(), b.width(), b.height());
        }
        mOutlineBounds = QRect();
        mDragging = false;
        mCapture = false;
        ScreenCursor::set(ScreenCursor::Default);
        mPanel->handleMouseUp(button, shift, QPoint(p.x() + mBounds.x(), p.y() + mBounds.y()));
    } else {
        mCapture = false;
        mPanel->passMouseUp(button, shift, QPoint(p.x() + mBounds.x(), p.y() + mBounds.y()));
    }
    mPanel->invalidate();
}

void TGHandle::doubleClick(const QPoint &p, const QPoint &screen)
{
    mDoubleClicked = true;
    mPanel->handleDoubleClick(QPoint(p.x() + mBounds.x(), p.y() + mBounds.y()), screen);
}

void TGHandle::leave()
{
    if (!mDragging)
        ScreenCursor::set(mPanel->Pointing() ? ScreenCursor::Default : ScreenCursor::Drag);
}

void TGHandle::keyDown(int key, Qt::KeyboardModifiers shift)
{
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
    if (arrow && !mSelection.isEmpty()) {
        if (!mNudging) {
            mNudging = true;
            // (left, top, right, bottom) of the selection's box.
            mNudgeRect = QRect(QPoint(mBounds.x() + 2, mBounds.y() + 2),
                               QPoint(mBounds.x() + mBounds.width() - 3, mBounds.y() + mBounds.height() - 3));
        }
        QRect &n = mNudgeRect;
        const int nw = n.right() - n.left() + 1;
        const int nh = n.bottom() - n.top() + 1;
        const bool resize = shift.testFlag(Qt::ShiftModifier) && mSelection.size() == 1;
        switch (key) {
        case Qt::Key_Left:
            if (resize) {
                if (nw > 10)
                    n.setRight(n.right() - 1);
            } else if (n.left() > 0) {
                n.translate(-1, 0);
            }
            break;
        case Qt::Key_Up:
            if (resize) {
                if (nh > 10)
                    n.setBottom(n.bottom() - 1);
            } else if (n.top() > 0) {
                n.translate(0, -1);
            }
            break;
        case Qt::Key_Right:
            if (nw + n.left() <= mPanel->Width()) {
                if (resize)
                    n.setRight(n.right() + 1);
                else
                    n.translate(1, 0);
            }
            break;
        case Qt::Key_Down:
            if (nh + n.top() <= mPanel->Height()) {
                if (resize)
                    n.setBottom(n.bottom() + 1);
                else
                    n.translate(0, 1);
            }
            break;
        }
        mPanel->invalidate();
    }
    mPanel->KeyDown(key, shift);
}

void TGHandle::keyUp(int key, Qt::KeyboardModifiers shift)
{
    Q_UNUSED(key)
    Q_UNUSED(shift)
    if (!mNudging)
        return;
    mNudging = false;
    const QRect n = mNudgeRect;
    // Every press of an arrow key on the same objects is one nudge: undone
    // together.
    const bool resized = n.width() != mBounds.width() - 4 || n.height() != mBounds.height() - 4;
    mPanel->nameAction(resized ? QStringLiteral("Resize") : QStringLiteral("Nudge"), true);
    SetBounds(n.left() - 2, n.top() - 2, n.right() - n.left() + 5, n.bottom() - n.top() + 5);
    mPanel->invalidate();
}

} // namespace sw
