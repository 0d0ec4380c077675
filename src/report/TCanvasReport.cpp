#include "report/TCanvasReport.h"

#include "platform/Canvas.h"
#include "platform/TPicture.h"

#include <QPainter>
#include <QPicture>

#include <cmath>

namespace sw {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A clip that lets nothing through: a single pixel far outside any page
// (an empty QRegion would mean "no clip" to the canvas).
QRegion nothingRegion()
{
    return QRegion(-(1 << 29), -(1 << 29), 1, 1);
}

QVector<QPoint> ordered(int x1, int y1, int x2, int y2)
{
    return {QPoint(x1, y1), QPoint(x2, y2)};
}

} // namespace

TCanvasReport::TCanvasReport(TReportDevice *device)
{
    setDevice(device);
}

TCanvasReport::~TCanvasReport()
{
    releaseDevice();
}

void TCanvasReport::releaseDevice()
{
    mCanvas.reset();
    mPainter = nullptr;
    if (mDocStarted && device()) {
        mDocStarted = false;
        try {
            device()->abortDocument();
        } catch (...) {
        }
    }
}

// ---- document --------------------------------------------------------------------

bool TCanvasReport::openDocument()
{
    mDocStarted = false;
    mRegions.clear();
    mInPath = false;
    mPath = QPainterPath();
    device()->setCopies(Copies());
    return true;
}

void TCanvasReport::startPage()
{
    // The device's job starts with the first page that has output, so that
    // pages outside the page range and an early abort leave no job behind.
    mCanvas.reset();
    mPainter = mDocStarted ? device()->newPage() : device()->beginDocument(Title.left(31));
    mDocStarted = true;
    mCanvas = std::make_unique<Canvas>(mPainter);
    mInPath = false;
    mPath = QPainterPath();
    applyState();
}

void TCanvasReport::endPage()
{
    mCanvas.reset();
}

void TCanvasReport::closeDocument()
{
    mCanvas.reset();
    mPainter = nullptr;
    if (!mDocStarted)
        return;
    mDocStarted = false;
    if (Aborted())
        device()->abortDocument();
    else
        device()->endDocument();
}

// ---- state ---------------------------------------------------------------------------

void TCanvasReport::applyState()
{
    penChanged();
    brushChanged();
    fontChanged();
}

void TCanvasReport::penChanged()
{
    if (!mCanvas)
        return;
    TPen *pen = mCanvas->Pen();
    pen->setColor(PenColor());
    pen->setStyle(PenStyle());
    pen->setMode(PenMode());
    pen->setWidth(PenDeviceWidth());
}

void TCanvasReport::brushChanged()
{
    if (!mCanvas)
        return;
    TBrush *brush = mCanvas->Brush();
    brush->setColor(BrushColor());
    brush->setPattern(BrushPattern());
    brush->setStyle(BrushPattern().isNull() ? BrushStyle() : bsSolid);
}

void TCanvasReport::fontChanged()
{
    if (!mCanvas)
        return;
    TFont *font = mCanvas->Font();
    font->setName(FontName());
    font->setHeight(DeviceFontHeight());
    font->setPitch(FontPitch());
    TFontStyles style;
    if (FontBold())
        style |= fsBold;
    if (FontItalic())
        style |= fsItalic;
    if (FontUnderline())
        style |= fsUnderline;
    if (FontStrikeout())
        style |= fsStrikeOut;
    font->setStyle(style);
    font->setColor(FontColor());
    mCanvas->setFontEscapement(FontRotation() * 10);
}

QBrush TCanvasReport::qBrush() const
{
    if (!BrushPattern().isNull())
        return QBrush(BrushPattern());
    const QColor color = toQColor(BrushColor());
    switch (BrushStyle()) {
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

QPen TCanvasReport::qPen() const
{
    if (PenStyle() == psClear)
        return QPen(Qt::NoPen);
    QPen pen(toQColor(PenColor()));
    const int w = PenDeviceWidth();
    pen.setWidth(w <= 1 ? 0 : w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (w <= 1) {
        switch (PenStyle()) {
        case psDash: pen.setStyle(Qt::DashLine); break;
        case psDot: pen.setStyle(Qt::DotLine); break;
        case psDashDot: pen.setStyle(Qt::DashDotLine); break;
        case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
        default: break;
        }
    }
    return pen;
}

// ---- text ------------------------------------------------------------------------------

void TCanvasReport::drawTextAt(double x, double y, const QString &text, bool opaque)
{
    const TDeviceFont &font = DeviceFont();
    mPainter->save();
    mPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    mPainter->translate(x, y);
    if (FontRotation() != 0)
        mPainter->rotate(-FontRotation());
    if (opaque) {
        const double w = font.metrics.horizontalAdvance(text);
        mPainter->fillRect(QRectF(0, -font.ascent, w, font.ascent + font.descent), toQColor(BKColor()));
    }
    mPainter->setFont(font.font);
    mPainter->setPen(toQColor(FontColor()));
    mPainter->drawText(QPointF(0, 0), text);
    mPainter->restore();
}

void TCanvasReport::addTextToPath(double x, double y, const QString &text)
{
    QPainterPath glyphs;
    glyphs.addText(QPointF(0, 0), DeviceFont().font, text);
    QTransform t;
    t.translate(x, y);
    if (FontRotation() != 0)
        t.rotate(-FontRotation());
    mPath.addPath(t.map(glyphs));
}

void TCanvasReport::doPrintText(const QString &text, double x, double baseline, TTextAlign align)
{
    double dx = inchToDeviceX(x);
    double dy = inchToDeviceY(baseline) + 1; // baseline alignment puts the cell one pixel lower
    if (align != AlignLeft) {
        const double w = DeviceFont().metrics.horizontalAdvance(text);
        const double back = align == AlignCenter ? w / 2 : w;
        const double angle = FontRotation() * kPi / 180.0;
        dx -= back * std::cos(angle);
        dy += back * std::sin(angle);
    }
    if (mInPath)
        addTextToPath(dx, dy, text);
    else
        drawTextAt(dx, dy, text, TextBKMode() == bkOpaque);
}

void TCanvasReport::drawTextBlock(const QString &source, double xInches, double baselineInches, double widthInches)
{
    if (!canDraw())
        return;
    if (FontRotation() != 0) {
        doPrintText(source, xInches, baselineInches, AlignLeft);
        return;
    }
    int first = 0;
    while (first < source.size() && source.at(first) == QLatin1Char(' '))
        ++first;
    int last = int(source.size()) - 1;
    while (last >= first && source.at(last) == QLatin1Char(' '))
        --last;
    if (first > last)
        return; // nothing but spaces
    QString core = source.mid(first, last - first + 1);
    if (!core.contains(QLatin1Char(' ')) && core.size() > 1) {
        QString spread;
        for (int i = 0; i < core.size(); ++i) {
            if (i > 0)
                spread += QLatin1Char(' ');
            spread += core.at(i);
        }
        core = spread;
    }
    const QString text = source.left(first) + core + source.mid(last + 1);
    const int coreStart = first;
    const int coreEnd = first + int(core.size()); // exclusive

    const TDeviceFont &font = DeviceFont();
    const double x0 = inchToDeviceX(xInches);
    const double target = inchToDeviceX(xInches + widthInches) - x0;
    const double natural = font.metrics.horizontalAdvance(text);
    int gaps = 0;
    for (int i = coreStart; i < coreEnd; ++i) {
        if (text.at(i) == QLatin1Char(' '))
            ++gaps;
    }
    const double extra = gaps > 0 ? (target - natural) / gaps : 0.0;
    const double y = inchToDeviceY(baselineInches) + 1;

    if (TextBKMode() == bkOpaque && !mInPath) {
        mPainter->fillRect(QRectF(x0, y - font.ascent, qMax(target, natural), font.ascent + font.descent),
                           toQColor(BKColor()));
    }
    int spacesBefore = 0;
    int i = 0;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char(' ')) {
            if (i >= coreStart && i < coreEnd)
                ++spacesBefore;
            ++i;
            continue;
        }
        int j = i;
        while (j < text.size() && text.at(j) != QLatin1Char(' '))
            ++j;
        const QString word = text.mid(i, j - i);
        const double wx = x0 + font.metrics.horizontalAdvance(text.left(i)) + extra * spacesBefore;
        if (mInPath)
            addTextToPath(std::round(wx), y, word);
        else
            drawTextAt(std::round(wx), y, word, false);
        i = j;
    }
}

void TCanvasReport::doTextRect(const TDeviceRect &rect, double x, double y, const QString &text)
{
    const int dx = UnitsToDeviceX(x);
    const int dy = UnitsToDeviceY(y);
    if (mInPath) {
        // The cell's top-left corner is at (dx, dy): the baseline lies the
        // ascent below it, along the turned text.
        const double a = DeviceFont().ascent;
        const double angle = FontRotation() * kPi / 180.0;
        addTextToPath(dx + a * std::sin(angle), dy + a * std::cos(angle), text);
        return;
    }
    mCanvas->TextRect(rect.left, rect.top, rect.right, rect.bottom, dx, dy, text);
}

// ---- figures ---------------------------------------------------------------------------------

void TCanvasReport::doRectangle(double x1, double y1, double x2, double y2)
{
    const int l = UnitsToDeviceX(x1), t = UnitsToDeviceY(y1), r = UnitsToDeviceX(x2), b = UnitsToDeviceY(y2);
    if (mInPath) {
        mPath.addRect(QRectF(QPointF(l, t), QPointF(r, b)).normalized());
        return;
    }
    mCanvas->Rectangle(l, t, r, b);
}

void TCanvasReport::doRoundRect(double x1, double y1, double x2, double y2, double cw, double ch)
{
    const int l = UnitsToDeviceX(x1), t = UnitsToDeviceY(y1), r = UnitsToDeviceX(x2), b = UnitsToDeviceY(y2);
    const int w = LengthToDeviceX(cw), h = LengthToDeviceY(ch);
    if (mInPath) {
        mPath.addRoundedRect(QRectF(QPointF(l, t), QPointF(r, b)).normalized(), qAbs(w) / 2.0, qAbs(h) / 2.0);
        return;
    }
    mCanvas->RoundRect(l, t, r, b, w, h);
}

void TCanvasReport::doEllipse(double x1, double y1, double x2, double y2)
{
    const int l = UnitsToDeviceX(x1), t = UnitsToDeviceY(y1), r = UnitsToDeviceX(x2), b = UnitsToDeviceY(y2);
    if (mInPath) {
        mPath.addEllipse(QRectF(QPointF(l, t), QPointF(r, b)).normalized());
        return;
    }
    mCanvas->Ellipse(l, t, r, b);
}

void TCanvasReport::doMoveTo(double x, double y)
{
    const int dx = UnitsToDeviceX(x), dy = UnitsToDeviceY(y);
    if (mInPath)
        mPath.moveTo(dx, dy);
    mCanvas->MoveTo(dx, dy);
}

void TCanvasReport::doLineTo(double x, double y)
{
    const int dx = UnitsToDeviceX(x), dy = UnitsToDeviceY(y);
    if (mInPath) {
        if (mPath.elementCount() == 0)
            mPath.moveTo(mCanvas->PenPos());
        mPath.lineTo(dx, dy);
        mCanvas->MoveTo(dx, dy);
        return;
    }
    mCanvas->LineTo(dx, dy);
}

void TCanvasReport::doPolygon(const QVector<QPoint> &points)
{
    if (mInPath) {
        mPath.addPolygon(QPolygonF(QPolygon(points)));
        mPath.closeSubpath();
        return;
    }
    mCanvas->Polygon(points);
}

void TCanvasReport::doPolyline(const QVector<QPoint> &points)
{
    if (mInPath) {
        mPath.moveTo(points.first());
        for (int i = 1; i < points.size(); ++i)
            mPath.lineTo(points.at(i));
        return;
    }
    mCanvas->Polyline(points);
}

void TCanvasReport::doFillRect(const TDeviceRect &rect)
{
    mCanvas->FillRect(rect.left, rect.top, rect.right, rect.bottom);
}

// ---- pictures ------------------------------------------------------------------------------------

void TCanvasReport::doPrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &bitmap)
{
    int l = UnitsToDeviceX(x1), t = UnitsToDeviceY(y1), r = UnitsToDeviceX(x2), b = UnitsToDeviceY(y2);
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    mCanvas->StretchDraw(l, t, r, b, bitmap);
}

void TCanvasReport::doStretchDraw(const TDeviceRect &rect, const TPicture &picture)
{
    mCanvas->StretchDraw(rect.left, rect.top, rect.right, rect.bottom, picture);
}

void TCanvasReport::doStretchDraw(const TDeviceRect &rect, const QPicture &picture)
{
    const QRect frame = picture.boundingRect();
    if (frame.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    mPainter->save();
    mPainter->setClipRect(QRect(rect.left, rect.top, rect.width(), rect.height()), Qt::IntersectClip);
    mPainter->translate(rect.left, rect.top);
    mPainter->scale(double(rect.width()) / frame.width(), double(rect.height()) / frame.height());
    mPainter->translate(-frame.left(), -frame.top());
    mPainter->drawPicture(QPointF(0, 0), picture);
    mPainter->restore();
}

void TCanvasReport::doStretchDraw(const TDeviceRect &rect, const QSize &size, const VectorDrawing &draw)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // Painted straight onto the device, so that text stays text (a picture
    // replayed on a device of another resolution would scale its fonts
    // twice).
    mPainter->save();
    mPainter->setClipRect(QRect(rect.left, rect.top, rect.width(), rect.height()), Qt::IntersectClip);
    mPainter->translate(rect.left, rect.top);
    mPainter->scale(double(rect.width()) / size.width(), double(rect.height()) / size.height());
    draw(*mPainter);
    mPainter->restore();
}

void TCanvasReport::doCopyRect(const TDeviceRect &dest, const QImage &source, const QRect &sourceRect)
{
    mCanvas->CopyRect(QRect(dest.left, dest.top, dest.width(), dest.height()), source, sourceRect);
}

// ---- regions --------------------------------------------------------------------------------------

void TCanvasReport::doCreateRectRegion(double x1, double y1, double x2, double y2)
{
    const QVector<QPoint> p = ordered(UnitsToDeviceX(x1), UnitsToDeviceY(y1), UnitsToDeviceX(x2), UnitsToDeviceY(y2));
    mRegions.append(Canvas::CreateRectRgn(qMin(p[0].x(), p[1].x()), qMin(p[0].y(), p[1].y()),
                                          qMax(p[0].x(), p[1].x()), qMax(p[0].y(), p[1].y())));
}

void TCanvasReport::doCreateRoundRectRegion(double x1, double y1, double x2, double y2, double cw, double ch)
{
    const QVector<QPoint> p = ordered(UnitsToDeviceX(x1), UnitsToDeviceY(y1), UnitsToDeviceX(x2), UnitsToDeviceY(y2));
    mRegions.append(Canvas::CreateRoundRectRgn(qMin(p[0].x(), p[1].x()), qMin(p[0].y(), p[1].y()),
                                               qMax(p[0].x(), p[1].x()), qMax(p[0].y(), p[1].y()),
                                               LengthToDeviceX(cw), LengthToDeviceY(ch)));
}

void TCanvasReport::doCreateEllipseRegion(double x1, double y1, double x2, double y2)
{
    const QVector<QPoint> p = ordered(UnitsToDeviceX(x1), UnitsToDeviceY(y1), UnitsToDeviceX(x2), UnitsToDeviceY(y2));
    mRegions.append(Canvas::CreateEllipticRgn(qMin(p[0].x(), p[1].x()), qMin(p[0].y(), p[1].y()),
                                              qMax(p[0].x(), p[1].x()), qMax(p[0].y(), p[1].y())));
}

void TCanvasReport::doCreatePolygonRegion(const QVector<QPoint> &points)
{
    mRegions.append(QRegion(QPolygon(points), Qt::WindingFill));
}

void TCanvasReport::selectClip(const QRegion &region)
{
    mCanvas->SelectClipRegion(region.isEmpty() ? nothingRegion() : region);
}

void TCanvasReport::doSelectRegion()
{
    if (!mRegions.isEmpty())
        selectClip(mRegions.last());
}

void TCanvasReport::doDeleteRegion()
{
    if (!mRegions.isEmpty())
        mRegions.removeLast();
}

void TCanvasReport::doClipOff()
{
    mCanvas->RemoveClip();
}

// ---- paths ------------------------------------------------------------------------------------------

void TCanvasReport::doPathCommand(int command)
{
    switch (command) {
    case pathBegin:
        mInPath = true;
        mPath = QPainterPath();
        return;
    case pathEnd:
        mInPath = false;
        return;
    case pathSelectClip:
        // The path itself becomes the clip, so that on a vector device
        // (PDF) text cut out of a fill keeps its glyph outlines.
        mInPath = false;
        if (mPath.isEmpty())
            selectClip(QRegion());
        else
            mCanvas->SelectClipPath(mPath);
        break;
    case pathStroke:
    case pathStrokeAndFill: {
        mInPath = false;
        mPainter->save();
        mPainter->setRenderHint(QPainter::Antialiasing, true);
        if (command == pathStrokeAndFill)
            mPainter->fillPath(mPath, qBrush());
        mPainter->strokePath(mPath, qPen());
        mPainter->restore();
        break;
    }
    default:
        return;
    }
    mPath = QPainterPath(); // a path is used up by the call that uses it
}

} // namespace sw
