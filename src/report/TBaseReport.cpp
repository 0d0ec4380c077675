#include "report/TBaseReport.h"

#include "platform/EventPoll.h"
#include "platform/MessageService.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"


#include <cmath>

namespace sw {

namespace {

double unitsPerInch(TPrintUnits units)
{
    switch (units) {
    case unInch: return 1.0;
    case unMM: return 25.4;
    case unCM: return 2.54;
    case unPoint: return 72.0;
    case unUser: break;
    }
    return 0;
}

} // namespace

int TBaseReport::toPixel(double v)
{
    // Kept within the range device coordinates can take, so that absurd
    // positions cannot overflow.
    constexpr double limit = 1 << 30;
    if (std::isnan(v))
        return 0;
    return roundHalfEven(qBound(-limit, v, limit));
}

TBaseReport::TBaseReport()
{
    readDeviceState();
}

TBaseReport::~TBaseReport() = default;

// ---- properties ---------------------------------------------------------------

void TBaseReport::setUnits(TPrintUnits units)
{
    mUnits = units;
    if (units != unUser)
        mUnitsFactor = unitsPerInch(units);
}

void TBaseReport::setUnitsFactor(double factor)
{
    if (!(factor > 0))
        return;
    mUnitsFactor = factor;
    mUnits = unUser;
}

void TBaseReport::setTextBKMode(TBKMode mode)
{
    if (mode == mBKMode)
        return;
    mBKMode = mode;
    backgroundChanged();
}

void TBaseReport::setBKColor(TColor color)
{
    if (color == mBKColor)
        return;
    mBKColor = color;
    backgroundChanged();
}

void TBaseReport::setCopies(int copies)
{
    mCopies = qMax(1, copies);
    if (mDevice && !mPrinting)
        mDevice->setCopies(mCopies);
}

void TBaseReport::setOrientation(TOrientation orientation)
{
    mOrientation = orientation;
    if (mDevice && mDevice->isInstalled() && orientation != poDefault && !mPrinting) {
        mDevice->setOrientation(orientation);
        readDeviceState();
    }
}

void TBaseReport::setScaleX(double percent)
{
    setScales(percent, mScaleY);
}

void TBaseReport::setScaleY(double percent)
{
    setScales(mScaleX, percent);
}

void TBaseReport::setScales(double sx, double sy)
{
    if (!(sx > 0) || !(sy > 0) || (sx == mScaleX && sy == mScaleY))
        return;
    mScaleX = sx;
    mScaleY = sy;
    scaleChanged();
    penChanged(); // the device width of a pen in inches follows the scale
}

void TBaseReport::setZoomFactor(double percent)
{
    if (!(percent > 0) || percent == mZoom)
        return;
    mZoom = percent;
    penChanged();
    fontChanged();
}

// ---- device state -----------------------------------------------------------------

void TBaseReport::setDevice(TReportDevice *device)
{
    mDevice = device;
    readDeviceState();
}

void TBaseReport::readDeviceState()
{
    TDeviceCaps caps;
    if (mDevice && mDevice->isInstalled()) {
        caps = mDevice->caps();
        if (caps.logPixelsX <= 0)
            caps.logPixelsX = 96;
        if (caps.logPixelsY <= 0)
            caps.logPixelsY = 96;
    } else {
        const int ppi = ScreenInfo::pixelsPerInch() > 0 ? ScreenInfo::pixelsPerInch() : 96;
        caps.logPixelsX = caps.logPixelsY = ppi;
        caps.physicalWidth = caps.horzRes = roundHalfEven(mPaperWidth * ppi);
        caps.physicalHeight = caps.vertRes = roundHalfEven(mPaperHeight * ppi);
    }
    const bool resolutionChanged = caps.logPixelsX != mCaps.logPixelsX || caps.logPixelsY != mCaps.logPixelsY;
    mCaps = caps;
    mUnprintableLeft = double(caps.physicalOffsetX) / caps.logPixelsX;
    mUnprintableTop = double(caps.physicalOffsetY) / caps.logPixelsY;
    mUnprintableRight = double(caps.physicalWidth - caps.physicalOffsetX - caps.horzRes) / caps.logPixelsX;
    mUnprintableBottom = double(caps.physicalHeight - caps.physicalOffsetY - caps.vertRes) / caps.logPixelsY;
    if (resolutionChanged) {
        mFonts.clear();
        mScreenMeasure = QImage();
    }
}

QPaintDevice *TBaseReport::measureDevice()
{
    if (mDevice && mDevice->isInstalled())
        return mDevice->measureDevice();
    if (mScreenMeasure.isNull()) {
        mScreenMeasure = QImage(1, 1, QImage::Format_RGB32);
        mScreenMeasure.setDotsPerMeterX(roundHalfEven(mCaps.logPixelsX / 0.0254));
        mScreenMeasure.setDotsPerMeterY(roundHalfEven(mCaps.logPixelsY / 0.0254));
    }
    return &mScreenMeasure;
}

double TBaseReport::PaperWidth() const
{
    if (!(mDevice && mDevice->isInstalled()))
        return mPaperWidth * mUnitsFactor;
    return (double(mCaps.horzRes) / mCaps.logPixelsX + mUnprintableLeft + mUnprintableRight) * mUnitsFactor;
}

double TBaseReport::PaperHeight() const
{
    if (!(mDevice && mDevice->isInstalled()))
        return mPaperHeight * mUnitsFactor;
    return (double(mCaps.vertRes) / mCaps.logPixelsY + mUnprintableTop + mUnprintableBottom) * mUnitsFactor;
}

int TBaseReport::PaperNumber() const
{
    return mDevice && mDevice->isInstalled() ? mDevice->paperNumber() : 0;
}

bool TBaseReport::deviceReady() const
{
    return mDevice && mDevice->isInstalled();
}

// ---- conversions ------------------------------------------------------------------

int TBaseReport::inchToDeviceX(double inches) const
{
    return toPixel((inches * mScaleX * mZoom / 10000.0 - mUnprintableLeft) * mCaps.logPixelsX) + DeviceOffsetX;
}

int TBaseReport::inchToDeviceY(double inches) const
{
    return toPixel((inches * mScaleY * mZoom / 10000.0 - mUnprintableTop) * mCaps.logPixelsY) + DeviceOffsetY;
}

double TBaseReport::inchFromDeviceX(double px) const
{
    return ((px - DeviceOffsetX) / mCaps.logPixelsX + mUnprintableLeft) * 10000.0 / (mScaleX * mZoom);
}

double TBaseReport::inchFromDeviceY(double px) const
{
    return ((px - DeviceOffsetY) / mCaps.logPixelsY + mUnprintableTop) * 10000.0 / (mScaleY * mZoom);
}

int TBaseReport::UnitsToDeviceX(double x) const
{
    return inchToDeviceX(x / mUnitsFactor + OriginX);
}

int TBaseReport::UnitsToDeviceY(double y) const
{
    return inchToDeviceY(y / mUnitsFactor + OriginY);
}

double TBaseReport::DeviceToUnitsX(double x) const
{
    return (inchFromDeviceX(x) - OriginX) * mUnitsFactor;
}

double TBaseReport::DeviceToUnitsY(double y) const
{
    return (inchFromDeviceY(y) - OriginY) * mUnitsFactor;
}

int TBaseReport::inchesToDeviceLengthX(double inches) const
{
    return toPixel(inches * mScaleX * mZoom * 1e-4 * mCaps.logPixelsX);
}

int TBaseReport::inchesToDeviceLengthY(double inches) const
{
    return toPixel(inches * mScaleY * mZoom * 1e-4 * mCaps.logPixelsY);
}

int TBaseReport::LengthToDeviceX(double w) const
{
    return inchesToDeviceLengthX(w / mUnitsFactor);
}

int TBaseReport::LengthToDeviceY(double h) const
{
    return inchesToDeviceLengthY(h / mUnitsFactor);
}

double TBaseReport::deviceToInchesX(double px) const
{
    return px / (mCaps.logPixelsX * mScaleX * mZoom / 10000.0);
}

double TBaseReport::deviceToInchesY(double px) const
{
    return px / (mCaps.logPixelsY * mScaleY * mZoom / 10000.0);
}

TDeviceRect TBaseReport::CreateRect(double x1, double y1, double x2, double y2) const
{
    return TDeviceRect{UnitsToDeviceX(x1), UnitsToDeviceY(y1), UnitsToDeviceX(x2), UnitsToDeviceY(y2)};
}

// ---- document and pages -------------------------------------------------------------

void TBaseReport::Execute()
{
    BeginDoc();
    if (!mPrinting)
        return;
    try {
        if (OnPrint || !OnPrintPage) {
            if (OnPrint)
                OnPrint(*this);
        } else {
            while (OnPrintPage(*this) && !mAborted)
                NewPage();
        }
    } catch (...) {
        try {
            EndDoc();
        } catch (...) {
            // The handler's failure is the one to report.
        }
        throw;
    }
    EndDoc();
}

void TBaseReport::BeginDoc()
{
    if (mPrinting)
        throw EReportPrinter(QString::fromLatin1(rpmsg::AlreadyPrinting));
    if (!deviceReady()) {
        MessageService::error(QString::fromLatin1(rpmsg::NoPrinters));
        return;
    }
    mAborted = false;
    mCurrentPage = 0;
    if (OnBeforePrint)
        OnBeforePrint(*this);
    readDeviceState();
    if (!openDocument())
        return;
    mPrinting = true;
    mRegionCount = 0;
    resetDrawingState();
    mCurrentPage = 1;
    try {
        beginPageOutput();
    } catch (...) {
        mPrinting = false;
        mPageOpen = false;
        throw;
    }
    UpdateStatus();
}

void TBaseReport::beginPageOutput()
{
    resetTextPosition();
    mPageOpen = false;
    if (mAborted || mCurrentPage < mFirstPage || mCurrentPage > mLastPage)
        return;
    startPage();
    mPageOpen = true;
    if (OnNewPage)
        OnNewPage(*this);
}

void TBaseReport::NewPage()
{
    if (!mPrinting)
        throw EReportPrinter(QString::fromLatin1(rpmsg::NotPrinting));
    if (mPageOpen) {
        endPage();
        mPageOpen = false;
    }
    ++mCurrentPage;
    UpdateStatus();
    readDeviceState();
    beginPageOutput();
}

void TBaseReport::EndDoc()
{
    if (!mPrinting)
        throw EReportPrinter(QString::fromLatin1(rpmsg::NotPrinting));
    mPrinting = false;
    const bool pageWasOpen = mPageOpen;
    mPageOpen = false;
    mRegionCount = 0;
    regionsCleared();
    if (pageWasOpen)
        endPage();
    closeDocument();
    if (OnAfterPrint)
        OnAfterPrint(*this);
}

void TBaseReport::SelectPaper(int paperNumber, double widthInches, double heightInches)
{
    if (mPrinting)
        throw EReportPrinter(QString::fromLatin1(rpmsg::AlreadyPrinting));
    if (mDevice && mDevice->isInstalled()) {
        mDevice->selectPaper(paperNumber, widthInches, heightInches);
    } else {
        mPaperWidth = widthInches;
        mPaperHeight = heightInches;
    }
    readDeviceState();
}

bool TBaseReport::canDraw() const
{
    if (!mPrinting)
        throw EReportPrinter(QString::fromLatin1(rpmsg::NotPrinting));
    return mPageOpen && !mAborted;
}

void TBaseReport::resetTextPosition()
{
    mX = MarginLeft / mUnitsFactor;
    updateLineMetrics();
    mY = MarginTop / mUnitsFactor + mAscent;
}

void TBaseReport::resetDrawingState()
{
    mBrushColor = clBlack;
    mBrushStyle = bsClear;
    mBrushPattern = QImage();
    mPenColor = clBlack;
    mPenStyle = psSolid;
    mPenWidth = 1;
    mPenFromInches = false;
    mPenMode = pmCopy;
}

// ---- status -------------------------------------------------------------------------

QString TBaseReport::statusCode(QChar code) const
{
    const QChar c = code.toUpper();
    if (c == QLatin1Char('P'))
        return QString::number(mCurrentPage);
    if (c == QLatin1Char('F'))
        return QString::number(mFirstPage);
    if (c == QLatin1Char('L'))
        return QString::number(mLastPage);
    if (c == QLatin1Char('%'))
        return QStringLiteral("%");
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        const int line = c.unicode() - '0';
        return line < StatusText.size() ? StatusText.at(line) : QString();
    }
    const bool installed = mDevice && mDevice->isInstalled();
    if (c == QLatin1Char('D'))
        return installed ? mDevice->deviceName() : QStringLiteral("Screen");
    if (c == QLatin1Char('R'))
        return installed ? mDevice->driverName() : QStringLiteral("Display");
    if (c == QLatin1Char('T'))
        return installed ? mDevice->portName() : QStringLiteral("Screen");
    return QStringLiteral("<ERROR-%") + code + QLatin1Char('>');
}

QString TBaseReport::FormatStatus() const
{
    QString out;
    const QString &f = StatusFormat;
    for (int i = 0; i < f.size(); ++i) {
        if (f.at(i) == QLatin1Char('%') && i + 1 < f.size()) {
            out += statusCode(f.at(i + 1));
            ++i;
        } else {
            out += f.at(i);
        }
    }
    return out;
}

void TBaseReport::UpdateStatus()
{
    if (StatusLabel)
        StatusLabel(FormatStatus());
    EventPoll::poll();
}

} // namespace sw
