#pragma once
// Printing a saved label file without the main window: the design is read
// onto a panel of its own (never shown), the layout passes through the same
// single-precision working copy the program keeps, and a print request is
// built from positions and sheets. The command-line printer uses it; so do
// the tests.
#include "layouts/TLabelLayout.h"
#include "printing/PrintRequest.h"

#include <QString>
#include <memory>

namespace sw {

class SavedDesign;
class TBaseReport;
class TGStickwellPanel32;

class LabelFileJob
{
public:
    // Reads the file. Throws ELabelFileError (SavedDesign.h): "Cannot open
    // file <name>: <reason>" or "<name> is not a label file: <message>".
    explicit LabelFileJob(const QString &fileName);
    ~LabelFileJob();

    TGStickwellPanel32 &panel();
    const TLabelLayout &layout() const { return mLayout; }

    // Parses a position list such as "1,3,5-7" (positions of the request's
    // layout counted from 1, across each row then down); every position
    // when empty. Returns false
    // and sets *error for text that does not parse or names a position the
    // sheet does not have.
    static bool parsePositions(const QString &text, PrintRequest &request, QString *error);

    // A request for this file's layout with every position selected, one
    // sheet, and the installation's fine tuning.
    PrintRequest makeRequest() const;

    // Runs the request on the report; returns the closing message.
    QString print(const PrintRequest &request, TBaseReport &report);

private:
    std::unique_ptr<SavedDesign> mDesign;
    TLabelLayout mLayout;
};

} // namespace sw
