#include "printing/PrintRequest.h"

#include <algorithm>
#include <limits>

namespace sw {

int PrintRequest::positionCount() const
{
    const qint64 n = qint64(std::max(0, layout.NumAcross)) * std::max(0, layout.NumDown);
    return int(std::min<qint64>(n, MaxPositions));
}

void PrintRequest::selectAll(bool on)
{
    std::fill(positions.begin(), positions.begin() + positionCount(), on);
}

bool PrintRequest::anySelected() const
{
    return std::any_of(positions.begin(), positions.begin() + positionCount(), [](bool b) { return b; });
}

int PrintRequest::selectedCount() const
{
    return int(std::count(positions.begin(), positions.begin() + positionCount(), true));
}

qint64 PrintRequest::mergedLabels() const
{
    const qint64 labels = qint64(std::max(0, records)) * std::max(1, copiesPerRecord);
    return maxSheets > 0 ? std::min(labels, qint64(maxSheets) * selectedCount()) : labels;
}

int PrintRequest::sheetsFor(qint64 labels, int labelsPerSheet)
{
    if (labels <= 0 || labelsPerSheet <= 0)
        return 0;
    const qint64 sheets = (labels + labelsPerSheet - 1) / labelsPerSheet;
    return int(std::min<qint64>(sheets, std::numeric_limits<int>::max()));
}

int PrintRequest::mergedSheets() const
{
    return sheetsFor(mergedLabels(), selectedCount());
}

} // namespace sw
