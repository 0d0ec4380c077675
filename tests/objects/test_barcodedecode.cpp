// Every symbology printed at 300 dpi and read back by real barcode readers:
// what they decode is the data the object was given (with the check digits
// the symbology adds).
#include "BarcodeReaders.h"

#include "objects/TGBarcode.h"
#include "report/TImageReport.h"

#include <QSizeF>
#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// The barcode printed alone on a sheet a quarter inch larger than it all
// round (readers look for codes in what a scanner would see).
QImage printAt300(TGBarcode &barcode)
{
    TImageReport report(300, 300);
    report.ImageDevice().setPaperSize(QSizeF(barcode.Width() / 96.0 + 0.5, barcode.Height() / 96.0 + 0.5));
    report.DeviceChanged();
    report.BeginDoc();
    barcode.PrintTo(report, 0.25, 0.25);
    report.EndDoc();
    return report.PageImage(0);
}

struct Case
{
    TBarcodeSymbology symbology;
    const char *data;    // UTF-8
    const char *decoded; // UTF-8
    QSize box;           // pixels at 96 per inch
};

// Linear codes 2.5 x 1 inch, 2D codes 1.25 inch square.
const Case kCases[] = {
    {bcCode128, "Stickwell 2/label #42", "Stickwell 2/label #42", {240, 96}},
    {bcEAN13, "590123412345", "5901234123457", {240, 96}},
    {bcUPCA, "03600029145", "036000291452", {240, 96}},
    {bcCode39, "STOCK-2024 A/7", "STOCK-2024 A/7", {240, 96}},
    {bcITF14, "1234567890123", "12345678901231", {240, 96}},
    {bcQRCode, "Grüße, 東京 https://example.org/?q=1", "Grüße, 東京 https://example.org/?q=1", {120, 120}},
    {bcDataMatrix, "Lot 42 · Größe M", "Lot 42 · Größe M", {120, 120}},
    {bcPDF417, "Shipment 1234567, 3 parcels", "Shipment 1234567, 3 parcels", {240, 96}},
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << symbologyName(c.symbology).toStdString() << " \"" << c.data << '"';
}

} // namespace

class BarcodeDecode : public ::testing::TestWithParam<Case>
{
};

TEST_P(BarcodeDecode, PrintedCodeReadsBackAsItsData)
{
    const Case &c = GetParam();
    QList<BarcodeReader> readers;
    for (const BarcodeReader &r : barcodeReaders())
        if (r.reads(c.symbology))
            readers.append(r);
    if (readers.isEmpty())
        GTEST_SKIP() << "no barcode reader for " << symbologyName(c.symbology).toStdString()
                     << " is installed (zbar-tools, zxing-cpp-tools)";

    TGBarcode barcode;
    barcode.SetSymbology(c.symbology);
    barcode.SetData(QString::fromUtf8(c.data));
    barcode.SetBounds(0, 0, c.box.width(), c.box.height());
    ASSERT_TRUE(barcode.Problem().isEmpty()) << barcode.Problem().toStdString();
    const QImage page = printAt300(barcode);
    if (!qEnvironmentVariableIsEmpty("SW_RENDER_OUT"))
        page.save(qEnvironmentVariable("SW_RENDER_OUT") + symbologyName(c.symbology) + QStringLiteral(".png"));
    for (const BarcodeReader &reader : readers)
        EXPECT_EQ(readBarcode(reader, page).toStdString(), c.decoded) << reader.program.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EverySymbology, BarcodeDecode, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             QString name = symbologyName(info.param.symbology);
                             return name.remove(QLatin1Char(' ')).remove(QLatin1Char('-')).toStdString();
                         });
