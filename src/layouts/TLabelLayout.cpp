#include "layouts/TLabelLayout.h"

namespace sw {

TLabelLayout TLabelLayout::defaultLayout()
{
    TLabelLayout l;
    l.LayoutName = QStringLiteral("Avery 5160 Address");
    l.LabelHeight = 1.0;
    l.LabelWidth = 2.65;
    l.NumAcross = 3;
    l.NumDown = 10;
    l.TopMargin = 0.5;
    l.LeftMargin = 0.188;
    l.HorizPitch = 2.765;
    l.VertPitch = 1.01;
    l.PageWidth = 8.5;
    l.PageHeight = 11.0;
    l.RightHalfOffset = 0.0;
    l.LowerHalfOffset = 0.0;
    l.PrinterType = QStringLiteral("LJ");
    l.PaperCode = QStringLiteral("LTR");
    l.ShapeCode = QStringLiteral("RR");
    l.ProductCategory = QStringLiteral("ADDRESS/SHIPPING LABELS");
    l.ArtName = QString();
    return l;
}

QString TLabelLayout::cutToWidth(const QString& s, int width)
{
    auto cut = [](const QString& v, int n) {
        if (n <= 0)
            return QString();
        if (v.size() <= n)
            return v;
        // A high surrogate left without its partner would be an invalid
        // character; drop it rather than keep half of it.
        if (v.at(n - 1).isHighSurrogate())
            --n;
        return v.left(n);
    };
    return cut(cut(s, StoredStringLimit), width);
}

void TLabelLayout::cutToFieldWidths()
{
    LayoutName = cutToWidth(LayoutName, LayoutNameWidth);
    PrinterType = cutToWidth(PrinterType, PrinterTypeWidth);
    PaperCode = cutToWidth(PaperCode, PaperCodeWidth);
    ShapeCode = cutToWidth(ShapeCode, ShapeCodeWidth);
    ProductCategory = cutToWidth(ProductCategory, ProductCategoryWidth);
    ArtName = cutToWidth(ArtName, ArtNameWidth);
}

bool TLabelLayout::operator==(const TLabelLayout& o) const
{
    return LayoutName == o.LayoutName && LabelHeight == o.LabelHeight
        && LabelWidth == o.LabelWidth && NumAcross == o.NumAcross && NumDown == o.NumDown
        && TopMargin == o.TopMargin && LeftMargin == o.LeftMargin
        && HorizPitch == o.HorizPitch && VertPitch == o.VertPitch
        && PageWidth == o.PageWidth && PageHeight == o.PageHeight
        && RightHalfOffset == o.RightHalfOffset && LowerHalfOffset == o.LowerHalfOffset
        && PrinterType == o.PrinterType && PaperCode == o.PaperCode
        && ShapeCode == o.ShapeCode && ProductCategory == o.ProductCategory
        && ArtName == o.ArtName;
}

} // namespace sw
