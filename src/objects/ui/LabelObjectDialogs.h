#pragma once
// Connects the text, counter and symbol labels to their windows: installs
// the LabelDialogs hooks (font and colour dialogs, TGetLabelText,
// TGFont3DEffects, TGetCounter, TGetSymbol) and registers the editor each
// drawing tool opens after creating such a label. Called once at start-up.
namespace sw {

class LabelObjectDialogs
{
public:
    static void install();
};

} // namespace sw
