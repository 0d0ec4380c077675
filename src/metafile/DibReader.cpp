#include "metafile/DibReader.h"

#include <QCache>
#include <QCryptographicHash>
#include <QMutex>
#include <QMutexLocker>

namespace sw {

namespace {

constexpr quint32 BI_RGB = 0;
constexpr quint32 BI_RLE8 = 1;
constexpr quint32 BI_RLE4 = 2;
constexpr quint32 BI_BITFIELDS = 3;
constexpr quint32 BI_JPEG = 4;
constexpr quint32 BI_PNG = 5;
constexpr quint32 BI_ALPHABITFIELDS = 6;
constexpr int FileHeaderSize = 14;

struct DibHeader
{
    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: rows top to bottom
    int bitCount = 0;
    quint32 compression = BI_RGB;
    qint64 colours = 0;    // entries of the colour table
    qint64 entrySize = 4;  // bytes per entry
    qint64 masksSize = 0;  // bit-field masks after a 40-byte header
    bool core = false;

    qint64 tableSize(quint32 usage) const
    {
        return masksSize + colours * (usage == DibReader::DIB_PAL_COLORS ? 2 : entrySize);
    }
};

bool knownHeaderSize(quint32 size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool parseHeader(const ByteCursor &data, DibHeader &h)
{
    ByteCursor c = data;
    h.size = c.u32();
    if (!c.ok() || !knownHeaderSize(h.size) || !data.has(h.size))
        return false;
    if (h.size == 12) {
        h.core = true;
        h.width = c.u16();
        h.height = c.u16();
        c.u16(); // planes
        h.bitCount = c.u16();
        h.entrySize = 3;
        h.colours = h.bitCount <= 8 ? (qint64(1) << h.bitCount) : 0;
        return c.ok();
    }
    h.width = c.i32();
    h.height = c.i32();
    c.u16(); // planes
    h.bitCount = c.u16();
    h.compression = c.u32();
    c.skip(12); // image size, resolution
    const quint32 used = c.u32();
    if (!c.ok())
        return false;
    if (h.bitCount <= 8) {
        const qint64 full = qint64(1) << qMax(1, h.bitCount);
        if (used > full)
            return false;
        h.colours = used ? used : full;
    } else {
        if (used > 65536)
            return false;
        h.colours = used;
    }
    if (h.size == 40 && h.compression == BI_BITFIELDS)
        h.masksSize = 12;
    if (h.size == 40 && h.compression == BI_ALPHABITFIELDS)
        h.masksSize = 16;
    return true;
}

// Whether the pixel data can be what the header describes, judged before
// anything is allocated.
bool plausible(const DibHeader &h, qsizetype bitsSize)
{
    if (h.width <= 0 || h.height == 0 || h.width > 65535 || qAbs(h.height) > 65535)
        return false;
    const qint64 pixels = h.width * qAbs(h.height);
    if (pixels > DibReader::MaxPixels)
        return false;
    switch (h.compression) {
    case BI_RGB:
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS: {
        const bool depthOk = h.compression == BI_RGB
                                 ? (h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16
                                    || h.bitCount == 24 || h.bitCount == 32)
                                 : (h.bitCount == 16 || h.bitCount == 32);
        const qint64 stride = ((h.width * h.bitCount + 31) / 32) * 4;
        return depthOk && stride * qAbs(h.height) <= bitsSize;
    }
    case BI_RLE8:
    case BI_RLE4:
        // A run of two bytes covers at most 255 pixels; a bitmap much
        // larger than its data could only be gaps.
        return h.bitCount == (h.compression == BI_RLE8 ? 8 : 4) && !h.core && h.height > 0
               && pixels <= qint64(bitsSize) * 256 + 65536;
    default:
        return false;
    }
}

// The 16-colour palette stands in for the palette a DIB_PAL_COLORS table
// refers to, which a metafile does not carry.
QByteArray paletteIndexTable(const ByteCursor &indexes, qint64 colours)
{
    static const QRgb vga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    ByteCursor c = indexes;
    QByteArray table;
    table.reserve(int(colours * 4));
    for (qint64 i = 0; i < colours; ++i) {
        const quint16 index = c.u16();
        const QRgb rgb = index < 16 ? vga[index] : qRgb(index & 0xFF, index & 0xFF, index & 0xFF);
        table.append(char(qBlue(rgb)));
        table.append(char(qGreen(rgb)));
        table.append(char(qRed(rgb)));
        table.append('\0');
    }
    return table;
}

// Gives the transparent pixels next to the picture the colour of an opaque
// neighbour: a PDF keeps colour and transparency apart, and a viewer
// smoothing a stretched picture mixes the colour of the pixels left out
// into its edge, which would otherwise show as a dark rim.
void bleedIntoTransparent(QImage &argb)
{
    const QImage source = argb.copy();
    const int w = source.width(), h = source.height();
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) != 0)
                continue;
            for (int dy = -1; dy <= 1; ++dy) {
                if (y + dy < 0 || y + dy >= h)
                    continue;
                const auto *near = reinterpret_cast<const QRgb *>(source.constScanLine(y + dy));
                for (int dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && x + dx < w && qAlpha(near[x + dx]) == 255)
                        line[x] = near[x + dx] & 0xFFFFFF;
            }
        }
    }
}

QByteArray fileHeader(qsizetype total, qsizetype bitsOffset)
{
    QByteArray header(FileHeaderSize, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(quint32(total), header.data() + 2);
    qToLittleEndian<quint32>(quint32(bitsOffset), header.data() + 10);
    return header;
}

// Decoded bitmaps by a digest of their bytes; the cost is the image size.
class ImageCache
{
public:
    static ImageCache &instance()
    {
        static ImageCache cache;
        return cache;
    }
    bool find(const QByteArray &key, QImage *image)
    {
        QMutexLocker lock(&mMutex);
        if (const QImage *found = mImages.object(key)) {
            *image = *found;
            return true;
        }
        return false;
    }
    void insert(const QByteArray &key, const QImage &image)
    {
        QMutexLocker lock(&mMutex);
        const qsizetype cost = qMax<qsizetype>(1, image.sizeInBytes() / 1024);
        mImages.insert(key, new QImage(image), cost);
    }

private:
    ImageCache() : mImages(64 * 1024) {} // 64 MB, counted in KB
    QMutex mMutex;
    QCache<QByteArray, QImage> mImages;
};

QByteArray digest(const QByteArray &a, const QByteArray &b = QByteArray())
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(a);
    hash.addData(b);
    return hash.result();
}

QImage decodeFile(const QByteArray &bmpFile)
{
    const QByteArray key = digest(bmpFile);
    QImage image;
    if (ImageCache::instance().find(key, &image))
        return image;
    image = QImage::fromData(bmpFile, "BMP");
    if (!image.isNull())
        ImageCache::instance().insert(key, image);
    return image;
}

QImage decode(const DibHeader &h, const ByteCursor &header, const ByteCursor &bits, quint32 usage)
{
    if (h.compression == BI_JPEG || h.compression == BI_PNG) {
        const QByteArray data(bits.data(), bits.size());
        const QByteArray key = digest(data, "embedded");
        QImage image;
        if (ImageCache::instance().find(key, &image))
            return image;
        image = QImage::fromData(data, h.compression == BI_JPEG ? "JPEG" : "PNG");
        if (!image.isNull())
            ImageCache::instance().insert(key, image);
        return image;
    }
    if (!plausible(h, bits.size()))
        return QImage();
    const qint64 table = h.tableSize(usage);
    if (!header.has(h.size + table))
        return QImage();
    QByteArray info(header.data(), qsizetype(h.size + h.masksSize));
    if (usage == DibReader::DIB_PAL_COLORS && h.colours > 0 && !h.core)
        info += paletteIndexTable(header.slice(h.size + h.masksSize, h.colours * 2), h.colours);
    else
        info += QByteArray(header.data() + h.size + h.masksSize, qsizetype(table - h.masksSize));
    const qsizetype offset = FileHeaderSize + info.size();
    QByteArray file = fileHeader(offset + bits.size(), offset);
    file += info;
    file.append(bits.data(), bits.size());
    return decodeFile(file);
}

} // namespace

QImage DibReader::read(const ByteCursor &packed, quint32 colorUsage)
{
    DibHeader h;
    if (!parseHeader(packed, h))
        return QImage();
    const qint64 start = h.size + h.tableSize(colorUsage);
    if (start > packed.size())
        return QImage();
    return decode(h, packed, packed.slice(start, packed.size() - start), colorUsage);
}

QImage DibReader::read(const ByteCursor &header, const ByteCursor &bits, quint32 colorUsage)
{
    DibHeader h;
    if (!parseHeader(header, h))
        return QImage();
    return decode(h, header, bits, colorUsage);
}

QImage DibReader::readWithAlpha(const ByteCursor &header, const ByteCursor &bits)
{
    DibHeader h;
    if (!parseHeader(header, h) || h.core || h.bitCount != 32 || h.compression != BI_RGB
        || !plausible(h, bits.size()))
        return read(header, bits);
    const QByteArray key = digest(QByteArray(header.data(), h.size), QByteArray(bits.data(), bits.size()) + "alpha");
    QImage image;
    if (ImageCache::instance().find(key, &image))
        return image;
    const int width = int(h.width), height = int(qAbs(h.height));
    image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    for (int y = 0; y < height; ++y) {
        const int row = h.height > 0 ? height - 1 - y : y;
        const auto *src = reinterpret_cast<const uchar *>(bits.data()) + qsizetype(row) * width * 4;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const uchar a = src[4 * x + 3];
            // Colour values above the alpha would not be premultiplied.
            line[x] = qRgba(qMin(src[4 * x + 2], a), qMin(src[4 * x + 1], a), qMin(src[4 * x], a), a);
        }
    }
    ImageCache::instance().insert(key, image);
    return image;
}

bool DibReader::isTopDown(const ByteCursor &header)
{
    DibHeader h;
    return parseHeader(header, h) && h.height < 0;
}

QImage DibReader::readBitmap16(const ByteCursor &bitmap)
{
    ByteCursor c = bitmap;
    c.u16(); // type
    const int width = c.i16();
    const int height = c.i16();
    const int widthBytes = c.i16();
    c.u8(); // planes
    const int bitsPixel = c.u8();
    if (!c.ok() || width <= 0 || height <= 0 || qint64(width) * height > MaxPixels)
        return QImage();
    if (bitsPixel != 1 && bitsPixel != 24 && bitsPixel != 32)
        return QImage();
    if (widthBytes < (qint64(width) * bitsPixel + 7) / 8 || !c.has(qint64(widthBytes) * height))
        return QImage();
    const QImage::Format format = bitsPixel == 1 ? QImage::Format_Mono : QImage::Format_RGB32;
    QImage image(width, height, format);
    if (image.isNull())
        return QImage();
    if (bitsPixel == 1)
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const uchar *>(c.current()) + qsizetype(y) * widthBytes;
        uchar *line = image.scanLine(y);
        if (bitsPixel == 1) {
            std::copy_n(row, (width + 7) / 8, line);
            continue;
        }
        auto *out = reinterpret_cast<QRgb *>(line);
        const int step = bitsPixel / 8;
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(row[x * step + 2], row[x * step + 1], row[x * step]);
    }
    return image;
}

QByteArray DibReader::withFileHeader(const QByteArray &packed)
{
    if (packed.startsWith("BM"))
        return packed;
    DibHeader h;
    const ByteCursor data(packed.constData(), packed.size());
    if (!parseHeader(data, h))
        return packed;
    const qint64 offset = FileHeaderSize + h.size + h.tableSize(0);
    if (offset - FileHeaderSize > packed.size())
        return packed;
    return fileHeader(FileHeaderSize + packed.size(), qsizetype(offset)) + packed;
}

QImage DibReader::keyedOut(const QImage &image, QRgb key)
{
    if (image.isNull())
        return image;
    const QByteArray id = QByteArray::number(image.cacheKey()) + ':' + QByteArray::number(key & 0xFFFFFF);
    QImage out;
    if (ImageCache::instance().find(id, &out))
        return out;
    out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
    }
    bleedIntoTransparent(out);
    ImageCache::instance().insert(id, out);
    return out;
}

QImage DibReader::throughMask(const QImage &picture, const QImage &mask)
{
    if (picture.isNull() || mask.isNull())
        return picture;
    const QByteArray id = QByteArray::number(picture.cacheKey()) + ":mask:" + QByteArray::number(mask.cacheKey());
    QImage out;
    if (ImageCache::instance().find(id, &out))
        return out;
    const QImage fitted = (mask.size() == picture.size() ? mask : mask.scaled(picture.size()))
                              .convertToFormat(QImage::Format_RGB32);
    out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        const auto *under = reinterpret_cast<const QRgb *>(fitted.constScanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((under[x] & 0xFFFFFF) == 0xFFFFFF && (line[x] & 0xFFFFFF) == 0)
                line[x] = 0;
    }
    bleedIntoTransparent(out);
    ImageCache::instance().insert(id, out);
    return out;
}

} // namespace sw
