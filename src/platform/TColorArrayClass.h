#pragma once
// A two-dimensional array of colours addressed by (x, y) from 1, as the
// colour palette button keeps its palette and custom colours. Cell (x, y)
// is element (y - 1) x XSize + x of the linear order, so the linear order
// runs along the first row, then the second ...
//
// Stored in a component stream as three values after the owner's
// published properties: "XSize" and "YSize" (integers) and "Colors", a
// list of integers running column by column (for x = 1..XSize, for
// y = 1..YSize), which reading fills in the same order.
#include "platform/Exception.h"
#include "platform/TColor.h"

#include <QObject>
#include <QVector>

namespace sw {

// Raised for a cell outside the array: "Array index out of bounds".
class EColorArrayIndexError : public Exception
{
public:
    EColorArrayIndexError()
        : Exception(QStringLiteral("Array index out of bounds"))
    {
    }
};

class TColorArrayClass : public QObject
{
    Q_OBJECT

public:
    // Every cell clBlack until set.
    explicit TColorArrayClass(int xSize = 0, int ySize = 0, QObject *parent = nullptr);

    int XSize() const { return mXSize; }
    int YSize() const { return mYSize; }
    // A new size makes new cells (clBlack): the old ones are not kept.
    void setXSize(int size);
    void setYSize(int size);
    void setSize(int xSize, int ySize);
    int count() const { return int(mCells.size()); }

    // Raise EColorArrayIndexError outside 1..XSize, 1..YSize.
    TColor color(int x, int y) const;
    void setColor(int x, int y, TColor color);
    // By linear index 1..count(); raises EColorArrayIndexError outside it.
    TColor colorAt(int index) const;
    // The linear index of the first cell holding the colour; 0 when none.
    int indexOf(TColor color) const;

    // Both sizes and every cell.
    void Assign(const TColorArrayClass &other);
    bool operator==(const TColorArrayClass &other) const;
    bool operator!=(const TColorArrayClass &other) const { return !(*this == other); }

    // The cells in the stream's order (column by column), and back; false,
    // changing nothing, when the count is not XSize x YSize.
    QVector<TColor> streamOrder() const;
    bool setFromStreamOrder(int xSize, int ySize, const QVector<TColor> &colors);

Q_SIGNALS:
    void changed();

private:
    int element(int x, int y) const; // 0-based, checked

    int mXSize = 0;
    int mYSize = 0;
    QVector<TColor> mCells;
};

} // namespace sw
