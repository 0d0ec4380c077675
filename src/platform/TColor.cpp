#include "platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <iterator>

namespace sw {

namespace {

struct ColorIdent
{
    TColor value;
    const char *ident;
};

const ColorIdent kColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
};

// Classic defaults of the 25 system colours (as 0xRRGGBB), used where the
// palette has no matching role.
const QRgb kClassicSystemColors[25] = {
    0xC0C0C0, // scroll bar
    0x008080, // desktop background
    0x000080, // active caption
    0x808080, // inactive caption
    0xC0C0C0, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xC0C0C0, // active border
    0xC0C0C0, // inactive border
    0x808080, // application work space
    0x000080, // highlight
    0xFFFFFF, // highlight text
    0xC0C0C0, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xC0C0C0, // inactive caption text
    0xFFFFFF, // button highlight
    0x000000, // 3D dark shadow
    0xC0C0C0, // 3D light
    0x000000, // tool-tip text
    0xFFFFE1, // tool-tip background
};

// The palette role standing for a system colour, or -1 for none.
bool paletteColorFor(int index, QColor *out)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 4: *out = pal.color(QPalette::Window); return true;          // menu
    case 5: *out = pal.color(QPalette::Base); return true;            // window
    case 7: *out = pal.color(QPalette::WindowText); return true;      // menu text
    case 8: *out = pal.color(QPalette::WindowText); return true;      // window text
    case 13: *out = pal.color(QPalette::Highlight); return true;
    case 14: *out = pal.color(QPalette::HighlightedText); return true;
    case 15: *out = pal.color(QPalette::Button); return true;         // button face
    case 16: *out = pal.color(QPalette::Dark); return true;           // button shadow
    case 17: *out = pal.color(QPalette::Disabled, QPalette::Text); return true;
    case 18: *out = pal.color(QPalette::ButtonText); return true;
    case 20: *out = pal.color(QPalette::Light); return true;          // button highlight
    case 21: *out = pal.color(QPalette::Shadow); return true;
    case 22: *out = pal.color(QPalette::Midlight); return true;
    case 23: *out = pal.color(QPalette::ToolTipText); return true;
    case 24: *out = pal.color(QPalette::ToolTipBase); return true;
    default: return false;
    }
}

} // namespace

bool colorToIdent(TColor color, QString *ident)
{
    for (const ColorIdent &c : kColorIdents) {
        if (c.value == color) {
            *ident = QString::fromLatin1(c.ident);
            return true;
        }
    }
    return false;
}

bool identToColor(const QString &ident, TColor *color)
{
    for (const ColorIdent &c : kColorIdents) {
        if (ident.compare(QLatin1String(c.ident), Qt::CaseInsensitive) == 0) {
            *color = c.value;
            return true;
        }
    }
    return false;
}

QColor toQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    if (isSystemColor(color)) {
        const int index = color & 0xFF;
        QColor resolved;
        if (index < 25 && QGuiApplication::instance() && paletteColorFor(index, &resolved))
            return resolved;
        return QColor::fromRgb(index < 25 ? kClassicSystemColors[index] : 0);
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor fromQColor(const QColor &color)
{
    const QRgb rgb = color.rgb();
    return static_cast<TColor>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

} // namespace sw
