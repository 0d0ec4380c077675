#include "report/printer/TRPDevice.h"

#include "platform/OutputFile.h"
#include "report/PaperSizes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace sw {

const char *const TRPDevice::PdfPrinterName = "Stickwell PDF";
const char *const TRPDevice::PdfPortName = "PDF file";

namespace {

constexpr int kPdfResolution = 600;

QString portOf(const QPrinterInfo &info)
{
    if (!info.location().isEmpty())
        return info.location();
    if (!info.description().isEmpty())
        return info.description();
    if (!info.makeAndModel().isEmpty())
        return info.makeAndModel();
    return QStringLiteral("CUPS");
}

// Qt's PDF writer (which also makes the jobs for CUPS printers) takes two
// 10 MB buffers and a compressor's tables afresh for every page it writes.
// By default the C library hands blocks that large back to the system when
// they are freed, so every page paid for new memory pages (page faults,
// zero-filling, breaks moved up and down). Kept in the heap instead, the
// same memory serves page after page; only what is written to is ever
// resident, so a run still needs no more memory for a thousand pages than
// for ten.
void keepPageBuffers()
{
#ifdef __GLIBC__
    static const bool done = [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
        return true;
    }();
    Q_UNUSED(done)
#endif
}

} // namespace

TRPDevice::TRPDevice()
{
    buildList();
    mIndex = mDefaultIndex;
    makePrinter();
}

TRPDevice::~TRPDevice()
{
    if (mPainter && mPainter->isActive())
        mPainter->end();
}

TRPDevice &TRPDevice::shared()
{
    static TRPDevice device;
    return device;
}

QStringList TRPDevice::ListPrinters()
{
    return shared().Printers();
}

void TRPDevice::buildList()
{
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    const QList<QPrinterInfo> infos = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo &info : infos) {
        if (info.printerName().toUpper().contains(QLatin1String("RENDERING SUBSYSTEM")))
            continue;
        const QString port = portOf(info);
        if (info.printerName() == defaultName)
            mDefaultIndex = int(mPrinters.size());
        mPrinters.append(Entry{info.printerName(), port});
        mEntries.append(QStringLiteral("%1 on %2").arg(info.printerName(), port));
    }
    mPrinters.append(Entry{QString(), QString::fromLatin1(PdfPortName)});
    mEntries.append(QStringLiteral("%1 on %2").arg(QString::fromLatin1(PdfPrinterName), QString::fromLatin1(PdfPortName)));
    if (mDefaultIndex < 0)
        mDefaultIndex = PdfPrinterIndex();
}

void TRPDevice::makePrinter()
{
    if (isPdfPrinter()) {
        mPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        mPrinter->setOutputFormat(QPrinter::PdfFormat);
        mPrinter->setResolution(kPdfResolution);
        mPrinter->setOutputFileName(mPdfFile);
        mPrinter->setPageMargins(mPdfMargins, QPageLayout::Inch);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(mPrinters.at(mIndex).printerName);
        mPrinter = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    mPrinter->setFullPage(false); // painting starts at the printable area's corner
    if (mPageSize)
        mPrinter->setPageSize(*mPageSize);
    if (mOrientation)
        mPrinter->setPageOrientation(*mOrientation);
    mPrinter->setCopyCount(mCopies);
}

void TRPDevice::setPrinterIndex(int index)
{
    if (index < -1 || index >= mEntries.size() || (mPainter && mPainter->isActive()))
        return;
    if (index == -1)
        index = mDefaultIndex;
    if (index == mIndex)
        return;
    mIndex = index;
    makePrinter();
}

void TRPDevice::setOutputFileName(const QString &fileName)
{
    mPdfFile = fileName;
    mPdfFileUnwritten = false;
    if (isPdfPrinter())
        mPrinter->setOutputFileName(fileName);
}

void TRPDevice::setPdfMargins(const QMarginsF &inches)
{
    mPdfMargins = inches;
    if (isPdfPrinter())
        mPrinter->setPageMargins(inches, QPageLayout::Inch);
}

TDeviceCaps TRPDevice::caps() const
{
    TDeviceCaps c;
    const int res = mPrinter->resolution();
    const QPageLayout layout = mPrinter->pageLayout();
    const QRect full = layout.fullRectPixels(res);
    const QRect paint = layout.paintRectPixels(res);
    c.logPixelsX = c.logPixelsY = res;
    c.physicalWidth = full.width();
    c.physicalHeight = full.height();
    c.physicalOffsetX = paint.left() - full.left();
    c.physicalOffsetY = paint.top() - full.top();
    c.horzRes = paint.width();
    c.vertRes = paint.height();
    return c;
}

void TRPDevice::selectPaper(int paperNumber, double widthInches, double heightInches)
{
    const auto size = pageSizeForPaper(paperNumber, widthInches, heightInches);
    if (!size)
        return;
    mPageSize = *size;
    mPrinter->setPageSize(*size);
    if (isPdfPrinter()) // a new size brings the printer's default margins back
        mPrinter->setPageMargins(mPdfMargins, QPageLayout::Inch);
}

void TRPDevice::setOrientation(TOrientation orientation)
{
    if (orientation == poDefault)
        return;
    mOrientation = orientation == poLandScape ? QPageLayout::Landscape : QPageLayout::Portrait;
    mPrinter->setPageOrientation(*mOrientation);
}

void TRPDevice::setCopies(int copies)
{
    mCopies = qMax(1, copies);
    mPrinter->setCopyCount(mCopies);
}

int TRPDevice::paperNumber() const
{
    return paperNumberForPageSize(mPrinter->pageLayout().pageSize().id());
}

QString TRPDevice::deviceName() const
{
    return isPdfPrinter() ? QString::fromLatin1(PdfPrinterName) : mPrinters.at(mIndex).printerName;
}

QString TRPDevice::driverName() const
{
    return isPdfPrinter() ? QStringLiteral("PDF") : QStringLiteral("CUPS");
}

QString TRPDevice::portName() const
{
    return isPdfPrinter() && !mPdfFile.isEmpty() ? mPdfFile : mPrinters.at(mIndex).port;
}

QPaintDevice *TRPDevice::measureDevice()
{
    return mPrinter.get();
}

QPainter *TRPDevice::beginDocument(const QString &title)
{
    if (isPdfPrinter()) {
        if (mPdfFile.isEmpty())
            throw EReportPrinter(QString::fromLatin1(rpmsg::NoPdfFileName));
        mPrinter->setOutputFileName(mPdfFile);
        // Until the document ends with the file written.
        mPdfFileUnwritten = true;
    }
    mPrinter->setDocName(title);
    keepPageBuffers();
    mPainter = std::make_unique<QPainter>();
    if (!mPainter->begin(mPrinter.get())) {
        mPainter.reset();
        QString message = QStringLiteral("The print job could not be started on ") + mEntries.at(mIndex) + QLatin1Char('.');
        const QString why = isPdfPrinter() ? OutputFile::problem(mPdfFile) : QString();
        if (!why.isEmpty())
            message += QStringLiteral("\rCannot write the PDF file %1: %2.").arg(QDir::toNativeSeparators(mPdfFile), why);
        throw EReportPrinter(message);
    }
    return mPainter.get();
}

QPainter *TRPDevice::newPage()
{
    if (!mPainter || !mPrinter->newPage())
        throw EReportPrinter(QStringLiteral("The printer could not start a new page."));
    return mPainter.get();
}

void TRPDevice::endDocument()
{
    if (!mPainter)
        return;
    const bool ended = mPainter->end();
    mPainter.reset();
    if (isPdfPrinter() && ended && QFileInfo(mPdfFile).size() > 0) {
        mWrittenPdfFile = mPdfFile;
        mPdfFileUnwritten = false;
    }
}

void TRPDevice::abortDocument()
{
    if (!mPainter)
        return;
    if (!isPdfPrinter())
        mPrinter->abort();
    mPainter->end();
    mPainter.reset();
    // A cancelled PDF job leaves no file behind, as a cancelled printer job
    // leaves no paper.
    if (isPdfPrinter())
        QFile::remove(mPdfFile);
}

} // namespace sw
