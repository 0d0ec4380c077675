#include "report/TImageDevice.h"

#include "platform/Rounding.h"
#include "report/PaperSizes.h"

#include <QPainter>

namespace sw {

namespace {

int dotsPerMeter(int ppi)
{
    return roundHalfEven(ppi / 0.0254);
}

} // namespace

TReportDevice::~TReportDevice() = default;

TImageDevice::TImageDevice(int ppiX, int ppiY)
    : mPpiX(qMax(1, ppiX)), mPpiY(qMax(1, ppiY))
{
}

TImageDevice::~TImageDevice()
{
    if (mPainter)
        mPainter->end();
}

void TImageDevice::setResolution(int ppiX, int ppiY)
{
    mPpiX = qMax(1, ppiX);
    mPpiY = qMax(1, ppiY);
    mMeasure = QImage();
}

void TImageDevice::setPaperSize(const QSizeF &inches)
{
    mPaper = inches;
}

void TImageDevice::setUnprintableBorder(const QMarginsF &inches)
{
    mBorder = inches;
}

void TImageDevice::setImageScale(double scale)
{
    mScale = scale > 0 ? scale : 1.0;
}

QSizeF TImageDevice::sheet() const
{
    return mOrientation == poLandScape ? mPaper.transposed() : mPaper;
}

QMarginsF TImageDevice::border() const
{
    // Turning the sheet a quarter to the left: the portrait top edge becomes
    // the left one.
    if (mOrientation == poLandScape)
        return QMarginsF(mBorder.top(), mBorder.right(), mBorder.bottom(), mBorder.left());
    return mBorder;
}

TDeviceCaps TImageDevice::caps() const
{
    TDeviceCaps c;
    const QSizeF s = sheet();
    const QMarginsF b = border();
    c.logPixelsX = mPpiX;
    c.logPixelsY = mPpiY;
    c.physicalWidth = roundHalfEven(s.width() * mPpiX);
    c.physicalHeight = roundHalfEven(s.height() * mPpiY);
    c.physicalOffsetX = roundHalfEven(b.left() * mPpiX);
    c.physicalOffsetY = roundHalfEven(b.top() * mPpiY);
    c.horzRes = qMax(0, c.physicalWidth - c.physicalOffsetX - roundHalfEven(b.right() * mPpiX));
    c.vertRes = qMax(0, c.physicalHeight - c.physicalOffsetY - roundHalfEven(b.bottom() * mPpiY));
    return c;
}

void TImageDevice::selectPaper(int paperNumber, double widthInches, double heightInches)
{
    const auto size = pageSizeForPaper(paperNumber, widthInches, heightInches);
    if (!size)
        return;
    mPaper = size->size(QPageSize::Inch);
    mPaperNumber = pageSizeForPaperNumber(paperNumber) ? paperNumber : 256;
}

void TImageDevice::setOrientation(TOrientation orientation)
{
    if (orientation != poDefault)
        mOrientation = orientation;
}

QString TImageDevice::deviceName() const
{
    return QStringLiteral("Page images");
}

QString TImageDevice::driverName() const
{
    return QStringLiteral("Image");
}

QString TImageDevice::portName() const
{
    return QStringLiteral("Memory");
}

QPaintDevice *TImageDevice::measureDevice()
{
    if (mMeasure.isNull()) {
        mMeasure = QImage(1, 1, QImage::Format_RGB32);
        mMeasure.setDotsPerMeterX(dotsPerMeter(mPpiX));
        mMeasure.setDotsPerMeterY(dotsPerMeter(mPpiY));
    }
    return &mMeasure;
}

QImage TImageDevice::page(int index) const
{
    if (index < 0 || index >= mPages.size())
        return QImage();
    return mPages.at(index);
}

QImage TImageDevice::makePage() const
{
    const TDeviceCaps c = caps();
    int w = c.horzRes;
    int h = c.vertRes;
    if (mScale != 1.0) {
        // Sized from inches, so that a zoomed sheet is Round(ppi x inches x
        // zoom) pixels across as the preview expects.
        const QSizeF s = sheet();
        const QMarginsF b = border();
        w = roundHalfEven((s.width() - b.left() - b.right()) * mPpiX * mScale);
        h = roundHalfEven((s.height() - b.top() - b.bottom()) * mPpiY * mScale);
    }
    // Bounded so that no setting can ask for an image larger than memory.
    w = qBound(1, w, 16384);
    h = qBound(1, h, 16384);
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter(mPpiX));
    image.setDotsPerMeterY(dotsPerMeter(mPpiY));
    image.fill(Qt::white);
    return image;
}

QPainter *TImageDevice::startPage()
{
    mPages.append(makePage());
    mPainter = std::make_unique<QPainter>(&mPages.last());
    return mPainter.get();
}

void TImageDevice::finishPage()
{
    if (mPainter) {
        mPainter->end();
        mPainter.reset();
    }
}

QPainter *TImageDevice::beginDocument(const QString &)
{
    finishPage();
    mPages.clear();
    mAborted = false;
    return startPage();
}

QPainter *TImageDevice::newPage()
{
    finishPage();
    return startPage();
}

void TImageDevice::endDocument()
{
    finishPage();
}

void TImageDevice::abortDocument()
{
    finishPage();
    mAborted = true;
}

} // namespace sw
