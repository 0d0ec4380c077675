#pragma once
// A report that records every drawing call into a stream (the preview
// stream) instead of drawing, for TFilePrinter to replay later with its
// own device. Positions are recorded in inches from the sheet's corner,
// so the replaying side places them by its own resolution and border.
//
// Text and device-pixel arguments are measured against a measuring device
// (normally the printer the report would print on); without one, against
// the screen, with the paper given to SelectPaper and no border.
#include "report/PreviewStream.h"
#include "report/TBaseReport.h"

#include <QIODevice>
#include <QString>

#include <memory>

namespace sw {

class TReportFiler : public TBaseReport
{
public:
    // The measuring device is not owned; null measures against the screen.
    explicit TReportFiler(TReportDevice *measuringDevice = nullptr);
    ~TReportFiler() override;

    void setMeasuringDevice(TReportDevice *device) { setDevice(device); }

    // amPositioning (default): unturned text is recorded as a block whose
    // width the replaying side keeps; amAppearance: as text at a position.
    TAccuracyMethod AccuracyMethod = amPositioning;
    // smUser: the caller's stream (setStream), rewound and emptied at
    // BeginDoc and left open; smMemory: a new memory stream; smFile: the
    // file FileName; smTempFile: a new temporary file. The filer's own
    // streams stay readable through Stream() until the next BeginDoc.
    TStreamMode StreamMode = smMemory;
    QString FileName;
    void setStream(QIODevice *stream) { mUserStream = stream; }
    QIODevice *Stream() const;
    // Pages recorded so far.
    int RecordedPages() const { return mPageCount; }
    // CopyRect is not possible on a recorded report: it raises
    // "CopyRect() not supported in file mode.".

protected:
    bool deviceReady() const override { return true; }
    bool openDocument() override;
    void startPage() override;
    void endPage() override;
    void closeDocument() override;

    void penChanged() override;
    void brushChanged() override;
    void fontChanged() override;
    void backgroundChanged() override;
    void scaleChanged() override;

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
    void doCopyRect(const TDeviceRect &dest, const QImage &source, const QRect &sourceRect) override;
    void doCreateRectRegion(double x1, double y1, double x2, double y2) override;
    void doCreateRoundRectRegion(double x1, double y1, double x2, double y2, double cw, double ch) override;
    void doCreateEllipseRegion(double x1, double y1, double x2, double y2) override;
    void doCreatePolygonRegion(const QVector<QPoint> &points) override;
    void doSelectRegion() override;
    void doDeleteRegion() override;
    void doClipOff() override;
    void doPathCommand(int command) override;

private:
    // The state last written on the current page.
    struct Written
    {
        TColor brushColor = 0;
        int brushStyle = -1;
        QImage brushPattern;
        QString fontName;
        TColor fontColor = 0;
        int fontPitch = -1;
        double fontSize = -1;
        int fontFlags[6] = {-1, -1, -1, -1, -1, -1};
        int fontRotation = -1;
        int fontAlign = -1;
        TColor penColor = 0;
        int penMode = -1;
        int penStyle = -1;
        float penWidth = -1;
        int bkMode = -1;
        TColor bkColor = 0;
        float scaleX = -1;
        float scaleY = -1;
    };

    bool recording() const;
    void writeAllState();
    void writeBrush(bool all);
    void writePen(bool all);
    void writeFont(bool all);
    void writeBackground(bool all);
    void writeScale(bool all);
    void unitPoint(double x, double y);
    void devicePoint(int x, int y);
    void devicePoints(const QVector<QPoint> &points);
    void bitmap(const QImage &image);
    // Lets pending window messages run after a recorded command, so that a
    // Stop button stays responsive.
    void recorded();

    QIODevice *mUserStream = nullptr;
    std::unique_ptr<QIODevice> mOwnStream;
    std::unique_ptr<TStreamWriter> mWriter;
    Written mWritten;
    qint64 mHeaderPos = 0;
    qint64 mLastPageBegin = -1;
    int mPageCount = 0;
};

} // namespace sw
