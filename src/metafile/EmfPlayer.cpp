#include "metafile/EmfPlayer.h"

#include "metafile/DibReader.h"
#include "metafile/GdiRenderer.h"

#include <QLinearGradient>

#include <cmath>

namespace sw {

using namespace gdi;

namespace {

constexpr quint32 EmfSignature = 0x464D4520; // " EMF"
constexpr int kMaxRegionRects = 2000;
constexpr quint32 kStockObject = 0x80000000u;

enum : quint32 {
    EMR_HEADER = 1, EMR_POLYBEZIER, EMR_POLYGON, EMR_POLYLINE, EMR_POLYBEZIERTO, EMR_POLYLINETO, EMR_POLYPOLYLINE,
    EMR_POLYPOLYGON, EMR_SETWINDOWEXTEX, EMR_SETWINDOWORGEX, EMR_SETVIEWPORTEXTEX, EMR_SETVIEWPORTORGEX,
    EMR_SETBRUSHORGEX, EMR_EOF, EMR_SETPIXELV, EMR_SETMAPPERFLAGS, EMR_SETMAPMODE, EMR_SETBKMODE,
    EMR_SETPOLYFILLMODE, EMR_SETROP2, EMR_SETSTRETCHBLTMODE, EMR_SETTEXTALIGN, EMR_SETCOLORADJUSTMENT,
    EMR_SETTEXTCOLOR, EMR_SETBKCOLOR, EMR_OFFSETCLIPRGN, EMR_MOVETOEX, EMR_SETMETARGN, EMR_EXCLUDECLIPRECT,
    EMR_INTERSECTCLIPRECT, EMR_SCALEVIEWPORTEXTEX, EMR_SCALEWINDOWEXTEX, EMR_SAVEDC, EMR_RESTOREDC,
    EMR_SETWORLDTRANSFORM, EMR_MODIFYWORLDTRANSFORM, EMR_SELECTOBJECT, EMR_CREATEPEN, EMR_CREATEBRUSHINDIRECT,
    EMR_DELETEOBJECT, EMR_ANGLEARC, EMR_ELLIPSE, EMR_RECTANGLE, EMR_ROUNDRECT, EMR_ARC, EMR_CHORD, EMR_PIE,
    EMR_SELECTPALETTE, EMR_CREATEPALETTE, EMR_SETPALETTEENTRIES, EMR_RESIZEPALETTE, EMR_REALIZEPALETTE,
    EMR_EXTFLOODFILL, EMR_LINETO, EMR_ARCTO, EMR_POLYDRAW, EMR_SETARCDIRECTION, EMR_SETMITERLIMIT,
    EMR_BEGINPATH, EMR_ENDPATH, EMR_CLOSEFIGURE, EMR_FILLPATH, EMR_STROKEANDFILLPATH, EMR_STROKEPATH,
    EMR_FLATTENPATH, EMR_WIDENPATH, EMR_SELECTCLIPPATH, EMR_ABORTPATH,
    EMR_COMMENT = 70, EMR_FILLRGN, EMR_FRAMERGN, EMR_INVERTRGN, EMR_PAINTRGN, EMR_EXTSELECTCLIPRGN, EMR_BITBLT,
    EMR_STRETCHBLT, EMR_MASKBLT, EMR_PLGBLT, EMR_SETDIBITSTODEVICE, EMR_STRETCHDIBITS,
    EMR_EXTCREATEFONTINDIRECTW, EMR_EXTTEXTOUTA, EMR_EXTTEXTOUTW, EMR_POLYBEZIER16, EMR_POLYGON16,
    EMR_POLYLINE16, EMR_POLYBEZIERTO16, EMR_POLYLINETO16, EMR_POLYPOLYLINE16, EMR_POLYPOLYGON16,
    EMR_POLYDRAW16, EMR_CREATEMONOBRUSH, EMR_CREATEDIBPATTERNBRUSHPT, EMR_EXTCREATEPEN,
    EMR_SMALLTEXTOUT = 108,
    EMR_ALPHABLEND = 114,
    EMR_TRANSPARENTBLT = 116,
    EMR_GRADIENTFILL = 118,
    EMR_SETTEXTJUSTIFICATION = 120,
};

QPointF pointL(ByteCursor &p)
{
    const qint32 x = p.i32();
    const qint32 y = p.i32();
    return QPointF(x, y);
}

QPointF pointS(ByteCursor &p)
{
    const qint16 x = p.i16();
    const qint16 y = p.i16();
    return QPointF(x, y);
}

QRectF rectL(ByteCursor &p)
{
    const qint32 l = p.i32(), t = p.i32(), r = p.i32(), b = p.i32();
    return QRectF(QPointF(l, t), QPointF(r, b));
}

QPolygonF readPoints(ByteCursor &p, quint32 count, bool shortPoints)
{
    QPolygonF points;
    const qsizetype size = shortPoints ? 4 : 8;
    if (!p.has(qint64(count) * size))
        return points;
    points.reserve(count);
    for (quint32 i = 0; i < count; ++i)
        points.append(shortPoints ? pointS(p) : pointL(p));
    return points;
}

QTransform xform(ByteCursor &p)
{
    const float m11 = p.f32(), m12 = p.f32(), m21 = p.f32(), m22 = p.f32(), dx = p.f32(), dy = p.f32();
    return QTransform(m11, m12, m21, m22, dx, dy);
}

LogFont stockFont(quint32 index)
{
    LogFont f;
    f.height = -13;
    const bool fixed = index == 0x0A || index == 0x0B || index == 0x10;
    f.faceName = fixed ? QStringLiteral("Courier New") : QStringLiteral("Arial");
    return f;
}

} // namespace

EmfPlayer::Header EmfPlayer::readHeader(const ByteCursor &data)
{
    Header h;
    ByteCursor c = data;
    const quint32 type = c.u32();
    const quint32 size = c.u32();
    const QRectF bounds = rectL(c);
    const QRectF frame = rectL(c);
    const quint32 signature = c.u32();
    c.skip(12); // version, bytes, records
    h.objects = c.u16();
    c.skip(2 + 12); // reserved, description, palette entries
    const qint32 deviceX = c.i32(), deviceY = c.i32();
    const qint32 mmX = c.i32(), mmY = c.i32();
    if (!c.ok() || type != EMR_HEADER || signature != EmfSignature || size < 88)
        return h;
    if (deviceX > 0 && deviceY > 0 && mmX > 0 && mmY > 0) {
        h.dpiX = qBound(1.0, deviceX * 25.4 / mmX, 100000.0);
        h.dpiY = qBound(1.0, deviceY * 25.4 / mmY, 100000.0);
    }
    // The frame counts hundredths of a millimetre; the bounds, the device's
    // pixels with both edges inside.
    const double kx = h.dpiX / 2540.0, ky = h.dpiY / 2540.0;
    h.frame = QRectF(QPointF(frame.left() * kx, frame.top() * ky), QPointF(frame.right() * kx, frame.bottom() * ky))
                  .normalized();
    if (h.frame.isEmpty())
        h.frame = QRectF(bounds.topLeft(), bounds.bottomRight() + QPointF(1, 1)).normalized();
    h.valid = true;
    return h;
}

void EmfPlayer::play(const ByteCursor &data, const Header &header, GdiRenderer &renderer)
{
    if (!header.valid || header.frame.isEmpty())
        return;
    EmfPlayer player(renderer, header.objects);
    ByteCursor c = data;
    while (c.has(8)) {
        const qsizetype at = c.pos();
        const quint32 type = c.u32();
        const quint32 size = c.u32();
        if (size < 8 || size > quint64(data.size() - at))
            break;
        const ByteCursor whole = data.slice(at, size);
        if (!player.record(type, whole.slice(8, size - 8), whole))
            break;
        c.seek(at + size);
    }
}

EmfPlayer::EmfPlayer(GdiRenderer &renderer, int objects)
    : mRenderer(renderer)
{
    mObjects.resize(qBound(1, objects, 65535));
}

// ---- objects ----------------------------------------------------------------------------

GdiObject *EmfPlayer::slot(quint32 index)
{
    // Index 0 stands for the metafile itself.
    if (index == 0 || index >= 65535)
        return nullptr;
    if (index >= quint32(mObjects.size()))
        mObjects.resize(index + 1);
    return &mObjects[index];
}

const GdiObject *EmfPlayer::object(quint32 index)
{
    if (index & kStockObject) {
        const quint32 stock = index & ~kStockObject;
        mStock = GdiObject();
        if (stock <= 5) {
            static const int greys[] = {255, 192, 128, 64, 0};
            mStock.kind = GdiObject::Brush;
            mStock.brush.style = stock == 5 ? BS_NULL : BS_SOLID;
            const int grey = stock < 5 ? greys[stock] : 0;
            mStock.brush.color = QColor(grey, grey, grey);
        } else if (stock <= 8 || stock == 0x13) {
            mStock.kind = GdiObject::Pen;
            mStock.pen.style = stock == 8 ? PS_NULL : PS_SOLID;
            mStock.pen.color = stock == 6 ? Qt::white : Qt::black;
        } else if (stock == 0x12) {
            mStock.kind = GdiObject::Brush;
        } else if (stock >= 0x0A && stock != 0x0F && stock <= 0x11) {
            mStock.kind = GdiObject::Font;
            mStock.font = stockFont(stock);
        } else {
            return nullptr;
        }
        return &mStock;
    }
    if (index == 0 || index >= quint32(mObjects.size()) || mObjects[index].kind == GdiObject::Empty)
        return nullptr;
    return &mObjects[index];
}

void EmfPlayer::selectObject(quint32 index)
{
    if (const GdiObject *o = object(index))
        mRenderer.select(*o);
}

RectList EmfPlayer::readRegionData(ByteCursor p)
{
    const quint32 headerSize = p.u32();
    p.u32(); // type
    const quint32 count = p.u32();
    p.u32(); // size of the rectangles
    p.skip(16); // bounds
    RectList rects;
    if (!p.ok() || headerSize < 32)
        return rects;
    p.seek(headerSize);
    for (quint32 i = 0; i < count && i < quint32(kMaxRegionRects) && p.has(16); ++i)
        rects.append(rectL(p).normalized());
    return rects;
}

// ---- records ------------------------------------------------------------------------------

bool EmfPlayer::record(quint32 type, ByteCursor p, const ByteCursor &whole)
{
    GdiRenderer &r = mRenderer;
    DcState &dc = r.dc();
    switch (type) {
    case EMR_EOF: return false;

    // State.
    case EMR_SETWINDOWEXTEX: r.setWindowExt(pointL(p)); break;
    case EMR_SETVIEWPORTEXTEX: r.setViewportExt(pointL(p)); break;
    case EMR_SETWINDOWORGEX: dc.windowOrg = pointL(p); break;
    case EMR_SETVIEWPORTORGEX: dc.viewportOrg = pointL(p); break;
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX: {
        const qint32 xNum = p.i32(), xDenom = p.i32(), yNum = p.i32(), yDenom = p.i32();
        if (p.ok())
            r.scaleExtent(type == EMR_SCALEWINDOWEXTEX, xNum, xDenom, yNum, yDenom);
        break;
    }
    case EMR_SETMAPMODE: dc.mapMode = int(p.u32()); break;
    case EMR_SETBKMODE: dc.bkMode = int(p.u32()); break;
    case EMR_SETPOLYFILLMODE: dc.polyFillMode = int(p.u32()); break;
    case EMR_SETROP2: dc.rop2 = int(p.u32()); break;
    case EMR_SETSTRETCHBLTMODE: dc.stretchMode = int(p.u32()); break;
    case EMR_SETTEXTALIGN: dc.textAlign = p.u32(); break;
    case EMR_SETTEXTCOLOR: dc.textColor = readColorRef(p); break;
    case EMR_SETBKCOLOR: dc.bkColor = readColorRef(p); break;
    case EMR_SETARCDIRECTION: dc.arcDirection = int(p.u32()); break;
    case EMR_SETTEXTJUSTIFICATION: {
        const qint32 extra = p.i32(), count = p.i32();
        dc.breakExtra = extra;
        dc.breakCount = count;
        break;
    }
    case EMR_SAVEDC: r.saveDC(); break;
    case EMR_RESTOREDC: r.restoreDC(p.i32()); break;
    case EMR_SETWORLDTRANSFORM: {
        const QTransform t = xform(p);
        if (p.ok())
            r.setWorldTransform(t);
        break;
    }
    case EMR_MODIFYWORLDTRANSFORM: {
        const QTransform t = xform(p);
        const quint32 mode = p.u32();
        if (!p.ok())
            break;
        switch (mode) {
        case 1: r.setWorldTransform(QTransform()); break;
        case 2: r.setWorldTransform(t * dc.world); break;
        case 3: r.setWorldTransform(dc.world * t); break;
        case 4: r.setWorldTransform(t); break;
        default: break;
        }
        break;
    }

    // Objects.
    case EMR_CREATEPEN: {
        GdiObject *o = slot(p.u32());
        if (!o)
            break;
        *o = GdiObject();
        o->kind = GdiObject::Pen;
        o->pen.style = p.u32();
        o->pen.width = p.i32();
        p.i32();
        o->pen.color = readColorRef(p);
        break;
    }
    case EMR_EXTCREATEPEN: {
        GdiObject *o = slot(p.u32());
        if (!o)
            break;
        p.skip(16); // a pattern bitmap, which a pen's line does not use here
        *o = GdiObject();
        o->kind = GdiObject::Pen;
        LogPen &pen = o->pen;
        pen.style = p.u32();
        const quint32 width = p.u32();
        const quint32 brushStyle = p.u32();
        pen.color = readColorRef(p);
        p.u32(); // hatch
        const quint32 entries = p.u32();
        pen.width = (pen.style & PS_GEOMETRIC) ? double(qMin<quint32>(width, 1u << 24)) : 0;
        if (brushStyle == BS_NULL)
            pen.style = (pen.style & ~PS_STYLE_MASK) | PS_NULL;
        for (quint32 i = 0; i < entries && i < 16 && p.has(4); ++i)
            pen.userDashes.append(p.u32());
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        GdiObject *o = slot(p.u32());
        if (!o)
            break;
        *o = GdiObject();
        o->kind = GdiObject::Brush;
        o->brush.style = int(p.u32());
        o->brush.color = readColorRef(p);
        o->brush.hatch = int(p.u32());
        if (o->brush.style != BS_NULL && o->brush.style != BS_HATCHED)
            o->brush.style = BS_SOLID;
        break;
    }
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT: {
        GdiObject *o = slot(p.u32());
        const quint32 usage = p.u32();
        const quint32 offBmi = p.u32(), cbBmi = p.u32(), offBits = p.u32(), cbBits = p.u32();
        if (!o || !p.ok())
            break;
        *o = GdiObject();
        o->kind = GdiObject::Brush;
        o->brush.style = BS_DIBPATTERNPT;
        o->brush.pattern = DibReader::read(whole.slice(offBmi, cbBmi), whole.slice(offBits, cbBits), usage);
        o->brush.monochrome = type == EMR_CREATEMONOBRUSH;
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        GdiObject *o = slot(p.u32());
        if (!o)
            break;
        *o = GdiObject();
        o->kind = GdiObject::Font;
        LogFont &f = o->font;
        f.height = p.i32();
        f.width = p.i32();
        f.escapement = p.i32();
        p.i32(); // orientation
        f.weight = p.i32();
        f.italic = p.u8();
        f.underline = p.u8();
        f.strikeOut = p.u8();
        f.charSet = p.u8();
        p.skip(4);
        const ByteCursor name = p.take(qMin<qsizetype>(64, p.remaining() & ~qsizetype(1)));
        QString face = QString::fromUtf16(reinterpret_cast<const char16_t *>(name.data()), name.size() / 2);
        const qsizetype end = face.indexOf(QChar(0));
        f.faceName = (end >= 0 ? face.left(end) : face).trimmed();
        break;
    }
    case EMR_CREATEPALETTE: {
        if (GdiObject *o = slot(p.u32())) {
            *o = GdiObject();
            o->kind = GdiObject::Palette;
        }
        break;
    }
    case EMR_SELECTOBJECT: selectObject(p.u32()); break;
    case EMR_DELETEOBJECT: {
        const quint32 index = p.u32();
        if (p.ok() && index > 0 && index < quint32(mObjects.size()))
            mObjects[index] = GdiObject();
        break;
    }

    // Clipping.
    case EMR_INTERSECTCLIPRECT: r.intersectClipRect(rectL(p)); break;
    case EMR_EXCLUDECLIPRECT: r.excludeClipRect(rectL(p)); break;
    case EMR_OFFSETCLIPRGN: r.offsetClip(pointL(p)); break;
    case EMR_EXTSELECTCLIPRGN: {
        const quint32 size = p.u32();
        const quint32 mode = p.u32();
        if (!p.ok())
            break;
        if (size < 32 || !p.has(size)) {
            r.selectClipRegion(nullptr, int(mode));
            break;
        }
        const RectList region = readRegionData(p.take(size));
        r.selectClipRegion(&region, int(mode));
        break;
    }
    case EMR_SELECTCLIPPATH: r.selectClipPath(int(p.u32())); break;

    // Lines and figures.
    case EMR_MOVETOEX: r.moveTo(pointL(p)); break;
    case EMR_LINETO: r.lineTo(pointL(p)); break;
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16:
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16: polyRecord(type, p); break;
    case EMR_POLYDRAW: polyDraw(p, false); break;
    case EMR_POLYDRAW16: polyDraw(p, true); break;
    case EMR_RECTANGLE: r.rectangle(rectL(p)); break;
    case EMR_ELLIPSE: r.ellipse(rectL(p)); break;
    case EMR_ROUNDRECT: {
        const QRectF box = rectL(p);
        const QPointF corner = pointL(p);
        r.roundRect(box, QSizeF(corner.x(), corner.y()));
        break;
    }
    case EMR_ARC:
    case EMR_ARCTO:
    case EMR_CHORD:
    case EMR_PIE: {
        const QRectF box = rectL(p);
        const QPointF start = pointL(p), end = pointL(p);
        if (!p.ok())
            break;
        const GdiRenderer::ArcKind kind = type == EMR_ARC     ? GdiRenderer::Arc
                                          : type == EMR_ARCTO ? GdiRenderer::ArcTo
                                          : type == EMR_CHORD ? GdiRenderer::Chord
                                                              : GdiRenderer::Pie;
        r.arc(box, start, end, kind);
        break;
    }
    case EMR_ANGLEARC: {
        const QPointF center = pointL(p);
        const quint32 radius = p.u32();
        const float start = p.f32(), sweep = p.f32();
        if (p.ok())
            r.angleArc(center, radius, start, sweep);
        break;
    }
    case EMR_SETPIXELV: {
        const QPointF at = pointL(p);
        const QColor color = readColorRef(p);
        if (p.ok())
            r.setPixel(at, color);
        break;
    }

    // Paths.
    case EMR_BEGINPATH: r.beginPath(); break;
    case EMR_ENDPATH: r.endPath(); break;
    case EMR_CLOSEFIGURE: r.closeFigure(); break;
    case EMR_ABORTPATH: r.abortPath(); break;
    case EMR_FILLPATH: r.fillPath(); break;
    case EMR_STROKEPATH: r.strokePath(); break;
    case EMR_STROKEANDFILLPATH: r.strokeAndFillPath(); break;
    case EMR_FLATTENPATH: r.flattenPath(); break;
    case EMR_WIDENPATH: r.widenPath(); break;

    // Regions (in the reference device's pixels).
    case EMR_FILLRGN:
    case EMR_FRAMERGN:
    case EMR_INVERTRGN:
    case EMR_PAINTRGN: {
        p.skip(16); // bounds
        const quint32 size = p.u32();
        quint32 brushIndex = 0;
        qint32 width = 0, height = 0;
        if (type == EMR_FILLRGN || type == EMR_FRAMERGN)
            brushIndex = p.u32();
        if (type == EMR_FRAMERGN) {
            width = p.i32();
            height = p.i32();
        }
        if (!p.ok() || !p.has(size))
            break;
        const RectList region = readRegionData(p.take(size));
        if (type == EMR_INVERTRGN) {
            r.invertRegion(region);
            break;
        }
        const GdiObject *brush = type == EMR_PAINTRGN ? nullptr : object(brushIndex);
        if (type != EMR_PAINTRGN && (!brush || brush->kind != GdiObject::Brush))
            break;
        const LogBrush &b = brush ? brush->brush : dc.brush;
        if (type == EMR_FRAMERGN)
            r.frameRegion(region, b, width, height);
        else
            r.fillRegion(region, b);
        break;
    }

    // Text and bitmaps.
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: text(type, p, whole); break;
    case EMR_SMALLTEXTOUT: smallText(p); break;
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_SETDIBITSTODEVICE:
    case EMR_STRETCHDIBITS:
    case EMR_ALPHABLEND:
    case EMR_TRANSPARENTBLT: bitmapRecord(type, p, whole); break;
    case EMR_GRADIENTFILL: gradientFill(p); break;
    default: break; // the header, comments, palettes, colour management, unknown records
    }
    return true;
}

void EmfPlayer::polyRecord(quint32 type, ByteCursor &p)
{
    const bool shortPoints = type >= EMR_POLYBEZIER16;
    const quint32 kind = shortPoints ? type - (EMR_POLYBEZIER16 - EMR_POLYBEZIER) : type;
    p.skip(16); // bounds
    GdiRenderer &r = mRenderer;
    if (kind == EMR_POLYPOLYLINE || kind == EMR_POLYPOLYGON) {
        const quint32 count = p.u32();
        p.u32(); // all points
        if (!p.ok() || !p.has(qint64(count) * 4))
            return;
        QVector<quint32> sizes;
        sizes.reserve(count);
        for (quint32 i = 0; i < count; ++i)
            sizes.append(p.u32());
        QVector<QPolygonF> polygons;
        for (quint32 size : sizes) {
            const QPolygonF polygon = readPoints(p, size, shortPoints);
            if (polygon.size() != qsizetype(size))
                break;
            polygons.append(polygon);
        }
        if (kind == EMR_POLYPOLYGON)
            r.polyPolygon(polygons);
        else
            r.polyPolyline(polygons);
        return;
    }
    const QPolygonF points = readPoints(p, p.u32(), shortPoints);
    switch (kind) {
    case EMR_POLYBEZIER: r.polyBezier(points, false); break;
    case EMR_POLYGON: r.polygon(points); break;
    case EMR_POLYLINE: r.polyline(points); break;
    case EMR_POLYBEZIERTO: r.polyBezier(points, true); break;
    default: r.polylineTo(points); break; // EMR_POLYLINETO
    }
}

void EmfPlayer::polyDraw(ByteCursor &p, bool shortPoints)
{
    enum { PT_CLOSEFIGURE = 1, PT_LINETO = 2, PT_BEZIERTO = 4, PT_MOVETO = 6 };
    p.skip(16);
    const quint32 count = p.u32();
    const QPolygonF points = readPoints(p, count, shortPoints);
    if (points.size() != qsizetype(count) || !p.has(count))
        return;
    GdiRenderer &r = mRenderer;
    QPointF figureStart = r.dc().position;
    for (quint32 i = 0; i < count; ++i) {
        const quint8 t = p.u8();
        switch (t & ~PT_CLOSEFIGURE) {
        case PT_MOVETO:
            r.moveTo(points[i]);
            figureStart = points[i];
            break;
        case PT_LINETO: r.lineTo(points[i]); break;
        case PT_BEZIERTO:
            if (i + 2 < count) {
                r.polyBezier(QPolygonF{points[i], points[i + 1], points[i + 2]}, true);
                i += 2;
                p.skip(2);
            }
            break;
        default: break;
        }
        if (t & PT_CLOSEFIGURE)
            r.lineTo(figureStart);
    }
}

void EmfPlayer::text(quint32 type, ByteCursor &p, const ByteCursor &whole)
{
    p.skip(16 + 12); // bounds, graphics mode and scales
    const QPointF reference = pointL(p);
    const quint32 chars = p.u32();
    const quint32 offString = p.u32();
    const quint32 options = p.u32();
    const QRectF rect = rectL(p);
    const quint32 offDx = p.u32();
    if (!p.ok())
        return;
    const bool wide = type == EMR_EXTTEXTOUTW;
    const ByteCursor string = whole.slice(offString, qint64(chars) * (wide ? 2 : 1));
    if (chars > 0 && string.size() == 0)
        return;
    const QString text = wide ? QString::fromUtf16(reinterpret_cast<const char16_t *>(string.data()), string.size() / 2)
                              : mRenderer.decodeText(QByteArray(string.data(), string.size()));
    QVector<double> dx;
    const int step = (options & ETO_PDY) ? 2 : 1;
    ByteCursor spacing = whole.slice(offDx, qint64(chars) * 4 * step);
    if (offDx && spacing.size() > 0 && text.size() == qsizetype(chars)) {
        for (quint32 i = 0; i < chars; ++i) {
            dx.append(spacing.i32());
            if (step == 2)
                spacing.i32();
        }
    }
    const bool useRect = options & (ETO_OPAQUE | ETO_CLIPPED);
    mRenderer.textOut(reference, text, dx, options, useRect ? rect : QRectF());
}

void EmfPlayer::smallText(ByteCursor &p)
{
    const QPointF at = pointL(p);
    const quint32 chars = p.u32();
    const quint32 options = p.u32();
    p.skip(12); // graphics mode and scales
    QRectF rect;
    if (!(options & ETO_NO_RECT))
        rect = rectL(p);
    const bool small = options & ETO_SMALL_CHARS;
    const ByteCursor string = p.take(qint64(chars) * (small ? 1 : 2));
    if (!p.ok())
        return;
    const QString text = small ? mRenderer.decodeText(QByteArray(string.data(), string.size()))
                               : QString::fromUtf16(reinterpret_cast<const char16_t *>(string.data()), string.size() / 2);
    mRenderer.textOut(at, text, {}, options & ~(ETO_NO_RECT | ETO_SMALL_CHARS),
                      (options & (ETO_OPAQUE | ETO_CLIPPED)) ? rect : QRectF());
}

void EmfPlayer::bitmapRecord(quint32 type, ByteCursor &p, const ByteCursor &whole)
{
    p.skip(16); // bounds
    QRectF dest, source;
    quint32 rop = SRCCOPY, usage = 0, offBmi = 0, cbBmi = 0, offBits = 0, cbBits = 0;
    bool fromBottom = false;
    if (type == EMR_SETDIBITSTODEVICE || type == EMR_STRETCHDIBITS) {
        const QPointF at = pointL(p);
        const QPointF src = pointL(p);
        const qint32 cxSrc = p.i32(), cySrc = p.i32();
        offBmi = p.u32(), cbBmi = p.u32(), offBits = p.u32(), cbBits = p.u32();
        usage = p.u32();
        QSizeF size(cxSrc, cySrc);
        if (type == EMR_STRETCHDIBITS) {
            rop = p.u32();
            const qint32 cxDest = p.i32(), cyDest = p.i32();
            size = QSizeF(cxDest, cyDest);
        }
        source = QRectF(src, QSizeF(cxSrc, cySrc));
        dest = QRectF(at, size);
        fromBottom = true;
    } else {
        const QPointF at = pointL(p);
        const qint32 cxDest = p.i32(), cyDest = p.i32();
        rop = p.u32(); // the blend function or the transparent colour for those records
        const QPointF src = pointL(p);
        p.skip(24 + 4); // the source's transform and background colour
        usage = p.u32();
        offBmi = p.u32(), cbBmi = p.u32(), offBits = p.u32(), cbBits = p.u32();
        QSizeF srcSize(cxDest, cyDest);
        if (type != EMR_BITBLT) {
            const qint32 cxSrc = p.i32(), cySrc = p.i32();
            srcSize = QSizeF(cxSrc, cySrc);
        }
        dest = QRectF(at, QSizeF(cxDest, cyDest));
        source = QRectF(src, srcSize);
    }
    if (!p.ok())
        return;
    GdiRenderer &r = mRenderer;
    const ByteCursor header = whole.slice(offBmi, cbBmi), bits = whole.slice(offBits, cbBits);
    if (cbBmi == 0 && (type == EMR_BITBLT || type == EMR_STRETCHBLT)) {
        r.blit(QImage(), QRectF(), dest, rop); // no bitmap: a fill by the raster operation
        return;
    }
    double opacity = 1.0;
    QImage image;
    if (type == EMR_ALPHABLEND) {
        // The blend function: operation, flags, constant alpha, alpha format.
        opacity = ((rop >> 16) & 0xFF) / 255.0;
        const bool perPixel = (rop >> 24) & 0x01;
        image = perPixel ? DibReader::readWithAlpha(header, bits) : DibReader::read(header, bits, usage);
        rop = SRCCOPY;
    } else {
        image = DibReader::read(header, bits, usage);
    }
    if (type == EMR_TRANSPARENTBLT) {
        image = DibReader::keyedOut(image, qRgb(rop & 0xFF, (rop >> 8) & 0xFF, (rop >> 16) & 0xFF));
        rop = SRCCOPY;
    }
    if (fromBottom && !DibReader::isTopDown(header))
        source.moveTop(image.height() - source.top() - source.height());
    r.blit(image, source, dest, rop, opacity);
}

void EmfPlayer::gradientFill(ByteCursor &p)
{
    p.skip(16);
    const quint32 vertices = p.u32(), shapes = p.u32(), mode = p.u32();
    if (!p.ok() || !p.has(qint64(vertices) * 16))
        return;
    QVector<QPair<QPointF, QColor>> v;
    v.reserve(vertices);
    for (quint32 i = 0; i < vertices; ++i) {
        const QPointF at = pointL(p);
        const int red = p.u16() >> 8, green = p.u16() >> 8, blue = p.u16() >> 8;
        p.u16(); // alpha
        v.append({at, QColor(red, green, blue)});
    }
    const QTransform toRef = mRenderer.logicalToReference();
    for (quint32 s = 0; s < shapes; ++s) {
        if (mode <= 1) { // rectangles, the colour running across (0) or down (1)
            const quint32 a = p.u32(), b = p.u32();
            if (!p.ok() || a >= vertices || b >= vertices)
                return;
            const QRectF box = QRectF(v[a].first, v[b].first).normalized();
            const QPointF end = mode == 0 ? QPointF(v[b].first.x(), v[a].first.y()) : QPointF(v[a].first.x(), v[b].first.y());
            QLinearGradient gradient(toRef.map(v[a].first), toRef.map(end));
            gradient.setColorAt(0, v[a].second);
            gradient.setColorAt(1, v[b].second);
            QPainterPath path;
            path.addRect(box);
            mRenderer.fill(path, gradient);
        } else { // triangles, drawn in their corners' mean colour
            const quint32 a = p.u32(), b = p.u32(), c = p.u32();
            if (!p.ok() || a >= vertices || b >= vertices || c >= vertices)
                return;
            const QColor mean((v[a].second.red() + v[b].second.red() + v[c].second.red()) / 3,
                              (v[a].second.green() + v[b].second.green() + v[c].second.green()) / 3,
                              (v[a].second.blue() + v[b].second.blue() + v[c].second.blue()) / 3);
            QPainterPath path;
            path.addPolygon(QPolygonF{v[a].first, v[b].first, v[c].first});
            path.closeSubpath();
            mRenderer.fill(path, mean);
        }
    }
}

} // namespace sw
