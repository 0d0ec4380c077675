#include "printing/LabelFileJob.h"

#include "layouts/LayoutWorkingCopy.h"
#include "printing/SheetComposer.h"
#include "report/TBaseReport.h"
#include "surface/SavedDesign.h"
#include "surface/TGStickwellPanel32.h"

#include <QRegularExpression>

namespace sw {

LabelFileJob::LabelFileJob(const QString &fileName)
    : mDesign(std::make_unique<SavedDesign>(fileName))
    // The program prints from its single-precision working copy.
    , mLayout(LayoutWorkingCopy::fromLayout(mDesign->layout()).toLayout())
{
}

LabelFileJob::~LabelFileJob() = default;

TGStickwellPanel32 &LabelFileJob::panel()
{
    return mDesign->panel();
}

bool LabelFileJob::parsePositions(const QString &text, PrintRequest &request, QString *error)
{
    const int count = request.positionCount();
    if (text.trimmed().isEmpty()) {
        request.selectAll(true);
        return true;
    }
    request.selectAll(false);
    static const QRegularExpression item(QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+))?\\s*$"));
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch m = item.match(part);
        if (!m.hasMatch()) {
            *error = QStringLiteral("'%1' is not a position or a range of positions").arg(part.trimmed());
            return false;
        }
        const int from = m.captured(1).toInt();
        const int to = m.captured(2).isEmpty() ? from : m.captured(2).toInt();
        if (to < from && to >= 1 && from <= count) {
            *error = QStringLiteral("'%1' runs backwards: write the lower position first (%2-%3)")
                         .arg(part.trimmed())
                         .arg(to)
                         .arg(from);
            return false;
        }
        if (from < 1 || to < 1 || to > count || from > count) {
            *error = QStringLiteral("'%1' is outside the sheet's positions 1 to %2").arg(part.trimmed()).arg(count);
            return false;
        }
        for (int p = from; p <= to; ++p)
            request.positions[size_t(p - 1)] = true;
    }
    return true;
}

PrintRequest LabelFileJob::makeRequest() const
{
    PrintRequest request;
    request.layout = mLayout;
    request.sheets = 1;
    request.tuning = PrinterFineTuning::current();
    return request;
}

QString LabelFileJob::print(const PrintRequest &request, TBaseReport &report)
{
    SheetComposer composer(mDesign->panel(), request);
    // No window waits for events between labels.
    composer.processEvents = nullptr;
    composer.setUpReport(report);
    report.Execute();
    return composer.closingMessage(report.Aborted());
}

} // namespace sw
