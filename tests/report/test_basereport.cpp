// Units, drawing state, status text and the document lifecycle of a report.
#include "ReportTestUtil.h"

#include "platform/MessageService.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace sw;
using sw::test::imageReport;

namespace {

QString messageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EReportPrinter &e) {
        return e.message();
    }
    return QString();
}

const QString kNotPrinting = QStringLiteral("Invalid method call.  ReportPrinter is not printing.");
const QString kAlreadyPrinting = QStringLiteral("Invalid method call.  ReportPrinter already printing.");

} // namespace

// ---- units --------------------------------------------------------------------------

struct ConversionCase
{
    int ppi;
    double border;   // inches on every side
    double position; // inches
    int expected;    // device pixels
};

class UnitsToDevice : public ::testing::TestWithParam<ConversionCase>
{
};

TEST_P(UnitsToDevice, RoundsHalfToEvenAfterSubtractingTheBorder)
{
    const ConversionCase c = GetParam();
    auto report = imageReport(c.ppi, c.border);
    EXPECT_EQ(report->UnitsToDeviceX(c.position), c.expected);
    EXPECT_EQ(report->UnitsToDeviceY(c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UnitsToDevice,
                         ::testing::Values(
                             // 0.125 x 100 = 12.5 -> 12 (even); 0.375 x 100 = 37.5 -> 38
                             ConversionCase{100, 0, 0.125, 12}, ConversionCase{100, 0, 0.375, 38},
                             ConversionCase{100, 0, -0.125, -12}, ConversionCase{100, 0, 1.0, 100},
                             // (0.125 - 0.25) x 100 = -12.5 -> -12
                             ConversionCase{100, 0.25, 0.125, -12},
                             // the sheet's corner lies off the printable area ...
                             ConversionCase{300, 0.25, 0.0, -75},
                             // ... and the border's corner is device (0, 0)
                             ConversionCase{300, 0.25, 0.25, 0}, ConversionCase{300, 0.25, 1.0, 300 - 75}));

TEST(ReportUnits, FactorsAndInverse)
{
    auto report = imageReport(100, 0.25);
    report->setUnits(unMM);
    EXPECT_DOUBLE_EQ(report->UnitsFactor(), 25.4);
    EXPECT_EQ(report->UnitsToDeviceX(25.4), 100 - 25);
    report->setUnits(unPoint);
    EXPECT_EQ(report->UnitsToDeviceY(72), 100 - 25);
    EXPECT_DOUBLE_EQ(report->UnprintableLeft(), 0.25 * 72);
    report->setUnitsFactor(2.0); // half inches
    EXPECT_EQ(report->Units(), unUser);
    EXPECT_EQ(report->UnitsToDeviceX(2.0), 100 - 25);
    EXPECT_NEAR(report->DeviceToUnitsX(75), 2.0, 1e-12);
    report->setUnits(unInch);
    report->setScaleX(200);
    EXPECT_EQ(report->UnitsToDeviceX(1.0), 200 - 25);
    EXPECT_EQ(report->UnitsToDeviceY(1.0), 100 - 25);
    EXPECT_EQ(report->CreateRect(0.25, 0.5, 0.5, 1.0), (TDeviceRect{25, 25, 75, 75}));
    // Corner lengths are scaled like positions but not shifted.
    EXPECT_EQ(report->LengthToDeviceX(0.125), 25);
    EXPECT_EQ(report->LengthToDeviceY(0.125), 12);
}

// ---- drawing state -------------------------------------------------------------------

struct PenCase
{
    int ppi;
    int width;
    int expected;
};

class PenWidth : public ::testing::TestWithParam<PenCase>
{
};

TEST_P(PenWidth, NegativeIsHundredthsOfAnInchAtLeastOnePixel)
{
    const PenCase c = GetParam();
    auto report = imageReport(c.ppi);
    report->SetPen(clBlack, psSolid, c.width, pmCopy);
    EXPECT_EQ(report->PenDeviceWidth(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PenWidth,
                         ::testing::Values(PenCase{600, -1, 6},   // 0.01 x 600
                                           PenCase{96, -1, 1},    // 0.96 rounds to 1
                                           PenCase{96, -3, 3},    // 2.88
                                           PenCase{150, -1, 2},   // 1.5 -> 2 (even)
                                           PenCase{250, -1, 2},   // 2.5 -> 2 (even)
                                           PenCase{40, -1, 1},    // 0.4 -> 0, raised to 1
                                           PenCase{600, 0, 0},    // thinnest line
                                           PenCase{600, 5, 5}));  // device pixels as given

TEST(ReportState, PenWidthFollowsScaleAndZoom)
{
    auto report = imageReport(600);
    report->SetPen(clBlack, psSolid, -1, pmCopy);
    report->setScaleX(50);
    EXPECT_EQ(report->PenDeviceWidth(), 3);
    report->setZoomFactor(200);
    EXPECT_EQ(report->PenDeviceWidth(), 6);
}

TEST(ReportState, FontRotationIsKeptModulo360)
{
    auto report = imageReport(96);
    report->SetFontRotation(450);
    EXPECT_EQ(report->FontRotation(), 90);
    report->SetFontRotation(-90);
    EXPECT_EQ(report->FontRotation(), 270);
    report->SetFontRotation(720);
    EXPECT_EQ(report->FontRotation(), 0);
}

TEST(ReportState, SetFontResetsStyleAndIgnoresSizesBelowOne)
{
    auto report = imageReport(96);
    EXPECT_EQ(report->FontName(), QStringLiteral("Arial"));
    EXPECT_EQ(report->FontSize(), 10);
    report->SetFontBold(true);
    report->SetFontColor(clRed);
    report->SetFontRotation(45);
    report->SetFont(QStringLiteral("Courier New"), 0);
    EXPECT_EQ(report->FontName(), QStringLiteral("Arial"));
    EXPECT_TRUE(report->FontBold());
    report->SetFont(QStringLiteral("Courier New"), 12);
    EXPECT_EQ(report->FontName(), QStringLiteral("Courier New"));
    EXPECT_EQ(report->FontSize(), 12);
    EXPECT_FALSE(report->FontBold());
    EXPECT_EQ(report->FontColor(), clBlack);
    EXPECT_EQ(report->FontRotation(), 0);
    // 12 points at 300 pixels per inch: 50 pixels; half for superscript.
    auto hi = imageReport(300);
    hi->SetFont(QStringLiteral("Arial"), 12);
    EXPECT_EQ(hi->DeviceFontHeight(), -50);
    hi->SetFontSuperscript(true);
    EXPECT_EQ(hi->DeviceFontHeight(), -25);
}

// ---- text position and metrics --------------------------------------------------------

TEST(ReportText, LineHeightAndLineTop)
{
    auto report = imageReport(300, 0.25);
    report->SetFont(QStringLiteral("Arial"), 12);
    report->setLineHeightMethod(lhmFont);
    report->UpdateLineHeight();
    EXPECT_DOUBLE_EQ(report->LineHeight(), 12.0 / 60);
    report->setLineHeightMethod(lhmLinesPerInch);
    report->UpdateLineHeight();
    EXPECT_DOUBLE_EQ(report->LineHeight(), 1.0 / 6);
    EXPECT_DOUBLE_EQ(report->FontHeight(), 12.0 / 72);

    report->GotoXY(1.0, 2.0);
    const double ascent = report->AscentHeight();
    EXPECT_GT(ascent, 0.08); // most of a 1/6 inch font
    EXPECT_LT(ascent, 12.0 / 72);
    EXPECT_DOUBLE_EQ(report->LineTop(), 2.0 - ascent);
    report->setLineTop(3.0);
    EXPECT_DOUBLE_EQ(report->YPos(), 3.0 + ascent);
}

TEST(ReportText, PrintLeftMovesAlongTheTextsDirection)
{
    auto report = imageReport(300);
    report->BeginDoc();
    report->SetFont(QStringLiteral("Arial"), 12);
    const double w = report->TextWidth(QStringLiteral("Label"));
    EXPECT_GT(w, 0.3);
    EXPECT_GE(report->TextWidth(QString()), 1.0 / 300); // at least one pixel

    report->GotoXY(1.0, 2.0);
    report->PrintLeft(QStringLiteral("Label"), 1.5);
    EXPECT_DOUBLE_EQ(report->XPos(), 1.5 + w);
    EXPECT_DOUBLE_EQ(report->YPos(), 2.0);
    report->GotoXY(2.1, 2.0);
    report->PrintText(QStringLiteral("\tX")); // to the next half inch
    EXPECT_DOUBLE_EQ(report->XPos(), 2.5 + report->TextWidth(QStringLiteral("X")));

    report->SetFontRotation(90);
    const double wr = report->TextWidth(QStringLiteral("Label"));
    report->GotoXY(1.0, 2.0);
    report->PrintLeft(QStringLiteral("Label"), 1.0);
    EXPECT_NEAR(report->XPos(), 1.0, 1e-9);
    EXPECT_NEAR(report->YPos(), 2.0 - wr, 1e-9);
    report->EndDoc();
}

// ---- document lifecycle ---------------------------------------------------------------------

TEST(ReportLifecycle, MisuseRaisesTheMessages)
{
    auto report = imageReport(96);
    EXPECT_EQ(messageOf([&] { report->Rectangle(0, 0, 1, 1); }), kNotPrinting);
    EXPECT_EQ(messageOf([&] { report->NewPage(); }), kNotPrinting);
    EXPECT_EQ(messageOf([&] { report->EndDoc(); }), kNotPrinting);
    report->BeginDoc();
    EXPECT_EQ(messageOf([&] { report->BeginDoc(); }), kAlreadyPrinting);
    EXPECT_EQ(messageOf([&] { report->SelectPaper(9, 0, 0); }), kAlreadyPrinting);
    report->EndDoc();
    EXPECT_FALSE(report->Printing());
}

TEST(ReportLifecycle, NoPrinterShowsTheErrorAndPrintsNothing)
{
    ScriptedMessageHandler messages;
    ScopedMessageHandler scope(&messages);
    auto report = imageReport(96);
    report->ImageDevice().setInstalled(false);
    report->DeviceChanged();
    bool printed = false;
    report->OnPrint = [&](TBaseReport &) { printed = true; };
    report->Execute();
    EXPECT_FALSE(printed);
    EXPECT_FALSE(report->Printing());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("No printers are defined, aborting print job.")});
    // Without a printer the paper is just the size given.
    report->SelectPaper(9, 4.0, 6.0);
    EXPECT_DOUBLE_EQ(report->PaperWidth(), 4.0);
    EXPECT_DOUBLE_EQ(report->PaperHeight(), 6.0);
}

TEST(ReportLifecycle, ExecuteRunsPagesAndEndsTheDocumentOnFailure)
{
    auto report = imageReport(96);
    int calls = 0;
    report->OnPrintPage = [&](TBaseReport &) { return ++calls < 3; };
    report->Execute();
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(report->PageImageCount(), 3);

    report->OnPrint = [](TBaseReport &) { throw std::runtime_error("handler failed"); };
    bool after = false;
    report->OnAfterPrint = [&](TBaseReport &) { after = true; };
    EXPECT_THROW(report->Execute(), std::runtime_error);
    EXPECT_FALSE(report->Printing());
    EXPECT_TRUE(after);
}

TEST(ReportLifecycle, AbortStopsOutputAndPages)
{
    auto report = imageReport(96);
    report->OnPrint = [](TBaseReport &r) {
        r.SetBrush(clBlack, bsSolid);
        r.Rectangle(1, 1, 2, 2);
        r.AbortReport();
        r.Rectangle(3, 3, 4, 4);
        r.NewPage();
        r.Rectangle(1, 1, 2, 2);
    };
    report->Execute();
    EXPECT_TRUE(report->Aborted());
    EXPECT_EQ(report->PageImageCount(), 1);
    EXPECT_TRUE(report->ImageDevice().documentAborted());
    const QImage page = report->PageImage(0);
    EXPECT_TRUE(sw::test::isInk(page, 150, 150));
    EXPECT_FALSE(sw::test::isInk(page, 350, 350));
}

TEST(ReportLifecycle, PagesOutsideTheRangeAreWalkedThrough)
{
    auto report = imageReport(96);
    report->setFirstPage(2);
    report->setLastPage(3);
    QList<int> drawnOn;
    report->OnPrintPage = [&](TBaseReport &r) {
        r.Rectangle(1, 1, 2, 2); // does nothing on page 1 and 4
        drawnOn.append(r.CurrentPage());
        return r.CurrentPage() < 4;
    };
    report->Execute();
    EXPECT_EQ(drawnOn, (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(report->PageImageCount(), 2);
}

TEST(ReportLifecycle, RegionStackHoldsAtMost21)
{
    auto report = imageReport(96);
    report->BeginDoc();
    report->DeleteRegion(); // nothing on an empty stack
    for (int i = 0; i < 21; ++i)
        report->CreateRectRegion(0, 0, 1, 1);
    EXPECT_EQ(report->RegionCount(), 21);
    EXPECT_EQ(messageOf([&] { report->CreateEllipseRegion(0, 0, 1, 1); }),
              QStringLiteral("Invalid method call.  Too many regions (at most 21 at once)."));
    EXPECT_EQ(report->RegionCount(), 21);
    report->DeleteRegion();
    report->CreatePolygonRegion({QPoint(0, 0), QPoint(10, 0), QPoint(0, 10)});
    EXPECT_EQ(report->RegionCount(), 21);
    report->EndDoc();
    EXPECT_EQ(report->RegionCount(), 0);
}

// ---- status -------------------------------------------------------------------------------------

TEST(ReportStatus, PercentCodes)
{
    auto report = imageReport(96);
    QStringList shown;
    report->StatusLabel = [&](const QString &s) { shown.append(s); };
    report->StatusText = QStringList{QStringLiteral("zero"), QStringLiteral("one")};
    report->setLastPage(12);
    report->StatusFormat = QStringLiteral("Page %p of %F-%l [%0|%1|%9] 100%% %x %D%");
    report->BeginDoc();
    report->EndDoc();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.last(), QStringLiteral("Page 1 of 1-12 [zero|one|] 100% <ERROR-%x> Page images%"));
    report->StatusFormat = QStringLiteral("%R %T");
    EXPECT_EQ(report->FormatStatus(), QStringLiteral("Image Memory"));
}
