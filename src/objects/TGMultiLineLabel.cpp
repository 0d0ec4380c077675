#include "objects/TGMultiLineLabel.h"

namespace sw {

TGMultiLineLabel::TGMultiLineLabel(QObject *owner)
    : TGMultiLineBaseLabel(owner)
{
}

bool TGMultiLineLabel::EditLines()
{
    if (!TextEditor)
        return false;
    QStringList lines = Items()->strings();
    if (!TextEditor(lines, *Font()))
        return false;
    SetItems(lines);
    Invalidate();
    if (WordWrap())
        RewrapLines();
    NotifyChanged();
    return true;
}

bool TGMultiLineLabel::EditAndFit()
{
    const bool accepted = EditLines();
    if (!Items()->isEmpty())
        FitToText();
    return accepted;
}

void TGMultiLineLabel::Loaded()
{
    TGMultiLineBaseLabel::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Text"), [this] { EditLines(); });
    mWordWrapItem = menu.add(QStringLiteral("Word Wrap"), [this] {
        SetWordWrap(!WordWrap());
        ObjectMenu().entry(mWordWrapItem).checked = WordWrap();
    });
    UpdateMenuChecks();
}

void TGMultiLineLabel::UpdateMenuChecks()
{
    TGMultiLineBaseLabel::UpdateMenuChecks();
    if (mWordWrapItem >= 0)
        ObjectMenu().entry(mWordWrapItem).checked = WordWrap();
}

} // namespace sw
