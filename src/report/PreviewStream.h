#pragma once
// The recorded report stream: every drawing call and state change of a
// report as a one-byte command code followed by its operands, written by
// TReportFiler and replayed by TFilePrinter.
//
// Operands: bytes, 16- and 32-bit little-endian integers, 32-bit IEEE
// floats for every coordinate and length (inches from the sheet's corner),
// strings as a length byte and UTF-8 bytes (a length byte of 255 is followed
// by a 32-bit length, so that long texts are kept whole), graphics as a kind
// byte (GraphicKind), a 32-bit length and the graphic's bytes.
//
// Layout: the stream header (code 89), then pages. A page is a page header
// (code 80: links to the previous and next page headers, its number and
// size, then every state command), its commands, and a page end (82).
#include <QByteArray>
#include <QIODevice>
#include <QPointF>
#include <QString>

#include <cstdint>

namespace sw {

namespace rpcode {
enum : uint8_t {
    Ellipse = 7,
    FillRect = 8,
    LineTo = 11,
    MoveTo = 12,
    Polygon = 14,
    Polyline = 15,
    PrintBitmapRect = 17,
    Rectangle = 18,
    RoundRect = 20,
    StretchDraw = 21,
    TextRect = 22,
    PrintCenter = 23,
    PrintLeft = 24,
    PrintRight = 25,
    BKMode = 26,
    BKColor = 27,
    ScaleX = 28,
    ScaleY = 29,
    TextBlock = 33,
    CopyMode = 34,
    BrushColor = 41,
    BrushStyle = 42,
    BrushBitmap = 43,
    FontName = 51,
    FontColor = 52,
    FontPitch = 53,
    FontSize = 54,
    FontBold = 55,
    FontUnderline = 56,
    FontItalic = 57,
    FontStrikeout = 58,
    FontSuperscript = 59,
    FontSubscript = 60,
    FontRotation = 61,
    FontAlign = 62,
    PenColor = 71,
    PenMode = 72,
    PenStyle = 73,
    PenWidth = 74,
    PageBegin = 80,
    PageEnd = 82,
    StreamHeader = 89,
    CreateRectRegion = 201,
    CreateRoundRectRegion = 202,
    CreateEllipseRegion = 203,
    CreatePolygonRegion = 204,
    SelectRegion = 205,
    ClipOff = 206,
    DeleteRegion = 207,
    BeginPath = 208,
    EndPath = 209,
    SelectClipPath = 210,
    StrokePath = 211,
    StrokeAndFillPath = 212,
};
} // namespace rpcode

enum class GraphicKind : uint8_t { Bitmap = 1, Metafile = 2, Icon = 3, Other = 4 };

// The text whose width the font size command carries.
extern const char *const FontReferenceText;

// Writes operands to a seekable device through a 16 KB buffer; patches
// earlier 16- and 32-bit values in place.
class TStreamWriter
{
public:
    static constexpr int BlockSize = 16 * 1024;

    // The device must be open for writing and seekable; writing starts at
    // its current position.
    explicit TStreamWriter(QIODevice *device);
    ~TStreamWriter();

    // Position of the next byte written, from the start of the device.
    qint64 pos() const { return mBase + mBuffer.size(); }
    void byte(uint8_t v);
    void u16(uint16_t v);
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void u32(uint32_t v);
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void f32(double v);
    void point(double x, double y)
    {
        f32(x);
        f32(y);
    }
    void string(const QString &s);
    void graphic(GraphicKind kind, const QByteArray &bytes);
    void patchU16(qint64 at, uint16_t v);
    void patchU32(qint64 at, uint32_t v);
    // Writes the buffer out; throws EReportPrinter when the device refuses.
    void flush();

private:
    void raw(const char *data, int n);

    QIODevice *mDevice;
    qint64 mBase;
    QByteArray mBuffer;
};

// Reads operands from a recorded stream held in memory. Every read is
// checked against the end of the data: reading past it, or a value that
// cannot be right, throws EReportPrinter (damaged stream).
class TStreamReader
{
public:
    explicit TStreamReader(const QByteArray &data)
        : mData(data)
    {
    }

    qint64 pos() const { return mPos; }
    qint64 size() const { return mData.size(); }
    void seek(qint64 pos);
    bool atEnd() const { return mPos >= mData.size(); }

    uint8_t byte();
    uint16_t u16();
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }
    // A finite float within +-10000 (inches, percent, ...).
    double f32();
    QPointF point();
    QString string();
    // A byte that must be at most `max`.
    int enumByte(int max);
    QByteArray graphic(GraphicKind *kind);

    [[noreturn]] static void damaged();

private:
    const char *take(qint64 n);

    QByteArray mData;
    qint64 mPos = 0;
};

} // namespace sw
