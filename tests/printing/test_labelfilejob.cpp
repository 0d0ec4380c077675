// A saved design printed without the main window: through the job on a
// page image, and through the command-line printer to PNG and PDF.
#include "platform/ProgramFolder.h"
#include "printing/LabelFileJob.h"
#include "report/TImageReport.h"
#include "surface/TGStickwellPanel32.h"
#include "TextDesign.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {

// Dark pixels inside a rectangle of a page image.
int darkPixels(const QImage &image, const QRect &r)
{
    int n = 0;
    for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++n;
    return n;
}

struct Job : ::testing::Test
{
    QTemporaryDir dir;
    QString file;

    void SetUp() override
    {
        ProgramFolder::setPath(dir.path());
        file = dir.filePath("hello.sk");
        sw::test::writeTextDesign(file, QStringLiteral("HELLO"), QRect(10, 10, 120, 40), 20);
    }
    void TearDown() override { ProgramFolder::setPath(QString()); }
};

} // namespace

TEST_F(Job, PrintsTheDesignIntoTheSelectedPositionsOnly)
{
    LabelFileJob job(file);
    EXPECT_EQ(job.panel().labelObjects().size(), 1);
    EXPECT_FLOAT_EQ(float(job.layout().LabelWidth), 2.65f);
    PrintRequest request = job.makeRequest();
    QString error;
    ASSERT_TRUE(LabelFileJob::parsePositions("1, 5", request, &error)) << qPrintable(error);
    TImageReport report(50, 50);
    EXPECT_EQ(job.print(request, report), "Label Print Completed!");
    ASSERT_EQ(report.PageImageCount(), 1);
    const QImage page = report.PageImage(0);
    const TLabelLayout l = job.layout();
    // Label area of position p (column c, row r) at 50 pixels per inch.
    auto area = [&](int c, int r) {
        return QRect(int((l.LeftMargin + c * l.HorizPitch) * 50), int((l.TopMargin + r * l.VertPitch) * 50),
                     int(l.LabelWidth * 50), int(l.LabelHeight * 50));
    };
    EXPECT_GT(darkPixels(page, area(0, 0)), 20);
    EXPECT_GT(darkPixels(page, area(1, 1)), 20); // position 5
    EXPECT_EQ(darkPixels(page, area(1, 0)), 0);
    EXPECT_EQ(darkPixels(page, area(2, 9)), 0);
}

TEST_F(Job, PositionListsAreCheckedAgainstTheSheet)
{
    LabelFileJob job(file);
    PrintRequest request = job.makeRequest();
    QString error;
    EXPECT_TRUE(LabelFileJob::parsePositions("2-4,30", request, &error));
    EXPECT_FALSE(request.positions[0]);
    EXPECT_TRUE(request.positions[1] && request.positions[3] && request.positions[29]);
    EXPECT_FALSE(LabelFileJob::parsePositions("31", request, &error));
    EXPECT_TRUE(error.contains("1 to 30"));
    EXPECT_FALSE(LabelFileJob::parsePositions("6-4", request, &error));
    EXPECT_EQ(error, "'6-4' runs backwards: write the lower position first (4-6)");
    EXPECT_FALSE(LabelFileJob::parsePositions("40-4", request, &error));
    EXPECT_EQ(error, "'40-4' is outside the sheet's positions 1 to 30");
    EXPECT_FALSE(LabelFileJob::parsePositions("5-0", request, &error));
    EXPECT_EQ(error, "'5-0' is outside the sheet's positions 1 to 30");
    EXPECT_FALSE(LabelFileJob::parsePositions("x", request, &error));
    EXPECT_TRUE(LabelFileJob::parsePositions("", request, &error));
    EXPECT_TRUE(request.positions[0]);
}

TEST_F(Job, MissingAndBrokenFilesGiveMessages)
{
    EXPECT_THROW(LabelFileJob(dir.filePath("none.sk")), std::exception);
    QFile broken(dir.filePath("broken.sk"));
    broken.open(QIODevice::WriteOnly);
    broken.write("not a label file");
    broken.close();
    try {
        LabelFileJob job(broken.fileName());
        FAIL() << "no error";
    } catch (const std::exception &e) {
        EXPECT_FALSE(QString::fromUtf8(e.what()).isEmpty());
    }
}

TEST_F(Job, CommandLinePrinterWritesPngAndPdf)
{
    const QString png = dir.filePath("sheet.png");
    QProcess skprint;
    skprint.start(SKPRINT_PATH, {"--png", png, "--dpi", "40", "--positions", "1", file});
    ASSERT_TRUE(skprint.waitForFinished(60000));
    EXPECT_EQ(skprint.exitCode(), 0) << skprint.readAllStandardError().constData();
    QImage sheet(png);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), QSize(340, 440)); // Letter at 40 dpi
    EXPECT_GT(darkPixels(sheet, QRect(7, 20, 106, 40)), 10);
    EXPECT_EQ(darkPixels(sheet, QRect(120, 20, 106, 40)), 0);

    const QString pdf = dir.filePath("sheets.pdf");
    skprint.start(SKPRINT_PATH, {"--pdf", pdf, "--sheets", "2", file});
    ASSERT_TRUE(skprint.waitForFinished(60000));
    EXPECT_EQ(skprint.exitCode(), 0) << skprint.readAllStandardError().constData();
    EXPECT_EQ(skprint.readAllStandardOutput().trimmed(), "Wrote 2 sheets (60 labels) to " + pdf);
    QFile out(pdf);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.read(4) == "%PDF");

    skprint.start(SKPRINT_PATH, {"--pdf", pdf, dir.filePath("none.sk")});
    ASSERT_TRUE(skprint.waitForFinished(60000));
    EXPECT_EQ(skprint.exitCode(), 2);
    EXPECT_TRUE(skprint.readAllStandardError().contains("Cannot open file"));
}
