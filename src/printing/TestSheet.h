#pragma once
// The printer test sheet: one sheet of the current stock showing where the
// program prints, to be laid on (or printed onto) the real labels. At every
// position it draws the label's outline as a hairline and a cross-hair at
// the label's centre. At the first label's top-left corner and the last
// label's bottom-right corner it draws two scales, one across and one
// down, in 1/32 inch steps from -16 to +16, numbered every 4: the scale
// reads 0 where the program puts the label's edge and grows to the right
// and downwards, so where the stock's die-cut edge crosses it reads off as
// a number (FineTuningProposal turns the four numbers into fine tuning).
//
// Labels are placed by SheetGeometry with the fine tuning given, exactly as
// a print run places them; only positions a run can print are drawn (see
// PrintRequest::MaxPositions). Anything that would fall off the sheet is
// left out.
//
//   TestSheet sheet(layout, PrinterFineTuning::current());
//   sheet.print(report); // paper, orientation and the one page
#include "printing/SheetGeometry.h"

#include <QPoint>
#include <QPointF>
#include <QString>

namespace sw {

class TBaseReport;

class TestSheet
{
public:
    // Each scale runs from -ScaleSteps/32 to +ScaleSteps/32 inch and is
    // numbered every NumberEvery steps.
    static constexpr int ScaleSteps = 16;
    static constexpr int NumberEvery = 4;
    // Point size of the scale numbers.
    static constexpr double NumberSize = 5;

    TestSheet(const TLabelLayout &layout, const PrinterFineTuning &tuning);

    const SheetGeometry &geometry() const { return mGeometry; }
    // The positions drawn, across each row then down.
    int positionCount() const;
    // Column and row of the last position drawn, the one with the
    // bottom-right scales; (-1, -1) for a sheet without positions.
    QPoint lastPosition() const;

    // Selects the paper and orientation of the layout's paper code as a
    // print run does, and prints the sheet as one page.
    void print(TBaseReport &report) const;
    // Draws the sheet on the report's current page (inside a document).
    void draw(TBaseReport &report) const;

private:
    enum class Side { Before, After }; // ticks above/left of the line or below/right

    void drawOutline(TBaseReport &report, const QRectF &label) const;
    // One scale: its 0 at `zero` (inches), running across or down, its
    // ticks and numbers on one side of its line.
    void drawScale(TBaseReport &report, const QPointF &zero, Qt::Orientation direction, Side ticks) const;
    void drawCaption(TBaseReport &report, const QRectF &label) const;
    // False for a position past the sheet's edge; the layout's sheet size
    // `extent` (inches) is not known when it is not positive.
    static bool onSheet(double at, double extent);

    SheetGeometry mGeometry;
};

} // namespace sw
