#include "surface/TGHandle.h"

#include "objects/TGGraphicControl.h"
#include "surface/TGBasePanel.h"

#include <algorithm>
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
    if (!object || object->Unselectable() || mSelection.contains(object))
        return;
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
    }
    mPanel->invalidate();
}

void TGHandle::ClearSelection()
{
    mSelection.clear();
    mVisible = mEnabled = mLocked = false;
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
