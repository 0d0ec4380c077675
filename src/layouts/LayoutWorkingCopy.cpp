#include "layouts/LayoutWorkingCopy.h"

#include <limits>

namespace sw {

namespace {

// Narrowing a double beyond float's range is undefined in C++; a stored
// file may hold any value, so saturate to infinity explicitly.
float toSingle(double v)
{
    constexpr double maxFloat = std::numeric_limits<float>::max();
    if (v > maxFloat)
        return std::numeric_limits<float>::infinity();
    if (v < -maxFloat)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

} // namespace

LayoutWorkingCopy LayoutWorkingCopy::fromLayout(const TLabelLayout& l)
{
    LayoutWorkingCopy w;
    w.LayoutName = l.LayoutName;
    w.LabelHeight = toSingle(l.LabelHeight);
    w.LabelWidth = toSingle(l.LabelWidth);
    w.NumAcross = l.NumAcross;
    w.NumDown = l.NumDown;
    w.TopMargin = toSingle(l.TopMargin);
    w.LeftMargin = toSingle(l.LeftMargin);
    w.HorizPitch = toSingle(l.HorizPitch);
    w.VertPitch = toSingle(l.VertPitch);
    w.PageWidth = toSingle(l.PageWidth);
    w.PageHeight = toSingle(l.PageHeight);
    w.RightHalfOffset = l.RightHalfOffset;
    w.LowerHalfOffset = l.LowerHalfOffset;
    w.PrinterType = l.PrinterType;
    w.PaperCode = l.PaperCode;
    w.ShapeCode = l.ShapeCode;
    w.ProductCategory = l.ProductCategory;
    w.ArtName = l.ArtName;
    return w;
}

TLabelLayout LayoutWorkingCopy::toLayout() const
{
    TLabelLayout l;
    l.LayoutName = LayoutName;
    l.LabelHeight = LabelHeight;
    l.LabelWidth = LabelWidth;
    l.NumAcross = NumAcross;
    l.NumDown = NumDown;
    l.TopMargin = TopMargin;
    l.LeftMargin = LeftMargin;
    l.HorizPitch = HorizPitch;
    l.VertPitch = VertPitch;
    l.PageWidth = PageWidth;
    l.PageHeight = PageHeight;
    l.RightHalfOffset = RightHalfOffset;
    l.LowerHalfOffset = LowerHalfOffset;
    l.PrinterType = PrinterType;
    l.PaperCode = PaperCode;
    l.ShapeCode = ShapeCode;
    l.ProductCategory = ProductCategory;
    l.ArtName = ArtName;
    l.cutToFieldWidths();
    return l;
}

} // namespace sw
