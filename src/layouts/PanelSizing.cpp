#include "layouts/PanelSizing.h"

#include "platform/Rounding.h"

namespace sw {

namespace {

int sidePixels(double inches, int ppi)
{
    const double px = static_cast<double>(ppi) * inches;
    if (!(px > 0.0)) // negative, zero or NaN
        return 0;
    if (px >= MaxPanelPixels)
        return MaxPanelPixels;
    return roundHalfEven(px);
}

} // namespace

QSize panelPixelSize(double labelWidthInches, double labelHeightInches, int ppi)
{
    return QSize(sidePixels(labelWidthInches, ppi), sidePixels(labelHeightInches, ppi));
}

QSize panelPixelSize(const TLabelLayout& layout, int ppi)
{
    return panelPixelSize(layout.LabelWidth, layout.LabelHeight, ppi);
}

QSize panelPixelSize(const LayoutWorkingCopy& layout, int ppi)
{
    return panelPixelSize(layout.LabelWidth, layout.LabelHeight, ppi);
}

bool panelNeedsResize(const QSize& currentSize, const QString& currentShapeCode,
                      const QSize& newSize, const QString& newShapeCode)
{
    return currentSize != newSize || currentShapeCode != newShapeCode;
}

} // namespace sw
