#include "printing/FineTuningProposal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sw {

namespace {

// `base` moved by `steps`, limited to the window's range; `limited` tells
// whether it had to be. A value from a hand-edited configuration may be
// anything, so the sum is taken wide.
int corrected(int base, int steps, bool &limited)
{
    const std::int64_t wanted = std::int64_t(base) + steps;
    const std::int64_t kept = std::clamp<std::int64_t>(wanted, -PrinterFineTuning::Limit, PrinterFineTuning::Limit);
    limited = kept != wanted;
    return int(kept);
}

} // namespace

int FineTuningProposal::roundSteps(double steps)
{
    if (!std::isfinite(steps))
        return 0;
    // Far past any range the window accepts, but no overflow on the way.
    return int(std::round(std::clamp(steps, -1000.0, 1000.0)));
}

FineTuningProposal FineTuningProposal::compute(const PrinterFineTuning &printedWith,
                                               const TestSheetReadings &readings, int lastColumn, int lastRow)
{
    FineTuningProposal p;
    p.horizontalMeasured = lastColumn > 0;
    p.verticalMeasured = lastRow > 0;
    const int across = p.horizontalMeasured
        ? roundSteps((readings.bottomRightAcross - readings.topLeftAcross) / lastColumn)
        : 0;
    const int down = p.verticalMeasured ? roundSteps((readings.bottomRightDown - readings.topLeftDown) / lastRow) : 0;
    p.values.LeftMarginNudge = corrected(printedWith.LeftMarginNudge, roundSteps(readings.topLeftAcross), p.leftLimited);
    p.values.TopMarginNudge = corrected(printedWith.TopMarginNudge, roundSteps(readings.topLeftDown), p.topLimited);
    p.values.HorizontalSpacing = corrected(printedWith.HorizontalSpacing, across, p.horizontalLimited);
    p.values.VerticalSpacing = corrected(printedWith.VerticalSpacing, down, p.verticalLimited);
    return p;
}

} // namespace sw
