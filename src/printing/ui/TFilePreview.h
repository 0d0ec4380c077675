#pragma once
// Shows a recorded report stream page by page in a scroll box: each page is
// replayed onto an image of the sheet at the screen's pixels per inch and
// the current zoom, with a fixed margin around it. The zoom runs from 10 to
// 200 percent, or fits the page's width or the whole page into the box.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSizeF>

#include <functional>

class QLabel;
class QScrollArea;

namespace sw {

class TFilePreview : public QObject
{
    Q_OBJECT

public:
    static constexpr double MinZoom = 10;
    static constexpr double MaxZoom = 200;
    // Zoom values that ask for a fit rather than a percentage.
    static constexpr double FitPageWidth = -2;
    static constexpr double FitPage = -1;

    explicit TFilePreview(QObject *parent = nullptr);
    ~TFilePreview() override;

    // Where pages are shown; not owned. Start() requires it.
    QScrollArea *ScrollBox = nullptr;
    int ZoomInc = 10;           // percentage points per zoom step
    double MarginPercent = 2.5; // of the page width, around the page
    int PageInc = 1;
    int PixelsPerInch = 96;     // the screen's; set before Start()
    std::function<void()> OnZoomChange;
    std::function<void()> OnPageChange;

    // The recorded stream (kept as a copy).
    void setStream(const QByteArray &stream) { mStream = stream; }

    // Reads the stream and shows its first page. Raises EReportPrinter
    // "ScrollBox must be assigned for FilePreview component" without a
    // scroll box, and for a damaged stream.
    void Start();
    // Ends the preview and frees the page image.
    void Finish();
    bool started() const { return mStarted; }

    int PageCount() const { return mPageCount; }
    int FirstPage() const { return 1; }
    int LastPage() const { return mPageCount; }
    int CurrentPage() const { return mPage; }
    // Shows a page (1-based); ignored for a page that does not exist.
    void PrintPage(int page);
    void PrevPage() { PrintPage(mPage - PageInc); }
    void NextPage() { PrintPage(mPage + PageInc); }

    double ZoomFactor() const { return mZoom; }
    // z <= -1.9 fits the page width, -1.9 < z < 0 the whole page, other
    // values are held to 10..200; then redraws and runs OnZoomChange.
    void setZoomFactor(double z);
    void ZoomIn() { setZoomFactor(mZoom + ZoomInc); }
    void ZoomOut() { setZoomFactor(mZoom - ZoomInc); }
    void ZoomPageWidth() { setZoomFactor(FitPageWidth); }
    void ZoomPage() { setZoomFactor(FitPage); }

    // A requested percentage held to MinZoom..MaxZoom.
    static double clampZoom(double z);
    // The fixed margin around the page, in screen pixels.
    int marginPixels() const;
    // The zooms that fit the page's width, or the whole page, into the
    // scroll box as it is now.
    double pageWidthZoom() const;
    double pageZoom() const;

    QSizeF pageSize() const { return mPaperSize; } // inches
    // The page as last drawn (margin included); null before Start().
    const QImage &pageImage() const { return mImage; }
    // The widget inside the scroll box that shows the page.
    QLabel *pageWidget() const { return mLabel; }

private:
    void redraw();

    QByteArray mStream;
    bool mStarted = false;
    int mPageCount = 0;
    int mPage = 0;
    double mZoom = 100;
    QSizeF mPaperSize;
    QImage mImage;
    QLabel *mLabel = nullptr;
};

} // namespace sw
