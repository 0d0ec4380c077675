#pragma once
// The windows the text, counter and symbol labels open from their popup
// menus. The core only describes what goes in and comes out; the window
// layer (objects/ui) installs the real dialogs. Each hook returns true on
// OK, having written the result back, and false on Cancel, leaving its
// arguments untouched. An empty hook (tests of the core, tools without
// windows) counts as Cancel.
#include "platform/TColor.h"

#include <QString>
#include <functional>

namespace sw {

class TFont;
class TGBaseLabel;

// What the counter settings window edits.
struct CounterSettings
{
    QString TextBefore;
    int StartingNumber = 1;
    int RepeatFor = 1;
    QString TextAfter;
    int LeadingZeros = 0;
};

struct LabelDialogs
{
    // The font window (objects/ui FontDialog), preset with the font; what
    // the user did not change comes back unchanged.
    static inline std::function<bool(TFont &font)> chooseFont;
    // The platform's colour dialog, preset with the colour.
    static inline std::function<bool(TColor &color)> chooseColor;
    // TGetLabelText: edits one line of text.
    static inline std::function<bool(QString &text)> getLabelText;
    // TGFont3DEffects: on OK it has already applied the settings to the
    // label through its setters.
    static inline std::function<bool(TGBaseLabel &label)> font3DEffects;
    // TGetCounter.
    static inline std::function<bool(CounterSettings &settings)> getCounter;
    // TGetSymbol: font is the chosen character's font (name, size, style,
    // colour) and code the character code (32..255).
    static inline std::function<bool(TFont &font, int &code)> getSymbol;
};

} // namespace sw
