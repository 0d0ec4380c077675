#pragma once
// One print or preview run as the user asked for it: the layout, the label
// positions to print, the number of sheets, the fine-tuning corrections and
// whether to preview. The print-preparation window and the command-line
// printer both fill one of these; the sheet composer runs it.
#include "layouts/TLabelLayout.h"
#include "printing/PrinterFineTuning.h"

#include <array>

namespace sw {

struct PrintRequest
{
    // Positions a sheet can have (30 rows of 10 at most, and then some).
    static constexpr int MaxPositions = 501;

    // Measurements in inches; single-precision values from the working copy
    // widened to double.
    TLabelLayout layout;
    // Position (column c, row r) has index c + r * NumAcross.
    std::array<bool, MaxPositions> positions;
    int sheets = 1;
    PrinterFineTuning tuning;
    bool preview = false;

    PrintRequest() { positions.fill(true); }

    int positionCount() const;
    static int index(const TLabelLayout &layout, int column, int row) { return column + row * layout.NumAcross; }
    // Sets or clears every position of the sheet.
    void selectAll(bool on);
    // True when a position among NumAcross x NumDown is selected; the flags
    // beyond the sheet's positions do not count.
    bool anySelected() const;
    // The number of selected positions among NumAcross x NumDown.
    int selectedCount() const;
};

} // namespace sw
