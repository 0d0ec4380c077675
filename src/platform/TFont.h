#pragma once
// A font as the label objects keep and store it. Persisted in the order
// Color, Height, Name, Pitch (only when not fpDefault), Style; Size is
// derived from Height and never stored.
//
// Height is in device pixels at pixelsPerInch(): negative for the character
// height without internal leading, positive for the cell height.
// Size (points) = -mulDiv(Height, 72, ppi); setting Size sets
// Height = -mulDiv(Size, ppi, 72).
//
// A new font is "MS Sans Serif", clWindowText, Height -11 (8 points at 96
// pixels per inch, whatever the screen's resolution), default pitch, no style.
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>

namespace sw {

class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(QString Name READ name WRITE setName)
    Q_PROPERTY(sw::graphics::TFontPitch Pitch READ pitch WRITE setPitch)
    Q_PROPERTY(int Size READ size WRITE setSize STORED false)
    Q_PROPERTY(sw::graphics::TFontStyles Style READ style WRITE setStyle)
    Q_CLASSINFO("type:Color", "TColor")
    Q_CLASSINFO("default:Pitch", "fpDefault")
    Q_CLASSINFO("stored:Pitch", "isPitchStored")

public:
    static constexpr int DefaultHeight = -11;
    static const char *const DefaultName; // "MS Sans Serif"

    // pixelsPerInch starts as ScreenInfo::pixelsPerInch().
    explicit TFont(QObject *parent = nullptr);

    TColor color() const { return mColor; }
    void setColor(TColor color);
    int height() const { return mHeight; }
    void setHeight(int height);
    QString name() const { return mName; }
    void setName(const QString &name);
    TFontPitch pitch() const { return mPitch; }
    void setPitch(TFontPitch pitch);
    Q_INVOKABLE bool isPitchStored() const { return mPitch != fpDefault; }
    int size() const;
    void setSize(int points);
    TFontStyles style() const { return mStyle; }
    void setStyle(TFontStyles style);

    // The resolution Height is measured in. Changing it keeps Height (and so
    // changes Size); printing code sets the printer's before assigning.
    int pixelsPerInch() const { return mPixelsPerInch; }
    void setPixelsPerInch(int ppi);

    // Copies every field; when the two fonts' pixels per inch differ the size
    // in points is carried over instead of the pixel height. One changed().
    void Assign(const TFont &source);
    // Same colour, height, name, pitch and style (pixels per inch ignored).
    bool sameAs(const TFont &other) const;

    // The platform font for drawing, unrotated (a canvas applies escapement
    // itself): pixel size from Height, weight 700/400, italic, underline,
    // strike-out, pitch hint, face substitutes installed.
    QFont toQFont() const;
    static QFont makeQFont(const QString &name, int height, TFontStyles style, TFontPitch pitch);

    // The QFont pixel size (em height) for a Height: -Height when negative,
    // scaled from the cell height of the face when positive, 11 for 0.
    static int pixelSizeFor(const QString &family, int height);

    // Registers the face substitutes for the classic face names ("MS Sans
    // Serif" -> "Liberation Sans", Arial, Times New Roman, Courier New ...).
    // Idempotent; toQFont() calls it.
    static void installSubstitutions();
    // The classic face names that have substitutes, in table order.
    static QStringList classicFaces();

Q_SIGNALS:
    void changed();

private:
    TColor mColor = clWindowText;
    int mHeight = DefaultHeight;
    QString mName;
    TFontPitch mPitch = fpDefault;
    TFontStyles mStyle;
    int mPixelsPerInch = 96;
};

} // namespace sw
