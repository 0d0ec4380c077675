// What each kind of text object prints when a merged run fills its fields
// (the print substitution), and that the object itself stays as designed.
#include "FakePanelHost.h"
#include "ObjectTestUtil.h"

#include "objects/TGCounterLabel.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGSuperText.h"
#include "objects/TGSymbolLabel.h"
#include "report/TImageReport.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// Replaces each "${key}" by its value, as a merged run's substitution does.
TGGraphicControl::TextSubstitution values(const QMap<QString, QString> &fields)
{
    return [fields](QString text) {
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            text.replace("${" + it.key() + "}", it.value());
        return text;
    };
}

// A page image report that notes the texts it draws as outlines.
class OutlineLog : public TImageReport
{
public:
    OutlineLog()
        : TImageReport(96, 96)
    {
    }
    QStringList texts;

protected:
    void doPrintText(const QString &text, double x, double baseline, TTextAlign align) override
    {
        texts << text;
        TImageReport::doPrintText(text, x, baseline, align);
    }
};

// The texts the object prints as outlines.
QStringList outlines(TGGraphicControl &object)
{
    OutlineLog report;
    report.BeginDoc();
    object.PrintTo(report, 0, 0);
    report.EndDoc();
    return report.texts;
}

} // namespace

TEST(MergedTexts, MultiLineLeavesOutLinesThatMergeToNothing)
{
    FakePanelHost panel;
    auto *label = panel.adopt(new TGMultiLineLabel);
    label->SetItems({"${Name}", "${Street2}", "", "${City} ${Zip}", "  "});
    EXPECT_EQ(label->PrintedLines(), label->Items()->strings()); // no substitution: as designed

    label->SetPrintSubstitution(values({{"Name", "Ann"}, {"Street2", ""}, {"City", "Leeds"}, {"Zip", "LS1"}}));
    // The designed blank lines stay; the empty second street line goes.
    EXPECT_EQ(label->PrintedLines(), (QStringList{"Ann", "", "Leeds LS1", "  "}));
    label->SetPrintSubstitution(values({{"Name", "Bob"}, {"Street2", " "}, {"City", ""}, {"Zip", ""}}));
    EXPECT_EQ(label->PrintedLines(), (QStringList{"Bob", "", "  "}));
}

TEST(MergedTexts, MultiLineStartsANewLineAtABreakInAValueAndWrapsTheResult)
{
    FakePanelHost panel;
    auto *label = panel.adopt(new TGMultiLineLabel);
    label->SetItems({"${Address}"});
    label->SetPrintSubstitution(values({{"Address", "1 High St\nLeeds"}}));
    EXPECT_EQ(label->PrintedLines(), (QStringList{"1 High St", "Leeds"}));

    label->SetBounds(0, 0, 110, 100);
    label->SetWordWrap(true);
    const QStringList designed = label->WrappedLines();
    label->SetPrintSubstitution(values({{"Address", "Flat 2, Harbour Lane, Portsmouth"}}));
    const QStringList wrapped = label->PrintedLines();
    EXPECT_GT(wrapped.size(), 1);
    EXPECT_EQ(wrapped.join(' '), QStringLiteral("Flat 2, Harbour Lane, Portsmouth"));
    EXPECT_EQ(label->WrappedLines(), designed); // the design's wrap is untouched
}

TEST(MergedTexts, TextCounterAndSymbol)
{
    TGPLabel text;
    text.SetCaption("Dear ${Name}");
    text.SetPrintSubstitution(values({{"Name", "Ann\nLee"}}));
    EXPECT_EQ(text.PrintedCaption(), "Dear Ann Lee"); // one line: the break prints as a space
    EXPECT_EQ(text.Caption(), "Dear ${Name}");

    TGCounterLabel counter;
    counter.SetStartingnumber(42);
    counter.SetLeadingZeros(4);
    counter.SetTextBefore("${Shop}-");
    counter.SetTextAfter("/${Shop}");
    counter.ResetSequence();
    counter.SetPrintSubstitution(values({{"Shop", "K2"}}));
    EXPECT_EQ(counter.PrintedCaption(), "K2-0042/K2");
    EXPECT_EQ(counter.SubstitutedTexts(), (QStringList{"${Shop}-", "/${Shop}"}));

    TGSymbolLabel symbol;
    symbol.SetCaption("${");
    symbol.SetPrintSubstitution([](const QString &) { return QStringLiteral("changed"); });
    EXPECT_EQ(symbol.PrintedCaption(), "${");
    EXPECT_TRUE(symbol.SubstitutedTexts().isEmpty());
}

TEST(MergedTexts, EachRecordStartsFromTheDesignedBoxOfATurnedLabel)
{
    // A turned label fits its height to the text it prints; a short record
    // must not leave the next, longer one in a shrunken box.
    FakePanelHost panel;
    auto *text = panel.adopt(new TGPLabel);
    text->SetCaption("${Name}");
    text->SetBounds(10, 10, 30, 300);
    text->SetAngle(90);
    const QRect designed = text->BoundsRect();
    TImageReport report(96, 96);
    report.BeginDoc();
    QString name = "Al";
    text->SetPrintSubstitution([&name](QString t) { return t.replace("${Name}", name); });
    text->PrintTo(report, 0, 0);
    EXPECT_EQ(text->BoundsRect(), designed);
    name = "Bartholomew Longname-Smith";
    text->PrintTo(report, 0, 0);
    EXPECT_EQ(text->BoundsRect(), designed);
    report.EndDoc();
}

TEST(MergedTexts, SuperTextPrintsItsCaptionFilledOnOneLine)
{
    FakePanelHost panel;
    auto *text = panel.adopt(new TGSuperText);
    text->Loaded();
    text->SetCaption("Hi ${Name}!");
    text->SetBounds(0, 0, 400, 60);
    EXPECT_EQ(text->SubstitutedTexts(), QStringList{"Hi ${Name}!"});
    text->SetPrintSubstitution(values({{"Name", "Ann\nLee"}}));
    const QStringList texts = outlines(*text);
    ASSERT_FALSE(texts.isEmpty());
    for (const QString &printed : texts) // the shadow, then the letters
        EXPECT_EQ(printed, "Hi Ann Lee!");
    EXPECT_EQ(text->Caption(), "Hi ${Name}!");
}

namespace {

TGPLabel *typedText(FakePanelHost &panel, const QString &caption, TAlignment alignment, const QRect &drawn)
{
    auto *label = panel.adopt(new TGPLabel);
    label->SetBounds(drawn.x(), drawn.y(), drawn.width(), drawn.height());
    label->SetAlignment(alignment);
    label->SetCaption(caption);
    label->GrowToFit();
    return label;
}

const QString kLong = QStringLiteral("Bartholomew Longname-Smith");

} // namespace

TEST(MergedTexts, AFilledTextLabelPrintsWholeAsIfTheValueHadBeenTyped)
{
    FakePanelHost panel;
    for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
        TGPLabel *merged = typedText(panel, "Hello ${Name}", alignment, QRect(100, 20, 10, 10));
        const QRect designed = merged->BoundsRect();
        TGPLabel *typed = typedText(panel, "Hello " + kLong, alignment, QRect(100, 20, 10, 10));
        ASSERT_GT(typed->Width(), designed.width());
        // The typed box grows to the right; the filled one keeps the edge
        // its text is aligned to.
        const int grown = typed->Width() - designed.width();
        const int shift = alignment == taRightJustify ? grown : alignment == taCenter ? grown / 2 : 0;
        typed->SetBounds(designed.x() - shift, designed.y(), typed->Width(), typed->Height());

        merged->SetPrintSubstitution(values({{"Name", kLong}}));
        EXPECT_EQ(printAlone(*merged), printAlone(*typed)) << alignment;
        EXPECT_EQ(merged->BoundsRect(), designed) << alignment; // every record starts from the design
        EXPECT_EQ(merged->Caption(), "Hello ${Name}");
        // A value that fits changes nothing.
        merged->SetPrintSubstitution(values({{"Name", "Al"}}));
        printAlone(*merged);
        EXPECT_EQ(merged->BoundsRect(), designed) << alignment;
    }
}

TEST(MergedTexts, AFilledTurnedLabelLengthensFromWhereItsTextStarts)
{
    FakePanelHost panel;
    for (int angle : {90, 180, 270}) {
        const bool across = angle == 180;
        auto *label = panel.adopt(new TGPLabel);
        label->SetCaption("${Name}");
        const QRect drawn = across ? QRect(300, 10, 300, 30) : QRect(10, 300, 30, 300);
        label->SetBounds(drawn.x(), drawn.y(), drawn.width(), drawn.height());
        label->SetAngle(angle);
        printAlone(*label); // lays the design out: the box shrinks to the placeholder
        const QRect designed = label->BoundsRect();
        label->SetPrintSubstitution(values({{"Name", kLong}}));
        const QImage page = printAlone(*label);
        const QRect ink = inkBounds(page, page.rect());

        auto *typed = panel.adopt(new TGPLabel);
        typed->SetCaption(kLong);
        const QRect roomy = across ? QRect(0, 10, 400, 30) : QRect(10, 0, 30, 400);
        typed->SetBounds(roomy.x(), roomy.y(), roomy.width(), roomy.height());
        typed->SetAngle(angle);
        const QImage typedPage = printAlone(*typed);
        const QRect whole = inkBounds(typedPage, typedPage.rect());
        EXPECT_EQ(across ? ink.width() : ink.height(), across ? whole.width() : whole.height()) << angle;
        // The text keeps its start: the foot at 90, the right edge upside
        // down, the top at 270.
        if (angle == 90)
            EXPECT_LE(ink.bottom(), designed.bottom());
        else if (angle == 180)
            EXPECT_LE(ink.right(), designed.right());
        else
            EXPECT_GE(ink.top(), designed.top());
        EXPECT_EQ(label->BoundsRect(), designed) << angle;
    }
}

TEST(MergedTexts, ACounterWithFieldsAroundItsNumberPrintsWhole)
{
    FakePanelHost panel;
    auto *counter = panel.adopt(new TGCounterLabel);
    counter->SetTextBefore("${Shop} ");
    counter->SetStartingnumber(7);
    counter->SetLeadingZeros(4);
    counter->SetTextAfter(" for ${Name}");
    counter->SetBounds(20, 20, 10, 10);
    counter->UpdateCaption();
    counter->GrowToFit();
    const QRect designed = counter->BoundsRect();
    TGPLabel *typed = typedText(panel, "K2 0007 for " + kLong, taLeftJustify, designed);

    counter->SetPrintSubstitution(values({{"Shop", "K2"}, {"Name", kLong}}));
    EXPECT_EQ(printAlone(*counter), printAlone(*typed));
    EXPECT_EQ(counter->BoundsRect(), designed);
}

TEST(MergedTexts, FilledLinesOfAMultiLineLabelAreNotCutAtThePlaceholdersBox)
{
    FakePanelHost panel;
    for (TAlignment alignment : {taLeftJustify, taRightJustify}) {
        auto *label = panel.adopt(new TGMultiLineLabel);
        label->SetAlignment(alignment);
        label->SetItems({"${Street}", "${City}"});
        label->SetBounds(200, 20, 10, 10);
        label->FitToText();
        const QRect designed = label->BoundsRect();
        // The same lines typed into a box that holds them with room to
        // spare, its aligned edge where the designed box has it.
        auto *typed = panel.adopt(new TGMultiLineLabel);
        typed->SetAlignment(alignment);
        typed->SetItems({"1200 Longstreet Boulevard", "Flat 2", "Saint-Jean-sur-Richelieu"});
        const int left = alignment == taLeftJustify ? designed.left() : designed.right() + 1 - 300;
        typed->SetBounds(left, designed.top(), 300, 100);

        // A line break in a value adds a line the designed box has no room for.
        label->SetPrintSubstitution(
            values({{"Street", "1200 Longstreet Boulevard\nFlat 2"}, {"City", "Saint-Jean-sur-Richelieu"}}));
        EXPECT_EQ(printAlone(*label), printAlone(*typed)) << alignment;
        EXPECT_EQ(label->BoundsRect(), designed);
    }
}

TEST(MergedTexts, SuperTextWidensForAFilledCaptionInsteadOfCuttingIt)
{
    FakePanelHost panel;
    auto *text = panel.adopt(new TGSuperText);
    text->Loaded();
    text->SetCaption("Hi ${Name}!");
    text->SetBounds(0, 0, 10, 10);
    text->FitToText();
    const QRect designed = text->BoundsRect();
    text->SetPrintSubstitution(values({{"Name", kLong}}));
    const QStringList texts = outlines(*text);
    ASSERT_FALSE(texts.isEmpty());
    for (const QString &printed : texts) // the shadow, then the letters
        EXPECT_EQ(printed, "Hi Bartholomew Longname-Smith!");
    EXPECT_EQ(text->BoundsRect(), designed);

    // Typed text that does not fit is still cut, as on the panel.
    text->SetPrintSubstitution({});
    text->SetCaption("Hi " + kLong + "!");
    const QStringList typed = outlines(*text);
    ASSERT_FALSE(typed.isEmpty());
    EXPECT_TRUE(QString("Hi " + kLong + "!").startsWith(typed.first()));
    EXPECT_LT(typed.first().size(), kLong.size());
}
