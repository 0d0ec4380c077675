// The metafile drawing context: set-up on the painter, the mapping from
// logical units, saved states, clipping and paths.
#include "metafile/GdiRenderer.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>

namespace sw {

using namespace gdi;

namespace {

// A clip made of more pieces than this is replaced by its bounding box,
// so that a flood of clip records cannot make every later one slower.
constexpr int kMaxClipRects = 20000;
constexpr qint64 kRegionWorkBudget = 20000000;

bool finite(double v)
{
    return std::isfinite(v);
}

bool finite(const QTransform &t)
{
    return finite(t.m11()) && finite(t.m12()) && finite(t.m21()) && finite(t.m22()) && finite(t.dx())
           && finite(t.dy());
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
    flushMask();
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

QRegion GdiRenderer::toTargetRegion(const QPainterPath &reference)
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
        mRegionWork += region.rectCount();
    }
    return region;
}

QRegion GdiRenderer::toTargetRegion(const RectList &reference)
{
    // The reference device maps onto the target without turning, so each
    // rectangle stays one.
    const QRectF area = QRectF(mTargetRegion.boundingRect()).adjusted(-4, -4, 4, 4);
    QRegion region;
    for (const QRectF &rect : reference) {
        const QRectF r = mReferenceToBase.mapRect(rect.normalized()) & area;
        if (r.isEmpty())
            continue;
        const QPoint topLeft(int(std::lround(r.left())), int(std::lround(r.top())));
        const QPoint bottomRight(int(std::lround(r.right())), int(std::lround(r.bottom())));
        region |= QRegion(QRect(topLeft, bottomRight - QPoint(1, 1)));
        mRegionWork += region.rectCount();
    }
    return region;
}

void GdiRenderer::addClip(const QRegion &region, int mode)
{
    if (mRegionWork > kRegionWorkBudget)
        return;
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
    mRegionWork += result.rectCount();
    if (result.rectCount() > kMaxClipRects)
        result = QRegion(result.boundingRect());
    mState.clip = result;
    mState.hasClip = true;
    mClipDirty = true;
}

void GdiRenderer::intersectClipRect(const QRectF &rect)
{
    if (mRegionWork > kRegionWorkBudget)
        return;
    QPainterPath path;
    path.addRect(rect.normalized());
    addClip(toTargetRegion(logicalToReference().map(path)), RGN_AND);
}

void GdiRenderer::excludeClipRect(const QRectF &rect)
{
    if (mRegionWork > kRegionWorkBudget)
        return;
    QPainterPath path;
    path.addRect(rect.normalized());
    addClip(toTargetRegion(logicalToReference().map(path)), RGN_DIFF);
}

void GdiRenderer::selectClipRegion(const RectList *region, int mode)
{
    if (!region) {
        if (mode == RGN_COPY && mState.hasClip) {
            mState.hasClip = false;
            mState.clip = QRegion();
            mClipDirty = true;
        }
        return;
    }
    if (mRegionWork <= kRegionWorkBudget)
        addClip(toTargetRegion(*region), mode);
}

void GdiRenderer::paintTargetRegion(const QRegion &region, const QBrush &brush)
{
    applyClip();
    mPainter->setWorldTransform(mBase);
    mPainter->setRenderHint(QPainter::Antialiasing, false);
    QPainterPath path;
    path.addRegion(region);
    mPainter->fillPath(path, brush);
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
    flushMask();
    if (!mClipDirty)
        return;
    mPainter->restore();
    mPainter->save();
    if (mState.hasClip)
        mPainter->setClipRegion(mState.clip, Qt::IntersectClip);
    mClipDirty = false;
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
    if (mRegionWork <= kRegionWorkBudget)
        addClip(toTargetRegion(mPath), mode);
    mPath = QPainterPath();
}

} // namespace sw
