#include "surface/SavedDesign.h"

#include "persistence/FileStreams.h"
#include "persistence/TGLabelObjectFiler.h"
#include "surface/TGStickwellPanel32.h"

namespace sw {

SavedDesign::SavedDesign(const QString &fileName)
    : mPanel(std::make_unique<TGStickwellPanel32>())
    , mLayout(TLabelLayout::defaultLayout())
{
    const QString reason = unreadableReason(fileName);
    if (!reason.isEmpty())
        throw ELabelFileError(QStringLiteral("Cannot open file %1: %2").arg(fileName, reason));
    try {
        TGLabelObjectFiler().ReadLabelFile(*mPanel, mLayout, fileName);
    } catch (const std::exception &e) {
        throw ELabelFileError(
            QStringLiteral("%1 is not a label file: %2").arg(fileName, QString::fromUtf8(e.what())));
    }
    mPanel->AttachAllObjects();
}

SavedDesign::~SavedDesign() = default;

void SavedDesign::save(const QString &fileName)
{
    TGLabelObjectFiler().WriteLabelFile(*mPanel, fileName, mLayout);
}

} // namespace sw
