#pragma once
// The drawing context a metafile plays into: the state its records set
// (map mode, window and viewport, world transform, pen, brush, font,
// colours, modes, clip, current position) and the drawing operations, in
// the metafile's logical units, carried out on a QPainter.
//
// Coordinates go logical -> reference device -> the painter's own. The
// reference device is the one the metafile was made for (its pixels); the
// rectangle `frame` of it is stretched onto `target`. Pens, hatches and
// pattern tiles are sized in reference-device pixels and so scale with the
// picture: a one-pixel line of a picture shown at its own size is one pixel
// on screen, and prints as thin as the screen shows it.
//
// Raster operations are carried out on image devices. On others (PDF,
// printers) the common mask idioms are kept: AND draws the source with its
// white left out, OR and XOR draw it with its black left out; operations
// on the destination alone (invert) are skipped. A mask (AND) followed by
// its picture (OR or XOR) into the same rectangle becomes one transparent
// image, so that viewers smoothing the edges show no rim of the mask.
#include "metafile/GdiTypes.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QVector>

class QPainter;

namespace sw {

class GdiRenderer
{
public:
    enum ArcKind { Arc, ArcTo, Chord, Pie };

    // Deepest SaveDC nesting kept; further saves are ignored.
    static constexpr int MaxSavedStates = 256;

    // The painter must stay active while the renderer lives; its state is
    // restored when the renderer is destroyed. Drawing is clipped to target.
    GdiRenderer(QPainter *painter, const QRectF &frame, const QRectF &target, double refDpiX, double refDpiY);
    ~GdiRenderer();
    GdiRenderer(const GdiRenderer &) = delete;
    GdiRenderer &operator=(const GdiRenderer &) = delete;

    gdi::DcState &dc() { return mState; }
    const gdi::DcState &dc() const { return mState; }
    double refDpiX() const { return mDpiX; }
    double refDpiY() const { return mDpiY; }

    // Logical units to reference-device pixels under the current state.
    QTransform logicalToReference() const;
    QPointF toReference(const QPointF &logical) const { return logicalToReference().map(logical); }

    // SaveDC and RestoreDC: `which` below 0 counts back from the latest
    // save (-1 the latest); above 0 is the save's depth from the first (1).
    void saveDC();
    void restoreDC(int which);
    // Changes that go beyond setting a state field. Extents of zero are
    // ignored, as are scales by zero.
    void setWorldTransform(const QTransform &transform);
    void setWindowExt(const QPointF &extent);
    void setViewportExt(const QPointF &extent);
    void scaleExtent(bool window, double xNum, double xDenom, double yNum, double yDenom);
    // Selects a pen, brush or font into the state (other kinds: nothing).
    void select(const gdi::GdiObject &object);

    // Clipping. Rectangles are logical; regions in reference-device units.
    void intersectClipRect(const QRectF &rect);
    void excludeClipRect(const QRectF &rect);
    // mode is a gdi::RegionMode; RGN_COPY with no region removes the clip.
    void selectClipRegion(const gdi::RectList *region, int mode);
    void offsetClip(const QPointF &logicalDelta);

    // Lines and figures, logical units, drawn with the current pen and
    // brush (or added to the path while one is being recorded).
    void moveTo(const QPointF &p);
    void lineTo(const QPointF &p);
    void polyline(const QPolygonF &points);
    void polylineTo(const QPolygonF &points);
    void polygon(const QPolygonF &points);
    void polyPolygon(const QVector<QPolygonF> &polygons);
    void polyPolyline(const QVector<QPolygonF> &polylines);
    // Cubic curves: a start point then three points per curve (the "to"
    // form starts at the current position and updates it).
    void polyBezier(const QPolygonF &points, bool fromCurrent);
    void rectangle(const QRectF &rect);
    void roundRect(const QRectF &rect, const QSizeF &corner);
    void ellipse(const QRectF &rect);
    // The arc of the ellipse in box from the radial through start to the
    // radial through end, in the current arc direction.
    void arc(const QRectF &box, const QPointF &start, const QPointF &end, ArcKind kind);
    // Degrees, counter-clockwise from the x axis.
    void angleArc(const QPointF &center, double radius, double startAngle, double sweepAngle);
    void setPixel(const QPointF &p, const QColor &color);

    // Regions in reference-device units; the frame is width x height
    // logical units wide inside the region's edges.
    void fillRegion(const gdi::RectList &region, const gdi::LogBrush &brush);
    void frameRegion(const gdi::RectList &region, const gdi::LogBrush &brush, double width, double height);
    void invertRegion(const gdi::RectList &region);

    // Text at a logical point (or the current position with TA_UPDATECP),
    // aligned by the text-align flags, advanced by dx (logical units per
    // character; natural advances when empty). `rect` (logical) is filled
    // with the background colour with ETO_OPAQUE and clips with ETO_CLIPPED.
    void textOut(const QPointF &point, const QString &text, const QVector<double> &dx, quint32 options,
                 const QRectF &rect);
    // 8-bit text in the current font's character set.
    QString decodeText(const QByteArray &bytes) const;

    // Block transfers: the part `source` (image pixels) of the image into
    // the logical rectangle dest, by a ternary raster operation. A null
    // image is allowed for operations that use no source.
    // opacity (0..1) weakens the whole bitmap, as alpha blending does.
    void blit(const QImage &image, const QRectF &source, const QRectF &dest, quint32 rop, double opacity = 1.0);
    // Fills a logical figure with a brush given in reference-device units
    // (gradients), pen, modes and brush of the state aside.
    void fill(const QPainterPath &logical, const QBrush &referenceBrush);

    // Paths (recorded in reference-device units between beginPath and
    // endPath).
    void beginPath();
    void endPath() { mRecording = false; }
    void abortPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void flattenPath();
    void widenPath();
    void selectClipPath(int mode);

private:
    QTransform pageTransform() const;
    double lengthScale() const;
    // Draws (or records) a logical path with the pen and/or brush.
    void draw(const QPainterPath &logical, bool fill, bool stroke, bool insideFrame = false);
    void paintReference(const QPainterPath &path, bool fill, bool stroke);
    // Fills a reference-space figure with the hatch lines of the current
    // brush; false when it would take too many lines.
    bool fillHatched(const QPainterPath &path, const QColor &color);
    QPen referencePen(bool *dashedOnOpaque) const;
    QBrush referenceBrush(const gdi::LogBrush &brush) const;
    QFont realizeFont(double *stretchX, double *extraScale) const;
    void addClip(const QRegion &region, int mode);
    QRegion toTargetRegion(const QPainterPath &reference);
    QRegion toTargetRegion(const gdi::RectList &reference);
    void paintTargetRegion(const QRegion &region, const QBrush &brush);
    // Brings the painter's clip up to the state's; a mask still waiting
    // for its picture is drawn first, under the clip it was given with.
    void applyClip();
    void flushMask();
    bool beginRop2(QColor *penColor, QColor *brushColor);
    void endRop();
    QPainterPath arcPath(const QRectF &box, const QPointF &start, const QPointF &end, ArcKind kind) const;

    QPainter *mPainter;
    QRectF mFrame;
    QRectF mTarget;
    QTransform mBase;          // the painter's transform when playing began
    QTransform mReferenceToBase;
    QRegion mTargetRegion;     // "no clip": everything the target covers
    double mDpiX;
    double mDpiY;
    bool mRaster;              // raster operations are possible
    bool mClipDirty = false;
    // Region pieces worked through so far; past a budget further clipping
    // is ignored, so that no file can make the clip the whole work.
    qint64 mRegionWork = 0;
    gdi::DcState mState;
    QVector<gdi::DcState> mSaved;
    int mIgnoredSaves = 0;     // saves beyond MaxSavedStates
    QPainterPath mPath;        // reference-device units
    bool mRecording = false;
    // A mask (AND) not yet drawn: its picture may follow (devices without
    // raster operations only).
    struct PendingMask
    {
        QImage image;
        QRectF target; // reference-device units
        bool smooth = false;
        double opacity = 1.0;
    } mMask;
};

} // namespace sw
