// The clip-art image: its stored properties, painting and printing of the
// picture, the size check, the popup commands, and the file loader with
// its PCX reader.
#include "FakePanelHost.h"
#include "MetafileWriter.h"
#include "ObjectTestUtil.h"

#include "metafile/MetafilePlayer.h"
#include "objects/PcxReader.h"
#include "objects/TGImage.h"
#include "objects/TSmartImage.h"
#include "persistence/ClassRegistry.h"
#include "platform/MessageService.h"
#include "report/TImageReport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace sw;
using namespace sw::test;

namespace {

// Left half red, right half blue, a green top row.
QImage halves(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, y == 0 ? qRgb(0, 255, 0) : x < w / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage printAt300(TGGraphicControl &object)
{
    TImageReport report(300, 300);
    report.BeginDoc();
    object.PrintTo(report, 1.0, 1.0);
    report.EndDoc();
    return report.PageImage(0);
}

// A PCX header for w x h pixels.
QByteArray pcxHeader(int w, int h, int planes, int bytesPerLine, bool encoded)
{
    QByteArray b(128, '\0');
    b[0] = 0x0A;
    b[1] = 5;
    b[2] = encoded ? 1 : 0;
    b[3] = 8;
    qToLittleEndian<quint16>(static_cast<quint16>(w - 1), b.data() + 8);
    qToLittleEndian<quint16>(static_cast<quint16>(h - 1), b.data() + 10);
    b[65] = static_cast<char>(planes);
    qToLittleEndian<quint16>(static_cast<quint16>(bytesPerLine), b.data() + 66);
    return b;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

// 4 x 2, palette-indexed: row 0 = 7 7 7 200 (a run of three, then 200
// written as a run of one because it has the top bits set), row 1 plain.
QByteArray pcx8()
{
    QByteArray palette(768, '\0');
    palette[7 * 3] = static_cast<char>(255);     // 7: red
    palette[200 * 3 + 2] = static_cast<char>(255); // 200: blue
    palette[1 * 3 + 1] = static_cast<char>(255);   // 1: green
    return pcxHeader(4, 2, 1, 4, true) + bytes({0xC3, 7, 0xC1, 200, 1, 7, 1, 7}) + bytes({12}) + palette;
}

// 2 x 2 in three planes, one run spanning the red and green planes.
QByteArray pcx24()
{
    return pcxHeader(2, 2, 3, 2, true)
           + bytes({0xC4, 10, 30, 40, /**/ 50, 60, 70, 80, 90, 0xC1, 255});
}

} // namespace

TEST(ImageProperties, NewImageAndItsStream)
{
    TGImage image;
    EXPECT_EQ(image.BoundsRect(), QRect(0, 0, 105, 105));
    EXPECT_FALSE(image.AutoSize());
    EXPECT_TRUE(image.Stretch());
    EXPECT_EQ(image.BorderStyle(), bsNone);
    const QByteArray data = write(&image);
    EXPECT_TRUE(data.contains("\x0b" "BorderStyle")); // always written
    EXPECT_FALSE(data.contains("AutoSize"));
    EXPECT_FALSE(data.contains("Stretch"));
    EXPECT_FALSE(data.contains("Picture")); // an empty picture writes nothing
}

TEST(ImageProperties, BitmapRoundTripsByteForByte)
{
    RegisterClass<TGImage>();
    const QByteArray bmp = bmpBytes(halves(30, 15));
    TGImage image;
    image.setLoading(true); // as read from a file: no size check
    image.SetBounds(4, 5, 60, 40);
    image.Picture()->loadFromData(bmp);
    image.SetBorderStyle(bsSingle);
    image.SetAutoSize(true);
    image.SetStretch(false);
    image.setLoading(false);
    const QByteArray first = write(&image);
    ASSERT_TRUE(first.contains("Picture.Data"));
    ASSERT_TRUE(first.contains(bmp)); // the bitmap file itself, unchanged

    QObject owner;
    TGImage *copy = readBack<TGImage>(&owner, first);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BoundsRect(), QRect(4, 5, 60, 40));
    EXPECT_TRUE(copy->AutoSize());
    EXPECT_FALSE(copy->Stretch());
    EXPECT_EQ(copy->BorderStyle(), bsSingle);
    EXPECT_EQ(copy->Picture()->kind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(copy->Picture()->data(), bmp);
    EXPECT_EQ(write(copy), first);
}

TEST(ImageProperties, MetafileIsKeptUnchangedAndDrawnOnScreenAndPaper)
{
    RegisterClass<TGImage>();
    ScreenResolution screen(96);
    const QByteArray wmf = sampleWmf();
    TGImage image;
    ASSERT_TRUE(image.Picture()->loadFromData(wmf));
    EXPECT_EQ(image.Picture()->kind(), TPicture::Kind::Metafile);
    EXPECT_EQ(image.Picture()->size(), QSize(192, 144));
    QObject owner;
    TGImage *copy = readBack<TGImage>(&owner, write(&image));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Picture()->data(), wmf);

    // On screen: the picture squeezed into the bounds, as the player draws
    // it there (no placeholder frame).
    image.SetBounds(0, 0, 96, 72);
    QImage expected(96, 72, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        MetafilePlayer::draw(&painter, QRectF(0, 0, 96, 72), wmf);
    }
    EXPECT_EQ(paint(image), expected);
    // On paper: the same picture filling the object's inches at 300 dpi,
    // 1 x 0.75 inch from (1, 1) inch.
    const QImage page = printAt300(image);
    QImage printed(300, 225, QImage::Format_RGB32);
    printed.fill(Qt::white);
    {
        QPainter painter(&printed);
        MetafilePlayer::draw(&painter, QRectF(0, 0, 300, 225), wmf);
    }
    EXPECT_EQ(page.copy(300, 300, 300, 225), printed);
    EXPECT_TRUE(inkBounds(page, QRect(0, 0, 2550, 300)).isNull());
}

TEST(ImagePaint, EmptyPictureIsAWhiteBoxWithBlackFrameAndPrintsNothing)
{
    TGImage image;
    image.SetBounds(0, 0, 40, 30);
    const QImage shown = paint(image);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(39, 29), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(20, 15), qRgb(255, 255, 255));
    EXPECT_EQ(inkBounds(shown, QRect(1, 1, 38, 28)), QRect());

    ScreenResolution screen(96);
    image.SetBounds(96, 48, 96, 96);
    EXPECT_TRUE(inkBounds(printAt300(image), QRect(0, 0, 2550, 3300)).isNull());
    image.SetBorderStyle(bsSingle);
    const QImage page = printAt300(image);
    EXPECT_EQ(inkBounds(page, QRect(500, 350, 500, 500)), QRect(QPoint(600, 450), QPoint(899, 749)));
    EXPECT_FALSE(ink(page, 750, 600)); // the inside stays clear
}

TEST(ImagePaint, PictureIsSqueezedIntoTheBoundsAndFramedByTheBorder)
{
    TGImage image;
    image.Picture()->setImage(halves(300, 150));
    image.SetBounds(0, 0, 100, 100);
    QImage shown = paint(image);
    EXPECT_EQ(shown.pixel(25, 50), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(75, 50), qRgb(0, 0, 255));
    EXPECT_EQ(shown.pixel(50, 0), qRgb(0, 255, 0)); // one source row is 2/3 of a pixel
    EXPECT_NE(shown.pixel(50, 2), qRgb(0, 255, 0));

    image.SetBorderStyle(bsSingle);
    shown = paint(image);
    EXPECT_EQ(shown.pixel(0, 50), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(99, 50), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(50, 99), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(1, 50), qRgb(255, 0, 0));
}

TEST(ImagePrint, BitmapFillsItsRectangleInInches)
{
    ScreenResolution screen(96);
    TGImage image;
    image.Picture()->setImage(halves(300, 150));
    image.SetBounds(96, 48, 96, 96); // 1 inch in, half an inch down, 1 inch square
    const QImage page = printAt300(image);
    // At 300 dpi with the label at (1, 1) inch: x 600..900, y 450..750.
    EXPECT_EQ(inkBounds(page, QRect(400, 300, 700, 600)), QRect(QPoint(600, 450), QPoint(899, 749)));
    EXPECT_EQ(page.pixel(650, 600), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(850, 600), qRgb(0, 0, 255));
}

TEST(ImagePrint, AnIconFromALabelFilePrintsAsItShows)
{
    ScreenResolution screen(96);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int i = 0; i < 16; ++i)
        icon.setPixel(i, 8, qRgba(0, 0, 255, 255));
    QByteArray ico;
    {
        QBuffer buffer(&ico);
        buffer.open(QIODevice::WriteOnly);
        icon.save(&buffer, "ICO");
    }
    TGImage image;
    ASSERT_TRUE(image.Picture()->setGraphic(TPicture::Kind::Icon, ico));
    image.SetBounds(96, 48, 96, 96);
    const QImage page = printAt300(image);
    // The blue row across the middle, the transparent rest left white.
    EXPECT_EQ(page.pixel(750, 450 + 150 + 5), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(750, 500), qRgb(255, 255, 255));
}

TEST(ImageSize, AutoSizeFollowsThePictureAtTheDisplayScale)
{
    FakePanelHost panel;
    TGImage *image = panel.adopt(new TGImage);
    image->Loaded();
    image->Picture()->setImage(halves(300, 150));
    image->SetBounds(10, 20, 100, 100);
    EXPECT_EQ(image->BoundsRect(), QRect(10, 20, 100, 100)); // Stretch: no size check
    EXPECT_FALSE(image->isOpaque());

    panel.resetCounts();
    image->SetAutoSize(true);
    EXPECT_FALSE(image->Stretch());
    EXPECT_EQ(image->BoundsRect(), QRect(10, 20, 300, 150));
    EXPECT_TRUE(image->isOpaque());
    EXPECT_GE(panel.changes, 1);

    image->SetScale(0.5f); // the size check after rescaling
    EXPECT_EQ(image->BoundsRect(), QRect(5, 10, 150, 75));
    // Round halves to even: 301 x 0.5 = 150.5 -> 150, 303 x 0.5 = 151.5 -> 152.
    image->Picture()->setImage(halves(301, 303));
    EXPECT_EQ(image->BoundsRect(), QRect(5, 10, 150, 152));
    EXPECT_FALSE(image->isOpaque());
}

TEST(ImageMenu, StretchAndAutoSizeStayOppositeAndBorderToggles)
{
    FakePanelHost panel;
    TGImage *image = panel.adopt(new TGImage);
    image->Loaded();
    PopupMenu &menu = image->ObjectMenu();
    const int load = menu.indexOf(QStringLiteral("Load Image From Disk"));
    ASSERT_GT(load, 0);
    EXPECT_TRUE(menu.entry(load - 1).isSeparator());
    EXPECT_EQ(menu.indexOf(QStringLiteral("Border")), load + 2);
    EXPECT_EQ(menu.indexOf(QStringLiteral("Stretch to Fit")), load + 3);
    EXPECT_EQ(menu.indexOf(QStringLiteral("AutoSize")), load + 4);
    auto checked = [&](const char *caption) { return menu.entry(menu.indexOf(QLatin1String(caption))).checked; };
    EXPECT_TRUE(checked("Stretch to Fit"));
    EXPECT_FALSE(checked("AutoSize"));

    image->Picture()->setImage(halves(30, 20));
    panel.resetCounts();
    menu.trigger(QStringLiteral("Stretch to Fit"));
    EXPECT_FALSE(image->Stretch());
    EXPECT_TRUE(image->AutoSize());
    EXPECT_GE(panel.changes, 1);
    // The new AutoSize waits for the next size check.
    EXPECT_EQ(image->Width(), 105);
    image->setLeft(1);
    EXPECT_EQ(image->BoundsRect(), QRect(1, 0, 30, 20));
    menu.aboutToOpen();
    EXPECT_FALSE(checked("Stretch to Fit"));
    EXPECT_TRUE(checked("AutoSize"));

    menu.trigger(QStringLiteral("AutoSize"));
    EXPECT_FALSE(image->AutoSize());
    EXPECT_TRUE(image->Stretch());

    panel.resetCounts();
    menu.trigger(QStringLiteral("Border"));
    EXPECT_EQ(image->BorderStyle(), bsSingle);
    EXPECT_EQ(panel.changes, 1);
    menu.aboutToOpen();
    EXPECT_TRUE(checked("Border"));
    menu.trigger(QStringLiteral("Border"));
    EXPECT_EQ(image->BorderStyle(), bsNone);
}

TEST(ImageBrowse, BothOptionsClearAreStoredAndReadBackAsBothClear)
{
    RegisterClass<TGImage>();
    FakePanelHost panel;
    TGImage *image = panel.adopt(new TGImage);
    image->Loaded();
    image->SetAutoSize(true); // the old choice must not size the new picture
    image->SetBounds(0, 0, 100, 100);
    TPicture picture;
    picture.setImage(halves(300, 150));
    panel.resetCounts();
    image->ApplyBrowsedPicture(picture, false, false);
    EXPECT_FALSE(image->Stretch());
    EXPECT_FALSE(image->AutoSize());
    EXPECT_EQ(image->BoundsRect(), QRect(0, 0, 100, 100));
    EXPECT_GE(panel.changes, 1);
    EXPECT_EQ(paint(*image).pixel(75, 50), qRgb(0, 0, 255)); // still fills the bounds

    const QByteArray data = write(image);
    EXPECT_TRUE(data.contains("\x07Stretch\x08")); // vaFalse
    EXPECT_FALSE(data.contains("AutoSize"));
    QObject owner;
    TGImage *copy = readBack<TGImage>(&owner, data);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->Stretch());
    EXPECT_FALSE(copy->AutoSize());
}

// ---- the loader ---------------------------------------------------------------

TEST(SmartImage, FormatCodeIsTheTextAfterTheLastDot)
{
    const struct { const char *name; TSmartImage::FormatCode code; } cases[] = {
        {"/pics/a.jpg", TSmartImage::fcJpg},   {"a.GIF", TSmartImage::fcGif},
        {"a.b.Jif", TSmartImage::fcJif},       {"x.bmp", TSmartImage::fcBmp},
        {"x.dib", TSmartImage::fcDib},         {"x.rle", TSmartImage::fcRle},
        {"x.tga", TSmartImage::fcTga},         {"x.pcx", TSmartImage::fcPcx},
        {"/dir.pcx/photo", TSmartImage::fcOther}, {"pcx", TSmartImage::fcPcx},
        {"x.jpeg", TSmartImage::fcOther},      {"x.", TSmartImage::fcOther},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TSmartImage::FormatCodeOf(QLatin1String(c.name)), c.code) << c.name;
}

TEST(SmartImage, DecodesRasterFilesToBitmapsAndReportsFailures)
{
    QTemporaryDir dir;
    auto file = [&](const QString &name, const QByteArray &data) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(data);
        return path;
    };
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        halves(40, 20).save(&buffer, "JPG");
    }
    // A bitmap without its 14-byte file header, as .DIB files may hold it.
    const QByteArray dib = bmpBytes(halves(6, 4)).mid(14);

    ScriptedMessageHandler messages;
    ScopedMessageHandler scope(&messages);
    TSmartImage loader;
    for (const QString &path : {file(QStringLiteral("a.jpg"), jpeg), file(QStringLiteral("b.JIF"), jpeg),
                                file(QStringLiteral("c.pcx"), pcx24()), file(QStringLiteral("d.dib"), dib)}) {
        EXPECT_TRUE(loader.LoadFromFile(path)) << path.toStdString();
        EXPECT_EQ(loader.Picture()->kind(), TPicture::Kind::Bitmap);
    }
    EXPECT_EQ(loader.Picture()->size(), QSize(6, 4));
    EXPECT_EQ(loader.Picture()->image().pixel(0, 2), qRgb(255, 0, 0));
    EXPECT_TRUE(messages.messages.isEmpty());

    EXPECT_FALSE(loader.LoadFromFile(file(QStringLiteral("broken.jpg"), jpeg.left(20))));
    EXPECT_TRUE(loader.Picture()->isEmpty());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, ScriptedMessageHandler::Kind::Error);
    EXPECT_TRUE(messages.texts()[0].contains(QLatin1String("broken.jpg")));
    EXPECT_TRUE(messages.texts()[0].contains(QLatin1String("JPEG")));
}

TEST(PcxReader, ReadsPaletteAndThreePlanePictures)
{
    const QImage indexed = PcxReader::read(pcx8());
    ASSERT_EQ(indexed.size(), QSize(4, 2));
    EXPECT_EQ(indexed.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(indexed.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(indexed.pixel(3, 0), qRgb(0, 0, 255));
    EXPECT_EQ(indexed.pixel(0, 1), qRgb(0, 255, 0));
    EXPECT_EQ(indexed.pixel(1, 1), qRgb(255, 0, 0));

    const QImage rgb = PcxReader::read(pcx24());
    ASSERT_EQ(rgb.size(), QSize(2, 2));
    EXPECT_EQ(rgb.pixel(0, 0), qRgb(10, 10, 30));
    EXPECT_EQ(rgb.pixel(1, 0), qRgb(10, 10, 40));
    EXPECT_EQ(rgb.pixel(0, 1), qRgb(50, 70, 90));
    EXPECT_EQ(rgb.pixel(1, 1), qRgb(60, 80, 255));

    // Plain (not encoded) data, with padding at the end of each line.
    const QImage plain = PcxReader::read(pcxHeader(1, 1, 3, 2, false) + bytes({1, 0, 2, 0, 3, 0}));
    ASSERT_EQ(plain.size(), QSize(1, 1));
    EXPECT_EQ(plain.pixel(0, 0), qRgb(1, 2, 3));
}

TEST(PcxReader, DamagedDataFailsCleanly)
{
    for (const QByteArray &whole : {pcx8(), pcx24()})
        for (int n = 0; n < whole.size(); ++n)
            EXPECT_TRUE(PcxReader::read(whole.left(n)).isNull()) << n;

    auto withByte = [](QByteArray b, int at, int v) { b[at] = static_cast<char>(v); return b; };
    EXPECT_TRUE(PcxReader::read(withByte(pcx24(), 0, 0x0B)).isNull()); // not a PCX
    EXPECT_TRUE(PcxReader::read(withByte(pcx24(), 3, 4)).isNull());    // 4 bits per pixel
    EXPECT_TRUE(PcxReader::read(withByte(pcx24(), 65, 2)).isNull());   // two planes
    EXPECT_TRUE(PcxReader::read(withByte(pcx24(), 66, 1)).isNull());   // lines shorter than the width
    EXPECT_TRUE(PcxReader::read(withByte(withByte(pcx24(), 9, 0x7F), 11, 0x7F)).isNull()); // too large
    EXPECT_TRUE(PcxReader::read(withByte(pcx8(), pcx8().size() - 769, 0)).isNull()); // no palette marker

    // Found by fuzzing (fuzz/regressions/pcx/): a header promising 4 x
    // 9474 pixels in lines of 3 x 52740 bytes over a handful of bytes asked
    // for 2 GB before finding the data short. It fails at once now.
    QByteArray promise = pcxHeader(4, 9474, 3, 52740, false) + QByteArray(8, '\x11');
    EXPECT_TRUE(PcxReader::read(promise).isNull());
    promise[2] = 1; // encoded: still far more than runs of the data could give
    EXPECT_TRUE(PcxReader::read(promise).isNull());

    // Random damage may decode to something or nothing, but never reads
    // outside the data (run under the address sanitizer to be sure).
    QRandomGenerator random(7);
    for (int i = 0; i < 2000; ++i) {
        QByteArray b = i % 2 ? pcx8() : pcx24();
        for (int k = 0; k < 3; ++k)
            b[random.bounded(static_cast<int>(b.size()))] = static_cast<char>(random.bounded(256));
        const QImage image = PcxReader::read(b);
        if (!image.isNull()) {
            EXPECT_LE(image.width(), PcxReader::MaxSide);
        }
    }
}
