#pragma once
// Where the main window sits between runs: its normal (not maximised)
// rectangle in screen pixels and whether it was maximised, kept per screen
// resolution in the configuration file, and the arithmetic of putting a
// window back on a screen and centring it.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace sw {

class IniFile;

struct WindowPlacement
{
    // Left, top, right and bottom; right and bottom are one past the last
    // pixel, as the file keeps them. A rectangle with bottom 0 means "none
    // stored": the window is centred instead.
    QRect normal;
    bool maximized = false;

    // The section for a screen of `pixelsPerInch`: "TSKMainScreen_Placement",
    // with the number appended above 96 ("TSKMainScreen_Placement120").
    static QString sectionName(int pixelsPerInch);

    // Reads "Left", "Top", "Right", "Bottom" (default 0) and "Maximized"
    // (default `maximizedNow`).
    static WindowPlacement read(const IniFile &ini, const QString &section, bool maximizedNow);
    // Writes the five keys; false when the file could not be written.
    bool write(IniFile &ini, const QString &section) const;

    // Bottom edge as stored (one past the last row).
    int storedBottom() const { return normal.y() + normal.height(); }
};

// `rect` moved back onto a screen of `screen` size, keeping its size: when
// its right edge lies beyond the screen's width it is shifted left until it
// ends at the edge, and likewise up for the bottom. A shift never takes the
// left or top edge below 0, so a window larger than the screen keeps its
// title bar reachable.
QRect fitRectToScreen(const QRect &rect, const QSize &screen);

// Top-left that centres a form of `form` size on a screen of `screen` size
// (halves truncated toward zero).
QPoint centeredOnScreen(const QSize &screen, const QSize &form);

} // namespace sw
