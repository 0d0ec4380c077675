#include "shell/PrinterCheck.h"

#include "platform/MessageService.h"

#include <QPrinterInfo>

#include <exception>

namespace sw {

namespace {
bool gPdfPrinterEnabled = true;
} // namespace

bool PrinterCheck::builtInPdfPrinterEnabled()
{
    return gPdfPrinterEnabled;
}

void PrinterCheck::setBuiltInPdfPrinterEnabled(bool enabled)
{
    gPdfPrinterEnabled = enabled;
}

bool PrinterCheck::CheckPrinters(bool report)
{
    if (gPdfPrinterEnabled)
        return true;
    bool anyPrinter = false;
    bool defaultPrinter = false;
    try {
        anyPrinter = !QPrinterInfo::availablePrinterNames().isEmpty();
        defaultPrinter = anyPrinter && !QPrinterInfo::defaultPrinterName().isEmpty();
    } catch (const std::exception &) {
        return false;
    }
    if (anyPrinter && defaultPrinter)
        return true;
    if (report) {
        if (!anyPrinter)
            MessageService::information(QStringLiteral(
                "There are no installed printers.\r\nUnable to perform printer related operations"));
        else
            MessageService::information(QStringLiteral(
                "There is no default printer selected.\r\nUnable to perform printer related operations"));
    }
    return false;
}

} // namespace sw
