#pragma once
// The two-colour gradient of the decorative shapes and texts: 256 bands of
// equal share running from a start colour to an end colour, top to bottom
// for the vertical directions and left to right for the horizontal ones.
// The direction names where the gradient runs from the base colour to the
// "to" colour: gdUp ends in the base colour at the bottom, gdDown starts
// with it at the top, and likewise across.
#include "platform/TColor.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QRgb>
#include <functional>

namespace sw {

namespace GradientFill {
Q_NAMESPACE

// Ordinals are the stored values.
enum TFillDirection { gdUp, gdDown, gdLeft, gdRight };
Q_ENUM_NS(TFillDirection)

constexpr int BandCount = 256;

// The colour of band 0 and band 255, system colours resolved.
void endColors(TFillDirection direction, TColor baseColor, TColor toColor, QRgb *start, QRgb *end);

// Band n's colour: per channel start + MulDiv(n, end - start, 255), taken
// modulo 256.
QRgb bandColor(int n, QRgb start, QRgb end);

// Band n of an area width x height at the origin: a full-width strip from
// MulDiv(n, height, 256) to MulDiv(n + 1, height, 256) for the vertical
// directions, a full-height strip across otherwise. May be empty.
QRect bandRect(int n, TFillDirection direction, int width, int height);

// Calls fill(band rectangle, band colour) for every band in order.
void forEachBand(TFillDirection direction, TColor baseColor, TColor toColor, int width, int height,
                 const std::function<void(const QRect &, QRgb)> &fill);

// The gradient as a width x height image (null when either is not positive).
QImage render(TFillDirection direction, TColor baseColor, TColor toColor, int width, int height);

} // namespace GradientFill
} // namespace sw
