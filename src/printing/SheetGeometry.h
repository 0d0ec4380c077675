#pragma once
// Where the labels of a sheet land: the layout's margins and pitches with
// the printer's fine-tuning corrections added, and each position's top-left
// corner in inches from the sheet's corner (half-sheet offsets included).
// Print runs and the printer test sheet both place labels through it, so
// the test sheet shows exactly where a run would print.
#include "layouts/TLabelLayout.h"
#include "printing/PrinterFineTuning.h"

#include <QPointF>
#include <QRectF>

namespace sw {

class SheetGeometry
{
public:
    SheetGeometry(const TLabelLayout &layout, const PrinterFineTuning &tuning);

    const TLabelLayout &layout() const { return mLayout; }
    const PrinterFineTuning &tuning() const { return mTuning; }

    // Inches: TopMargin + TopMarginNudge x 1/32, and so on for the other
    // three. The half-sheet offsets are not corrected.
    double topMargin() const;
    double leftMargin() const;
    double horizPitch() const;
    double vertPitch() const;

    // The top-left corner of position (column, row), both from 0: margins
    // plus column and row pitches, plus RightHalfOffset for the columns past
    // NumAcross div 2 and LowerHalfOffset for the rows past NumDown div 2
    // (each only when positive).
    QPointF labelCorner(int column, int row) const;
    // The label at that corner, LabelWidth by LabelHeight.
    QRectF labelRect(int column, int row) const;

private:
    TLabelLayout mLayout;
    PrinterFineTuning mTuning;
};

} // namespace sw
