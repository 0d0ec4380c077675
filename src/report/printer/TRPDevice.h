#pragma once
// The printer a report prints on: one of the printers the system offers
// (through Qt's CUPS support) or the program's built-in PDF printer, which
// writes a PDF file and is always in the list.
//
// The printer list is built once per device object: one entry per printer,
// written "%s on %s" (printer name, its location or description), printers
// whose upper-cased name contains "RENDERING SUBSYSTEM" left out, and the
// PDF printer last. Normally the whole program shares one (shared()).
#include "report/TReportDevice.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QPrinter;

namespace sw {

class TRPDevice : public TReportDevice
{
public:
    // The PDF printer's entry is PdfPrinterName + " on " + PdfPortName.
    static const char *const PdfPrinterName; // "Stickwell PDF"
    static const char *const PdfPortName;    // "PDF file"

    // Selects the system's default printer, or the PDF printer when the
    // system has none.
    TRPDevice();
    ~TRPDevice() override;

    // The device shared by the program, made on first use.
    static TRPDevice &shared();
    // The shared device's printer list, for the print dialogs.
    static QStringList ListPrinters();

    const QStringList &Printers() const { return mEntries; }
    int PrinterIndex() const { return mIndex; }
    // Selects an entry; -1 selects the default one, an index below -1 or
    // past the list is ignored. Not while a document is open.
    void setPrinterIndex(int index);
    int PdfPrinterIndex() const { return int(mEntries.size()) - 1; }
    bool isPdfPrinter() const { return mIndex == PdfPrinterIndex(); }

    // The file the PDF printer writes; must be set before printing on it.
    // A PDF document begun on a file that cannot be written fails with
    // "The print job could not be started on <entry>.", followed on a new
    // line by "Cannot write the PDF file <file>: <the system's reason>.".
    QString OutputFileName() const { return mPdfFile; }
    void setOutputFileName(const QString &fileName);
    // The file the last finished PDF document wrote; empty until one has.
    QString WrittenFileName() const { return mWrittenPdfFile; }
    // The PDF file to offer the user next: the output file, unless a
    // document was begun on it and did not write it (the file could not be
    // made, the run failed or was cancelled); then WrittenFileName().
    QString RememberedFileName() const { return mPdfFileUnwritten ? mWrittenPdfFile : mPdfFile; }
    // The unprintable border the PDF printer reports, in inches (none by
    // default: a PDF page can be drawn on to its edges).
    void setPdfMargins(const QMarginsF &inches);

    // The printer itself, for the print setup dialog; settings changed on
    // it are used by the next document.
    QPrinter *printer() { return mPrinter.get(); }

    bool isInstalled() const override { return mPrinter != nullptr; }
    TDeviceCaps caps() const override;
    void selectPaper(int paperNumber, double widthInches, double heightInches) override;
    void setOrientation(TOrientation orientation) override;
    void setCopies(int copies) override;
    int paperNumber() const override;
    QString deviceName() const override;
    QString driverName() const override;
    QString portName() const override;
    QPaintDevice *measureDevice() override;
    QPainter *beginDocument(const QString &title) override;
    QPainter *newPage() override;
    void endDocument() override;
    void abortDocument() override;

private:
    struct Entry
    {
        QString printerName; // empty for the PDF printer
        QString port;
    };

    void buildList();
    void makePrinter();

    QStringList mEntries;
    QVector<Entry> mPrinters;
    int mDefaultIndex = -1;
    int mIndex = -1;
    std::unique_ptr<QPrinter> mPrinter;
    std::unique_ptr<QPainter> mPainter;
    QString mPdfFile;
    QString mWrittenPdfFile;
    bool mPdfFileUnwritten = false; // a document was begun on mPdfFile and did not write it
    QMarginsF mPdfMargins;
    std::optional<QPageSize> mPageSize;
    std::optional<QPageLayout::Orientation> mOrientation;
    int mCopies = 1;
};

} // namespace sw
