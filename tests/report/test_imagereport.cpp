// What a report puts on the page: positions, text placement, clipping and
// paths, on page images at 300 pixels per inch with a quarter-inch
// unprintable border (75 pixels).
#include "ReportTestUtil.h"

#include "platform/Rounding.h"

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

constexpr int kPpi = 300;
constexpr double kBorder = 0.25;
constexpr int kBorderPx = 75;

class ImageReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        report = imageReport(kPpi, kBorder);
        report->BeginDoc();
        report->SetPen(clBlack, psSolid, 1, pmCopy);
        report->SetBrush(clWhite, bsClear);
    }
    QImage page()
    {
        report->EndDoc();
        return report->PageImage(0);
    }

    std::unique_ptr<TImageReport> report;
};

} // namespace

TEST_F(ImageReportTest, MarksLandMeasuredFromThePapersEdge)
{
    report->Rectangle(1.0, 1.0, 2.0, 1.5);
    const QImage image = page();
    EXPECT_EQ(image.width(), roundHalfEven(8.0 * kPpi)); // 8.5 less both borders
    // The outline runs through device 1.0 x 300 - 75 = 225 ... 2.0 x 300 - 75 - 1.
    EXPECT_EQ(inkBounds(image), QRect(QPoint(300 - kBorderPx, 300 - kBorderPx), QPoint(600 - kBorderPx - 1, 450 - kBorderPx - 1)));
}

TEST_F(ImageReportTest, PrintLeftSitsOnTheBaseline)
{
    report->SetFont(QStringLiteral("Arial"), 24);
    report->GotoXY(1.0, 1.0);
    report->PrintText(QStringLiteral("HH"));
    const QImage image = page();
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isNull());
    const int baseline = 300 - kBorderPx; // the converted baseline; the cell sits one pixel lower
    EXPECT_NEAR(ink.bottom(), baseline, 1);
    EXPECT_GE(ink.left(), 300 - kBorderPx);
    EXPECT_LE(ink.left(), 300 - kBorderPx + 12); // the H's side bearing
    // A 24 point capital is about 0.23 inch high.
    EXPECT_NEAR(ink.height(), 0.716 * 24 / 72 * kPpi, 6);
}

TEST_F(ImageReportTest, TextRectPlacesTheCellAndClips)
{
    report->SetFont(QStringLiteral("Arial"), 36);
    report->SetBrush(clWhite, bsClear);
    const TDeviceRect clip = report->CreateRect(1.0, 1.0, 1.5, 1.2);
    report->TextRect(clip, 1.0, 1.0, QStringLiteral("WWWW"));
    const QImage image = page();
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), clip.left);
    EXPECT_GE(ink.top(), clip.top);
    EXPECT_LE(ink.right(), clip.right - 1);
    EXPECT_EQ(ink.bottom(), clip.bottom - 1); // cut at the clip's edge
}

TEST_F(ImageReportTest, TextRectWithASolidBrushFillsTheRectangle)
{
    report->SetBrush(clBlack, bsSolid);
    report->SetFontColor(clWhite);
    const TDeviceRect clip = report->CreateRect(1.0, 1.0, 1.5, 1.5);
    report->TextRect(clip, 1.0, 1.0, QStringLiteral("x"));
    const QImage image = page();
    EXPECT_EQ(inkBounds(image), QRect(QPoint(clip.left, clip.top), QPoint(clip.right - 1, clip.bottom - 1)));
}

TEST_F(ImageReportTest, SelectedRegionClipsUntilClipOff)
{
    report->SetBrush(clBlack, bsSolid);
    report->CreateEllipseRegion(1.0, 1.0, 2.0, 2.0);
    report->SelectRegion();
    report->DeleteRegion(); // the clip stays selected
    report->FillRect(report->CreateRect(0.5, 0.5, 2.5, 2.5));
    report->ClipOff();
    report->FillRect(report->CreateRect(3.0, 3.0, 3.1, 3.1));
    const QImage image = page();
    const int c = 450 - kBorderPx; // centre of the ellipse
    EXPECT_TRUE(isInk(image, c, c));
    EXPECT_FALSE(isInk(image, 300 - kBorderPx + 5, 300 - kBorderPx + 5)); // outside the ellipse's corner
    EXPECT_TRUE(isInk(image, 900 - kBorderPx + 10, 900 - kBorderPx + 10)); // after ClipOff
    const QRect inside = inkBounds(image, QRect(0, 0, 800, 800));
    EXPECT_NEAR(inside.left(), 300 - kBorderPx, 1);
    EXPECT_NEAR(inside.top(), 300 - kBorderPx, 1);
    EXPECT_NEAR(inside.right(), 600 - kBorderPx - 1, 1);
    EXPECT_NEAR(inside.bottom(), 600 - kBorderPx - 1, 1);
}

TEST_F(ImageReportTest, TextPathClipsToTheGlyphs)
{
    report->SetFont(QStringLiteral("Arial"), 72);
    report->setTextBKMode(bkTransparent);
    report->BeginPath();
    report->GotoXY(1.0, 2.0);
    report->PrintText(QStringLiteral("O"));
    report->EndPath();
    report->SelectClipPath();
    report->SetBrush(clBlack, bsSolid);
    const TDeviceRect all = report->CreateRect(0.5, 0.5, 3.0, 3.0);
    report->FillRect(all);
    report->ClipOff();
    const QImage image = page();
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.width(), 0.8 * kPpi); // one letter, not the rectangle
    EXPECT_NEAR(ink.bottom(), 600 - kBorderPx, 3);
    EXPECT_FALSE(isInk(image, ink.center().x(), ink.center().y())); // the O's hole
}

TEST_F(ImageReportTest, AnEmptyClipPathLetsNothingThrough)
{
    report->BeginPath();
    report->GotoXY(1.0, 2.0);
    report->PrintText(QStringLiteral("   "));
    report->EndPath();
    report->SelectClipPath();
    report->SetBrush(clBlack, bsSolid);
    report->FillRect(report->CreateRect(0.5, 0.5, 3.0, 3.0));
    EXPECT_EQ(inkCount(page()), 0);
}

TEST_F(ImageReportTest, StrokePathOutlinesTheText)
{
    report->SetFont(QStringLiteral("Arial"), 72);
    report->BeginPath();
    report->GotoXY(1.0, 2.0);
    report->PrintText(QStringLiteral("I"));
    report->EndPath();
    report->SetPen(clBlack, psSolid, -1, pmCopy);
    report->StrokePath();
    const QImage image = page();
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_FALSE(isInk(image, ink.center().x(), ink.center().y())); // outlined, not filled
}

TEST_F(ImageReportTest, BitmapIsStretchedIntoTheRectangle)
{
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.setPixel(0, 0, qRgb(255, 0, 0));
    bitmap.setPixel(1, 0, qRgb(0, 255, 0));
    bitmap.setPixel(0, 1, qRgb(0, 0, 255));
    bitmap.setPixel(1, 1, qRgb(0, 0, 0));
    report->PrintBitmapRect(1.0, 1.0, 2.0, 2.0, bitmap);
    const QImage image = page();
    const int a = 300 - kBorderPx, b = 600 - kBorderPx;
    EXPECT_EQ(image.pixel(a, a), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(b - 1, a), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(a, b - 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(b - 1, b - 1), qRgb(0, 0, 0));
    EXPECT_EQ(inkBounds(image), QRect(QPoint(a, a), QPoint(b - 1, b - 1)));
}

TEST_F(ImageReportTest, HundredthInchPenAndRoundedCorners)
{
    report->SetPen(clBlack, psSolid, -2, pmCopy); // 6 pixels
    report->Rectangle(1.0, 1.0, 2.0, 2.0);
    report->SetPen(clBlack, psSolid, 1, pmCopy);
    report->RoundRect(3.0, 1.0, 4.0, 2.0, 0.5, 0.5);
    const QImage image = page();
    const int left = 300 - kBorderPx;
    int thick = 0;
    for (int x = left - 10; x < left + 10; ++x)
        thick += isInk(image, x, 450 - kBorderPx) ? 1 : 0;
    EXPECT_EQ(thick, 6);
    // The rounded rectangle's corner is cut: its bounding corner stays white.
    EXPECT_FALSE(isInk(image, 900 - kBorderPx, 300 - kBorderPx));
    EXPECT_TRUE(isInk(image, 900 - kBorderPx, 450 - kBorderPx));
}
