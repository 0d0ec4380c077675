#include "printing/LabelPicture.h"

#include "merge/MergeFields.h"
#include "printing/PrintSubstitution.h"
#include "report/TImageReport.h"
#include "surface/TGBasePanel.h"

#include <memory>

namespace sw {

QImage LabelPicture::render(TGBasePanel &panel, const TLabelLayout &layout, int ppi, const QStringList &columns,
                            const QStringList &record)
{
    if (layout.LabelWidth <= 0 || layout.LabelHeight <= 0 || ppi <= 0)
        return QImage();
    TImageReport report(ppi, ppi);
    report.ImageDevice().setPaperSize(QSizeF(layout.LabelWidth, layout.LabelHeight));
    report.DeviceChanged();
    MergeFields fields(columns);
    fields.setRecord(record);
    std::unique_ptr<PrintSubstitution> substitution;
    if (!columns.isEmpty())
        substitution = std::make_unique<PrintSubstitution>(panel, fields.substitution());
    panel.ResetObjectsForPrinting();
    report.BeginDoc();
    panel.PrintObjects(report, 0, 0);
    report.EndDoc();
    return report.PageImageCount() > 0 ? report.PageImage(0) : QImage();
}

} // namespace sw
