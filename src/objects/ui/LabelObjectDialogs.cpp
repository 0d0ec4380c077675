#include "objects/ui/LabelObjectDialogs.h"


#include "objects/LabelDialogs.h"
#include "objects/ObjectEditors.h"
#include "objects/TGCounterLabel.h"
#include "objects/TGPLabel.h"
#include "objects/TGSymbolLabel.h"
#include "objects/ui/FontDialog.h"
#include "objects/ui/TGFont3DEffects.h"
#include "objects/ui/TGetCounter.h"
#include "objects/ui/TGetLabelText.h"
#include "objects/ui/TGetSymbol.h"
#include "platform/TFont.h"
#include "platform/ui/ColorChooser.h"

#include <QApplication>

namespace sw {

namespace {
// Property windows are centred over the main window.
QWidget *owner()
{
    return QApplication::activeWindow();
}

bool chooseFontHook(TFont &font)
{
    return FontDialog::getFont(owner(), font);
}

bool chooseColorHook(TColor &color)
{
    return chooseColor(owner(), color);
}

bool getLabelText(QString &text)
{
    TGetLabelText dialog(owner());
    dialog.setText(text);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.text();
    return true;
}

bool font3DEffects(TGBaseLabel &label)
{
    TGFont3DEffects dialog(label, owner());
    return dialog.exec() == QDialog::Accepted;
}

bool getCounter(CounterSettings &settings)
{
    TGetCounter dialog(owner());
    dialog.setSettings(settings);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    return true;
}

bool getSymbol(TFont &font, int &code)
{
    TGetSymbol dialog(owner());
    dialog.setSelectedFont(font);
    dialog.setGridFont(font.name(), font.style());
    dialog.setSelectedIndex(code - TGetSymbol::FirstCode);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font.Assign(dialog.selectedFont());
    // Ok with nothing selected keeps the character.
    if (dialog.selectedIndex() >= 0)
        code = dialog.selectedIndex() + TGetSymbol::FirstCode;
    return true;
}
} // namespace

void LabelObjectDialogs::install()
{
    LabelDialogs::chooseFont = chooseFontHook;
    LabelDialogs::chooseColor = chooseColorHook;
    LabelDialogs::getLabelText = getLabelText;
    LabelDialogs::font3DEffects = font3DEffects;
    LabelDialogs::getCounter = getCounter;
    LabelDialogs::getSymbol = getSymbol;

    ObjectEditors::setEditorOf<TGPLabel>("TGPLabel", [](TGPLabel &label) { return label.EditTextRequest(); });
    ObjectEditors::setEditorOf<TGCounterLabel>("TGCounterLabel", [](TGCounterLabel &counter) { return counter.EditCounter(); });
    ObjectEditors::setEditorOf<TGSymbolLabel>("TGSymbolLabel", [](TGSymbolLabel &symbol) { return symbol.ChooseSymbol(); });
}

} // namespace sw
