#pragma once
// A drop-down list of named colours, each with a swatch.
//   Named16: the sixteen named colours; a colour that is not among them is
//            shown as an extra entry, "Custom" or a system colour's name
//            ("Window Text").
//   ColorDrop: those and "Light Gray" and "Dark Gray" (18 entries); showing
//            a colour selects the first entry of that value, and a colour
//            not in the list leaves the selection as it was.
#include "platform/TColor.h"

#include <QComboBox>

namespace sw {

class ColorDropDown : public QComboBox
{
    Q_OBJECT

public:
    enum Palette { Named16, ColorDrop };

    explicit ColorDropDown(QWidget *parent = nullptr, Palette palette = Named16);

    TColor color() const;
    void setColor(TColor color);

Q_SIGNALS:
    void colorChanged(sw::TColor color);

private:
    static QIcon swatch(TColor color);
    static QString customName(TColor color);
    int mCustomIndex = -1;
    Palette mPalette;
};

} // namespace sw
