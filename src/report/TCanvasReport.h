#pragma once
// A report that draws at once on its device's pages through a Canvas (the
// drawing rules of platform/Canvas.h), converting units to device pixels.
#include "report/TBaseReport.h"

#include <QPainterPath>
#include <QRegion>
#include <QVector>

#include <memory>

class QPainter;

namespace sw {

class Canvas;

class TCanvasReport : public TBaseReport
{
public:
    // The device is not owned and must outlive the report.
    explicit TCanvasReport(TReportDevice *device);
    ~TCanvasReport() override;

    // The canvas of the page being printed, for objects that draw pixel by
    // pixel; null outside a page with output.
    Canvas *DeviceCanvas() { return mCanvas.get(); }

protected:
    // Aborts an unfinished device document and forgets the page; for
    // subclasses whose device is destroyed before this base.
    void releaseDevice();
    // Text stretched so that it ends exactly `widthInches` after x: every
    // space between words widens equally; a text without such spaces first
    // gets one between every two adjacent characters. Positions in inches.
    void drawTextBlock(const QString &text, double xInches, double baselineInches, double widthInches);

    bool openDocument() override;
    void startPage() override;
    void endPage() override;
    void closeDocument() override;

    void penChanged() override;
    void brushChanged() override;
    void fontChanged() override;

    void doPrintText(const QString &text, double x, double baseline, TTextAlign align) override;
    void doRectangle(double x1, double y1, double x2, double y2) override;
    void doRoundRect(double x1, double y1, double x2, double y2, double cw, double ch) override;
    void doEllipse(double x1, double y1, double x2, double y2) override;
    void doMoveTo(double x, double y) override;
    void doLineTo(double x, double y) override;
    void doPolygon(const QVector<QPoint> &points) override;
    void doPolyline(const QVector<QPoint> &points) override;
    void doFillRect(const TDeviceRect &rect) override;
    void doTextRect(const TDeviceRect &rect, double x, double y, const QString &text) override;
    void doPrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &bitmap) override;
    void doStretchDraw(const TDeviceRect &rect, const TPicture &picture) override;
    void doStretchDraw(const TDeviceRect &rect, const QPicture &picture) override;
    void doStretchDraw(const TDeviceRect &rect, const QSize &size, const VectorDrawing &draw) override;
    void doCopyRect(const TDeviceRect &dest, const QImage &source, const QRect &sourceRect) override;
    void doCreateRectRegion(double x1, double y1, double x2, double y2) override;
    void doCreateRoundRectRegion(double x1, double y1, double x2, double y2, double cw, double ch) override;
    void doCreateEllipseRegion(double x1, double y1, double x2, double y2) override;
    void doCreatePolygonRegion(const QVector<QPoint> &points) override;
    void doSelectRegion() override;
    void doDeleteRegion() override;
    void doClipOff() override;
    void doPathCommand(int command) override;
    void regionsCleared() override { mRegions.clear(); }

private:
    void applyState();
    void selectClip(const QRegion &region);
    QBrush qBrush() const;
    QPen qPen() const;
    // Draws text with its baseline's left end at the device point, turned
    // by the font's rotation, optionally on an opaque background.
    void drawTextAt(double x, double y, const QString &text, bool opaque);
    void addTextToPath(double x, double y, const QString &text);

    std::unique_ptr<Canvas> mCanvas;
    QPainter *mPainter = nullptr;
    bool mDocStarted = false;
    QVector<QRegion> mRegions;
    bool mInPath = false;
    QPainterPath mPath;
};

} // namespace sw
