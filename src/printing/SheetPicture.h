#pragma once
// The print-preparation window's picture of the sheet: the sheet at one
// fifth of its size, 10 pixels in from the picture's corner, with one
// rectangle per label position. The layout is shown as designed: the
// fine-tuning corrections do not move it.
#include "layouts/TLabelLayout.h"

#include <QRect>
#include <QVector>

namespace sw {

class SheetPicture
{
public:
    SheetPicture(const TLabelLayout &layout, int screenPixelsPerInch);

    // Scale in picture pixels per inch: 0.2 x the screen's pixels per inch.
    double scale() const { return mScale; }
    // The sheet's outline as (left, top, right, bottom), right and bottom
    // exclusive, in a QRect(left, top, right - left, bottom - top).
    QRect sheetRect() const;
    // The rectangle of position index c + r * NumAcross, same convention.
    const QVector<QRect> &positionRects() const { return mRects; }
    // The first position, row by row from the top and left to right in a
    // row, whose rectangle holds the point (left and top edges inside, right
    // and bottom edges outside); -1 for none.
    int positionAt(const QPoint &p) const;

private:
    TLabelLayout mLayout;
    double mScale;
    QVector<QRect> mRects;
};

// The first free scratch file "SK<n>.TMP" (n from 0) in the program's
// folder, for the copy of the design that print preparation reads.
QString scratchLabelFileName();

} // namespace sw
