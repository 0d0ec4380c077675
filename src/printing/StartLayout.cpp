#include "printing/StartLayout.h"

#include "layouts/LayoutWorkingCopy.h"
#include "platform/IniFile.h"
#include "printing/LabelFileJob.h"

#include <QFileInfo>

namespace sw {

TLabelLayout StartLayout::read(const IniFile &ini, QString *fileName)
{
    if (fileName)
        fileName->clear();
    // The recent-files list keeps its names as "F0", "F1" ... in file order;
    // the first non-empty one is the file the program reopens.
    QString recent;
    for (const auto &entry : ini.readSectionValues(QStringLiteral("MRU"))) {
        if (!entry.second.isEmpty()) {
            recent = entry.second;
            break;
        }
    }
    if (!recent.isEmpty() && QFileInfo(recent).isFile()) {
        try {
            const TLabelLayout layout = LabelFileJob(recent).layout();
            if (fileName)
                *fileName = recent;
            return layout;
        } catch (...) {
            // A file that no longer reads leaves the program on the default
            // layout too.
        }
    }
    return LayoutWorkingCopy::fromLayout(TLabelLayout::defaultLayout()).toLayout();
}

} // namespace sw
