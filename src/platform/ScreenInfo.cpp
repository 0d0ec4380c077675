#include "platform/ScreenInfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace sw {

namespace {
int gOverride = 0;
int gCached = 0;
} // namespace

int ScreenInfo::pixelsPerInch()
{
    if (gOverride > 0)
        return gOverride;
    if (gCached == 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
        gCached = dpi > 0 ? static_cast<int>(std::lround(dpi)) : 96;
    }
    return gCached;
}

void ScreenInfo::overridePixelsPerInch(int ppi)
{
    gOverride = ppi;
}

} // namespace sw
