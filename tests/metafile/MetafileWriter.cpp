#include "MetafileWriter.h"

#include <QBuffer>
#include <QtEndian>

#include <cstring>

namespace sw::test {

// ---- bytes ------------------------------------------------------------------------

Bytes &Bytes::u8(int v)
{
    mData.append(char(v & 0xFF));
    return *this;
}

Bytes &Bytes::u16(int v)
{
    return u8(v).u8(v >> 8);
}

Bytes &Bytes::u32(quint32 v)
{
    return u16(int(v & 0xFFFF)).u16(int(v >> 16));
}

Bytes &Bytes::f32(float v)
{
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    return u32(bits);
}

Bytes &Bytes::rgb(QRgb c)
{
    return u8(qRed(c)).u8(qGreen(c)).u8(qBlue(c)).u8(0);
}

Bytes &Bytes::raw(const QByteArray &b)
{
    mData.append(b);
    return *this;
}

QByteArray packedDib(const QImage &image)
{
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return file.mid(14);
}

QByteArray rle8Dib()
{
    Bytes b;
    b.u32(40).u32(4).u32(2).u16(1).u16(8).u32(1 /* BI_RLE8 */).u32(0).u32(0).u32(0).u32(3).u32(0);
    // Colour table entries: blue, green, red, 0 (white, red, blue).
    b.u32(0x00FFFFFF).u32(0x00FF0000).u32(0x000000FF);
    // Bottom row first: four 2s; then the top row: three 1s and a 2.
    b.u8(4).u8(2).u8(0).u8(0);
    b.u8(3).u8(1).u8(1).u8(2).u8(0).u8(0);
    b.u8(0).u8(1);
    return b;
}

namespace {

// Length of a packed bitmap's header and colour table.
int dibHeaderLength(const QByteArray &dib)
{
    const quint32 size = qFromLittleEndian<quint32>(dib.constData());
    const int bits = qFromLittleEndian<quint16>(dib.constData() + 14);
    const quint32 compression = qFromLittleEndian<quint32>(dib.constData() + 16);
    quint32 colours = qFromLittleEndian<quint32>(dib.constData() + 32);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    return int(size + colours * 4 + (compression == 3 && size == 40 ? 12 : 0));
}

QByteArray faceBytes(const QString &face)
{
    QByteArray name = face.toLatin1().left(31);
    name.append('\0');
    if (name.size() % 2)
        name.append('\0');
    return name;
}

QByteArray padded(QByteArray text)
{
    if (text.size() % 2)
        text.append('\0');
    return text;
}

} // namespace

// ---- 16-bit metafiles -------------------------------------------------------------------

WmfWriter::WmfWriter(const QRect &box, int unitsPerInch)
    : mPlaceable(true), mBox(box), mUnitsPerInch(unitsPerInch)
{
}

WmfWriter::WmfWriter() = default;

WmfWriter &WmfWriter::record(int function, const QByteArray &params)
{
    const quint32 words = 3 + quint32(params.size() + 1) / 2;
    mMaxRecord = qMax(mMaxRecord, words);
    Bytes b;
    b.u32(words).u16(function).raw(params);
    if (params.size() % 2)
        b.u8(0);
    mRecords.append(b.data());
    // Records that create an object (0x00F7, 0x0142, 0x01F9, 0x02FA..0x02FC, 0x06FF).
    const int low = function & 0xFF;
    if (low == 0xF7 || low == 0xF9 || low == 0xFA || low == 0xFB || low == 0xFC || low == 0xFF || function == 0x0142)
        ++mObjects;
    return *this;
}

WmfWriter &WmfWriter::words(int function, std::initializer_list<int> values)
{
    Bytes b;
    for (int v : values)
        b.u16(v);
    return record(function, b);
}

WmfWriter &WmfWriter::setBkColor(QRgb c)
{
    return record(0x0201, Bytes().rgb(c));
}

WmfWriter &WmfWriter::setTextColor(QRgb c)
{
    return record(0x0209, Bytes().rgb(c));
}

WmfWriter &WmfWriter::createPen(int style, int width, QRgb color)
{
    return record(0x02FA, Bytes().u16(style).u16(width).u16(0).rgb(color));
}

WmfWriter &WmfWriter::createBrush(int style, QRgb color, int hatch)
{
    return record(0x02FC, Bytes().u16(style).rgb(color).u16(hatch));
}

WmfWriter &WmfWriter::createFont(const FontSpec &f)
{
    Bytes b;
    b.u16(f.height).u16(f.width).u16(f.escapement).u16(f.escapement).u16(f.weight);
    b.u8(f.italic).u8(f.underline).u8(f.strikeOut).u8(f.charSet).u8(0).u8(0).u8(0).u8(0);
    b.raw(faceBytes(f.face));
    return record(0x02FB, b);
}

WmfWriter &WmfWriter::createRegion(const QVector<QRect> &rects)
{
    QRect bounds;
    Bytes scans;
    for (const QRect &r : rects) {
        bounds |= r;
        scans.u16(2).u16(r.top()).u16(r.top() + r.height()).u16(r.left()).u16(r.left() + r.width()).u16(2);
    }
    Bytes b;
    b.u16(0).u16(6).u32(0).u16(22 + int(scans.data().size())).u16(int(rects.size())).u16(2);
    b.u16(bounds.left()).u16(bounds.top()).u16(bounds.left() + bounds.width()).u16(bounds.top() + bounds.height());
    b.raw(scans);
    return record(0x06FF, b);
}

WmfWriter &WmfWriter::createPatternBrush(const QImage &mono)
{
    // A device bitmap's bits: 1 for light pixels, 0 for dark, first pixel
    // in the high bit.
    const int widthBytes = ((mono.width() + 15) >> 4) << 1;
    Bytes b;
    b.u16(0).u16(mono.width()).u16(mono.height()).u16(widthBytes).u8(1).u8(1).u32(0);
    b.raw(QByteArray(18, '\0'));
    for (int y = 0; y < mono.height(); ++y) {
        QByteArray row(widthBytes, '\0');
        for (int x = 0; x < mono.width(); ++x)
            if (qGray(mono.pixel(x, y)) > 127)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        b.raw(row);
    }
    return record(0x01F9, b);
}

WmfWriter &WmfWriter::dibCreatePatternBrush(const QByteArray &dib)
{
    return record(0x0142, Bytes().u16(5 /* BS_DIBPATTERN */).u16(0).raw(dib));
}

WmfWriter &WmfWriter::arcLike(int function, const QRect &box, const QPoint &start, const QPoint &end)
{
    return words(function, {end.y(), end.x(), start.y(), start.x(), box.top() + box.height(),
                            box.left() + box.width(), box.top(), box.left()});
}

WmfWriter &WmfWriter::poly(int function, const QVector<QPoint> &points)
{
    Bytes b;
    b.u16(int(points.size()));
    for (const QPoint &p : points)
        b.u16(p.x()).u16(p.y());
    return record(function, b);
}

WmfWriter &WmfWriter::polyPolygon(const QVector<QVector<QPoint>> &polygons)
{
    Bytes b;
    b.u16(int(polygons.size()));
    for (const auto &polygon : polygons)
        b.u16(int(polygon.size()));
    for (const auto &polygon : polygons)
        for (const QPoint &p : polygon)
            b.u16(p.x()).u16(p.y());
    return record(0x0538, b);
}

WmfWriter &WmfWriter::setPixel(int x, int y, QRgb c)
{
    return record(0x041F, Bytes().rgb(c).u16(y).u16(x));
}

WmfWriter &WmfWriter::textOut(int x, int y, const QByteArray &text)
{
    return record(0x0521, Bytes().u16(int(text.size())).raw(padded(text)).u16(y).u16(x));
}

WmfWriter &WmfWriter::extTextOut(int x, int y, int options, const QRect &rect, const QByteArray &text,
                                 const QVector<int> &dx)
{
    Bytes b;
    b.u16(y).u16(x).u16(int(text.size())).u16(options);
    if (options & 0x6)
        b.u16(rect.left()).u16(rect.top()).u16(rect.left() + rect.width()).u16(rect.top() + rect.height());
    b.raw(padded(text));
    for (int d : dx)
        b.u16(d);
    return record(0x0A32, b);
}

WmfWriter &WmfWriter::patBlt(const QRect &r, quint32 rop)
{
    return record(0x061D, Bytes().u32(rop).u16(r.height()).u16(r.width()).u16(r.top()).u16(r.left()));
}

WmfWriter &WmfWriter::stretchDib(quint32 rop, const QByteArray &dib, const QRect &source, const QRect &dest)
{
    Bytes b;
    b.u32(rop).u16(0).u16(source.height()).u16(source.width()).u16(source.top()).u16(source.left());
    b.u16(dest.height()).u16(dest.width()).u16(dest.top()).u16(dest.left()).raw(dib);
    return record(0x0F43, b);
}

WmfWriter &WmfWriter::dibStretchBlt(quint32 rop, const QByteArray &dib, const QRect &source, const QRect &dest)
{
    Bytes b;
    b.u32(rop).u16(source.height()).u16(source.width()).u16(source.top()).u16(source.left());
    b.u16(dest.height()).u16(dest.width()).u16(dest.top()).u16(dest.left()).raw(dib);
    return record(0x0B41, b);
}

WmfWriter &WmfWriter::dibBitBlt(quint32 rop, const QByteArray &dib, const QPoint &source, const QRect &dest)
{
    Bytes b;
    b.u32(rop).u16(source.y()).u16(source.x()).u16(dest.height()).u16(dest.width()).u16(dest.top()).u16(dest.left());
    b.raw(dib);
    return record(0x0940, b);
}

QByteArray WmfWriter::bytes() const
{
    const QByteArray records = mRecords + Bytes().u32(3).u16(0).data(); // the end record
    Bytes out;
    if (mPlaceable) {
        Bytes head;
        head.u32(0x9AC6CDD7u).u16(0).u16(mBox.left()).u16(mBox.top()).u16(mBox.left() + mBox.width());
        head.u16(mBox.top() + mBox.height()).u16(mUnitsPerInch).u32(0);
        quint16 checksum = 0;
        for (int i = 0; i < 10; ++i)
            checksum ^= qFromLittleEndian<quint16>(head.data().constData() + 2 * i);
        out.raw(head).u16(checksum);
    }
    out.u16(1).u16(9).u16(0x0300).u32(quint32(9 + records.size() / 2)).u16(mObjects).u32(mMaxRecord).u16(0);
    out.raw(records);
    return out;
}

// ---- enhanced metafiles ------------------------------------------------------------------

EmfWriter::EmfWriter(const QRect &frame, int dpi)
    : mFrame(frame), mDpi(dpi)
{
}

EmfWriter &EmfWriter::record(quint32 type, const QByteArray &params)
{
    QByteArray p = params;
    while (p.size() % 4)
        p.append('\0');
    mRecords.append(Bytes().u32(type).u32(quint32(8 + p.size())).raw(p).data());
    ++mRecordCount;
    return *this;
}

EmfWriter &EmfWriter::longs(quint32 type, std::initializer_list<qint64> values)
{
    Bytes b;
    for (qint64 v : values)
        b.u32(quint32(v));
    return record(type, b);
}

EmfWriter &EmfWriter::setTextColor(QRgb c)
{
    return record(24, Bytes().rgb(c));
}

EmfWriter &EmfWriter::setBkColor(QRgb c)
{
    return record(25, Bytes().rgb(c));
}

EmfWriter &EmfWriter::worldTransform(const QVector<float> &m, int mode)
{
    Bytes b;
    for (float v : m)
        b.f32(v);
    if (mode)
        b.u32(mode);
    return record(mode ? 36 : 35, b);
}

EmfWriter &EmfWriter::createPen(int index, int style, int width, QRgb color)
{
    mHandles = qMax(mHandles, index + 1);
    return record(38, Bytes().u32(index).u32(style).u32(width).u32(0).rgb(color));
}

EmfWriter &EmfWriter::extCreatePen(int index, quint32 style, int width, QRgb color, const QVector<int> &dashes)
{
    mHandles = qMax(mHandles, index + 1);
    Bytes b;
    b.u32(index).u32(0).u32(0).u32(0).u32(0).u32(style).u32(width).u32(0 /* BS_SOLID */).rgb(color).u32(0);
    b.u32(quint32(dashes.size()));
    for (int d : dashes)
        b.u32(d);
    return record(95, b);
}

EmfWriter &EmfWriter::createBrush(int index, int style, QRgb color, int hatch)
{
    mHandles = qMax(mHandles, index + 1);
    return record(39, Bytes().u32(index).u32(style).rgb(color).u32(hatch));
}

EmfWriter &EmfWriter::createDibPatternBrush(int index, const QByteArray &dib)
{
    mHandles = qMax(mHandles, index + 1);
    const int header = dibHeaderLength(dib);
    return record(94, Bytes().u32(index).u32(0).u32(32).u32(header).u32(32 + header).u32(dib.size() - header).raw(dib));
}

EmfWriter &EmfWriter::createFont(int index, const FontSpec &f)
{
    mHandles = qMax(mHandles, index + 1);
    Bytes b;
    b.u32(index).u32(quint32(f.height)).u32(quint32(f.width)).u32(f.escapement).u32(f.escapement).u32(f.weight);
    b.u8(f.italic).u8(f.underline).u8(f.strikeOut).u8(f.charSet).u8(0).u8(0).u8(0).u8(0);
    QString face = f.face.left(31);
    face.resize(32, QChar(0));
    for (QChar c : face)
        b.u16(c.unicode());
    return record(82, b);
}

EmfWriter &EmfWriter::arcLike(quint32 type, const QRect &box, const QPoint &start, const QPoint &end)
{
    return longs(type, {box.left(), box.top(), box.left() + box.width(), box.top() + box.height(), start.x(), start.y(),
                        end.x(), end.y()});
}

EmfWriter &EmfWriter::poly16(quint32 type, const QVector<QPoint> &points)
{
    Bytes b;
    b.u32(0).u32(0).u32(0).u32(0).u32(quint32(points.size()));
    for (const QPoint &p : points)
        b.u16(p.x()).u16(p.y());
    return record(type, b);
}

EmfWriter &EmfWriter::polyPolygon16(const QVector<QVector<QPoint>> &polygons)
{
    Bytes b;
    int total = 0;
    for (const auto &polygon : polygons)
        total += int(polygon.size());
    b.u32(0).u32(0).u32(0).u32(0).u32(quint32(polygons.size())).u32(total);
    for (const auto &polygon : polygons)
        b.u32(quint32(polygon.size()));
    for (const auto &polygon : polygons)
        for (const QPoint &p : polygon)
            b.u16(p.x()).u16(p.y());
    return record(91, b);
}

EmfWriter &EmfWriter::extTextOutW(int x, int y, int options, const QRect &rect, const QString &text,
                                  const QVector<int> &dx)
{
    const int fixed = 8 + 16 + 12 + 40;
    const int stringBytes = int((text.size() * 2 + 3) / 4 * 4);
    Bytes b;
    b.u32(0).u32(0).u32(0).u32(0).u32(1).f32(0).f32(0);
    b.u32(x).u32(y).u32(quint32(text.size())).u32(fixed).u32(options);
    b.u32(rect.left()).u32(rect.top()).u32(rect.left() + rect.width()).u32(rect.top() + rect.height());
    b.u32(dx.isEmpty() ? 0 : fixed + stringBytes);
    QByteArray chars;
    for (QChar c : text)
        chars.append(Bytes().u16(c.unicode()).data());
    chars.resize(stringBytes, '\0');
    b.raw(chars);
    for (int d : dx)
        b.u32(d);
    return record(84, b);
}

EmfWriter &EmfWriter::extSelectClipRgn(const QVector<QRect> &rects, int mode)
{
    if (rects.isEmpty())
        return longs(75, {0, mode});
    QRect bounds;
    Bytes data;
    for (const QRect &r : rects) {
        bounds |= r;
        data.u32(r.left()).u32(r.top()).u32(r.left() + r.width()).u32(r.top() + r.height());
    }
    Bytes b;
    b.u32(32 + quint32(data.data().size())).u32(mode);
    b.u32(32).u32(1).u32(quint32(rects.size())).u32(quint32(data.data().size()));
    b.u32(bounds.left()).u32(bounds.top()).u32(bounds.left() + bounds.width()).u32(bounds.top() + bounds.height());
    b.raw(data);
    return record(75, b);
}

EmfWriter &EmfWriter::stretchDIBits(quint32 rop, const QByteArray &dib, const QRect &source, const QRect &dest)
{
    const int header = dibHeaderLength(dib);
    const int fixed = 80;
    Bytes b;
    b.u32(0).u32(0).u32(0).u32(0).u32(dest.left()).u32(dest.top()).u32(source.left()).u32(source.top());
    b.u32(source.width()).u32(source.height()).u32(fixed).u32(header).u32(fixed + header).u32(dib.size() - header);
    b.u32(0).u32(rop).u32(dest.width()).u32(dest.height()).raw(dib);
    return record(81, b);
}

EmfWriter &EmfWriter::bitBlt(quint32 rop, const QByteArray &dib, const QPoint &source, const QRect &dest)
{
    const int header = dibHeaderLength(dib);
    const int fixed = 100;
    Bytes b;
    b.u32(0).u32(0).u32(0).u32(0).u32(dest.left()).u32(dest.top()).u32(dest.width()).u32(dest.height()).u32(rop);
    b.u32(source.x()).u32(source.y());
    b.f32(1).f32(0).f32(0).f32(1).f32(0).f32(0).rgb(qRgb(255, 255, 255)).u32(0);
    b.u32(fixed).u32(header).u32(fixed + header).u32(dib.size() - header).raw(dib);
    return record(76, b);
}

QByteArray EmfWriter::bytes() const
{
    const QByteArray eof = Bytes().u32(14).u32(20).u32(0).u32(16).u32(20).data();
    const int headerSize = 108;
    const int total = headerSize + int(mRecords.size() + eof.size());
    const double k = mDpi / 2540.0;
    Bytes h;
    h.u32(1).u32(headerSize);
    h.u32(int(mFrame.left() * k)).u32(int(mFrame.top() * k));
    h.u32(int((mFrame.left() + mFrame.width()) * k) - 1).u32(int((mFrame.top() + mFrame.height()) * k) - 1);
    h.u32(mFrame.left()).u32(mFrame.top()).u32(mFrame.left() + mFrame.width()).u32(mFrame.top() + mFrame.height());
    h.u32(0x464D4520).u32(0x10000).u32(total).u32(mRecordCount + 2).u16(mHandles).u16(0);
    h.u32(0).u32(0).u32(0);
    h.u32(mDpi * 10).u32(mDpi * 10).u32(254).u32(254); // a device of 10 x 10 inches
    h.u32(0).u32(0).u32(0).u32(254000).u32(254000);
    return h.data() + mRecords + eof;
}

// ---- sample pictures ---------------------------------------------------------------------------

namespace {

// Red, green / blue, white: a 2 x 2 bitmap whose quadrants show where each
// pixel lands.
QImage quadrants()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 160, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    return image;
}

// A black disc on white (the mask) and the same disc in colour on black
// (the picture): the pair that draws a round picture without its corners.
QImage disc(bool mask)
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = (x - 3.5) * (x - 3.5) + (y - 3.5) * (y - 3.5) <= 12;
            image.setPixel(x, y, inside ? (mask ? qRgb(0, 0, 0) : qRgb(230, 120, 0)) : (mask ? qRgb(255, 255, 255) : 0));
        }
    return image;
}

QImage checker()
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, ((x / 4) + (y / 4)) % 2 ? qRgb(0, 128, 128) : qRgb(255, 255, 200));
    return image;
}

} // namespace

QByteArray sampleWmf()
{
    // 2 x 1.5 inches at 1440 units per inch; the window says the same.
    WmfWriter w(QRect(0, 0, 2880, 2160), 1440);
    w.setMapMode(8).setWindowOrg(0, 0).setWindowExt(2880, 2160);
    // Objects 0 and 1: a hatched brush and a dashed thin pen.
    w.createBrush(2, qRgb(0, 0, 200), 5).createPen(1, 0, qRgb(200, 0, 0));
    w.selectObject(0).selectObject(1).setBkMode(1);
    w.rectangle(60, 60, 900, 700);
    // Objects 2 and 3: a wide green pen and a yellow brush; a rounded box.
    w.createPen(0, 45, qRgb(0, 140, 0)).createBrush(0, qRgb(255, 230, 0));
    w.selectObject(2).selectObject(3);
    w.roundRect(1000, 60, 1900, 700, 300, 300);
    // A clipped ellipse: only its left half, saved state around it.
    w.saveDC().intersectClipRect(2000, 60, 2410, 700).ellipse(2000, 60, 2820, 700).restoreDC(-1);
    // The dashed pen is deleted; the next object takes its slot (1).
    w.selectObject(2).deleteObject(1);
    w.createBrush(0, qRgb(220, 0, 220));
    w.selectObject(1);
    w.arcLike(0x081A, QRect(60, 760, 640, 640), QPoint(700, 1080), QPoint(380, 760)); // pie
    w.arcLike(0x0830, QRect(760, 760, 640, 640), QPoint(1400, 1080), QPoint(760, 1080)); // chord
    w.arcLike(0x0817, QRect(1460, 760, 640, 640), QPoint(1460, 1080), QPoint(2100, 1080)); // arc
    // A star twice: alternate leaves its middle empty, winding fills it.
    const QVector<QPoint> star{{2300, 760}, {2440, 1180}, {2160, 920}, {2460, 920}, {2180, 1180}};
    w.setPolyFillMode(1).polygon(star);
    w.setPolyFillMode(2).polyPolygon({QVector<QPoint>{{2500, 760}, {2640, 1180}, {2360, 920}, {2660, 920}, {2380, 1180}}});
    w.polyline({{2700, 760}, {2840, 900}, {2700, 1040}});
    w.moveTo(2700, 1100).lineTo(2840, 1100);
    // Text: bold italic underlined, centred on its baseline; then turned a
    // quarter; then spaced by a spacing array in a clipped, opaque box.
    FontSpec font;
    font.height = -240;
    font.weight = 700;
    font.italic = true;
    font.underline = true;
    w.createFont(font).selectObject(4);
    w.setTextColor(qRgb(0, 0, 0)).setTextAlign(6 | 24).textOut(700, 1700, "Label");
    FontSpec turned;
    turned.height = -200;
    turned.escapement = 900;
    turned.charSet = 0;
    w.createFont(turned).selectObject(5).setTextAlign(0).textOut(1860, 2120, "Up\xe9");
    w.deleteObject(4);
    FontSpec plain;
    plain.height = -200;
    w.createFont(plain).selectObject(4);
    w.setBkMode(2).setBkColor(qRgb(200, 230, 255));
    w.extTextOut(60, 1850, 0x6, QRect(40, 1840, 1100, 260), "S P A", {200, 200, 200, 200, 200});
    // Bitmaps: a stretched 2 x 2 bitmap, then round pictures drawn through
    // their masks: mask (AND) then picture (OR), and picture (XOR), mask
    // (AND), picture (XOR) again.
    w.stretchDib(0x00CC0020, packedDib(quadrants()), QRect(0, 0, 2, 2), QRect(1500, 1300, 600, 400));
    w.dibStretchBlt(0x008800C6, packedDib(disc(true)), QRect(0, 0, 8, 8), QRect(2200, 1300, 600, 600));
    w.dibStretchBlt(0x00EE0086, packedDib(disc(false)), QRect(0, 0, 8, 8), QRect(2200, 1300, 600, 600));
    w.dibStretchBlt(0x00660046, packedDib(disc(false)), QRect(0, 0, 8, 8), QRect(2500, 1850, 240, 240));
    w.dibStretchBlt(0x008800C6, packedDib(disc(true)), QRect(0, 0, 8, 8), QRect(2500, 1850, 240, 240));
    w.dibStretchBlt(0x00660046, packedDib(disc(false)), QRect(0, 0, 8, 8), QRect(2500, 1850, 240, 240));
    w.dibBitBlt(0x00CC0020, packedDib(checker()), QPoint(0, 0), QRect(2860, 2140, 8, 8)); // one pixel
    // A pattern brush from a bitmap and a region that clips it; a
    // one-bit pattern in the text and background colours.
    w.dibCreatePatternBrush(packedDib(checker())).selectObject(6);
    w.createRegion({QRect(1200, 1900, 200, 200), QRect(1400, 2000, 200, 100)});
    w.setTextColor(qRgb(160, 0, 0)).setBkColor(qRgb(255, 220, 220));
    w.createPatternBrush(checker().convertToFormat(QImage::Format_Grayscale8)).selectObject(8);
    w.rectangle(1150, 1720, 1450, 1830).selectObject(6);
    w.selectClipRegion(7).rectangle(1200, 1900, 1700, 2150);
    return w.bytes();
}

QByteArray sampleEmf()
{
    // 2 x 1.5 inches: 5080 x 3810 hundredths of a millimetre, 96 pixels per inch.
    EmfWriter e(QRect(0, 0, 5080, 3810), 96);
    e.createBrush(1, 2, qRgb(0, 0, 200), 2).createPen(2, 2, 0, qRgb(200, 0, 0));
    e.selectObject(1).selectObject(2).setBkMode(2).setBkColor(qRgb(255, 255, 210));
    e.rectangle(4, 4, 60, 46);
    // A geometric pen with flat caps and user dashes; a Bézier curve.
    e.extCreatePen(3, 0x00010000 | 7 | 0x200, 4, qRgb(0, 100, 200), {6, 3});
    e.selectObject(3).poly16(85, {{66, 40}, {80, 0}, {110, 60}, {124, 10}});
    // Metric map mode: y runs up; a 10 mm square 2 mm from the left.
    e.saveDC().setMapMode(2).setWindowOrg(0, 0).setViewportOrg(130, 48);
    e.createBrush(4, 0, qRgb(0, 150, 0)).selectObject(4).selectObject(0x80000008); // no pen
    e.rectangle(20, 0, 120, 100);
    e.restoreDC(-1);
    // Anisotropic: a 100 x 100 window on a 40 x 20 viewport.
    e.saveDC().setMapMode(8).setWindowExt(100, 100).setViewportExt(40, 20).setViewportOrg(145, 2);
    e.selectObject(0x80000004).ellipse(0, 0, 100, 100); // black brush
    e.restoreDC(-1);
    // A turned square by the world transform.
    e.saveDC().worldTransform({0.7071f, 0.7071f, -0.7071f, 0.7071f, 40, 52});
    e.createBrush(5, 0, qRgb(255, 120, 0)).selectObject(5).selectObject(2).rectangle(-10, -10, 10, 10);
    e.restoreDC(-1);
    // Pie, chord and a clockwise arc; stock pens and brushes.
    e.selectObject(0x80000007).createBrush(6, 0, qRgb(220, 0, 220)).selectObject(6);
    e.arcLike(47, QRect(70, 50, 40, 40), QPoint(110, 70), QPoint(90, 50));
    e.arcLike(46, QRect(115, 50, 40, 40), QPoint(155, 70), QPoint(115, 70));
    e.setArcDirection(2).arcLike(45, QRect(160, 50, 28, 28), QPoint(160, 64), QPoint(188, 64)).setArcDirection(1);
    // Two overlapping squares as one figure: alternate leaves a hole.
    e.setPolyFillMode(1).polyPolygon16({{{4, 54}, {34, 54}, {34, 84}, {4, 84}}, {{14, 64}, {24, 64}, {24, 74}, {14, 74}}});
    // Text: a turned word, and a spaced Unicode one in a clipped opaque box.
    FontSpec font;
    font.height = -14;
    font.weight = 700;
    font.escapement = 450;
    e.createFont(7, font).selectObject(7).setTextColor(qRgb(120, 0, 0)).setBkMode(1);
    e.setTextAlign(24).extTextOutW(60, 142, 0, QRect(), QStringLiteral("Tilt"));
    FontSpec plain;
    plain.height = -12;
    plain.italic = true;
    e.createFont(8, plain).selectObject(8).setTextAlign(0).setBkColor(qRgb(210, 240, 210));
    e.extTextOutW(50, 96, 0x6, QRect(48, 94, 70, 18), QStringLiteral("\u00c5 b c"), {14, 10, 14, 10, 14});
    e.deleteObject(7).deleteObject(8);
    // Bitmaps: stretched, and a round picture put in by its mask.
    e.stretchDIBits(0x00CC0020, packedDib(quadrants()), QRect(0, 0, 2, 2), QRect(124, 94, 30, 30));
    e.stretchDIBits(0x008800C6, packedDib(disc(true)), QRect(0, 0, 8, 8), QRect(100, 116, 16, 16));
    e.stretchDIBits(0x00EE0086, packedDib(disc(false)), QRect(0, 0, 8, 8), QRect(100, 116, 16, 16));
    e.bitBlt(0x00CC0020, packedDib(disc(false)), QPoint(0, 0), QRect(4, 136, 8, 8));
    // A pattern brush filling a path, clipped by a region of two rectangles.
    e.createDibPatternBrush(9, packedDib(checker())).selectObject(9);
    e.extSelectClipRgn({QRect(124, 126, 30, 8), QRect(160, 100, 28, 40)}, 5);
    e.beginPath().moveTo(120, 100).lineTo(190, 100).lineTo(190, 142).lineTo(120, 142).endPath().fillPath();
    e.extSelectClipRgn({}, 5);
    e.intersectClipRect(0, 88, 40, 144).excludeClipRect(10, 100, 30, 120);
    e.selectObject(0x80000002).rectangle(0, 88, 40, 144);
    return e.bytes();
}

} // namespace sw::test
