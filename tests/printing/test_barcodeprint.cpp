// Barcodes from design to paper: a Code 128, an EAN-13 and a QR code with
// UTF-8 text are saved, read back and printed by the command-line printer
// to PNG and PDF, and real readers find their data on both; in the PDF every
// bar edge falls on a whole printer dot. A barcode whose data its symbology
// refuses stops the print run unless it is left out.
#include "BarcodeReaders.h"

#include "objects/TGBarcode.h"
#include "persistence/TGLabelObjectFiler.h"
#include "printing/LabelFileJob.h"
#include "surface/TGStickwellPanel32.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>

using namespace sw;
using namespace sw::test;

namespace {

const QString kQrText = QStringLiteral("Grüße, 東京");

// Two labels of 3.9 x 3.2 inches across, three down, on Letter.
TLabelLayout bigLabels()
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.LabelWidth = 3.9;
    layout.LabelHeight = 3.2;
    layout.NumAcross = 2;
    layout.NumDown = 3;
    layout.LeftMargin = 0.25;
    layout.TopMargin = 0.5;
    layout.HorizPitch = 4.0;
    layout.VertPitch = 3.3;
    return layout;
}

TGBarcode *addBarcode(TGStickwellPanel32 &panel, TBarcodeSymbology symbology, const QString &data, const QRect &r)
{
    auto *barcode = new TGBarcode;
    barcode->SetSymbology(symbology);
    barcode->SetData(data);
    barcode->Loaded();
    panel.PlaceObject(barcode, r);
    return barcode;
}

struct Printed : ::testing::Test
{
    QTemporaryDir dir;
    QString design;

    // Where the codes are on the label, in pixels at 96 per inch.
    const QRect code128{10, 10, 240, 90};
    const QRect ean13{10, 130, 220, 96};
    const QRect qr{260, 10, 110, 110};

    void SetUp() override
    {
        design = dir.filePath(QStringLiteral("codes.sk"));
        TGStickwellPanel32 panel;
        panel.setSize(374, 307);
        addBarcode(panel, bcCode128, QStringLiteral("SW-2 Label 0042"), code128);
        addBarcode(panel, bcEAN13, QStringLiteral("590123412345"), ean13);
        addBarcode(panel, bcQRCode, kQrText, qr);
        TGLabelObjectFiler().WriteLabelFile(panel, design, bigLabels());
    }

    // skprint on the design; returns its exit code.
    int skprint(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(SKPRINT_PATH), QStringList{design} + arguments);
        if (!p.waitForFinished(60000))
            return -1;
        if (errors)
            *errors = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

    // The object's area on the first label of a page image at `dpi`, with a
    // quarter inch around it.
    static QImage around(const QImage &page, const QRect &object, int dpi)
    {
        const double s = dpi / 96.0;
        // The first label's corner is at (0.25, 0.5) inch.
        const QRect r(int(object.left() * s), int((0.25 + object.top() / 96.0) * dpi),
                      int(object.width() * s + 0.5 * dpi), int(object.height() * s + 0.5 * dpi));
        return page.copy(r);
    }

    // What every installed reader finds in each code's area of the page.
    QStringList readCodes(const QImage &page)
    {
        QStringList found;
        for (const BarcodeReader &reader : barcodeReaders())
            for (const QRect &code : {code128, ean13, qr})
                found << reader.program + QLatin1Char(':') + readBarcode(reader, around(page, code, 300));
        return found;
    }
    QStringList expectedCodes() const
    {
        QStringList expected;
        for (const BarcodeReader &reader : barcodeReaders())
            for (const QString &text : {QStringLiteral("SW-2 Label 0042"), QStringLiteral("5901234123457"), kQrText})
                expected << reader.program + QLatin1Char(':') + text;
        return expected;
    }
};

// The PDF's page content, inflated.
QByteArray pageContent(const QString &pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    QByteArray content;
    // Every compressed stream; the page content is the one that draws.
    static const QRegularExpression stream(QStringLiteral("/FlateDecode[^>]*>>\\s*stream\\r?\\n"));
    for (auto it = stream.globalMatch(QString::fromLatin1(data)); it.hasNext();) {
        const auto m = it.next();
        const qsizetype start = m.capturedEnd();
        const qsizetype end = data.indexOf("endstream", start);
        QByteArray out(1 << 22, '\0');
        uLongf size = uLongf(out.size());
        if (uncompress(reinterpret_cast<Bytef *>(out.data()), &size,
                       reinterpret_cast<const Bytef *>(data.constData() + start), uLong(end - start))
            == Z_OK) {
            out.resize(qsizetype(size));
            if (out.contains(" re"))
                content += out;
        }
    }
    return content;
}

} // namespace

TEST_F(Printed, ToPdfAndPngBarsLieOnWholeDotsAndTheReadersFindEveryCode)
{
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_EQ(skprint({QStringLiteral("-o"), pdf, QStringLiteral("--positions"), QStringLiteral("1")}), 0);
    // The PDF printer draws at 600 dots per inch: the page content scales
    // dots to points once (72 / 600 = 0.12), and every filled rectangle is
    // given in dots.
    const QString content = QString::fromLatin1(pageContent(pdf));
    EXPECT_TRUE(content.contains(QStringLiteral("0.120000000 0 0 -0.120000000 0 792 cm")));
    static const QRegularExpression rect(QStringLiteral("(-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+) re"));
    QMap<QPair<double, double>, QList<QPair<double, double>>> rows; // (top, height) -> (left, width)
    for (auto it = rect.globalMatch(content); it.hasNext();) {
        const auto m = it.next();
        const double x = m.captured(1).toDouble(), y = m.captured(2).toDouble();
        const double w = m.captured(3).toDouble(), h = m.captured(4).toDouble();
        EXPECT_TRUE(x == std::round(x) && y == std::round(y) && w == std::round(w) && h == std::round(h))
            << m.captured(0).toStdString();
        rows[{y, h}].append({x, w});
    }
    // The bars of a linear code share their top and height (Code 128, and
    // the EAN-13's bars but its guards): each bar and space is a whole
    // number of modules of the same whole number of dots.
    int codes = 0;
    for (const auto &bars : rows) {
        if (bars.size() < 20)
            continue;
        ++codes;
        const double module =
            std::min_element(bars.cbegin(), bars.cend(), [](auto a, auto b) { return a.second < b.second; })->second;
        const double first = std::min_element(bars.cbegin(), bars.cend())->first;
        EXPECT_GE(module, 3); // 2.5 inches of 600 dots over some 140 modules
        for (const auto &bar : bars)
            EXPECT_TRUE(std::fmod(bar.second, module) == 0 && std::fmod(bar.first - first, module) == 0)
                << bar.first << " " << bar.second << " / " << module;
    }
    EXPECT_EQ(codes, 2);

    if (barcodeReaders().isEmpty())
        GTEST_SKIP() << "no barcode reader is installed (zbar-tools, zxing-cpp-tools)";
    const QString png = dir.filePath(QStringLiteral("sheet.png"));
    ASSERT_EQ(skprint({QStringLiteral("--png"), png, QStringLiteral("--dpi"), QStringLiteral("300"),
                       QStringLiteral("--positions"), QStringLiteral("1")}),
              0);
    EXPECT_EQ(readCodes(QImage(png)), expectedCodes());
    // The PDF as a 300 dpi picture (poppler-utils).
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("pdf"))});
    ASSERT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0) << "pdftoppm failed";
    EXPECT_EQ(readCodes(QImage(dir.filePath(QStringLiteral("pdf.png")))), expectedCodes());
}

TEST_F(Printed, RefusedDataStopsTheRunUnlessLeftOut)
{
    {
        LabelFileJob job(design);
        auto *ean = qobject_cast<TGBarcode *>(job.panel().labelObjects().at(1));
        ASSERT_NE(ean, nullptr);
        ean->SetData(QStringLiteral("5901234123458"));
        TGLabelObjectFiler().WriteLabelFile(job.panel(), design, bigLabels());
    }
    const QString png = dir.filePath(QStringLiteral("sheet.png"));
    const QStringList toPng{QStringLiteral("--png"), png, QStringLiteral("--dpi"), QStringLiteral("300"),
                            QStringLiteral("--positions"), QStringLiteral("1")};
    QString errors;
    EXPECT_EQ(skprint(toPng, &errors), 4);
    EXPECT_TRUE(errors.contains(QStringLiteral(
        "The EAN-13 barcode \"5901234123458\" cannot be printed: check digit should be 7")))
        << errors.toStdString();
    EXPECT_FALSE(QFile::exists(png));

    // Left out: the other codes print, and nothing where the EAN-13 was.
    EXPECT_EQ(skprint(toPng + QStringList{QStringLiteral("--leave-out-unprintable")}, &errors), 0);
    const QImage page(png);
    ASSERT_FALSE(page.isNull());
    const QImage empty = around(page, ean13, 300);
    QImage white(empty.size(), empty.format());
    white.fill(Qt::white);
    EXPECT_TRUE(empty == white);
    for (const BarcodeReader &reader : barcodeReaders())
        EXPECT_EQ(readBarcode(reader, around(page, qr, 300)), kQrText);
}
