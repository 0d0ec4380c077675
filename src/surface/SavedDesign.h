#pragma once
// A design as a label file holds it, read onto a panel of its own that is
// never shown: the objects in stored order (named "Component" + N, as every
// read names them) and the layout record exactly as stored, without the
// main window's single-precision working copy. The command-line printer
// prints, checks and re-saves files through it.
#include "layouts/TLabelLayout.h"
#include "persistence/StreamErrors.h"

#include <QString>
#include <memory>

namespace sw {

class TGStickwellPanel32;

// A label file that cannot be used, with a message naming the file and
// saying why.
class ELabelFileError : public EPersistenceError
{
    using EPersistenceError::EPersistenceError;
};

class SavedDesign
{
public:
    // Reads the file. Throws ELabelFileError: "Cannot open file <name>:
    // <reason>" when it is missing, a folder or unreadable; "<name> is not
    // a label file: <reader's message>" when reading it fails.
    explicit SavedDesign(const QString &fileName);
    ~SavedDesign();
    SavedDesign(const SavedDesign &) = delete;
    SavedDesign &operator=(const SavedDesign &) = delete;

    TGStickwellPanel32 &panel() { return *mPanel; }
    const TLabelLayout &layout() const { return mLayout; }

    // Writes objects and layout through the label-file writer (atomically);
    // throws the writer's errors (EPersistenceError).
    void save(const QString &fileName);

private:
    std::unique_ptr<TGStickwellPanel32> mPanel;
    TLabelLayout mLayout;
};

} // namespace sw
