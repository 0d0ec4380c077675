#pragma once
// Replays a recorded report stream (see TReportFiler) onto a device with
// that device's own resolution and border. The preview replays a page onto
// an image at the screen's resolution and the preview's zoom, with no
// border, so that it shows where everything falls on the sheet.
//
// The whole stream is checked as it is read: a damaged or incomplete stream
// raises EReportPrinter and never draws outside its data.
#include "report/PreviewStream.h"
#include "report/TCanvasReport.h"

#include <QByteArray>
#include <QIODevice>
#include <QSizeF>
#include <QString>
#include <QVector>

namespace sw {

class TFilePrinter : public TCanvasReport
{
public:
    // The device is not owned and must outlive the printer.
    explicit TFilePrinter(TReportDevice *device);
    ~TFilePrinter() override;

    // smUser (default): the stream given to setStream, read from its start;
    // smFile: the file FileName.
    TStreamMode StreamMode = smUser;
    QString FileName;
    void setStream(QIODevice *stream) { mStream = stream; }

    // Reads the stream header and finds every page. Raises EReportPrinter
    // for a missing stream or file and for a damaged stream.
    void Start();
    // What Start read.
    int PageCount() const { return int(mPages.size()); }
    int StreamFirstPage() const { return mStreamFirstPage; }
    int StreamLastPage() const { return mStreamLastPage; }
    QSizeF RecordedPaperSize() const { return mPaperSize; } // inches, as the sheet lies
    TOrientation RecordedOrientation() const { return mOrientation; }
    QString RecordedTitle() const { return mTitle; }

    // Start (when not started), then every recorded page on its own device
    // page, in one document.
    void Execute() override;
    // Replays recorded page `index` (1-based) onto the current page; only
    // while printing.
    void PrintPage(int index);

    // A preview page: page `index` (1-based) of the stream drawn on an image
    // of the sheet at `ppi` pixels per inch and `zoomPercent`, white where
    // nothing was drawn. Raises EReportPrinter for a damaged stream or a
    // page that does not exist.
    static QImage RenderPage(const QByteArray &stream, int index, double zoomPercent, int ppi);

private:
    void loadData();
    void replayCommand(TStreamReader &in, int code);
    void readState(TStreamReader &in, int code);
    QVector<QPoint> readDevicePoints(TStreamReader &in);
    TDeviceRect readDeviceRect(TStreamReader &in);
    QImage readBitmap(TStreamReader &in);

    QIODevice *mStream = nullptr;
    QByteArray mData;
    bool mStarted = false;
    QVector<qint64> mPages;
    int mStreamFirstPage = 1;
    int mStreamLastPage = 9999;
    QSizeF mPaperSize;
    TOrientation mOrientation = poDefault;
    QString mTitle;
};

} // namespace sw
