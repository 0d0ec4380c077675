#pragma once
// Test helpers that write Windows metafiles record by record, so that the
// tests know every byte the player reads: 16-bit metafiles (placeable or
// plain) and enhanced metafiles, packed bitmaps to put in them, and two
// sample pictures that use every kind of record the player draws.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <initializer_list>

namespace sw::test {

// Little-endian bytes.
class Bytes
{
public:
    Bytes &u8(int v);
    Bytes &u16(int v);
    Bytes &u32(quint32 v);
    Bytes &f32(float v);
    Bytes &rgb(QRgb c); // a colour reference: red, green, blue, 0
    Bytes &raw(const QByteArray &b);
    const QByteArray &data() const { return mData; }
    operator QByteArray() const { return mData; }

private:
    QByteArray mData;
};

// A packed bitmap (header, colours, rows) as Qt's BMP writer makes it.
QByteArray packedDib(const QImage &image);
// A 4 x 2 8-bit bitmap encoded in runs (RLE8): a run of three palette
// entries 1, one literal pixel 2, then the second row as a run of four 2s.
QByteArray rle8Dib();

struct FontSpec
{
    int height = -16;
    int width = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;
    QString face = QStringLiteral("DejaVu Sans");
};

class WmfWriter
{
public:
    // A placeable metafile with the box in logical units and how many of
    // them make an inch.
    WmfWriter(const QRect &box, int unitsPerInch);
    // A plain metafile (no placeable header).
    WmfWriter();

    WmfWriter &record(int function, const QByteArray &params);
    // A record of 16-bit parameters, in the order they are stored.
    WmfWriter &words(int function, std::initializer_list<int> values);

    WmfWriter &setMapMode(int mode) { return words(0x0103, {mode}); }
    WmfWriter &setWindowOrg(int x, int y) { return words(0x020B, {y, x}); }
    WmfWriter &setWindowExt(int x, int y) { return words(0x020C, {y, x}); }
    WmfWriter &setViewportOrg(int x, int y) { return words(0x020D, {y, x}); }
    WmfWriter &setViewportExt(int x, int y) { return words(0x020E, {y, x}); }
    WmfWriter &setBkMode(int mode) { return words(0x0102, {mode}); }
    WmfWriter &setBkColor(QRgb c);
    WmfWriter &setTextColor(QRgb c);
    WmfWriter &setTextAlign(int align) { return words(0x012E, {align}); }
    WmfWriter &setPolyFillMode(int mode) { return words(0x0106, {mode}); }
    WmfWriter &setRop2(int rop) { return words(0x0104, {rop}); }
    WmfWriter &setStretchBltMode(int mode) { return words(0x0107, {mode}); }
    WmfWriter &setTextCharExtra(int extra) { return words(0x0108, {extra}); }
    WmfWriter &saveDC() { return words(0x001E, {}); }
    WmfWriter &restoreDC(int which) { return words(0x0127, {which}); }

    WmfWriter &createPen(int style, int width, QRgb color);
    WmfWriter &createBrush(int style, QRgb color, int hatch = 0);
    WmfWriter &createFont(const FontSpec &font);
    WmfWriter &createRegion(const QVector<QRect> &rects); // one rectangle per scan
    WmfWriter &createPatternBrush(const QImage &mono);     // 1-bit device bitmap
    WmfWriter &dibCreatePatternBrush(const QByteArray &dib);
    WmfWriter &selectObject(int index) { return words(0x012D, {index}); }
    WmfWriter &deleteObject(int index) { return words(0x01F0, {index}); }
    WmfWriter &selectClipRegion(int index) { return words(0x012C, {index}); }

    WmfWriter &moveTo(int x, int y) { return words(0x0214, {y, x}); }
    WmfWriter &lineTo(int x, int y) { return words(0x0213, {y, x}); }
    WmfWriter &rectangle(int l, int t, int r, int b) { return words(0x041B, {b, r, t, l}); }
    WmfWriter &ellipse(int l, int t, int r, int b) { return words(0x0418, {b, r, t, l}); }
    WmfWriter &roundRect(int l, int t, int r, int b, int w, int h) { return words(0x061C, {h, w, b, r, t, l}); }
    // Arc (0x0817), pie (0x081A) or chord (0x0830).
    WmfWriter &arcLike(int function, const QRect &box, const QPoint &start, const QPoint &end);
    WmfWriter &polygon(const QVector<QPoint> &points) { return poly(0x0324, points); }
    WmfWriter &polyline(const QVector<QPoint> &points) { return poly(0x0325, points); }
    WmfWriter &polyPolygon(const QVector<QVector<QPoint>> &polygons);
    WmfWriter &setPixel(int x, int y, QRgb c);
    WmfWriter &textOut(int x, int y, const QByteArray &text);
    WmfWriter &extTextOut(int x, int y, int options, const QRect &rect, const QByteArray &text,
                          const QVector<int> &dx = {});
    WmfWriter &intersectClipRect(int l, int t, int r, int b) { return words(0x0416, {b, r, t, l}); }
    WmfWriter &excludeClipRect(int l, int t, int r, int b) { return words(0x0415, {b, r, t, l}); }
    WmfWriter &fillRegion(int region, int brush) { return words(0x0228, {region, brush}); }
    WmfWriter &frameRegion(int region, int brush, int w, int h) { return words(0x0429, {region, brush, h, w}); }
    WmfWriter &patBlt(const QRect &r, quint32 rop);
    WmfWriter &stretchDib(quint32 rop, const QByteArray &dib, const QRect &source, const QRect &dest);
    WmfWriter &dibStretchBlt(quint32 rop, const QByteArray &dib, const QRect &source, const QRect &dest);
    WmfWriter &dibBitBlt(quint32 rop, const QByteArray &dib, const QPoint &source, const QRect &dest);

    QByteArray bytes() const;

private:
    WmfWriter &poly(int function, const QVector<QPoint> &points);

    bool mPlaceable = false;
    QRect mBox;
    int mUnitsPerInch = 0;
    QByteArray mRecords;
    int mObjects = 0;
    quint32 mMaxRecord = 3;
};

class EmfWriter
{
public:
    // frame: the picture's frame in hundredths of a millimetre; the
    // reference device has `dpi` pixels per inch.
    EmfWriter(const QRect &frame, int dpi);

    EmfWriter &record(quint32 type, const QByteArray &params);
    // A record of 32-bit parameters.
    EmfWriter &longs(quint32 type, std::initializer_list<qint64> values);

    EmfWriter &setMapMode(int mode) { return longs(17, {mode}); }
    EmfWriter &setWindowExt(int x, int y) { return longs(9, {x, y}); }
    EmfWriter &setWindowOrg(int x, int y) { return longs(10, {x, y}); }
    EmfWriter &setViewportExt(int x, int y) { return longs(11, {x, y}); }
    EmfWriter &setViewportOrg(int x, int y) { return longs(12, {x, y}); }
    EmfWriter &setBkMode(int mode) { return longs(18, {mode}); }
    EmfWriter &setPolyFillMode(int mode) { return longs(19, {mode}); }
    EmfWriter &setRop2(int rop) { return longs(20, {rop}); }
    EmfWriter &setTextAlign(int align) { return longs(22, {align}); }
    EmfWriter &setTextColor(QRgb c);
    EmfWriter &setBkColor(QRgb c);
    EmfWriter &setArcDirection(int direction) { return longs(57, {direction}); }
    EmfWriter &saveDC() { return longs(33, {}); }
    EmfWriter &restoreDC(int which) { return longs(34, {which}); }
    // m11, m12, m21, m22, dx, dy; mode 0 sets it, 1..4 modify it.
    EmfWriter &worldTransform(const QVector<float> &m, int mode = 0);

    EmfWriter &createPen(int index, int style, int width, QRgb color);
    EmfWriter &extCreatePen(int index, quint32 style, int width, QRgb color, const QVector<int> &dashes = {});
    EmfWriter &createBrush(int index, int style, QRgb color, int hatch = 0);
    EmfWriter &createDibPatternBrush(int index, const QByteArray &dib);
    EmfWriter &createFont(int index, const FontSpec &font);
    EmfWriter &selectObject(quint32 index) { return longs(37, {qint64(index)}); }
    EmfWriter &deleteObject(int index) { return longs(40, {index}); }

    EmfWriter &moveTo(int x, int y) { return longs(27, {x, y}); }
    EmfWriter &lineTo(int x, int y) { return longs(54, {x, y}); }
    EmfWriter &rectangle(int l, int t, int r, int b) { return longs(43, {l, t, r, b}); }
    EmfWriter &ellipse(int l, int t, int r, int b) { return longs(42, {l, t, r, b}); }
    EmfWriter &roundRect(int l, int t, int r, int b, int w, int h) { return longs(44, {l, t, r, b, w, h}); }
    // Arc (45), chord (46) or pie (47).
    EmfWriter &arcLike(quint32 type, const QRect &box, const QPoint &start, const QPoint &end);
    // 16-bit point records: polygon (86), polyline (87), poly-Bézier (85).
    EmfWriter &poly16(quint32 type, const QVector<QPoint> &points);
    EmfWriter &polyPolygon16(const QVector<QVector<QPoint>> &polygons);
    EmfWriter &extTextOutW(int x, int y, int options, const QRect &rect, const QString &text,
                           const QVector<int> &dx = {});
    EmfWriter &intersectClipRect(int l, int t, int r, int b) { return longs(30, {l, t, r, b}); }
    EmfWriter &excludeClipRect(int l, int t, int r, int b) { return longs(29, {l, t, r, b}); }
    // Rectangles in the reference device's pixels; no rectangles and RGN_COPY
    // remove the clip.
    EmfWriter &extSelectClipRgn(const QVector<QRect> &rects, int mode);
    EmfWriter &beginPath() { return longs(59, {}); }
    EmfWriter &endPath() { return longs(60, {}); }
    EmfWriter &fillPath() { return longs(62, {0, 0, 0, 0}); }
    EmfWriter &strokePath() { return longs(64, {0, 0, 0, 0}); }
    EmfWriter &stretchDIBits(quint32 rop, const QByteArray &dib, const QRect &source, const QRect &dest);
    EmfWriter &bitBlt(quint32 rop, const QByteArray &dib, const QPoint &source, const QRect &dest);

    QByteArray bytes() const;

private:
    QRect mFrame;
    int mDpi;
    QByteArray mRecords;
    int mRecordCount = 0;
    int mHandles = 1;
};

// Pictures that use every kind of record the player draws, 192 x 144
// screen pixels (2 x 1.5 inches): map modes, window and viewport, pens and
// brushes of every kind, fonts with escapement and character set, aligned
// and spaced text, figures, bitmaps with raster operations, clipping,
// saved states and the object table.
QByteArray sampleWmf();
QByteArray sampleEmf();

} // namespace sw::test
