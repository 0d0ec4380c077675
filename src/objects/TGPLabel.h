#pragma once
// The plain text label of the panel's text tool: a TGBaseLabel with the
// "Text" command, the rotation commands, and a box that grows to fit the
// text after the text or the font changes.
#include "objects/TGBaseLabel.h"

namespace sw {

class TGPLabel : public TGBaseLabel
{
    Q_OBJECT

public:
    // The tag of the "Text" entry, by which derived labels find it.
    static constexpr int TextEntryTag = 1000;

    explicit TGPLabel(QObject *owner = nullptr);

    void Loaded() override;
    // The font dialog, then GrowToFit whether or not it was confirmed.
    bool ChooseFont() override;
    // "Text": the one-line text dialog; on OK the caption changes and the
    // box grows to fit. True on OK.
    bool EditText();
    // What the panel calls right after creating a text label.
    bool EditTextRequest() { return EditText(); }
};

} // namespace sw
