// Shapes and lines: stored properties, the outline's pixels on screen at
// any zoom, the popup menus, and what reaches paper.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/LabelDialogs.h"
#include "objects/TGLabelShapes.h"
#include "objects/TGLineShape.h"
#include "persistence/ClassRegistry.h"
#include "platform/PropertyInfo.h"
#include "report/TImageReport.h"

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// Ink across one row or down one column, as '#' and '.'.
QString row(const QImage &image, int y)
{
    QString s;
    for (int x = 0; x < image.width(); ++x)
        s += ink(image, x, y) ? QLatin1Char('#') : QLatin1Char('.');
    return s;
}

PopupMenu &submenu(TGGraphicControl &o, const char *caption)
{
    return *o.ObjectMenu().entry(o.ObjectMenu().indexOf(QLatin1String(caption))).submenu;
}

QList<int> checkedTags(PopupMenu &menu)
{
    QList<int> tags;
    for (int i = 0; i < menu.count(); ++i)
        if (menu.entry(i).checked)
            tags << menu.entry(i).tag;
    return tags;
}

// Printed with the label's corner at (1, 1) inch on a 300 dpi page.
QImage printAt300(TGGraphicControl &object)
{
    TImageReport report(300, 300);
    report.BeginDoc();
    object.PrintTo(report, 1.0, 1.0);
    report.EndDoc();
    return report.PageImage(0);
}

} // namespace

TEST(ShapeProperties, DefaultsAreLeftOutOfTheStream)
{
    EXPECT_EQ(PropertyInfo::defaultValue(&TGLabelShapes::staticMetaObject, "RoundPerc").toInt(), 25);
    TGLabelShapes s;
    EXPECT_EQ(s.BoundsRect(), QRect(0, 0, 25, 25));
    const QByteArray data = write(&s);
    EXPECT_TRUE(data.contains("Transparent")); // written even when False
    EXPECT_FALSE(data.contains("RoundPerc"));
    EXPECT_FALSE(data.contains("\x05Shape")); // the name with its length byte
    TGLineShape l;
    EXPECT_EQ(l.BoundsRect(), QRect(0, 0, 10, 10));
    EXPECT_FALSE(write(&l).contains("LineStyle"));
}

TEST(ShapeProperties, EveryValueRoundTripsInStreamOrder)
{
    RegisterClass<TGLabelShapes>();
    RegisterClass<TGLineShape>();
    TGLabelShapes s;
    s.SetBounds(7, 8, 90, 45);
    s.SetTransparent(true);
    s.Brush()->setColor(0x123456);
    s.Pen()->setColor(clNavy);
    s.Pen()->setWidth(6);
    s.Pen()->setStyle(psDash);
    s.Pen()->setMode(pmXor);
    s.SetRoundPerc(40);
    s.SetShape(TGLabelShapes::stRoundSquare);
    const QByteArray data = write(&s);
    EXPECT_LT(data.indexOf("Transparent"), data.indexOf("Brush.Color"));
    EXPECT_LT(data.indexOf("Brush.Style"), data.indexOf("Pen.Color"));
    EXPECT_LT(data.indexOf("Pen.Width"), data.indexOf("RoundPerc"));
    EXPECT_LT(data.indexOf("RoundPerc"), data.indexOf("\x05Shape"));

    QObject parent;
    auto *r = readBack<TGLabelShapes>(&parent, data);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->BoundsRect(), QRect(7, 8, 90, 45));
    EXPECT_TRUE(r->Transparent());
    EXPECT_EQ(r->Brush()->color(), 0x123456);
    EXPECT_EQ(r->Brush()->style(), bsClear);
    EXPECT_EQ(r->Pen()->color(), clNavy);
    EXPECT_EQ(r->Pen()->width(), 6);
    EXPECT_EQ(r->Pen()->style(), psDash);
    EXPECT_EQ(r->Pen()->mode(), pmXor);
    EXPECT_EQ(r->RoundPerc(), 40);
    EXPECT_EQ(r->Shape(), TGLabelShapes::stRoundSquare);
    EXPECT_TRUE(r->hasMenu());

    TGLineShape l;
    l.SetBounds(1, 2, 3, 140);
    l.SetLineStyle(TGLineShape::stAngleSlopingDown);
    l.Pen()->setWidth(4);
    auto *rl = readBack<TGLineShape>(&parent, write(&l));
    ASSERT_NE(rl, nullptr);
    EXPECT_EQ(rl->BoundsRect(), QRect(1, 2, 3, 140));
    EXPECT_EQ(rl->LineStyle(), TGLineShape::stAngleSlopingDown);
    EXPECT_EQ(rl->Pen()->width(), 4);

    // The panel's tools set the kinds by identifier.
    EXPECT_TRUE(s.setProperty("Shape", QStringLiteral("stEllipse")));
    EXPECT_EQ(s.Shape(), TGLabelShapes::stEllipse);
    EXPECT_TRUE(l.setProperty("LineStyle", QStringLiteral("stVertical")));
    EXPECT_EQ(l.LineStyle(), TGLineShape::stVertical);
}

TEST(ShapePaint, AThreePixelPenStaysInsideTheBounds)
{
    TGLabelShapes s;
    s.SetBounds(0, 0, 60, 40);
    s.Pen()->setWidth(3);
    s.SetTransparent(true);
    EXPECT_EQ(s.DrawRect(), QRect(1, 1, 58, 38)); // (1, 1) to (59, 39) exclusive
    // The outline through x 1 and 58, three pixels wide: 0..2 and 57..59.
    EXPECT_EQ(row(paint(s), 20), QStringLiteral("###") + QString(54, QLatin1Char('.')) + QStringLiteral("###"));
}

TEST(ShapePaint, RoundedCornerIsTakenFromTheLongerSide)
{
    TGLabelShapes s;
    s.SetShape(TGLabelShapes::stRoundRect);
    s.SetBounds(0, 0, 30, 100);
    EXPECT_EQ(s.CornerSize(), 25);
    s.SetRoundPerc(29);
    EXPECT_EQ(s.CornerSize(), 29); // exact, where 29 x 0.01 x 100 in doubles truncates to 28
    s.SetRoundPerc(25);
    s.SetBounds(0, 0, 100, 40);
    EXPECT_EQ(s.CornerSize(), 25);
    const QImage image = paint(s);
    EXPECT_FALSE(ink(image, 2, 2));
    EXPECT_NEAR(row(image, 0).indexOf(QLatin1Char('#')), 12, 2); // half the corner in
}

TEST(ShapePaint, PenWidthsAtHalfScale)
{
    TGLabelShapes s;
    s.setScaleFactorDirect(0.5f);
    EXPECT_EQ(s.ScreenPenWidth(), 1); // Round(0.5) is 0, raised to 1
    s.Pen()->setWidth(5);
    EXPECT_EQ(s.ScreenPenWidth(), 2); // ties to even
    TGLineShape l;
    l.setScaleFactorDirect(0.5f);
    EXPECT_EQ(l.ScreenPenWidth(), 0); // no lower limit: the thinnest line
}

TEST(ShapePaint, SquareAndCircleFillTheWholeBox)
{
    TGLabelShapes s;
    s.SetBounds(0, 0, 60, 30);
    s.Brush()->setColor(clRed);
    s.SetShape(TGLabelShapes::stSquare);
    QImage image = paint(s);
    EXPECT_TRUE(ink(image, 0, 0));
    EXPECT_TRUE(ink(image, 59, 29));
    EXPECT_EQ(image.pixel(30, 15), qRgb(255, 0, 0));
    s.SetShape(TGLabelShapes::stCircle);
    image = paint(s);
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(0, 0, 60, 30)); // an ellipse
    EXPECT_FALSE(ink(image, 0, 0));
}

TEST(ShapePaint, LinesStayInsideTheirBounds)
{
    TGLineShape l;
    l.SetBounds(0, 0, 20, 12);
    l.Pen()->setWidth(3);
    QImage image = paint(l);
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(0, 0, 20, 3));
    l.SetLineStyle(TGLineShape::stVertical);
    image = paint(l);
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(0, 0, 3, 12));
    l.Pen()->setWidth(1);
    l.SetLineStyle(TGLineShape::stAngleSlopingUp);
    image = paint(l);
    // From the corner (20, 0), just outside, to (0, 12), left out.
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(1, 1, 19, 11));
    EXPECT_TRUE(ink(image, 1, 11));
}

TEST(ShapeMenu, ThicknessEntriesAreCheckedByPenWidth)
{
    TGLabelShapes s;
    s.Loaded();
    PopupMenu &m = s.ObjectMenu();
    QStringList captions;
    for (int i = m.indexOf(QStringLiteral("Center Horizontally")) + 1; i < m.count(); ++i)
        captions << m.entry(i).caption;
    EXPECT_EQ(captions, (QStringList{"-", "Background Color", "Line Color", "Line Thickness", "-", "Transparent"}));

    PopupMenu &thickness = submenu(s, "Line Thickness");
    ASSERT_EQ(thickness.count(), 10);
    EXPECT_EQ(thickness.entry(9).caption, QStringLiteral("10 Point"));
    EXPECT_EQ(checkedTags(thickness), QList<int>{1});
    EXPECT_TRUE(thickness.trigger(QStringLiteral("7 Point")));
    EXPECT_EQ(s.Pen()->width(), 7);
    m.popup(QPoint());
    EXPECT_EQ(checkedTags(thickness), QList<int>{7});
    s.Pen()->setWidth(12);
    s.UpdateMenuChecks();
    EXPECT_TRUE(checkedTags(thickness).isEmpty());

    TGLineShape l;
    l.Loaded();
    submenu(l, "Line Thickness").trigger(QStringLiteral("10 Point"));
    l.UpdateMenuChecks();
    EXPECT_EQ(checkedTags(submenu(l, "Line Thickness")), QList<int>{10});
}

TEST(ShapeMenu, DegreeOfRoundingIsDecidedAtLoaded)
{
    TGLabelShapes plain;
    plain.Loaded();
    plain.SetShape(TGLabelShapes::stRoundRect);
    EXPECT_EQ(plain.ObjectMenu().indexOf(QStringLiteral("Degree of Rounding")), -1);

    TGLabelShapes rounded;
    rounded.SetShape(TGLabelShapes::stRoundSquare);
    rounded.Loaded();
    rounded.SetShape(TGLabelShapes::stEllipse);
    PopupMenu &degree = submenu(rounded, "Degree of Rounding");
    ASSERT_EQ(degree.count(), 7);
    EXPECT_EQ(degree.entry(6).caption, QStringLiteral("80 %"));
    degree.trigger(QStringLiteral("60 %"));
    EXPECT_EQ(rounded.RoundPerc(), 60);
    rounded.UpdateMenuChecks();
    EXPECT_TRUE(checkedTags(degree).isEmpty());
}

TEST(ShapeMenu, BackgroundColourMakesATransparentShapeOpaque)
{
    FakePanelHost panel;
    auto *s = panel.adopt(new TGLabelShapes);
    s->Loaded();
    ASSERT_TRUE(s->ObjectMenu().trigger(QStringLiteral("Transparent")));
    EXPECT_TRUE(s->Transparent());
    EXPECT_EQ(s->Brush()->style(), bsClear);

    LabelDialogs::chooseColor = [](TColor &) { return false; };
    EXPECT_FALSE(s->ChooseBackgroundColor());
    EXPECT_TRUE(s->Transparent()); // Cancel changes nothing
    LabelDialogs::chooseColor = [](TColor &c) {
        c = clLime;
        return true;
    };
    panel.resetCounts();
    EXPECT_TRUE(s->ObjectMenu().trigger(QStringLiteral("Background Color")));
    EXPECT_FALSE(s->Transparent());
    EXPECT_EQ(s->Brush()->color(), clLime);
    EXPECT_EQ(s->Brush()->style(), bsSolid);
    EXPECT_GE(panel.changes, 1);
    LabelDialogs::chooseColor = nullptr;
}

TEST(ShapeMenu, LineStylesAndStretchToEdges)
{
    FakePanelHost panel; // 400 x 300
    auto *l = panel.adopt(new TGLineShape);
    l->Loaded();
    l->SetBounds(50, 60, 30, 20);
    PopupMenu &styles = submenu(*l, "Style");
    styles.trigger(QStringLiteral("Vertical"));
    l->UpdateMenuChecks();
    EXPECT_EQ(checkedTags(styles), QList<int>{int(TGLineShape::stVertical)});
    panel.resetCounts();
    l->ObjectMenu().trigger(QStringLiteral("Stretch To Edges"));
    EXPECT_EQ(l->BoundsRect(), QRect(50, 0, 30, 300));
    EXPECT_EQ(panel.changes, 1);
    styles.trigger(QStringLiteral("Horizontal"));
    l->ObjectMenu().trigger(QStringLiteral("Stretch To Edges"));
    EXPECT_EQ(l->BoundsRect(), QRect(0, 0, 400, 300));

    // A diagonal keeps its bounds: a repaint, no change.
    l->SetBounds(10, 20, 30, 40);
    styles.trigger(QStringLiteral("Angled Sloping Up"));
    panel.resetCounts();
    l->ObjectMenu().trigger(QStringLiteral("Stretch To Edges"));
    EXPECT_EQ(l->BoundsRect(), QRect(10, 20, 30, 40));
    EXPECT_EQ(panel.changes, 0);
    EXPECT_GE(panel.repaints, 1);

    TGLineShape loose; // off the panel the entry is not offered
    loose.Loaded();
    loose.UpdateMenuChecks();
    EXPECT_FALSE(loose.ObjectMenu().entry(loose.ObjectMenu().indexOf(QStringLiteral("Stretch To Edges"))).visible);
}

TEST(ShapePrint, OutlinesLandWhereTheirInchesSay)
{
    ScreenResolution screen(96);
    TGLabelShapes s;
    s.SetBounds(96, 48, 96, 48); // 1 x 0.5 inch at (1, 0.5) from the corner
    s.SetTransparent(true);
    // A 1/100 inch (3 pixel) pen centred on x 600..899, y 450..599.
    EXPECT_EQ(inkBounds(printAt300(s), QRect(500, 400, 500, 300)), QRect(QPoint(599, 449), QPoint(900, 600)));

    s.SetShape(TGLabelShapes::stRoundRect);
    s.SetBounds(0, 0, 192, 96); // corner 0.5 inch: the arc's 45 degree point 22 pixels in
    const QImage page = printAt300(s);
    EXPECT_FALSE(inkBounds(page, QRect(320, 320, 5, 5)).isNull());
    EXPECT_TRUE(inkBounds(page, QRect(298, 298, 17, 17)).isNull());

    TGLineShape l;
    l.SetLineStyle(TGLineShape::stAngleSlopingDown);
    l.SetBounds(96, 0, 96, 96);
    const QImage line = printAt300(l);
    EXPECT_EQ(inkBounds(line, QRect(550, 250, 400, 400)).topLeft(), QPoint(599, 299));
    EXPECT_TRUE(ink(line, 750, 450));
}

TEST(ShapePrint, PenWidthsFollowTheScreenResolution)
{
    TGLabelShapes s;
    s.SetTransparent(true);
    TGLineShape l;
    l.Pen()->setWidth(3);
    const QRect leftEdge(560, 740, 80, 1); // across the shape's left edge at x 600
    const QRect lineBand(400, 260, 1, 80); // across the line at y 300
    {
        ScreenResolution screen(96);
        s.SetBounds(96, 96, 96, 96);
        l.SetBounds(0, 0, 192, 10);
        // 1 / 96 inch is 1.04 hundredths, truncated: 1/100 inch, 3 pixels.
        EXPECT_EQ(inkBounds(printAt300(s), leftEdge).width(), 3);
        EXPECT_EQ(inkBounds(printAt300(l), lineBand).height(), 9); // 3/100 inch
    }
    {
        ScreenResolution screen(120);
        s.SetBounds(120, 120, 120, 120);
        l.SetBounds(0, 0, 240, 10);
        // 1 / 120 inch is 0.83 hundredths, truncated to 0: the thinnest line.
        EXPECT_EQ(inkBounds(printAt300(s), leftEdge).width(), 1);
        EXPECT_EQ(inkBounds(printAt300(l), lineBand).height(), 9);
    }
}
