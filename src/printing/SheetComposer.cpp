#include "printing/SheetComposer.h"

#include "layouts/PaperCodes.h"
#include "merge/CsvReader.h"
#include "merge/MergeFields.h"
#include "platform/EventPoll.h"
#include "platform/GraphicsTypes.h"
#include "printing/PrintSubstitution.h"
#include "report/TBaseReport.h"
#include "surface/TGBasePanel.h"


namespace sw {

SheetComposer::SheetComposer(TGBasePanel &panel, const PrintRequest &request)
    : processEvents([] { EventPoll::poll(); })
    , mPanel(panel)
    , mRequest(request)
    , mGeometry(request.layout, request.tuning)
{
    mPanel.setPrinting(true);
    if (mRequest.preview)
        mPanel.setPreviewMode(true);
    mPanel.ResetObjectsForPrinting();
}

int SheetComposer::sheets() const
{
    if (mRequest.preview)
        return 1;
    return std::max(1, mRequest.merging() ? mRequest.mergedSheets() : mRequest.sheets);
}

void SheetComposer::forEachPosition(const std::function<bool(const LabelPlacement &)> &label,
                                    const std::function<void()> &newSheet) const
{
    const TLabelLayout &l = mRequest.layout;
    if (l.NumAcross < 1 || l.NumDown < 1)
        return;
    const int sheetCount = sheets();
    // A merged run stops after the last record's labels, mid-sheet.
    qint64 labelsLeft = mRequest.merging() ? mRequest.mergedLabels() : -1;
    int sheet = 0, row = 0, column = -1;
    while (!mStop && labelsLeft != 0) {
        ++column;
        if (column + 1 > l.NumAcross) {
            column = 0;
            ++row;
        }
        if (row + 1 > l.NumDown) {
            ++sheet;
            if (sheet >= sheetCount)
                break;
            row = 0;
            column = 0;
            newSheet();
        }
        const int index = PrintRequest::index(l, column, row);
        // Positions past the flag table are never selected.
        if (index >= PrintRequest::MaxPositions || !mRequest.positions[size_t(index)])
            continue;
        LabelPlacement p;
        p.sheet = sheet;
        p.column = column;
        p.row = row;
        const QPointF corner = mGeometry.labelCorner(column, row);
        p.x = corner.x();
        p.y = corner.y();
        if (!label(p))
            break;
        if (labelsLeft > 0)
            --labelsLeft;
    }
}

std::vector<LabelPlacement> SheetComposer::placements() const
{
    std::vector<LabelPlacement> all;
    forEachPosition(
        [&all](const LabelPlacement &p) {
            all.push_back(p);
            return true;
        },
        [] {});
    return all;
}

void SheetComposer::selectPaper(TBaseReport &report, const QString &code)
{
    if (code == QLatin1String("LTR") || code == QLatin1String("LTRL"))
        report.SelectPaper(1, 0, 0);
    else if (code == QLatin1String("A4") || code == QLatin1String("A4L"))
        report.SelectPaper(9, 0, 0);
    else if (code == QLatin1String("A5"))
        report.SelectPaper(11, 0, 0);
    report.setOrientation(isLandscape(code) ? poLandScape : poPortrait);
}

void SheetComposer::setUpReport(TBaseReport &report)
{
    selectPaper(report, mRequest.layout.PaperCode);
    report.OnPrint = [this](TBaseReport &r) { PrintLabels(r); };
    report.OnBeforePrint = [this](TBaseReport &r) { BeforePrintLabels(r); };
    report.OnPrintPage = nullptr;
    report.OnAfterPrint = nullptr;
    report.OnNewPage = nullptr;
}

void SheetComposer::BeforePrintLabels(TBaseReport &report)
{
    report.StatusFormat = mRequest.preview ? QStringLiteral("Preparing Preview Page %p\r%0\r%1")
                                           : QStringLiteral("Printing Page %p\r%0\r%1");
    report.StatusText << QString() << QString();
}

void SheetComposer::printLabel(TBaseReport &report, const LabelPlacement &p)
{
    report.SetBrush(clBlack, bsClear);
    report.SetPen(clBlack, psSolid, -1, pmCopy);
    report.SetFont(QStringLiteral("Arial"), 8);
    mPanel.PrintObjects(report, p.x, p.y);
    mPanel.AdvanceObjects();
    // The status line is only made for a window that shows it.
    if (report.StatusLabel)
        report.StatusFormat = QStringLiteral("Printed label %1 on page %2")
                                  .arg(p.row * mRequest.layout.NumAcross + p.column + 1)
                                  .arg(p.sheet + 1);
    report.UpdateStatus();
    if (processEvents)
        processEvents();
    if (report.Aborted())
        mStop = true;
}

void SheetComposer::PrintLabels(TBaseReport &report)
{
    const auto newSheet = [&report] { report.NewPage(); };
    if (!mRequest.merging()) {
        forEachPosition(
            [&](const LabelPlacement &p) {
                printLabel(report, p);
                return true;
            },
            newSheet);
        return;
    }
    // The records stream from the file: one is held at a time, however
    // many the file has.
    CsvReader reader(mRequest.dataFile);
    MergeFields fields(reader.columns());
    QStringList record;
    PrintSubstitution substitution(mPanel, fields.substitution());
    const int copies = std::max(1, mRequest.copiesPerRecord);
    int copy = copies;
    forEachPosition(
        [&](const LabelPlacement &p) {
            if (copy == copies) {
                if (!reader.next(record))
                    return false; // the file is shorter than when it was checked
                fields.setRecord(record);
                copy = 0;
            }
            ++copy;
            printLabel(report, p);
            return true;
        },
        newSheet);
}

QString SheetComposer::closingMessage(bool aborted) const
{
    if (aborted)
        return mRequest.preview ? QStringLiteral("\rLabel Preview Canceled!") : QStringLiteral("\rLabel Print Canceled!");
    if (mPanel.HasComplexObjects())
        return mRequest.preview
            ? QStringLiteral("Label preview ready to view!\r\rNote: This label contains complex shapes or text.\r"
                             "Please be patient while the label previewer\rprepares the viewing page")
            : QStringLiteral("Print job completed and sent to printer!\r\rNote: this label contains complex shapes "
                             "or text.\rPlease be patient while the printer produces its\routput...");
    return mRequest.preview ? QStringLiteral("\rLabel Preview Ready!") : QStringLiteral("Label Print Completed!");
}

} // namespace sw
