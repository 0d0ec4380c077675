#pragma once
// The screen's logical pixels per inch, read once and shared program-wide.
// Label files keep object bounds in these pixels and printing divides by
// this number to get inches, so it must not change while the program runs;
// tests override it to run the same code at 120 pixels per inch.

namespace sw {

class ScreenInfo
{
public:
    // Logical pixels per inch of the primary screen (96 when no screen is
    // known, as on the offscreen platform), or the test override.
    static int pixelsPerInch();
    // Replaces the value for the rest of the run; 0 returns to the screen's.
    static void overridePixelsPerInch(int ppi);
};

} // namespace sw
