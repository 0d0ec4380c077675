#pragma once
// The design panel's size at zoom 1.0 for a layout: one label in screen
// pixels.
#include "layouts/LayoutWorkingCopy.h"
#include "layouts/TLabelLayout.h"

#include <QSize>
#include <QString>

namespace sw {

// Largest panel side in pixels. Layouts from files and the catalogue are not
// checked, so absurd sizes are held to this rather than overflowing.
constexpr int MaxPanelPixels = 32767;

// Width Round(ppi x LabelWidth), height Round(ppi x LabelHeight), Round
// being half to even; each side held to 0..MaxPanelPixels (NaN gives 0).
QSize panelPixelSize(double labelWidthInches, double labelHeightInches, int ppi);
QSize panelPixelSize(const TLabelLayout& layout, int ppi);
QSize panelPixelSize(const LayoutWorkingCopy& layout, int ppi);

// Whether a panel of `currentSize` showing `currentShapeCode` must be laid
// out again for a layout wanting `newSize` and `newShapeCode`: only when
// either differs (codes compared exactly).
bool panelNeedsResize(const QSize& currentSize, const QString& currentShapeCode,
                      const QSize& newSize, const QString& newShapeCode);

} // namespace sw
