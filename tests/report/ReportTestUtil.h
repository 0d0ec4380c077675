#pragma once
// Helpers for looking at report output.
#include "report/TImageReport.h"

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QRect>

#include <memory>

namespace sw::test {

// An image report at `ppi` on Letter paper with the same unprintable border
// (inches) on every side.
inline std::unique_ptr<TImageReport> imageReport(int ppi, double border = 0)
{
    auto report = std::make_unique<TImageReport>(ppi, ppi);
    report->ImageDevice().setUnprintableBorder(QMarginsF(border, border, border, border));
    report->DeviceChanged();
    return report;
}

inline bool isInk(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

// The bounding box of every non-white pixel (null when there is none).
inline QRect inkBounds(const QImage &image, const QRect &area = QRect())
{
    const QRect a = area.isNull() ? image.rect() : area.intersected(image.rect());
    QRect box;
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            if (isInk(image, x, y))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

inline int inkCount(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += isInk(image, x, y) ? 1 : 0;
    return n;
}

} // namespace sw::test
