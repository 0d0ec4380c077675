// What skprint draws for two of the benchmark's jobs, a word with an
// outline (a) and a counter with an outline (d), on three sheets: every
// word where it was printed when the references in data/ were taken, and
// the first sheet's picture pixel for pixel. Work on printing speed must
// leave both exactly as they are, and a long run must not need more memory
// than a short one.
#include "BenchRun.h"
#include "PdfWords.h"
#include "PrintJobs.h"
#include "ProgramRun.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
using sw::test::PdfWord;

namespace {

// Prints the job on `sheets` sheets of the default address stock.
QString printJob(const QTemporaryDir &dir, char job, int sheets)
{
    const QString design = dir.filePath(QStringLiteral("job.sk"));
    bench::writePrintJob(bench::printJob(job), TLabelLayout::defaultLayout(), design);
    const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
    const auto run = sw::test::runProgram(QStringLiteral(SKPRINT_PATH), {design, QStringLiteral("-o"), pdf,
                                                                         QStringLiteral("--sheets"),
                                                                         QString::number(sheets)});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return pdf;
}

QString dataFile(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// "page xMin yMin xMax yMax word", one word a line, as pdftotext measures
// them (points, 6 decimals).
QString describe(const QList<PdfWord> &words)
{
    QString text;
    for (const PdfWord &w : words)
        text += QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                    .arg(w.page)
                    .arg(w.x, 0, 'f', 6)
                    .arg(w.y, 0, 'f', 6)
                    .arg(w.xMax, 0, 'f', 6)
                    .arg(w.yMax, 0, 'f', 6)
                    .arg(w.text);
    return text;
}

class PrintedOutput : public ::testing::TestWithParam<char>
{
protected:
    void SetUp() override
    {
        for (const char *tool : {"pdftotext", "pdftoppm"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " (poppler-utils) is not installed";
    }

    QString print() { return printJob(dir, GetParam(), 3); }

    QString job() const { return QStringLiteral("job-%1").arg(QChar(GetParam())); }

    QTemporaryDir dir;
};

} // namespace

TEST_P(PrintedOutput, WordsStayWhereTheyWerePrinted)
{
    const QList<PdfWord> words = sw::test::pdfWords(print());
    QFile reference(dataFile(job() + QStringLiteral("-3-sheets.txt")));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList expected = QString::fromUtf8(reference.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList actual = describe(words).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual.at(i), expected.at(i)) << "word " << i;
}

TEST_P(PrintedOutput, FirstSheetLooksTheSame)
{
    const QString pdf = print();
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const auto run = sw::test::runProgram(QStringLiteral("pdftoppm"),
                                          {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("72"),
                                           QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                           QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, prefix});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage actual = QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
    const QImage expected = QImage(dataFile(job() + QStringLiteral("-sheet-1.png"))).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(expected.isNull());
    ASSERT_EQ(actual.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        differing += memcmp(actual.constScanLine(y), expected.constScanLine(y), size_t(expected.width())) != 0;
    EXPECT_EQ(differing, 0) << "rows that differ";
}

INSTANTIATE_TEST_SUITE_P(Jobs, PrintedOutput, ::testing::Values('a', 'd'),
                         [](const ::testing::TestParamInfo<char> &info) { return std::string(1, info.param); });

// Pages are written out as they are finished: a thousand sheets of counters
// need no more memory than ten (the peak resident memory of the process,
// with a tenth for the allocator's moods).
TEST(PrintMemory, AThousandSheetsNeedNoMoreThanTen)
{
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("job.sk"));
    bench::writePrintJob(bench::printJob('d'), TLabelLayout::defaultLayout(), design);
    auto peak = [&](int sheets) {
        const bench::ChildRun run = bench::runChild(QStringLiteral(SKPRINT_PATH),
                                                    {design, QStringLiteral("-o"), dir.filePath(QStringLiteral("out.pdf")),
                                                     QStringLiteral("--sheets"), QString::number(sheets)});
        EXPECT_EQ(run.exitStatus, 0);
        return run.peakMB;
    };
    const double ten = peak(10);
    const double thousand = peak(1000);
    ASSERT_GT(ten, 0);
    EXPECT_LE(thousand, ten * 1.1) << "10 sheets: " << ten << " MB, 1000 sheets: " << thousand << " MB";
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("out.pdf"))).size(), 1000 * 1000); // all pages written
}
