#pragma once
// The drawing objects and the drawing state a metafile's records act on,
// with the numeric codes both metafile formats use for them. Lengths are
// in the metafile's logical units unless a field says otherwise.
#include "metafile/ByteCursor.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <QVector>

namespace sw {
namespace gdi {

// Map modes.
enum MapMode { MM_TEXT = 1, MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH, MM_HIENGLISH, MM_TWIPS, MM_ISOTROPIC, MM_ANISOTROPIC };

// Pen styles (low byte), end caps, joins and type.
enum PenStyle { PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME, PS_USERSTYLE, PS_ALTERNATE };
constexpr quint32 PS_STYLE_MASK = 0x0000000F;
constexpr quint32 PS_ENDCAP_MASK = 0x00000F00;
constexpr quint32 PS_ENDCAP_SQUARE = 0x00000100;
constexpr quint32 PS_ENDCAP_FLAT = 0x00000200;
constexpr quint32 PS_JOIN_MASK = 0x0000F000;
constexpr quint32 PS_JOIN_BEVEL = 0x00001000;
constexpr quint32 PS_JOIN_MITER = 0x00002000;
constexpr quint32 PS_GEOMETRIC = 0x00010000;

enum BrushStyle { BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN, BS_INDEXED, BS_DIBPATTERN, BS_DIBPATTERNPT };
enum HatchStyle { HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS };

enum BackgroundMode { TRANSPARENT = 1, OPAQUE = 2 };
enum PolyFillMode { ALTERNATE = 1, WINDING = 2 };
enum StretchMode { BLACKONWHITE = 1, WHITEONBLACK, COLORONCOLOR, HALFTONE };

// Binary raster operations of the pen and brush (SetROP2).
enum Rop2 {
    R2_BLACK = 1, R2_NOTMERGEPEN, R2_MASKNOTPEN, R2_NOTCOPYPEN, R2_MASKPENNOT, R2_NOT, R2_XORPEN, R2_NOTMASKPEN,
    R2_MASKPEN, R2_NOTXORPEN, R2_NOP, R2_MERGENOTPEN, R2_COPYPEN, R2_MERGEPENNOT, R2_MERGEPEN, R2_WHITE
};

// Ternary raster operations of block transfers that are drawn as such;
// the others draw as a copy.
constexpr quint32 SRCCOPY = 0x00CC0020;
constexpr quint32 SRCPAINT = 0x00EE0086;
constexpr quint32 SRCAND = 0x008800C6;
constexpr quint32 SRCINVERT = 0x00660046;
constexpr quint32 SRCERASE = 0x00440328;
constexpr quint32 NOTSRCCOPY = 0x00330008;
constexpr quint32 NOTSRCERASE = 0x001100A6;
constexpr quint32 MERGEPAINT = 0x00BB0226;
constexpr quint32 PATCOPY = 0x00F00021;
constexpr quint32 PATINVERT = 0x005A0049;
constexpr quint32 DSTINVERT = 0x00550009;
constexpr quint32 BLACKNESS = 0x00000042;
constexpr quint32 WHITENESS = 0x00FF0062;

// Text alignment flags.
constexpr quint32 TA_UPDATECP = 0x0001;
constexpr quint32 TA_RIGHT = 0x0002;
constexpr quint32 TA_CENTER = 0x0006;
constexpr quint32 TA_HORIZONTAL_MASK = 0x0006;
constexpr quint32 TA_BOTTOM = 0x0008;
constexpr quint32 TA_BASELINE = 0x0018;
constexpr quint32 TA_VERTICAL_MASK = 0x0018;

// ExtTextOut options.
constexpr quint32 ETO_OPAQUE = 0x0002;
constexpr quint32 ETO_CLIPPED = 0x0004;
constexpr quint32 ETO_GLYPH_INDEX = 0x0010;
constexpr quint32 ETO_NO_RECT = 0x0100;
constexpr quint32 ETO_SMALL_CHARS = 0x0200;
constexpr quint32 ETO_PDY = 0x2000;

// How a new clip region combines with the current one.
enum RegionMode { RGN_AND = 1, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY };

enum ArcDirection { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };

// Character sets of fonts, for decoding 8-bit text.
enum CharSet : quint8 { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2 };

// A colour as both formats store it: red, green, blue and a byte unused.
inline QColor readColorRef(ByteCursor &p)
{
    const quint8 r = p.u8(), g = p.u8(), b = p.u8();
    p.u8();
    return QColor(r, g, b);
}

struct LogPen
{
    quint32 style = PS_SOLID; // style, end cap, join and type bits
    double width = 0;         // 0: the thinnest line
    QColor color = Qt::black;
    QVector<double> userDashes; // PS_USERSTYLE, in logical units
};

struct LogBrush
{
    int style = BS_SOLID;
    QColor color = Qt::white;
    int hatch = HS_HORIZONTAL;
    // BS_PATTERN and BS_DIBPATTERNPT: the tile in reference-device pixels.
    // A monochrome pattern takes the text colour for its 0 bits and the
    // background colour for its 1 bits when it is used.
    QImage pattern;
    bool monochrome = false;
};

struct LogFont
{
    double height = 0; // < 0: character height, > 0: cell height, 0: default
    double width = 0;  // average character width; 0: the font's own
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charSet = DEFAULT_CHARSET;
    QString faceName;
};

// A region: the union of rectangles.
using RectList = QVector<QRectF>;

// An entry of a metafile's object table.
struct GdiObject
{
    enum Kind { Empty, Pen, Brush, Font, Region, Palette };
    Kind kind = Empty;
    LogPen pen;
    LogBrush brush;
    LogFont font;
    RectList region; // logical units
};

// What SaveDC keeps and RestoreDC brings back.
struct DcState
{
    LogPen pen;
    LogBrush brush;
    LogFont font;
    int mapMode = MM_TEXT;
    QPointF windowOrg;
    QPointF windowExt{1, 1};
    QPointF viewportOrg;
    QPointF viewportExt{1, 1};
    QTransform world;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = OPAQUE;
    int polyFillMode = ALTERNATE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    quint32 textAlign = 0;
    double charExtra = 0;
    double breakExtra = 0;
    int breakCount = 0;
    int arcDirection = AD_COUNTERCLOCKWISE;
    QPointF position; // the current position, logical units
    bool hasClip = false;
    QRegion clip; // in the caller's coordinates, see GdiRenderer
};

} // namespace gdi
} // namespace sw
