#include "printing/PrintRequest.h"

#include <algorithm>

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

} // namespace sw
