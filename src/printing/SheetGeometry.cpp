#include "printing/SheetGeometry.h"

namespace sw {

SheetGeometry::SheetGeometry(const TLabelLayout &layout, const PrinterFineTuning &tuning)
    : mLayout(layout)
    , mTuning(tuning)
{
}

double SheetGeometry::topMargin() const
{
    return mLayout.TopMargin + mTuning.TopMarginNudge * PrinterFineTuning::Step;
}

double SheetGeometry::leftMargin() const
{
    return mLayout.LeftMargin + mTuning.LeftMarginNudge * PrinterFineTuning::Step;
}

double SheetGeometry::horizPitch() const
{
    return mLayout.HorizPitch + mTuning.HorizontalSpacing * PrinterFineTuning::Step;
}

double SheetGeometry::vertPitch() const
{
    return mLayout.VertPitch + mTuning.VerticalSpacing * PrinterFineTuning::Step;
}

QPointF SheetGeometry::labelCorner(int column, int row) const
{
    double x = leftMargin() + column * horizPitch();
    double y = topMargin() + row * vertPitch();
    if (column + 1 > mLayout.NumAcross / 2 && mLayout.RightHalfOffset > 0)
        x += mLayout.RightHalfOffset;
    if (row + 1 > mLayout.NumDown / 2 && mLayout.LowerHalfOffset > 0)
        y += mLayout.LowerHalfOffset;
    return QPointF(x, y);
}

QRectF SheetGeometry::labelRect(int column, int row) const
{
    return QRectF(labelCorner(column, row), QSizeF(mLayout.LabelWidth, mLayout.LabelHeight));
}

} // namespace sw
