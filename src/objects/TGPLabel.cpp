#include "objects/TGPLabel.h"

#include "objects/LabelDialogs.h"

namespace sw {

TGPLabel::TGPLabel(QObject *owner)
    : TGBaseLabel(owner)
{
}

void TGPLabel::Loaded()
{
    TGBaseLabel::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    const int text = menu.add(QStringLiteral("Text"), [this] { EditText(); });
    menu.entry(text).tag = TextEntryTag;
    addRotationMenu();
}

bool TGPLabel::ChooseFont()
{
    const bool ok = TGBaseLabel::ChooseFont();
    GrowToFit();
    return ok;
}

bool TGPLabel::EditText()
{
    if (!LabelDialogs::getLabelText)
        return false;
    QString text = Caption();
    if (!LabelDialogs::getLabelText(text))
        return false;
    SetCaption(text);
    GrowToFit();
    Invalidate();
    return true;
}

} // namespace sw
