#include "platform/Canvas.h"

#include "platform/TPicture.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cstdlib>

namespace sw {

namespace {

// Dash patterns of the thin pen styles, in pixels, alternately drawn and
// skipped, starting with a drawn run.
const QVector<int> &dashPattern(TPenStyle style)
{
    static const QVector<int> dash{18, 6};
    static const QVector<int> dot{3, 3};
    static const QVector<int> dashDot{9, 6, 3, 6};
    static const QVector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    static const QVector<int> none;
    switch (style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return none;
    }
}

// Walks a dash pattern pixel by pixel.
class DashWalker
{
public:
    explicit DashWalker(const QVector<int> &pattern)
        : mPattern(pattern)
    {
    }
    // Whether the next pixel is drawn; advances.
    bool next()
    {
        if (mPattern.isEmpty())
            return true;
        const bool on = (mIndex % 2) == 0;
        if (++mCount >= mPattern[mIndex]) {
            mCount = 0;
            mIndex = (mIndex + 1) % int(mPattern.size());
        }
        return on;
    }

private:
    const QVector<int> &mPattern;
    int mIndex = 0;
    int mCount = 0;
};

// Collects pixels into horizontal or vertical runs so that a line becomes a
// few rectangles.
class RunCollector
{
public:
    explicit RunCollector(QVector<QRect> *out)
        : mOut(out)
    {
    }
    ~RunCollector() { flush(); }
    void add(int x, int y)
    {
        if (mHas) {
            if (y == mRun.top() && mRun.height() == 1 && x == mRun.right() + 1) {
                mRun.setRight(x);
                return;
            }
            if (y == mRun.top() && mRun.height() == 1 && x == mRun.left() - 1) {
                mRun.setLeft(x);
                return;
            }
            if (x == mRun.left() && mRun.width() == 1 && y == mRun.bottom() + 1) {
                mRun.setBottom(y);
                return;
            }
            if (x == mRun.left() && mRun.width() == 1 && y == mRun.top() - 1) {
                mRun.setTop(y);
                return;
            }
            flush();
        }
        mRun = QRect(x, y, 1, 1);
        mHas = true;
    }
    void flush()
    {
        if (mHas)
            mOut->append(mRun);
        mHas = false;
    }

private:
    QVector<QRect> *mOut;
    QRect mRun;
    bool mHas = false;
};

// The pixels of the line from a up to b, b left out (Bresenham).
template<typename F>
void walkLine(QPoint a, QPoint b, F &&visit)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = std::abs(b.y() - y);
    const int sx = b.x() > x ? 1 : -1, sy = b.y() > y ? 1 : -1;
    const int n = qMax(dx, dy);
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i < n; ++i) {
            visit(x, y);
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i < n; ++i) {
            visit(x, y);
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y += sy;
        }
    }
}

// The last pixel a line from a to b draws (b itself is left out).
QPoint lastPixel(QPoint a, QPoint b)
{
    QPoint last = a;
    walkLine(a, b, [&](int x, int y) { last = QPoint(x, y); });
    return last;
}

// Offset from a pixel's corner to the centre line of a pen of width w laid
// across that pixel: pixels p - w/2 .. p - w/2 + w - 1 are covered.
double centreOffset(int w)
{
    return (w % 2) ? 0.5 : 0.0;
}

} // namespace

Canvas::Canvas(QPaintDevice *device)
    : mOwnPainter(new QPainter(device))
{
    mPainter = mOwnPainter.get();
    init();
}

Canvas::Canvas(QPainter *painter)
    : mPainter(painter)
{
    mPainter->save();
    init();
}

Canvas::~Canvas()
{
    if (mOwnPainter)
        mOwnPainter->end();
    else
        mPainter->restore();
}

void Canvas::init()
{
    mFont = std::make_unique<TFont>();
    mPen = std::make_unique<TPen>();
    mBrush = std::make_unique<TBrush>();
    mFont->setPixelsPerInch(pixelsPerInch());
    QObject::connect(mFont.get(), &TFont::changed, mFont.get(), [this] { mFontDirty = true; });
    mPainter->setRenderHint(QPainter::Antialiasing, false);
    mPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    mPainter->setBackgroundMode(Qt::TransparentMode);
    QPaintEngine *engine = mPainter->paintEngine();
    mRasterOps = engine && engine->hasFeature(QPaintEngine::RasterOpModes);
}

int Canvas::pixelsPerInch() const
{
    const QPaintDevice *device = mPainter->device();
    const int dpi = device ? device->logicalDpiY() : 0;
    return dpi > 0 ? dpi : 96;
}

// Sets the painter's composition for a raster operation drawing in *color
// and adjusts the colour for the modes that fix it. False when nothing is
// to be drawn.
bool Canvas::applyMode(TPenMode mode, QColor *color)
{
    QPainter::CompositionMode cm = QPainter::CompositionMode_SourceOver;
    switch (mode) {
    case pmBlack: *color = Qt::black; break;
    case pmWhite: *color = Qt::white; break;
    case pmNop: return false;
    case pmCopy: break;
    case pmNotCopy: *color = QColor(~color->rgb() | 0xFF000000u); break;
    case pmNot: cm = QPainter::RasterOp_NotDestination; break;
    case pmMergePenNot: cm = QPainter::RasterOp_SourceOrNotDestination; break;
    case pmMaskPenNot: cm = QPainter::RasterOp_SourceAndNotDestination; break;
    case pmMergeNotPen: cm = QPainter::RasterOp_NotSourceOrDestination; break;
    case pmMaskNotPen: cm = QPainter::RasterOp_NotSourceAndDestination; break;
    case pmMerge: cm = QPainter::RasterOp_SourceOrDestination; break;
    case pmNotMerge: cm = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case pmMask: cm = QPainter::RasterOp_SourceAndDestination; break;
    case pmNotMask: cm = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case pmXor: cm = QPainter::RasterOp_SourceXorDestination; break;
    case pmNotXor: cm = QPainter::RasterOp_NotSourceXorDestination; break;
    }
    if (!mRasterOps)
        cm = QPainter::CompositionMode_SourceOver;
    mPainter->setCompositionMode(cm);
    return true;
}

void Canvas::resetMode()
{
    mPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QBrush Canvas::makeQBrush() const
{
    if (mBrush->hasPattern())
        return QBrush(mBrush->pattern());
    const QColor color = toQColor(mBrush->color());
    switch (mBrush->style()) {
    case bsSolid: return QBrush(color);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    }
    return QBrush(Qt::NoBrush);
}

QPen Canvas::makeQPen(int width, bool forceSolid) const
{
    QColor color = toQColor(mPen->color());
    QPen pen(color);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (width <= 1) {
        pen.setWidth(0); // cosmetic: one device pixel
        pen.setCapStyle(Qt::FlatCap);
        const QVector<int> &dashes = dashPattern(mPen->style());
        if (!forceSolid && !dashes.isEmpty()) {
            QVector<qreal> pattern;
            for (int d : dashes)
                pattern.append(d);
            pen.setDashPattern(pattern);
        }
    } else {
        pen.setWidth(width);
    }
    return pen;
}

// ---- lines ---------------------------------------------------------------

void Canvas::LineTo(int x, int y)
{
    const QPoint from = mPenPos;
    const QPoint to(x, y);
    mPenPos = to;
    if (from == to || mPen->style() == psClear)
        return;
    QColor color = toQColor(mPen->color());
    if (!applyMode(mPen->mode(), &color))
        return;
    const int w = mPen->width();
    if (w <= 1) {
        const QVector<int> &pattern = dashPattern(mPen->style());
        QVector<QRect> on, off;
        {
            RunCollector onRuns(&on), offRuns(&off);
            DashWalker dashes(pattern);
            walkLine(from, to, [&](int px, int py) {
                if (dashes.next())
                    onRuns.add(px, py);
                else
                    offRuns.add(px, py);
            });
        }
        // Gaps of a styled pen show the background colour when it is opaque.
        if (!off.isEmpty() && mBrush->style() == bsSolid && !mBrush->hasPattern()) {
            QColor back = toQColor(mBrush->color());
            applyMode(mPen->mode(), &back);
            for (const QRect &r : qAsConst(off))
                mPainter->fillRect(r, back);
        }
        for (const QRect &r : qAsConst(on))
            mPainter->fillRect(r, color);
    } else {
        const QPoint last = lastPixel(from, to);
        const double c = centreOffset(w);
        QPen pen = makeQPen(w, true);
        pen.setColor(color);
        mPainter->setPen(pen);
        mPainter->setBrush(Qt::NoBrush);
        if (last == from) {
            mPainter->drawPoint(QPointF(from.x() + c, from.y() + c));
        } else {
            mPainter->drawLine(QPointF(from.x() + c, from.y() + c), QPointF(last.x() + c, last.y() + c));
        }
    }
    resetMode();
}

void Canvas::Polyline(const QVector<QPoint> &points)
{
    if (points.isEmpty())
        return;
    const QPoint saved = mPenPos;
    MoveTo(points.first().x(), points.first().y());
    for (int i = 1; i < points.size(); ++i)
        LineTo(points[i].x(), points[i].y());
    mPenPos = saved;
}

// ---- closed figures ----------------------------------------------------

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const TPenStyle style = mPen->style();
    const bool outlined = style != psClear;
    const int w = outlined ? qMax(1, mPen->width()) : 0;
    if (style == psInsideFrame && w > 1) {
        x1 += w / 2;
        y1 += w / 2;
        x2 -= w - 1 - w / 2;
        y2 -= w - 1 - w / 2;
    }

    // Pixel extents, inclusive: the outline band from outer to inner.
    QRect fill;
    QRect outer;
    if (outlined) {
        outer = QRect(QPoint(x1 - w / 2, y1 - w / 2), QPoint(x2 - 1 + (w - 1) - w / 2, y2 - 1 + (w - 1) - w / 2));
        fill = outer.adjusted(w, w, -w, -w);
    } else {
        fill = QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2));
    }

    const QBrush brush = makeQBrush();
    if (brush.style() != Qt::NoBrush && fill.isValid()) {
        QColor brushColor = brush.color();
        if (applyMode(mPen->mode(), &brushColor)) {
            QBrush b = brush;
            if (b.style() != Qt::TexturePattern)
                b.setColor(brushColor);
            mPainter->fillRect(fill, b);
        }
    }
    if (!outlined || !outer.isValid()) {
        resetMode();
        return;
    }

    QColor color = toQColor(mPen->color());
    if (!applyMode(mPen->mode(), &color)) {
        resetMode();
        return;
    }
    const QVector<int> &pattern = dashPattern(style);
    if (w > 1 || pattern.isEmpty()) {
        if (outer.width() <= 2 * w || outer.height() <= 2 * w) {
            mPainter->fillRect(outer, color);
        } else {
            const QRect bands[4] = {
                QRect(outer.left(), outer.top(), outer.width(), w),
                QRect(outer.left(), outer.bottom() - w + 1, outer.width(), w),
                QRect(outer.left(), outer.top() + w, w, outer.height() - 2 * w),
                QRect(outer.right() - w + 1, outer.top() + w, w, outer.height() - 2 * w),
            };
            for (const QRect &r : bands)
                mPainter->fillRect(r, color);
        }
    } else {
        // A styled one-pixel outline, walked clockwise from the top-left
        // corner so that the pattern runs on around the corners.
        QVector<QRect> on, off;
        {
            RunCollector onRuns(&on), offRuns(&off);
            DashWalker dashes(pattern);
            auto visit = [&](int px, int py) {
                if (dashes.next())
                    onRuns.add(px, py);
                else
                    offRuns.add(px, py);
            };
            const int l = outer.left(), t = outer.top(), r = outer.right(), b = outer.bottom();
            if (l == r || t == b) {
                for (int yy = t; yy <= b; ++yy)
                    for (int xx = l; xx <= r; ++xx)
                        visit(xx, yy);
            } else {
                walkLine(QPoint(l, t), QPoint(r, t), visit);
                walkLine(QPoint(r, t), QPoint(r, b), visit);
                walkLine(QPoint(r, b), QPoint(l, b), visit);
                walkLine(QPoint(l, b), QPoint(l, t), visit);
            }
        }
        if (!off.isEmpty() && mBrush->style() == bsSolid && !mBrush->hasPattern()) {
            QColor back = toQColor(mBrush->color());
            applyMode(mPen->mode(), &back);
            for (const QRect &r : qAsConst(off))
                mPainter->fillRect(r, back);
            applyMode(mPen->mode(), &color);
        }
        for (const QRect &r : qAsConst(on))
            mPainter->fillRect(r, color);
    }
    resetMode();
}

// Fills and outlines a figure whose outline path runs through pixel centres
// (already offset for the pen width).
void Canvas::drawOutlinedPath(const QPainterPath &outline, const QPainterPath &fill, int penWidth)
{
    const QBrush brush = makeQBrush();
    const bool outlined = mPen->style() != psClear;
    const TPenMode mode = mPen->mode();
    // Raster operations must not reach a pixel twice, so the fill then stops
    // where the outline begins.
    const bool exclusive = outlined && mode != pmCopy && mode != pmBlack && mode != pmWhite && mode != pmNotCopy;

    if (brush.style() != Qt::NoBrush) {
        QColor brushColor = brush.color();
        if (applyMode(mode, &brushColor)) {
            QBrush b = brush;
            if (b.style() != Qt::TexturePattern)
                b.setColor(brushColor);
            QPainterPath area = fill;
            if (exclusive) {
                QPainterPathStroker stroker;
                stroker.setWidth(qMax(1, penWidth));
                area = fill.subtracted(stroker.createStroke(outline));
            }
            mPainter->setPen(Qt::NoPen);
            mPainter->setBrush(b);
            mPainter->drawPath(area);
        }
    }
    if (outlined) {
        QColor color = toQColor(mPen->color());
        if (applyMode(mode, &color)) {
            QPen pen = makeQPen(penWidth, penWidth > 1);
            pen.setColor(color);
            mPainter->setPen(pen);
            mPainter->setBrush(Qt::NoBrush);
            mPainter->drawPath(outline);
        }
    }
    mPainter->setBrush(Qt::NoBrush);
    resetMode();
}

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const bool outlined = mPen->style() != psClear;
    const int w = outlined ? qMax(1, mPen->width()) : 1;
    if (mPen->style() == psInsideFrame && w > 1) {
        x1 += w / 2;
        y1 += w / 2;
        x2 -= w - 1 - w / 2;
        y2 -= w - 1 - w / 2;
    }
    const double c = outlined ? centreOffset(w) : 0.0;
    const QRectF box(x1 + c, y1 + c, x2 - 1 - x1, y2 - 1 - y1);
    const double rx = qMin(qAbs(cornerW) / 2.0, box.width() / 2);
    const double ry = qMin(qAbs(cornerH) / 2.0, box.height() / 2);
    QPainterPath path;
    path.addRoundedRect(box, rx, ry);
    drawOutlinedPath(path, path, outlined ? mPen->width() : 0);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const bool outlined = mPen->style() != psClear;
    const int w = outlined ? qMax(1, mPen->width()) : 1;
    if (mPen->style() == psInsideFrame && w > 1) {
        x1 += w / 2;
        y1 += w / 2;
        x2 -= w - 1 - w / 2;
        y2 -= w - 1 - w / 2;
    }
    const double c = outlined ? centreOffset(w) : 0.0;
    QPainterPath path;
    path.addEllipse(QRectF(x1 + c, y1 + c, x2 - 1 - x1, y2 - 1 - y1));
    drawOutlinedPath(path, path, outlined ? mPen->width() : 0);
}

void Canvas::Polygon(const QVector<QPoint> &points)
{
    if (points.size() < 2)
        return;
    const bool outlined = mPen->style() != psClear;
    const int w = qMax(1, mPen->width());
    const double c = centreOffset(w);
    QPolygonF poly;
    poly.reserve(points.size());
    for (const QPoint &p : points)
        poly.append(QPointF(p.x() + c, p.y() + c));
    QPainterPath path;
    path.setFillRule(mFillMode == Winding ? Qt::WindingFill : Qt::OddEvenFill);
    path.addPolygon(poly);
    path.closeSubpath();
    if (outlined && w <= 1) {
        // Thin outlines take the exact line pixels: fill first, then the
        // closed chain of lines, each leaving out its end point.
        const TPenStyle saved = mPen->style();
        QPainterPath none;
        mPen->blockSignals(true);
        mPen->setStyle(psClear);
        drawOutlinedPath(none, path, 0);
        mPen->setStyle(saved);
        mPen->blockSignals(false);
        const QPoint pos = mPenPos;
        MoveTo(points.first().x(), points.first().y());
        for (int i = 1; i <= points.size(); ++i) {
            const QPoint &p = points[i % points.size()];
            LineTo(p.x(), p.y());
        }
        mPenPos = pos;
        return;
    }
    drawOutlinedPath(path, path, outlined ? mPen->width() : 0);
}

// ---- rectangles by brush ------------------------------------------------

void Canvas::FillRect(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    const QBrush brush = makeQBrush();
    if (brush.style() == Qt::NoBrush)
        return;
    mPainter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brush);
}

void Canvas::FillRectMode(int x1, int y1, int x2, int y2, TPenMode mode)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    QBrush brush = makeQBrush();
    if (brush.style() == Qt::NoBrush)
        return;
    QColor color = brush.color();
    if (!applyMode(mode, &color))
        return;
    if (brush.style() != Qt::TexturePattern)
        brush.setColor(color);
    mPainter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brush);
    resetMode();
}

void Canvas::FrameRect(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    const QBrush brush = makeQBrush();
    if (brush.style() == Qt::NoBrush)
        return;
    const int w = x2 - x1, h = y2 - y1;
    mPainter->fillRect(QRect(x1, y1, w, 1), brush);
    if (h > 1)
        mPainter->fillRect(QRect(x1, y2 - 1, w, 1), brush);
    if (h > 2) {
        mPainter->fillRect(QRect(x1, y1 + 1, 1, h - 2), brush);
        if (w > 1)
            mPainter->fillRect(QRect(x2 - 1, y1 + 1, 1, h - 2), brush);
    }
}

void Canvas::DrawFocusRect(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    // Every other pixel of the frame, chosen by position so that the dots
    // line up between successive frames.
    QVector<QRect> dots;
    auto add = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            dots.append(QRect(x, y, 1, 1));
    };
    for (int x = x1; x < x2; ++x) {
        add(x, y1);
        if (y2 - 1 > y1)
            add(x, y2 - 1);
    }
    for (int y = y1 + 1; y < y2 - 1; ++y) {
        add(x1, y);
        if (x2 - 1 > x1)
            add(x2 - 1, y);
    }
    QColor color(Qt::white);
    if (!mRasterOps)
        color = Qt::black;
    applyMode(pmXor, &color);
    for (const QRect &r : qAsConst(dots))
        mPainter->fillRect(r, color);
    resetMode();
}

// ---- text ---------------------------------------------------------------

void Canvas::ensureFont()
{
    if (!mFontDirty)
        return;
    mQFont = mFont->toQFont();
    mFontDirty = false;
}

QFont Canvas::currentQFont()
{
    ensureFont();
    return mQFont;
}

void Canvas::drawText(int x, int y, const QString &text, const QRect *clip)
{
    ensureFont();
    const bool opaque = mBrush->style() == bsSolid && !mBrush->hasPattern();
    const QColor back = toQColor(mBrush->color());
    mPainter->save();
    resetMode();
    if (clip) {
        if (mHasClip)
            mPainter->setClipRegion(mClip.translated(-mOrigin).intersected(*clip));
        else
            mPainter->setClipRect(*clip);
        if (opaque)
            mPainter->fillRect(*clip, back);
    }
    const QFontMetrics fm(mQFont, mPainter->device());
    mPainter->translate(x, y);
    if (mEscapement != 0)
        mPainter->rotate(-mEscapement / 10.0);
    if (opaque && !clip)
        mPainter->fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.ascent() + fm.descent()), back);
    mPainter->setFont(mQFont);
    mPainter->setPen(toQColor(mFont->color()));
    mPainter->drawText(QPoint(0, fm.ascent()), text);
    mPainter->restore();
}

void Canvas::TextOut(int x, int y, const QString &text)
{
    drawText(x, y, text, nullptr);
}

void Canvas::TextRect(int x1, int y1, int x2, int y2, int x, int y, const QString &text)
{
    const QRect clip(x1, y1, qMax(0, x2 - x1), qMax(0, y2 - y1));
    drawText(x, y, text, &clip);
}

QSize Canvas::TextExtent(const QString &text)
{
    ensureFont();
    const QFontMetrics fm(mQFont, mPainter->device());
    return QSize(fm.horizontalAdvance(text), fm.ascent() + fm.descent());
}

QPainterPath Canvas::TextPath(int x, int y, const QString &text)
{
    ensureFont();
    const QFontMetrics fm(mQFont, mPainter->device());
    QPainterPath glyphs;
    glyphs.addText(QPointF(0, fm.ascent()), mQFont, text);
    QTransform place = QTransform::fromTranslate(x, y);
    if (mEscapement != 0)
        place.rotate(-mEscapement / 10.0);
    return place.map(glyphs);
}

void Canvas::StrokePath(const QPainterPath &path)
{
    if (mPen->style() == psClear || path.isEmpty())
        return;
    mPainter->save();
    resetMode();
    mPainter->setRenderHint(QPainter::Antialiasing, true);
    mPainter->setBrush(Qt::NoBrush);
    mPainter->setPen(makeQPen(mPen->width(), false));
    mPainter->drawPath(path);
    mPainter->restore();
}

TTextMetric Canvas::textMetrics()
{
    ensureFont();
    const QFontMetrics fm(mQFont, mPainter->device());
    TTextMetric m;
    m.ascent = fm.ascent();
    m.descent = fm.descent();
    m.height = m.ascent + m.descent;
    m.internalLeading = qMax(0, m.height - mQFont.pixelSize());
    m.externalLeading = qMax(0, fm.leading());
    m.aveCharWidth = fm.averageCharWidth();
    m.maxCharWidth = fm.maxWidth();
    return m;
}

// ---- clipping -------------------------------------------------------------

void Canvas::setOrigin(int x, int y)
{
    const QPoint origin(x, y);
    if (origin == mOrigin)
        return;
    mOrigin = origin;
    mPainter->setTransform(QTransform::fromTranslate(x, y));
    applyClip();
}

void Canvas::applyClip()
{
    // Clipping is removed with NoClip rather than setClipping(false): the
    // raster painter ignores regions set after clipping was switched off.
    if (mHasClip)
        mPainter->setClipRegion(mClip.translated(-mOrigin));
    else
        mPainter->setClipRegion(QRegion(), Qt::NoClip);
    if (mHasClipPath) {
        const bool smooth = mPainter->testRenderHint(QPainter::Antialiasing);
        mPainter->setRenderHint(QPainter::Antialiasing, true);
        mPainter->setClipPath(mClipPath.translated(-mOrigin), mHasClip ? Qt::IntersectClip : Qt::ReplaceClip);
        mPainter->setRenderHint(QPainter::Antialiasing, smooth);
    }
}

void Canvas::SelectClipRegion(const QRegion &region)
{
    mHasClip = !region.isEmpty();
    mClip = region.translated(mOrigin);
    mHasClipPath = false;
    mClipPath = QPainterPath();
    applyClip();
}

void Canvas::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    const QRegion rect(QRect(x1 + mOrigin.x(), y1 + mOrigin.y(), qMax(0, x2 - x1), qMax(0, y2 - y1)));
    mClip = mHasClip ? mClip.intersected(rect) : rect;
    mHasClip = true;
    applyClip();
}

void Canvas::SelectClipPath(const QPainterPath &path)
{
    mHasClip = false;
    mClip = QRegion();
    mHasClipPath = true;
    mClipPath = path.translated(mOrigin);
    applyClip();
}

void Canvas::IntersectClipPath(const QPainterPath &path)
{
    const QPainterPath onDevice = path.translated(mOrigin);
    mClipPath = mHasClipPath ? mClipPath.intersected(onDevice) : onDevice;
    mHasClipPath = true;
    applyClip();
}

void Canvas::SaveClip()
{
    mClipStack.append({mClip, mHasClip, mClipPath, mHasClipPath});
}

void Canvas::RestoreClip()
{
    if (mClipStack.isEmpty())
        return;
    const SavedClip saved = mClipStack.takeLast();
    mClip = saved.region;
    mHasClip = saved.hasRegion;
    mClipPath = saved.path;
    mHasClipPath = saved.hasPath;
    applyClip();
}

QRegion Canvas::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return QRegion(QRect(x1, y1, qMax(0, x2 - x1), qMax(0, y2 - y1)));
}

QRegion Canvas::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int cornerW, int cornerH)
{
    QPainterPath path;
    const QRectF box(x1, y1, qMax(0, x2 - x1), qMax(0, y2 - y1));
    path.addRoundedRect(box, qMin(qAbs(cornerW) / 2.0, box.width() / 2), qMin(qAbs(cornerH) / 2.0, box.height() / 2));
    return QRegion(path.toFillPolygon().toPolygon());
}

QRegion Canvas::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return QRegion(QRect(x1, y1, qMax(0, x2 - x1), qMax(0, y2 - y1)), QRegion::Ellipse);
}

// ---- images ---------------------------------------------------------------

void Canvas::Draw(int x, int y, const QImage &image)
{
    if (!image.isNull())
        mPainter->drawImage(QPoint(x, y), image);
}

void Canvas::StretchDraw(int x1, int y1, int x2, int y2, const QImage &image)
{
    if (image.isNull() || x2 <= x1 || y2 <= y1)
        return;
    mPainter->drawImage(QRect(x1, y1, x2 - x1, y2 - y1), image);
}

void Canvas::StretchDraw(int x1, int y1, int x2, int y2, const TPicture &picture)
{
    StretchDraw(x1, y1, x2, y2, picture.image());
}

void Canvas::CopyRect(const QRect &dest, const QImage &source, const QRect &sourceRect)
{
    if (!source.isNull() && dest.isValid() && sourceRect.isValid())
        mPainter->drawImage(dest, source, sourceRect);
}

} // namespace sw
