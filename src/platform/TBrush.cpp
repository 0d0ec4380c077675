#include "platform/TBrush.h"

namespace sw {

TBrush::TBrush(QObject *parent)
    : QObject(parent)
{
}

void TBrush::setColor(TColor color)
{
    if (mColor == color)
        return;
    mColor = color;
    Q_EMIT changed();
}

void TBrush::setStyle(TBrushStyle style)
{
    if (mStyle == style)
        return;
    mStyle = style;
    Q_EMIT changed();
}

void TBrush::setPattern(const QImage &pattern)
{
    if (pattern.isNull() && mPattern.isNull())
        return;
    mPattern = pattern;
    if (!pattern.isNull())
        mStyle = bsSolid;
    Q_EMIT changed();
}

void TBrush::Assign(const TBrush &source)
{
    if (&source == this)
        return;
    const bool differs = !sameAs(source) || mPattern.cacheKey() != source.mPattern.cacheKey();
    mColor = source.mColor;
    mStyle = source.mStyle;
    mPattern = source.mPattern;
    if (differs)
        Q_EMIT changed();
}

bool TBrush::sameAs(const TBrush &other) const
{
    return mColor == other.mColor && mStyle == other.mStyle;
}

} // namespace sw
