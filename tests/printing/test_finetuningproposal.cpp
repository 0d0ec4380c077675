// The fine tuning the test sheet's readings propose: readings from a
// printer that is off cancel its error, corrections round to whole steps
// (halves away from zero), stay in the window's range, and a sheet with one
// column or row leaves its spacing alone.
#include "layouts/LayoutWorkingCopy.h"
#include "printing/FineTuningProposal.h"
#include "printing/SheetGeometry.h"

#include <QRectF>
#include <cmath>
#include <limits>
#include <gtest/gtest.h>

using namespace sw;

namespace {

PrinterFineTuning tuning(int top, int left, int vertical, int horizontal)
{
    PrinterFineTuning t;
    t.TopMarginNudge = top;
    t.LeftMarginNudge = left;
    t.VerticalSpacing = vertical;
    t.HorizontalSpacing = horizontal;
    return t;
}

// A printer that puts everything 3/32 inch right and 2/32 inch up of where
// it is sent, and lets each label creep 1/32 inch further right than the one
// to its left and 1/32 further down than the one above: over the 3 x 10
// sheet the last label is off by 2/32 more across and 9/32 more down than
// the first.
QPointF printedAt(QPointF sent, int column, int row)
{
    return sent + QPointF((3 + column) / 32.0, (-2 + row) / 32.0);
}

// What the user reads off the sheet printed with `t`: at each scale, where
// the stock's edge (the layout without corrections) falls, in 1/32 inch
// from the printed 0 - to the nearest half, as an eye reads it.
TestSheetReadings readSheet(const TLabelLayout &stock, const PrinterFineTuning &t)
{
    const SheetGeometry sheet(stock, t), dieCut(stock, PrinterFineTuning());
    const auto reading = [](double edge, double printed) { return std::round((edge - printed) * 64) / 2; };
    const QPointF firstPrinted = printedAt(sheet.labelRect(0, 0).topLeft(), 0, 0);
    const QPointF lastPrinted = printedAt(sheet.labelRect(2, 9).bottomRight(), 2, 9);
    TestSheetReadings r;
    r.topLeftAcross = reading(dieCut.labelRect(0, 0).left(), firstPrinted.x());
    r.topLeftDown = reading(dieCut.labelRect(0, 0).top(), firstPrinted.y());
    r.bottomRightAcross = reading(dieCut.labelRect(2, 9).right(), lastPrinted.x());
    r.bottomRightDown = reading(dieCut.labelRect(2, 9).bottom(), lastPrinted.y());
    return r;
}

} // namespace

TEST(FineTuningProposal, ReadingsFromAShiftedAndCreepingPrinterCancelItsError)
{
    const TLabelLayout stock = LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout()).toLayout();
    const TestSheetReadings first = readSheet(stock, PrinterFineTuning());
    // The first label's edges lie 3 steps left of the printing and 2 below
    // it; the last label's 5 left and 7 above.
    EXPECT_EQ(first.topLeftAcross, -3);
    EXPECT_EQ(first.topLeftDown, 2);
    EXPECT_EQ(first.bottomRightAcross, -5);
    EXPECT_EQ(first.bottomRightDown, -7);

    const FineTuningProposal p = FineTuningProposal::compute(PrinterFineTuning(), first, 2, 9);
    // Move left by 3, down by 2; pull columns and rows in by one step each:
    // (-5 - -3) / 2 = -1 and (-7 - 2) / 9 = -1.
    EXPECT_EQ(p.values, tuning(2, -3, -1, -1));
    EXPECT_FALSE(p.anyLimited());

    // Printed again with the proposal, every label lands on the stock: the
    // second sheet reads 0 everywhere and proposes no change.
    const TestSheetReadings second = readSheet(stock, p.values);
    EXPECT_EQ(second.topLeftAcross, 0);
    EXPECT_EQ(second.topLeftDown, 0);
    EXPECT_EQ(second.bottomRightAcross, 0);
    EXPECT_EQ(second.bottomRightDown, 0);
    EXPECT_EQ(FineTuningProposal::compute(p.values, second, 2, 9).values, p.values);
}

TEST(FineTuningProposal, CorrectionsAddToTheValuesTheSheetWasPrintedWith)
{
    struct Case
    {
        PrinterFineTuning printedWith;
        TestSheetReadings readings;
        int lastColumn, lastRow;
        PrinterFineTuning expected;
    };
    const Case cases[] = {
        // Left -1 + 2 = 1; top 1 + round(-1.5) = 1 - 2 = -1; horizontal 2 +
        // (4 - 2) / 2 = 3; vertical 0 + round((-6 - -1.5) / 9 = -0.5) = -1.
        {tuning(1, -1, 0, 2), {2, -1.5, 4, -6}, 2, 9, tuning(-1, 1, -1, 3)},
        // Halves round away from zero: 2.5 -> 3, -2.5 -> -3; (3.5 - 2.5) / 2
        // = 0.5 -> 1; (-3.5 - -2.5) / 2 = -0.5 -> -1.
        {tuning(0, 0, 0, 0), {2.5, -2.5, 3.5, -3.5}, 2, 2, tuning(-3, 3, -1, 1)},
        // A shift alone moves both corners alike and leaves the spacing.
        {tuning(0, 0, 0, 0), {-4, 6, -4, 6}, 2, 9, tuning(6, -4, 0, 0)},
        // A difference smaller than half a step per pitch changes nothing:
        // 1 / 9 and -4 / 9.
        {tuning(0, 0, 3, 0), {0, 0, 1, -4}, 9, 9, tuning(0, 0, 3, 0)},
        // One column and one row: the spacing cannot be measured and stays.
        {tuning(0, 0, -2, 5), {1, 1, 7, 7}, 0, 0, tuning(1, 1, -2, 5)},
    };
    for (const Case &c : cases) {
        const FineTuningProposal p = FineTuningProposal::compute(c.printedWith, c.readings, c.lastColumn, c.lastRow);
        EXPECT_EQ(p.values, c.expected) << "readings " << c.readings.topLeftAcross << " " << c.readings.topLeftDown
                                        << " " << c.readings.bottomRightAcross << " " << c.readings.bottomRightDown;
        EXPECT_EQ(p.horizontalMeasured, c.lastColumn > 0);
        EXPECT_EQ(p.verticalMeasured, c.lastRow > 0);
        EXPECT_FALSE(p.anyLimited());
    }
}

TEST(FineTuningProposal, ValuesStayInTheWindowsRangeAndSayWhenLimited)
{
    // Left 7 + 3 = 10 is limited to 8, horizontal 0 + round((-16 - 3) / 2)
    // = -10 to -8; a hand-edited value far outside the range comes back to
    // -8.
    const FineTuningProposal p = FineTuningProposal::compute(tuning(std::numeric_limits<int>::min(), 7, 0, 0),
                                                       {3, 0, -16, 0}, 2, 9);
    EXPECT_EQ(p.values, tuning(-8, 8, 0, -8));
    EXPECT_TRUE(p.topLimited);
    EXPECT_TRUE(p.leftLimited);
    EXPECT_TRUE(p.horizontalLimited);
    EXPECT_FALSE(p.verticalLimited);
}
