#pragma once
// Shows the characters of the WingDings picture font on systems that lack
// it. Label files keep WingDings character codes (0x20..0xFF) and the face
// name; for drawing, each code is replaced by the Unicode character of the
// same symbol and the text is drawn in a symbol face that has them. The
// code table is the resource ":/fonts/wingdings-to-unicode.txt".
#include <QString>
#include <QStringList>

namespace sw {

class Canvas;
class TFont;

class SymbolFontMap
{
public:
    // True for "WingDings" in any letter case.
    static bool isWingDings(const QString &face);
    // The symbol faces this map draws, as label files name them.
    static QStringList faces();
    // The face that draws the mapped characters ("Symbola").
    static QString displayFace();
    // The text to draw for text stored in a WingDings font: every mapped
    // code becomes its Unicode symbol; other characters stay.
    static QString toDisplay(const QString &text);
    // The Unicode code point for one WingDings code; 0 when it has none.
    static uint unicodeFor(int code);

    // The face and text to draw for a stored face and text: unchanged
    // unless the face is WingDings.
    static void forDisplay(const QString &face, const QString &text, QString *displayFace,
                           QString *displayText);
    // Sets the canvas font to `font`, its size Trunc(size x scale) when the
    // scale is not 1, in the face that draws it; returns the text to draw.
    static QString selectFont(Canvas &canvas, const TFont &font, float scale, const QString &text);
};

} // namespace sw
