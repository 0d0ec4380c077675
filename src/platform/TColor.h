#pragma once
// Colours as the label objects keep them: a signed 32-bit integer.
//   0x00BBGGRR          a direct colour, red in the lowest byte;
//   0x80000000 + n      system colour n (0..24), painted and printed in its
//                       classic value (only the low byte counts);
//   clNone 0x1FFFFFFF   no colour.
// Colours with a name in the table below are written to files by that name.
#include <QColor>
#include <QString>
#include <cstdint>

namespace sw {

using TColor = int32_t;

constexpr TColor systemColor(int n) { return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(n)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clScrollBar = systemColor(0);
constexpr TColor clBackground = systemColor(1);
constexpr TColor clActiveCaption = systemColor(2);
constexpr TColor clInactiveCaption = systemColor(3);
constexpr TColor clMenu = systemColor(4);
constexpr TColor clWindow = systemColor(5);
constexpr TColor clWindowFrame = systemColor(6);
constexpr TColor clMenuText = systemColor(7);
constexpr TColor clWindowText = systemColor(8);
constexpr TColor clCaptionText = systemColor(9);
constexpr TColor clActiveBorder = systemColor(10);
constexpr TColor clInactiveBorder = systemColor(11);
constexpr TColor clAppWorkSpace = systemColor(12);
constexpr TColor clHighlight = systemColor(13);
constexpr TColor clHighlightText = systemColor(14);
constexpr TColor clBtnFace = systemColor(15);
constexpr TColor clBtnShadow = systemColor(16);
constexpr TColor clGrayText = systemColor(17);
constexpr TColor clBtnText = systemColor(18);
constexpr TColor clInactiveCaptionText = systemColor(19);
constexpr TColor clBtnHighlight = systemColor(20);
constexpr TColor cl3DDkShadow = systemColor(21);
constexpr TColor cl3DLight = systemColor(22);
constexpr TColor clInfoText = systemColor(23);
constexpr TColor clInfoBk = systemColor(24);

constexpr TColor clNone = 0x1FFFFFFF;

constexpr bool isSystemColor(TColor c) { return c < 0; }

// The identifier of a named colour ("clWindowText"); false, *ident untouched,
// when the value has none and must be written as an integer.
bool colorToIdent(TColor color, QString *ident);
// The colour of an identifier, matched without regard to case; false, *color
// untouched, for an unknown identifier.
bool identToColor(const QString &ident, TColor *color);

// The colour to paint and print with. System colours resolve to their
// classic values (window text black, window white, button face silver...)
// whatever the desktop theme: labels are paper, and the program's windows
// take their own colours from the palette. clNone gives a fully transparent
// colour.
QColor toQColor(TColor color);
// The direct colour of an opaque QColor (alpha is dropped).
TColor fromQColor(const QColor &color);

} // namespace sw
