#pragma once
// A drawing surface with the pixel rules the label objects are written
// against, over a QPainter on a QImage or any other paint device.
//
// Coordinates are integer device pixels. Rectangles are given as left, top,
// right, bottom with right and bottom exclusive; the QRect overloads cover
// exactly the QRect's pixels (right = QRect::right() + 1).
//
// Outlines. The boundary of Rectangle, RoundRect and Ellipse(x1, y1, x2, y2)
// runs through the pixels x1 and x2 - 1, y1 and y2 - 1. A pen of width w
// (0 or 1: one pixel) covers, across the boundary at pixel p, the pixels
// p - w/2 ... p - w/2 + w - 1 (w/2 truncated), so a width 3 pen on
// Rectangle(1, 1, 59, 39) covers x 0..2 and 57..59, y 0..2 and 37..39.
// psInsideFrame keeps the outline within x1..x2-1, y1..y2-1. The brush fills
// what lies inside the outline; with psClear it fills x1..x2-2, y1..y2-2
// (one pixel less each way). Dashed and dotted styles apply to widths of 0
// and 1; wider pens draw solid.
//
// Lines. MoveTo/LineTo draw from the pen position up to, but not including,
// the end point, which becomes the pen position.
//
// Modes. The pen's Mode (a binary raster operation) applies to everything
// drawn with the pen and the brush by Rectangle, RoundRect, Ellipse,
// Polygon, Polyline and LineTo, on devices that support raster operations
// (images); elsewhere every mode draws as pmCopy, except pmNop, which draws
// nothing. FillRect, FrameRect and text ignore it.
//
// Background. As on the toolkit's canvas, a bsSolid brush makes the
// background opaque in the brush colour (text cells, gaps of dotted pens);
// any other brush style leaves it transparent.
//
// Text is drawn with the font's colour, its origin at the top-left corner of
// the text cell; a non-zero escapement (tenths of a degree) turns the text
// counter-clockwise about that origin.
#include "platform/GraphicsTypes.h"
#include "platform/TBrush.h"
#include "platform/TColor.h"
#include "platform/TFont.h"
#include "platform/TPen.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QVector>
#include <memory>

namespace sw {

class TPicture;

// Text metrics of the canvas font, in device pixels. height = ascent +
// descent; internalLeading = height - the character (em) height.
struct TTextMetric
{
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
};

class Canvas
{
public:
    enum PolyFillMode { Alternate, Winding };

    // Paints on the device (an image, pixmap, printer ...) until destroyed;
    // the device must outlive the canvas.
    explicit Canvas(QPaintDevice *device);
    // Draws through an active painter owned by the caller; its state is
    // saved here and restored when the canvas is destroyed.
    explicit Canvas(QPainter *painter);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    // Owned by the canvas; change them freely between drawing calls.
    TFont *Font() { return mFont.get(); }
    TPen *Pen() { return mPen.get(); }
    TBrush *Brush() { return mBrush.get(); }

    // Logical pixels per inch of the device (vertical).
    int pixelsPerInch() const;
    QPainter *painter() { return mPainter; }

    // Text rotation in tenths of a degree, counter-clockwise; 0 = unturned.
    int fontEscapement() const { return mEscapement; }
    void setFontEscapement(int tenthsOfDegree) { mEscapement = tenthsOfDegree; }

    PolyFillMode polyFillMode() const { return mFillMode; }
    void SetPolyFillMode(PolyFillMode mode) { mFillMode = mode; }

    // Lines.
    QPoint PenPos() const { return mPenPos; }
    void MoveTo(int x, int y) { mPenPos = QPoint(x, y); }
    void LineTo(int x, int y);
    // Joined lines through the points (the last point is left out).
    void Polyline(const QVector<QPoint> &points);

    // Closed figures: outline with the pen, inside with the brush.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const QRect &r) { Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    // cornerW, cornerH: width and height of the corner ellipse.
    void RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const QRect &r) { Ellipse(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    // Vertices are pixel centres; the pen outlines, the brush fills by the
    // poly-fill mode.
    void Polygon(const QVector<QPoint> &points);

    // Fills x1..x2-1, y1..y2-1 with the brush (copy mode; bsClear fills nothing).
    void FillRect(int x1, int y1, int x2, int y2);
    void FillRect(const QRect &r) { FillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    // Fills like FillRect, combining the brush with the destination by the
    // raster operation (pmMask: destination AND brush).
    void FillRectMode(int x1, int y1, int x2, int y2, TPenMode mode);
    // A one-pixel frame along the edges of x1..x2-1, y1..y2-1 in the brush colour.
    void FrameRect(int x1, int y1, int x2, int y2);
    // The focus frame: a dotted one-pixel outline drawn in XOR, so drawing it
    // twice removes it.
    void DrawFocusRect(int x1, int y1, int x2, int y2);

    // Text at an origin (top-left of the text cell).
    void TextOut(int x, int y, const QString &text);
    // Text at an origin, clipped to x1..x2-1, y1..y2-1 (device axes, also for
    // turned text). An opaque background fills the clip rectangle first.
    void TextRect(int x1, int y1, int x2, int y2, int x, int y, const QString &text);
    // Extents of unturned text in the canvas font.
    QSize TextExtent(const QString &text);
    int TextWidth(const QString &text) { return TextExtent(text).width(); }
    int TextHeight(const QString &text) { return TextExtent(text).height(); }
    TTextMetric textMetrics();
    // The realised font (escapement not applied).
    QFont currentQFont();

    // Paths. The outlines of the glyphs TextOut would draw at the same
    // origin, turned by the escapement; what the path operations of a
    // device context collect between beginning and ending a path.
    QPainterPath TextPath(int x, int y, const QString &text);
    // Draws the path's outline with the pen (colour, width, style; dashes
    // for widths 0 and 1 as elsewhere), smoothed, without touching the
    // inside. psClear draws nothing.
    void StrokePath(const QPainterPath &path);

    // Clipping. The clip applies to all drawing until changed; an empty
    // QRegion in SelectClipRegion removes the clip.
    void SelectClipRegion(const QRegion &region);
    void IntersectClipRect(int x1, int y1, int x2, int y2);
    void RemoveClip() { SelectClipRegion(QRegion()); }
    // The clip region (a path clip is not part of it).
    bool hasClip() const { return mHasClip; }
    QRegion clipRegion() const { return mClip.translated(-mOrigin); }
    // Clips to the inside of a path (its own fill rule), with smoothed
    // edges: SelectClipPath replaces the clip in force, IntersectClipPath
    // narrows it. A region given later replaces the path too; SaveClip and
    // RestoreClip keep both. Glyph outlines stay outlines on a vector
    // device such as a PDF.
    void SelectClipPath(const QPainterPath &path);
    void IntersectClipPath(const QPainterPath &path);
    bool hasClipPath() const { return mHasClipPath; }

    // Moves the coordinate origin to device point (x, y): everything drawn
    // afterwards, and every clip region given afterwards, is relative to it.
    // A clip already in force stays where it is on the device. The design
    // panel uses it to let each object paint in its own coordinates.
    void setOrigin(int x, int y);
    QPoint origin() const { return mOrigin; }
    // Pushes and pops the clip region.
    void SaveClip();
    void RestoreClip();

    // Regions of the closed figures' pixels, for clipping: the rectangle
    // x1..x2-1, y1..y2-1, and the rounded rectangle and ellipse inscribed in it.
    static QRegion CreateRectRgn(int x1, int y1, int x2, int y2);
    static QRegion CreateRoundRectRgn(int x1, int y1, int x2, int y2, int cornerW, int cornerH);
    static QRegion CreateEllipticRgn(int x1, int y1, int x2, int y2);

    // Images (copy mode, clipped). Draw puts the image at its own size;
    // StretchDraw scales it to x1..x2-1, y1..y2-1; CopyRect copies a source
    // rectangle of the image into a destination rectangle, scaling if the
    // sizes differ.
    void Draw(int x, int y, const QImage &image);
    void StretchDraw(int x1, int y1, int x2, int y2, const QImage &image);
    void StretchDraw(int x1, int y1, int x2, int y2, const TPicture &picture);
    void CopyRect(const QRect &dest, const QImage &source, const QRect &sourceRect);

private:
    void init();
    QPen makeQPen(int width, bool forceSolid) const;
    QBrush makeQBrush() const;
    bool applyMode(TPenMode mode, QColor *color); // false: draw nothing
    void resetMode();
    void drawOutlinedPath(const QPainterPath &outline, const QPainterPath &fill, int penWidth);
    void drawText(int x, int y, const QString &text, const QRect *clip);
    void ensureFont();
    void applyClip();

    std::unique_ptr<TFont> mFont;
    std::unique_ptr<TPen> mPen;
    std::unique_ptr<TBrush> mBrush;
    std::unique_ptr<QPainter> mOwnPainter;
    QPainter *mPainter = nullptr;
    bool mRasterOps = false;
    QPoint mPenPos;
    int mEscapement = 0;
    PolyFillMode mFillMode = Alternate;
    bool mHasClip = false;
    QRegion mClip; // device coordinates
    QPoint mOrigin;
    bool mHasClipPath = false;
    QPainterPath mClipPath; // device coordinates
    struct SavedClip
    {
        QRegion region;
        bool hasRegion;
        QPainterPath path;
        bool hasPath;
    };
    QVector<SavedClip> mClipStack;
    bool mFontDirty = true;
    QFont mQFont;
};

} // namespace sw
