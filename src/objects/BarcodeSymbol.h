#pragma once
// One barcode encoded: the data checked against its symbology's rules, and
// the symbol as a vector description - dark rectangles and the pieces of
// the human-readable line - in modules (the width of the narrowest bar or
// of one matrix cell), measured from the top-left corner of the symbol
// with its standard quiet zones around it. Quiet zones, check digits and
// error correction follow each symbology's standard defaults.
//
// Screen and paper draw from the same description: place() fits it into a
// box of device dots (screen pixels, printer dots) and gives back whole-dot
// rectangles, so that bars stay sharp at any resolution.
#include "objects/BarcodeSymbology.h"

#include <QRect>
#include <QString>
#include <QVector>

namespace sw {

class BarcodeSymbol
{
public:
    // A dark rectangle, in modules.
    struct Bar
    {
        double x = 0, y = 0, width = 0, height = 0;
    };
    enum class TextAlign { Centre, Left, Right };
    // A piece of the human-readable line: its text centred on x, starting
    // at x or ending at x (modules). EAN and UPC codes have several pieces.
    struct Text
    {
        double x = 0;
        TextAlign align = TextAlign::Centre;
        QString text;
    };

    // Never throws: data the symbology refuses gives a symbol that is not
    // valid, whose error() says why in words for the user ("EAN-13 needs 12
    // or 13 digits", "check digit should be 7").
    static BarcodeSymbol encode(TBarcodeSymbology symbology, const QString &data);

    // The GS1 check digit (EAN-13, UPC-A, ITF-14) of the digits before it.
    static int gs1CheckDigit(const QString &digits);

    TBarcodeSymbology symbology() const { return mSymbology; }
    bool isValid() const { return mError.isEmpty(); }
    QString error() const { return mError; }
    // The text the code carries as people read it, check digits included
    // (EAN-13 "590123412345" gives "5901234123457"); empty for 2D codes.
    QString humanReadable() const { return mHumanReadable; }
    // Size with the quiet zones, in modules; 0 when not valid.
    double width() const { return mWidth; }
    double height() const { return mHeight; }
    const QVector<Bar> &bars() const { return mBars; }
    const QVector<Text> &texts() const { return mTexts; }

    // The symbol fitted into a box of device dots.
    struct Placement
    {
        struct Line
        {
            int x = 0;
            TextAlign align = TextAlign::Centre;
            QString text;
        };
        QVector<QRect> bars; // device dots
        QVector<Line> texts; // empty when no text was asked for
        int textTop = 0;     // top of the human-readable line's cells
        double module = 0;   // dots per module across
    };
    // Linear codes take the box's width and its height less the
    // human-readable line (textHeight dots, 0 for none); 2D codes keep
    // their proportions, as large as fits, centred. With wholeDots every
    // module is a whole number of dots (at least one, so a box narrower
    // than the code in dots is overflowed, evenly on both sides) and the
    // code is centred on a whole dot, so that bar edges fall on dots.
    // dotAspect is the device's dots per inch down over its dots per inch
    // across (1 for square dots).
    Placement place(const QRect &box, int textHeight, bool wholeDots, double dotAspect = 1.0) const;

private:
    explicit BarcodeSymbol(TBarcodeSymbology symbology)
        : mSymbology(symbology)
    {
    }
    Placement placeLinear(const QRect &box, int textHeight, bool wholeDots, double dotAspect) const;
    Placement placeMatrix(const QRect &box, bool wholeDots, double dotAspect) const;

    TBarcodeSymbology mSymbology;
    QString mError;
    QString mHumanReadable;
    double mWidth = 0, mHeight = 0;
    QVector<Bar> mBars;
    QVector<Text> mTexts;
};

} // namespace sw
