#include "printing/ui/PrintCommands.h"

#include "layouts/LayoutWorkingCopy.h"
#include "persistence/TGLabelObjectFiler.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/WindowPosition.h"
#include "printing/SheetPicture.h"
#include "printing/ui/TLabelPrintPrep.h"
#include "printing/ui/TPrintFineTune.h"
#include "report/printer/TRPDevice.h"
#include "surface/TGStickwellPanel32.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace sw {

namespace {

// Puts `dialog`, at the size it will show at, over the middle of `owner`
// and wholly on the screen (the toolkit places it without an owner).
void centreOver(QWidget *dialog, QWidget *owner)
{
    dialog->adjustSize();
    WindowPosition::centreOver(dialog, owner);
}

// Sets the panel to zoom 1 while it lives and puts its zoom back after.
class UnitZoom
{
public:
    explicit UnitZoom(TGStickwellPanel32 &panel)
        : mPanel(panel)
        , mZoom(panel.ScaleFactor())
    {
        if (mZoom != 1.0f)
            mPanel.SetZoom(1.0f);
    }
    ~UnitZoom()
    {
        if (mPanel.ScaleFactor() != mZoom)
            mPanel.SetZoom(mZoom);
    }

private:
    TGStickwellPanel32 &mPanel;
    float mZoom;
};

// Deletes the file when it goes out of scope, ignoring failure.
class ScratchFile
{
public:
    explicit ScratchFile(QString name)
        : mName(std::move(name))
    {
    }
    ~ScratchFile() { QFile::remove(mName); }
    const QString &name() const { return mName; }

private:
    QString mName;
};

QString askPdfFile(QWidget *parent, const QString &current)
{
    const QString wanted = current.isEmpty() ? ProgramFolder::documentsPath() + QStringLiteral("labels.pdf") : current;
    FileDialog dialog(parent, QStringLiteral("Print to PDF File"), wanted, QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString name = dialog.selectedFiles().first();
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    return name;
}

bool showPrintDialog(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

QString PrintCommands::errorMessage()
{
    return QStringLiteral("An error was encountered trying Print/Preview.\r (possibly Printer Driver related)");
}

std::function<QString(QWidget *, const QString &)> &PrintCommands::pdfFileChooser()
{
    static std::function<QString(QWidget *, const QString &)> chooser = askPdfFile;
    return chooser;
}

std::function<bool(QWidget *, QPrinter *)> &PrintCommands::systemPrintDialog()
{
    static std::function<bool(QWidget *, QPrinter *)> dialog = showPrintDialog;
    return dialog;
}

void PrintCommands::printOrPreview(QWidget *mainWindow, TGStickwellPanel32 &designPanel,
                                   const LayoutWorkingCopy &layout, const QString &designFile)
{
    try {
        // The scratch file's record carries the measurements and the paper
        // only; names and codes stay empty.
        LayoutWorkingCopy record = layout;
        record.LayoutName.clear();
        record.PrinterType.clear();
        record.ShapeCode.clear();
        record.ProductCategory.clear();
        record.ArtName.clear();

        QCoreApplication::processEvents();
        ScratchFile scratch(scratchLabelFileName());
        {
            UnitZoom unitZoom(designPanel);
            TGLabelObjectFiler().WriteLabelFile(designPanel, scratch.name(), record.toLayout());
        }
        QCoreApplication::processEvents();

        auto window = std::make_unique<TLabelPrintPrep>(mainWindow);
        window->setDesignFileName(designFile);
        window->setLabelLayout(layout.toLayout());
        QCoreApplication::processEvents();
        window->readDesign(scratch.name());
        centreOver(window.get(), mainWindow);
        window->exec();
    } catch (...) {
        MessageService::information(errorMessage());
    }
}

bool PrintCommands::fineTuning(QWidget *parent, const TLabelLayout &layout)
{
    TPrintFineTune dialog(parent);
    dialog.setLabelLayout(layout);
    centreOver(&dialog, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintCommands::printerSetup(QWidget *parent)
{
    TRPDevice &device = TRPDevice::shared();
    if (device.isPdfPrinter()) {
        const QString name = pdfFileChooser()(parent, device.RememberedFileName());
        if (name.isEmpty())
            return false;
        device.setOutputFileName(name);
        return true;
    }
    QPrinter *printer = device.printer();
    const QString before = printer->printerName();
    if (!systemPrintDialog()(parent, printer))
        return false;
    // A printer chosen in the dialog becomes the current entry of the list.
    const QString chosen = printer->printerName();
    if (chosen != before) {
        const QStringList entries = device.Printers();
        for (int i = 0; i < entries.size(); ++i) {
            if (i != device.PdfPrinterIndex() && entries.at(i).startsWith(chosen + QStringLiteral(" on "))) {
                device.setPrinterIndex(i);
                break;
            }
        }
    }
    return true;
}

bool PrintCommands::prepareOutputFile(QWidget *parent)
{
    TRPDevice &device = TRPDevice::shared();
    if (!device.isPdfPrinter())
        return true;
    const QString name = pdfFileChooser()(parent, device.RememberedFileName());
    if (name.isEmpty())
        return false;
    device.setOutputFileName(name);
    return true;
}

} // namespace sw
