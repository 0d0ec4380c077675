#pragma once
// The output device behind a report: what the report needs to know about it
// (resolution, paper and printable area) and the document calls that give
// it a painter for each page. A printer (report/printer) and a set of page
// images (TImageDevice) implement it.
#include "report/RPDefine.h"

#include <QString>

class QPaintDevice;
class QPainter;

namespace sw {

// The device's measurements, in device pixels. The printable area starts
// physicalOffset from the paper's corner and is horzRes x vertRes wide;
// painting origin (0, 0) is the printable area's top-left corner.
struct TDeviceCaps
{
    int logPixelsX = 96;
    int logPixelsY = 96;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;
    int horzRes = 0;
    int vertRes = 0;
};

class TReportDevice
{
public:
    virtual ~TReportDevice();

    // False when there is no device to print on (no printer installed).
    virtual bool isInstalled() const = 0;
    virtual TDeviceCaps caps() const = 0;

    // Paper by its printer paper number (1 Letter, 9 A4, 11 A5 ...); a
    // positive width and height (inches) give a custom size. Unknown numbers
    // without a size leave the paper as it is. Only between documents.
    virtual void selectPaper(int paperNumber, double widthInches, double heightInches) = 0;
    // poDefault leaves the orientation as it is.
    virtual void setOrientation(TOrientation orientation) = 0;
    virtual void setCopies(int copies) = 0;
    // The printer paper number in use (0 when not known).
    virtual int paperNumber() const = 0;

    // Identification texts: the device's name, its driver and its port.
    virtual QString deviceName() const = 0;
    virtual QString driverName() const = 0;
    virtual QString portName() const = 0;

    // A device of the same resolution that text can be measured on
    // without printing; owned by the device.
    virtual QPaintDevice *measureDevice() = 0;

    // Starts a document and its first page; the painter (owned by the
    // device) stays valid until the next newPage/endDocument/abortDocument.
    // Throws EReportPrinter when the document cannot be started.
    virtual QPainter *beginDocument(const QString &title) = 0;
    virtual QPainter *newPage() = 0;
    virtual void endDocument() = 0;
    // Ends the document discarding what the device allows to discard.
    virtual void abortDocument() = 0;
};

} // namespace sw
