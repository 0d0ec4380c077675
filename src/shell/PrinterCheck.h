#pragma once
// Whether the program can print: a printer installed in the system (with a
// default chosen) or the program's built-in PDF printer, which is always
// there unless switched off (tests switch it off to reach the messages).
namespace sw {

class PrinterCheck
{
public:
    // True when printing is possible. Otherwise false, and with `report` set
    // the information box first says why: no printers at all, or no default
    // printer. Any failure while asking the system counts as false.
    static bool CheckPrinters(bool report);

    static bool builtInPdfPrinterEnabled();
    static void setBuiltInPdfPrinterEnabled(bool enabled);
};

} // namespace sw
