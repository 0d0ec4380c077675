#pragma once
// One character of a picture font ("WingDings") on the label, picked from a
// grid of the font's characters. It keeps the text label's 3D effects,
// transparency, background, border and printing; its box always hugs the
// character, and it has no typed text, alignment, rotation or font command
// of its own (the font is chosen in the symbol dialog).
#include "objects/TGBaseLabel.h"

namespace sw {

class TGSymbolLabel : public TGBaseLabel
{
    Q_OBJECT

public:
    explicit TGSymbolLabel(QObject *owner = nullptr);

    // "Symbol Selector": the character grid; on OK the chosen font and
    // character become the label's and the box fits them. True on OK.
    bool ChooseSymbol();

    // The size the box hugs: 1.1 x the character's text extent, with the
    // font scaled by ScaleFactor.
    QSize fittedSize() const;

    void Loaded() override;
    // The text label's step, then (with a panel parent, not while reading)
    // the box snaps to fittedSize().
    void BoundsChanged() override;
    // A font applied to all selected objects leaves symbols alone.
    void ApplyFont(const TFont &font) override { Q_UNUSED(font) }
    // A character picked from a grid holds no fields.
    QString PrintedCaption() const override { return Caption(); }
    QStringList SubstitutedTexts() const override { return {}; }

protected:
    // The box is fitted here, not by the layout, so that the two never
    // disagree by a pixel and repaint each other for ever.
    bool autoSizes() const override { return false; }
};

} // namespace sw
