// Lines, figures, regions and the pens, brushes and raster operations
// they are drawn with, by the metafile drawing context.
#include "metafile/GdiRenderer.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>

namespace sw {

using namespace gdi;

namespace {

constexpr double kPi = 3.14159265358979323846;
// A dashed line with more dashes than this is drawn solid.
constexpr double kMaxDashes = 200000;
// A hatched figure needing more lines than this is filled with a tiled
// pattern instead.
constexpr double kMaxHatchLines = 4000;

// Degrees of the point on the ellipse of rect whose radial passes through
// p, as QPainterPath::arcTo counts them (0 at three o'clock, y up).
double ellipseAngle(const QRectF &rect, const QPointF &p)
{
    const QPointF c = rect.center();
    const double rx = rect.width() / 2, ry = rect.height() / 2;
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / kPi;
}

QImage hatchTile(int hatch, const QColor &color, const QColor &background, bool opaque)
{
    QImage tile(8, 8, QImage::Format_ARGB32);
    tile.fill(opaque ? background.rgba() : qRgba(0, 0, 0, 0));
    const QRgb ink = color.rgba();
    for (int i = 0; i < 8; ++i) {
        switch (hatch) {
        case HS_HORIZONTAL: tile.setPixel(i, 0, ink); break;
        case HS_VERTICAL: tile.setPixel(0, i, ink); break;
        case HS_FDIAGONAL: tile.setPixel(i, i, ink); break;
        case HS_BDIAGONAL: tile.setPixel(7 - i, i, ink); break;
        case HS_CROSS:
            tile.setPixel(i, 0, ink);
            tile.setPixel(0, i, ink);
            break;
        default: // HS_DIAGCROSS
            tile.setPixel(i, i, ink);
            tile.setPixel(7 - i, i, ink);
            break;
        }
    }
    return tile;
}

} // namespace

// ---- pens, brushes, raster operations -------------------------------------------------------

QPen GdiRenderer::referencePen(bool *dashedOnOpaque) const
{
    *dashedOnOpaque = false;
    const LogPen &p = mState.pen;
    const int style = int(p.style & PS_STYLE_MASK);
    if (style == PS_NULL)
        return QPen(Qt::NoPen);
    const bool geometric = p.style & PS_GEOMETRIC;
    double width = p.width * lengthScale();
    if (!(width >= 1) || !std::isfinite(width))
        width = 1;
    QPen pen(p.color, width);
    const quint32 cap = p.style & PS_ENDCAP_MASK;
    pen.setCapStyle(cap == PS_ENDCAP_SQUARE ? Qt::SquareCap : cap == PS_ENDCAP_FLAT ? Qt::FlatCap : Qt::RoundCap);
    const quint32 join = p.style & PS_JOIN_MASK;
    pen.setJoinStyle(join == PS_JOIN_BEVEL ? Qt::BevelJoin : join == PS_JOIN_MITER ? Qt::MiterJoin : Qt::RoundJoin);

    const bool thin = width <= 1.0;
    QVector<qreal> dashes;
    switch (style) {
    case PS_DASH: dashes = thin ? QVector<qreal>{18, 6} : QVector<qreal>{3, 1}; break;
    case PS_DOT: dashes = thin ? QVector<qreal>{3, 3} : QVector<qreal>{1, 1}; break;
    case PS_DASHDOT: dashes = thin ? QVector<qreal>{9, 6, 3, 6} : QVector<qreal>{3, 1, 1, 1}; break;
    case PS_DASHDOTDOT: dashes = thin ? QVector<qreal>{9, 3, 3, 3, 3, 3} : QVector<qreal>{3, 1, 1, 1, 1, 1}; break;
    case PS_ALTERNATE: dashes = {1, 1}; break;
    case PS_USERSTYLE:
        for (int i = 0; i < p.userDashes.size() && i < 16; ++i)
            dashes.append(qMax(0.01, p.userDashes.at(i) * lengthScale() / width));
        if (dashes.size() % 2)
            dashes.append(dashes.last());
        break;
    default: break;
    }
    // Only thin pens and geometric ones are dashed; a wide plain pen draws solid.
    if (!dashes.isEmpty() && (thin || geometric || style == PS_USERSTYLE)) {
        pen.setDashPattern(dashes);
        if (thin)
            pen.setCapStyle(Qt::FlatCap);
        *dashedOnOpaque = mState.bkMode == OPAQUE;
    }
    return pen;
}

QBrush GdiRenderer::referenceBrush(const LogBrush &b) const
{
    switch (b.style) {
    case BS_NULL: return QBrush(Qt::NoBrush);
    case BS_HATCHED:
        return QBrush(hatchTile(b.hatch, b.color, mState.bkColor, mState.bkMode == OPAQUE));
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT: {
        if (b.pattern.isNull())
            return QBrush(b.color);
        QImage tile = b.pattern;
        if (b.monochrome) {
            tile = tile.convertToFormat(QImage::Format_Mono);
            tile.setColorTable({mState.textColor.rgba(), mState.bkColor.rgba()});
        }
        // Texture brushes made of one-bit images take the brush colour;
        // these keep their own.
        return QBrush(tile.convertToFormat(QImage::Format_ARGB32));
    }
    default: return QBrush(b.color);
    }
}

bool GdiRenderer::beginRop2(QColor *penColor, QColor *brushColor)
{
    auto setBoth = [&](const QColor &c) {
        *penColor = c;
        *brushColor = c;
    };
    switch (mState.rop2) {
    case R2_NOP: return false;
    case R2_BLACK: setBoth(Qt::black); return true;
    case R2_WHITE: setBoth(Qt::white); return true;
    case R2_NOTCOPYPEN:
        *penColor = QColor(~penColor->rgb() | 0xFF000000u);
        *brushColor = QColor(~brushColor->rgb() | 0xFF000000u);
        return true;
    default: break;
    }
    QPainter::CompositionMode mode;
    switch (mState.rop2) {
    case R2_XORPEN: mode = QPainter::RasterOp_SourceXorDestination; break;
    case R2_MASKPEN: mode = QPainter::RasterOp_SourceAndDestination; break;
    case R2_MERGEPEN: mode = QPainter::RasterOp_SourceOrDestination; break;
    case R2_NOT: mode = QPainter::RasterOp_NotDestination; break;
    case R2_NOTXORPEN: mode = QPainter::RasterOp_NotSourceXorDestination; break;
    case R2_MASKPENNOT: mode = QPainter::RasterOp_SourceAndNotDestination; break;
    case R2_MASKNOTPEN: mode = QPainter::RasterOp_NotSourceAndDestination; break;
    case R2_MERGEPENNOT: mode = QPainter::RasterOp_SourceOrNotDestination; break;
    case R2_MERGENOTPEN: mode = QPainter::RasterOp_NotSourceOrDestination; break;
    case R2_NOTMERGEPEN: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case R2_NOTMASKPEN: mode = QPainter::RasterOp_NotSourceOrNotDestination; break;
    default: return true; // R2_COPYPEN and unknown codes
    }
    if (!mRaster)
        return mState.rop2 != R2_NOT; // inverting the page cannot be drawn; the rest draws as a copy
    mPainter->setCompositionMode(mode);
    mPainter->setRenderHint(QPainter::Antialiasing, false);
    return true;
}

void GdiRenderer::endRop()
{
    mPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---- drawing ------------------------------------------------------------------------------------

void GdiRenderer::paintReference(const QPainterPath &path, bool fill, bool stroke)
{
    if (mRecording) {
        mPath.addPath(path);
        return;
    }
    applyClip();
    const QTransform toBase = mReferenceToBase * mBase;
    mPainter->setWorldTransform(toBase);
    mPainter->setRenderHint(QPainter::Antialiasing, true);
    bool dashedOnOpaque = false;
    QPen pen = stroke ? referencePen(&dashedOnOpaque) : QPen(Qt::NoPen);
    QBrush brush = fill ? referenceBrush(mState.brush) : QBrush(Qt::NoBrush);
    QColor penColor = pen.color();
    QColor brushColor = mState.brush.style == BS_HATCHED ? mState.brush.color : brush.color();
    if (!beginRop2(&penColor, &brushColor)) {
        endRop();
        return;
    }
    if (brush.style() == Qt::SolidPattern)
        brush.setColor(brushColor);
    pen.setColor(penColor);
    if (fill && mState.brush.style == BS_HATCHED && fillHatched(path, brushColor)) {
        // drawn as lines
    } else if (brush.style() != Qt::NoBrush) {
        mPainter->fillPath(path, brush);
    }
    if (pen.style() != Qt::NoPen) {
        if (!pen.dashPattern().isEmpty()) {
            double period = 0;
            for (qreal d : pen.dashPattern())
                period += d * pen.widthF();
            const QRectF extent = toBase.mapRect(path.controlPointRect());
            const double scale = std::sqrt(std::fabs(toBase.determinant()));
            if (2 * (extent.width() + extent.height()) / qMax(1e-9, period * scale) > kMaxDashes)
                pen.setStyle(Qt::SolidLine);
        }
        // A line through a point covers that point's pixel, as on the
        // reference device: its centre is half a pixel further on.
        const QPainterPath line = path.translated(0.5, 0.5);
        if (dashedOnOpaque && pen.style() != Qt::SolidLine) {
            QPen gaps = pen;
            gaps.setStyle(Qt::SolidLine);
            gaps.setColor(mState.bkColor);
            mPainter->strokePath(line, gaps);
        }
        mPainter->strokePath(line, pen);
    }
    endRop();
}

bool GdiRenderer::fillHatched(const QPainterPath &path, const QColor &color)
{
    // Hatch lines one reference pixel wide, eight apart from the reference
    // device's corner, drawn as figures so that they stay sharp on paper.
    // Only the part the picture shows: a figure reaching far beyond it
    // would otherwise cost lines nobody sees.
    const QRectF box = path.boundingRect() & mReferenceToBase.inverted().mapRect(mTarget).adjusted(-8, -8, 8, 8);
    if (box.isEmpty())
        return true;
    const double left = std::floor(box.left() / 8) * 8, top = std::floor(box.top() / 8) * 8;
    const double right = std::ceil(box.right() / 8) * 8 + 8, bottom = std::ceil(box.bottom() / 8) * 8 + 8;
    // Too many lines, or lines so far off that steps of eight are lost in
    // the coordinates' precision: the tiled pattern instead.
    if (!(box.width() + box.height() < kMaxHatchLines * 4) || !(std::fabs(left) + std::fabs(top) < 1e9))
        return false;
    const int hatch = mState.brush.hatch;
    const bool horizontal = hatch == HS_HORIZONTAL || hatch == HS_CROSS;
    const bool vertical = hatch == HS_VERTICAL || hatch == HS_CROSS;
    const bool forward = hatch == HS_FDIAGONAL || hatch == HS_DIAGCROSS;
    const bool backward = hatch == HS_BDIAGONAL || hatch == HS_DIAGCROSS;
    QPainterPath lines;
    lines.setFillRule(Qt::WindingFill);
    const int rows = int((bottom - top) / 8), columns = int((right - left) / 8);
    if (horizontal)
        for (int i = 0; i < rows; ++i)
            lines.addRect(QRectF(left, top + 8 * i, right - left, 1));
    if (vertical)
        for (int i = 0; i < columns; ++i)
            lines.addRect(QRectF(left + 8 * i, top, 1, bottom - top));
    // Diagonal bands one pixel wide across, through the pixel centres
    // x - y = 8k (forward) and x + y = 8k + 8 (backward).
    const double h = bottom - top;
    for (int i = 0; (forward || backward) && i < rows + columns + 2; ++i) {
        const double x = left - h - 8 + 8 * i;
        if (forward)
            lines.addPolygon(QPolygonF{{x - 0.5, top}, {x + 0.5, top}, {x + 0.5 + h, bottom}, {x - 0.5 + h, bottom}});
        if (backward)
            lines.addPolygon(QPolygonF{{x + h + 7.5, top}, {x + h + 8.5, top}, {x + 8.5, bottom}, {x + 7.5, bottom}});
    }
    if (mState.bkMode == OPAQUE)
        mPainter->fillPath(path, mState.bkColor);
    mPainter->save();
    mPainter->setClipPath(path, Qt::IntersectClip);
    mPainter->fillPath(lines, color);
    mPainter->restore();
    return true;
}

void GdiRenderer::draw(const QPainterPath &logical, bool fill, bool stroke, bool insideFrame)
{
    QPainterPath reference = logicalToReference().map(logical);
    reference.setFillRule(mState.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    if (insideFrame && stroke && (mState.pen.style & PS_STYLE_MASK) == PS_INSIDEFRAME) {
        // The outline stays inside the figure: shrink it by half the pen.
        const double half = mState.pen.width * lengthScale() / 2;
        if (half > 0.5 && std::isfinite(half)) {
            const QRectF box = reference.boundingRect();
            const QRectF inner = box.adjusted(half, half, -half, -half);
            if (inner.width() > 0 && inner.height() > 0) {
                QTransform squeeze = QTransform::fromTranslate(-box.center().x(), -box.center().y());
                squeeze *= QTransform::fromScale(inner.width() / box.width(), inner.height() / box.height());
                squeeze *= QTransform::fromTranslate(box.center().x(), box.center().y());
                reference = squeeze.map(reference);
            }
        }
    }
    paintReference(reference, fill, stroke);
}

void GdiRenderer::moveTo(const QPointF &p)
{
    mState.position = p;
    if (mRecording)
        mPath.moveTo(toReference(p));
}

void GdiRenderer::lineTo(const QPointF &p)
{
    if (mRecording) {
        if (mPath.elementCount() == 0)
            mPath.moveTo(toReference(mState.position));
        mPath.lineTo(toReference(p));
    } else {
        QPainterPath path(mState.position);
        path.lineTo(p);
        draw(path, false, true);
    }
    mState.position = p;
}

void GdiRenderer::polyline(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    draw(path, false, true);
}

void GdiRenderer::polylineTo(const QPolygonF &points)
{
    for (const QPointF &p : points)
        lineTo(p);
}

void GdiRenderer::polygon(const QPolygonF &points)
{
    polyPolygon({points});
}

void GdiRenderer::polyPolygon(const QVector<QPolygonF> &polygons)
{
    QPainterPath path;
    for (const QPolygonF &polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    if (!path.isEmpty())
        draw(path, true, true);
}

void GdiRenderer::polyPolyline(const QVector<QPolygonF> &polylines)
{
    QPainterPath path;
    for (const QPolygonF &line : polylines)
        if (line.size() >= 2)
            path.addPolygon(line);
    if (!path.isEmpty())
        draw(path, false, true);
}

void GdiRenderer::polyBezier(const QPolygonF &points, bool fromCurrent)
{
    const qsizetype first = fromCurrent ? 0 : 1;
    if (points.size() < first + 3)
        return;
    const QPointF start = fromCurrent ? mState.position : points.first();
    const QTransform toRef = logicalToReference();
    if (mRecording) {
        if (!fromCurrent || mPath.elementCount() == 0)
            mPath.moveTo(toRef.map(start));
        for (qsizetype i = first; i + 2 < points.size(); i += 3)
            mPath.cubicTo(toRef.map(points[i]), toRef.map(points[i + 1]), toRef.map(points[i + 2]));
    } else {
        QPainterPath path(start);
        for (qsizetype i = first; i + 2 < points.size(); i += 3)
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
        draw(path, false, true);
    }
    if (fromCurrent)
        mState.position = points[first + ((points.size() - first) / 3) * 3 - 1];
}

void GdiRenderer::rectangle(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    draw(path, true, true, true);
}

void GdiRenderer::roundRect(const QRectF &rect, const QSizeF &corner)
{
    const QRectF r = rect.normalized();
    QPainterPath path;
    path.addRoundedRect(r, qMin(std::fabs(corner.width()) / 2, r.width() / 2),
                        qMin(std::fabs(corner.height()) / 2, r.height() / 2));
    draw(path, true, true, true);
}

void GdiRenderer::ellipse(const QRectF &rect)
{
    QPainterPath path;
    path.addEllipse(rect.normalized());
    draw(path, true, true, true);
}

QPainterPath GdiRenderer::arcPath(const QRectF &box, const QPointF &start, const QPointF &end, ArcKind kind) const
{
    const QRectF r = box.normalized();
    if (r.width() <= 0 || r.height() <= 0)
        return QPainterPath();
    const double a1 = ellipseAngle(r, start), a2 = ellipseAngle(r, end);
    bool counterClockwise = mState.arcDirection != AD_CLOCKWISE;
    if (logicalToReference().determinant() < 0) // a mirrored mapping turns the other way on the page
        counterClockwise = !counterClockwise;
    double sweep = std::fmod(counterClockwise ? a2 - a1 : a1 - a2, 360.0);
    if (sweep <= 0)
        sweep += 360.0;
    if (!counterClockwise)
        sweep = -sweep;
    QPainterPath path;
    if (kind == Pie) {
        path.moveTo(r.center());
        path.arcTo(r, a1, sweep);
        path.closeSubpath();
        return path;
    }
    QPointF arcStart;
    path.arcMoveTo(r, a1);
    arcStart = path.currentPosition();
    if (kind == ArcTo) {
        path = QPainterPath(mState.position);
        path.lineTo(arcStart);
    }
    path.arcTo(r, a1, sweep);
    if (kind == Chord)
        path.closeSubpath();
    return path;
}

void GdiRenderer::arc(const QRectF &box, const QPointF &start, const QPointF &end, ArcKind kind)
{
    const QPainterPath path = arcPath(box, start, end, kind);
    if (path.isEmpty())
        return;
    if (mRecording && kind == ArcTo) {
        mPath.connectPath(logicalToReference().map(path));
    } else {
        draw(path, kind == Chord || kind == Pie, true);
    }
    if (kind == ArcTo)
        mState.position = path.currentPosition();
}

void GdiRenderer::angleArc(const QPointF &center, double radius, double startAngle, double sweepAngle)
{
    if (!(radius > 0) || !std::isfinite(startAngle) || !std::isfinite(sweepAngle))
        return;
    const QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(mState.position);
    QPainterPath arcOnly;
    arcOnly.arcMoveTo(box, startAngle);
    path.lineTo(arcOnly.currentPosition());
    path.arcTo(box, startAngle, qBound(-360.0 * 4, sweepAngle, 360.0 * 4));
    if (mRecording)
        mPath.connectPath(logicalToReference().map(path));
    else
        draw(path, false, true);
    mState.position = path.currentPosition();
}

void GdiRenderer::setPixel(const QPointF &p, const QColor &color)
{
    if (mRecording)
        return;
    applyClip();
    mPainter->setWorldTransform(mReferenceToBase * mBase);
    const QPointF r = toReference(p);
    mPainter->fillRect(QRectF(std::floor(r.x()), std::floor(r.y()), 1, 1), color);
}

void GdiRenderer::fillRegion(const RectList &region, const LogBrush &brush)
{
    if (mRecording)
        return;
    const LogBrush current = mState.brush;
    mState.brush = brush;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QRectF &rect : region)
        path.addRect(rect.normalized());
    paintReference(path, true, false);
    mState.brush = current;
}

void GdiRenderer::frameRegion(const RectList &region, const LogBrush &brush, double width, double height)
{
    if (mRecording)
        return;
    // The frame is what the region loses when shrunk by the frame's width
    // and height, worked out on the target's pixels.
    const QTransform toBase = logicalToReference() * mReferenceToBase;
    const int w = int(std::lround(std::fabs(width * std::hypot(toBase.m11(), toBase.m12()))));
    const int h = int(std::lround(std::fabs(height * std::hypot(toBase.m21(), toBase.m22()))));
    const QRegion area = toTargetRegion(region);
    if (w <= 0 || h <= 0 || w > 100000 || h > 100000)
        return;
    QRegion inner = area;
    for (const QPoint &shift : {QPoint(w, 0), QPoint(-w, 0), QPoint(0, h), QPoint(0, -h)})
        inner &= area.translated(shift);
    const LogBrush current = mState.brush;
    mState.brush = brush;
    paintTargetRegion(area - inner, brush.style == BS_SOLID ? QBrush(brush.color) : referenceBrush(brush));
    mState.brush = current;
}

void GdiRenderer::invertRegion(const RectList &region)
{
    if (!mRaster || mRecording)
        return;
    const QRegion area = toTargetRegion(region);
    applyClip(); // before saving: a clip change restores the painter's state
    mPainter->save();
    mPainter->setCompositionMode(QPainter::RasterOp_NotDestination);
    paintTargetRegion(area, Qt::black);
    mPainter->restore();
}

} // namespace sw
