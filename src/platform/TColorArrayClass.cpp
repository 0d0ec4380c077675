#include "platform/TColorArrayClass.h"

#include <algorithm>

namespace sw {

TColorArrayClass::TColorArrayClass(int xSize, int ySize, QObject *parent)
    : QObject(parent)
{
    setSize(xSize, ySize);
}

void TColorArrayClass::setXSize(int size)
{
    setSize(size, mYSize);
}

void TColorArrayClass::setYSize(int size)
{
    setSize(mXSize, size);
}

void TColorArrayClass::setSize(int xSize, int ySize)
{
    mXSize = std::max(0, xSize);
    mYSize = std::max(0, ySize);
    mCells = QVector<TColor>(mXSize * mYSize, clBlack);
    Q_EMIT changed();
}

int TColorArrayClass::element(int x, int y) const
{
    if (x < 1 || x > mXSize || y < 1 || y > mYSize)
        throw EColorArrayIndexError();
    return (y - 1) * mXSize + (x - 1);
}

TColor TColorArrayClass::color(int x, int y) const
{
    return mCells.at(element(x, y));
}

void TColorArrayClass::setColor(int x, int y, TColor color)
{
    TColor &cell = mCells[element(x, y)];
    if (cell == color)
        return;
    cell = color;
    Q_EMIT changed();
}

TColor TColorArrayClass::colorAt(int index) const
{
    if (index < 1 || index > count())
        throw EColorArrayIndexError();
    return mCells.at(index - 1);
}

int TColorArrayClass::indexOf(TColor color) const
{
    return int(mCells.indexOf(color)) + 1;
}

void TColorArrayClass::Assign(const TColorArrayClass &other)
{
    mXSize = other.mXSize;
    mYSize = other.mYSize;
    mCells = other.mCells;
    Q_EMIT changed();
}

bool TColorArrayClass::operator==(const TColorArrayClass &other) const
{
    return mXSize == other.mXSize && mYSize == other.mYSize && mCells == other.mCells;
}

QVector<TColor> TColorArrayClass::streamOrder() const
{
    QVector<TColor> colors;
    colors.reserve(count());
    for (int x = 1; x <= mXSize; ++x)
        for (int y = 1; y <= mYSize; ++y)
            colors.append(color(x, y));
    return colors;
}

bool TColorArrayClass::setFromStreamOrder(int xSize, int ySize, const QVector<TColor> &colors)
{
    if (xSize < 0 || ySize < 0 || colors.size() != qsizetype(xSize) * ySize)
        return false;
    mXSize = xSize;
    mYSize = ySize;
    mCells = QVector<TColor>(xSize * ySize, clBlack);
    int i = 0;
    for (int x = 1; x <= xSize; ++x)
        for (int y = 1; y <= ySize; ++y)
            mCells[element(x, y)] = colors.at(i++);
    Q_EMIT changed();
    return true;
}

} // namespace sw
