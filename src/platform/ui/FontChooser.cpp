#include "platform/ui/FontChooser.h"

#include "platform/TFont.h"

#include <QColorDialog>
#include <QFontDialog>

namespace sw {

bool chooseFont(QWidget *parent, TFont &font)
{
    bool ok = false;
    // The dialog works in points.
    QFont initial = font.toQFont();
    if (font.size() > 0)
        initial.setPointSize(font.size());
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return false;
    font.setName(chosen.family());
    if (chosen.pointSize() > 0)
        font.setSize(chosen.pointSize());
    TFontStyles style;
    if (chosen.bold())
        style |= fsBold;
    if (chosen.italic())
        style |= fsItalic;
    if (chosen.underline())
        style |= fsUnderline;
    if (chosen.strikeOut())
        style |= fsStrikeOut;
    font.setStyle(style);
    return true;
}

bool chooseColor(QWidget *parent, TColor &color)
{
    const QColor chosen = QColorDialog::getColor(toQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = fromQColor(chosen);
    return true;
}

} // namespace sw
