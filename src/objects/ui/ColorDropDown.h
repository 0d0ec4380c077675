#pragma once
// A drop-down list of the sixteen named colours, each with a swatch; a
// colour that is not among them is shown as an extra "Custom" entry.
#include "platform/TColor.h"

#include <QComboBox>

namespace sw {

class ColorDropDown : public QComboBox
{
    Q_OBJECT

public:
    explicit ColorDropDown(QWidget *parent = nullptr);

    TColor color() const;
    void setColor(TColor color);

Q_SIGNALS:
    void colorChanged(sw::TColor color);

private:
    static QIcon swatch(TColor color);
    int mCustomIndex = -1;
};

} // namespace sw
