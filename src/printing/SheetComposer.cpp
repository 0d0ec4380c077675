#include "printing/SheetComposer.h"

#include "layouts/PaperCodes.h"
#include "platform/GraphicsTypes.h"
#include "report/TBaseReport.h"
#include "surface/TGBasePanel.h"

#include <QCoreApplication>

namespace sw {

SheetComposer::SheetComposer(TGBasePanel &panel, const PrintRequest &request)
    : processEvents([] { QCoreApplication::processEvents(); })
    , mPanel(panel)
    , mRequest(request)
    , mGeometry(request.layout, request.tuning)
{
    mPanel.setPrinting(true);
    if (mRequest.preview)
        mPanel.setPreviewMode(true);
    mPanel.ResetObjectsForPrinting();
}

void SheetComposer::forEachPosition(const std::function<void(const LabelPlacement &)> &label,
                                    const std::function<void()> &newSheet) const
{
    const TLabelLayout &l = mRequest.layout;
    if (l.NumAcross < 1 || l.NumDown < 1)
        return;
    const int sheetCount = sheets();
    int sheet = 0, row = 0, column = -1;
    while (!mStop) {
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
        label(p);
    }
}

std::vector<LabelPlacement> SheetComposer::placements() const
{
    std::vector<LabelPlacement> all;
    forEachPosition([&all](const LabelPlacement &p) { all.push_back(p); }, [] {});
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

void SheetComposer::PrintLabels(TBaseReport &report)
{
    const int across = mRequest.layout.NumAcross;
    forEachPosition(
        [&](const LabelPlacement &p) {
            report.SetBrush(clBlack, bsClear);
            report.SetPen(clBlack, psSolid, -1, pmCopy);
            report.SetFont(QStringLiteral("Arial"), 8);
            mPanel.PrintObjects(report, p.x, p.y);
            mPanel.AdvanceObjects();
            report.StatusFormat = QStringLiteral("Printed label %1 on page %2")
                                      .arg(p.row * across + p.column + 1)
                                      .arg(p.sheet + 1);
            report.UpdateStatus();
            if (processEvents)
                processEvents();
            if (report.Aborted())
                mStop = true;
        },
        [&report] { report.NewPage(); });
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
