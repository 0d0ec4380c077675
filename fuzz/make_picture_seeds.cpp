// Writes seed pictures for the picture-reader fuzzers into a folder, one
// subfolder per fuzzer: bitmaps of every depth and encoding, PCX, Targa,
// icons and metafiles.
#include "MetafileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

using namespace sw::test;

namespace {

void put(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample()
{
    QImage image(13, 7, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 19, y * 36, (x * y) % 256, x % 2 ? 255 : 128));
    return image;
}

// A 4 x 2 4-bit bitmap encoded in runs (RLE4).
QByteArray rle4Dib()
{
    Bytes b;
    b.u32(40).u32(4).u32(2).u16(1).u16(4).u32(2).u32(0).u32(0).u32(0).u32(3).u32(0);
    b.u32(0x00FFFFFF).u32(0x00FF0000).u32(0x000000FF);
    b.u8(4).u8(0x12).u8(0).u8(0).u8(0).u8(4).u8(0x21).u8(0x12).u8(0).u8(0).u8(0).u8(1);
    return b;
}

QByteArray withFileHeader(const QByteArray &dib, int bitsOffset)
{
    return Bytes().u8('B').u8('M').u32(quint32(14 + dib.size())).u32(0).u32(14 + bitsOffset).raw(dib);
}

QByteArray pcx(int planes)
{
    Bytes b;
    b.u8(0x0A).u8(5).u8(1).u8(8).u16(0).u16(0).u16(3).u16(1).u16(72).u16(72).raw(QByteArray(48, '\0'));
    b.u8(0).u8(planes).u16(4).u16(1).raw(QByteArray(58, '\0'));
    if (planes == 1) {
        b.u8(0xC3).u8(7).u8(0xC1).u8(200).u8(1).u8(7).u8(1).u8(7).u8(12);
        for (int i = 0; i < 256; ++i)
            b.u8(i).u8(255 - i).u8(i / 2);
    } else {
        for (int i = 0; i < 6; ++i)
            b.u8(0xC4).u8(i * 40);
    }
    return b;
}

QByteArray targa(bool runs)
{
    Bytes b;
    b.u8(0).u8(0).u8(runs ? 10 : 2).raw(QByteArray(5, '\0')).u16(0).u16(0).u16(3).u16(2).u8(24).u8(0x20);
    if (runs) {
        b.u8(0x82).u8(255).u8(0).u8(0);             // three blue pixels
        b.u8(0x02).u8(0).u8(255).u8(0).u8(0).u8(0).u8(255).u8(9).u8(9).u8(9); // three listed
    } else {
        for (int i = 0; i < 6; ++i)
            b.u8(i * 40).u8(255 - i * 40).u8(100);
    }
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 1;
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char *sub : {"bmp", "pcx", "targa", "ico", "metafile"})
        root.mkpath(QLatin1String(sub));

    const QDir bmp(root.filePath(QStringLiteral("bmp")));
    const QImage image = sample();
    put(bmp, QStringLiteral("rgb24.bmp"), encoded(image.convertToFormat(QImage::Format_RGB32), "BMP"));
    put(bmp, QStringLiteral("argb32.bmp"), encoded(image, "BMP"));
    put(bmp, QStringLiteral("indexed8.bmp"), encoded(image.convertToFormat(QImage::Format_Indexed8), "BMP"));
    put(bmp, QStringLiteral("mono.bmp"), encoded(image.convertToFormat(QImage::Format_Mono), "BMP"));
    put(bmp, QStringLiteral("rle8.dib"), rle8Dib());
    put(bmp, QStringLiteral("rle8.bmp"), withFileHeader(rle8Dib(), 40 + 12));
    put(bmp, QStringLiteral("rle4.rle"), rle4Dib());
    put(bmp, QStringLiteral("packed.dib"), packedDib(image.convertToFormat(QImage::Format_RGB32)));

    const QDir pcxDir(root.filePath(QStringLiteral("pcx")));
    put(pcxDir, QStringLiteral("palette.pcx"), pcx(1));
    put(pcxDir, QStringLiteral("planes.pcx"), pcx(3));

    const QDir tga(root.filePath(QStringLiteral("targa")));
    put(tga, QStringLiteral("plain.tga"), targa(false));
    put(tga, QStringLiteral("runs.tga"), targa(true));

    const QDir ico(root.filePath(QStringLiteral("ico")));
    put(ico, QStringLiteral("argb.ico"), encoded(image.scaled(16, 16), "ICO"));
    put(ico, QStringLiteral("indexed.ico"), encoded(image.scaled(16, 16).convertToFormat(QImage::Format_Indexed8), "ICO"));

    const QDir meta(root.filePath(QStringLiteral("metafile")));
    put(meta, QStringLiteral("sample.wmf"), sampleWmf());
    put(meta, QStringLiteral("sample.emf"), sampleEmf());
    WmfWriter plain;
    plain.setWindowOrg(0, 0).setWindowExt(100, 100).createBrush(2, qRgb(0, 0, 255), 3).selectObject(0).ellipse(0, 0, 100, 100);
    put(meta, QStringLiteral("plain.wmf"), plain.bytes());
    return 0;
}
