#pragma once
// A brush: colour and style, each stored only when it differs from its
// default (clWhite, bsSolid). While painting it may also carry a pattern
// image, never stored, which then replaces colour and style: the image is
// tiled from the canvas origin with its own colours.
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"

#include <QImage>
#include <QObject>

namespace sw {

class TBrush : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(sw::graphics::TBrushStyle Style READ style WRITE setStyle)
    Q_CLASSINFO("type:Color", "TColor")
    Q_CLASSINFO("default:Color", "clWhite")
    Q_CLASSINFO("default:Style", "bsSolid")

public:
    explicit TBrush(QObject *parent = nullptr);

    TColor color() const { return mColor; }
    void setColor(TColor color);
    TBrushStyle style() const { return mStyle; }
    void setStyle(TBrushStyle style);

    // The pattern image (null: none). Setting a pattern makes the style
    // bsSolid, as a pattern brush is never clear; clearing it keeps the style.
    const QImage &pattern() const { return mPattern; }
    void setPattern(const QImage &pattern);
    bool hasPattern() const { return !mPattern.isNull(); }

    // Copies colour, style and pattern; one changed() when anything differs.
    void Assign(const TBrush &source);
    // Same colour and style (the pattern is not compared).
    bool sameAs(const TBrush &other) const;

Q_SIGNALS:
    void changed();

private:
    TColor mColor = clWhite;
    TBrushStyle mStyle = bsSolid;
    QImage mPattern;
};

} // namespace sw
