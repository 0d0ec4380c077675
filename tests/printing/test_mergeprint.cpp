// Merged runs: one label per record in the selected positions, sheet after
// sheet; fields filled in every kind of text that holds them; counters and
// copies per record; the sheets the records need; and the check before a
// run (the data file's problems, unknown fields, records a barcode
// refuses).
#include "objects/TGBarcode.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGMultiLineLabel.h"
#include "objects/TGPLabel.h"
#include "printing/MergeCheck.h"
#include "printing/SheetComposer.h"
#include "report/TImageReport.h"
#include "surface/TGStickwellPanel32.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// A page image report that also notes every text it is asked to draw.
class TextRecorder : public TImageReport
{
public:
    TextRecorder()
        : TImageReport(10, 10)
    {
    }
    struct Text
    {
        int page;
        QString text;
    };
    QList<Text> texts;
    QStringList on(int page) const
    {
        QStringList out;
        for (const Text &t : texts)
            if (t.page == page)
                out << t.text;
        return out;
    }

protected:
    void doTextRect(const TDeviceRect &rect, double x, double y, const QString &text) override
    {
        texts.append({CurrentPage(), text});
        TImageReport::doTextRect(rect, x, y, text);
    }
};

class MergePrint : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    TGStickwellPanel32 panel;

    QString csv(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("people.csv"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }

    // Name, Street, City, Zip for records 1 to n; record 2 has no street.
    QString people(int n)
    {
        QByteArray bytes = "Name,Street,City,Zip\r\n";
        for (int i = 1; i <= n; ++i)
            bytes += "P" + QByteArray::number(i) + "," + (i == 2 ? QByteArray() : "S" + QByteArray::number(i))
                     + ",C" + QByteArray::number(i) + ",Z" + QByteArray::number(i) + "\r\n";
        return csv(bytes);
    }

    TGMultiLineLabel *address()
    {
        auto *label = new TGMultiLineLabel;
        label->SetItems({"${Name}", "${Street}", "${City} ${Zip}"});
        label->Loaded();
        panel.PlaceObject(label, QRect(10, 10, 200, 60));
        return label;
    }

    PrintRequest request(const QString &dataFile, int records)
    {
        PrintRequest r;
        r.layout = TLabelLayout::defaultLayout(); // 3 x 10
        r.dataFile = dataFile;
        r.records = records;
        return r;
    }

    void run(const PrintRequest &r, TextRecorder &report)
    {
        SheetComposer composer(panel, r);
        composer.processEvents = nullptr;
        composer.setUpReport(report);
        report.Execute();
        ASSERT_FALSE(report.Aborted());
    }
};

QStringList addressOf(int i)
{
    const QString n = QString::number(i);
    if (i == 2)
        return {"P2", "C2 Z2"}; // the empty street line is left out
    return {"P" + n, "S" + n, "C" + n + " Z" + n};
}

} // namespace

TEST_F(MergePrint, EveryRecordGetsItsOwnLabelInOrderAcrossSheets)
{
    TGMultiLineLabel *label = address();
    TextRecorder report;
    run(request(people(31), 31), report);

    EXPECT_EQ(report.PageImageCount(), 2);
    QStringList first;
    for (int i = 1; i <= 30; ++i)
        first += addressOf(i);
    EXPECT_EQ(report.on(1), first);
    EXPECT_EQ(report.on(2), addressOf(31)); // the second sheet holds only the last record

    // Printing changed nothing in the design.
    EXPECT_EQ(label->Items()->strings(), (QStringList{"${Name}", "${Street}", "${City} ${Zip}"}));
    EXPECT_FALSE(label->hasPrintSubstitution());
}

TEST_F(MergePrint, TextLabelsAndCountersFillTheirFieldsAndCountersRunOnPerLabel)
{
    auto *text = new TGPLabel;
    text->SetCaption("To: ${NAME} (${nmae})"); // any case; an unknown name as written
    text->Loaded();
    panel.PlaceObject(text, QRect(0, 0, 200, 20));
    auto *counter = new TGCounterLabel;
    counter->SetStartingnumber(7);
    counter->SetTextBefore("${City} #");
    counter->SetTextAfter("/${Zip}");
    counter->Loaded();
    panel.PlaceObject(counter, QRect(0, 30, 200, 20));

    PrintRequest r = request(csv("Name,City,Zip\nAnn,Leeds,LS1\nBob,York,YO1\n"), 2);
    r.copiesPerRecord = 2;
    TextRecorder report;
    run(r, report);
    EXPECT_EQ(report.on(1), (QStringList{"To: Ann (${nmae})", "Leeds #7/LS1", "To: Ann (${nmae})", "Leeds #8/LS1",
                                         "To: Bob (${nmae})", "York #9/YO1", "To: Bob (${nmae})", "York #10/YO1"}));
    EXPECT_EQ(counter->TextBefore(), "${City} #");
    EXPECT_EQ(text->Caption(), "To: ${NAME} (${nmae})");
}

TEST_F(MergePrint, SkippedPositionsTakeNoRecord)
{
    address();
    PrintRequest r = request(people(5), 5);
    r.selectAll(false);
    r.positions[0] = true; // column 0 of row 0
    r.positions[2] = true; // column 2 of row 0
    r.copiesPerRecord = 2;
    SheetComposer composer(panel, r);
    // 5 records x 2 copies on 2 positions a sheet: 5 sheets.
    EXPECT_EQ(composer.sheets(), 5);
    const std::vector<LabelPlacement> at = composer.placements();
    ASSERT_EQ(at.size(), 10u);
    for (size_t i = 0; i < at.size(); ++i) {
        EXPECT_EQ(at[i].sheet, int(i / 2));
        EXPECT_EQ(at[i].column, i % 2 == 0 ? 0 : 2);
        EXPECT_EQ(at[i].row, 0);
    }

    TextRecorder report;
    composer.processEvents = nullptr;
    composer.setUpReport(report);
    report.Execute();
    EXPECT_EQ(report.PageImageCount(), 5);
    EXPECT_EQ(report.on(3), addressOf(3) + addressOf(3)); // both copies of record 3 on sheet 3
}

TEST_F(MergePrint, SheetsTheRecordsNeed)
{
    PrintRequest r = request("people.csv", 30000); // 3 x 10, all 30 positions
    EXPECT_EQ(r.mergedSheets(), 1000);
    r.records = 30;
    EXPECT_EQ(r.mergedSheets(), 1);
    r.records = 31;
    EXPECT_EQ(r.mergedSheets(), 2);
    r.records = 10;
    r.copiesPerRecord = 3;
    r.positions[4] = false; // 29 positions for 30 labels
    EXPECT_EQ(r.mergedLabels(), 30);
    EXPECT_EQ(r.mergedSheets(), 2);
    r.maxSheets = 1; // a picture of the first sheet
    EXPECT_EQ(r.mergedLabels(), 29);
    r.selectAll(false);
    EXPECT_EQ(r.mergedSheets(), 0);

    PrintRequest preview = request("people.csv", 30000);
    preview.preview = true;
    EXPECT_EQ(SheetComposer(panel, preview).sheets(), 1);
}

TEST_F(MergePrint, PreviewShowsTheFirstSheetsMergedLabels)
{
    address();
    PrintRequest r = request(people(40), 40);
    r.preview = true;
    TextRecorder report;
    run(r, report);
    EXPECT_EQ(report.PageImageCount(), 1);
    EXPECT_EQ(report.on(1).first(), "P1");
    EXPECT_EQ(report.on(1).last(), "C30 Z30");
}

TEST_F(MergePrint, AFileShortenedSinceItsCheckEndsTheRunEarly)
{
    address();
    const PrintRequest r = request(people(2), 31); // checked with 31, now 2
    TextRecorder report;
    run(r, report);
    EXPECT_EQ(report.on(1), addressOf(1) + addressOf(2));
}

TEST_F(MergePrint, CheckCountsRecordsAndNamesUnknownFields)
{
    address()->SetItems({"${Name}", "${Stret}", "${Country} ${zip}", "${Stret}"});
    const MergeCheck check(panel, people(3));
    ASSERT_FALSE(check.failed());
    EXPECT_EQ(check.dataFile().records, 3);
    EXPECT_EQ(check.unknownFields(), (QStringList{"${Stret}", "${Country}"}));
    EXPECT_EQ(check.unknownFieldsWarning(),
              "The data file people.csv has no column for ${Stret} and ${Country}: they print as written.");
    EXPECT_TRUE(check.printable());
}

TEST_F(MergePrint, CheckStopsAtTheDataFilesProblem)
{
    address();
    const MergeCheck check(panel, csv("Name,City\nAnn,\"Leeds\nBob,York\n"));
    EXPECT_TRUE(check.failed());
    EXPECT_EQ(check.error(), "people.csv, line 2: a quoted field starts on this line, but its closing quote is missing");
}

TEST_F(MergePrint, CheckNamesEachRecordABarcodeRefuses)
{
    auto *barcode = new TGBarcode;
    barcode->SetSymbology(bcEAN13);
    barcode->SetData("${Code}");
    barcode->Loaded();
    panel.PlaceObject(barcode, QRect(0, 0, 150, 60));
    QByteArray bytes = "Name,Code\nGood,590123412345\nBad,12AB\n";
    for (int i = 0; i < MergeCheck::MaxListed + 3; ++i)
        bytes += "More,x" + QByteArray::number(i) + "\n";
    const MergeCheck check(panel, csv(bytes));
    ASSERT_FALSE(check.failed());
    EXPECT_FALSE(check.printable());
    const QStringList problems = check.problems();
    ASSERT_EQ(problems.size(), MergeCheck::MaxListed + 1);
    EXPECT_TRUE(problems.first().startsWith("Record 2 (line 3): The EAN-13 barcode \"12AB\" cannot be printed: "))
        << problems.first().toStdString();
    EXPECT_EQ(problems.last(), "... and 4 more");
    EXPECT_TRUE(check.question().endsWith("Print the labels, leaving these objects out where they cannot be printed?"));
    EXPECT_EQ(barcode->Data(), "${Code}");
    EXPECT_FALSE(barcode->hasPrintSubstitution());
}
