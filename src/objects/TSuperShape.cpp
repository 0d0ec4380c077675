#include "objects/TSuperShape.h"

#include "objects/ObjectEditors.h"
#include "objects/SurfaceFill.h"
#include "objects/TGPanelHost.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sw {

namespace {

// Removes a report region however the drawing in between ends.
class ReportRegionGuard
{
public:
    explicit ReportRegionGuard(TBaseReport &report) : mReport(report) {}
    ~ReportRegionGuard()
    {
        mReport.ClipOff();
        mReport.DeleteRegion();
    }

private:
    TBaseReport &mReport;
};

} // namespace

TSuperShape::TSuperShape(QObject *owner)
    : TGGraphicControl(owner)
    , mImage(new TBitmap(this))
{
    connect(mImage, &TBitmap::changed, this, [this] { Invalidate(); });
    // The starting size is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 25, 25);
    setLoading(wasLoading);
}

TSuperShape::~TSuperShape() = default;

// ---- setters -------------------------------------------------------------------------

void TSuperShape::changed()
{
    Invalidate();
}

void TSuperShape::gradientInputChanged()
{
    mGradientDirty = true;
}

void TSuperShape::SetBackColor(TColor value)
{
    if (value == mBackColor)
        return;
    mBackColor = value;
    mGradientDirty = true;
    mSolidDirty = true;
    changed();
}

void TSuperShape::SetFillDirection(TFillDirection value)
{
    if (value == mFillDirection || value < GradientFill::gdUp || value > GradientFill::gdRight)
        return;
    mFillDirection = value;
    gradientInputChanged();
    changed();
}

void TSuperShape::SetForeColor(TColor value)
{
    if (value == mForeColor)
        return;
    mForeColor = value;
    mSolidDirty = true;
    changed();
}

void TSuperShape::SetGradientToColor(TColor value)
{
    if (value == mGradientToColor)
        return;
    mGradientToColor = value;
    gradientInputChanged();
    changed();
}

void TSuperShape::SetImage(const QImage &value)
{
    mImage->setImage(value);
}

void TSuperShape::SetInVectorPercent(int value)
{
    if (value == mInVectorPercent || value < 0 || value > 100)
        return;
    mInVectorPercent = value;
    changed();
}

void TSuperShape::SetOutlineColor(TColor value)
{
    if (value == mOutlineColor)
        return;
    mOutlineColor = value;
    changed();
}

void TSuperShape::SetOutlineStyle(TPenStyle value)
{
    if (value == mOutlineStyle)
        return;
    mOutlineStyle = value;
    changed();
}

void TSuperShape::SetOutlineWidth(int value)
{
    // A negative width has no meaning for a pen; it is ignored like the
    // other out-of-range values.
    if (value == mOutlineWidth || value < 0)
        return;
    mOutlineWidth = value;
    changed();
}

void TSuperShape::SetPattern(TBrushStyle value)
{
    if (value == mPattern)
        return;
    mPattern = value;
    mSolidDirty = true;
    changed();
}

void TSuperShape::SetRoundPerc(int value)
{
    if (value == mRoundPerc)
        return;
    mRoundPerc = value;
    changed();
}

void TSuperShape::SetShadowColor(TColor value)
{
    if (value == mShadowColor)
        return;
    mShadowColor = value;
    gradientInputChanged();
    changed();
}

void TSuperShape::SetShadowDepth(int value)
{
    // A negative depth would turn the shadow rectangles inside out.
    if (value == mShadowDepth || value < 0 || value > Width() / 2 || value > Height() / 2)
        return;
    mShadowDepth = value;
    gradientInputChanged();
    changed();
}

void TSuperShape::SetShadowOrient(TShadowOrient value)
{
    if (value == mShadowOrient || value < soNone || value > soLowerLeft)
        return;
    mShadowOrient = value;
    gradientInputChanged();
    changed();
}

void TSuperShape::SetShape(TGPShapeType value)
{
    if (value == mShape || value < gstRectangle || value > gstPolyGon)
        return;
    mShape = value;
    if (value == gstStar) {
        if (mInVectorPercent == 0)
            mInVectorPercent = 50;
        if (mVectors < 10)
            mVectors = 10;
        mStartingAngle = 90;
    }
    changed();
}

void TSuperShape::SetStartingAngle(int value)
{
    if (value == mStartingAngle || value < 0 || value > 359)
        return;
    mStartingAngle = value;
    changed();
}

void TSuperShape::SetSurfaceType(TSurfaceType value)
{
    if (value == mSurfaceType || value < stBrushTransparent || value > stGradientFill)
        return;
    mSurfaceType = value;
    changed();
    if (value != stBrushImage)
        mImage->clear();
    if (value == stGradientFill)
        mGradientDirty = true;
    if (value == stBrushPattern)
        mSolidDirty = true;
    if (value == stBrushTransparent) {
        // A transparent shape always keeps an outline and never has a shadow.
        SetShadowOrient(soNone);
        SetPattern(bsClear);
        if (mOutlineStyle == psClear)
            SetOutlineStyle(psSolid);
    }
}

void TSuperShape::SetVectors(int value)
{
    if (value == mVectors || value < 3 || value > 60)
        return;
    mVectors = value;
    changed();
}

void TSuperShape::copyAppearance(const TSuperShape &other)
{
    SetBackColor(other.BackColor());
    SetFillDirection(other.FillDirection());
    SetForeColor(other.ForeColor());
    SetGradientToColor(other.GradientToColor());
    SetImage(other.Image()->image());
    SetInVectorPercent(other.InVectorPercent());
    SetOutlineColor(other.OutlineColor());
    SetOutlineStyle(other.OutlineStyle());
    SetOutlineWidth(other.OutlineWidth());
    SetPattern(other.Pattern());
    SetRoundPerc(other.RoundPerc());
    SetShadowColor(other.ShadowColor());
    SetShadowDepth(other.ShadowDepth());
    SetShadowOrient(other.ShadowOrient());
    SetShape(other.Shape());
    SetStartingAngle(other.StartingAngle());
    SetSurfaceType(other.SurfaceType());
    SetVectors(other.Vectors());
}

void TSuperShape::CopyShapeFrom(const TSuperShape &other)
{
    copyAppearance(other);
    setWidth(other.Width());
    setHeight(other.Height());
}

void TSuperShape::ApplyShapeFrom(const TSuperShape &other)
{
    copyAppearance(other);
    SetLastBitmapFileNameandPath(other.LastBitmapFileNameandPath());
    NotifyChanged();
}

// ---- surface bitmaps ---------------------------------------------------------------------

const QImage &TSuperShape::GradientBitmap()
{
    if (mGradientDirty || mGradient.width() != Width() || mGradient.height() != Height()) {
        mGradient = GradientFill::render(mFillDirection, mBackColor, mGradientToColor, Width(), Height());
        mGradientDirty = false;
    }
    return mGradient;
}

const QImage &TSuperShape::SolidBitmap()
{
    // Not rebuilt for a new size: a single colour tiles seamlessly.
    if (mSolidDirty || mSolid.isNull()) {
        if (Width() > 0 && Height() > 0) {
            mSolid = QImage(Width(), Height(), QImage::Format_RGB32);
            mSolid.fill(toQColor(mBackColor));
        } else {
            mSolid = QImage();
        }
        mSolidDirty = false;
    }
    return mSolid;
}

const QImage *TSuperShape::surfaceBitmap()
{
    const QImage *bitmap = nullptr;
    switch (mSurfaceType) {
    case stBrushPattern:
        bitmap = &SolidBitmap();
        break;
    case stBrushImage:
        bitmap = &mImage->image();
        break;
    case stGradientFill:
        bitmap = &GradientBitmap();
        break;
    case stBrushTransparent:
        break;
    }
    if (!bitmap || bitmap->isNull() || bitmap->width() <= 0 || bitmap->height() <= 0)
        return nullptr;
    return bitmap;
}

// ---- geometry ---------------------------------------------------------------------------------

int TSuperShape::ScaledShadowDepth() const
{
    if (ScaleFactor() == 1.0f)
        return mShadowDepth;
    return truncTowardZero(mShadowDepth * static_cast<double>(ScaleFactor()));
}

TSuperShape::Box TSuperShape::ShapeRect() const
{
    const int w = mOutlineWidth;
    const int h = w / 2;
    const int x2 = Width() - w + 1;
    const int y2 = Height() - w + 1;
    const int s = ScaledShadowDepth();
    if (mShape == gstDiamond) {
        // The diamond's shadow falls sideways only; it keeps its full height.
        switch (mShadowOrient) {
        case soLowerRight:
        case soUpperRight:
            return {h, h, x2 - s, y2};
        case soUpperLeft:
        case soLowerLeft:
            return {h + s, h, x2, y2};
        case soNone:
            break;
        }
        return {h, h, x2, y2};
    }
    switch (mShadowOrient) {
    case soLowerRight:
        return {h, h, x2 - s, y2 - s};
    case soUpperRight:
        return {h, h + s, x2 - s, y2};
    case soUpperLeft:
        return {h + s, h + s, x2, y2};
    case soLowerLeft:
        return {h + s, h, x2, y2 - s};
    case soNone:
        break;
    }
    return {h, h, x2, y2};
}

bool TSuperShape::ShadowRect(Box *box) const
{
    if (mShadowOrient == soNone)
        return false;
    const int w = mOutlineWidth;
    const int h = w / 2;
    const int x2 = Width() - w + 1;
    const int y2 = Height() - w + 1;
    const int s = ScaledShadowDepth();
    if (mShape == gstDiamond) {
        if (mShadowOrient == soLowerRight || mShadowOrient == soUpperRight)
            *box = {h + s, h, x2, y2};
        else
            *box = {h, h, x2 - s, y2};
        return true;
    }
    switch (mShadowOrient) {
    case soLowerRight:
        *box = {h + s, h + s, x2, y2};
        break;
    case soUpperRight:
        *box = {h + s, h, x2, y2 - s};
        break;
    case soUpperLeft:
        *box = {h, h, x2 - s, y2 - s};
        break;
    case soLowerLeft:
        *box = {h, h + s, x2 - s, y2};
        break;
    case soNone:
        return false;
    }
    return true;
}

int TSuperShape::CornerSize() const
{
    // Integer arithmetic keeps exact percentages exact.
    const int64_t longer = std::max(Width(), Height());
    return static_cast<int>(static_cast<int64_t>(mRoundPerc) * longer / 100);
}

bool TSuperShape::IsPolygonShape() const
{
    return mShape != gstRectangle && mShape != gstRoundRect && mShape != gstEllipse;
}

QVector<QPoint> TSuperShape::OutlinePoints(const Box &b) const
{
    const int l = b.left, t = b.top, w = b.width(), v = b.height();
    switch (mShape) {
    case gstDiamond:
        return {{l + w / 2, t}, {l + w - 1, t + v / 2}, {l + w / 2, t + v - 1}, {l, t + v / 2}};
    case gstTriangleLeft:
        return {{l + w - 1, t}, {l + w - 1, t + v - 1}, {l, t + v / 2}};
    case gstTriangleRight:
        return {{l, t}, {l + w - 1, t + v / 2}, {l, t + v - 1}};
    case gstTriangleUp:
        return {{l + w / 2, t}, {l, t + v - 1}, {l + w - 1, t + v - 1}};
    case gstTriangleDown:
        return {{l, t}, {l + w / 2, t + v - 1}, {l + w - 1, t}};
    case gstStar:
    case gstPolyGon: {
        // A polygon is a star whose inner vertices lie on the radius.
        const int inVector = mShape == gstPolyGon ? 0 : mInVectorPercent;
        const int cx = l + w / 2, cy = t + v / 2;
        const int r = std::min(w / 2, v / 2) - 4;
        QVector<QPoint> points;
        points.reserve(mVectors);
        for (int k = 0; k < mVectors; ++k) {
            const double rho = (k % 2 == 0) ? r : r * (100 - inVector) * 0.01;
            const double theta = (360.0 / mVectors * k - mStartingAngle) * M_PI / 180.0;
            points.append(QPoint(cx + roundHalfEven(std::cos(theta) * rho),
                                 cy + roundHalfEven(std::sin(theta) * rho)));
        }
        return points;
    }
    case gstRectangle:
    case gstRoundRect:
    case gstEllipse:
        break;
    }
    return {};
}

QRegion TSuperShape::OutlineRegion(const Box &b) const
{
    switch (mShape) {
    case gstRectangle:
        return Canvas::CreateRectRgn(b.left, b.top, b.right, b.bottom);
    case gstRoundRect: {
        const int c = CornerSize();
        return Canvas::CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, c, c);
    }
    case gstEllipse:
        return Canvas::CreateEllipticRgn(b.left, b.top, b.right, b.bottom);
    default:
        break;
    }
    return QRegion(QPolygon(OutlinePoints(b)), Qt::WindingFill);
}

QSize TSuperShape::ScreenTileSize(const QImage &bitmap) const
{
    return SurfaceFill::screenTileSize(bitmap, mSurfaceType == stBrushImage, ScaleFactor());
}

// ---- screen -----------------------------------------------------------------------------------

void TSuperShape::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Properties"), [this] { ObjectEditors::edit(this); });
}

void TSuperShape::BoundsChanged()
{
    mGradientDirty = true;
}

void TSuperShape::drawOutline(Canvas &canvas, const Box &b)
{
    switch (mShape) {
    case gstRectangle:
        canvas.Rectangle(b.left, b.top, b.right, b.bottom);
        break;
    case gstRoundRect: {
        const int c = CornerSize();
        canvas.RoundRect(b.left, b.top, b.right, b.bottom, c, c);
        break;
    }
    case gstEllipse:
        canvas.Ellipse(b.left, b.top, b.right, b.bottom);
        break;
    default:
        canvas.Polygon(OutlinePoints(b));
        break;
    }
}

void TSuperShape::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(context)
    const Box r = ShapeRect();
    TPen *pen = canvas.Pen();
    TBrush *brush = canvas.Brush();
    brush->setPattern(QImage());

    Box h;
    if (ShadowRect(&h)) {
        brush->setColor(mShadowColor);
        brush->setStyle(bsSolid);
        pen->setColor(clBlack);
        pen->setStyle(psSolid);
        pen->setWidth(1);
        pen->setMode(pmCopy);
        drawOutline(canvas, h);
    }

    if (const QImage *bitmap = surfaceBitmap()) {
        QRegion clip = OutlineRegion(r);
        if (canvas.hasClip())
            clip &= canvas.clipRegion();
        // An empty region would lift the clip altogether.
        if (!clip.isEmpty()) {
            canvas.SaveClip();
            canvas.SelectClipRegion(clip);
            SurfaceFill::paintTiles(canvas, *bitmap, ScreenTileSize(*bitmap), Width(), Height());
            canvas.RestoreClip();
        }
    }

    if (mOutlineStyle != psClear) {
        brush->setStyle(bsClear);
        pen->setColor(mOutlineColor);
        pen->setWidth(mOutlineWidth);
        pen->setStyle(mOutlineStyle);
        pen->setMode(pmCopy);
        drawOutline(canvas, r);
    }

    TGGraphicControl::BoundsChanged();
}

// ---- paper ----------------------------------------------------------------------------------------

void TSuperShape::printOutline(TBaseReport &report, const Box &b, double xOff, double yOff,
                               const QPoint &deviceOrigin, double sx, double sy)
{
    const double p = ScreenInfo::pixelsPerInch();
    const double x1 = (b.left + Left()) / p + xOff, y1 = (b.top + Top()) / p + yOff;
    const double x2 = (b.right + Left()) / p + xOff, y2 = (b.bottom + Top()) / p + yOff;
    switch (mShape) {
    case gstRectangle:
        report.Rectangle(x1, y1, x2, y2);
        return;
    case gstRoundRect: {
        const double c = CornerSize() / p;
        report.RoundRect(x1, y1, x2, y2, c, c);
        return;
    }
    case gstEllipse:
        report.Ellipse(x1, y1, x2, y2);
        return;
    default:
        break;
    }
    report.Polygon(devicePoints(b, deviceOrigin, sx, sy));
}

QVector<QPoint> TSuperShape::devicePoints(const Box &b, const QPoint &deviceOrigin, double sx, double sy) const
{
    QVector<QPoint> device;
    for (const QPoint &pt : OutlinePoints(b))
        device.append(QPoint(truncTowardZero((Left() + pt.x()) * sx) + deviceOrigin.x(),
                             truncTowardZero((Top() + pt.y()) * sy) + deviceOrigin.y()));
    return device;
}

void TSuperShape::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const double p = ScreenInfo::pixelsPerInch();
    const int ppx = report.PixelsPerInchX(), ppy = report.PixelsPerInchY();
    const double sx = ppx / p, sy = ppy / p;
    const int unprintableLeft = truncTowardZero(report.UnprintableLeft() * ppx);
    const int unprintableTop = truncTowardZero(report.UnprintableTop() * ppy);
    const int offsetX = truncTowardZero(ppx * xOff);
    const int offsetY = truncTowardZero(ppy * yOff);
    const QPoint deviceOrigin(offsetX - unprintableLeft, offsetY - unprintableTop);

    const Box r = ShapeRect();
    Box h;
    if (ShadowRect(&h)) {
        report.SetBrush(mShadowColor, bsSolid);
        report.SetPen(clBlack, psSolid, -1, pmCopy);
        printOutline(report, h, xOff, yOff, deviceOrigin, sx, sy);
    }

    if (mSurfaceType != stBrushTransparent) {
        report.SetBrush(mForeColor, bsSolid);
        const double x1 = (r.left + Left()) / p + xOff, y1 = (r.top + Top()) / p + yOff;
        const double x2 = (r.right + Left()) / p + xOff, y2 = (r.bottom + Top()) / p + yOff;
        switch (mShape) {
        case gstRectangle:
            report.CreateRectRegion(x1, y1, x2, y2);
            break;
        case gstRoundRect: {
            const double c = CornerSize() / p;
            report.CreateRoundRectRegion(x1, y1, x2, y2, c, c);
            break;
        }
        case gstEllipse:
            report.CreateEllipseRegion(x1, y1, x2, y2);
            break;
        default:
            report.CreatePolygonRegion(devicePoints(r, deviceOrigin, sx, sy));
            break;
        }
        ReportRegionGuard guard(report);
        report.SelectRegion();
        const int dl = truncTowardZero(Left() * sx) + offsetX;
        const int dt = truncTowardZero(Top() * sy) + offsetY;
        const int dw = roundHalfEven(Width() * sx);
        const int dh = roundHalfEven(Height() * sy);
        if (mSurfaceType == stGradientFill) {
            // The gradient runs a quarter inch below the object; the clip
            // region cuts it.
            const QRect area(dl - unprintableLeft, dt - unprintableTop, dw + 1,
                             dh + 1 + truncTowardZero(0.25 * ppy));
            SurfaceFill::printGradient(report, mFillDirection, mBackColor, mGradientToColor, area, area);
        } else {
            const QImage &bitmap = mSurfaceType == stBrushPattern ? SolidBitmap() : mImage->image();
            const TGPanelHost *host = panel();
            // In a preview on a screen of few colours the tiles go as one picture.
            const bool asOne = host && host->previewMode() && SurfaceFill::screenColorCount() <= 256;
            if (!bitmap.isNull() && bitmap.width() > 0 && bitmap.height() > 0)
                SurfaceFill::printTiles(report, bitmap, dl, dt, dw, dh, sx, sy, asOne);
        }
    }

    report.SetBrush(mForeColor, bsClear);
    report.SetPen(mOutlineColor, mOutlineStyle, -mOutlineWidth, pmCopy);
    printOutline(report, r, xOff, yOff, deviceOrigin, sx, sy);
}

} // namespace sw
