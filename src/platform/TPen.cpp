#include "platform/TPen.h"

namespace sw {

TPen::TPen(QObject *parent)
    : QObject(parent)
{
}

void TPen::setColor(TColor color)
{
    if (mColor == color)
        return;
    mColor = color;
    Q_EMIT changed();
}

void TPen::setMode(TPenMode mode)
{
    if (mMode == mode)
        return;
    mMode = mode;
    Q_EMIT changed();
}

void TPen::setStyle(TPenStyle style)
{
    if (mStyle == style)
        return;
    mStyle = style;
    Q_EMIT changed();
}

void TPen::setWidth(int width)
{
    if (mWidth == width)
        return;
    mWidth = width;
    Q_EMIT changed();
}

void TPen::Assign(const TPen &source)
{
    if (&source == this || sameAs(source))
        return;
    mColor = source.mColor;
    mMode = source.mMode;
    mStyle = source.mStyle;
    mWidth = source.mWidth;
    Q_EMIT changed();
}

bool TPen::sameAs(const TPen &other) const
{
    return mColor == other.mColor && mMode == other.mMode && mStyle == other.mStyle
           && mWidth == other.mWidth;
}

} // namespace sw
