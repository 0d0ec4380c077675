#include "platform/ui/ColorChooser.h"

#include <QColorDialog>

namespace sw {

bool chooseColor(QWidget *parent, TColor &color)
{
    const QColor chosen = QColorDialog::getColor(toQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = fromQColor(chosen);
    return true;
}

} // namespace sw
