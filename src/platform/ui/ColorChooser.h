#pragma once
// The colour dialog, on the program's colour type.
#include "platform/TColor.h"

class QWidget;

namespace sw {

// Opens the colour dialog preset with `color` (a system colour shows its
// value on paper); on OK stores the chosen direct colour and returns true.
bool chooseColor(QWidget *parent, TColor &color);

} // namespace sw
