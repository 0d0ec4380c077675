#pragma once
// The preview window: shows the sheet a print run would produce, replayed
// from the recorded stream of a preview run, zoomable from 10 to 200
// percent, fitting the page's width or the whole page. Clicking the page
// zooms in (left button) or out (other buttons). Its placement is kept in
// the configuration file between runs.
#include <QDialog>

class QScrollArea;
class QToolButton;
class QPushButton;

namespace sw {

class TFilePreview;

class TPreviewForm : public QDialog
{
    Q_OBJECT

public:
    // Initial zoom modes besides a percentage.
    static constexpr int ZoomModeFitPage = 1;
    static constexpr int ZoomModeFitWidth = 2;

    // `stream` is a complete recorded report; it is copied.
    explicit TPreviewForm(const QByteArray &stream, QWidget *parent = nullptr);
    ~TPreviewForm() override;

    // 1: fit the whole page, 2: fit the width, other values: that zoom.
    int InitialZoom = ZoomModeFitPage;

    TFilePreview &FilePreview1() { return *mPreview; }

    // "Preview Page <page> of <count> ( <zoom>% )".
    static QString pageCaption(int page, int pageCount, double zoom);
    // "TPreviewForm_Placement", with the screen's pixels per inch appended
    // above 96.
    static QString placementSection(int pixelsPerInch);

    void SBZoomInClick();
    void SBZoomOutClick();
    void SBZoomPageWidthClick();
    void SBZoomPageClick();
    void zbZoom100Click();
    void SBPrevPageClick();
    void SBNextPageClick();
    void sbFirstPageClick();
    void sbLastPageClick();

    QScrollArea *ScrollBox1 = nullptr;
    QPushButton *Helpbutton = nullptr;
    QToolButton *MouseHelpButton = nullptr;
    QToolButton *sbPrevPage = nullptr;
    QToolButton *sbNextPage = nullptr;
    QToolButton *sbFirstPage = nullptr;
    QToolButton *sbLastPAge = nullptr;
    QPushButton *CloseButton = nullptr;
    QToolButton *sbZoomIn = nullptr;
    QToolButton *sbZoomOut = nullptr;
    QToolButton *sbZoomPageWidth = nullptr;
    QToolButton *sbZoomPage = nullptr;
    QToolButton *zbZoom100 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormActivate();
    void FilePreview1PageChange();
    void FilePreview1ZoomChange();
    void restorePlacement();
    void savePlacement();

    TFilePreview *mPreview;
    bool mFirstActivation = true;
};

} // namespace sw
