// The SuperText: what it stores, where its layout puts the text and the
// shadow, the letters' fills on screen at every zoom, and that paper and the
// preview show what the panel shows.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/LabelDialogs.h"
#include "objects/ScreenCanvas.h"
#include "objects/TGSuperText.h"
#include "persistence/ClassRegistry.h"
#include "platform/PropertyInfo.h"
#include "report/TFilePrinter.h"
#include "report/TImageReport.h"
#include "report/TReportFiler.h"

#include <QBuffer>
#include <QMap>
#include <QPainter>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;
using Box = TGSuperText::Box;

namespace {

struct ScreenAt96 : ::testing::Test
{
    ScreenResolution screen{96};
};

// Two strong colours in 6-pixel squares: a tile whose misplacement by a
// few pixels shows.
QImage checkerTile()
{
    QImage tile(12, 12, QImage::Format_RGB32);
    tile.fill(QColor(0, 160, 0));
    QPainter p(&tile);
    p.fillRect(0, 0, 6, 6, QColor(200, 0, 200));
    p.fillRect(6, 6, 6, 6, QColor(200, 0, 200));
    return tile;
}

// "SALE" with a navy outline and a 4-pixel shadow down and right.
void makeSale(TGSuperText &t, TGSuperText::TSurfaceType surface, GradientFill::TFillDirection direction)
{
    t.SetBounds(0, 0, 260, 90);
    t.SetCaption(QStringLiteral("SALE"));
    t.SetShadowDepth(4);
    t.SetOutlineColor(clNavy);
    t.SetSurfaceType(surface);
    t.SetFillDirection(direction);
    t.Font()->setColor(clRed);
    if (surface == TGSuperText::stBrushImage)
        t.SetImage(checkerTile());
}

QImage printed(TGSuperText &t, int ppi = 96)
{
    TImageReport report(ppi, ppi);
    report.BeginDoc();
    t.PrintTo(report, 0, 0);
    report.EndDoc();
    return report.PageImage(0).copy(0, 0, t.Width() * ppi / 96, t.Height() * ppi / 96);
}

// Recorded as for the preview and replayed at the screen's resolution.
QImage previewed(TGSuperText &t)
{
    QBuffer buffer;
    TReportFiler filer;
    filer.StreamMode = smUser;
    filer.setStream(&buffer);
    filer.BeginDoc();
    t.PrintTo(filer, 0, 0);
    filer.EndDoc();
    return TFilePrinter::RenderPage(buffer.data(), 1, 100, 96).copy(0, 0, t.Width(), t.Height());
}

int colorDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Pixels of `a` that no pixel of `b` within `reach` pixels of the same
// place comes near in colour: what smoothing and a shift of the letters by
// that much cannot explain.
int unexplained(const QImage &a, const QImage &b, int tolerance, int reach)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    near = b.rect().contains(x + dx, y + dy)
                           && colorDistance(a.pixel(x, y), b.pixel(x + dx, y + dy)) <= tolerance;
            count += near ? 0 : 1;
        }
    }
    return count;
}

// The box of the pixels within `tolerance` of the colour.
QRect colorBounds(const QImage &image, QRgb color, int tolerance = 0, int *count = nullptr)
{
    QRect box;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (colorDistance(image.pixel(x, y), color) <= tolerance) {
                box |= QRect(x, y, 1, 1);
                ++n;
            }
    if (count)
        *count = n;
    return box;
}

int inkCount(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += ink(image, x, y) ? 1 : 0;
    return n;
}

} // namespace

// ---- state and stream ----------------------------------------------------------------------

TEST_F(ScreenAt96, NewTextIsTimesInABlueToYellowGradientWithoutShadowOrBackground)
{
    TGSuperText t;
    EXPECT_EQ(t.Caption(), QStringLiteral("Text"));
    EXPECT_EQ(t.Font()->name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(t.Font()->size(), 48);
    EXPECT_EQ(t.Font()->color(), clBlack);
    EXPECT_EQ(t.BoundsRect(), QRect(0, 0, 142, 33));
    EXPECT_EQ(t.ShadowDepth(), 0);
    EXPECT_EQ(t.ShadowOrientation(), TGSuperText::sdDownRight);
    EXPECT_EQ(t.Shadowcolor(), clGray);
    EXPECT_TRUE(t.ControlTransparent());
    EXPECT_EQ(t.BorderStyle(), bsNone);
    EXPECT_EQ(t.SurfaceType(), TGSuperText::stGradientFill);
    EXPECT_EQ(t.OutlineWidth(), 1);
    EXPECT_EQ(t.OutlineStyle(), psSolid);
    // Blue at the left, yellow at the right.
    const QImage &g = t.GradientBitmap();
    EXPECT_EQ(g.size(), QSize(142, 33));
    EXPECT_EQ(g.pixel(0, 10), qRgb(0, 0, 255));
    EXPECT_EQ(g.pixel(141, 10), qRgb(255, 255, 0));
}

TEST_F(ScreenAt96, StreamKeepsThePropertiesInOrderAndReadsBackByteForByte)
{
    RegisterClass<TGSuperText>();
    TGSuperText fresh;
    const QByteArray defaults = write(&fresh);
    // Declared defaults stay out; the rest is always written.
    for (const char *absent : {"ShadowDepth", "ShadowOrientation", "Shadowcolor", "LastBitmap", "Image.Data"})
        EXPECT_FALSE(defaults.contains(absent)) << absent;
    const char *order[] = {"Locked",           "BorderStyle",     "ControlTransparent", "BGColor",
                           "Caption",          "Font.Color",      "Font.Name",          "FillDirection",
                           "GradientToColor",  "GradientFromColor", "OutlineColor",     "OutlineStyle",
                           "OutlineWidth",     "SurfaceType"};
    for (int i = 1; i < int(std::size(order)); ++i)
        EXPECT_LT(defaults.indexOf(order[i - 1]), defaults.indexOf(order[i])) << order[i];

    TGSuperText t;
    t.SetBounds(7, 8, 300, 80);
    t.SetShadowDepth(6);
    t.SetShadowOrientation(TGSuperText::sdLeft);
    t.SetShadowcolor(clTeal);
    t.SetBorderStyle(bsSingle);
    t.SetControlTransparent(false);
    t.SetBGColor(0x123456);
    t.SetCaption(QStringLiteral("SALE"));
    t.Font()->setName(QStringLiteral("Not Installed Anywhere"));
    t.SetFillDirection(GradientFill::gdUp);
    t.SetGradientToColor(clLime);
    t.SetGradientFromColor(clPurple);
    t.SetSurfaceType(TGSuperText::stBrushImage);
    t.SetImage(checkerTile());
    t.SetOutlineColor(clMaroon);
    t.SetOutlineStyle(psDashDot);
    t.SetOutlineWidth(3);
    t.SetLastBitmapFileNameandPath(QStringLiteral("/textures/Marble.bmp"));
    const QByteArray first = write(&t);
    EXPECT_LT(first.indexOf("ShadowDepth"), first.indexOf("ShadowOrientation"));
    EXPECT_LT(first.indexOf("GradientFromColor"), first.indexOf("Image.Data"));
    EXPECT_LT(first.indexOf("Image.Data"), first.indexOf("OutlineColor"));
    EXPECT_LT(first.indexOf("SurfaceType"), first.indexOf("LastBitmapFileNameandPath"));

    QObject parent;
    TGSuperText *back = readBack<TGSuperText>(&parent, first);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ShadowOffset(), QPoint(-6, 0));
    EXPECT_EQ(back->BGColor(), 0x123456);
    EXPECT_EQ(back->Font()->name(), QStringLiteral("Not Installed Anywhere"));
    EXPECT_EQ(back->SurfaceType(), TGSuperText::stBrushImage);
    EXPECT_EQ(back->Image()->image().pixel(0, 0), checkerTile().pixel(0, 0));
    EXPECT_EQ(back->OutlineStyle(), psDashDot);
    EXPECT_EQ(back->LastBitmapFileNameandPath(), QStringLiteral("/textures/Marble.bmp"));
    EXPECT_EQ(write(back), first);
}

TEST_F(ScreenAt96, SettersAndTheirSideEffects)
{
    FakePanelHost panel;
    TGSuperText *t = panel.adopt(new TGSuperText);
    t->Loaded();
    t->SetBounds(10, 10, 200, 60);

    // ShadowOffset from orientation and depth; depth 3 down shifts only
    // vertically.
    const QPoint offsets[] = {{0, 0}, {3, 0}, {-3, 0}, {3, 3}, {-3, 3}, {0, 3}};
    t->SetShadowDepth(3);
    for (int o = TGSuperText::sdNone; o <= TGSuperText::sdDown; ++o) {
        t->SetShadowOrientation(TGSuperText::TShadowOrientation(o));
        EXPECT_EQ(t->ShadowOffset(), offsets[o]) << o;
    }

    // Only the background, the border, the text, the font and the
    // gradient's start colour report a change themselves.
    auto reports = [&](const std::function<void()> &change) {
        panel.resetCounts();
        change();
        return panel.changes;
    };
    EXPECT_GE(reports([&] { t->SetBGColor(clAqua); }), 1);
    EXPECT_GE(reports([&] { t->SetBorderStyle(bsSingle); }), 1);
    EXPECT_GE(reports([&] { t->SetCaption(QStringLiteral("New")); }), 1);
    EXPECT_GE(reports([&] { t->Font()->setColor(clRed); }), 1);
    EXPECT_GE(reports([&] { t->SetGradientFromColor(clRed); }), 1);
    EXPECT_EQ(reports([&] { t->SetOutlineColor(clRed); }), 0);
    EXPECT_EQ(reports([&] { t->SetCaption(QStringLiteral("New")); }), 0);

    // Unfilled text keeps an outline; leaving "Texture" drops the texture.
    t->SetSurfaceType(TGSuperText::stBrushImage);
    t->SetImage(checkerTile());
    t->SetOutlineStyle(psClear);
    t->SetSurfaceType(TGSuperText::stBrushPattern);
    EXPECT_EQ(t->OutlineStyle(), psSolid);
    EXPECT_TRUE(t->Image()->isEmpty());

    // A box of no size becomes one pixel.
    t->SetBounds(10, 10, 0, -4);
    EXPECT_EQ(t->BoundsRect(), QRect(10, 10, 1, 1));

    // Read from a stream, nothing is reported.
    panel.resetCounts();
    t->setProperty("swLoading", true);
    t->SetCaption(QStringLiteral("From file"));
    t->SetBGColor(clBlue);
    t->setProperty("swLoading", QVariant());
    EXPECT_EQ(panel.changes, 0);
}

// ---- layout ------------------------------------------------------------------------------

TEST_F(ScreenAt96, LayoutPutsTheTextClearOfALeftShadowAndShrinksOnlyABareBox)
{
    TGSuperText t;
    t.SetCaption(QStringLiteral("SALE"));
    t.SetBounds(0, 0, 300, 200);
    t.SetShadowDepth(6);
    t.SetShadowOrientation(TGSuperText::sdLeft);
    ScreenCanvas screen;
    // The text's height in its font, measured apart from the object.
    Canvas &c = screen.canvas();
    c.Font()->Assign(*t.Font());
    c.Font()->setName(QStringLiteral("Times New Roman"));
    const int b = c.TextHeight(QStringLiteral("SALE"));

    t.setLayoutDirty();
    t.Layout(c);
    // With sdLeft depth 6 the text starts at x = 11, its shadow at x = 5.
    EXPECT_EQ(t.TextOrigin(), QPoint(11, 0));
    EXPECT_EQ(t.ShadowOrigin(), QPoint(5, 0));
    EXPECT_EQ(t.TextBox(), (Box{11, 0, 300, b}));
    EXPECT_EQ(t.ShadowBox(), (Box{5, 0, 294, b}));
    // Transparent and borderless: 1.2 x (text height + vertical shadow).
    EXPECT_EQ(t.Height(), int(b * 1.2));

    // Down and left at 150 %: the offsets are scaled and truncated.
    TGSuperText z;
    z.SetCaption(QStringLiteral("SALE"));
    z.SetShadowDepth(5);
    z.SetShadowOrientation(TGSuperText::sdDownLeft);
    z.SetScale(1.5f);
    z.setLayoutDirty();
    z.Layout(c);
    EXPECT_EQ(z.TextOrigin(), QPoint(7 + 5, 0));
    EXPECT_EQ(z.ShadowOrigin(), QPoint(5, 7));

    // With a border, or a background, the box keeps its height.
    for (int kind = 0; kind < 2; ++kind) {
        TGSuperText kept;
        kept.SetBounds(0, 0, 300, 200);
        if (kind == 0)
            kept.SetBorderStyle(bsSingle);
        else
            kept.SetControlTransparent(false);
        kept.setLayoutDirty();
        kept.Layout(c);
        EXPECT_EQ(kept.Height(), 200) << kind;
    }
}

TEST_F(ScreenAt96, FitToTextSizesTheBoxToOnePointTwoTimesTheText)
{
    TGSuperText t;
    t.SetCaption(QStringLiteral("SALE"));
    t.SetShadowDepth(4);
    t.SetBounds(3, 4, 20, 20);
    ScreenCanvas screen;
    Canvas &c = screen.canvas();
    c.Font()->Assign(*t.Font());
    const QSize ab = c.TextExtent(QStringLiteral("SALE"));
    EXPECT_TRUE(t.FitToText());
    // The shadow's box starts 5 + 4 pixels in and 4 down.
    EXPECT_EQ(t.BoundsRect(), QRect(3, 4, int(9 + ab.width() * 1.2), int((ab.height() + 4) * 1.2)));
}

// ---- painting ----------------------------------------------------------------------------

TEST_F(ScreenAt96, LettersAreFilledOutlinedAndShadowedAtEveryZoom)
{
    QMap<float, QRect> letters;
    for (float zoom : {0.5f, 1.0f, 1.5f}) {
        TGSuperText t;
        makeSale(t, TGSuperText::stBrushTransparent, GradientFill::gdRight);
        t.SetScale(zoom);
        const QImage image = paint(t);
        letters[zoom] = inkBounds(image, image.rect());
        // The text cell keeps its 5-pixel margin at any zoom.
        EXPECT_GE(letters[zoom].left(), 5) << zoom;
        EXPECT_LT(letters[zoom].left(), 5 + 6 * zoom) << zoom;
        int red = 0, navy = 0, grey = 0;
        colorBounds(image, qRgb(255, 0, 0), 0, &red);
        colorBounds(image, qRgb(0, 0, 128), 40, &navy);
        colorBounds(image, qRgb(128, 128, 128), 0, &grey);
        EXPECT_GT(red, 300 * zoom * zoom) << zoom;
        EXPECT_GT(navy, 100 * zoom) << zoom;
        EXPECT_GT(grey, 20 * zoom) << zoom;
    }
    // The letters grow with the zoom (24, 48 and 72 points).
    EXPECT_NEAR(letters[0.5f].width(), letters[1.0f].width() * 0.5, 4);
    EXPECT_NEAR(letters[1.5f].width(), letters[1.0f].width() * 1.5, 6);
    EXPECT_NEAR(letters[1.5f].height(), letters[1.0f].height() * 1.5, 6);

    // Unfilled letters: the outline over the same area, white inside.
    TGSuperText filled, open;
    makeSale(filled, TGSuperText::stBrushTransparent, GradientFill::gdRight);
    makeSale(open, TGSuperText::stBrushPattern, GradientFill::gdRight);
    filled.SetShadowDepth(0);
    open.SetShadowDepth(0);
    const QImage full = paint(filled), outline = paint(open);
    EXPECT_EQ(inkBounds(outline, outline.rect()), inkBounds(full, full.rect()));
    int inside = 0, inkInside = 0;
    for (int y = 1; y < full.height() - 1; ++y)
        for (int x = 1; x < full.width() - 1; ++x) {
            // Red with red all round: well inside a stroke.
            bool deep = true;
            for (int d = -1; d <= 1; ++d)
                deep = deep && full.pixel(x + d, y) == qRgb(255, 0, 0) && full.pixel(x, y + d) == qRgb(255, 0, 0);
            if (!deep)
                continue;
            ++inside;
            inkInside += ink(outline, x, y) ? 1 : 0;
        }
    EXPECT_GT(inside, 300);
    EXPECT_LT(inkInside, inside / 20);
}

TEST_F(ScreenAt96, TextTooWideIsCutAndNoTextShowsACrossedBox)
{
    TGSuperText t;
    t.SetCaption(QStringLiteral("SALE"));
    t.SetControlTransparent(false);
    t.SetBGColor(clYellow);
    t.SetBounds(0, 0, 60, 80);
    const QImage cut = paint(t);
    // Only the S fits in 60 - 5 pixels: the letters end well before the
    // box does.
    QRect letters;
    for (int y = 0; y < cut.height(); ++y)
        for (int x = 0; x < cut.width(); ++x)
            if (cut.pixel(x, y) != qRgb(255, 255, 0) && ink(cut, x, y))
                letters |= QRect(x, y, 1, 1);
    EXPECT_GT(letters.width(), 20);
    EXPECT_LT(letters.right(), 50);

    t.SetCaption(QString());
    const QImage empty = paint(t);
    EXPECT_EQ(empty.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(empty.pixel(30, 40), qRgb(0, 0, 0)); // the diagonals cross
    EXPECT_EQ(empty.pixel(30, 20), qRgb(255, 255, 0));
    EXPECT_EQ(paint(t, false).pixel(30, 40), qRgb(255, 255, 0));
}

// ---- paper ------------------------------------------------------------------------------------

// The printed and the previewed pictures at the panel's resolution differ
// from the painted one by smoothing only, for every surface.
TEST_F(ScreenAt96, PaperAndPreviewShowWhatThePanelShows)
{
    struct Case
    {
        TGSuperText::TSurfaceType surface;
        GradientFill::TFillDirection direction;
    };
    const Case cases[] = {{TGSuperText::stBrushTransparent, GradientFill::gdRight},
                          {TGSuperText::stBrushImage, GradientFill::gdRight},
                          {TGSuperText::stGradientFill, GradientFill::gdUp},
                          {TGSuperText::stGradientFill, GradientFill::gdDown},
                          {TGSuperText::stGradientFill, GradientFill::gdLeft},
                          {TGSuperText::stGradientFill, GradientFill::gdRight}};
    for (const Case &c : cases) {
        TGSuperText t;
        makeSale(t, c.surface, c.direction);
        const QImage screen = paint(t, false);
        const int inked = inkCount(screen);
        // Paper matches to a pixel and closely in colour (textures are
        // printed a hundredth of an inch larger per tile). The preview
        // spreads the letters over the width the printer measured, which
        // may move one by a pixel or two and smooth its edges otherwise.
        const struct
        {
            QImage image;
            int reach, tolerance;
            int share; // of the ink, in per cent
        } outputs[] = {{printed(t), 1, 12, 3}, {previewed(t), 3, 40, 4}};
        for (const auto &paper : outputs) {
            EXPECT_NEAR(inkCount(paper.image), inked, inked / 20) << c.surface << c.direction;
            const int allowed = inked * paper.share / 100;
            EXPECT_LT(unexplained(paper.image, screen, paper.tolerance, paper.reach), allowed)
                << c.surface << c.direction;
            EXPECT_LT(unexplained(screen, paper.image, paper.tolerance, paper.reach), allowed)
                << c.surface << c.direction;
        }
    }
}

TEST_F(ScreenAt96, PrintedShadowFillAndOutlineLandInTheirPlaces)
{
    TGSuperText t;
    makeSale(t, TGSuperText::stBrushTransparent, GradientFill::gdRight);
    t.SetOutlineWidth(0);
    t.SetBounds(24, 12, 260, 90);
    // At 300 dpi, the label's corner at (1, 1) inch.
    TImageReport report(300, 300);
    report.BeginDoc();
    t.PrintTo(report, 1.0, 1.0);
    report.EndDoc();
    const QImage page = report.PageImage(0).copy(300, 300, 1000, 400);
    const QRect red = colorBounds(page, qRgb(255, 0, 0));
    // Where the panel has the letters, scaled to 300 dpi from the object's
    // place.
    const QRect shown = colorBounds(paint(t), qRgb(255, 0, 0));
    EXPECT_NEAR(red.left(), (24 + shown.left()) * 300 / 96.0, 4);
    EXPECT_NEAR(red.top(), (12 + shown.top()) * 300 / 96.0, 4);
    EXPECT_NEAR(red.width(), shown.width() * 300 / 96.0, 6);
    EXPECT_NEAR(red.height(), shown.height() * 300 / 96.0, 6);
    // The shadow is 4 / 96 inch further right and down: grey to the
    // right of the letters' right edge.
    bool grey = false;
    for (int y = red.top(); y <= red.bottom() && !grey; ++y)
        for (int x = red.right(); x < red.right() + 15 && !grey; ++x)
            grey = page.pixel(x, y) == qRgb(128, 128, 128);
    EXPECT_TRUE(grey);
}

// ---- menu and copies ---------------------------------------------------------------------

TEST_F(ScreenAt96, PopupAddsFontTransparentBackgroundBorderAndProperties)
{
    FakePanelHost panel;
    TGSuperText *t = panel.adopt(new TGSuperText);
    t->Loaded();
    PopupMenu &menu = t->ObjectMenu();
    QStringList own;
    for (int i = menu.indexOf(QStringLiteral("Center Horizontally")) + 1; i < menu.count(); ++i)
        own << menu.entry(i).caption;
    EXPECT_EQ(own, (QStringList{"-", "Font", "Transparent", "Background Color", "Border", "Properties"}));

    panel.resetCounts();
    ASSERT_TRUE(menu.trigger(QStringLiteral("Transparent")));
    EXPECT_FALSE(t->ControlTransparent());
    EXPECT_EQ(panel.changes, 1);
    ASSERT_TRUE(menu.trigger(QStringLiteral("Border")));
    menu.aboutToOpen();
    EXPECT_EQ(t->BorderStyle(), bsSingle);
    EXPECT_TRUE(menu.entry(menu.indexOf(QStringLiteral("Border"))).checked);
    EXPECT_FALSE(menu.entry(menu.indexOf(QStringLiteral("Transparent"))).checked);

    // "Background Color" makes the box opaque in the chosen colour.
    LabelDialogs::chooseColor = [](TColor &c) {
        c = clAqua;
        return true;
    };
    t->SetControlTransparent(true);
    ASSERT_TRUE(menu.trigger(QStringLiteral("Background Color")));
    LabelDialogs::chooseColor = nullptr;
    EXPECT_EQ(t->BGColor(), clAqua);
    EXPECT_FALSE(t->ControlTransparent());
}

TEST_F(ScreenAt96, CopyTakesTheSizeApplyTakesEverythingElse)
{
    TGSuperText source;
    makeSale(source, TGSuperText::stBrushImage, GradientFill::gdUp);
    source.SetShadowOrientation(TGSuperText::sdDown);
    source.SetBorderStyle(bsSingle);
    source.SetLastBitmapFileNameandPath(QStringLiteral("/t/Dots.bmp"));

    TGSuperText sample;
    sample.CopyTextFrom(source);
    EXPECT_EQ(sample.BoundsRect().size(), source.BoundsRect().size());
    EXPECT_EQ(sample.Caption(), QStringLiteral("SALE"));
    EXPECT_EQ(sample.Image()->image(), source.Image()->image());
    EXPECT_EQ(sample.SurfaceType(), TGSuperText::stBrushImage);
    EXPECT_EQ(sample.BorderStyle(), bsSingle);
    EXPECT_EQ(sample.ShadowOffset(), QPoint(0, 4));

    FakePanelHost panel;
    TGSuperText *object = panel.adopt(new TGSuperText);
    object->Loaded();
    object->SetBounds(20, 30, 50, 40);
    panel.resetCounts();
    object->ApplyTextFrom(source);
    EXPECT_EQ(object->BoundsRect().topLeft(), QPoint(20, 30));
    EXPECT_EQ(object->Width(), 50);
    EXPECT_EQ(object->Caption(), QStringLiteral("SALE"));
    EXPECT_EQ(object->Font()->color(), clRed);
    EXPECT_EQ(object->LastBitmapFileNameandPath(), QStringLiteral("/t/Dots.bmp"));
    EXPECT_EQ(object->Image()->image(), source.Image()->image());
    EXPECT_GE(panel.changes, 1);
}
