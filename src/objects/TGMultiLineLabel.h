#pragma once
// The multi-line text tool's object: the multi-line label with the "Text"
// command, which opens the multi-line text editor, and "Word Wrap".
#include "objects/TGMultiLineBaseLabel.h"

#include <QStringList>
#include <functional>

namespace sw {

class TGMultiLineLabel : public TGMultiLineBaseLabel
{
    Q_OBJECT

public:
    // The editor window, installed by the window layer: shows the lines in
    // the font and, on OK, returns true with the edited lines. Without it
    // (tests of the core, tools without windows) editing counts as Cancel.
    static inline std::function<bool(QStringList &lines, const TFont &font)> TextEditor;

    explicit TGMultiLineLabel(QObject *owner = nullptr);

    // "Text": on OK replaces Items by the edited lines, re-wraps and reports
    // the change; true on OK. Cancel changes nothing.
    bool EditLines();
    // What the multi-line tool runs on a new label: EditLines, then
    // FitToText. A label left without text keeps the box it was drawn
    // with (fitting would make it 0 pixels high: invisible and impossible
    // to click). True when the editor was accepted.
    bool EditAndFit();

    void Loaded() override;
    void UpdateMenuChecks() override;

private:
    int mWordWrapItem = -1;
};

} // namespace sw
