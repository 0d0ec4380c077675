#include "objects/PcxReader.h"

#include <QVector>

namespace sw {

namespace {

constexpr int HeaderSize = 128;
constexpr int PaletteSize = 768;

int word(const QByteArray &b, int at)
{
    return static_cast<quint8>(b.at(at)) | (static_cast<quint8>(b.at(at + 1)) << 8);
}

// Expands the encoded pixel data into exactly `size` bytes; false when the
// data runs out first. A run may carry on across scan lines, as some
// writers produce it.
bool expand(const char *src, qsizetype srcSize, bool encoded, QByteArray &out, qsizetype size)
{
    out.resize(size);
    char *dst = out.data();
    qsizetype i = 0, o = 0;
    while (o < size) {
        if (i >= srcSize)
            return false;
        const quint8 b = static_cast<quint8>(src[i++]);
        if (encoded && (b & 0xC0) == 0xC0) {
            if (i >= srcSize)
                return false;
            const qsizetype count = qMin<qsizetype>(b & 0x3F, size - o);
            std::fill_n(dst + o, count, src[i++]);
            o += count;
        } else {
            dst[o++] = static_cast<char>(b);
        }
    }
    return true;
}

} // namespace

QImage PcxReader::read(const QByteArray &data)
{
    if (data.size() < HeaderSize || static_cast<quint8>(data.at(0)) != 0x0A)
        return QImage();
    const int encoding = static_cast<quint8>(data.at(2));
    const int bitsPerPixel = static_cast<quint8>(data.at(3));
    const int planes = static_cast<quint8>(data.at(65));
    const int bytesPerLine = word(data, 66);
    const int width = word(data, 8) - word(data, 4) + 1;
    const int height = word(data, 10) - word(data, 6) + 1;
    if (encoding > 1 || bitsPerPixel != 8 || (planes != 1 && planes != 3))
        return QImage();
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide || bytesPerLine < width)
        return QImage();

    // An 8-bit picture keeps its palette in the last 768 bytes, after a
    // marker byte 12; without it the colours are unknown.
    qsizetype pixelEnd = data.size();
    QVector<QRgb> palette;
    if (planes == 1) {
        if (data.size() < HeaderSize + 1 + PaletteSize)
            return QImage();
        pixelEnd = data.size() - PaletteSize - 1;
        if (static_cast<quint8>(data.at(pixelEnd)) != 12)
            return QImage();
        const char *p = data.constData() + pixelEnd + 1;
        palette.reserve(256);
        for (int i = 0; i < 256; ++i)
            palette.append(qRgb(static_cast<quint8>(p[3 * i]), static_cast<quint8>(p[3 * i + 1]),
                                static_cast<quint8>(p[3 * i + 2])));
    }

    const qsizetype lineSize = static_cast<qsizetype>(bytesPerLine) * planes;
    // What the header promises must fit what the file holds before any of
    // it is allocated: plain data is a byte a byte, a run of two bytes
    // gives at most 63.
    const qint64 needed = qint64(lineSize) * height;
    const qint64 held = pixelEnd - HeaderSize;
    if (qint64(width) * height > MaxPixels || needed > held * (encoding == 1 ? 63 : 1))
        return QImage();
    QByteArray pixels;
    if (!expand(data.constData() + HeaderSize, pixelEnd - HeaderSize, encoding == 1, pixels,
                lineSize * height))
        return QImage();

    const QImage::Format format = planes == 1 ? QImage::Format_Indexed8 : QImage::Format_RGB32;
    QImage image(width, height, format);
    if (image.isNull())
        return QImage();
    const auto *src = reinterpret_cast<const uchar *>(pixels.constData());
    for (int y = 0; y < height; ++y) {
        const uchar *line = src + y * lineSize;
        if (planes == 1) {
            std::copy_n(line, width, image.scanLine(y));
        } else {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                row[x] = qRgb(line[x], line[bytesPerLine + x], line[2 * bytesPerLine + x]);
        }
    }
    if (planes == 1)
        image.setColorTable(palette);
    return image;
}

} // namespace sw
