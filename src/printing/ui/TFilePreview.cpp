#include "printing/ui/TFilePreview.h"

#include "platform/Rounding.h"
#include "report/RPDefine.h"
#include "report/TFilePrinter.h"
#include "report/TImageDevice.h"

#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace sw {

namespace {
const QColor kBackground(128, 128, 128);
}

TFilePreview::TFilePreview(QObject *parent)
    : QObject(parent)
{
}

TFilePreview::~TFilePreview() = default;

double TFilePreview::clampZoom(double z)
{
    if (z < MinZoom)
        return MinZoom;
    if (z > MaxZoom)
        return MaxZoom;
    return z;
}

void TFilePreview::Start()
{
    if (!ScrollBox)
        throw EReportPrinter(QString::fromLatin1(rpmsg::ScrollBoxNeeded));
    // Reading the header checks the whole stream and finds the pages.
    QByteArray data = mStream;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TImageDevice device(PixelsPerInch, PixelsPerInch);
    TFilePrinter reader(&device);
    reader.setStream(&buffer);
    reader.Start();
    mPageCount = reader.PageCount();
    mPaperSize = reader.RecordedPaperSize();

    if (!mLabel) {
        mLabel = new QLabel;
        mLabel->setObjectName(QStringLiteral("PreviewPage"));
        mLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        ScrollBox->setWidget(mLabel);
        ScrollBox->setWidgetResizable(false);
        ScrollBox->setAlignment(Qt::AlignCenter);
        QPalette p = ScrollBox->palette();
        p.setColor(QPalette::Window, kBackground);
        ScrollBox->setPalette(p);
        ScrollBox->setBackgroundRole(QPalette::Window);
    }
    mStarted = true;
    mPage = 0;
    PrintPage(1);
}

void TFilePreview::Finish()
{
    mStarted = false;
    mImage = QImage();
    if (mLabel)
        mLabel->setPixmap(QPixmap());
}

void TFilePreview::PrintPage(int page)
{
    if (!mStarted || page < 1 || page > mPageCount)
        return;
    mPage = page;
    redraw();
    if (OnPageChange)
        OnPageChange();
}

int TFilePreview::marginPixels() const
{
    return roundHalfEven(PixelsPerInch * mPaperSize.width() * MarginPercent / 100.0);
}

double TFilePreview::pageWidthZoom() const
{
    if (!ScrollBox || mPaperSize.width() <= 0)
        return mZoom;
    const int margin = marginPixels();
    const int borders = 2 * ScrollBox->frameWidth();
    const double pageW = PixelsPerInch * mPaperSize.width();
    int width = ScrollBox->width() - borders - 2 * margin;
    double zoom = 100.0 * width / pageW;
    // A page taller than the box brings a vertical scroll bar, which takes
    // its width from the room for the page.
    if (PixelsPerInch * mPaperSize.height() * zoom / 100.0 + 2 * margin > ScrollBox->height() - borders) {
        width -= ScrollBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox);
        zoom = 100.0 * width / pageW;
    }
    return zoom;
}

double TFilePreview::pageZoom() const
{
    if (!ScrollBox || mPaperSize.width() <= 0 || mPaperSize.height() <= 0)
        return mZoom;
    const int margin = marginPixels();
    const double byWidth = 100.0 * (ScrollBox->width() - 4 - 2 * margin) / (PixelsPerInch * mPaperSize.width());
    const double byHeight = 100.0 * (ScrollBox->height() - 4 - 2 * margin) / (PixelsPerInch * mPaperSize.height());
    return std::min(byWidth, byHeight);
}

void TFilePreview::setZoomFactor(double z)
{
    if (z <= -1.9)
        mZoom = pageWidthZoom();
    else if (z < 0)
        mZoom = pageZoom();
    else
        mZoom = clampZoom(z);
    // A fit into a very small box still draws a page of some size.
    if (mZoom < 1)
        mZoom = 1;
    redraw();
    if (OnZoomChange)
        OnZoomChange();
}

void TFilePreview::redraw()
{
    if (!mStarted || mPage < 1)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const QImage page = TFilePrinter::RenderPage(mStream, mPage, mZoom, PixelsPerInch);
        const int margin = marginPixels();
        mImage = QImage(page.width() + 2 * margin, page.height() + 2 * margin, QImage::Format_RGB32);
        mImage.fill(kBackground);
        QPainter painter(&mImage);
        painter.drawImage(margin, margin, page);
        painter.end();
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    if (mLabel) {
        mLabel->setPixmap(QPixmap::fromImage(mImage));
        mLabel->resize(mImage.size());
    }
}

} // namespace sw
