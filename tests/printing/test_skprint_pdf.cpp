// The command-line printer end to end: a 3 x 10 design with a counter,
// printed on two sheets to PDF with one position left out; the words that
// pdftotext finds in the PDF sit where the layout puts the labels, and the
// counter runs on across the pages and skips the empty position.
#include "PdfWords.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGMultiLineLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
using sw::test::PdfWord;
using sw::test::pdfWords;

namespace {

// Saves a design of one object, in Arial 10, on the 3 x 10 address layout.
template <class Object>
void writeDesign(const QString &file, Object *object, const QRect &bounds)
{
    TGStickwellPanel32 panel;
    panel.setSize(254, 96);
    object->Font()->setName(QStringLiteral("Arial"));
    object->Font()->setSize(10);
    object->Loaded();
    panel.PlaceObject(object, bounds);
    TGLabelObjectFiler().WriteLabelFile(panel, file, TLabelLayout::defaultLayout());
}

} // namespace

TEST(SkprintPdf, LabelsLandWhereTheLayoutSaysAndCountersRunOn)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("counter.sk"));
    auto *counter = new TGCounterLabel;
    counter->setProperty("Startingnumber", 1000);
    writeDesign(design, counter, QRect(24, 12, 80, 20));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QProcess skprint;
    skprint.start(QStringLiteral(SKPRINT_PATH),
                  {design, QStringLiteral("-o"), pdf, QStringLiteral("--sheets"), QStringLiteral("2"),
                   QStringLiteral("--positions"), QStringLiteral("1,3-30")});
    ASSERT_TRUE(skprint.waitForFinished(60000));
    ASSERT_EQ(skprint.exitCode(), 0) << skprint.readAllStandardError().constData();

    const QList<PdfWord> words = pdfWords(pdf);
    ASSERT_EQ(words.size(), 58); // 29 labels on each of 2 pages
    // Counters run on across the pages: 1000..1057 in printing order.
    for (int i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i].text, QString::number(1000 + i));
        EXPECT_EQ(words[i].page, i < 29 ? 1 : 2);
    }
    // Position n (from 0, skipping position 1) is column n % 3, row n / 3.
    // The layout goes through the program's single-precision working copy.
    const double left = double(0.188f) * 72, top = 0.5 * 72;
    const double pitchX = double(2.765f) * 72, pitchY = double(1.01f) * 72;
    const double originX = words[0].x - left, originY = words[0].y - top; // the text's place in its label
    EXPECT_GT(originX, 24 * 0.75 - 1); // the object's Left, 24 px = 18 pt
    EXPECT_LT(originX, 24 * 0.75 + 6);
    EXPECT_GT(originY, 12 * 0.75 - 1);
    EXPECT_LT(originY, 12 * 0.75 + 8);
    int label = 0;
    for (int page = 0; page < 2; ++page) {
        for (int position = 0; position < 30; ++position) {
            if (position == 1)
                continue;
            const PdfWord &w = words[label++];
            EXPECT_NEAR(w.x, left + originX + (position % 3) * pitchX, 0.3) << w.text.toStdString();
            EXPECT_NEAR(w.y, top + originY + (position / 3) * pitchY, 0.3) << w.text.toStdString();
        }
    }
}

TEST(SkprintPdf, MergedRecordsLandEachOnItsOwnLabelAcrossSheets)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("address.sk"));
    auto *address = new TGMultiLineLabel;
    address->SetItems({"${Name}", "${Street}", "${City} ${Zip}"});
    writeDesign(design, address, QRect(24, 12, 200, 60));
    // As a spreadsheet saves it: a semicolon file in Windows-1252 with CR LF
    // line ends; record 2 has no street, and a quoted street holds the
    // separator.
    QByteArray csv = "name;Street;CITY;Zip\r\n";
    for (int i = 1; i <= 32; ++i)
        csv += "N\xe9" + QByteArray::number(i) + ";" + (i == 2 ? QByteArray() : "\"S;" + QByteArray::number(i) + "\"")
               + ";C" + QByteArray::number(i) + ";Z" + QByteArray::number(i) + "\r\n";
    const QString people = dir.filePath(QStringLiteral("people.csv"));
    {
        QFile f(people);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(csv);
    }
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QProcess skprint;
    skprint.start(QStringLiteral(SKPRINT_PATH), {design, QStringLiteral("--merge"), people, QStringLiteral("-o"), pdf,
                                                 QStringLiteral("--positions"), QStringLiteral("2-30")});
    ASSERT_TRUE(skprint.waitForFinished(60000));
    ASSERT_EQ(skprint.exitCode(), 0) << skprint.readAllStandardError().constData();
    EXPECT_EQ(skprint.readAllStandardOutput(), "Wrote 2 sheets (32 labels) to " + pdf.toUtf8() + "\n");

    // Each record's lines on its own label: the 29 positions of the first
    // sheet and the first 3 of the second. Every word is unique.
    QHash<QString, PdfWord> found;
    for (const PdfWord &word : pdfWords(pdf))
        found.insert(word.text, word);
    EXPECT_EQ(found.size(), 32 * 4 - 1);
    const double left = double(0.188f) * 72, top = 0.5 * 72;
    const double pitchX = double(2.765f) * 72, pitchY = double(1.01f) * 72;
    for (int i = 1; i <= 32; ++i) {
        const QString n = QString::number(i);
        const int position = (i - 1) % 29 + 1; // position 0 is not selected
        QStringList lines = {"N\u00e9" + n, "S;" + n, "C" + n};
        if (i == 2)
            lines.removeAt(1); // no street: the city moves up
        ASSERT_TRUE(found.contains(lines.first())) << lines.first().toStdString();
        const PdfWord name = found.value(lines.first());
        EXPECT_EQ(name.page, i <= 29 ? 1 : 2) << "record " << i;
        EXPECT_NEAR(name.x, left + (position % 3) * pitchX + 18, 3) << "record " << i;
        EXPECT_NEAR(name.y, top + (position / 3) * pitchY + 9, 6) << "record " << i;
        for (int k = 1; k < lines.size(); ++k) {
            ASSERT_TRUE(found.contains(lines[k])) << lines[k].toStdString();
            const PdfWord word = found.value(lines[k]);
            EXPECT_EQ(word.page, name.page);
            EXPECT_NEAR(word.x, name.x, 0.5) << lines[k].toStdString();
            EXPECT_NEAR(word.y, name.y + k * 11.5, 2) << lines[k].toStdString(); // one line of 10 points apart
        }
        const PdfWord zip = found.value("Z" + n);
        EXPECT_NEAR(zip.y, found.value("C" + n).y, 0.5);
        EXPECT_GT(zip.x, found.value("C" + n).xMax);
    }
}
