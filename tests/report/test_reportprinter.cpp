// Printing through the printer device: the built-in PDF printer writes a
// PDF file; paper numbers and orientation set the page; the unprintable
// border the printer reports is subtracted from every position.
#include "report/printer/TReportPrinter.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sw;

namespace {

class PdfPrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        device.setPrinterIndex(device.PdfPrinterIndex());
        device.setOutputFileName(dir.filePath(QStringLiteral("labels.pdf")));
    }

    QTemporaryDir dir;
    TRPDevice device;
};

} // namespace

TEST(PrinterList, EntriesNameThePrinterAndWhereItIs)
{
    TRPDevice device;
    const QStringList printers = device.Printers();
    ASSERT_FALSE(printers.isEmpty());
    EXPECT_EQ(printers.last(), QStringLiteral("Stickwell PDF on PDF file"));
    EXPECT_EQ(device.PdfPrinterIndex(), printers.size() - 1);
    const QRegularExpression entry(QStringLiteral("^.+ on .+$"));
    for (const QString &p : printers) {
        EXPECT_TRUE(entry.match(p).hasMatch()) << p.toStdString();
        EXPECT_FALSE(p.toUpper().contains(QLatin1String("RENDERING SUBSYSTEM")));
    }
    EXPECT_GE(device.PrinterIndex(), 0);
    EXPECT_EQ(TRPDevice::ListPrinters(), TRPDevice::shared().Printers());
}

TEST_F(PdfPrinterTest, PrintsAPdfFile)
{
    TReportPrinter report(&device);
    report.Title = QStringLiteral("Quillmark");
    report.SelectPaper(1, 0, 0);
    report.setOrientation(poPortrait);
    report.BeginDoc();
    report.SetPen(clBlack, psSolid, -1, pmCopy);
    report.Rectangle(0.188, 0.5, 2.813, 1.5);
    report.SetFont(QStringLiteral("Arial"), 12);
    report.GotoXY(0.3, 0.8);
    report.PrintText(QStringLiteral("Stickwell label"));
    report.NewPage();
    report.SetBrush(clRed, bsSolid);
    report.Ellipse(1, 1, 3, 2);
    report.EndDoc();

    QFile pdf(device.OutputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
}

TEST_F(PdfPrinterTest, PaperNumbersAndOrientation)
{
    TReportPrinter report(&device);
    struct Case
    {
        int paper;
        TOrientation orientation;
        QPageSize::PageSizeId id;
        double width, height; // inches as the sheet lies
    };
    const Case cases[] = {
        {1, poPortrait, QPageSize::Letter, 8.5, 11.0},
        {9, poPortrait, QPageSize::A4, 210 / 25.4, 297 / 25.4},
        {11, poPortrait, QPageSize::A5, 148 / 25.4, 210 / 25.4},
        {9, poLandScape, QPageSize::A4, 297 / 25.4, 210 / 25.4},
        {1, poLandScape, QPageSize::Letter, 11.0, 8.5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.paper);
        report.SelectPaper(c.paper, 0, 0);
        report.setOrientation(c.orientation);
        EXPECT_EQ(device.printer()->pageLayout().pageSize().id(), c.id);
        EXPECT_EQ(report.PaperNumber(), c.paper);
        // The page layout keeps metric sizes to whole points.
        EXPECT_NEAR(report.PaperWidth(), c.width, 1.0 / 72);
        EXPECT_NEAR(report.PaperHeight(), c.height, 1.0 / 72);
    }
}

TEST_F(PdfPrinterTest, TheBorderIsSubtracted)
{
    device.setPdfMargins(QMarginsF(0.25, 0.5, 0.25, 0.5));
    TReportPrinter report(&device);
    report.SelectPaper(1, 0, 0);
    report.setOrientation(poPortrait);
    EXPECT_EQ(report.PixelsPerInchX(), 600);
    EXPECT_NEAR(report.UnprintableLeft(), 0.25, 1.0 / 600);
    EXPECT_NEAR(report.UnprintableTop(), 0.5, 1.0 / 600);
    EXPECT_NEAR(report.UnprintableBottom(), 0.5, 1.0 / 600);
    EXPECT_EQ(report.UnitsToDeviceX(0.25), 0);
    EXPECT_EQ(report.UnitsToDeviceY(0.5), 0);
    EXPECT_EQ(report.UnitsToDeviceX(1.0), 450);
    EXPECT_NEAR(report.PaperWidth(), 8.5, 1.0 / 600);
}

TEST_F(PdfPrinterTest, MisuseAndCancelling)
{
    TReportPrinter report(&device);
    report.BeginDoc();
    EXPECT_THROW(report.SelectPaper(9, 0, 0), EReportPrinter);
    EXPECT_THROW(report.setPrinterIndex(0), EReportPrinter);
    report.Rectangle(1, 1, 2, 2);
    report.AbortReport();
    report.EndDoc();
    EXPECT_FALSE(QFile::exists(device.OutputFileName())); // a cancelled job leaves no file

    device.setOutputFileName(QString());
    try {
        report.BeginDoc();
        FAIL() << "printed without a file name";
    } catch (const EReportPrinter &e) {
        EXPECT_EQ(e.message(), QStringLiteral("No output file name is set for the PDF printer."));
    }
    EXPECT_FALSE(report.Printing());
}

TEST_F(PdfPrinterTest, AFileThatCannotBeWrittenIsNamedWithTheReasonAndNotRemembered)
{
    const QString good = device.OutputFileName();
    // Nothing tried yet: the file set is the one to offer.
    EXPECT_EQ(device.RememberedFileName(), good);
    EXPECT_TRUE(device.WrittenFileName().isEmpty());
    const auto print = [this] {
        TReportPrinter report(&device);
        report.BeginDoc();
        report.Rectangle(1, 1, 2, 2);
        report.EndDoc();
    };
    print();
    EXPECT_EQ(device.WrittenFileName(), good);
    EXPECT_EQ(device.RememberedFileName(), good);

    // A folder that does not exist.
    const QString bad = dir.filePath(QStringLiteral("missing/x.pdf"));
    device.setOutputFileName(bad);
    EXPECT_EQ(device.RememberedFileName(), bad); // not tried yet
    try {
        print();
        FAIL() << "printed into a missing folder";
    } catch (const EReportPrinter &e) {
        EXPECT_EQ(e.message(), "The print job could not be started on Stickwell PDF on PDF file.\r"
                               "Cannot write the PDF file " + bad + ": No such file or directory.");
    }
    EXPECT_EQ(device.OutputFileName(), bad);
    EXPECT_EQ(device.RememberedFileName(), good);
    EXPECT_EQ(device.WrittenFileName(), good);

    // A cancelled run writes nothing either.
    const QString other = dir.filePath(QStringLiteral("other.pdf"));
    device.setOutputFileName(other);
    {
        TReportPrinter report(&device);
        report.BeginDoc();
        report.AbortReport();
        report.EndDoc();
    }
    EXPECT_EQ(device.RememberedFileName(), good);
    // Written at last: the new file is the one remembered.
    print();
    EXPECT_EQ(device.WrittenFileName(), other);
    EXPECT_EQ(device.RememberedFileName(), other);
}
