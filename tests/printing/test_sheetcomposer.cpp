// Sheet composition: where every label of a run lands, in what order, how
// fine tuning and half-sheet offsets move it, how counters advance, and
// what a run prints on a page image.
#include "objects/TGCounterLabel.h"
#include "objects/TGGraphicControl.h"
#include "printing/SheetComposer.h"
#include "printing/SheetPicture.h"
#include "report/TImageReport.h"
#include "surface/TGStickwellPanel32.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// Records what the run asks of the design's objects.
class Recorder : public TGGraphicControl
{
public:
    QList<QPointF> printedAt;
    int resets = 0, advances = 0;
    void PrintTo(TBaseReport &, double x, double y) override { printedAt << QPointF(x, y); }
    void ResetSequence() override { ++resets; }
    void NextLabel() override { ++advances; }
};

PrintRequest request3x10(int sheets)
{
    PrintRequest r;
    r.layout = TLabelLayout::defaultLayout();
    r.sheets = sheets;
    return r;
}

struct Composer : ::testing::Test
{
    TGStickwellPanel32 panel;
    Recorder *recorder = new Recorder;
    void SetUp() override { panel.addObject(recorder); }
};

} // namespace

TEST_F(Composer, TwoFullSheetsPrintSixtyLabelsOnTwoPages)
{
    SheetComposer composer(panel, request3x10(2));
    EXPECT_TRUE(panel.Printing());
    EXPECT_EQ(recorder->resets, 1);
    TImageReport report(20, 20);
    composer.processEvents = nullptr;
    composer.setUpReport(report);
    QString lastStatus;
    report.StatusLabel = [&lastStatus](const QString &s) { lastStatus = s; };
    report.Execute();
    EXPECT_EQ(recorder->printedAt.size(), 60);
    EXPECT_EQ(recorder->advances, 60);
    EXPECT_EQ(report.PageImageCount(), 2); // NewPage once
    EXPECT_EQ(lastStatus, "Printed label 30 on page 2");
    EXPECT_EQ(composer.closingMessage(report.Aborted()), "Label Print Completed!");

    // Across each row, rows down the sheet: label 4 starts row 1.
    const TLabelLayout l = TLabelLayout::defaultLayout();
    EXPECT_EQ(recorder->printedAt.at(0), QPointF(l.LeftMargin, l.TopMargin));
    EXPECT_EQ(recorder->printedAt.at(2), QPointF(l.LeftMargin + 2 * l.HorizPitch, l.TopMargin));
    EXPECT_EQ(recorder->printedAt.at(3), QPointF(l.LeftMargin, l.TopMargin + l.VertPitch));
}

TEST_F(Composer, OnePositionOnThreeSheetsAdvancesOncePerSheet)
{
    PrintRequest r = request3x10(3);
    r.selectAll(false);
    r.positions[0] = true;
    SheetComposer composer(panel, r);
    const auto placements = composer.placements();
    ASSERT_EQ(placements.size(), 3u);
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(placements[size_t(s)].sheet, s);

    auto *counter = new TGCounterLabel;
    counter->Loaded();
    counter->setProperty("Startingnumber", 7);
    panel.addObject(counter);
    SheetComposer again(panel, r); // resets the counter to 7
    TImageReport report(20, 20);
    again.processEvents = nullptr;
    again.setUpReport(report);
    report.Execute();
    EXPECT_EQ(counter->property("Caption").toString(), "10");
}

TEST_F(Composer, RightHalfOffsetShiftsTheRightHalfOnly)
{
    PrintRequest r = request3x10(1);
    r.layout.NumAcross = 2;
    r.layout.NumDown = 1;
    r.layout.RightHalfOffset = 0.1;
    auto p = SheetComposer(panel, r).placements();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_DOUBLE_EQ(p[0].x, r.layout.LeftMargin);
    EXPECT_DOUBLE_EQ(p[1].x, r.layout.LeftMargin + r.layout.HorizPitch + 0.1);

    r.layout.RightHalfOffset = -0.1; // ignored
    p = SheetComposer(panel, r).placements();
    EXPECT_DOUBLE_EQ(p[1].x, r.layout.LeftMargin + r.layout.HorizPitch);

    // With one column, the only column is the right half.
    r.layout.NumAcross = 1;
    r.layout.RightHalfOffset = 0.1;
    p = SheetComposer(panel, r).placements();
    EXPECT_DOUBLE_EQ(p[0].x, r.layout.LeftMargin + 0.1);
}

TEST_F(Composer, FineTuningMovesMarginsAndStretchesPitches)
{
    PrintRequest r = request3x10(1);
    r.tuning.TopMarginNudge = -8;
    r.tuning.VerticalSpacing = 1;
    const auto p = SheetComposer(panel, r).placements();
    const TLabelLayout l = r.layout;
    EXPECT_DOUBLE_EQ(p.front().y, l.TopMargin - 0.25);
    // Row 9 moves by 9/32 inch more than the plain pitch puts it.
    EXPECT_DOUBLE_EQ(p.back().y, l.TopMargin - 0.25 + 9 * (l.VertPitch + 1.0 / 32));
}

TEST_F(Composer, PreviewRecordsOneSheetWhateverIsAsked)
{
    PrintRequest r = request3x10(5);
    r.preview = true;
    SheetComposer composer(panel, r);
    EXPECT_TRUE(panel.PreviewMode());
    EXPECT_EQ(composer.placements().size(), 30u);
    EXPECT_EQ(composer.closingMessage(false), "\rLabel Preview Ready!");
    EXPECT_EQ(composer.closingMessage(true), "\rLabel Preview Canceled!");
}

TEST_F(Composer, StopEndsTheLoopAtItsNextTest)
{
    SheetComposer composer(panel, request3x10(2));
    TImageReport report(20, 20);
    composer.setUpReport(report);
    int labels = 0;
    composer.processEvents = [&] {
        if (++labels == 5)
            composer.requestStop();
    };
    report.Execute();
    EXPECT_EQ(recorder->printedAt.size(), 5);
}

TEST_F(Composer, PaperAndOrientationFollowThePaperCode)
{
    PrintRequest r = request3x10(1);
    r.layout.PaperCode = "A4L";
    SheetComposer composer(panel, r);
    TImageReport report(20, 20);
    composer.setUpReport(report);
    EXPECT_EQ(report.PaperNumber(), 9);
    EXPECT_EQ(report.Orientation(), poLandScape);
    EXPECT_GT(report.PaperWidth(), report.PaperHeight());
}

TEST(SheetPictureTest, LetterThreeByTenAtNinetySixPixelsPerInch)
{
    const SheetPicture picture(TLabelLayout::defaultLayout(), 96);
    EXPECT_DOUBLE_EQ(picture.scale(), 19.2);
    EXPECT_EQ(picture.sheetRect(), QRect(QPoint(10, 10), QPoint(172, 220))); // (10, 10)-(173, 221)
    EXPECT_EQ(picture.positionRects().at(0), QRect(QPoint(13, 19), QPoint(62, 37))); // (13, 19)-(63, 38)
    EXPECT_EQ(picture.positionAt({13, 19}), 0);
    EXPECT_EQ(picture.positionAt({63, 19}), -1); // right edge is outside, the gap is no label
    EXPECT_EQ(picture.positionAt({5, 5}), -1);
}

TEST(SheetPictureTest, SharedEdgeBelongsToTheRectangleItStarts)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.HorizPitch = l.LabelWidth; // touching columns
    const SheetPicture picture(l, 96);
    const QRect first = picture.positionRects().at(0);
    EXPECT_EQ(picture.positionAt({first.right() + 1, first.top()}), 1);
}

TEST(PrintRequestTest, OnlyPositionsOnTheSheetCount)
{
    PrintRequest r = request3x10(1);
    r.selectAll(false);
    EXPECT_FALSE(r.anySelected()); // flags 30..500 are still set but not counted
    r.positions[29] = true;
    EXPECT_TRUE(r.anySelected());
}

// The run looks at the event queue only every few milliseconds, but a
// "Stop" waiting there still ends it long before its last label.
TEST_F(Composer, AStopWaitingInTheEventQueueEndsTheRun)
{
    SheetComposer composer(panel, request3x10(200));
    TImageReport report(10, 10);
    composer.setUpReport(report);
    QTimer::singleShot(0, [&composer] { composer.requestStop(); });
    report.Execute();
    EXPECT_LT(recorder->printedAt.size(), 200 * 30);
    EXPECT_TRUE(composer.stopRequested());
}
