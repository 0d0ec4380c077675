#include "persistence/LayoutRecordStream.h"

#include "persistence/TReader.h"
#include "persistence/TWriter.h"

namespace sw {

void writeLayoutRecord(TWriter &w, const TLabelLayout &l)
{
    // Each string is the field's short string: never longer than its width.
    w.WriteString(TLabelLayout::cutToWidth(l.LayoutName, TLabelLayout::LayoutNameWidth));
    w.WriteFloat(l.LabelHeight);
    w.WriteFloat(l.LabelWidth);
    w.WriteInteger(l.NumAcross);
    w.WriteInteger(l.NumDown);
    w.WriteFloat(l.TopMargin);
    w.WriteFloat(l.LeftMargin);
    w.WriteFloat(l.HorizPitch);
    w.WriteFloat(l.VertPitch);
    w.WriteFloat(l.PageWidth);
    w.WriteFloat(l.PageHeight);
    w.WriteFloat(l.RightHalfOffset);
    w.WriteFloat(l.LowerHalfOffset);
    w.WriteString(TLabelLayout::cutToWidth(l.PrinterType, TLabelLayout::PrinterTypeWidth));
    w.WriteString(TLabelLayout::cutToWidth(l.PaperCode, TLabelLayout::PaperCodeWidth));
    w.WriteString(TLabelLayout::cutToWidth(l.ShapeCode, TLabelLayout::ShapeCodeWidth));
    w.WriteString(TLabelLayout::cutToWidth(l.ProductCategory, TLabelLayout::ProductCategoryWidth));
    w.WriteString(TLabelLayout::cutToWidth(l.ArtName, TLabelLayout::ArtNameWidth));
}

void readLayoutRecord(TReader &r, TLabelLayout &l)
{
    l.LayoutName = TLabelLayout::cutToWidth(r.ReadString(), TLabelLayout::LayoutNameWidth);
    l.LabelHeight = r.ReadFloat();
    l.LabelWidth = r.ReadFloat();
    l.NumAcross = r.ReadInteger();
    l.NumDown = r.ReadInteger();
    l.TopMargin = r.ReadFloat();
    l.LeftMargin = r.ReadFloat();
    l.HorizPitch = r.ReadFloat();
    l.VertPitch = r.ReadFloat();
    l.PageWidth = r.ReadFloat();
    l.PageHeight = r.ReadFloat();
    l.RightHalfOffset = r.ReadFloat();
    l.LowerHalfOffset = r.ReadFloat();
    l.PrinterType = TLabelLayout::cutToWidth(r.ReadString(), TLabelLayout::PrinterTypeWidth);
    l.PaperCode = TLabelLayout::cutToWidth(r.ReadString(), TLabelLayout::PaperCodeWidth);
    l.ShapeCode = TLabelLayout::cutToWidth(r.ReadString(), TLabelLayout::ShapeCodeWidth);
    l.ProductCategory = TLabelLayout::cutToWidth(r.ReadString(), TLabelLayout::ProductCategoryWidth);
    l.ArtName = TLabelLayout::cutToWidth(r.ReadString(), TLabelLayout::ArtNameWidth);
}

const QStringList &layoutRecordFieldNames()
{
    static const QStringList names = {
        QStringLiteral("LayoutName"),      QStringLiteral("LabelHeight"),     QStringLiteral("LabelWidth"),
        QStringLiteral("NumAcross"),       QStringLiteral("NumDown"),         QStringLiteral("TopMargin"),
        QStringLiteral("LeftMargin"),      QStringLiteral("HorizPitch"),      QStringLiteral("VertPitch"),
        QStringLiteral("PageWidth"),       QStringLiteral("PageHeight"),      QStringLiteral("RightHalfOffset"),
        QStringLiteral("LowerHalfOffset"), QStringLiteral("PrinterType"),     QStringLiteral("PaperCode"),
        QStringLiteral("ShapeCode"),       QStringLiteral("ProductCategory"), QStringLiteral("ArtName"),
    };
    return names;
}

} // namespace sw
