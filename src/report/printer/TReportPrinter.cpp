#include "report/printer/TReportPrinter.h"

namespace sw {

TReportPrinter::TReportPrinter(TRPDevice *device)
    : TCanvasReport(device ? device : &TRPDevice::shared()), mPrinter(device ? device : &TRPDevice::shared())
{
}

TReportPrinter::~TReportPrinter() = default;

void TReportPrinter::setPrinterIndex(int index)
{
    if (Printing())
        throw EReportPrinter(QString::fromLatin1(rpmsg::AlreadyPrinting));
    if (index < -1)
        return;
    mPrinter->setPrinterIndex(index);
    readDeviceState();
}

} // namespace sw
