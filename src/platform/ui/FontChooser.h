#pragma once
// The font and colour dialogs, on the program's value types.
#include "platform/TColor.h"

class QWidget;

namespace sw {

class TFont;

// Opens the font dialog preset with `font` (in points); on OK copies the
// chosen face, size and styles into `font` (colour and pixels per inch are
// kept) and returns true.
bool chooseFont(QWidget *parent, TFont &font);
// Opens the colour dialog preset with `color`; on OK stores the chosen
// direct colour and returns true.
bool chooseColor(QWidget *parent, TColor &color);

} // namespace sw
