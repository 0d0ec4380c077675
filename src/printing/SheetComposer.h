#pragma once
// Turns one design into sheets of labels: for every selected position of
// every sheet it computes the label's top-left corner in inches (layout
// plus fine tuning plus half-sheet offsets), lets every object of the
// design panel draw itself there on the report, and advances the counters.
//
// It works on the panel it is given, which must be a copy of the design
// (the print-preparation window's hidden panel, or the command-line
// printer's): printing sets the panel's Printing flag and moves counters.
// The window that shows progress, the command-line printer and the tests
// all run it the same way:
//
//   SheetComposer composer(panel, request);
//   composer.setUpReport(report);   // paper, orientation, events
//   report.Execute();
//   QString done = composer.closingMessage(report.Aborted());
//
// A merged run (a request with a data file) reads the records as it
// prints, one at a time, and fills each label's fields from its record
// through the objects' print substitution; the objects' stored texts stay
// as they are. It ends after the last record's last copy.
#include "printing/PrintRequest.h"
#include "printing/SheetGeometry.h"

#include <QString>
#include <functional>
#include <vector>

namespace sw {

class TBaseReport;
class TGBasePanel;

struct LabelPlacement
{
    int sheet = 0;
    int column = 0;
    int row = 0;
    double x = 0; // inches from the sheet's left edge
    double y = 0; // inches from the sheet's top edge

    bool operator==(const LabelPlacement &o) const
    {
        return sheet == o.sheet && column == o.column && row == o.row && x == o.x && y == o.y;
    }
};

class SheetComposer
{
public:
    // Marks the panel as printing (and as previewing for a preview run) and
    // resets every object's sequence.
    SheetComposer(TGBasePanel &panel, const PrintRequest &request);

    const PrintRequest &request() const { return mRequest; }
    // 1 for a preview; the sheets the records need for a merged run.
    int sheets() const;
    // The layout's pitches and margins with the fine-tuning corrections.
    const SheetGeometry &geometry() const { return mGeometry; }
    double topMargin() const { return mGeometry.topMargin(); }
    double leftMargin() const { return mGeometry.leftMargin(); }
    double horizPitch() const { return mGeometry.horizPitch(); }
    double vertPitch() const { return mGeometry.vertPitch(); }

    // Every label the run prints, in printing order.
    std::vector<LabelPlacement> placements() const;

    // Selects the paper and orientation from the paper code and installs
    // the run's handlers (OnBeforePrint, OnPrint).
    void setUpReport(TBaseReport &report);
    // The paper and orientation of a paper code ("LTR", "LTRL", "A4",
    // "A4L", "A5"); any other code leaves the paper as it is.
    static void selectPaper(TBaseReport &report, const QString &paperCode);
    // The status lines shown before the first label.
    void BeforePrintLabels(TBaseReport &report);
    // The page loop: draws every placement, one sheet per page.
    void PrintLabels(TBaseReport &report);

    // Ends a running loop at its next test (a preview's "Stop").
    void requestStop() { mStop = true; }
    bool stopRequested() const { return mStop; }

    // The message shown when the run ends.
    QString closingMessage(bool aborted) const;

    // Runs after every label to let pending window messages run (so that
    // "Cancel" and "Stop" arrive); by default EventPoll::poll, which looks
    // at most every few milliseconds.
    std::function<void()> processEvents;

private:
    // Walks the positions in printing order, as long as `label` returns
    // true and a merged run has labels left; newSheet runs between sheets.
    void forEachPosition(const std::function<bool(const LabelPlacement &)> &label,
                         const std::function<void()> &newSheet) const;
    // Draws one label and moves the counters on.
    void printLabel(TBaseReport &report, const LabelPlacement &p);

    TGBasePanel &mPanel;
    PrintRequest mRequest;
    SheetGeometry mGeometry;
    bool mStop = false;
};

} // namespace sw
