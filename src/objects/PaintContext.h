#pragma once
// What an object needs to know to paint itself on screen, beyond its own
// state: kept small on purpose, so painting never depends on editor state.

namespace sw {

struct PaintContext
{
    int pixelsPerInch = 96;    // of the surface painted on
    bool showPlaceholders = true; // editor hints such as "<blank>" lines
};

} // namespace sw
