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

    // Labels filled from a data file: one label per record (copiesPerRecord
    // labels each) in the selected positions, sheet after sheet, as many
    // sheets as the records need. `records` is the count the data file's
    // check found; no data file prints every position of `sheets` sheets.
    QString dataFile;
    int records = 0;
    int copiesPerRecord = 1;
    // At most this many sheets of a merged run (0: all it needs), for a
    // picture of its first sheet.
    int maxSheets = 0;

    PrintRequest() { positions.fill(true); }

    bool merging() const { return !dataFile.isEmpty(); }
    // The labels a merged run prints: records x copies, no more than
    // maxSheets hold.
    qint64 mergedLabels() const;
    // The sheets a merged run needs: the labels over the selected positions
    // per sheet, rounded up (0 without a selected position).
    int mergedSheets() const;
    static int sheetsFor(qint64 labels, int labelsPerSheet);

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
