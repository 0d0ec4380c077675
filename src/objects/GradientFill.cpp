#include "objects/GradientFill.h"

#include "platform/Rounding.h"

#include <QImage>
#include <QPainter>

namespace sw {
namespace GradientFill {

void endColors(TFillDirection direction, TColor baseColor, TColor toColor, QRgb *start, QRgb *end)
{
    const QRgb base = toQColor(baseColor).rgb();
    const QRgb to = toQColor(toColor).rgb();
    const bool fromBase = direction == gdDown || direction == gdRight;
    *start = fromBase ? base : to;
    *end = fromBase ? to : base;
}

QRgb bandColor(int n, QRgb start, QRgb end)
{
    auto channel = [n](int s, int e) { return (s + mulDiv(n, e - s, 255)) & 0xFF; };
    return qRgb(channel(qRed(start), qRed(end)), channel(qGreen(start), qGreen(end)),
                channel(qBlue(start), qBlue(end)));
}

QRect bandRect(int n, TFillDirection direction, int width, int height)
{
    if (direction == gdUp || direction == gdDown) {
        const int y1 = mulDiv(n, height, BandCount);
        const int y2 = mulDiv(n + 1, height, BandCount);
        return QRect(0, y1, width, y2 - y1);
    }
    const int x1 = mulDiv(n, width, BandCount);
    const int x2 = mulDiv(n + 1, width, BandCount);
    return QRect(x1, 0, x2 - x1, height);
}

void forEachBand(TFillDirection direction, TColor baseColor, TColor toColor, int width, int height,
                 const std::function<void(const QRect &, QRgb)> &fill)
{
    QRgb start = 0, end = 0;
    endColors(direction, baseColor, toColor, &start, &end);
    for (int n = 0; n < BandCount; ++n)
        fill(bandRect(n, direction, width, height), bandColor(n, start, end));
}

QImage render(TFillDirection direction, TColor baseColor, TColor toColor, int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    forEachBand(direction, baseColor, toColor, width, height, [&](const QRect &band, QRgb color) {
        if (!band.isEmpty())
            painter.fillRect(band, QColor(color));
    });
    return image;
}

} // namespace GradientFill
} // namespace sw
