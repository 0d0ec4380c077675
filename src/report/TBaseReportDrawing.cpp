#include "report/TBaseReport.h"

#include <QPainter>
#include <QPicture>

#include <cmath>

// The drawing half of TBaseReport: drawing state, text and the drawing
// calls, which check the document state and hand over to the device.

namespace sw {

namespace {

constexpr double kPi = 3.14159265358979323846;

} // namespace

// ---- drawing state ----------------------------------------------------------------

void TBaseReport::SetBrush(TColor color, TBrushStyle style, const QImage &pattern)
{
    mBrushColor = color;
    mBrushStyle = style;
    mBrushPattern = pattern;
    brushChanged();
}

void TBaseReport::SetPen(TColor color, TPenStyle style, int width, TPenMode mode)
{
    mPenColor = color;
    mPenStyle = style;
    mPenWidth = width;
    mPenFromInches = false;
    mPenInches = width < 0 ? -width / 100.0 : deviceToInchesX(width);
    mPenMode = mode;
    penChanged();
}

void TBaseReport::setPenInches(TColor color, TPenStyle style, double inches, TPenMode mode)
{
    mPenColor = color;
    mPenStyle = style;
    mPenFromInches = true;
    mPenInches = qMax(0.0, inches);
    mPenMode = mode;
    penChanged();
}

int TBaseReport::PenDeviceWidth() const
{
    if (mPenFromInches)
        return mPenInches > 0 ? qMax(1, inchesToDeviceLengthX(mPenInches)) : 0;
    if (mPenWidth < 0)
        return qMax(1, toPixel(-double(mPenWidth) * mCaps.logPixelsX * mScaleX * mZoom * 1e-6));
    return mPenWidth;
}

void TBaseReport::SetFont(const QString &name, double size)
{
    if (!(size > 0))
        return;
    mFontName = name;
    mFontSize = size;
    mFontColor = clBlack;
    mRotation = 0;
    mBold = mUnderline = mItalic = mStrikeout = mSuperscript = mSubscript = false;
    fontChanged();
}

void TBaseReport::setFontSizeDirect(double points)
{
    if (points > 0 && points != mFontSize) {
        mFontSize = points;
        fontChanged();
    }
}

void TBaseReport::setFontNameDirect(const QString &name)
{
    if (name != mFontName) {
        mFontName = name;
        fontChanged();
    }
}

void TBaseReport::SetFontBold(bool on)
{
    mBold = on;
    fontChanged();
}

void TBaseReport::SetFontItalic(bool on)
{
    mItalic = on;
    fontChanged();
}

void TBaseReport::SetFontUnderline(bool on)
{
    mUnderline = on;
    fontChanged();
}

void TBaseReport::SetFontStrikeout(bool on)
{
    mStrikeout = on;
    fontChanged();
}

void TBaseReport::SetFontSuperscript(bool on)
{
    mSuperscript = on;
    if (on)
        mSubscript = false;
    fontChanged();
}

void TBaseReport::SetFontSubscript(bool on)
{
    mSubscript = on;
    if (on)
        mSuperscript = false;
    fontChanged();
}

void TBaseReport::SetFontColor(TColor color)
{
    mFontColor = color;
    fontChanged();
}

void TBaseReport::SetFontPitch(TFontPitch pitch)
{
    mFontPitch = pitch;
    fontChanged();
}

void TBaseReport::SetFontRotation(int degrees)
{
    mRotation = ((degrees % 360) + 360) % 360;
    fontChanged();
}

int TBaseReport::DeviceFontHeight() const
{
    double h = mCaps.logPixelsY * mFontSize / 72.0 * mZoom / 100.0;
    if (mSuperscript || mSubscript)
        h /= 2;
    return -toPixel(h);
}

const TDeviceFont &TBaseReport::DeviceFont()
{
    TDeviceFontKey key;
    key.name = mFontName;
    key.pitch = mFontPitch;
    key.height = DeviceFontHeight();
    key.bold = mBold;
    key.underline = mUnderline;
    key.italic = mItalic;
    key.strikeout = mStrikeout;
    key.rotation = mRotation;
    return mFonts.get(key, measureDevice());
}

// ---- text position and metrics ------------------------------------------------------

void TBaseReport::updateLineMetrics()
{
    const TDeviceFont &font = DeviceFont();
    mAscent = deviceToInchesY(font.ascent);
    mDescent = deviceToInchesY(font.descent);
    switch (mLineHeightMethod) {
    case lhmFont:
        mLineHeight = mFontSize / 60.0;
        break;
    case lhmLinesPerInch:
        if (mLinesPerInch > 0)
            mLineHeight = 1.0 / mLinesPerInch;
        break;
    case lhmUser:
        break;
    }
}

void TBaseReport::UpdateLineHeight()
{
    updateLineMetrics();
}

void TBaseReport::GotoXY(double x, double y)
{
    updateLineMetrics();
    mX = x / mUnitsFactor;
    mY = y / mUnitsFactor;
}

double TBaseReport::LineTop()
{
    updateLineMetrics();
    return (mY - mAscent) * mUnitsFactor;
}

void TBaseReport::setLineTop(double top)
{
    updateLineMetrics();
    mY = top / mUnitsFactor + mAscent;
}

void TBaseReport::setLineHeight(double height)
{
    mLineHeight = height / mUnitsFactor;
    mLineHeightMethod = lhmUser;
}

double TBaseReport::AscentHeight()
{
    updateLineMetrics();
    return mAscent * mUnitsFactor;
}

double TBaseReport::DescentHeight()
{
    updateLineMetrics();
    return mDescent * mUnitsFactor;
}

double TBaseReport::TextWidth(const QString &text)
{
    const int px = qMax(1, int(std::lround(DeviceFont().metrics.horizontalAdvance(text))));
    return deviceToInchesX(px) * mUnitsFactor;
}

void TBaseReport::PrintLeft(const QString &text, double x)
{
    if (!canDraw())
        return;
    doPrintText(text, x / mUnitsFactor + OriginX, mY + OriginY, AlignLeft);
    const double w = TextWidth(text) / mUnitsFactor;
    const double angle = mRotation * kPi / 180.0;
    mX = x / mUnitsFactor + w * std::cos(angle);
    mY -= w * std::sin(angle);
}

void TBaseReport::PrintCenter(const QString &text, double x)
{
    if (!canDraw())
        return;
    doPrintText(text, x / mUnitsFactor + OriginX, mY + OriginY, AlignCenter);
    mX = x / mUnitsFactor + TextWidth(text) / mUnitsFactor / 2;
}

void TBaseReport::PrintRight(const QString &text, double x)
{
    if (!canDraw())
        return;
    doPrintText(text, x / mUnitsFactor + OriginX, mY + OriginY, AlignRight);
    mX = x / mUnitsFactor;
}

void TBaseReport::PrintText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('\t'));
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            const double margin = MarginLeft / mUnitsFactor;
            const double n = std::floor((mX - margin) / DefaultTabWidth + 1e-9) + 1;
            mX = margin + n * DefaultTabWidth;
        }
        if (!parts.at(i).isEmpty())
            PrintLeft(parts.at(i), mX * mUnitsFactor);
    }
}

// ---- drawing ------------------------------------------------------------------------

void TBaseReport::Rectangle(double x1, double y1, double x2, double y2)
{
    if (canDraw())
        doRectangle(x1, y1, x2, y2);
}

void TBaseReport::RoundRect(double x1, double y1, double x2, double y2, double cornerW, double cornerH)
{
    if (canDraw())
        doRoundRect(x1, y1, x2, y2, cornerW, cornerH);
}

void TBaseReport::Ellipse(double x1, double y1, double x2, double y2)
{
    if (canDraw())
        doEllipse(x1, y1, x2, y2);
}

void TBaseReport::MoveTo(double x, double y)
{
    if (canDraw())
        doMoveTo(x, y);
}

void TBaseReport::LineTo(double x, double y)
{
    if (canDraw())
        doLineTo(x, y);
}

void TBaseReport::Polygon(const QVector<QPoint> &devicePoints)
{
    if (canDraw() && !devicePoints.isEmpty())
        doPolygon(devicePoints);
}

void TBaseReport::Polyline(const QVector<QPoint> &devicePoints)
{
    if (canDraw() && !devicePoints.isEmpty())
        doPolyline(devicePoints);
}

void TBaseReport::FillRect(const TDeviceRect &rect)
{
    if (canDraw())
        doFillRect(rect);
}

void TBaseReport::TextRect(const TDeviceRect &rect, double x, double y, const QString &text)
{
    if (canDraw())
        doTextRect(rect, x, y, text);
}

void TBaseReport::PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &bitmap)
{
    if (canDraw() && !bitmap.isNull())
        doPrintBitmapRect(x1, y1, x2, y2, bitmap);
}

void TBaseReport::StretchDraw(const TDeviceRect &rect, const TPicture &picture)
{
    if (canDraw())
        doStretchDraw(rect, picture);
}

void TBaseReport::StretchDraw(const TDeviceRect &rect, const QPicture &picture)
{
    if (canDraw())
        doStretchDraw(rect, picture);
}

void TBaseReport::StretchDraw(const TDeviceRect &rect, const QSize &size, const VectorDrawing &draw)
{
    if (canDraw() && size.width() > 0 && size.height() > 0 && draw)
        doStretchDraw(rect, size, draw);
}

void TBaseReport::doStretchDraw(const TDeviceRect &rect, const QSize &size, const VectorDrawing &draw)
{
    QPicture picture;
    {
        QPainter painter(&picture);
        // An invisible frame as the first figure: the picture's bounds are
        // recorded from what it draws, and must be the whole drawing.
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(QPoint(0, 0), size));
        painter.setClipRect(QRect(QPoint(0, 0), size));
        draw(painter);
    }
    picture.setBoundingRect(QRect(QPoint(0, 0), size));
    doStretchDraw(rect, picture);
}

void TBaseReport::CopyRect(const TDeviceRect &dest, const QImage &source, const QRect &sourceRect)
{
    if (canDraw())
        doCopyRect(dest, source, sourceRect);
}

void TBaseReport::pushRegionCheck()
{
    if (mRegionCount >= MaxReportRegions)
        throw EReportPrinter(QString::fromLatin1(rpmsg::TooManyRegions));
}

void TBaseReport::CreateRectRegion(double x1, double y1, double x2, double y2)
{
    if (!canDraw())
        return;
    pushRegionCheck();
    doCreateRectRegion(x1, y1, x2, y2);
    ++mRegionCount;
}

void TBaseReport::CreateRoundRectRegion(double x1, double y1, double x2, double y2, double cornerW, double cornerH)
{
    if (!canDraw())
        return;
    pushRegionCheck();
    doCreateRoundRectRegion(x1, y1, x2, y2, cornerW, cornerH);
    ++mRegionCount;
}

void TBaseReport::CreateEllipseRegion(double x1, double y1, double x2, double y2)
{
    if (!canDraw())
        return;
    pushRegionCheck();
    doCreateEllipseRegion(x1, y1, x2, y2);
    ++mRegionCount;
}

void TBaseReport::CreatePolygonRegion(const QVector<QPoint> &devicePoints)
{
    if (!canDraw())
        return;
    pushRegionCheck();
    doCreatePolygonRegion(devicePoints);
    ++mRegionCount;
}

void TBaseReport::SelectRegion()
{
    if (canDraw() && mRegionCount > 0)
        doSelectRegion();
}

void TBaseReport::DeleteRegion()
{
    if (canDraw() && mRegionCount > 0) {
        doDeleteRegion();
        --mRegionCount;
    }
}

void TBaseReport::ClipOff()
{
    if (canDraw())
        doClipOff();
}

void TBaseReport::BeginPath()
{
    if (canDraw())
        doPathCommand(pathBegin);
}

void TBaseReport::EndPath()
{
    if (canDraw())
        doPathCommand(pathEnd);
}

void TBaseReport::SelectClipPath()
{
    if (canDraw())
        doPathCommand(pathSelectClip);
}

void TBaseReport::StrokePath()
{
    if (canDraw())
        doPathCommand(pathStroke);
}

void TBaseReport::StrokeAndFillPath()
{
    if (canDraw())
        doPathCommand(pathStrokeAndFill);
}

} // namespace sw
