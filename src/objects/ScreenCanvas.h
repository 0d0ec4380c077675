#pragma once
// A canvas at the screen's logical resolution for measuring text outside a
// paint (growing a box to its text, laying out before printing): object
// pixels are screen pixels at ScaleFactor, whatever surface the object is
// painted on later.
#include "platform/Canvas.h"
#include "platform/ScreenInfo.h"

#include <QImage>
#include <cmath>

namespace sw {

class ScreenCanvas
{
public:
    ScreenCanvas()
        : mImage(makeImage())
        , mCanvas(&mImage)
    {
    }
    Canvas &canvas() { return mCanvas; }

private:
    static QImage makeImage()
    {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dpm = static_cast<int>(std::lround(ScreenInfo::pixelsPerInch() / 0.0254));
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return image;
    }

    QImage mImage;
    Canvas mCanvas;
};

} // namespace sw
