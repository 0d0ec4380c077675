#include "metafile/GdiRenderer.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>

namespace sw {

using namespace gdi;

namespace {

constexpr double kPi = 3.14159265358979323846;
// A clip made of more pieces than this is replaced by its bounding box,
// so that a flood of clip records cannot make every later one slower.
constexpr int kMaxClipRects = 20000;
// A dashed line with more dashes than this is drawn solid.
constexpr double kMaxDashes = 200000;
// A hatched figure needing more lines than this is filled with a tiled
// pattern instead.
constexpr double kMaxHatchLines = 4000;

bool finite(double v)
{
    return std::isfinite(v);
}

bool finite(const QTransform &t)
{
    return finite(t.m11()) && finite(t.m12()) && finite(t.m21()) && finite(t.m22()) && finite(t.dx())
           && finite(t.dy());
}

// Degrees of the point on the ellipse of rect whose radial passes through
// p, as QPainterPath::arcTo counts them (0 at three o'clock, y up).
double ellipseAngle(const QRectF &rect, const QPointF &p)
{
    const QPointF c = rect.center();
    const double rx = rect.width() / 2, ry = rect.height() / 2;
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / kPi;
}

// The part of a polygon inside a rectangle (Sutherland-Hodgman), edges
// along the rectangle's sides where it was cut.
QPolygonF clipped(const QPolygonF &polygon, const QRectF &rect)
{
    QPolygonF out = polygon;
    for (int side = 0; side < 4 && !out.isEmpty(); ++side) {
        auto inside = [&](const QPointF &p) {
            switch (side) {
            case 0: return p.x() >= rect.left();
            case 1: return p.x() <= rect.right();
            case 2: return p.y() >= rect.top();
            default: return p.y() <= rect.bottom();
            }
        };
        auto cut = [&](const QPointF &a, const QPointF &b) {
            const double t = side < 2 ? ((side == 0 ? rect.left() : rect.right()) - a.x()) / (b.x() - a.x())
                                      : ((side == 2 ? rect.top() : rect.bottom()) - a.y()) / (b.y() - a.y());
            return a + (b - a) * t;
        };
        const QPolygonF in = out;
        out.clear();
        for (qsizetype i = 0; i < in.size(); ++i) {
            const QPointF &current = in[i], &previous = in[(i + in.size() - 1) % in.size()];
            if (inside(current)) {
                if (!inside(previous))
                    out.append(cut(previous, current));
                out.append(current);
            } else if (inside(previous)) {
                out.append(cut(previous, current));
            }
        }
    }
    return out;
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

GdiRenderer::GdiRenderer(QPainter *painter, const QRectF &frame, const QRectF &target, double refDpiX,
                         double refDpiY)
    : mPainter(painter)
    , mFrame(frame)
    , mTarget(target)
    , mDpiX(refDpiX > 0 && finite(refDpiX) ? refDpiX : 96)
    , mDpiY(refDpiY > 0 && finite(refDpiY) ? refDpiY : 96)
{
    mBase = painter->worldTransform();
    const double fw = frame.width() != 0 ? frame.width() : 1;
    const double fh = frame.height() != 0 ? frame.height() : 1;
    const double sx = target.width() / fw, sy = target.height() / fh;
    mReferenceToBase = QTransform(sx, 0, 0, sy, target.left() - frame.left() * sx, target.top() - frame.top() * sy);
    if (!finite(mReferenceToBase))
        mReferenceToBase = QTransform();
    const QPaintEngine *engine = painter->paintEngine();
    mRaster = engine && engine->type() == QPaintEngine::Raster;
    mTargetRegion = QRegion(target.toAlignedRect());
    painter->save();
    painter->setClipRect(target, Qt::IntersectClip);
    // Bitmaps of a metafile reach a PDF as they are, not re-compressed.
    painter->setRenderHint(QPainter::LosslessImageRendering, true);
    // The state every clip change starts again from.
    painter->save();
}

GdiRenderer::~GdiRenderer()
{
    mPainter->restore();
    mPainter->restore();
}

// ---- mapping -----------------------------------------------------------------------

QTransform GdiRenderer::pageTransform() const
{
    const DcState &s = mState;
    double sx = 1, sy = 1;
    switch (s.mapMode) {
    case MM_LOMETRIC: sx = mDpiX / 254.0, sy = -mDpiY / 254.0; break;
    case MM_HIMETRIC: sx = mDpiX / 2540.0, sy = -mDpiY / 2540.0; break;
    case MM_LOENGLISH: sx = mDpiX / 100.0, sy = -mDpiY / 100.0; break;
    case MM_HIENGLISH: sx = mDpiX / 1000.0, sy = -mDpiY / 1000.0; break;
    case MM_TWIPS: sx = mDpiX / 1440.0, sy = -mDpiY / 1440.0; break;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC: {
        const double wx = s.windowExt.x() != 0 ? s.windowExt.x() : 1;
        const double wy = s.windowExt.y() != 0 ? s.windowExt.y() : 1;
        sx = s.viewportExt.x() / wx;
        sy = s.viewportExt.y() / wy;
        if (s.mapMode == MM_ISOTROPIC) {
            const double m = qMin(std::fabs(sx), std::fabs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
        break;
    }
    default: break; // MM_TEXT
    }
    const QTransform t(sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx,
                       s.viewportOrg.y() - s.windowOrg.y() * sy);
    return finite(t) ? t : QTransform();
}

QTransform GdiRenderer::logicalToReference() const
{
    return mState.world * pageTransform();
}

double GdiRenderer::lengthScale() const
{
    const QTransform t = logicalToReference();
    const double s = std::hypot(t.m11(), t.m12());
    return finite(s) && s > 0 ? s : 1.0;
}

// ---- state ---------------------------------------------------------------------------

void GdiRenderer::saveDC()
{
    if (mSaved.size() >= MaxSavedStates) {
        ++mIgnoredSaves;
        return;
    }
    mSaved.append(mState);
}

void GdiRenderer::restoreDC(int which)
{
    qsizetype index;
    if (which < 0) {
        qint64 back = -qint64(which);
        const qint64 ignored = qMin<qint64>(back, mIgnoredSaves);
        mIgnoredSaves -= int(ignored);
        back -= ignored;
        if (back == 0)
            return;
        index = mSaved.size() - back;
    } else {
        index = qsizetype(which) - 1;
    }
    if (index < 0 || index >= mSaved.size())
        return;
    const bool hadClip = mState.hasClip;
    mState = mSaved.at(index);
    mSaved.resize(index);
    mIgnoredSaves = 0;
    mClipDirty = mClipDirty || hadClip || mState.hasClip;
}

void GdiRenderer::setWorldTransform(const QTransform &transform)
{
    if (finite(transform))
        mState.world = transform;
}

void GdiRenderer::setWindowExt(const QPointF &extent)
{
    if (extent.x() != 0 && extent.y() != 0)
        mState.windowExt = extent;
}

void GdiRenderer::setViewportExt(const QPointF &extent)
{
    if (extent.x() != 0 && extent.y() != 0)
        mState.viewportExt = extent;
}

void GdiRenderer::scaleExtent(bool window, double xNum, double xDenom, double yNum, double yDenom)
{
    if (xNum == 0 || xDenom == 0 || yNum == 0 || yDenom == 0)
        return;
    QPointF &ext = window ? mState.windowExt : mState.viewportExt;
    ext = QPointF(ext.x() * xNum / xDenom, ext.y() * yNum / yDenom);
}

void GdiRenderer::select(const GdiObject &object)
{
    switch (object.kind) {
    case GdiObject::Pen: mState.pen = object.pen; break;
    case GdiObject::Brush: mState.brush = object.brush; break;
    case GdiObject::Font: mState.font = object.font; break;
    default: break;
    }
}

// ---- clipping -------------------------------------------------------------------------

QRegion GdiRenderer::toTargetRegion(const QPainterPath &reference) const
{
    // Only what lies over the target can matter, and a region made from
    // far-off integer points goes wrong: each figure is cut to the target
    // with a margin first.
    const QRectF area = QRectF(mTargetRegion.boundingRect()).adjusted(-4, -4, 4, 4);
    QRegion region;
    const QList<QPolygonF> polygons = reference.toFillPolygons(mReferenceToBase);
    for (const QPolygonF &polygon : polygons) {
        const QPolygonF inside = clipped(polygon, area);
        if (inside.size() > 2)
            region |= QRegion(inside.toPolygon(), reference.fillRule());
    }
    return region;
}

void GdiRenderer::addClip(const QRegion &region, int mode)
{
    const QRegion current = mState.hasClip ? mState.clip : mTargetRegion;
    QRegion result;
    switch (mode) {
    case RGN_AND: result = current & region; break;
    case RGN_OR: result = current | region; break;
    case RGN_XOR: result = current ^ region; break;
    case RGN_DIFF: result = current - region; break;
    case RGN_COPY: result = region; break;
    default: return;
    }
    if (result.rectCount() > kMaxClipRects)
        result = QRegion(result.boundingRect());
    mState.clip = result;
    mState.hasClip = true;
    mClipDirty = true;
}

void GdiRenderer::intersectClipRect(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    addClip(toTargetRegion(logicalToReference().map(path)), RGN_AND);
}

void GdiRenderer::excludeClipRect(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    addClip(toTargetRegion(logicalToReference().map(path)), RGN_DIFF);
}

void GdiRenderer::selectClipRegion(const QPainterPath *region, int mode)
{
    if (!region) {
        if (mode == RGN_COPY && mState.hasClip) {
            mState.hasClip = false;
            mState.clip = QRegion();
            mClipDirty = true;
        }
        return;
    }
    addClip(toTargetRegion(*region), mode);
}

void GdiRenderer::offsetClip(const QPointF &logicalDelta)
{
    if (!mState.hasClip)
        return;
    const QTransform t = logicalToReference() * mReferenceToBase;
    const QPointF d = t.map(logicalDelta) - t.map(QPointF(0, 0));
    if (!finite(d.x()) || !finite(d.y()) || std::fabs(d.x()) > 1e7 || std::fabs(d.y()) > 1e7)
        return;
    mState.clip.translate(d.toPoint());
    mClipDirty = true;
}

void GdiRenderer::applyClip()
{
    if (!mClipDirty)
        return;
    mPainter->restore();
    mPainter->save();
    if (mState.hasClip)
        mPainter->setClipRegion(mState.clip, Qt::IntersectClip);
    mClipDirty = false;
}

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
    if (!(width >= 1) || !finite(width))
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
    const QRectF box = path.boundingRect();
    const double left = std::floor(box.left() / 8) * 8, top = std::floor(box.top() / 8) * 8;
    const double right = std::ceil(box.right() / 8) * 8 + 8, bottom = std::ceil(box.bottom() / 8) * 8 + 8;
    if (!(box.width() + box.height() < kMaxHatchLines * 4))
        return false; // too many lines: the tiled pattern instead
    const int hatch = mState.brush.hatch;
    const bool horizontal = hatch == HS_HORIZONTAL || hatch == HS_CROSS;
    const bool vertical = hatch == HS_VERTICAL || hatch == HS_CROSS;
    const bool forward = hatch == HS_FDIAGONAL || hatch == HS_DIAGCROSS;
    const bool backward = hatch == HS_BDIAGONAL || hatch == HS_DIAGCROSS;
    QPainterPath lines;
    lines.setFillRule(Qt::WindingFill);
    if (horizontal)
        for (double y = top; y < bottom; y += 8)
            lines.addRect(QRectF(left, y, right - left, 1));
    if (vertical)
        for (double x = left; x < right; x += 8)
            lines.addRect(QRectF(x, top, 1, bottom - top));
    // Diagonal bands one pixel wide across, through the pixel centres
    // x - y = 8k (forward) and x + y = 8k + 8 (backward).
    const double h = bottom - top;
    for (double x = left - h - 8; (forward || backward) && x < right + 8; x += 8) {
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
        if (half > 0.5 && finite(half)) {
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
    if (!(radius > 0) || !finite(startAngle) || !finite(sweepAngle))
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

void GdiRenderer::fillRegion(const QPainterPath &region, const LogBrush &brush)
{
    const LogBrush current = mState.brush;
    mState.brush = brush;
    const bool recording = mRecording;
    mRecording = false;
    paintReference(region, true, false);
    mRecording = recording;
    mState.brush = current;
}

void GdiRenderer::frameRegion(const QPainterPath &region, const LogBrush &brush, double width, double height)
{
    const double w = qMax(std::fabs(width), std::fabs(height)) * lengthScale();
    if (!(w > 0) || !finite(w))
        return;
    QPainterPathStroker stroker;
    stroker.setWidth(2 * w);
    fillRegion(stroker.createStroke(region).intersected(region), brush);
}

void GdiRenderer::invertRegion(const QPainterPath &region)
{
    if (!mRaster || mRecording)
        return;
    applyClip();
    mPainter->setWorldTransform(mReferenceToBase * mBase);
    mPainter->setCompositionMode(QPainter::RasterOp_NotDestination);
    mPainter->setRenderHint(QPainter::Antialiasing, false);
    mPainter->fillPath(region, Qt::black);
    endRop();
}

// ---- paths ------------------------------------------------------------------------------------------

void GdiRenderer::beginPath()
{
    mPath = QPainterPath();
    mRecording = true;
}

void GdiRenderer::abortPath()
{
    mPath = QPainterPath();
    mRecording = false;
}

void GdiRenderer::closeFigure()
{
    if (mRecording)
        mPath.closeSubpath();
}

void GdiRenderer::fillPath()
{
    mRecording = false;
    mPath.setFillRule(mState.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    paintReference(mPath, true, false);
    mPath = QPainterPath();
}

void GdiRenderer::strokePath()
{
    mRecording = false;
    paintReference(mPath, false, true);
    mPath = QPainterPath();
}

void GdiRenderer::strokeAndFillPath()
{
    mRecording = false;
    mPath.setFillRule(mState.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    paintReference(mPath, true, true);
    mPath = QPainterPath();
}

void GdiRenderer::flattenPath()
{
    QPainterPath flat;
    for (const QPolygonF &polygon : mPath.toSubpathPolygons())
        flat.addPolygon(polygon);
    mPath = flat;
}

void GdiRenderer::widenPath()
{
    bool unused;
    QPainterPathStroker stroker(referencePen(&unused));
    mPath = stroker.createStroke(mPath);
}

void GdiRenderer::selectClipPath(int mode)
{
    mRecording = false;
    mPath.setFillRule(mState.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    addClip(toTargetRegion(mPath), mode);
    mPath = QPainterPath();
}

} // namespace sw
