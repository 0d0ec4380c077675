#pragma once
// The fine tuning that cancels what a printer test sheet shows. The user
// reads four numbers off the sheet's scales, in 1/32 inch: where the die-cut
// left and top edges of the first label fall on the scales at its top-left
// corner, and where the right and bottom edges of the last label fall on the
// scales at its bottom-right corner. The scales read 0 where the program put
// the edge and grow to the right and downwards, so a reading is how far the
// stock's edge lies right of (or below) the printing: exactly the amount the
// printing must move.
//
// The margin nudges move every label alike, so the first label's readings
// go straight into them. The spacing corrections move label c by c steps,
// so what the last label needs beyond the first - the difference between
// the two corners' readings - is spread over the pitches between them.
// Each correction is rounded to a whole 1/32 inch (halves away from zero)
// and added to the values the sheet was printed with; a value beyond the
// window's range (-8..8) is limited to it and flagged.
#include "printing/PrinterFineTuning.h"

namespace sw {

// Readings in 1/32 inch, as typed (halves allowed).
struct TestSheetReadings
{
    double topLeftAcross = 0;
    double topLeftDown = 0;
    double bottomRightAcross = 0;
    double bottomRightDown = 0;
};

struct FineTuningProposal
{
    PrinterFineTuning values;
    // The spacing corrections need a second column / row; with one the
    // proposal keeps the spacing the sheet was printed with.
    bool horizontalMeasured = false;
    bool verticalMeasured = false;
    // Values that needed more than -8..8 and were limited to it.
    bool topLimited = false;
    bool leftLimited = false;
    bool verticalLimited = false;
    bool horizontalLimited = false;

    bool anyLimited() const { return topLimited || leftLimited || verticalLimited || horizontalLimited; }

    // `printedWith` is the fine tuning the test sheet was printed with;
    // `lastColumn` and `lastRow` are the position of the sheet's last label
    // (NumAcross - 1 and NumDown - 1 for any sheet that fits the program's
    // limits).
    static FineTuningProposal compute(const PrinterFineTuning &printedWith, const TestSheetReadings &readings,
                                      int lastColumn, int lastRow);

    // A correction in 1/32 inch rounded to whole steps, halves away from
    // zero.
    static int roundSteps(double steps);
};

} // namespace sw
