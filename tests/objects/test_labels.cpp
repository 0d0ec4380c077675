// The text, counter and symbol labels: the contract every label class
// keeps (declared defaults, quiet equal setters, change reports), then the
// text label's layout and rotation, the counter's numbering and the
// symbol's box.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/ScreenCanvas.h"
#include "objects/SymbolFontMap.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGSymbolLabel.h"
#include "platform/Canvas.h"
#include "platform/PropertyInfo.h"
#include "platform/Rounding.h"
#include "platform/TFont.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// The text metrics the layout works from, measured independently.
struct Metrics
{
    int th; // height + internal leading + external leading
    int tw; // caption and one space
};

Metrics measure(const TGBaseLabel &label)
{
    ScreenCanvas screen;
    Canvas &c = screen.canvas();
    const QString text = label.SelectFont(c);
    const TTextMetric tm = c.textMetrics();
    return {tm.height + tm.internalLeading + tm.externalLeading, c.TextWidth(text + QLatin1Char(' '))};
}

void layOut(TGBaseLabel &label)
{
    ScreenCanvas screen;
    label.setNeedsLayout();
    label.Layout(screen.canvas());
}

using Rect = TGBaseLabel::Rect;

} // namespace

// ---- the contract of every label class ----------------------------------------------------

template <class T>
class LabelContract : public ::testing::Test
{
protected:
    FakePanelHost panel;
    T *label = nullptr;

    void SetUp() override
    {
        label = panel.adopt(new T);
        label->Loaded();
        label->SetBounds(10, 10, label->Width(), label->Height());
        panel.resetCounts();
    }
};

using LabelClasses = ::testing::Types<TGPLabel, TGCounterLabel, TGSymbolLabel>;
TYPED_TEST_SUITE(LabelContract, LabelClasses);

TYPED_TEST(LabelContract, StartsAtEveryDeclaredDefault)
{
    TypeParam fresh;
    const QMetaObject *meta = fresh.metaObject();
    QStringList declared;
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const char *name = meta->property(i).name();
        // The caption's declared default only keeps an empty text out of
        // files; each class starts with a caption of its own.
        if (!PropertyInfo::defaultValue(meta, name).isValid() || qstrcmp(name, "Caption") == 0)
            continue;
        declared << QLatin1String(name);
        EXPECT_TRUE(PropertyInfo::isDefault(&fresh, name)) << name;
    }
    for (const char *name : {"Alignment", "DepthHighlight", "DepthShadow", "DirectionHighlight",
                             "DirectionShadow", "colorHighlight", "colorShadow", "Angle"})
        EXPECT_TRUE(declared.contains(QLatin1String(name))) << name;
    EXPECT_TRUE(PropertyInfo::isColor(meta, "colorHighlight"));
    EXPECT_TRUE(PropertyInfo::isColor(meta, "colorShadow"));
    EXPECT_TRUE(PropertyInfo::isColor(meta, "BackColor"));

    // The values without a declared default, which are always written.
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_EQ(fresh.BackColor(), clWhite);
    EXPECT_EQ(fresh.BorderStyle(), bsNone);
    EXPECT_EQ(fresh.Width(), 142);
    EXPECT_EQ(fresh.Height(), 33);
    EXPECT_EQ(fresh.Font()->color(), clBlack);
    EXPECT_TRUE(fresh.NeedsLayout());
}

TYPED_TEST(LabelContract, SettersGivenTheCurrentValueDoNothing)
{
    TypeParam *l = this->label;
    const QMetaObject *meta = l->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isWritable())
            continue;
        this->panel.resetCounts();
        p.write(l, p.read(l));
        EXPECT_EQ(this->panel.changes, 0) << p.name();
        EXPECT_EQ(this->panel.repaints, 0) << p.name();
    }
    l->Font()->setColor(l->Font()->color());
    EXPECT_EQ(this->panel.changes, 0);
}

TYPED_TEST(LabelContract, ChangesOfWhatIsPrintedAreReported)
{
    TypeParam *l = this->label;
    auto expectReport = [&](const char *what, const std::function<void()> &change) {
        this->panel.resetCounts();
        change();
        EXPECT_GE(this->panel.changes, 1) << what;
        EXPECT_GE(this->panel.repaints, 1) << what;
    };
    expectReport("Alignment", [&] { l->SetAlignment(taCenter); });
    expectReport("BorderStyle", [&] { l->SetBorderStyle(bsSingle); });
    expectReport("BackColor", [&] { l->SetBackColor(clYellow); });
    expectReport("Transparent", [&] { l->SetTransparent(false); });
    expectReport("Caption", [&] { l->SetCaption(QStringLiteral("Other")); });
    expectReport("Font", [&] { l->Font()->setColor(clRed); });

    // Nothing is reported while the panel prints.
    this->panel.printing = true;
    this->panel.resetCounts();
    l->SetBackColor(clBlue);
    EXPECT_EQ(this->panel.changes, 0);
}

TYPED_TEST(LabelContract, ReadingFromAStreamStoresWithoutReports)
{
    TypeParam *l = this->label;
    const QRect bounds = l->BoundsRect();
    l->setProperty("swLoading", true);
    l->SetCaption(QStringLiteral("From file"));
    l->SetAngle(90);
    l->SetAngle(180);
    l->Font()->setSize(30);
    EXPECT_EQ(this->panel.changes, 0);
    EXPECT_EQ(l->Angle(), 180);
    // No swap while reading: the file holds the final bounds.
    EXPECT_EQ(l->BoundsRect(), bounds);
    l->setProperty("swLoading", QVariant());
}

// ---- text label: setters and rotation -------------------------------------------------------

TEST(TextLabel, SetAngleSwapsTheBoxAndIgnoresOtherAngles)
{
    FakePanelHost panel;
    auto *l = panel.adopt(new TGPLabel);
    l->Loaded();
    l->SetBounds(0, 0, 142, 33);
    l->SetAlignment(taCenter);

    l->SetAngle(45);
    EXPECT_EQ(l->Angle(), 0);
    EXPECT_EQ(l->Alignment(), taCenter);

    l->SetAngle(90);
    EXPECT_EQ(l->Angle(), 90);
    EXPECT_EQ(l->BoundsRect(), QRect(0, 0, 33, 142));
    EXPECT_EQ(l->Alignment(), taLeftJustify);

    l->SetAngle(270); // already upright: no swap
    EXPECT_EQ(l->BoundsRect(), QRect(0, 0, 33, 142));

    l->SetAngle(0);
    EXPECT_EQ(l->BoundsRect(), QRect(0, 0, 142, 33));
    l->SetAngle(-90);
    l->SetAngle(360);
    EXPECT_EQ(l->Angle(), 0);
}

// ---- text label: layout ------------------------------------------------------------------------

TEST(TextLabelLayout, AcrossTheBoxHeightSettlesAndAlignmentPlacesTheText)
{
    TGPLabel l;
    l.SetBounds(0, 0, 142, 33);
    const Metrics m = measure(l);
    ASSERT_LT(1.2 * m.th, 33); // 10-point text in the default box
    layOut(l);
    EXPECT_FALSE(l.NeedsLayout());
    EXPECT_EQ(l.Height(), truncTowardZero(1.2 * m.th));
    EXPECT_EQ(l.MainRect(), (Rect{0, 0, 142, m.th}));
    EXPECT_EQ(l.MainOrigin(), QPoint(0, 0));

    l.SetAlignment(taRightJustify);
    layOut(l);
    EXPECT_EQ(l.MainOrigin().x(), 142 - m.tw); // ends a space's width early
    l.SetAlignment(taCenter);
    layOut(l);
    EXPECT_EQ(l.MainOrigin().x(), 142 / 2 - m.tw / 2);
}

TEST(TextLabelLayout, UprightAt90TheRectangleIsShiftedAndTheTextStartsAtItsFoot)
{
    TGPLabel l;
    l.SetBounds(0, 0, 33, 142);
    l.SetAngle(90);
    const Metrics m = measure(l);
    layOut(l);
    const int height = truncTowardZero(1.2 * m.tw);
    EXPECT_EQ(l.Height(), height);
    EXPECT_EQ(l.Width(), truncTowardZero(1.2 * m.th));
    // (0, 0, TH, H) moved by H - (H + 1) + Hx = -1.
    EXPECT_EQ(l.MainRect(), (Rect{0, -1, m.th, height - 1}));
    EXPECT_EQ(l.MainOrigin(), QPoint(0, height - 1));
}

TEST(TextLabelLayout, EachAngleDrawsFromItsOwnCornerWithTurnedOffsets)
{
    // Shadow right-down 2, highlight up-left 1: margins (1, 1).
    const int sx = 2, sy = 2, hx = -1, hy = -1, mx = 1, my = 1;
    for (int angle : {0, 90, 180, 270}) {
        TGPLabel l;
        l.SetDepthShadow(2);
        l.SetDepthHighlight(1);
        l.SetAngle(angle);
        const bool across = angle == 0 || angle == 180;
        l.SetBounds(0, 0, across ? 300 : 30, across ? 30 : 300);
        const Metrics m = measure(l);
        layOut(l);
        const int w = l.Width(), h = l.Height();
        EXPECT_EQ(l.Margin(), QPoint(mx, my)) << angle;
        Rect main;
        QPoint shadowShift, highlightShift, origin;
        switch (angle) {
        case 0:
            main = {mx, my, w, my + m.th};
            shadowShift = {sx, sy};
            highlightShift = {hx, hy};
            origin = {main.left, main.top};
            break;
        case 90:
            main = Rect{my, mx, my + m.th, h - my}.shifted(0, h - (h - my - mx + 1) + hx);
            shadowShift = {sy, -sx};
            highlightShift = {hy, -hx};
            origin = {main.left, main.bottom};
            break;
        case 180:
            main = Rect{mx, my, w, my + m.th}.shifted(w - (w - mx + 1) - sy, 0);
            shadowShift = {-sx, -sy};
            highlightShift = {-hx, -hy};
            origin = {main.right, main.bottom};
            break;
        default:
            main = {my, mx, my + m.th, h - my};
            shadowShift = {-sy, sx};
            highlightShift = {-hy, hx};
            origin = {main.right, main.top};
            break;
        }
        EXPECT_EQ(l.MainRect(), main) << angle;
        EXPECT_EQ(l.ShadowRect(), main.shifted(shadowShift.x(), shadowShift.y())) << angle;
        EXPECT_EQ(l.HighlightRect(), main.shifted(highlightShift.x(), highlightShift.y())) << angle;
        EXPECT_EQ(l.MainOrigin(), origin) << angle;
        if (angle == 0) {
            EXPECT_EQ(l.ShadowOrigin(), origin + QPoint(sx, sy));
            EXPECT_EQ(l.HighlightOrigin(), origin + QPoint(hx, hy));
        }
        // The thickness across the text lies between L and 1.2 L.
        const int L = m.th + sy - hy;
        const int thickness = across ? h : w;
        EXPECT_GE(thickness, L) << angle;
        EXPECT_LE(thickness, truncTowardZero(1.2 * L)) << angle;
    }
}

TEST(TextLabelLayout, HighlightUpLeftMovesTheMainTextAwayFromTheCorner)
{
    TGPLabel l;
    l.SetDirectionShadow(TGBaseLabel::sdNone);
    l.SetDepthHighlight(3);
    layOut(l);
    EXPECT_EQ(l.Margin(), QPoint(3, 3));
    EXPECT_EQ(l.MainOrigin(), QPoint(3, 3));
    EXPECT_EQ(l.HighlightOrigin(), QPoint(0, 0));
}

TEST(TextLabelLayout, At180AWideBoxIsNarrowedToTwiceTheText)
{
    TGPLabel l;
    l.SetAngle(180);
    l.SetBounds(0, 0, 600, 30);
    const Metrics m = measure(l);
    layOut(l);
    EXPECT_EQ(l.Width(), 2 * m.tw);
}

TEST(TextLabelLayout, ABoxTooSmallIsCorrectedAndRelaidAtThePaint)
{
    TGPLabel l;
    l.SetBounds(0, 0, 0, -4);
    EXPECT_EQ(l.BoundsRect(), QRect(0, 0, 1, 1));
    QImage image(200, 60, QImage::Format_RGB32);
    Canvas canvas(&image);
    l.Paint(canvas, PaintContext());
    const Metrics m = measure(l);
    EXPECT_EQ(l.Width(), m.tw);
    EXPECT_EQ(l.Height(), m.th);
}

TEST(TextLabelLayout, FontsAreScaledWhenZoomed)
{
    TGPLabel l;
    l.Font()->setSize(20);
    l.setScaleFactorDirect(0.5f);
    ScreenCanvas screen;
    l.SelectFont(screen.canvas());
    EXPECT_EQ(screen.canvas().Font()->size(), 10);
    l.setScaleFactorDirect(1.5f);
    l.SelectFont(screen.canvas());
    EXPECT_EQ(screen.canvas().Font()->size(), 30);
    EXPECT_EQ(l.Font()->size(), 20);
}

TEST(TextLabel, GrowToFitOnlyGrowsAndOnlyAcross)
{
    TGPLabel l;
    l.SetBounds(0, 0, 20, 5);
    l.SetCaption(QStringLiteral("A longer caption"));
    l.GrowToFit();
    ScreenCanvas screen;
    const QString text = l.SelectFont(screen.canvas());
    EXPECT_EQ(l.Width(), screen.canvas().TextWidth(text + QStringLiteral("     ")));
    EXPECT_EQ(l.Height(), screen.canvas().TextHeight(text));

    l.SetBounds(0, 0, 900, 90);
    l.GrowToFit();
    EXPECT_EQ(l.BoundsRect(), QRect(0, 0, 900, 90));

    l.SetAngle(90);
    const QRect turned = l.BoundsRect();
    l.SetCaption(QStringLiteral("An even longer caption than before, by far"));
    l.GrowToFit();
    EXPECT_EQ(l.BoundsRect(), turned);
}

TEST(TextLabel, PaintDrawsTheTextInsideTheBoxTurnedWithTheAngle)
{
    for (int angle : {0, 90, 180, 270}) {
        TGPLabel l;
        l.SetCaption(QStringLiteral("Sample text"));
        l.Font()->setSize(16);
        l.SetAngle(angle);
        const bool across = angle == 0 || angle == 180;
        l.SetBounds(0, 0, across ? 200 : 40, across ? 40 : 200);
        QImage image(220, 220, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            Canvas canvas(&image);
            l.Paint(canvas, PaintContext());
        }
        int minX = 1000, minY = 1000, maxX = -1, maxY = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
        ASSERT_GE(maxX, 0) << angle;
        EXPECT_GE(minX, 0) << angle;
        EXPECT_LT(maxX, l.Width()) << angle;
        EXPECT_LT(maxY, l.Height()) << angle;
        const int inkW = maxX - minX + 1, inkH = maxY - minY + 1;
        if (across)
            EXPECT_GT(inkW, 2 * inkH) << angle;
        else
            EXPECT_GT(inkH, 2 * inkW) << angle;
    }
}

TEST(TextLabel, PopupHasTheTextCommandsAndTheRotationGroup)
{
    FakePanelHost panel;
    auto *l = panel.adopt(new TGPLabel);
    l->Loaded();
    PopupMenu &menu = l->ObjectMenu();
    QStringList captions;
    for (int i = menu.indexOf(QStringLiteral("Center Horizontally")) + 1; i < menu.count(); ++i)
        captions << menu.entry(i).caption;
    EXPECT_EQ(captions, (QStringList{"-", "Font", "3D Effects", "Alignment", "Transparent", "Background Color",
                                     "Border", "-", "Text", "-", "Rotation"}));
    EXPECT_EQ(menu.entry(menu.indexOf(QStringLiteral("Text"))).tag, TGPLabel::TextEntryTag);

    PopupMenu &rotation = *menu.entry(menu.indexOf(QStringLiteral("Rotation"))).submenu;
    ASSERT_EQ(rotation.count(), 4);
    EXPECT_TRUE(rotation.trigger(QStringLiteral("270 Degrees")));
    EXPECT_EQ(l->Angle(), 270);

    PopupMenu &alignment = *menu.entry(menu.indexOf(QStringLiteral("Alignment"))).submenu;
    l->SetAngle(0);
    panel.resetCounts();
    alignment.trigger(QStringLiteral("Right"));
    EXPECT_EQ(l->Alignment(), taRightJustify);
    EXPECT_GE(panel.changes, 1);
    menu.aboutToOpen();
    EXPECT_TRUE(alignment.entry(2).checked);
    EXPECT_FALSE(alignment.entry(0).checked);

    menu.trigger(QStringLiteral("Border"));
    menu.trigger(QStringLiteral("Transparent"));
    menu.aboutToOpen();
    EXPECT_EQ(l->BorderStyle(), bsSingle);
    EXPECT_TRUE(menu.entry(menu.indexOf(QStringLiteral("Border"))).checked);
    EXPECT_FALSE(l->Transparent());
    EXPECT_FALSE(menu.entry(menu.indexOf(QStringLiteral("Transparent"))).checked);
}

TEST(TextLabel, ApplyFontCopiesTheFont)
{
    TGPLabel l;
    TFont f;
    f.setName(QStringLiteral("Courier New"));
    f.setSize(14);
    f.setStyle(fsBold);
    layOut(l);
    l.ApplyFont(f);
    EXPECT_TRUE(l.Font()->sameAs(f));
    EXPECT_TRUE(l.NeedsLayout());
}

// ---- counter label ------------------------------------------------------------------------------

TEST(CounterLabel, NumbersArePaddedAfterTheSign)
{
    const struct { int number, digits; const char *text; } cases[] = {
        {42, 4, "0042"},  {-42, 4, "-0042"}, {12345, 4, "12345"}, {7, 0, "7"},
        {-7, 0, "-7"},    {7, -3, "7"},      {0, 3, "000"},       {-2147483647 - 1, 12, "-002147483648"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TGCounterLabel::formatNumber(c.number, c.digits), QLatin1String(c.text)) << c.number;
    // A damaged file cannot ask for an unbounded number of zeros.
    EXPECT_EQ(TGCounterLabel::formatNumber(1, 1000000000).size(), TGCounterLabel::MaxLeadingZeros);
}

TEST(CounterLabel, CaptionJoinsTheTextsAndTheNumber)
{
    TGCounterLabel c;
    c.SetTextBefore(QStringLiteral("No. "));
    c.SetTextAfter(QStringLiteral("/A"));
    c.SetStartingnumber(7);
    c.SetLeadingZeros(3);
    c.UpdateCaption();
    EXPECT_EQ(c.Caption(), QStringLiteral("No. 007/A"));
    c.SetLeadingZeros(0);
    c.UpdateCaption();
    EXPECT_EQ(c.Caption(), QStringLiteral("No. 7/A"));
}

TEST(CounterLabel, RepeatEachHoldsANumberForThatManyLabels)
{
    TGCounterLabel c;
    c.SetStartingnumber(5);
    c.SetRepeatEach(2);
    c.ResetSequence();
    QStringList printed;
    for (int i = 0; i < 6; ++i) {
        printed << c.Caption();
        c.NextLabel();
    }
    EXPECT_EQ(printed, (QStringList{"5", "5", "6", "6", "7", "7"}));

    // A second run starts again.
    c.ResetSequence();
    EXPECT_EQ(c.CurrentNumber(), 5);
    EXPECT_EQ(c.RepeatCount(), 0);
    EXPECT_EQ(c.Caption(), QStringLiteral("5"));

    c.SetRepeatEach(0); // only possible from a file: never advances
    for (int i = 0; i < 5; ++i)
        c.NextLabel();
    EXPECT_EQ(c.CurrentNumber(), 5);
}

TEST(CounterLabel, OnlyANewStartingNumberRestartsTheSequence)
{
    TGCounterLabel c;
    c.SetStartingnumber(10);
    c.NextLabel();
    EXPECT_EQ(c.CurrentNumber(), 11);
    c.SetStartingnumber(10);
    EXPECT_EQ(c.CurrentNumber(), 11);
    c.SetStartingnumber(20);
    EXPECT_EQ(c.CurrentNumber(), 20);
}

TEST(CounterLabel, PaintPadsTheCaptionAndAsksForAFreshLayout)
{
    TGCounterLabel c;
    c.SetStartingnumber(3);
    c.SetLeadingZeros(2);
    c.SetTextBefore(QStringLiteral("#"));
    QImage image(200, 60, QImage::Format_RGB32);
    Canvas canvas(&image);
    c.Paint(canvas, PaintContext());
    EXPECT_EQ(c.Caption(), QStringLiteral("#03"));
    EXPECT_TRUE(c.NeedsLayout());
}

namespace {

TGPLabel *typedLabel(FakePanelHost &panel, const QString &caption)
{
    auto *label = panel.adopt(new TGPLabel);
    label->SetBounds(100, 10, 10, 10);
    label->SetCaption(caption);
    label->GrowToFit();
    return label;
}

} // namespace

TEST(CounterLabel, ABoxTooNarrowForItsCaptionGrowsToShowItWholeAtEveryZoom)
{
    FakePanelHost panel;
    const TGPLabel *typed = typedLabel(panel, QStringLiteral("Ticket number 0007 pcs"));
    for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
        auto *c = panel.adopt(new TGCounterLabel);
        c->SetTextBefore(QStringLiteral("Ticket number "));
        c->SetStartingnumber(7);
        c->SetTextAfter(QStringLiteral(" pcs"));
        c->SetLeadingZeros(4);
        c->SetAlignment(alignment);
        c->UpdateCaption(); // as a file holds it
        c->Loaded();
        c->SetBounds(100, 10, 135, 20); // as a design made before stored it
        panel.resetCounts();
        test::paint(*c);
        EXPECT_EQ(c->Width(), typed->Width()) << alignment;
        const int grown = typed->Width() - 135;
        const int right = alignment == taRightJustify ? 235
                          : alignment == taCenter     ? 235 + grown - grown / 2
                                                      : 100 + typed->Width();
        EXPECT_EQ(c->Left() + c->Width(), right) << alignment; // the aligned edge stays
        EXPECT_EQ(c->unitBounds(), c->BoundsRect());
        EXPECT_EQ(panel.changes, 0) << alignment; // showing the caption is no change of the design

        // Zoomed, the text is drawn as large as a typed one, and whole.
        const QRect unit = c->unitBounds();
        c->SetScale(1.5f);
        test::paint(*c);
        const QImage zoomed = test::paint(*c);
        const QRect ink = test::inkBounds(zoomed, zoomed.rect());
        EXPECT_LT(ink.right(), c->Width() - 5) << alignment;
        c->SetScale(1.0f);
        EXPECT_EQ(c->unitBounds(), unit) << alignment;
    }
}

TEST(CounterLabel, ABoxThatGrewForItsCaptionSettlesAtEveryAngle)
{
    // Deep 3D copies around a one-digit number in a small font leave the
    // text no room the layout would keep; the box must still settle.
    FakePanelHost panel;
    for (int angle : {0, 90, 180, 270})
        for (int depth : {0, 10}) {
            auto *c = panel.adopt(new TGCounterLabel);
            c->Font()->setSize(6);
            c->SetDirectionHighlight(TGBaseLabel::hdUpLeft);
            c->SetDepthHighlight(depth);
            c->SetDepthShadow(depth);
            c->SetAngle(angle);
            c->SetBounds(50, 50, 4, 4);
            c->UpdateCaption();
            c->Loaded();
            test::paint(*c);
            test::paint(*c);
            const QRect settled = c->BoundsRect();
            panel.resetCounts();
            test::paint(*c);
            EXPECT_EQ(c->BoundsRect(), settled) << angle << " " << depth;
            EXPECT_EQ(panel.refits, 0) << angle << " " << depth;
        }
}

TEST(CounterLabel, ANumberThatGrowsLongerOnPaperIsPrintedWhole)
{
    FakePanelHost panel;
    auto *c = panel.adopt(new TGCounterLabel);
    c->SetTextBefore(QStringLiteral("No. "));
    c->SetStartingnumber(7);
    c->SetBounds(100, 10, 10, 10);
    c->UpdateCaption();
    c->GrowToFit();
    c->ResetSequence();
    for (int i = 7; i < 1000; ++i)
        c->NextLabel();
    ASSERT_EQ(c->Caption(), QStringLiteral("No. 1000"));
    EXPECT_EQ(test::printAlone(*c), test::printAlone(*typedLabel(panel, QStringLiteral("No. 1000"))));
}

TEST(CounterLabel, PopupHasCounterSettingsAndRotationButNoText)
{
    TGCounterLabel c;
    c.Loaded();
    PopupMenu &menu = c.ObjectMenu();
    EXPECT_GE(menu.indexOf(QStringLiteral("Counter Settings")), 0);
    EXPECT_GE(menu.indexOf(QStringLiteral("Rotation")), 0);
    EXPECT_EQ(menu.indexOf(QStringLiteral("Text")), -1);
    EXPECT_FALSE(c.EditCounter()); // no window installed: nothing changes
    EXPECT_EQ(c.Startingnumber(), 1);
}

// ---- symbol label -------------------------------------------------------------------------------

TEST(SymbolLabel, StartsAsAWingDingsCharacter)
{
    TGSymbolLabel s;
    EXPECT_EQ(s.Font()->name(), QStringLiteral("WingDings"));
    EXPECT_EQ(s.Font()->size(), 24);
    EXPECT_EQ(s.Caption(), QStringLiteral("["));
}

TEST(SymbolLabel, TheBoxHugsTheCharacterAndSnapsBack)
{
    FakePanelHost panel;
    auto *s = panel.adopt(new TGSymbolLabel);
    s->Loaded();
    s->SetBounds(20, 20, 142, 33);

    ScreenCanvas screen;
    const QSize extent = screen.canvas().TextExtent(s->SelectFont(screen.canvas()));
    const QSize fitted(truncTowardZero(1.1 * extent.width()), truncTowardZero(1.1 * extent.height()));
    EXPECT_EQ(s->BoundsRect(), QRect(QPoint(20, 20), fitted));

    s->SetBounds(20, 20, 300, 300); // a drag on a handle
    EXPECT_EQ(s->BoundsRect().size(), fitted);
    EXPECT_GE(panel.refits, 1);

    // Painting lays out without resizing, so no repaint follows.
    QImage image(200, 200, QImage::Format_RGB32);
    Canvas canvas(&image);
    panel.resetCounts();
    s->Paint(canvas, PaintContext());
    s->Paint(canvas, PaintContext());
    EXPECT_EQ(s->BoundsRect().size(), fitted);
    EXPECT_EQ(panel.repaints, 0);
}

TEST(SymbolLabel, KeepsItsFontWhenAFontIsAppliedToAll)
{
    TGSymbolLabel s;
    TFont f;
    f.setName(QStringLiteral("Arial"));
    s.ApplyFont(f);
    EXPECT_EQ(s.Font()->name(), QStringLiteral("WingDings"));
}

TEST(SymbolLabel, PopupDropsFontAndAlignmentAndAddsTheSelector)
{
    TGSymbolLabel s;
    s.Loaded();
    PopupMenu &menu = s.ObjectMenu();
    QStringList shown;
    for (int i = menu.indexOf(QStringLiteral("Center Horizontally")) + 1; i < menu.count(); ++i)
        if (menu.entry(i).visible)
            shown << menu.entry(i).caption;
    EXPECT_EQ(shown, (QStringList{"-", "3D Effects", "Transparent", "Background Color", "Border", "-",
                                  "Symbol Selector"}));
    EXPECT_FALSE(menu.trigger(QStringLiteral("Font")));
}

TEST(SymbolLabel, WingDingsCodesAreDrawnAsTheirSymbols)
{
    EXPECT_TRUE(SymbolFontMap::isWingDings(QStringLiteral("wingdings")));
    EXPECT_FALSE(SymbolFontMap::isWingDings(QStringLiteral("Webdings")));
    EXPECT_EQ(SymbolFontMap::unicodeFor(0x21), 0x1F589u);
    EXPECT_EQ(SymbolFontMap::unicodeFor(0xFC), 0x2713u);
    EXPECT_EQ(SymbolFontMap::unicodeFor(300), 0u);
    EXPECT_EQ(SymbolFontMap::toDisplay(QStringLiteral(" \xFC")), QStringLiteral(" \u2713"));

    // The stored font and caption stay; only the drawing face changes.
    TGSymbolLabel s;
    s.SetCaption(QString(QChar(0xFC)));
    ScreenCanvas screen;
    const QString drawn = s.SelectFont(screen.canvas());
    EXPECT_EQ(drawn, QStringLiteral("\u2713"));
    EXPECT_EQ(screen.canvas().Font()->name(), SymbolFontMap::displayFace());
    EXPECT_EQ(s.Font()->name(), QStringLiteral("WingDings"));
    EXPECT_EQ(s.Caption(), QString(QChar(0xFC)));
}
