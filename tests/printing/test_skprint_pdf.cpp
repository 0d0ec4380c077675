// The command-line printer end to end: a 3 x 10 design with a counter,
// printed on two sheets to PDF with one position left out; the words that
// pdftotext finds in the PDF sit where the layout puts the labels, and the
// counter runs on across the pages and skips the empty position.
#include "PdfWords.h"
#include "objects/TGCounterLabel.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/TFont.h"
#include "surface/TGStickwellPanel32.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
using sw::test::PdfWord;
using sw::test::pdfWords;

TEST(SkprintPdf, LabelsLandWhereTheLayoutSaysAndCountersRunOn)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("counter.sk"));
    {
        TGStickwellPanel32 panel;
        panel.setSize(254, 96);
        auto *counter = new TGCounterLabel;
        counter->Font()->setName(QStringLiteral("Arial"));
        counter->Font()->setSize(10);
        counter->setProperty("Startingnumber", 1000);
        counter->Loaded();
        panel.PlaceObject(counter, QRect(24, 12, 80, 20));
        TGLabelObjectFiler().WriteLabelFile(panel, design, TLabelLayout::defaultLayout());
    }
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
