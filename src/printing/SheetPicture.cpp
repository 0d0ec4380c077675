#include "printing/SheetPicture.h"

#include "platform/ProgramFolder.h"
#include "platform/Rounding.h"
#include "printing/PrintRequest.h"

#include <QFile>

namespace sw {

SheetPicture::SheetPicture(const TLabelLayout &layout, int ppi)
    : mLayout(layout)
    , mScale(0.2 * ppi)
{
    const auto t = [this](double inches) { return truncTowardZero(inches * mScale); };
    const int across = layout.NumAcross, down = layout.NumDown;
    for (int r = 0; r < down; ++r) {
        for (int c = 0; c < across; ++c) {
            if (PrintRequest::index(layout, c, r) >= PrintRequest::MaxPositions)
                continue;
            int left = t(layout.LeftMargin) + c * t(layout.HorizPitch) + 10;
            if (c + 1 > across / 2 && layout.RightHalfOffset > 0)
                left += t(layout.RightHalfOffset);
            int top = t(layout.TopMargin) + r * t(layout.VertPitch) + 10;
            if (r + 1 > down / 2 && layout.LowerHalfOffset > 0)
                top += t(layout.LowerHalfOffset);
            const int index = PrintRequest::index(layout, c, r);
            if (mRects.size() <= index)
                mRects.resize(index + 1);
            mRects[index] = QRect(left, top, t(layout.LabelWidth), t(layout.LabelHeight));
        }
    }
}

QRect SheetPicture::sheetRect() const
{
    return QRect(10, 10, truncTowardZero(mLayout.PageWidth * mScale), truncTowardZero(mLayout.PageHeight * mScale));
}

int SheetPicture::positionAt(const QPoint &p) const
{
    for (int r = 0; r < mLayout.NumDown; ++r)
        for (int c = 0; c < mLayout.NumAcross; ++c) {
            const int i = PrintRequest::index(mLayout, c, r);
            if (i < mRects.size() && mRects[i].contains(p))
                return i;
        }
    return -1;
}

QString scratchLabelFileName()
{
    for (int n = 0;; ++n) {
        const QString name = ProgramFolder::scratchFilePath(QStringLiteral("SK%1.TMP").arg(n));
        if (!QFile::exists(name))
            return name;
    }
}

} // namespace sw
