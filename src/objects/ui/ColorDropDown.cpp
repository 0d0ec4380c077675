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
            addItem(QString());
            mCustomIndex = count() - 1;
        }
        setItemText(mCustomIndex, customName(color));
        setItemData(mCustomIndex, QVariant(static_cast<int>(color)));
        setItemIcon(mCustomIndex, swatch(color));
        index = mCustomIndex;
    }
    setCurrentIndex(index);
}

QString ColorDropDown::customName(TColor color)
{
    // A system colour by its name in words: "clWindowText" is "Window Text".
    QString ident;
    if (!isSystemColor(color) || !colorToIdent(color, &ident))
        return QStringLiteral("Custom");
    QString words;
    for (qsizetype i = 2; i < ident.size(); ++i) {
        if (i > 2 && ident.at(i).isUpper() && !ident.at(i - 1).isUpper() && !ident.at(i - 1).isDigit())
            words += QLatin1Char(' ');
        words += ident.at(i);
    }
    return words;
}

} // namespace sw
