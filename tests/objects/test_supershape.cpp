// The SuperShape: what it stores, the outlines and shadows it computes,
// its gradient and texture surfaces on screen, and what reaches paper.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/GradientFill.h"
#include "objects/TSuperShape.h"
#include "persistence/ClassRegistry.h"
#include "report/TImageReport.h"
#include "surface/TGStickwellPanel32.h"

#include <QCoreApplication>
#include <QPainter>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;
using Box = TSuperShape::Box;

namespace {

// A 10 x 10 texture: a 1-pixel black frame around green, so that tile
// edges are easy to find.
QImage framedTile(int size = 10)
{
    QImage tile(size, size, QImage::Format_RGB32);
    tile.fill(QColor(0, 200, 0));
    QPainter p(&tile);
    p.setPen(Qt::black);
    p.drawRect(0, 0, size - 1, size - 1);
    return tile;
}

struct ScreenAt96 : ::testing::Test
{
    void SetUp() override { ScreenInfo::overridePixelsPerInch(96); }
    void TearDown() override { ScreenInfo::overridePixelsPerInch(0); }
};

} // namespace

TEST(SuperShape, NewShapeIsAFivePointedGradientStar)
{
    TSuperShape s;
    EXPECT_EQ(s.BoundsRect(), QRect(0, 0, 25, 25));
    EXPECT_EQ(s.Shape(), TSuperShape::gstStar);
    EXPECT_EQ(s.Vectors(), 10);
    EXPECT_EQ(s.InVectorPercent(), 50);
    EXPECT_EQ(s.StartingAngle(), 90);
    EXPECT_EQ(s.SurfaceType(), TSuperShape::stGradientFill);
    EXPECT_EQ(s.FillDirection(), GradientFill::gdUp);
    EXPECT_EQ(s.BackColor(), clRed);
    EXPECT_EQ(s.GradientToColor(), clBlue);
    EXPECT_EQ(s.ShadowOrient(), TSuperShape::soNone);
    EXPECT_EQ(s.ShadowDepth(), 5);
    EXPECT_EQ(s.OutlineStyle(), psSolid);
    EXPECT_EQ(s.OutlineWidth(), 1);
    EXPECT_EQ(s.Pattern(), bsClear);
    EXPECT_EQ(s.RoundPerc(), 25);
    EXPECT_TRUE(s.Image()->isEmpty());

    // Red at the bottom, blue at the top.
    s.SetBounds(0, 0, 256, 256);
    const QImage &g = s.GradientBitmap();
    EXPECT_EQ(g.pixel(50, 0), qRgb(0, 0, 255));
    EXPECT_EQ(g.pixel(50, 255), qRgb(255, 0, 0));
}

TEST(SuperShape, StreamRoundTripIsByteForByteWithATexture)
{
    RegisterClass<TSuperShape>();
    TSuperShape s;
    s.SetBounds(7, 8, 120, 90);
    s.SetShape(TSuperShape::gstRectangle);
    s.SetSurfaceType(TSuperShape::stBrushImage);
    s.SetImage(framedTile(12));
    s.SetBackColor(clYellow);
    s.SetFillDirection(GradientFill::gdRight);
    s.SetShadowOrient(TSuperShape::soUpperLeft);
    s.SetShadowDepth(7);
    s.SetOutlineStyle(psDashDot);
    s.SetLastBitmapFileNameandPath(QStringLiteral("/tmp/Wood.bmp"));

    const QByteArray first = write(&s);
    // Every property is written, the name with its length byte.
    for (const char *name : {"\x09" "BackColor", "\x05Shape", "\x07Vectors", "\x09RoundPerc", "\x0AImage.Data",
                             "\x0DStartingAngle"})
        EXPECT_TRUE(first.contains(name)) << name;
    // The texture sits fifth, between GradientToColor and InVectorPercent.
    EXPECT_LT(first.indexOf("GradientToColor"), first.indexOf("Image.Data"));
    EXPECT_LT(first.indexOf("Image.Data"), first.indexOf("InVectorPercent"));

    FakePanelHost host;
    TSuperShape *back = readBack<TSuperShape>(&host, first);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Shape(), TSuperShape::gstRectangle);
    EXPECT_EQ(back->SurfaceType(), TSuperShape::stBrushImage);
    EXPECT_EQ(back->Image()->image().size(), QSize(12, 12));
    EXPECT_EQ(back->Image()->image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(back->ShadowDepth(), 7);
    EXPECT_EQ(back->LastBitmapFileNameandPath(), QStringLiteral("/tmp/Wood.bmp"));
    EXPECT_EQ(write(back), first);

    // Without a texture nothing of it is written, nor an empty file name.
    TSuperShape plain;
    const QByteArray data = write(&plain);
    EXPECT_FALSE(data.contains("Image"));
    EXPECT_FALSE(data.contains("LastBitmap"));
}

TEST(SuperShape, StarAndPolygonVertices)
{
    TSuperShape s;
    s.SetBounds(0, 0, 100, 100);
    const Box r = s.ShapeRect();
    EXPECT_EQ(r, (Box{0, 0, 100, 100}));
    const QVector<QPoint> star = s.OutlinePoints(r);
    ASSERT_EQ(star.size(), 10);
    EXPECT_EQ(star[0], QPoint(50, 4)); // radius 46, first point straight up
    // Inner vertices at half the radius: 23 from the centre.
    EXPECT_EQ(star[5], QPoint(50, 73));
    EXPECT_EQ(star[1], QPoint(50 + qRound(std::cos(-54 * M_PI / 180) * 23),
                              50 + qRound(std::sin(-54 * M_PI / 180) * 23)));

    s.SetShape(TSuperShape::gstPolyGon);
    s.SetVectors(4);
    const QVector<QPoint> square = s.OutlinePoints(r);
    EXPECT_EQ(square, (QVector<QPoint>{{50, 4}, {96, 50}, {50, 96}, {4, 50}}));
}

TEST(SuperShape, DiamondAndTrianglePoints)
{
    TSuperShape s;
    const Box b{2, 3, 42, 23}; // w 40, v 20
    const struct { TSuperShape::TGPShapeType shape; QVector<QPoint> points; } cases[] = {
        {TSuperShape::gstDiamond, {{22, 3}, {41, 13}, {22, 22}, {2, 13}}},
        {TSuperShape::gstTriangleLeft, {{41, 3}, {41, 22}, {2, 13}}},
        {TSuperShape::gstTriangleRight, {{2, 3}, {41, 13}, {2, 22}}},
        {TSuperShape::gstTriangleUp, {{22, 3}, {2, 22}, {41, 22}}},
        {TSuperShape::gstTriangleDown, {{2, 3}, {22, 22}, {41, 3}}},
    };
    for (const auto &c : cases) {
        s.SetShape(c.shape);
        EXPECT_EQ(s.OutlinePoints(b), c.points) << c.shape;
        EXPECT_TRUE(s.IsPolygonShape());
    }
    s.SetShape(TSuperShape::gstEllipse);
    EXPECT_TRUE(s.OutlinePoints(b).isEmpty());
}

TEST(SuperShape, ShadowRectangles)
{
    TSuperShape s;
    s.SetShape(TSuperShape::gstRectangle);
    s.SetBounds(0, 0, 60, 40);
    Box h;
    EXPECT_FALSE(s.ShadowRect(&h));
    s.SetShadowOrient(TSuperShape::soLowerRight);
    EXPECT_EQ(s.ShapeRect(), (Box{0, 0, 55, 35}));
    ASSERT_TRUE(s.ShadowRect(&h));
    EXPECT_EQ(h, (Box{5, 5, 60, 40}));
    s.SetShadowOrient(TSuperShape::soUpperLeft);
    EXPECT_EQ(s.ShapeRect(), (Box{5, 5, 60, 40}));
    s.ShadowRect(&h);
    EXPECT_EQ(h, (Box{0, 0, 55, 35}));

    // A diamond's shadow moves sideways only; the diamond keeps its height.
    s.SetShape(TSuperShape::gstDiamond);
    s.SetShadowOrient(TSuperShape::soLowerRight);
    EXPECT_EQ(s.ShapeRect(), (Box{0, 0, 55, 40}));
    s.ShadowRect(&h);
    EXPECT_EQ(h, (Box{5, 0, 60, 40}));

    // At half size the offset is truncated: 5 x 0.5 = 2.
    s.setScaleFactorDirect(0.5f);
    EXPECT_EQ(s.ScaledShadowDepth(), 2);
    s.setScaleFactorDirect(1.0f);

    // A wide outline: h = 1, X2 = 60 - 3 + 1.
    s.SetShape(TSuperShape::gstRectangle);
    s.SetShadowOrient(TSuperShape::soNone);
    s.SetOutlineWidth(3);
    EXPECT_EQ(s.ShapeRect(), (Box{1, 1, 58, 38}));
}

TEST(SuperShape, SettersRefuseOutOfRangeValues)
{
    TSuperShape s;
    s.SetBounds(0, 0, 15, 60);
    s.SetShadowDepth(10); // more than 15 div 2
    EXPECT_EQ(s.ShadowDepth(), 5);
    s.SetShadowDepth(7);
    EXPECT_EQ(s.ShadowDepth(), 7);
    s.SetVectors(2);
    s.SetVectors(61);
    EXPECT_EQ(s.Vectors(), 10);
    s.SetStartingAngle(360);
    s.SetInVectorPercent(101);
    EXPECT_EQ(s.StartingAngle(), 90);
    EXPECT_EQ(s.InVectorPercent(), 50);
    s.SetShadowOrient(static_cast<TSuperShape::TShadowOrient>(5));
    EXPECT_EQ(s.ShadowOrient(), TSuperShape::soNone);

    // Back to the star restores its proportions.
    s.SetShape(TSuperShape::gstPolyGon);
    s.SetVectors(6);
    s.SetInVectorPercent(0);
    s.SetStartingAngle(30);
    s.SetShape(TSuperShape::gstStar);
    EXPECT_EQ(s.Vectors(), 10);
    EXPECT_EQ(s.InVectorPercent(), 50);
    EXPECT_EQ(s.StartingAngle(), 90);
}

TEST(SuperShape, SurfaceChangesDropTextureShadowAndClearOutline)
{
    TSuperShape s;
    s.SetBounds(0, 0, 60, 60);
    s.SetSurfaceType(TSuperShape::stBrushImage);
    s.SetImage(framedTile());
    s.SetSurfaceType(TSuperShape::stGradientFill);
    EXPECT_TRUE(s.Image()->isEmpty());

    s.SetShadowOrient(TSuperShape::soUpperRight);
    s.SetOutlineStyle(psClear);
    s.SetPattern(bsCross);
    s.SetSurfaceType(TSuperShape::stBrushTransparent);
    EXPECT_EQ(s.ShadowOrient(), TSuperShape::soNone);
    EXPECT_EQ(s.OutlineStyle(), psSolid);
    EXPECT_EQ(s.Pattern(), bsClear);
}

TEST(SuperShape, CopyShapeFromTakesLookAndSize)
{
    TSuperShape a;
    a.SetBounds(5, 5, 80, 50);
    a.SetShape(TSuperShape::gstEllipse);
    a.SetSurfaceType(TSuperShape::stBrushImage);
    a.SetImage(framedTile());
    a.SetShadowOrient(TSuperShape::soLowerLeft);
    a.SetShadowColor(clGray);
    TSuperShape b;
    b.SetBounds(0, 0, 96, 96);
    b.CopyShapeFrom(a);
    EXPECT_EQ(b.Shape(), TSuperShape::gstEllipse);
    EXPECT_EQ(b.SurfaceType(), TSuperShape::stBrushImage);
    EXPECT_EQ(b.Image()->image(), a.Image()->image());
    EXPECT_EQ(b.ShadowOrient(), TSuperShape::soLowerLeft);
    EXPECT_EQ(b.ShadowColor(), clGray);
    EXPECT_EQ(b.Width(), 80);
    EXPECT_EQ(b.Height(), 50);
}

TEST(SuperShape, GradientEndsAndMiddleForEachDirection)
{
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    const QRgb middle = GradientFill::bandColor(128, red, blue); // from red
    EXPECT_EQ(middle, qRgb(255 - 128, 0, 128));
    // Over 256 pixels band n is pixel row (or column) n.
    struct Case { GradientFill::TFillDirection dir; bool across; QRgb firstColor, lastColor; };
    const Case cases[] = {
        {GradientFill::gdUp, false, blue, red},
        {GradientFill::gdDown, false, red, blue},
        {GradientFill::gdLeft, true, blue, red},
        {GradientFill::gdRight, true, red, blue},
    };
    for (const Case &c : cases) {
        const QImage g = GradientFill::render(c.dir, clRed, clBlue, 256, 256);
        auto at = [&](int n) { return c.across ? g.pixel(n, 17) : g.pixel(17, n); };
        EXPECT_EQ(at(0), c.firstColor) << c.dir;
        EXPECT_EQ(at(255), c.lastColor) << c.dir;
        EXPECT_EQ(at(128), GradientFill::bandColor(128, c.firstColor, c.lastColor)) << c.dir;
    }
    // Over 300 pixels the bands are 1 or 2 pixels high and cover it all.
    int covered = 0;
    for (int n = 0; n < 256; ++n) {
        const QRect band = GradientFill::bandRect(n, GradientFill::gdDown, 10, 300);
        EXPECT_GE(band.height(), 1);
        EXPECT_LE(band.height(), 2);
        covered += band.height();
    }
    EXPECT_EQ(covered, 300);
}

TEST(SuperShape, GradientFollowsTheBounds)
{
    TSuperShape s;
    s.SetBounds(0, 0, 40, 40);
    EXPECT_EQ(s.GradientBitmap().size(), QSize(40, 40));
    s.SetBounds(0, 0, 70, 30);
    EXPECT_EQ(s.GradientBitmap().size(), QSize(70, 30));
    s.SetGradientToColor(clLime);
    // gdUp: the top rows hold the "to" colour (band 1 over band 0).
    EXPECT_GT(qGreen(s.GradientBitmap().pixel(5, 0)), 250);
}

TEST(SuperShape, TextureTilesFromTheCornerAndScales)
{
    TSuperShape s;
    s.SetShape(TSuperShape::gstRectangle);
    s.SetOutlineStyle(psClear);
    s.SetSurfaceType(TSuperShape::stBrushImage);
    s.SetImage(framedTile());
    s.SetBounds(0, 0, 35, 25);
    const QImage image = paint(s);
    // Frames at 0, 10, 20, 30 across and 0, 10, 20 down.
    for (int x : {0, 9, 10, 19, 20, 30})
        EXPECT_EQ(image.pixel(x, 5), qRgb(0, 0, 0)) << x;
    for (int x : {1, 8, 11, 21})
        EXPECT_EQ(image.pixel(x, 5), qRgb(0, 200, 0)) << x;
    EXPECT_EQ(image.pixel(5, 20), qRgb(0, 0, 0));

    // At half size the tiles are 5 pixels.
    s.setScaleFactorDirect(0.5f);
    EXPECT_EQ(s.ScreenTileSize(s.Image()->image()), QSize(5, 5));
    // A tile scaled to nothing still tiles, one pixel at a time.
    s.setScaleFactorDirect(0.05f);
    EXPECT_EQ(s.ScreenTileSize(s.Image()->image()), QSize(1, 1));
}

TEST(SuperShape, ShadowAndOutlineOnScreen)
{
    TSuperShape s;
    s.SetShape(TSuperShape::gstRectangle);
    s.SetSurfaceType(TSuperShape::stBrushPattern);
    s.SetBackColor(clYellow);
    s.SetBounds(0, 0, 60, 40);
    s.SetShadowOrient(TSuperShape::soLowerRight);
    s.SetShadowColor(clGray);
    const QImage image = paint(s);
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 0)); // the surface
    EXPECT_EQ(image.pixel(0, 20), qRgb(0, 0, 0));      // the outline
    EXPECT_EQ(image.pixel(57, 30), qRgb(128, 128, 128)); // the shadow
    EXPECT_EQ(image.pixel(2, 38), qRgb(255, 255, 255)); // clear of both
}

TEST_F(ScreenAt96, PrintedSurfaceLandsWhereTheInchesSay)
{
    TSuperShape s;
    s.SetShape(TSuperShape::gstRectangle);
    s.SetSurfaceType(TSuperShape::stBrushPattern);
    s.SetBackColor(clBlue);
    s.SetOutlineStyle(psClear);
    s.SetBounds(96, 48, 96, 48); // 1 x 0.5 inch at (1, 0.5) inch
    TImageReport report(300, 300);
    report.BeginDoc();
    s.PrintTo(report, 1.0, 1.0);
    report.EndDoc();
    const QImage page = report.PageImage(0);
    // The label corner at (1, 1) inch: the shape from (2, 1.5) to (3, 2).
    EXPECT_EQ(page.pixel(610, 460), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(890, 590), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(590, 460), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(910, 590), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(700, 440), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(700, 610), qRgb(255, 255, 255));
}

TEST_F(ScreenAt96, PrintedGradientStarIsClippedToTheStar)
{
    TSuperShape s;
    s.SetBounds(0, 0, 96, 96);
    s.SetOutlineStyle(psClear);
    TImageReport report(300, 300);
    report.BeginDoc();
    s.PrintTo(report, 1.0, 1.0);
    report.EndDoc();
    const QImage page = report.PageImage(0);
    // The centre (1.5, 1.5) inch is inside, mid-way from red to blue.
    const QRgb centre = page.pixel(450, 450);
    EXPECT_GT(qRed(centre), 90);
    EXPECT_GT(qBlue(centre), 90);
    // A corner of the bounds is outside the star and stays white.
    EXPECT_EQ(page.pixel(305, 305), qRgb(255, 255, 255));
    // The star's bottom points are red, its top point blue.
    EXPECT_GT(qBlue(page.pixel(450, 330)), 200);
}

TEST_F(ScreenAt96, PanelShowsTheThreeKindsOfSurface)
{
    RegisterClass<TSuperShape>();
    TGStickwellPanel32 panel;
    panel.setSize(330, 130);
    auto *star = new TSuperShape;
    star->Loaded();
    panel.PlaceObject(star, QRect(10, 10, 100, 100));
    auto *diamond = new TSuperShape;
    diamond->Loaded();
    panel.PlaceObject(diamond, QRect(120, 10, 90, 100));
    diamond->SetShape(TSuperShape::gstDiamond);
    diamond->SetSurfaceType(TSuperShape::stBrushImage);
    // A texture shipped beside the program, when the tests run from there.
    QImage texture(QCoreApplication::applicationDirPath() + QStringLiteral("/textures/Wood.bmp"));
    auto *ellipse = new TSuperShape;
    ellipse->Loaded();
    panel.PlaceObject(ellipse, QRect(220, 20, 100, 80));
    ellipse->SetShape(TSuperShape::gstEllipse);
    ellipse->SetSurfaceType(TSuperShape::stBrushPattern);
    ellipse->SetBackColor(clAqua);
    ellipse->SetShadowOrient(TSuperShape::soLowerRight);
    ellipse->SetShadowColor(clGray);
    diamond->SetImage(texture.isNull() ? framedTile() : texture);

    const QImage image = panel.render();
    if (!qEnvironmentVariableIsEmpty("SW_RENDER_OUT"))
        image.save(qEnvironmentVariable("SW_RENDER_OUT"));
    // Star: blue near its top point, red near the bottom.
    EXPECT_GT(qBlue(image.pixel(60, 22)), 200);
    EXPECT_GT(qRed(image.pixel(60, 80)), 150);
    // Diamond: textured at its centre, blank in its corners.
    EXPECT_NE(image.pixel(165, 60), qRgb(255, 255, 255));
    // Ellipse: aqua inside, the grey shadow at the lower right.
    EXPECT_EQ(image.pixel(265, 55), qRgb(0, 255, 255));
    EXPECT_EQ(image.pixel(300, 90), qRgb(128, 128, 128));
}
