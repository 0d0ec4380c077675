// The multi-line label: stored properties, word wrap, the screen's lines
// and placeholders, fitting the box, and the lines on paper.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/ScreenCanvas.h"
#include "objects/TGMultiLineLabel.h"
#include "persistence/ClassRegistry.h"
#include "platform/PropertyInfo.h"
#include "report/TImageReport.h"

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// Ten pixels a character: wrap positions can be read off the text.
int tenEach(const QString &s)
{
    return int(s.size()) * 10;
}

QStringList wrap(const QString &line, int width)
{
    return TGMultiLineBaseLabel::WrapLine(line, width, tenEach);
}

// Screen text metrics in the label's font.
struct Measure
{
    ScreenCanvas screen;
    explicit Measure(const TGMultiLineBaseLabel &label) { label.SelectFont(screen.canvas()); }
    int lineHeight() { return screen.canvas().TextHeight(QStringLiteral("XXX")); }
    int width(const QString &s) { return screen.canvas().TextWidth(s); }
};

// Printed with the label's corner at (1, 1) inch on a 300 dpi page.
QImage printAt300(TGGraphicControl &object)
{
    TImageReport report(300, 300);
    report.BeginDoc();
    object.PrintTo(report, 1.0, 1.0);
    report.EndDoc();
    return report.PageImage(0);
}

const QStringList kAddress{QStringLiteral("Ms Jane Miller"), QStringLiteral("14 Harbour Street"),
                           QStringLiteral("Lowmoor LM4 9QT")};

} // namespace

// ---- stored properties ------------------------------------------------------------------

TEST(MultiLineProperties, DefaultsAndStreamOrder)
{
    EXPECT_FALSE(PropertyInfo::defaultValue(&TGMultiLineLabel::staticMetaObject, "AutoSize").isValid());
    TGMultiLineLabel l;
    EXPECT_EQ(l.BoundsRect(), QRect(0, 0, 190, 33));
    EXPECT_EQ(l.Font()->name(), QStringLiteral("Arial"));
    EXPECT_EQ(l.Font()->size(), 10);
    const QByteArray plain = write(&l);
    EXPECT_TRUE(plain.contains("AutoSize")); // always written
    EXPECT_FALSE(plain.contains("Alignment"));
    EXPECT_FALSE(plain.contains("WordWrap"));
    EXPECT_FALSE(plain.contains("Items.Strings")); // an empty list is not written

    l.SetItems(kAddress);
    l.SetWordWrap(true);
    l.SetAlignment(taCenter);
    const QByteArray data = write(&l);
    EXPECT_LT(data.indexOf("Unselectable"), data.indexOf("Items.Strings"));
    EXPECT_LT(data.indexOf("Items.Strings"), data.indexOf("AutoSize"));
    EXPECT_LT(data.indexOf("AutoSize"), data.indexOf("Alignment"));
    EXPECT_LT(data.indexOf("Alignment"), data.indexOf("Font.Name"));
    EXPECT_LT(data.indexOf("Font.Name"), data.indexOf("WordWrap"));
}

TEST(MultiLineProperties, RoundTripRewrapsOnReading)
{
    RegisterClass<TGMultiLineLabel>();
    const QStringList items{QStringLiteral("one two three four"), QString(), QStringLiteral("  five")};
    TGMultiLineLabel l;
    l.SetBounds(3, 4, 70, 50);
    l.SetItems(items);
    l.SetAutoSize(true);
    l.SetAlignment(taRightJustify);
    l.Font()->setName(QStringLiteral("Times New Roman"));
    l.Font()->setSize(14);
    l.Font()->setStyle(fsItalic);
    l.Font()->setColor(clPurple);
    l.SetWordWrap(true);

    QObject parent;
    auto *r = readBack<TGMultiLineLabel>(&parent, write(&l));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->BoundsRect(), QRect(3, 4, 70, 50));
    EXPECT_EQ(r->Items()->strings(), items);
    EXPECT_TRUE(r->AutoSize());
    EXPECT_EQ(r->Alignment(), taRightJustify);
    EXPECT_EQ(r->Font()->name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(r->Font()->size(), 14);
    EXPECT_EQ(r->Font()->style(), TFontStyles(fsItalic));
    EXPECT_EQ(r->Font()->color(), clPurple);
    EXPECT_TRUE(r->WordWrap());
    EXPECT_GT(r->WrappedLines().size(), 3); // the first line wraps at 70 pixels
    EXPECT_EQ(r->WrappedLines(), l.WrappedLines());
}

TEST(MultiLineWrap, BreaksAtWordBoundaries)
{
    EXPECT_EQ(wrap(QStringLiteral("aaa bbb ccc"), 70), (QStringList{"aaa bbb", "ccc"}));
    // An exact fit stays on the line; one pixel less moves the word down.
    EXPECT_EQ(wrap(QStringLiteral("aaa bbb"), 70), (QStringList{"aaa bbb"}));
    EXPECT_EQ(wrap(QStringLiteral("aaa bbb"), 69), (QStringList{"aaa", "bbb"}));
    // The spaces at a break belong to neither line.
    EXPECT_EQ(wrap(QStringLiteral("aaa    bbb"), 50), (QStringList{"aaa", "bbb"}));
    // Trailing spaces hang past the edge and stay with the last line;
    // leading spaces stay with the first word.
    EXPECT_EQ(wrap(QStringLiteral("aaa      "), 30), (QStringList{"aaa      "}));
    EXPECT_EQ(wrap(QStringLiteral("aaa bbb  "), 30), (QStringList{"aaa", "bbb  "}));
    EXPECT_EQ(wrap(QStringLiteral("  aa bb"), 40), (QStringList{"  aa", "bb"}));
    EXPECT_EQ(wrap(QStringLiteral("     "), 20), (QStringList{"     "}));
    EXPECT_EQ(wrap(QString(), 50), (QStringList{QString()}));
    // A word wider than the line breaks after the last character that fits.
    EXPECT_EQ(wrap(QStringLiteral("ab abcdefghij xy"), 40), (QStringList{"ab", "abcd", "efgh", "ij", "xy"}));
    EXPECT_EQ(wrap(QStringLiteral("abc"), 0), (QStringList{"a", "b", "c"}));
}

TEST(MultiLineWrap, RewrapsOnEveryTrigger)
{
    FakePanelHost panel;
    auto *l = panel.adopt(new TGMultiLineLabel);
    l->Loaded();
    const QStringList whole{QStringLiteral("Harbour Street and Quay"), QString()};
    l->SetItems(whole);
    l->SetWordWrap(true);
    EXPECT_EQ(l->WrappedLines(), whole);
    l->setWidth(70);
    const QStringList narrow = l->WrappedLines();
    EXPECT_GT(narrow.size(), 2);
    EXPECT_EQ(narrow.join(QLatin1Char(' ')).simplified(), whole.first());
    l->setWidth(190);
    EXPECT_EQ(l->WrappedLines(), whole);

    TFont big;
    big.setName(QStringLiteral("Arial"));
    big.setSize(24);
    l->ApplyFont(big);
    EXPECT_GT(l->WrappedLines().size(), 2);
    l->SetWordWrap(false);
    EXPECT_EQ(l->Lines(), whole);

    // At a zoom the font and the width scale together.
    TGMultiLineLabel z;
    z.SetItems(whole);
    z.setWidth(120);
    z.SetWordWrap(true);
    const QStringList atOne = z.WrappedLines();
    z.SetScale(1.5f);
    EXPECT_EQ(z.WrappedLines(), atOne);
}

TEST(MultiLinePaint, BlankPlaceholdersOnlyOnScreen)
{
    TGMultiLineLabel l;
    l.SetBounds(0, 0, 120, 60);
    const int h = Measure(l).lineHeight();
    QImage image = paint(l);
    EXPECT_FALSE(inkBounds(image, QRect(0, 0, 120, h)).isNull());
    EXPECT_TRUE(inkBounds(paint(l, false), image.rect()).isNull());
    // One line of spaces: a blank first line and "<blank>" below it.
    l.SetItems({QStringLiteral("   ")});
    image = paint(l);
    EXPECT_TRUE(inkBounds(image, QRect(0, 0, 120, h)).isNull());
    EXPECT_FALSE(inkBounds(image, QRect(0, h, 120, h)).isNull());
    l.SetItems({QString(), QString()});
    EXPECT_TRUE(inkBounds(paint(l), image.rect()).isNull());
}

TEST(MultiLinePaint, LinesAreBandsOfTheFontsHeightAndAligned)
{
    TGMultiLineLabel l;
    l.SetBounds(0, 0, 150, 100);
    l.SetItems(kAddress);
    Measure m(l);
    const int h = m.lineHeight();
    const QImage left = paint(l);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(inkBounds(left, QRect(0, i * h, 150, h)).isNull()) << i;
    EXPECT_TRUE(inkBounds(left, QRect(0, 3 * h, 150, 100 - 3 * h)).isNull());

    // The same line moves by exactly the alignment's offset.
    const int w = m.width(kAddress.at(1));
    const QRect band(0, h, 150, h);
    const int x0 = inkBounds(left, band).left();
    l.SetAlignment(taRightJustify);
    EXPECT_EQ(inkBounds(paint(l), band).left() - x0, 150 - w - 1); // one pixel before the edge
    l.SetAlignment(taCenter);
    EXPECT_EQ(inkBounds(paint(l), band).left() - x0, 150 / 2 - w / 2 + 1);
}

TEST(MultiLinePaint, FitToText)
{
    TGMultiLineLabel l;
    l.SetBounds(5, 6, 300, 20);
    l.SetItems(kAddress);
    Measure m(l);
    l.FitToText();
    EXPECT_EQ(l.BoundsRect(), QRect(5, 6, 300, 3 * m.lineHeight())); // a wider box keeps its width
    l.setWidth(20);
    l.FitToText();
    EXPECT_EQ(l.Width(), std::max({m.width(kAddress[0]), m.width(kAddress[1]), m.width(kAddress[2])}));
    l.setWidth(80);
    l.SetWordWrap(true);
    l.FitToText();
    EXPECT_EQ(l.Width(), 80);
    EXPECT_EQ(l.Height(), m.lineHeight() * l.WrappedLines().size());
    l.SetItems({});
    l.FitToText();
    EXPECT_EQ(l.Height(), 0);
}

TEST(MultiLineMenu, EntriesAndChecks)
{
    FakePanelHost panel;
    auto *l = panel.adopt(new TGMultiLineLabel);
    l->Loaded();
    PopupMenu &m = l->ObjectMenu();
    QStringList captions;
    for (int i = m.indexOf(QStringLiteral("Center Horizontally")) + 1; i < m.count(); ++i)
        captions << m.entry(i).caption;
    EXPECT_EQ(captions, (QStringList{"-", "Font", "Alignment", "-", "Text", "Word Wrap"}));
    panel.resetCounts();
    ASSERT_TRUE(m.trigger(QStringLiteral("Word Wrap")));
    EXPECT_TRUE(l->WordWrap());
    EXPECT_TRUE(m.entry(m.indexOf(QStringLiteral("Word Wrap"))).checked);
    EXPECT_EQ(panel.changes, 1);
    PopupMenu &align = *m.entry(m.indexOf(QStringLiteral("Alignment"))).submenu;
    align.trigger(QStringLiteral("Right"));
    EXPECT_EQ(l->Alignment(), taRightJustify);
    m.popup(QPoint());
    EXPECT_TRUE(align.entry(2).checked);
    EXPECT_FALSE(align.entry(0).checked);
}

TEST(MultiLineMenu, TheToolsEditorFitsOnlyAText)
{
    FakePanelHost panel;
    auto *l = panel.adopt(new TGMultiLineLabel);
    l->Loaded();
    l->SetBounds(10, 10, 60, 40);
    TGMultiLineLabel::TextEditor = [](QStringList &, const TFont &) { return false; };
    EXPECT_FALSE(l->EditAndFit());
    EXPECT_EQ(l->BoundsRect(), QRect(10, 10, 60, 40)); // no text: the drawn box stays

    TGMultiLineLabel::TextEditor = [](QStringList &lines, const TFont &) {
        lines = kAddress;
        return true;
    };
    l->SetWordWrap(true);
    panel.resetCounts();
    EXPECT_TRUE(l->EditAndFit());
    EXPECT_EQ(l->Items()->strings(), kAddress);
    EXPECT_GE(panel.changes, 1);
    EXPECT_GT(l->WrappedLines().size(), 3); // wrapped at 60 pixels
    EXPECT_EQ(l->Height(), Measure(*l).lineHeight() * l->WrappedLines().size());
    TGMultiLineLabel::TextEditor = nullptr;
}

TEST(MultiLinePrint, EmptyLabelPrintsNothing)
{
    ScreenResolution screen(96);
    TGMultiLineLabel l;
    l.SetBounds(0, 0, 96, 48);
    EXPECT_TRUE(inkBounds(printAt300(l), QRect(250, 250, 400, 250)).isNull());
    l.SetItems({QStringLiteral("   ")});
    EXPECT_TRUE(inkBounds(printAt300(l), QRect(250, 250, 400, 250)).isNull());
}

TEST(MultiLinePrint, LinesStepByTheFontsLineHeightAndStopAtTheBox)
{
    ScreenResolution screen(96);
    TGMultiLineLabel l;
    l.Font()->setColor(clBlack);
    l.Font()->setSize(12); // line height 12 / 60 inch = 60 pixels at 300 dpi
    l.SetItems({QStringLiteral("HHHH"), QStringLiteral("HHHH"), QStringLiteral("HHHH")});
    // The box is 0.5 inch (150 pixels) high from y 1.25 inch (375): the
    // third line starts at 495 and is cut at 525.
    l.SetBounds(0, 24, 192, 48);
    QImage page = printAt300(l);
    const QRect first = inkBounds(page, QRect(300, 375, 600, 60));
    const QRect second = inkBounds(page, QRect(300, 435, 600, 60));
    const QRect third = inkBounds(page, QRect(300, 495, 600, 100));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(second.top() - first.top(), 60);
    ASSERT_FALSE(third.isNull());
    EXPECT_EQ(third.bottom(), 524); // clipped to the box
    EXPECT_LT(third.height(), first.height());
    EXPECT_TRUE(inkBounds(page, QRect(300, 525, 600, 200)).isNull());

    // The box ending at row 434 (19 pixels: 1.25 + 19 / 96 inch): the
    // second line, starting at 435, is left out; ending at 468 (30 pixels)
    // the second line is printed down to the box's bottom.
    l.SetBounds(0, 24, 192, 19);
    page = printAt300(l);
    EXPECT_EQ(inkBounds(page, QRect(300, 375, 600, 400)), first);
    l.SetBounds(0, 24, 192, 30);
    page = printAt300(l);
    const QRect cut = inkBounds(page, QRect(300, 435, 600, 300));
    ASSERT_FALSE(cut.isNull());
    EXPECT_EQ(cut.top(), second.top());
    EXPECT_EQ(cut.bottom(), 468);
}

TEST(MultiLinePrint, RightAlignmentLeavesKDevicePixels)
{
    ScreenResolution screen(96);
    TGMultiLineLabel l;
    l.Font()->setColor(clBlack);
    l.SetItems({QStringLiteral("Lowmoor")});
    l.SetBounds(0, 0, 192, 30);
    const QRect band(250, 250, 700, 100);
    const int leftInk = inkBounds(printAt300(l), band).left();

    // The same text measured as the report measures it.
    TImageReport report(300, 300);
    report.BeginDoc();
    report.SetFont(QStringLiteral("Arial"), 10);
    const int w = qRound(report.TextWidth(QStringLiteral("Lowmoor")) * 300);
    report.EndDoc();

    l.SetAlignment(taRightJustify);
    const int k = 300 / 96; // 3 device pixels per screen pixel
    EXPECT_EQ(inkBounds(printAt300(l), band).left() - leftInk, 600 - (w + k));
    l.SetAlignment(taCenter);
    EXPECT_EQ(inkBounds(printAt300(l), band).left() - leftInk, 600 / 2 - w / 2 + k);
}
