#include "objects/ui/ColorDropDown.h"

#include <QPainter>
#include <QPixmap>

namespace sw {

namespace {
const struct { const char *name; TColor color; } kColors[] = {
    {"Black", clBlack},   {"Maroon", clMaroon}, {"Green", clGreen}, {"Olive", clOlive},
    {"Navy", clNavy},     {"Purple", clPurple}, {"Teal", clTeal},   {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},       {"Lime", clLime},   {"Yellow", clYellow},
    {"Blue", clBlue},     {"Fuchsia", clFuchsia}, {"Aqua", clAqua}, {"White", clWhite},
};
} // namespace

ColorDropDown::ColorDropDown(QWidget *parent, Palette palette)
    : QComboBox(parent)
    , mPalette(palette)
{
    for (const auto &c : kColors)
        addItem(swatch(c.color), QLatin1String(c.name), QVariant(static_cast<int>(c.color)));
    if (palette == ColorDrop) {
        addItem(swatch(clSilver), QStringLiteral("Light Gray"), QVariant(static_cast<int>(clSilver)));
        addItem(swatch(clGray), QStringLiteral("Dark Gray"), QVariant(static_cast<int>(clGray)));
    }
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int) { Q_EMIT colorChanged(color()); });
}

QIcon ColorDropDown::swatch(TColor color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(toQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

TColor ColorDropDown::color() const
{
    return currentIndex() < 0 ? clBlack : static_cast<TColor>(currentData().toInt());
}

void ColorDropDown::setColor(TColor color)
{
    int index = findData(QVariant(static_cast<int>(color)));
    if (index < 0 && mPalette == ColorDrop)
        return;
    if (index < 0) {
        if (mCustomIndex < 0) {
            addItem(swatch(color), QStringLiteral("Custom"), QVariant(static_cast<int>(color)));
            mCustomIndex = count() - 1;
        } else {
            setItemData(mCustomIndex, QVariant(static_cast<int>(color)));
            setItemIcon(mCustomIndex, swatch(color));
        }
        index = mCustomIndex;
    }
    setCurrentIndex(index);
}

} // namespace sw
