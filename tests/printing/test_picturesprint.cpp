// Clip-art pictures from a label file to paper: metafiles (a placeable
// and an enhanced one, written record by record) open, show on the panel
// and print to page images and to PDF as the player draws them, the PDF
// keeping them as vectors; bitmaps reach the PDF compressed without loss,
// and once however many labels show them.
#include "MetafileWriter.h"

#include "metafile/MetafilePlayer.h"
#include "objects/TGImage.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenInfo.h"
#include "printing/LabelFileJob.h"
#include "report/TFilePrinter.h"
#include "report/TImageDevice.h"
#include "report/TImageReport.h"
#include "report/TReportFiler.h"
#include "report/printer/TReportPrinter.h"
#include "surface/TGStickwellPanel32.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace sw;
using namespace sw::test;

namespace {

struct PdfImage
{
    int page;
    QString type;
    int width, height;
    QString encoding;
    int object;
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The images a PDF holds, one line per use, as pdfimages -list tells them.
QList<PdfImage> pdfImages(const QString &pdf)
{
    QList<PdfImage> images;
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2)) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() < 11)
            continue;
        images.append({f[0].toInt(), f[2], f[3].toInt(), f[4].toInt(), f[8], f[10].toInt()});
    }
    return images;
}

QImage playerImage(const QByteArray &metafile, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    MetafilePlayer::draw(&painter, QRectF(QPointF(0, 0), size), metafile);
    return image;
}

// Share of pixels whose channels all lie within `tolerance` of the other
// image's.
double agreement(const QImage &a, const QImage &b, int tolerance)
{
    if (a.size() != b.size())
        return 0;
    qint64 same = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) <= tolerance && std::abs(qGreen(p) - qGreen(q)) <= tolerance
                && std::abs(qBlue(p) - qBlue(q)) <= tolerance)
                ++same;
        }
    return double(same) / (qint64(a.width()) * a.height());
}

QImage blurred(const QImage &image)
{
    return image.scaled(image.size() / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

class PicturesPrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ProgramFolder::setPath(dir.path());
        ScreenInfo::overridePixelsPerInch(96);
    }
    void TearDown() override
    {
        ScreenInfo::overridePixelsPerInch(0);
        ProgramFolder::setPath(QString());
    }

    // A label file of the default layout with the pictures at the given
    // panel rectangles.
    QString design(const QList<QPair<QByteArray, QRect>> &pictures)
    {
        const QString file = dir.filePath(QStringLiteral("pictures.sk"));
        TGStickwellPanel32 panel;
        panel.setSize(254, 96);
        for (const auto &picture : pictures) {
            auto *image = new TGImage;
            image->Loaded();
            EXPECT_TRUE(image->Picture()->loadFromData(picture.first));
            panel.PlaceObject(image, picture.second);
        }
        TGLabelObjectFiler().WriteLabelFile(panel, file, TLabelLayout::defaultLayout());
        return file;
    }

    QString printPdf(LabelFileJob &job, const PrintRequest &request)
    {
        TRPDevice device;
        device.setPrinterIndex(device.PdfPrinterIndex());
        const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
        device.setOutputFileName(pdf);
        TReportPrinter report(&device);
        EXPECT_EQ(job.print(request, report), QStringLiteral("Label Print Completed!"));
        return pdf;
    }

    // The area (pixels at dpi) of the PDF's first page, rendered alone.
    QImage renderArea(const QString &pdf, const QRect &area, int dpi)
    {
        const QString name = dir.filePath(QStringLiteral("area%1-%2-%3").arg(dpi).arg(area.x()).arg(area.y()));
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-x"),
                                         QString::number(area.x()), QStringLiteral("-y"), QString::number(area.y()),
                                         QStringLiteral("-W"), QString::number(area.width()), QStringLiteral("-H"),
                                         QString::number(area.height()), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, name});
        return QImage(name + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    static bool haveTools()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty()
               && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PicturesPrint, MetafilesOpenShowAndPrintAsThePlayerDrawsThem)
{
    if (!haveTools())
        GTEST_SKIP() << "pdfimages and pdftoppm (poppler-utils) are not installed";
    const QByteArray wmf = sampleWmf(), emf = sampleEmf();
    // Each 1 x 0.75 inch on the label.
    LabelFileJob job(design({{wmf, QRect(8, 8, 96, 72)}, {emf, QRect(120, 8, 96, 72)}}));
    const auto objects = job.panel().labelObjects();
    ASSERT_EQ(objects.size(), 2);
    const QList<QPair<QByteArray, QRect>> expected{{wmf, QRect(8, 8, 96, 72)}, {emf, QRect(120, 8, 96, 72)}};
    for (int i = 0; i < 2; ++i) {
        auto *image = qobject_cast<TGImage *>(objects[i]);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Picture()->kind(), TPicture::Kind::Metafile);
        EXPECT_EQ(image->Picture()->data(), expected[i].first);
    }

    // Shown on the panel exactly as the player draws them.
    const QImage shown = job.panel().render();
    for (const auto &[bytes, rect] : expected)
        EXPECT_EQ(shown.copy(rect), playerImage(bytes, rect.size()));

    // Printed on a page image at 300 dpi, position 1: the same pictures at
    // 300 x 225 pixels from the label's corner.
    PrintRequest request = job.makeRequest();
    QString error;
    ASSERT_TRUE(LabelFileJob::parsePositions(QStringLiteral("1"), request, &error));
    TImageReport png(300, 300);
    job.print(request, png);
    const QImage page = png.PageImage(0);
    const TLabelLayout layout = job.layout();
    auto onPage = [&](const QRect &rect, int dpi) {
        const int x = int(std::lround((layout.LeftMargin + rect.left() / 96.0) * dpi));
        const int y = int(std::lround((layout.TopMargin + rect.top() / 96.0) * dpi));
        return QRect(x, y, rect.width() * dpi / 96, rect.height() * dpi / 96);
    };
    for (const auto &[bytes, rect] : expected) {
        const QRect area = onPage(rect, 300);
        EXPECT_GE(agreement(page.copy(area), playerImage(bytes, area.size()), 8), 0.999);
    }

    // Printed to PDF: vectors (the only images are the metafiles' own tiny
    // bitmaps), which drawn at 300 dpi show the same pictures.
    const QString pdf = printPdf(job, request);
    for (const PdfImage &image : pdfImages(pdf)) {
        EXPECT_NE(image.encoding, QStringLiteral("jpeg"));
        EXPECT_LE(image.width, 8);
        EXPECT_LE(image.height, 8);
    }
    // The PDF printer works at 600 dpi: each picture's rectangle there,
    // rendered alone.
    for (const auto &[bytes, rect] : expected) {
        const QRect area = onPage(rect, 600);
        const QImage paper = renderArea(pdf, area, 600);
        // The PDF renderer places edges and pattern tiles its own way, a
        // device pixel apart: the pictures are compared at an eighth of
        // their size.
        EXPECT_GE(agreement(blurred(paper), blurred(playerImage(bytes, area.size())), 32), 0.97);
        // The measure tells pictures apart: the other metafile agrees little.
        const QByteArray other = bytes == wmf ? emf : wmf;
        EXPECT_LT(agreement(blurred(paper), blurred(playerImage(other, area.size())), 32), 0.6);
    }
}

TEST_F(PicturesPrint, MaskedBitmapsShowNoDarkRimInThePdf)
{
    if (!haveTools())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // An orange disc on black, and its mask: black inside, white outside.
    QImage picture(8, 8, QImage::Format_RGB32), mask(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = (x - 3.5) * (x - 3.5) + (y - 3.5) * (y - 3.5) < 14;
            picture.setPixel(x, y, inside ? qRgb(230, 120, 0) : qRgb(0, 0, 0));
            mask.setPixel(x, y, inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    // Put in three ways: mask then picture (AND, OR); picture, mask,
    // picture (XOR, AND, XOR); the picture alone (OR).
    WmfWriter w(QRect(0, 0, 1440, 480), 1440);
    const QByteArray disc = packedDib(picture), discMask = packedDib(mask);
    const QRect source(0, 0, 8, 8);
    w.dibStretchBlt(0x008800C6, discMask, source, QRect(0, 0, 440, 440));
    w.dibStretchBlt(0x00EE0086, disc, source, QRect(0, 0, 440, 440));
    w.dibStretchBlt(0x00660046, disc, source, QRect(500, 0, 300, 300));
    w.dibStretchBlt(0x008800C6, discMask, source, QRect(500, 0, 300, 300));
    w.dibStretchBlt(0x00660046, disc, source, QRect(500, 0, 300, 300));
    w.dibStretchBlt(0x00EE0086, disc, source, QRect(900, 0, 170, 170));
    const QRect rect(8, 8, 96, 32);
    LabelFileJob job(design({{w.bytes(), rect}}));
    PrintRequest request = job.makeRequest();
    QString error;
    ASSERT_TRUE(LabelFileJob::parsePositions(QStringLiteral("1"), request, &error));
    const QString pdf = printPdf(job, request);

    // At screen resolutions viewers stretch the 8 pixels smoothly: the
    // edge is to blend orange into the white page, never into black.
    for (const int dpi : {72, 100, 150}) {
        const TLabelLayout layout = job.layout();
        const int x = int((layout.LeftMargin + rect.left() / 96.0) * dpi);
        const int y = int((layout.TopMargin + rect.top() / 96.0) * dpi);
        const QImage paper = renderArea(pdf, QRect(x, y, dpi, dpi / 3), dpi);
        ASSERT_FALSE(paper.isNull());
        int orange = 0, darkest = 255;
        for (int py = 0; py < paper.height(); ++py)
            for (int px = 0; px < paper.width(); ++px) {
                const QRgb p = paper.pixel(px, py);
                darkest = qMin(darkest, qRed(p));
                orange += qRed(p) > 200 && qBlue(p) < 60;
            }
        EXPECT_GE(darkest, 215) << dpi << " dpi"; // orange's red is 230, white's 255
        EXPECT_GT(orange, paper.width() * paper.height() / 20) << dpi << " dpi"; // the discs are there
    }
}

TEST_F(PicturesPrint, ThePreviewShowsMetafilesAsTheyPrint)
{
    // The preview records the sheet and replays it: the metafile travels
    // in the recording and is played again there.
    LabelFileJob job(design({{sampleEmf(), QRect(8, 8, 96, 72)}}));
    PrintRequest request = job.makeRequest();
    QString error;
    ASSERT_TRUE(LabelFileJob::parsePositions(QStringLiteral("1"), request, &error));
    TImageDevice measure(96, 96);
    QBuffer stream;
    TReportFiler filer(&measure);
    filer.StreamMode = smUser;
    filer.setStream(&stream);
    job.print(request, filer);
    const QImage preview = TFilePrinter::RenderPage(stream.data(), 1, 100, 96);
    TImageReport direct(96, 96);
    job.print(request, direct);
    const QImage printed = direct.PageImage(0);
    const QRect label(0, 0, 300, 150);
    ASSERT_EQ(preview.size(), printed.size());
    EXPECT_EQ(preview.copy(label), printed.copy(label));
    QImage blank(label.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_LT(agreement(preview.copy(label), blank, 0), 0.95); // the picture is there
}

TEST_F(PicturesPrint, BitmapsReachThePdfWithoutLossOnceForAllLabels)
{
    if (!haveTools())
        GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    // Noise: JPEG would change nearly every pixel of it.
    QImage source(200, 200, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            source.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
    TPicture picture;
    picture.setImage(source);
    LabelFileJob job(design({{picture.data(), QRect(4, 4, 80, 80)}}));
    PrintRequest request = job.makeRequest();
    request.sheets = 100;
    const QString pdf = printPdf(job, request);

    const QList<PdfImage> images = pdfImages(pdf);
    ASSERT_EQ(images.size(), 100 * 30); // every label of every sheet shows it
    EXPECT_EQ(images.last().page, 100);
    for (const PdfImage &image : images) {
        EXPECT_EQ(image.type, QStringLiteral("image"));
        EXPECT_EQ(image.encoding, QStringLiteral("image")); // compressed without loss, not "jpeg"
        EXPECT_EQ(image.object, images.first().object);     // one image object for all of them
        EXPECT_EQ(QSize(image.width, image.height), QSize(200, 200));
    }
    // Its pixels are the bitmap's.
    run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("1"), pdf, dir.filePath(QStringLiteral("img"))});
    const QImage decoded = QImage(dir.filePath(QStringLiteral("img-000.png"))).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(decoded, source);
}
