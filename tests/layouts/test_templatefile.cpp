#include "layouts/TemplateCatalogue.h"
#include "persistence/StreamErrors.h"
#include "persistence/TemplateFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sw;

namespace {

TLabelLayout numbered(int n)
{
    TLabelLayout l = TLabelLayout::defaultLayout();
    l.LayoutName = QStringLiteral("Avery %1 Test").arg(n);
    l.NumAcross = n;
    return l;
}

QByteArray fileWith(int count)
{
    std::vector<TLabelLayout> layouts;
    for (int i = 1; i <= count; ++i)
        layouts.push_back(numbered(i));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTemplates(&buffer, layouts);
    return buffer.data();
}

TemplateLoadResult read(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readTemplates(&buffer, TemplateCatalogue::TableSize, QStringLiteral("SKTPL.dat"));
}

} // namespace

TEST(TemplateFile, GeneratedCatalogueHoldsThe300RowsOfTheCsv)
{
    const TemplateLoadResult r = loadTemplates(QStringLiteral(STICKWELL_TEMPLATE_FILE), TemplateCatalogue::TableSize);
    ASSERT_TRUE(r.fileFound);
    EXPECT_EQ(r.error, QString());
    EXPECT_FALSE(r.overflow);
    ASSERT_EQ(r.layouts.size(), 300u);
    EXPECT_EQ(r.statusText(), QString());

    const TLabelLayout *avery5160 = nullptr;
    for (const TLabelLayout &l : r.layouts) {
        if (l.LayoutName == QLatin1String("Avery 5160 Address"))
            avery5160 = &l;
    }
    ASSERT_NE(avery5160, nullptr);
    // The row: 1,2.625,3,10,0.5,0.1875,2.75,1,8.5,11,LJ,LTR,RR,ADDRESS/SHIPPING LABELS
    EXPECT_EQ(avery5160->LabelHeight, 1.0);
    EXPECT_EQ(avery5160->LabelWidth, 2.625);
    EXPECT_EQ(avery5160->NumAcross, 3);
    EXPECT_EQ(avery5160->NumDown, 10);
    EXPECT_EQ(avery5160->TopMargin, 0.5);
    EXPECT_EQ(avery5160->LeftMargin, 0.1875);
    EXPECT_EQ(avery5160->HorizPitch, 2.75);
    EXPECT_EQ(avery5160->VertPitch, 1.0);
    EXPECT_EQ(avery5160->PageWidth, 8.5);
    EXPECT_EQ(avery5160->PageHeight, 11.0);
    EXPECT_EQ(avery5160->RightHalfOffset, 0.0);
    EXPECT_EQ(avery5160->LowerHalfOffset, 0.0);
    EXPECT_EQ(avery5160->PrinterType, "LJ");
    EXPECT_EQ(avery5160->PaperCode, "LTR");
    EXPECT_EQ(avery5160->ShapeCode, "RR");
    EXPECT_EQ(avery5160->ProductCategory, "ADDRESS/SHIPPING LABELS");
    EXPECT_EQ(avery5160->ArtName, "");
}

TEST(TemplateFile, IsAValueListOfLayoutRecords)
{
    const QByteArray bytes = fileWith(1);
    ASSERT_GE(bytes.size(), 3);
    EXPECT_EQ(bytes.front(), '\x01');                 // vaList
    EXPECT_EQ(bytes.at(1), '\x06');                   // vaString: the name
    EXPECT_EQ(bytes.at(2), char(QByteArray("Avery 1 Test").size()));
    EXPECT_EQ(bytes.back(), '\x00');                  // vaNull
    EXPECT_EQ(read(bytes).layouts.front(), numbered(1));
}

TEST(TemplateFile, MoreTemplatesThanSlotsReadsTheTableFullAndSaysSo)
{
    const TemplateLoadResult r = read(fileWith(301));
    EXPECT_TRUE(r.overflow);
    EXPECT_EQ(r.error, QString());
    ASSERT_EQ(r.layouts.size(), 300u);
    EXPECT_EQ(r.layouts.back(), numbered(300));
    EXPECT_EQ(r.statusText(),
              "The template file SKTPL.dat holds more than 300 templates; only the first 300 are listed.");

    const TemplateLoadResult exact = read(fileWith(300));
    EXPECT_FALSE(exact.overflow);
    EXPECT_EQ(exact.layouts.size(), 300u);
}

TEST(TemplateFile, TruncatedFilesKeepTheWholeTemplatesReadBeforeTheCut)
{
    const QByteArray full = fileWith(3);
    const int recordSize = (full.size() - 2) / 3; // list markers around three equal records
    for (int cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE(cut);
        const TemplateLoadResult r = read(full.left(cut));
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_FALSE(r.statusText().isEmpty());
        const size_t whole = cut <= 1 ? 0u : static_cast<size_t>(std::min(3, (cut - 1) / recordSize));
        EXPECT_EQ(r.layouts.size(), whole);
    }
    EXPECT_EQ(read(full.left(full.size() - 1)).error, "Stream read error");
}

TEST(TemplateFile, MalformedFilesGiveAMessageAndWhatWasReadBefore)
{
    // Not a list at all.
    TemplateLoadResult r = read(QByteArray("TPF0\x06" "abc", 8));
    EXPECT_EQ(r.error, "Invalid property value");
    EXPECT_TRUE(r.layouts.empty());

    // A second record with a string where the label height belongs.
    QByteArray bytes = fileWith(2);
    const int second = 1 + (bytes.size() - 2) / 2;
    const int heightTag = second + 2 + static_cast<int>(QByteArray("Avery 2 Test").size());
    ASSERT_EQ(bytes.at(heightTag), '\x05');
    bytes[heightTag] = '\x06';
    r = read(bytes);
    EXPECT_FALSE(r.error.isEmpty());
    ASSERT_EQ(r.layouts.size(), 1u);
    EXPECT_EQ(r.layouts.front(), numbered(1));
    EXPECT_TRUE(r.statusText().startsWith("The template file SKTPL.dat could not be read completely"));
    EXPECT_TRUE(r.statusText().endsWith("1 templates were read."));

    // Random garbage never crashes.
    QByteArray noise(4096, '\0');
    quint32 seed = 12345;
    for (char &c : noise) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    noise[0] = '\x01';
    r = read(noise);
    EXPECT_LE(r.layouts.size(), 300u);
}

TEST(TemplateFile, MissingFileIsAnEmptyCatalogueWithoutMessage)
{
    QTemporaryDir dir;
    const TemplateLoadResult r = loadTemplates(dir.filePath("SKTPL.dat"), TemplateCatalogue::TableSize);
    EXPECT_FALSE(r.fileFound);
    EXPECT_TRUE(r.layouts.empty());
    EXPECT_EQ(r.statusText(), QString());
}

TEST(TemplateFile, EveryStockFitsItsOwnSheet)
{
    // Each entry's last column and last row end on the sheet, and labels of
    // neighbouring positions do not overlap.
    const TemplateLoadResult r = loadTemplates(QStringLiteral(STICKWELL_TEMPLATE_FILE), TemplateCatalogue::TableSize);
    ASSERT_EQ(r.layouts.size(), 300u);
    for (const TLabelLayout &l : r.layouts) {
        SCOPED_TRACE(l.LayoutName.toStdString());
        EXPECT_GE(l.NumAcross, 1);
        EXPECT_GE(l.NumDown, 1);
        EXPECT_GT(l.LabelWidth, 0);
        EXPECT_GT(l.LabelHeight, 0);
        if (l.NumAcross > 1)
            EXPECT_GE(l.HorizPitch, l.LabelWidth);
        if (l.NumDown > 1)
            EXPECT_GE(l.VertPitch, l.LabelHeight);
        // The source data is rounded to 4 decimals: allow a hundredth.
        EXPECT_LE(l.LeftMargin + (l.NumAcross - 1) * l.HorizPitch + l.LabelWidth, l.PageWidth + 0.01);
        EXPECT_LE(l.TopMargin + (l.NumDown - 1) * l.VertPitch + l.LabelHeight, l.PageHeight + 0.01);
        EXPECT_GE(l.LeftMargin, 0);
        EXPECT_GE(l.TopMargin, 0);
    }
}
