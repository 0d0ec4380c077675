// The metafile player drawing record-level pictures onto images: reference
// pixels worked out by hand for a hatched rectangle, turned text, a clipped
// ellipse and stretched bitmaps; the coordinate mappings; pens, text,
// saved states and the object table; raster operations on images and the
// mask idioms kept on devices without them; and the sizes headers give.
#include "MetafileWriter.h"

#include "metafile/GdiRenderer.h"
#include "metafile/MetafilePlayer.h"

#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <functional>

using namespace sw;
using namespace sw::test;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Black = qRgb(0, 0, 0);

// 80 x 80 units at 96 to the inch: a unit is a pixel at the picture's own
// size.
WmfWriter square()
{
    return WmfWriter(QRect(0, 0, 80, 80), 96);
}

QImage draw(const QByteArray &bytes, const QSize &size = QSize(80, 80))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    EXPECT_TRUE(MetafilePlayer::draw(&painter, QRectF(QPointF(0, 0), size), bytes));
    return image;
}

// Drawn through a recording, whose paint engine has no raster operations
// (as a PDF's has none), then replayed onto an image.
QImage drawRecorded(const QByteArray &bytes, const QSize &size = QSize(80, 80))
{
    QPicture picture;
    {
        QPainter painter(&picture);
        MetafilePlayer::draw(&painter, QRectF(QPointF(0, 0), size), bytes);
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    painter.drawPicture(0, 0, picture);
    return image;
}

QRect inkBounds(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != White)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool dark(QRgb c)
{
    return qGray(c) < 128;
}

QImage twoByTwo(QRgb a, QRgb b, QRgb c, QRgb d)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, a);
    image.setPixel(1, 0, b);
    image.setPixel(0, 1, c);
    image.setPixel(1, 1, d);
    return image;
}

enum { PS_NULL = 5, BS_SOLID = 0, BS_HATCHED = 2, HS_VERTICAL = 1 };

} // namespace

// ---- reference pictures -------------------------------------------------------------

TEST(MetafileReference, HatchedRectangleTilesEightPixelHatchFromThePictureCorner)
{
    WmfWriter w = square();
    w.createBrush(BS_HATCHED, Blue, HS_VERTICAL).selectObject(0).createPen(PS_NULL, 0, 0).selectObject(1);
    w.setBkMode(1).rectangle(8, 8, 72, 72);
    const QImage transparent = draw(w.bytes());
    // Vertical lines on columns 8, 16, ... 64 inside x 8..71, y 8..71.
    for (int x : {8, 16, 32, 64})
        EXPECT_EQ(transparent.pixel(x, 40), Blue) << x;
    EXPECT_EQ(transparent.pixel(17, 40), White); // a transparent gap
    EXPECT_EQ(transparent.pixel(16, 7), White);  // above the rectangle
    EXPECT_EQ(transparent.pixel(72, 40), White); // the right edge is not filled
    EXPECT_EQ(transparent.pixel(4, 40), White);

    WmfWriter opaque = square();
    opaque.createBrush(BS_HATCHED, Blue, HS_VERTICAL).selectObject(0).createPen(PS_NULL, 0, 0).selectObject(1);
    opaque.setBkMode(2).setBkColor(Yellow).rectangle(8, 8, 72, 72);
    const QImage filled = draw(opaque.bytes());
    EXPECT_EQ(filled.pixel(16, 40), Blue);
    EXPECT_EQ(filled.pixel(17, 40), Yellow); // gaps in the background colour
    EXPECT_EQ(filled.pixel(4, 40), White);

    // Twice the size: the hatch scales with the picture, lines 16 apart.
    const QImage doubled = draw(w.bytes(), QSize(160, 160));
    EXPECT_EQ(doubled.pixel(32, 80), Blue);
    EXPECT_EQ(doubled.pixel(33, 80), Blue);
    EXPECT_EQ(doubled.pixel(34, 80), White);
    EXPECT_EQ(doubled.pixel(48, 80), Blue);
}

TEST(MetafileReference, EscapementTurnsTextCounterClockwiseAboutItsReferencePoint)
{
    auto text = [](int escapement) {
        WmfWriter w = square();
        FontSpec font;
        font.height = -20;
        font.escapement = escapement;
        w.createFont(font).selectObject(0).setBkMode(1).setTextAlign(24 /* baseline */).textOut(30, 70, "EEEE");
        return draw(w.bytes());
    };
    const QRect flat = inkBounds(text(0));
    const QRect turned = inkBounds(text(900));
    // Upright: the word runs right from x 30 with its baseline on y 70.
    EXPECT_GE(flat.left(), 30);
    EXPECT_LE(flat.left(), 33);
    EXPECT_EQ(flat.bottom(), 69);
    EXPECT_GT(flat.width(), 2 * flat.height());
    // A quarter turn: it runs up from y 70 with the baseline on x 30 and
    // the letters' tops towards the left.
    EXPECT_GE(turned.bottom(), 66);
    EXPECT_LE(turned.bottom(), 70);
    EXPECT_EQ(turned.right(), 29);
    EXPECT_GE(turned.left(), 30 - 16);
    EXPECT_GT(turned.height(), 2 * turned.width());
    EXPECT_EQ(turned.height(), flat.width());
    EXPECT_EQ(turned.width(), flat.height());
}

TEST(MetafileReference, ClipRectanglesCutAnEllipse)
{
    WmfWriter w = square();
    w.createBrush(BS_SOLID, Red).selectObject(0).createPen(PS_NULL, 0, 0).selectObject(1);
    w.intersectClipRect(40, 0, 80, 80).excludeClipRect(50, 30, 70, 50).ellipse(0, 0, 80, 80);
    const QImage image = draw(w.bytes());
    EXPECT_EQ(image.pixel(20, 40), White); // left of the clip
    EXPECT_EQ(image.pixel(39, 40), White);
    EXPECT_EQ(image.pixel(40, 40), Red);
    EXPECT_EQ(image.pixel(45, 40), Red);
    EXPECT_EQ(image.pixel(60, 40), White); // the excluded hole
    EXPECT_EQ(image.pixel(60, 20), Red);
    EXPECT_EQ(image.pixel(60, 60), Red);
    EXPECT_EQ(image.pixel(76, 76), White); // outside the ellipse
}

TEST(MetafileReference, BitmapsStretchIntoTheirRectangles)
{
    const QByteArray dib = packedDib(twoByTwo(Red, qRgb(0, 160, 0), Blue, Yellow));
    WmfWriter w = square();
    w.stretchDib(0x00CC0020, dib, QRect(0, 0, 2, 2), QRect(10, 10, 60, 60));
    const QImage image = draw(w.bytes());
    EXPECT_EQ(image.pixel(9, 9), White);
    EXPECT_EQ(image.pixel(10, 10), Red);
    EXPECT_EQ(image.pixel(39, 39), Red);
    EXPECT_EQ(image.pixel(40, 10), qRgb(0, 160, 0));
    EXPECT_EQ(image.pixel(10, 40), Blue);
    EXPECT_EQ(image.pixel(69, 69), Yellow);
    EXPECT_EQ(image.pixel(70, 70), White);

    // A source of one pixel: counted from the bottom row for this record,
    // so (0, 0) of a bottom-up bitmap is its lower left pixel.
    EmfWriter e(QRect(0, 0, 2117, 2117), 96); // 80 pixels
    e.stretchDIBits(0x00CC0020, dib, QRect(0, 0, 1, 1), QRect(20, 20, 40, 40));
    const QImage part = draw(e.bytes());
    EXPECT_EQ(part.pixel(20, 20), Blue);
    EXPECT_EQ(part.pixel(59, 59), Blue);
    EXPECT_EQ(part.pixel(60, 60), White);

    // A run-length encoded bitmap, mirrored by a negative destination width.
    WmfWriter rle = square();
    rle.stretchDib(0x00CC0020, rle8Dib(), QRect(0, 0, 4, 2), QRect(80, 0, -80, 80));
    const QImage runs = draw(rle.bytes());
    EXPECT_EQ(runs.pixel(75, 20), Red);  // the top row's first pixel, now on the right
    EXPECT_EQ(runs.pixel(5, 20), Blue);  // its last pixel
    EXPECT_EQ(runs.pixel(40, 60), Blue); // the bottom row
}

// ---- coordinates -------------------------------------------------------------------------

TEST(MetafileMapping, MapModesWindowsViewportsAndWorldTransform)
{
    struct Case
    {
        const char *name;
        std::function<void(EmfWriter &)> setUp;
        QRect drawn; // logical
        QRect expected;
    };
    const std::vector<Case> cases = {
        {"text", [](EmfWriter &) {}, QRect(10, 10, 20, 20), QRect(10, 10, 20, 20)},
        // 0.1 mm, y up from a viewport origin at the bottom: 127 units = 12.7 mm = 48 px.
        {"lometric", [](EmfWriter &e) { e.setMapMode(2).setViewportOrg(0, 96); }, QRect(0, 0, 127, 127),
         QRect(0, 48, 48, 48)},
        // 0.001 inch: 250 units = 24 px.
        {"hienglish", [](EmfWriter &e) { e.setMapMode(5); }, QRect(250, -500, 250, 250), QRect(24, 24, 24, 24)},
        // 1440 to the inch.
        {"twips", [](EmfWriter &e) { e.setMapMode(6); }, QRect(720, -1440, 720, 720), QRect(48, 48, 48, 48)},
        {"anisotropic",
         [](EmfWriter &e) { e.setMapMode(8).setWindowExt(200, 100).setViewportExt(96, 96); },
         QRect(50, 25, 100, 50), QRect(24, 24, 48, 48)},
        // Isotropic keeps units square: the smaller scale, 0.48, both ways.
        {"isotropic",
         [](EmfWriter &e) { e.setMapMode(7).setWindowExt(200, 100).setViewportExt(96, 96); },
         QRect(50, 25, 100, 50), QRect(24, 12, 48, 24)},
        {"window origin", [](EmfWriter &e) { e.setMapMode(8).setWindowOrg(100, 100).setWindowExt(96, 96).setViewportExt(96, 96); },
         QRect(110, 110, 20, 20), QRect(10, 10, 20, 20)},
        {"world", [](EmfWriter &e) { e.worldTransform({2, 0, 0, 2, 10, 10}); }, QRect(0, 0, 10, 10), QRect(10, 10, 20, 20)},
        {"world modified",
         [](EmfWriter &e) { e.worldTransform({2, 0, 0, 2, 0, 0}).worldTransform({1, 0, 0, 1, 5, 5}, 2); },
         QRect(0, 0, 10, 10), QRect(10, 10, 20, 20)},
    };
    for (const Case &c : cases) {
        EmfWriter e(QRect(0, 0, 2540, 2540), 96); // 96 x 96 pixels
        e.createBrush(1, BS_SOLID, Red).selectObject(1).selectObject(0x80000008); // no pen
        c.setUp(e);
        e.rectangle(c.drawn.left(), c.drawn.top(), c.drawn.left() + c.drawn.width(), c.drawn.top() + c.drawn.height());
        EXPECT_EQ(inkBounds(draw(e.bytes(), QSize(96, 96))), c.expected) << c.name;
    }
}

TEST(MetafileMapping, PictureStretchesIntoAnyRectangleOfThePainter)
{
    WmfWriter w = square();
    w.createBrush(BS_SOLID, Red).selectObject(0).createPen(PS_NULL, 0, 0).selectObject(1).rectangle(0, 0, 40, 40);
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    painter.translate(20, 10);
    MetafilePlayer::draw(&painter, QRectF(0, 0, 160, 80), w.bytes());
    painter.end();
    // The top-left quarter of the picture: 80 x 40 from (20, 10).
    EXPECT_EQ(inkBounds(image), QRect(20, 10, 80, 40));
}

// ---- pens, text, state ------------------------------------------------------------------------

TEST(MetafilePens, StylesWidthsAndThinLines)
{
    auto line = [](int style, int width, const QSize &size = QSize(80, 80)) {
        WmfWriter w = square();
        w.createPen(style, width, 0).selectObject(0).setBkMode(1).moveTo(0, 40).lineTo(80, 40);
        return draw(w.bytes(), size);
    };
    const QImage dashed = line(1, 0);
    EXPECT_TRUE(dark(dashed.pixel(5, 40)));   // dash 0..17
    EXPECT_EQ(dashed.pixel(20, 40), White);   // gap 18..23
    EXPECT_TRUE(dark(dashed.pixel(30, 40)));  // next dash
    EXPECT_EQ(dashed.pixel(5, 39), White);    // one pixel thin
    EXPECT_EQ(dashed.pixel(5, 41), White);

    EXPECT_TRUE(inkBounds(line(5, 0)).isNull()); // the null pen

    const QImage wide = line(0, 6);
    EXPECT_TRUE(dark(wide.pixel(40, 38)));
    EXPECT_TRUE(dark(wide.pixel(40, 43)));
    EXPECT_EQ(wide.pixel(40, 36), White);
    EXPECT_EQ(wide.pixel(40, 45), White);

    // The thinnest line grows with the picture: two pixels at twice the size.
    const QImage doubled = line(0, 0, QSize(160, 160));
    EXPECT_TRUE(dark(doubled.pixel(80, 80)));
    EXPECT_TRUE(dark(doubled.pixel(80, 81)));
    EXPECT_EQ(doubled.pixel(80, 79), White);
    EXPECT_EQ(doubled.pixel(80, 82), White);

    // An inside-frame outline stays within the figure.
    auto framed = [](int style) {
        WmfWriter w = square();
        w.createPen(style, 10, 0).selectObject(0).createBrush(1, 0, 0).selectObject(1).rectangle(10, 10, 70, 70);
        return draw(w.bytes());
    };
    EXPECT_EQ(framed(6).pixel(8, 40), White);
    EXPECT_TRUE(dark(framed(6).pixel(13, 40)));
    EXPECT_TRUE(dark(framed(0).pixel(8, 40)));
}

TEST(MetafileText, AlignmentSpacingBackgroundAndCharacterSets)
{
    auto text = [](int align, int x, const QByteArray &s, const QVector<int> &dx = {}) {
        WmfWriter w = square();
        FontSpec font;
        font.height = -16;
        w.createFont(font).selectObject(0).setBkMode(1).setTextAlign(align);
        w.extTextOut(x, 50, 0, QRect(), s, dx);
        return inkBounds(draw(w.bytes()));
    };
    const QRect right = text(2 | 24, 70, "HH");
    EXPECT_LE(right.right(), 69);
    EXPECT_GE(right.right(), 64);
    const QRect centre = text(6 | 24, 40, "HH");
    EXPECT_NEAR(centre.center().x(), 40, 2);
    const QRect left = text(24, 10, "HH");
    EXPECT_GE(left.left(), 10);
    EXPECT_LE(left.left(), 13);
    EXPECT_EQ(left.bottom(), 49); // on the baseline
    const QRect top = text(0, 10, "HH");
    EXPECT_GE(top.top(), 50);     // hanging from the reference point
    // The spacing array puts the second letter 50 units after the first.
    const QRect spread = text(24, 10, "II", {50, 10});
    EXPECT_GE(spread.width(), 50);
    EXPECT_LE(spread.width(), 56);

    // An opaque background fills the text's cell; an opaque rectangle
    // fills the rectangle.
    WmfWriter w = square();
    FontSpec font;
    font.height = -16;
    w.createFont(font).selectObject(0).setBkMode(2).setBkColor(Yellow).textOut(10, 10, "a");
    w.extTextOut(40, 40, 2 /* opaque */, QRect(40, 40, 30, 30), "");
    const QImage backgrounds = draw(w.bytes());
    EXPECT_EQ(backgrounds.pixel(11, 11), Yellow);
    EXPECT_EQ(backgrounds.pixel(69, 69), Yellow);
    EXPECT_EQ(backgrounds.pixel(39, 69), White);

    // 8-bit text is read in the font's character set.
    QImage image(8, 8, QImage::Format_RGB32);
    QPainter painter(&image);
    GdiRenderer renderer(&painter, QRectF(0, 0, 8, 8), QRectF(0, 0, 8, 8), 96, 96);
    EXPECT_EQ(renderer.decodeText("\x80"), QString(QChar(0x20AC))); // ANSI: the euro sign
    renderer.dc().font.charSet = 204;
    EXPECT_EQ(renderer.decodeText("\xC4"), QString(QChar(0x0414))); // Cyrillic
    renderer.dc().font.charSet = 238;
    EXPECT_EQ(renderer.decodeText("\x8A"), QString(QChar(0x0160))); // Central European
    renderer.dc().font.charSet = 2;
    EXPECT_EQ(renderer.decodeText("\xB0"), QString(QChar(0xB0))); // symbol fonts keep their codes
}

TEST(MetafileState, SavedStatesAndTheObjectTable)
{
    WmfWriter w = square();
    w.createBrush(BS_SOLID, Red).createBrush(BS_SOLID, Blue).createPen(PS_NULL, 0, 0).selectObject(2);
    // A saved state brings back the red brush and drops the clip.
    w.selectObject(0).saveDC().selectObject(1).intersectClipRect(0, 0, 5, 5).restoreDC(-1);
    w.rectangle(0, 0, 20, 20);
    // The red brush deleted, a yellow one takes its slot 0.
    w.deleteObject(0).createBrush(BS_SOLID, Yellow).selectObject(0).rectangle(20, 0, 40, 20);
    // Nested saves, restored to the first by its number.
    w.saveDC().selectObject(1).saveDC().createBrush(BS_SOLID, Black).selectObject(3).restoreDC(1);
    w.rectangle(40, 0, 60, 20);
    // Deleted and unknown objects change nothing.
    w.deleteObject(3).selectObject(3).selectObject(999).rectangle(60, 0, 80, 20);
    const QImage image = draw(w.bytes());
    EXPECT_EQ(image.pixel(10, 10), Red);
    EXPECT_EQ(image.pixel(1, 1), Red);
    EXPECT_EQ(image.pixel(30, 10), Yellow);
    EXPECT_EQ(image.pixel(50, 10), Yellow);
    EXPECT_EQ(image.pixel(70, 10), Yellow);
}

TEST(MetafileFigures, PiesChordsArcsAndFillModes)
{
    auto pie = [](int direction) {
        EmfWriter e(QRect(0, 0, 2117, 2117), 96);
        e.createBrush(1, BS_SOLID, Red).selectObject(1).selectObject(0x80000008).setArcDirection(direction);
        e.arcLike(47, QRect(0, 0, 80, 80), QPoint(80, 40), QPoint(40, 0));
        return draw(e.bytes());
    };
    const QImage counter = pie(1);
    EXPECT_EQ(counter.pixel(60, 20), Red); // the upper right quarter
    EXPECT_EQ(counter.pixel(20, 20), White);
    EXPECT_EQ(counter.pixel(20, 60), White);
    EXPECT_EQ(counter.pixel(60, 60), White);
    const QImage clockwise = pie(2);
    EXPECT_EQ(clockwise.pixel(60, 20), White); // the other three quarters
    EXPECT_EQ(clockwise.pixel(20, 20), Red);
    EXPECT_EQ(clockwise.pixel(60, 60), Red);

    auto overlap = [](int mode) {
        WmfWriter w = square();
        w.createBrush(BS_SOLID, Red).selectObject(0).createPen(PS_NULL, 0, 0).selectObject(1).setPolyFillMode(mode);
        w.polyPolygon({{{0, 0}, {60, 0}, {60, 60}, {0, 60}}, {{20, 20}, {80, 20}, {80, 80}, {20, 80}}});
        return draw(w.bytes());
    };
    EXPECT_EQ(overlap(1).pixel(40, 40), White); // alternate: the overlap is outside
    EXPECT_EQ(overlap(2).pixel(40, 40), Red);   // winding: inside
    EXPECT_EQ(overlap(1).pixel(10, 10), Red);
}

TEST(MetafileFigures, PatternBrushesTileFromThePictureCorner)
{
    // An 8 x 8 bitmap, left half black (0 bits), right half white (1 bits).
    QImage halves(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            halves.setPixel(x, y, x < 4 ? Black : White);
    // A one-bit pattern takes the text colour for 0 and the background for 1.
    WmfWriter mono = square();
    mono.setTextColor(Red).setBkColor(Blue).createPatternBrush(halves).selectObject(0);
    mono.createPen(PS_NULL, 0, 0).selectObject(1).rectangle(0, 0, 80, 80);
    const QImage monoImage = draw(mono.bytes());
    EXPECT_EQ(monoImage.pixel(1, 1), Red);
    EXPECT_EQ(monoImage.pixel(5, 1), Blue);
    EXPECT_EQ(monoImage.pixel(41, 41), Red); // tiles every 8 pixels
    // A bitmap pattern keeps its own colours.
    WmfWriter dib = square();
    dib.setTextColor(Red).setBkColor(Blue).dibCreatePatternBrush(packedDib(halves)).selectObject(0);
    dib.createPen(PS_NULL, 0, 0).selectObject(1).rectangle(0, 0, 80, 80);
    const QImage dibImage = draw(dib.bytes());
    EXPECT_EQ(dibImage.pixel(1, 1), Black);
    EXPECT_EQ(dibImage.pixel(5, 1), White);
    EXPECT_EQ(dibImage.pixel(49, 1), Black);
}

// ---- raster operations ----------------------------------------------------------------------

TEST(MetafileRasterOps, OperationsOnImagesAndMaskIdiomsWithoutThem)
{
    const QByteArray mask = packedDib(twoByTwo(Black, White, White, Black));
    const QByteArray picture = packedDib(twoByTwo(Blue, Black, Black, Yellow));
    // Red ground, then the picture through its mask (AND, then OR).
    WmfWriter w = square();
    w.createBrush(BS_SOLID, Red).selectObject(0).createPen(PS_NULL, 0, 0).selectObject(1).rectangle(0, 0, 80, 80);
    w.dibStretchBlt(0x008800C6, mask, QRect(0, 0, 2, 2), QRect(0, 0, 80, 80));
    w.dibStretchBlt(0x00EE0086, picture, QRect(0, 0, 2, 2), QRect(0, 0, 80, 80));
    for (const QImage &image : {draw(w.bytes()), drawRecorded(w.bytes())}) {
        EXPECT_EQ(image.pixel(20, 20), Blue);
        EXPECT_EQ(image.pixel(60, 20), Red); // under the mask's white
        EXPECT_EQ(image.pixel(20, 60), Red);
        EXPECT_EQ(image.pixel(60, 60), Yellow);
    }

    // The page itself inverted, and a pen drawn twice by XOR: only on images.
    WmfWriter x = square();
    x.createBrush(BS_SOLID, Blue).selectObject(0).createPen(PS_NULL, 0, 0).selectObject(1);
    x.patBlt(QRect(0, 0, 40, 80), 0x00550009); // DSTINVERT
    x.setRop2(7).rectangle(40, 0, 80, 40).rectangle(40, 0, 80, 80);
    const QImage xored = draw(x.bytes());
    EXPECT_EQ(xored.pixel(20, 20), Black);       // white inverted
    EXPECT_EQ(xored.pixel(60, 20), White);       // blue XOR blue
    EXPECT_EQ(xored.pixel(60, 60), Yellow);      // white XOR blue
    EXPECT_EQ(drawRecorded(x.bytes()).pixel(20, 20), White); // no inverting without raster operations
}

// ---- headers ----------------------------------------------------------------------------------

TEST(MetafileHeader, KindsAndSizes)
{
    const MetafileInfo placeable = MetafilePlayer::inspect(sampleWmf());
    EXPECT_EQ(placeable.kind, MetafileInfo::PlaceableWmf);
    EXPECT_EQ(placeable.pixelSize(96), QSize(192, 144)); // 2880 x 2160 at 1440 to the inch
    EXPECT_EQ(placeable.pixelSize(120), QSize(240, 180));
    const MetafileInfo enhanced = MetafilePlayer::inspect(sampleEmf());
    EXPECT_EQ(enhanced.kind, MetafileInfo::Emf);
    EXPECT_EQ(enhanced.pixelSize(96), QSize(192, 144)); // 5080 x 3810 hundredths of a millimetre

    WmfWriter windowed;
    windowed.setWindowOrg(0, 0).setWindowExt(300, -150).rectangle(0, 0, 10, 10);
    const MetafileInfo plain = MetafilePlayer::inspect(windowed.bytes());
    EXPECT_EQ(plain.kind, MetafileInfo::PlainWmf);
    EXPECT_EQ(plain.pixelSize(96), QSize(300, 150));
    WmfWriter bare;
    bare.createPen(5, 0, 0).selectObject(0).rectangle(10, 20, 110, 70);
    EXPECT_EQ(MetafilePlayer::inspect(bare.bytes()).pixelSize(96), QSize(100, 50)); // what it draws

    EXPECT_FALSE(MetafilePlayer::inspect(packedDib(twoByTwo(Red, Red, Red, Red))).isMetafile());
    EXPECT_FALSE(MetafilePlayer::inspect(QByteArray()).isMetafile());
    // A placeable header before damage is still a (sizeless) metafile.
    const QByteArray damaged = sampleWmf().left(22) + QByteArray(10, '\x7f');
    EXPECT_EQ(MetafilePlayer::inspect(damaged).kind, MetafileInfo::PlaceableWmf);
    EXPECT_TRUE(MetafilePlayer::inspect(damaged).pixelSize(96).isEmpty());
}
