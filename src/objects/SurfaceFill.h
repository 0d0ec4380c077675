#pragma once
// Filling the inside of a figure or of letters from a surface bitmap (a
// texture, a gradient, a single colour), on screen and on paper. Shared by
// the SuperShape and the SuperText, which clip first and then fill through
// the clip: these functions only lay the tiles and bands.
#include "objects/GradientFill.h"

#include <QImage>
#include <QRect>
#include <QSize>

namespace sw {

class Canvas;
class TBaseReport;

namespace SurfaceFill {

// The size a tile of the bitmap is drawn at on screen: its own size, or
// Trunc(size x scale) when scaled (a texture on a zoomed panel). Never
// below one pixel, so that tiling always ends.
QSize screenTileSize(const QImage &bitmap, bool scaled, float scale);

// Draws the bitmap stretched to tile size at x = 0, tw, 2 tw ... while
// x < width, in rows y = 0, th ... while y < height.
void paintTiles(Canvas &canvas, const QImage &bitmap, const QSize &tile, int width, int height);

// The screen's colour count (2 to the bits per pixel; 256 when unknown);
// tests may fix it (0 returns to the screen's).
int screenColorCount();
void overrideScreenColorCount(int count);

// The device size of a printed tile: Round(size x sx) by Round(size x sy),
// never below one pixel.
QSize printTileSize(const QImage &bitmap, double sx, double sy);

// Prints the bitmap tiled over the page-device rectangle (dl, dt, dw, dh)
// (device pixels measured from the paper's corner): each tile is
// Round(size x sx) by Round(size x sy) device pixels and is printed 0.01
// inch larger each way so that neighbours overlap. With asOneBitmap (a
// preview on a screen of few colours) the tiles are put together first and
// printed as one picture.
void printTiles(TBaseReport &report, const QImage &bitmap, int dl, int dt, int dw, int dh, double sx,
                double sy, bool asOneBitmap);

// Prints the gradient's 256 bands, laid out over `bands`, with the report's
// FillRect (printable-area device pixels). The bands run across the whole
// of `cover` the other way, and the first and last band reach out to its
// edges, so that the clip finds colour everywhere it lets through.
void printGradient(TBaseReport &report, GradientFill::TFillDirection direction, TColor baseColor, TColor toColor,
                   const QRect &bands, const QRect &cover);

} // namespace SurfaceFill
} // namespace sw
