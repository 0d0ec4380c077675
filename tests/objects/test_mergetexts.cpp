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
    OutlineLog report;
    report.BeginDoc();
    text->PrintTo(report, 0, 0);
    report.EndDoc();
    ASSERT_FALSE(report.texts.isEmpty());
    for (const QString &printed : report.texts) // the shadow, then the letters
        EXPECT_EQ(printed, "Hi Ann Lee!");
    EXPECT_EQ(text->Caption(), "Hi ${Name}!");
}
