#include "objects/SurfaceFill.h"

#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "report/TBaseReport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace sw {
namespace SurfaceFill {

namespace {
int gScreenColorCountOverride = 0;
} // namespace

QSize screenTileSize(const QImage &bitmap, bool scaled, float scale)
{
    int tw = bitmap.width(), th = bitmap.height();
    if (scaled && scale != 1.0f) {
        tw = truncTowardZero(tw * static_cast<double>(scale));
        th = truncTowardZero(th * static_cast<double>(scale));
    }
    return QSize(std::max(tw, 1), std::max(th, 1));
}

void paintTiles(Canvas &canvas, const QImage &bitmap, const QSize &tile, int width, int height)
{
    for (int y = 0; y < height; y += tile.height())
        for (int x = 0; x < width; x += tile.width())
            canvas.StretchDraw(x, y, x + tile.width(), y + tile.height(), bitmap);
}

int screenColorCount()
{
    if (gScreenColorCountOverride > 0)
        return gScreenColorCountOverride;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 0;
    if (depth <= 0 || depth > 30)
        return depth > 30 ? (1 << 30) : 256;
    return 1 << depth;
}

void overrideScreenColorCount(int count)
{
    gScreenColorCountOverride = count;
}

QSize printTileSize(const QImage &bitmap, double sx, double sy)
{
    // Tiles of no size would never end the rows; they print one pixel wide.
    return QSize(std::max(1, roundHalfEven(bitmap.width() * sx)), std::max(1, roundHalfEven(bitmap.height() * sy)));
}

void printTiles(TBaseReport &report, const QImage &bitmap, int dl, int dt, int dw, int dh, double sx,
                double sy, bool asOneBitmap)
{
    const double ppx = report.PixelsPerInchX(), ppy = report.PixelsPerInchY();
    const QSize tile = printTileSize(bitmap, sx, sy);
    const int tw = tile.width(), th = tile.height();
    if (asOneBitmap) {
        QImage whole(dw + 1, dh + 1, QImage::Format_RGB32);
        whole.fill(Qt::white);
        {
            QPainter painter(&whole);
            for (int j = 0; j * th < dh + th; ++j)
                for (int i = 0; i * tw < dw + tw; ++i)
                    painter.drawImage(QRect(i * tw, j * th, tw, th), bitmap);
        }
        report.PrintBitmapRect(dl / ppx, dt / ppy, (dl + dw) / ppx, (dt + dh) / ppy, whole);
        return;
    }
    for (int j = 0; j * th < dh + th; ++j) {
        for (int i = 0; i * tw < dw + tw; ++i) {
            const double x = (dl + i * tw) / ppx;
            const double y = (dt + j * th) / ppy;
            report.PrintBitmapRect(x, y, x + tw / ppx + 0.01, y + th / ppy + 0.01, bitmap);
        }
    }
}

void printGradient(TBaseReport &report, GradientFill::TFillDirection direction, TColor baseColor, TColor toColor,
                   const QRect &bands, const QRect &cover)
{
    report.SetPen(clBlack, psSolid, -1, pmCopy);
    const bool across = direction == GradientFill::gdLeft || direction == GradientFill::gdRight;
    int n = 0;
    GradientFill::forEachBand(direction, baseColor, toColor, bands.width(), bands.height(),
                              [&](const QRect &band, QRgb color) {
                                  const bool first = n == 0, last = n == GradientFill::BandCount - 1;
                                  ++n;
                                  TDeviceRect rect;
                                  if (across) {
                                      rect.left = first ? cover.left() : bands.left() + band.left();
                                      rect.right = last ? cover.right() + 1 : bands.left() + band.right() + 1;
                                      rect.top = cover.top();
                                      rect.bottom = cover.bottom() + 1;
                                  } else {
                                      rect.top = first ? cover.top() : bands.top() + band.top();
                                      rect.bottom = last ? cover.bottom() + 1 : bands.top() + band.bottom() + 1;
                                      rect.left = cover.left();
                                      rect.right = cover.right() + 1;
                                  }
                                  report.SetBrush(fromQColor(QColor(color)), bsSolid);
                                  report.FillRect(rect);
                              });
}

} // namespace SurfaceFill
} // namespace sw
