#pragma once
// Helpers for the label object tests: stream round trips, painting and
// printing an object alone, looking at ink, and a screen resolution for one test.
#include "objects/TGGraphicControl.h"
#include "platform/Canvas.h"
#include "platform/ScreenInfo.h"
#include "report/TImageReport.h"

#include "../persistence/StreamRoundTrip.h"

#include <QImage>

namespace sw::test {

// The object painted alone on a white image of its own size.
inline QImage paint(TGGraphicControl &object, bool placeholders = true)
{
    QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    PaintContext context;
    context.showPlaceholders = placeholders;
    object.Paint(canvas, context);
    return image;
}

// The page the object prints on alone at 96 pixels per inch, the label's
// corner at the page's.
inline QImage printAlone(TGGraphicControl &object)
{
    TImageReport report(96, 96);
    report.BeginDoc();
    object.PrintTo(report, 0, 0);
    report.EndDoc();
    return report.PageImage(0);
}

inline bool ink(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

// The bounding box of the non-white pixels in the area (null: none).
inline QRect inkBounds(const QImage &image, const QRect &area)
{
    QRect box;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            if (ink(image, x, y))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

struct ScreenResolution
{
    explicit ScreenResolution(int ppi) { ScreenInfo::overridePixelsPerInch(ppi); }
    ~ScreenResolution() { ScreenInfo::overridePixelsPerInch(0); }
};

} // namespace sw::test
