#include "layouts/TemplateCatalogue.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

TLabelLayout tpl(const QString &name, const QString &category, const QString &printer, const QString &paper)
{
    TLabelLayout l;
    l.LayoutName = name;
    l.ProductCategory = category;
    l.PrinterType = printer;
    l.PaperCode = paper;
    return l;
}

QStringList texts(const std::vector<TemplateCatalogue::ListLine> &lines)
{
    QStringList out;
    for (const auto &line : lines)
        out << line.text;
    return out;
}

} // namespace

TEST(TemplateCatalogue, RegionSearchesInsideThePaperCode)
{
    // European: "A4" or "A5" anywhere in the code; United States: neither,
    // so an empty or unknown code counts as United States.
    struct Case { const char *code; bool us; bool eu; };
    for (const Case c : {Case{"LTR", true, false}, Case{"LTRL", true, false}, Case{"A4", false, true},
                         Case{"A4L", false, true}, Case{"A5", false, true}, Case{"", true, false},
                         Case{"XA4X", false, true}, Case{"a4", true, false}}) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(TemplateCatalogue::regionMatches(QString::fromLatin1(c.code), RegionItem::UnitedStates), c.us);
        EXPECT_EQ(TemplateCatalogue::regionMatches(QString::fromLatin1(c.code), RegionItem::European), c.eu);
        EXPECT_TRUE(TemplateCatalogue::regionMatches(QString::fromLatin1(c.code), RegionItem::All));
    }
}

TEST(TemplateCatalogue, ProductAndPrinterKeywordsMatchUpperCasedFields)
{
    EXPECT_TRUE(TemplateCatalogue::productMatches("File Folder Labels", ProductTypeItem::FileFolder));
    EXPECT_TRUE(TemplateCatalogue::productMatches("FILE LABELS", ProductTypeItem::FileFolder));
    EXPECT_FALSE(TemplateCatalogue::productMatches("FOLDER LABELS", ProductTypeItem::FileFolder));
    EXPECT_TRUE(TemplateCatalogue::productMatches("BUSINESS CARDS", ProductTypeItem::Card));
    EXPECT_TRUE(TemplateCatalogue::productMatches("INDEX CARDS", ProductTypeItem::Card));
    EXPECT_TRUE(TemplateCatalogue::productMatches("DISKETTE LABELS", ProductTypeItem::Diskette));
    EXPECT_FALSE(TemplateCatalogue::productMatches("ADDRESS/SHIPPING LABELS", ProductTypeItem::Misc));
    EXPECT_TRUE(TemplateCatalogue::productMatches("", ProductTypeItem::All));

    EXPECT_TRUE(TemplateCatalogue::printerMatches("lj", PrinterTypeItem::Laserjet));
    EXPECT_FALSE(TemplateCatalogue::printerMatches("IJ", PrinterTypeItem::Laserjet));
    EXPECT_TRUE(TemplateCatalogue::printerMatches("IJ", PrinterTypeItem::Inkjet));
    EXPECT_FALSE(TemplateCatalogue::printerMatches("", PrinterTypeItem::Inkjet));
    EXPECT_TRUE(TemplateCatalogue::printerMatches("", PrinterTypeItem::All));
}

TEST(TemplateCatalogue, FilterKeepsTemplatesPassingAllThreeTestsSortedByShortName)
{
    TemplateCatalogue cat;
    cat.FillArray({
        tpl("Avery 8160 Address", "ADDRESS/SHIPPING LABELS", "IJ", "LTR"),   // 1
        tpl("Avery 5160 Address", "ADDRESS/SHIPPING LABELS", "LJ", "LTR"),   // 2
        tpl("", "ADDRESS/SHIPPING LABELS", "LJ", "LTR"),                     // 3: free
        tpl("Avery L7160 Address", "ADDRESS/SHIPPING LABELS", "LJ", "A4"),   // 4
        tpl("Avery 5066 File Folder", "FILE FOLDER LABELS", "LJ", "LTR"),    // 5
        tpl("Avery 5163 shipping", "address/shipping labels", "lj", "LTR"),  // 6: lower case
        tpl("Short", "ADDRESS", "LJ", "LTR"),                                // 7: empty line text
    });

    const auto us = cat.FilterTemplates(ProductTypeItem::Address, PrinterTypeItem::Laserjet, RegionItem::UnitedStates);
    EXPECT_EQ(texts(us), (QStringList{"", "5160 Address", "5163 shipping"}));
    EXPECT_EQ(us[1].index.Index, 2);
    EXPECT_EQ(us[2].index.Index, 6);
    EXPECT_EQ(us[0].index.Index, 7);

    EXPECT_EQ(texts(cat.FilterTemplates(ProductTypeItem::Address, PrinterTypeItem::All, RegionItem::European)),
              (QStringList{"L7160 Address"}));
    EXPECT_EQ(texts(cat.FilterTemplates(ProductTypeItem::FileFolder, PrinterTypeItem::All, RegionItem::All)),
              (QStringList{"5066 File Folder"}));
    EXPECT_EQ(cat.FilterTemplates(ProductTypeItem::All, PrinterTypeItem::All, RegionItem::All).size(), 6u);
    EXPECT_EQ(cat.count(), 6);
}

TEST(TemplateCatalogue, SortIgnoresCaseAndKeepsTableOrderForEqualLines)
{
    TemplateCatalogue cat;
    cat.FillArray({tpl("Avery b", "MISC", "", ""), tpl("Avery A", "MISC", "", ""), tpl("Avery B", "MISC", "", ""),
                   tpl("Avery a", "MISC", "", "")});
    const auto lines = cat.FilterTemplates(ProductTypeItem::All, PrinterTypeItem::All, RegionItem::All);
    EXPECT_EQ(texts(lines), (QStringList{"A", "a", "b", "B"}));
}

TEST(TemplateCatalogue, FillArrayNeverStoresBeyondTheTable)
{
    std::vector<TLabelLayout> entries;
    for (int i = 1; i <= TemplateCatalogue::TableSize + 5; ++i)
        entries.push_back(tpl(QStringLiteral("Avery %1").arg(i), "MISC", "LJ", "LTR"));
    TemplateCatalogue cat;
    EXPECT_EQ(cat.FillArray(entries), 5);
    EXPECT_EQ(cat.count(), TemplateCatalogue::TableSize);
    EXPECT_EQ(cat.slot(300).LayoutName, "Avery 300");
    EXPECT_TRUE(cat.slot(301).LayoutName.isEmpty());
    EXPECT_TRUE(cat.slot(0).LayoutName.isEmpty());

    // Loading again starts from an empty table.
    EXPECT_EQ(cat.FillArray({tpl("Avery x", "MISC", "", "")}), 0);
    EXPECT_EQ(cat.count(), 1);
}

TEST(TemplateCatalogue, DescriptionListsMeasurementsThenThePaperLine)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.LabelWidth = 2.625;
    EXPECT_EQ(TemplateCatalogue::descriptionLines(l),
              (QStringList{"Label Height: 1", "Label Width: 2.625", "# Across: 3", "# Down: 10", "Top Margin: 0.5",
                           "Left Margin: 0.188", "Horizontal Pitch: 2.765", "Vertical Pitch: 1.01",
                           "Page Width: 8.5", "Page Height: 11", "Paper Size: Letter"}));
    l.PaperCode = "A4L";
    EXPECT_EQ(TemplateCatalogue::descriptionLines(l).last(), "Paper Size: A4 Landscape");
    l.PaperCode = "a4";
    EXPECT_EQ(TemplateCatalogue::descriptionLines(l).size(), 10);
    // Single-precision values show all their digits, up to 15.
    l.LabelWidth = static_cast<double>(2.65f);
    EXPECT_EQ(TemplateCatalogue::descriptionLines(l).at(1), "Label Width: 2.65000009536743");
}

TEST(TemplateCatalogue, PresetsFromTheCurrentLayout)
{
    EXPECT_EQ(TemplateCatalogue::productPreset("address/shipping labels"), ProductTypeItem::Address);
    EXPECT_EQ(TemplateCatalogue::productPreset("FILE FOLDER LABELS"), ProductTypeItem::FileFolder);
    // The preset looks for "FOLDER", not "FILE".
    EXPECT_EQ(TemplateCatalogue::productPreset("FILE LABELS"), ProductTypeItem::All);
    // The first keyword in the list wins: CARD before INDEX.
    EXPECT_EQ(TemplateCatalogue::productPreset("INDEX CARDS"), ProductTypeItem::Card);
    EXPECT_EQ(TemplateCatalogue::productPreset(""), ProductTypeItem::All);

    EXPECT_EQ(TemplateCatalogue::printerPreset("LJ"), PrinterTypeItem::Laserjet);
    EXPECT_EQ(TemplateCatalogue::printerPreset("IJ"), PrinterTypeItem::Inkjet);
    EXPECT_EQ(TemplateCatalogue::printerPreset("lj"), PrinterTypeItem::All);

    EXPECT_EQ(TemplateCatalogue::regionPreset("a4l"), RegionItem::European);
    EXPECT_EQ(TemplateCatalogue::regionPreset("A5"), RegionItem::European);
    EXPECT_EQ(TemplateCatalogue::regionPreset("ltr"), RegionItem::UnitedStates);
    EXPECT_EQ(TemplateCatalogue::regionPreset(""), RegionItem::All);

    EXPECT_TRUE(TemplateCatalogue::isUserDefinedName("User Defined"));
    EXPECT_FALSE(TemplateCatalogue::isUserDefinedName("Avery 5160 Address"));

    EXPECT_EQ(TemplateCatalogue::typeAheadText("avery 5160 Address"), "5160 Address");
    EXPECT_EQ(TemplateCatalogue::typeAheadText("Acme 5160 Address"), "Acme 5160 Address");
    EXPECT_EQ(TemplateCatalogue::listText("Avery"), "");
    EXPECT_EQ(TemplateCatalogue::listText("Avery 5160"), "5160");
}

TEST(TemplateCatalogue, SelectByPrefixSearchesFromTheNextLineAndWraps)
{
    const QStringList lines{"5160 Address", "5161 Address", "5160 Copy", "8160 Address"};
    // From start 0 the search begins at line 1, so line 0 is found last.
    EXPECT_EQ(TemplateCatalogue::selectByPrefix(lines, "5160"), 2);
    EXPECT_EQ(TemplateCatalogue::selectByPrefix(lines, "516"), 1);
    EXPECT_EQ(TemplateCatalogue::selectByPrefix(lines, "5160 a"), 0);  // wraps, ignores case
    EXPECT_EQ(TemplateCatalogue::selectByPrefix(lines, "8"), 3);
    EXPECT_EQ(TemplateCatalogue::selectByPrefix(lines, "9"), -1);
    EXPECT_EQ(TemplateCatalogue::selectByPrefix(lines, "5160", 2), 0);
    EXPECT_EQ(TemplateCatalogue::selectByPrefix({}, "5"), -1);
    EXPECT_EQ(TemplateCatalogue::selectByPrefix({"5160"}, "5160"), 0);
    // Out-of-range start searches the whole list from the first line.
    EXPECT_EQ(TemplateCatalogue::selectByPrefix(lines, "5160", 99), 0);
}
