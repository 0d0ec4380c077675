#include "platform/Canvas.h"

#include "platform/TPicture.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QImage whiteImage(int w = 80, int h = 60)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isWhite(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// Checks every pixel: those for which `expected` holds must be `inked`
// (anything but white), the rest white. Reports the first few mismatches.
::testing::AssertionResult pixelsMatch(const QImage &image, const std::function<bool(int, int)> &expected)
{
    int bad = 0;
    QString where;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (expected(x, y) == isWhite(image, x, y)) {
                if (++bad <= 5)
                    where += QStringLiteral(" (%1,%2)").arg(x).arg(y);
            }
    if (bad == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << bad << " wrong pixels, e.g." << where.toStdString();
}

bool inside(int x, int y, int l, int t, int r, int b) // inclusive
{
    return x >= l && x <= r && y >= t && y <= b;
}

int inkedCount(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!isWhite(image, x, y))
                ++n;
    return n;
}

} // namespace

TEST(Canvas, WidePenIsCentredOnTheRectanglesBoundary)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Pen()->setWidth(3);
        canvas.Brush()->setStyle(bsClear);
        canvas.Rectangle(1, 1, 60, 40);
    }
    // Boundary pixels x 1 and 59, y 1 and 39; a width 3 pen covers one pixel
    // either side of them.
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) {
        return inside(x, y, 0, 0, 60, 40) && !inside(x, y, 3, 3, 57, 37);
    }));
}

TEST(Canvas, ShapeInsetKeepsAWideOutlineInsideTheBounds)
{
    // A 60 x 40 shape with a width 3 pen draws Rectangle(1, 1, 59, 39): the
    // outline then fills the bounds exactly.
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Pen()->setWidth(3);
        canvas.Brush()->setColor(clRed);
        canvas.Rectangle(1, 1, 59, 39);
    }
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) { return inside(x, y, 0, 0, 59, 39); }));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(56, 36), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(57, 37), qRgb(0, 0, 0));
}

TEST(Canvas, ThinAndClearPensAndInsideFrame)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Brush()->setColor(clRed);
        canvas.Rectangle(10, 10, 20, 15); // 1-pixel outline on x 10 and 19
    }
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) { return inside(x, y, 10, 10, 19, 14); }));
    EXPECT_EQ(image.pixel(19, 14), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(11, 11), qRgb(255, 0, 0));

    image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Pen()->setStyle(psClear);
        canvas.Brush()->setColor(clBlue);
        canvas.Rectangle(10, 10, 20, 15); // no outline: one pixel less each way
    }
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) { return inside(x, y, 10, 10, 18, 13); }));

    image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Pen()->setWidth(4);
        canvas.Pen()->setStyle(psInsideFrame);
        canvas.Brush()->setStyle(bsClear);
        canvas.Rectangle(5, 5, 45, 35);
    }
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) {
        return inside(x, y, 5, 5, 44, 34) && !inside(x, y, 9, 9, 40, 30);
    }));
}

TEST(Canvas, LineToLeavesOutTheEndPoint)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.MoveTo(2, 5);
        canvas.LineTo(10, 5);
        EXPECT_EQ(canvas.PenPos(), QPoint(10, 5));
        canvas.LineTo(10, 12); // continues from the left-out point
        canvas.MoveTo(30, 30);
        canvas.LineTo(40, 35);
    }
    EXPECT_TRUE(pixelsMatch(image, [&](int x, int y) {
        if (y == 5 && x >= 2 && x <= 9)
            return true;
        if (x == 10 && y >= 5 && y <= 11)
            return true;
        return !isWhite(image, x, y) && inside(x, y, 30, 30, 39, 35); // checked below
    }));
    // The diagonal: one pixel per column 30..39 near the true line, none at 40.
    for (int x = 30; x <= 39; ++x) {
        EXPECT_EQ(inkedCount(image, QRect(x, 0, 1, 60)), 1) << x;
        for (int y = 30; y <= 35; ++y) {
            if (!isWhite(image, x, y)) {
                EXPECT_LE(std::abs(2 * (y - 30) - (x - 30)), 1) << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(isWhite(image, 30, 30));
    EXPECT_EQ(inkedCount(image, QRect(40, 0, 1, 60)), 0);
}

TEST(Canvas, WideLinesStayWithinTheShapeBounds)
{
    // A vertical line object 40 high with a width 3 pen: MoveTo(1, 1),
    // LineTo(1, 39) covers x 0..2, y 0..39.
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Pen()->setWidth(3);
        canvas.MoveTo(1, 1);
        canvas.LineTo(1, 39);
    }
    EXPECT_EQ(inkedCount(image, QRect(0, 40, 80, 20)), 0);
    EXPECT_EQ(inkedCount(image, QRect(3, 0, 77, 60)), 0);
    EXPECT_FALSE(isWhite(image, 1, 38));
    EXPECT_FALSE(isWhite(image, 0, 20));
    EXPECT_FALSE(isWhite(image, 2, 20));
}

TEST(Canvas, FillRectExcludesRightAndBottom)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Brush()->setColor(clGreen);
        canvas.FillRect(2, 3, 6, 8);
        canvas.FillRect(20, 20, 20, 30); // empty
        canvas.Brush()->setColor(clBlack);
        canvas.FrameRect(40, 40, 50, 45);
    }
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) {
        return inside(x, y, 2, 3, 5, 7)
               || (inside(x, y, 40, 40, 49, 44) && !inside(x, y, 41, 41, 48, 43));
    }));
    EXPECT_EQ(image.pixel(2, 3), qRgb(0, 0x80, 0));
}

TEST(Canvas, XorDrawnTwiceRestoresThePicture)
{
    QImage image = whiteImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 3, y * 4, (x + y) & 0xFF));
    const QImage original = image.copy();
    {
        Canvas canvas(&image);
        canvas.Pen()->setMode(pmXor);
        canvas.Pen()->setColor(clWhite);
        canvas.Pen()->setStyle(psDot);
        canvas.Brush()->setStyle(bsClear);
        canvas.Rectangle(5, 5, 50, 40);
        EXPECT_NE(image, original);
        EXPECT_EQ(image.pixel(5, 5), original.pixel(5, 5) ^ 0x00FFFFFF);
        canvas.Rectangle(5, 5, 50, 40);
        EXPECT_EQ(image, original);

        canvas.Pen()->setMode(pmNotXor);
        canvas.Pen()->setStyle(psSolid);
        canvas.Pen()->setWidth(3);
        canvas.Brush()->setStyle(bsSolid);
        canvas.Brush()->setColor(0x123456);
        canvas.Rectangle(10, 10, 30, 30);
        canvas.Ellipse(30, 5, 70, 50);
        canvas.Ellipse(30, 5, 70, 50);
        canvas.Rectangle(10, 10, 30, 30);
        EXPECT_EQ(image, original);

        canvas.DrawFocusRect(3, 3, 40, 30);
        EXPECT_NE(image, original);
        canvas.DrawFocusRect(3, 3, 40, 30);
        EXPECT_EQ(image, original);

        canvas.Pen()->setMode(pmNot);
        canvas.Pen()->setWidth(1);
        canvas.MoveTo(0, 50);
        canvas.LineTo(70, 50);
        EXPECT_EQ(image.pixel(7, 50), original.pixel(7, 50) ^ 0x00FFFFFF);
    }
}

TEST(Canvas, PatternMaskedWithTheDestination)
{
    // The grid: a green dot where the pattern is green, the rest unchanged.
    QImage image = whiteImage(16, 16);
    image.setPixel(10, 10, qRgb(0x40, 0xFF, 0x40));
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(Qt::white);
    for (int y = 2; y < 8; y += 4)
        for (int x = 2; x < 8; x += 4)
            pattern.setPixel(x, y, qRgb(0, 0x80, 0));
    {
        Canvas canvas(&image);
        canvas.Brush()->setPattern(pattern);
        canvas.FillRectMode(0, 0, 16, 16, pmMask);
    }
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0x80, 0));
    EXPECT_EQ(image.pixel(14, 6), qRgb(0, 0x80, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0x80, 0)); // 0x40FF40 AND 0x008000
    EXPECT_EQ(image.pixel(3, 2), qRgb(255, 255, 255));
    EXPECT_EQ(inkedCount(image, image.rect()), 16);
}

TEST(Canvas, ClipRegionsLimitDrawing)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Brush()->setColor(clBlack);
        canvas.IntersectClipRect(10, 10, 30, 30);
        canvas.SaveClip();
        canvas.IntersectClipRect(20, 0, 80, 60);
        canvas.FillRect(0, 0, 80, 60);
        canvas.RestoreClip();
        canvas.FillRect(0, 0, 15, 80);
        canvas.RemoveClip();
        canvas.FillRect(70, 50, 72, 52);
        EXPECT_FALSE(canvas.hasClip());
        canvas.SelectClipRegion(Canvas::CreateEllipticRgn(40, 0, 60, 20));
        canvas.FillRect(40, 0, 60, 20);
    }
    EXPECT_TRUE(pixelsMatch(image.copy(0, 0, 40, 60), [](int x, int y) {
        return inside(x, y, 20, 10, 29, 29) || inside(x, y, 10, 10, 14, 29);
    }));
    EXPECT_EQ(inkedCount(image, QRect(70, 50, 2, 2)), 4);
    EXPECT_FALSE(isWhite(image, 50, 10));
    EXPECT_TRUE(isWhite(image, 40, 0));
    EXPECT_TRUE(isWhite(image, 59, 19));
}

TEST(Canvas, EllipseAndRoundRectStayWithinTheirBounds)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Brush()->setColor(clRed);
        canvas.Ellipse(0, 0, 21, 21);
        canvas.RoundRect(30, 0, 71, 31, 20, 20);
    }
    EXPECT_EQ(inkedCount(image, QRect(21, 0, 9, 60)), 0);
    EXPECT_EQ(inkedCount(image, QRect(0, 21, 30, 39)), 0);
    EXPECT_EQ(inkedCount(image, QRect(0, 31, 80, 29)), 0);
    EXPECT_EQ(inkedCount(image, QRect(71, 0, 9, 60)), 0);
    EXPECT_FALSE(isWhite(image, 10, 0));  // top of the ellipse
    EXPECT_FALSE(isWhite(image, 20, 10)); // right
    EXPECT_FALSE(isWhite(image, 10, 20)); // bottom
    EXPECT_TRUE(isWhite(image, 0, 0));    // corner outside
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_TRUE(isWhite(image, 30, 0));   // rounded corner
    EXPECT_FALSE(isWhite(image, 50, 0));
    EXPECT_FALSE(isWhite(image, 70, 15));
}

TEST(Canvas, PolygonFillModes)
{
    // A pentagram: the centre is outside with alternate fill, inside with winding.
    const QVector<QPoint> star{{30, 2}, {48, 56}, {2, 22}, {58, 22}, {12, 56}};
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Pen()->setStyle(psClear);
        canvas.Brush()->setColor(clBlack);
        canvas.Polygon(star);
    }
    EXPECT_TRUE(isWhite(image, 30, 32));
    EXPECT_FALSE(isWhite(image, 30, 10));
    image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.SetPolyFillMode(Canvas::Winding);
        canvas.Brush()->setColor(clBlack);
        canvas.Polygon(star);
    }
    EXPECT_FALSE(isWhite(image, 30, 32));
}

TEST(Canvas, TextMetricsAreConsistent)
{
    QImage image = whiteImage();
    Canvas canvas(&image);
    canvas.Font()->setName(QStringLiteral("MS Sans Serif"));
    canvas.Font()->setHeight(-16);
    EXPECT_EQ(QFontInfo(canvas.currentQFont()).family(), QLatin1String("Liberation Sans"));
    const TTextMetric tm = canvas.textMetrics();
    EXPECT_EQ(tm.ascent + tm.descent, tm.height);
    EXPECT_EQ(tm.height - tm.internalLeading, 16); // character height without leading
    EXPECT_GE(tm.internalLeading, 0);
    EXPECT_GE(tm.externalLeading, 0);
    EXPECT_EQ(canvas.TextHeight(QStringLiteral("Text")), tm.height);
    EXPECT_GT(canvas.TextWidth(QStringLiteral("Text ")), canvas.TextWidth(QStringLiteral("Text")));
    EXPECT_EQ(canvas.TextWidth(QString()), 0);
    // The canvas font follows changes to its TFont.
    canvas.Font()->setSize(24);
    EXPECT_GT(canvas.textMetrics().height, tm.height);
}

TEST(Canvas, TextIsTurnedCounterClockwiseAboutItsOrigin)
{
    auto inkedBox = [](const QImage &image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!isWhite(image, x, y))
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    QImage flat = whiteImage(120, 120);
    QImage turned = whiteImage(120, 120);
    int cell = 0;
    {
        Canvas canvas(&flat);
        canvas.Brush()->setStyle(bsClear);
        canvas.Font()->setHeight(-20);
        canvas.TextOut(60, 60, QStringLiteral("WWWW"));
        cell = canvas.textMetrics().height;
    }
    {
        Canvas canvas(&turned);
        canvas.Brush()->setStyle(bsClear);
        canvas.Font()->setHeight(-20);
        canvas.setFontEscapement(900);
        canvas.TextOut(60, 60, QStringLiteral("WWWW"));
    }
    const QRect f = inkedBox(flat);
    const QRect t = inkedBox(turned);
    ASSERT_FALSE(f.isEmpty());
    ASSERT_FALSE(t.isEmpty());
    // Unturned: to the right of and below the origin.
    EXPECT_GE(f.left(), 60);
    EXPECT_GE(f.top(), 60);
    EXPECT_LE(f.bottom(), 60 + cell);
    // Turned 90 degrees: running up from the origin, the cell to its right.
    EXPECT_LE(t.bottom(), 60);
    EXPECT_GE(t.left(), 60);
    EXPECT_LE(t.right(), 60 + cell);
    EXPECT_NEAR(t.height(), f.width(), 2);
}

TEST(Canvas, TextRectClipsAndOpaqueBrushFillsTheClip)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Font()->setHeight(-20);
        canvas.Font()->setColor(clBlack);
        canvas.Brush()->setStyle(bsClear);
        canvas.TextRect(10, 10, 20, 40, 5, 10, QStringLiteral("WWWWWW"));
    }
    EXPECT_GT(inkedCount(image, QRect(10, 10, 10, 30)), 0);
    EXPECT_EQ(inkedCount(image, QRect(0, 0, 10, 60)), 0);
    EXPECT_EQ(inkedCount(image, QRect(20, 0, 60, 60)), 0);

    image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Brush()->setColor(clYellow); // solid: opaque background
        canvas.TextRect(50, 5, 60, 15, 50, 5, QStringLiteral("i"));
    }
    EXPECT_EQ(image.pixel(59, 14), qRgb(255, 255, 0));
    EXPECT_TRUE(isWhite(image, 60, 15));
}

TEST(Canvas, DrawsImagesAndPictures)
{
    QImage image = whiteImage();
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    TPicture picture;
    picture.setImage(red);
    {
        Canvas canvas(&image);
        EXPECT_EQ(canvas.pixelsPerInch(), image.logicalDpiY());
        canvas.Draw(1, 1, red);
        canvas.StretchDraw(10, 10, 30, 20, picture);
        canvas.CopyRect(QRect(40, 40, 2, 2), red, QRect(0, 0, 2, 2));
    }
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) {
        return inside(x, y, 1, 1, 4, 4) || inside(x, y, 10, 10, 29, 19) || inside(x, y, 40, 40, 41, 41);
    }));
}

TEST(Canvas, OriginMovesDrawingAndLaterClips)
{
    QImage image = whiteImage();
    {
        Canvas canvas(&image);
        canvas.Brush()->setColor(clBlack);
        canvas.setOrigin(10, 20);
        canvas.IntersectClipRect(0, 0, 5, 5); // device 10..14, 20..24
        EXPECT_EQ(canvas.clipRegion().boundingRect(), QRect(0, 0, 5, 5));
        canvas.FillRect(-10, -10, 30, 30);
        canvas.setOrigin(0, 0); // the clip stays where it is on the device
        canvas.FillRect(0, 0, 80, 60);
        canvas.RemoveClip();
        canvas.setOrigin(50, 50);
        canvas.MoveTo(0, 0);
        canvas.LineTo(3, 0);
    }
    EXPECT_TRUE(pixelsMatch(image, [](int x, int y) {
        return inside(x, y, 10, 20, 14, 24) || (y == 50 && x >= 50 && x <= 52);
    }));
}

TEST(Canvas, HatchBrushesLeaveTheGapsAlone)
{
    QImage image = whiteImage(32, 32);
    {
        Canvas canvas(&image);
        canvas.Brush()->setColor(clBlue);
        canvas.Brush()->setStyle(bsCross);
        canvas.FillRect(0, 0, 32, 32);
    }
    const int inked = inkedCount(image, image.rect());
    EXPECT_GT(inked, 32);
    EXPECT_LT(inked, 32 * 32 / 2);
}
