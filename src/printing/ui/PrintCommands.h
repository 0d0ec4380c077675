#pragma once
// The printing commands of the main window: "Print or Preview", "Printer
// Fine Tuning" and "Printer Setup". The main window checks that a printer
// is ready before calling them, and saves its preferences after a
// fine-tuning OK.
#include "layouts/TLabelLayout.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace sw {

class TGStickwellPanel32;
struct LayoutWorkingCopy;

class PrintCommands
{
public:
    // Writes the design (at zoom 1, the panel's zoom restored afterwards)
    // and the layout to a scratch file "SK<n>.TMP" in the program's folder,
    // reads it onto the hidden panel of a new "Labels Print" window centred
    // on `mainWindow`, shows that window modally and deletes the scratch
    // file. The design panel is never printed from. Any failure is shown as
    // "An error was encountered trying Print/Preview.\r (possibly Printer
    // Driver related)". `designFile` is the label file the design was opened
    // from or saved to (empty for a new design): the data file chosen in the
    // window is remembered for it.
    static void printOrPreview(QWidget *mainWindow, TGStickwellPanel32 &designPanel, const LayoutWorkingCopy &layout,
                               const QString &designFile = QString());

    // The "Printer Fine-Tuning" dialog, centred on `parent`; its test sheet
    // is printed for `layout`. True when it closed with OK: the corrections
    // are then in PrinterFineTuning::current() and the caller saves the
    // preferences.
    static bool fineTuning(QWidget *parent, const TLabelLayout &layout = TLabelLayout::defaultLayout());

    // The printer setup of the shared printer device: the system's print
    // dialog for a system printer (a printer chosen there becomes the
    // current one), a file chooser for the PDF printer's output file.
    // Returns true when the user confirmed.
    static bool printerSetup(QWidget *parent);

    // Asks for the PDF printer's output file, preset with `current` (the
    // device's RememberedFileName(): never a file a print failed to write);
    // an empty result means the user cancelled. A save dialog by default,
    // which starts in the documents folder when `current` is empty or in a
    // system folder (ProgramFolder::dialogStart); tests replace it.
    static std::function<QString(QWidget *parent, const QString &current)> &pdfFileChooser();
    // Shows the system print dialog on `printer`; true on OK. Tests replace it.
    static std::function<bool(QWidget *parent, QPrinter *printer)> &systemPrintDialog();

    // Before a print run on the PDF printer: asks for the output file and
    // sets it on the shared device. False when the user cancelled (nothing
    // should be printed). Always true for system printers.
    static bool prepareOutputFile(QWidget *parent);

    // "An error was encountered trying Print/Preview.\r (possibly Printer
    // Driver related)".
    static QString errorMessage();
};

} // namespace sw
