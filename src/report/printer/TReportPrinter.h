#pragma once
// A report that prints on a printer (TRPDevice): a system printer or the
// built-in PDF printer. Device state comes from the printer's page layout,
// so positions are measured from the paper's edge whatever the printer's
// unprintable border.
#include "report/TCanvasReport.h"
#include "report/printer/TRPDevice.h"

namespace sw {

class TReportPrinter : public TCanvasReport
{
public:
    // The device is not owned; null uses the program's shared one.
    explicit TReportPrinter(TRPDevice *device = nullptr);
    ~TReportPrinter() override;

    TRPDevice &PrinterDevice() { return *mPrinter; }
    QStringList Printers() const { return mPrinter->Printers(); }
    // -1 without a printer.
    int PrinterIndex() const { return mPrinter->isInstalled() ? mPrinter->PrinterIndex() : -1; }
    // Selects a printer from Printers() (-1: the default one) and reads its
    // state; an index below -1 is ignored. Raises "already printing" while
    // printing.
    void setPrinterIndex(int index);
    // Reads the device state again after the printer's settings were
    // changed outside the report (the print setup dialog).
    void PrinterChanged() { readDeviceState(); }

private:
    TRPDevice *mPrinter;
};

} // namespace sw
