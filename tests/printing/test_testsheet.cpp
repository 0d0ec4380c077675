// The printer test sheet of the 3 x 10 address stock on Letter, as the PDF
// printer writes it: the scale numbers (found with pdftotext) and the label
// outlines (found in a 288 dpi rendering, where 1/32 inch is 9 pixels) sit
// where the layout puts them; a fine tuning moves every label by exactly
// its steps. The same sheet on a page image and through the preview stream.
// And the layout skprint uses when it names no file.
#include "PdfWords.h"
#include "ProgramRun.h"
#include "TextDesign.h"

#include "layouts/LayoutWorkingCopy.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/IniFile.h"
#include "printing/StartLayout.h"
#include "printing/TestSheet.h"
#include "report/TFilePrinter.h"
#include "report/TImageDevice.h"
#include "report/TImageReport.h"
#include "report/TReportFiler.h"
#include "report/printer/TRPDevice.h"
#include "report/printer/TReportPrinter.h"
#include "surface/TGStickwellPanel32.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
using sw::test::PdfWord;

namespace {

bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The first page at 288 dots per inch, in grey.
QImage render(const QString &pdf)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("288"),
                                        QStringLiteral("-singlefile"), pdf, stem});
    p.waitForFinished(60000);
    return QImage(stem + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

int grey(const QImage &image, double xInches, double yInches, int dx = 0, int dy = 0)
{
    const int x = int(xInches * 288) + dx, y = int(yInches * 288) + dy;
    return image.rect().contains(x, y) ? qGray(image.pixel(x, y)) : 255;
}

// A hairline crosses the pixel at the point or one beside it.
bool lineAt(const QImage &image, double xInches, double yInches, bool vertical)
{
    int darkest = 255;
    for (int d = -1; d <= 1; ++d)
        darkest = std::min(darkest, vertical ? grey(image, xInches, yInches, d, 0) : grey(image, xInches, yInches, 0, d));
    return darkest < 128;
}

// The number words within an inch of a point (in points), by text.
QList<PdfWord> numbersNear(const QList<PdfWord> &words, double xPt, double yPt)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+$"));
    QList<PdfWord> near;
    for (const PdfWord &w : words)
        if (number.match(w.text).hasMatch() && std::abs(w.x - xPt) < 72 && std::abs(w.y - yPt) < 72)
            near << w;
    return near;
}

enum class Edge { Top, Bottom, Left, Right };

// Checks the numbers -16, -12 ... 16 from `from` to `to` of one scale. The
// scale reads 0 at `zero` (points along it) and a step is 1/32 inch = 2.25
// points: a number's middle is on its tick. `edge` is the side of the
// numbers that faces the ticks, at `line` points: the top or bottom of the
// numbers under or over a scale across, the left or right of the numbers
// beside a scale down.
void expectScale(const QList<PdfWord> &words, int from, int to, double zero, Edge edge, double line,
                 const char *scale)
{
    const bool across = edge == Edge::Top || edge == Edge::Bottom;
    for (int k = from; k <= to; k += 4) {
        const double along = zero + 2.25 * k;
        const bool found = std::any_of(words.begin(), words.end(), [&](const PdfWord &w) {
            const double middle = across ? (w.x + w.xMax) / 2 : (w.y + w.yMax) / 2;
            const double side = edge == Edge::Top ? w.y : edge == Edge::Bottom ? w.yMax : edge == Edge::Left ? w.x : w.xMax;
            return w.text == QString::number(k) && std::abs(middle - along) <= 0.3 && std::abs(side - line) <= 0.3;
        });
        EXPECT_TRUE(found) << scale << ": no " << k << " within 0.3 pt of " << along << " along, " << line;
    }
}

// The layout's measurements as the program holds them (single precision
// widened), in inches: the labels' left edges are at 0.188 + c x 2.765, the
// top edges at 0.5 + r x 1.01; a label is 2.65 by 1.
void expectOutlines(const QImage &page, int leftSteps, int topSteps, int acrossSteps, int downSteps)
{
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 3; ++c) {
            const double left = 0.188 + c * 2.765 + (leftSteps + c * acrossSteps) / 32.0;
            const double top = 0.5 + r * 1.01 + (topSteps + r * downSteps) / 32.0;
            const double right = left + 2.65, bottom = top + 1.0;
            const double midX = left + 2.65 / 2, midY = top + 0.5;
            EXPECT_TRUE(lineAt(page, left, midY, true)) << "left edge " << c << "," << r;
            EXPECT_TRUE(lineAt(page, right, midY, true)) << "right edge " << c << "," << r;
            EXPECT_TRUE(lineAt(page, midX, top, false)) << "top edge " << c << "," << r;
            EXPECT_TRUE(lineAt(page, midX, bottom, false)) << "bottom edge " << c << "," << r;
            // Just inside each edge the label is blank: the line is at the
            // edge, not near it.
            EXPECT_GT(grey(page, left, midY, 6), 200) << c << "," << r;
            EXPECT_GT(grey(page, right, midY, -6), 200) << c << "," << r;
            EXPECT_GT(grey(page, midX, top, 0, 6), 200) << c << "," << r;
            EXPECT_GT(grey(page, midX, bottom, 0, -6), 200) << c << "," << r;
            // The cross-hair's middle.
            EXPECT_TRUE(lineAt(page, midX, midY, true)) << "centre " << c << "," << r;
        }
    }
}

} // namespace

TEST(TestSheet, SkprintPrintsTheScalesAndOutlinesWhereTheLayoutPutsThem)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("hello.sk"));
    sw::test::writeTextDesign(design, QStringLiteral("HELLO"), QRect(10, 10, 120, 40), 20);
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const auto run = sw::test::runProgram(QStringLiteral(SKPRINT_PATH), {QStringLiteral("--test-sheet"), design,
                                                                          QStringLiteral("-o"), pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(), "Wrote a test sheet of Avery 5160 Address (30 labels) to " + pdf);

    const QList<PdfWord> words = sw::test::pdfWords(pdf);
    for (const PdfWord &w : words)
        EXPECT_NE(w.text, "HELLO"); // the sheet shows the stock, not the design
    // Top-left corner of the first label: (0.188, 0.5) inches = (13.536, 36)
    // points. The scale across crosses its left edge 3/16 inch down, its
    // numbers' tops 1/8 + 1/64 inch further: (0.5 + 0.328125) x 72 =
    // 59.625. Steps below -6 would be off the paper. The scale down crosses
    // the top edge 3/4 inch in, its numbers 1/8 + 1/64 inch right of it:
    // (0.188 + 0.890625) x 72 = 77.661.
    const QList<PdfWord> topLeft = numbersNear(words, 13.536, 36);
    expectScale(topLeft, -4, 16, 13.536, Edge::Top, 59.625, "top-left across");
    expectScale(topLeft, -16, 16, 36, Edge::Left, 77.661, "top-left down");
    EXPECT_EQ(topLeft.size(), 6 + 9);
    // Bottom-right corner of the last label (column 2, row 9): 0.188 + 2 x
    // 2.765 + 2.65 = 8.368 and 0.5 + 9 x 1.01 + 1 = 10.59 inches = (602.496,
    // 762.48) points. The numbers over the scale across end at (10.59 -
    // 0.328125) x 72 = 738.855; those left of the scale down at (8.368 -
    // 0.890625) x 72 = 538.371. The paper ends at 612 x 792 points.
    const QList<PdfWord> bottomRight = numbersNear(words, 602.496, 762.48);
    expectScale(bottomRight, -16, 4, 602.496, Edge::Bottom, 738.855, "bottom-right across");
    expectScale(bottomRight, -16, 12, 762.48, Edge::Right, 538.371, "bottom-right down");
    EXPECT_EQ(bottomRight.size(), 6 + 8);

    expectOutlines(render(pdf), 0, 0, 0, 0);
}

TEST(TestSheet, FineTuningMovesEveryLabelAndScaleByItsSteps)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tuned.pdf"));
    PrinterFineTuning tuning;
    tuning.TopMarginNudge = 2;
    tuning.LeftMarginNudge = -3;
    tuning.VerticalSpacing = 1;
    tuning.HorizontalSpacing = -1;
    {
        TRPDevice device;
        device.setPrinterIndex(device.PdfPrinterIndex());
        device.setOutputFileName(pdf);
        TReportPrinter report(&device);
        TestSheet(LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout()).toLayout(), tuning).print(report);
        ASSERT_FALSE(report.Aborted());
    }
    const QList<PdfWord> words = sw::test::pdfWords(pdf);
    // The first label moves by the margin nudges: 3/32 inch left (6.75
    // points), 2/32 down (4.5). Step -4 is now off the paper.
    const QList<PdfWord> topLeft = numbersNear(words, 13.536 - 6.75, 36 + 4.5);
    expectScale(topLeft, 0, 16, 13.536 - 6.75, Edge::Top, 59.625 + 4.5, "top-left across");
    expectScale(topLeft, -16, 16, 36 + 4.5, Edge::Left, 77.661 - 6.75, "top-left down");
    EXPECT_EQ(topLeft.size(), 5 + 9);
    // The last label, two columns and nine rows on, also by the spacing:
    // -3 - 2 = -5 steps across (11.25 points), 2 + 9 = 11 down (24.75).
    const QList<PdfWord> bottomRight = numbersNear(words, 602.496 - 11.25, 762.48 + 24.75);
    expectScale(bottomRight, -16, 8, 602.496 - 11.25, Edge::Bottom, 738.855 + 24.75, "bottom-right across");
    expectScale(bottomRight, -16, 0, 762.48 + 24.75, Edge::Right, 538.371 - 11.25, "bottom-right down");
    EXPECT_EQ(bottomRight.size(), 7 + 5);
    // Every outline moves by its label's steps; where the untuned sheet has
    // the first label's left edge, there is paper.
    const QImage page = render(pdf);
    expectOutlines(page, -3, 2, -1, 1);
    EXPECT_GT(grey(page, 0.188, 1.0), 200);
}

TEST(TestSheet, PageImagesAndThePreviewShowTheSameSheet)
{
    const TLabelLayout layout = LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout()).toLayout();
    TImageReport direct(96, 96);
    TestSheet(layout, PrinterFineTuning()).print(direct);
    ASSERT_EQ(direct.PageImageCount(), 1);
    const QImage image = direct.PageImage(0);
    TImageDevice measure(96, 96);
    QBuffer stream;
    {
        TReportFiler filer(&measure);
        filer.StreamMode = smUser;
        filer.setStream(&stream);
        TestSheet(layout, PrinterFineTuning()).print(filer);
    }
    const QImage replayed = TFilePrinter::RenderPage(stream.data(), 1, 100, 96);
    ASSERT_EQ(replayed.size(), QSize(816, 1056)); // Letter at 96 dpi
    ASSERT_EQ(image.size(), replayed.size());
    // The first label's left edge is at 0.188 x 96 = 18 pixels; the last
    // label's right edge at 8.368 x 96 = 803, drawn in the pixel before it
    // as a rectangle's right edge is. Both half way down their label.
    for (const QImage &page : {image, replayed}) {
        EXPECT_NE(page.pixel(18, 96), qRgb(255, 255, 255));
        EXPECT_EQ(page.pixel(21, 96), qRgb(255, 255, 255));
        EXPECT_NE(page.pixel(802, 970), qRgb(255, 255, 255));
        EXPECT_EQ(page.pixel(799, 970), qRgb(255, 255, 255));
    }
}

TEST(TestSheet, OddSheetsDrawWhatARunWouldPrint)
{
    TLabelLayout one = TLabelLayout::defaultLayout(), damaged = one, none = one;
    one.NumAcross = one.NumDown = 1;
    one.ShapeCode = QStringLiteral("EL");
    damaged.NumAcross = damaged.NumDown = 40; // more positions than a run prints
    none.NumAcross = 0;
    EXPECT_EQ(TestSheet(one, {}).lastPosition(), QPoint(0, 0));
    EXPECT_EQ(TestSheet(damaged, {}).lastPosition(), QPoint(20, 12)); // position 501 is 20 + 12 x 40
    EXPECT_EQ(TestSheet(none, {}).lastPosition(), QPoint(-1, -1));
    for (const TLabelLayout &layout : {one, damaged, none}) {
        TImageReport report(20, 20);
        TestSheet(layout, {}).print(report);
        EXPECT_EQ(report.PageImageCount(), 1);
    }
}

TEST(TestSheet, WithoutAFileTheLayoutIsTheOneTheProgramStartsWith)
{
    QTemporaryDir dir;
    TLabelLayout a4 = TLabelLayout::defaultLayout();
    a4.LayoutName = QStringLiteral("Two by seven");
    a4.NumAcross = 2;
    a4.LabelWidth = 3.9;
    const QString recent = dir.filePath(QStringLiteral("recent.sk")), broken = dir.filePath(QStringLiteral("x.sk"));
    {
        TGStickwellPanel32 panel;
        TGLabelObjectFiler().WriteLabelFile(panel, recent, a4);
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a label file");
    }
    IniFile ini(dir.filePath(QStringLiteral("SK.INI")));
    QString from;
    EXPECT_EQ(StartLayout::read(ini, &from).LayoutName, "Avery 5160 Address");
    // The first name in the list is the file the program reopens; its
    // layout comes in single precision, as the program holds it.
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), recent);
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F1"), broken);
    const TLabelLayout read = StartLayout::read(ini, &from);
    EXPECT_EQ(from, recent);
    EXPECT_EQ(read.LayoutName, "Two by seven");
    EXPECT_EQ(read.LabelWidth, double(3.9f));
    // A file that does not read leaves the program on the default layout.
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), broken);
    EXPECT_EQ(StartLayout::read(ini, &from).LayoutName, "Avery 5160 Address");
    EXPECT_TRUE(from.isEmpty());
}
