#include "metafile/WmfPlayer.h"

#include "metafile/DibReader.h"
#include "metafile/GdiRenderer.h"

namespace sw {

using namespace gdi;

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7u;
constexpr int PlaceableHeaderSize = 22;
constexpr int HeaderSize = 18;
// Most rectangles a region object may bring; more would only slow the
// clip down.
constexpr int kMaxRegionRects = 2000;

// Record functions.
enum : quint16 {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_REALIZEPALETTE = 0x0035,
    META_CREATEPALETTE = 0x00F7,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_SETTEXTCHAREXTRA = 0x0108,
    META_RESTOREDC = 0x0127,
    META_INVERTREGION = 0x012A,
    META_PAINTREGION = 0x012B,
    META_SELECTCLIPREGION = 0x012C,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETTEXTJUSTIFICATION = 0x020A,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETVIEWPORTORG = 0x020D,
    META_SETVIEWPORTEXT = 0x020E,
    META_OFFSETWINDOWORG = 0x020F,
    META_OFFSETVIEWPORTORG = 0x0211,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_OFFSETCLIPRGN = 0x0220,
    META_FILLREGION = 0x0228,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_SCALEVIEWPORTEXT = 0x0412,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_FRAMEREGION = 0x0429,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_ROUNDRECT = 0x061C,
    META_PATBLT = 0x061D,
    META_CREATEREGION = 0x06FF,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_BITBLT = 0x0922,
    META_DIBBITBLT = 0x0940,
    META_EXTTEXTOUT = 0x0A32,
    META_STRETCHBLT = 0x0B23,
    META_DIBSTRETCHBLT = 0x0B41,
    META_SETDIBTODEV = 0x0D33,
    META_STRETCHDIB = 0x0F43,
};

// Most 16-bit records keep their coordinates in reverse: y before x.
QPointF pointYX(ByteCursor &p)
{
    const qint16 y = p.i16();
    const qint16 x = p.i16();
    return QPointF(x, y);
}

QPointF pointXY(ByteCursor &p)
{
    const qint16 x = p.i16();
    const qint16 y = p.i16();
    return QPointF(x, y);
}

// Bottom, right, top, left.
QRectF rectBRTL(ByteCursor &p)
{
    const qint16 bottom = p.i16(), right = p.i16(), top = p.i16(), left = p.i16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF points(ByteCursor &p, qsizetype count)
{
    QPolygonF polygon;
    if (count <= 0 || !p.has(count * 4))
        return polygon;
    polygon.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        polygon.append(pointXY(p));
    return polygon;
}

QString faceName(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end >= 0 ? bytes.left(end) : bytes).trimmed();
}

} // namespace

WmfPlayer::Header WmfPlayer::readHeader(const ByteCursor &data)
{
    Header h;
    ByteCursor c = data;
    QRectF box;
    int inch = 0;
    if (c.u32() == PlaceableKey) {
        c.u16(); // handle
        const qint16 left = c.i16(), top = c.i16(), right = c.i16(), bottom = c.i16();
        inch = c.u16();
        box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        c.seek(PlaceableHeaderSize);
    } else {
        c.seek(0);
    }
    const qsizetype start = c.pos();
    const quint16 type = c.u16();
    const quint16 headerWords = c.u16();
    const quint16 version = c.u16();
    c.u32(); // size
    h.objects = c.u16();
    if (!c.ok() || (type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
        return h;
    h.recordsStart = start + HeaderSize;
    h.valid = true;
    if (!box.isEmpty() && inch > 0) {
        h.placeable = true;
        h.bounds = box;
        h.unitsPerInch = inch;
        return h;
    }
    // A plain metafile tells its size only through the window it sets.
    QPointF org, ext;
    bool haveOrg = false, haveExt = false;
    c.seek(h.recordsStart);
    while (c.has(6) && !(haveOrg && haveExt)) {
        const qsizetype at = c.pos();
        const quint32 words = c.u32();
        const quint16 function = c.u16();
        if (words < 3 || qint64(words) * 2 > data.size() - at || function == META_EOF)
            break;
        ByteCursor p = data.slice(at + 6, qsizetype(words) * 2 - 6);
        if (function == META_SETWINDOWORG && !haveOrg) {
            org = pointYX(p);
            haveOrg = p.ok();
        } else if (function == META_SETWINDOWEXT && !haveExt) {
            ext = pointYX(p);
            haveExt = p.ok() && ext.x() != 0 && ext.y() != 0;
        }
        c.seek(at + qsizetype(words) * 2);
    }
    if (haveExt)
        h.bounds = QRectF(org, QSizeF(ext.x(), ext.y())).normalized();
    return h;
}

void WmfPlayer::play(const ByteCursor &data, const Header &header, GdiRenderer &renderer)
{
    if (!header.valid)
        return;
    DcState &dc = renderer.dc();
    if (!header.bounds.isEmpty()) {
        // The window covers the picture's box; the records may move it.
        const double scale = 96.0 / header.unitsPerInch;
        dc.mapMode = MM_ANISOTROPIC;
        dc.windowOrg = header.bounds.topLeft();
        dc.windowExt = QPointF(header.bounds.width(), header.bounds.height());
        dc.viewportOrg = QPointF(0, 0);
        dc.viewportExt = QPointF(header.bounds.width() * scale, header.bounds.height() * scale);
    }
    WmfPlayer player(renderer, header.objects);
    ByteCursor c = data;
    c.seek(header.recordsStart);
    while (c.has(6)) {
        const qsizetype at = c.pos();
        const quint32 words = c.u32();
        const quint16 function = c.u16();
        if (words < 3 || qint64(words) * 2 > data.size() - at)
            break;
        if (!player.record(function, data.slice(at + 6, qsizetype(words) * 2 - 6), words))
            break;
        c.seek(at + qsizetype(words) * 2);
    }
}

WmfPlayer::WmfPlayer(GdiRenderer &renderer, int objects)
    : mRenderer(renderer)
{
    mObjects.resize(qBound(0, objects, 65535));
}

// ---- objects ----------------------------------------------------------------------

void WmfPlayer::createObject(const GdiObject &object)
{
    // A new object takes the lowest free slot of the table.
    while (mFirstFree < mObjects.size() && mObjects[mFirstFree].kind != GdiObject::Empty)
        ++mFirstFree;
    if (mFirstFree < mObjects.size())
        mObjects[mFirstFree] = object;
    else if (mObjects.size() < 65535)
        mObjects.append(object);
}

const RectList *WmfPlayer::referenceRegion(int index)
{
    const GdiObject *o = object(index);
    if (!o || o->kind != GdiObject::Region)
        return nullptr;
    // 16-bit metafiles have no world transform: rectangles stay rectangles.
    const QTransform toReference = mRenderer.logicalToReference();
    mRegion.clear();
    for (const QRectF &rect : o->region)
        mRegion.append(toReference.mapRect(rect));
    return &mRegion;
}

GdiObject *WmfPlayer::object(int index)
{
    if (index < 0 || index >= mObjects.size() || mObjects[index].kind == GdiObject::Empty)
        return nullptr;
    return &mObjects[index];
}

void WmfPlayer::selectObject(int index)
{
    const GdiObject *o = object(index);
    if (!o)
        return;
    if (o->kind == GdiObject::Region)
        mRenderer.selectClipRegion(referenceRegion(index), RGN_COPY);
    else
        mRenderer.select(*o);
}

RectList WmfPlayer::readRegion(ByteCursor p)
{
    p.u16(); // next in chain
    p.u16(); // object type
    p.u32(); // object count
    p.i16(); // region size
    const int scans = p.i16();
    p.i16(); // widest scan
    const qint16 l = p.i16(), t = p.i16(), r = p.i16(), b = p.i16();
    RectList rects;
    if (!p.ok())
        return rects;
    if (scans <= 0) {
        rects.append(QRectF(QPointF(l, t), QPointF(r, b)).normalized());
        return rects;
    }
    for (int s = 0; s < scans && p.has(8) && rects.size() < kMaxRegionRects; ++s) {
        const int count = p.u16();
        const qint16 top = p.i16(), bottom = p.i16();
        for (int i = 0; i + 1 < count && p.has(4) && rects.size() < kMaxRegionRects; i += 2) {
            const qint16 left = p.i16(), right = p.i16();
            rects.append(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
        }
        p.u16(); // the count again
    }
    return rects;
}

// ---- records ---------------------------------------------------------------------------

bool WmfPlayer::record(quint16 function, ByteCursor p, quint32 words)
{
    GdiRenderer &r = mRenderer;
    DcState &dc = r.dc();
    switch (function) {
    case META_EOF: return false;

    // State.
    case META_SAVEDC: r.saveDC(); break;
    case META_RESTOREDC: r.restoreDC(p.i16()); break;
    case META_SETBKMODE: dc.bkMode = p.u16(); break;
    case META_SETMAPMODE: dc.mapMode = p.u16(); break;
    case META_SETROP2: dc.rop2 = p.u16(); break;
    case META_SETPOLYFILLMODE: dc.polyFillMode = p.u16(); break;
    case META_SETSTRETCHBLTMODE: dc.stretchMode = p.u16(); break;
    case META_SETTEXTCHAREXTRA: dc.charExtra = p.i16(); break;
    case META_SETTEXTALIGN: dc.textAlign = p.u16(); break;
    case META_SETBKCOLOR: dc.bkColor = readColorRef(p); break;
    case META_SETTEXTCOLOR: dc.textColor = readColorRef(p); break;
    case META_SETTEXTJUSTIFICATION: {
        const quint16 count = p.u16();
        const quint16 extra = p.u16();
        dc.breakCount = count;
        dc.breakExtra = extra;
        break;
    }
    case META_SETWINDOWORG: dc.windowOrg = pointYX(p); break;
    case META_SETWINDOWEXT: r.setWindowExt(pointYX(p)); break;
    case META_SETVIEWPORTORG: dc.viewportOrg = pointYX(p); break;
    case META_SETVIEWPORTEXT: r.setViewportExt(pointYX(p)); break;
    case META_OFFSETWINDOWORG: dc.windowOrg += pointYX(p); break;
    case META_OFFSETVIEWPORTORG: dc.viewportOrg += pointYX(p); break;
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT: {
        const int yDenom = p.i16(), yNum = p.i16(), xDenom = p.i16(), xNum = p.i16();
        if (p.ok())
            r.scaleExtent(function == META_SCALEWINDOWEXT, xNum, xDenom, yNum, yDenom);
        break;
    }

    // Objects.
    case META_CREATEPENINDIRECT: {
        GdiObject o;
        o.kind = GdiObject::Pen;
        o.pen.style = p.u16();
        o.pen.width = p.i16();
        p.i16();
        o.pen.color = readColorRef(p);
        createObject(o);
        break;
    }
    case META_CREATEBRUSHINDIRECT: {
        GdiObject o;
        o.kind = GdiObject::Brush;
        o.brush.style = p.u16();
        o.brush.color = readColorRef(p);
        o.brush.hatch = p.u16();
        if (o.brush.style != BS_NULL && o.brush.style != BS_HATCHED)
            o.brush.style = BS_SOLID; // patterns come only through their own records
        createObject(o);
        break;
    }
    case META_CREATEFONTINDIRECT: {
        GdiObject o;
        o.kind = GdiObject::Font;
        LogFont &f = o.font;
        f.height = p.i16();
        f.width = p.i16();
        f.escapement = p.i16();
        p.i16(); // orientation
        f.weight = p.i16();
        f.italic = p.u8();
        f.underline = p.u8();
        f.strikeOut = p.u8();
        f.charSet = p.u8();
        p.skip(4); // precisions, quality, pitch and family
        f.faceName = faceName(p.bytes(qMin<qsizetype>(32, p.remaining())));
        createObject(o);
        break;
    }
    case META_CREATEREGION: {
        GdiObject o;
        o.kind = GdiObject::Region;
        o.region = readRegion(p);
        createObject(o);
        break;
    }
    case META_CREATEPALETTE: {
        GdiObject o;
        o.kind = GdiObject::Palette;
        createObject(o);
        break;
    }
    case META_CREATEPATTERNBRUSH: {
        // A device-dependent bitmap: its header (the bits pointer ignored),
        // 18 reserved bytes, then the rows.
        GdiObject o;
        o.kind = GdiObject::Brush;
        o.brush.style = BS_PATTERN;
        const QByteArray head = p.bytes(10);
        p.skip(4 + 18);
        QByteArray bitmap = head + QByteArray(p.current(), p.remaining());
        o.brush.pattern = DibReader::readBitmap16(ByteCursor(bitmap.constData(), bitmap.size()));
        o.brush.monochrome = o.brush.pattern.format() == QImage::Format_Mono;
        createObject(o);
        break;
    }
    case META_DIBCREATEPATTERNBRUSH: {
        GdiObject o;
        o.kind = GdiObject::Brush;
        const quint16 style = p.u16();
        const quint16 usage = p.u16();
        o.brush.style = BS_DIBPATTERNPT;
        o.brush.pattern = DibReader::read(p.take(p.remaining()), style == BS_PATTERN ? 0 : usage);
        createObject(o);
        break;
    }
    case META_SELECTOBJECT: selectObject(p.u16()); break;
    case META_DELETEOBJECT: {
        const int index = p.u16();
        if (p.ok() && index < mObjects.size()) {
            mObjects[index] = GdiObject();
            mFirstFree = qMin(mFirstFree, index);
        }
        break;
    }

    // Clipping.
    case META_INTERSECTCLIPRECT: r.intersectClipRect(rectBRTL(p)); break;
    case META_EXCLUDECLIPRECT: r.excludeClipRect(rectBRTL(p)); break;
    case META_OFFSETCLIPRGN: r.offsetClip(pointYX(p)); break;
    case META_SELECTCLIPREGION: {
        r.selectClipRegion(referenceRegion(p.u16()), RGN_COPY);
        break;
    }

    // Lines and figures.
    case META_MOVETO: r.moveTo(pointYX(p)); break;
    case META_LINETO: r.lineTo(pointYX(p)); break;
    case META_POLYLINE:
    case META_POLYGON: {
        const QPolygonF polygon = points(p, p.i16());
        if (function == META_POLYLINE)
            r.polyline(polygon);
        else
            r.polygon(polygon);
        break;
    }
    case META_POLYPOLYGON: {
        const int count = p.u16();
        if (!p.has(qint64(count) * 2))
            break;
        QVector<int> sizes;
        for (int i = 0; i < count; ++i)
            sizes.append(p.u16());
        QVector<QPolygonF> polygons;
        for (int size : sizes) {
            const QPolygonF polygon = points(p, size);
            if (polygon.size() != size)
                break;
            polygons.append(polygon);
        }
        r.polyPolygon(polygons);
        break;
    }
    case META_RECTANGLE: r.rectangle(rectBRTL(p)); break;
    case META_ELLIPSE: r.ellipse(rectBRTL(p)); break;
    case META_ROUNDRECT: {
        const qint16 h = p.i16(), w = p.i16();
        r.roundRect(rectBRTL(p), QSizeF(w, h));
        break;
    }
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
        const QPointF end = pointYX(p);
        const QPointF start = pointYX(p);
        const QRectF box = rectBRTL(p);
        if (p.ok())
            r.arc(box, start, end,
                  function == META_ARC ? GdiRenderer::Arc : function == META_PIE ? GdiRenderer::Pie : GdiRenderer::Chord);
        break;
    }
    case META_SETPIXEL: {
        const QColor color = readColorRef(p);
        const QPointF at = pointYX(p);
        if (p.ok())
            r.setPixel(at, color);
        break;
    }
    case META_FILLREGION:
    case META_FRAMEREGION: {
        const RectList *region = referenceRegion(p.u16());
        const GdiObject *brush = object(p.u16());
        const qint16 height = p.i16(), width = p.i16();
        if (!region || !brush || brush->kind != GdiObject::Brush)
            break;
        if (function == META_FILLREGION)
            r.fillRegion(*region, brush->brush);
        else if (p.ok())
            r.frameRegion(*region, brush->brush, width, height);
        break;
    }
    case META_PAINTREGION:
    case META_INVERTREGION: {
        const RectList *region = referenceRegion(p.u16());
        if (!region)
            break;
        if (function == META_PAINTREGION)
            r.fillRegion(*region, dc.brush);
        else
            r.invertRegion(*region);
        break;
    }

    // Text and bitmaps.
    case META_TEXTOUT: text(p, false); break;
    case META_EXTTEXTOUT: text(p, true); break;
    case META_PATBLT: {
        const quint32 rop = p.u32();
        const qint16 h = p.i16(), w = p.i16();
        const QPointF at = pointYX(p);
        if (p.ok())
            r.blit(QImage(), QRectF(), QRectF(at, QSizeF(w, h)), rop);
        break;
    }
    case META_BITBLT:
    case META_STRETCHBLT:
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV: block(function, p, words); break;
    default: break; // palettes, escapes, flood fills and unknown records
    }
    return true;
}

void WmfPlayer::text(ByteCursor &p, bool extended)
{
    GdiRenderer &r = mRenderer;
    QPointF at;
    quint16 options = 0;
    QRectF rect;
    int length;
    if (extended) {
        at = pointYX(p);
        length = p.i16();
        options = p.u16();
        if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
            const qint16 l = p.i16(), t = p.i16(), rt = p.i16(), b = p.i16();
            rect = QRectF(QPointF(l, t), QPointF(rt, b));
        }
    } else {
        length = p.i16();
    }
    if (!p.ok() || length < 0 || !p.has(length))
        return;
    const QByteArray bytes = p.bytes(length);
    p.skip(length % 2);
    QVector<double> dx;
    if (extended && p.has(qsizetype(length) * 2)) {
        for (int i = 0; i < length; ++i)
            dx.append(p.i16());
    }
    if (!extended) {
        at = pointYX(p);
        if (!p.ok())
            return;
    }
    const QString text = r.decodeText(bytes);
    if (text.size() != bytes.size())
        dx.clear(); // double-byte text: the spacing is per byte, not per character
    r.textOut(at, text, dx, options, rect);
}

void WmfPlayer::block(quint16 function, ByteCursor &p, quint32 words)
{
    GdiRenderer &r = mRenderer;
    // The bit-block records without a bitmap are exactly as long as their
    // fields; those copy within the page, which a picture cannot do, so
    // only their raster operation's fill is kept.
    const bool withoutBitmap = words == quint32((function >> 8) + 3);
    quint32 rop = SRCCOPY;
    quint16 usage = 0;
    QRectF source, dest;
    switch (function) {
    case META_BITBLT:
    case META_DIBBITBLT: {
        rop = p.u32();
        const QPointF src = pointYX(p);
        if (withoutBitmap)
            p.u16();
        const qint16 h = p.i16(), w = p.i16();
        const QPointF at = pointYX(p);
        source = QRectF(src, QSizeF(w, h));
        dest = QRectF(at, QSizeF(w, h));
        break;
    }
    case META_STRETCHBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB: {
        rop = p.u32();
        if (function == META_STRETCHDIB)
            usage = p.u16();
        const qint16 sh = p.i16(), sw = p.i16();
        const QPointF src = pointYX(p);
        if (withoutBitmap && function != META_STRETCHDIB)
            p.u16();
        const qint16 dh = p.i16(), dw = p.i16();
        const QPointF at = pointYX(p);
        source = QRectF(src, QSizeF(sw, sh));
        dest = QRectF(at, QSizeF(dw, dh));
        break;
    }
    default: { // META_SETDIBTODEV
        usage = p.u16();
        p.u16(); // scan count
        p.u16(); // first scan
        const QPointF src = pointYX(p);
        const qint16 h = p.i16(), w = p.i16();
        const QPointF at = pointYX(p);
        source = QRectF(src, QSizeF(w, h));
        dest = QRectF(at, QSizeF(w, h));
        break;
    }
    }
    if (!p.ok())
        return;
    if (withoutBitmap && function != META_STRETCHDIB && function != META_SETDIBTODEV) {
        r.blit(QImage(), QRectF(), dest, rop);
        return;
    }
    const ByteCursor bits = p.take(p.remaining());
    QImage image;
    if (function == META_BITBLT || function == META_STRETCHBLT) {
        image = DibReader::readBitmap16(bits);
        if (image.format() == QImage::Format_Mono) // 0 bits in the text colour, 1 bits in the background colour
            image.setColorTable({r.dc().textColor.rgba(), r.dc().bkColor.rgba()});
    } else {
        image = DibReader::read(bits, usage);
    }
    if ((function == META_STRETCHDIB || function == META_SETDIBTODEV) && !DibReader::isTopDown(bits)) {
        // These count the source rows of a bottom-up bitmap from its bottom.
        source.moveTop(image.height() - source.top() - source.height());
    }
    r.blit(image, source, dest, rop);
}

} // namespace sw
