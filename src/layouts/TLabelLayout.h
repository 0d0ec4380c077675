#pragma once
// One sheet of label stock: label size and shape, rows and columns, the
// first label's position, the pitch from label to label, the sheet and its
// paper code, and the catalogue attributes. All lengths are inches.
#include <QString>

namespace sw {

struct TLabelLayout
{
    // Field widths of the string fields, in characters. Stored strings longer
    // than these lose their tail when read back.
    static constexpr int LayoutNameWidth = 60;
    static constexpr int PrinterTypeWidth = 2;
    static constexpr int PaperCodeWidth = 5;
    static constexpr int ShapeCodeWidth = 2;
    static constexpr int ProductCategoryWidth = 25;
    static constexpr int ArtNameWidth = 12;
    // Longest string the stream hands back before the field width applies.
    static constexpr int StoredStringLimit = 255;

    // The name every layout made in the layout editor carries.
    static constexpr const char* UserDefinedName = "USER DEFINED";

    // Fields in stored order; a value-initialised record is all zero/empty,
    // which is how the catalogue's free slots look.
    QString LayoutName;
    double LabelHeight = 0.0;
    double LabelWidth = 0.0;
    qint32 NumAcross = 0;
    qint32 NumDown = 0;
    double TopMargin = 0.0;
    double LeftMargin = 0.0;
    double HorizPitch = 0.0;
    double VertPitch = 0.0;
    double PageWidth = 0.0;
    double PageHeight = 0.0;
    double RightHalfOffset = 0.0; // 0 = none
    double LowerHalfOffset = 0.0; // 0 = none
    QString PrinterType;          // "LJ", "IJ" or empty
    QString PaperCode;            // see PaperCodes.h
    QString ShapeCode;            // see LabelShape.h
    QString ProductCategory;      // upper-case catalogue category
    QString ArtName;              // file-style name of the stock art, or empty

    // The layout current at start-up and after a failed file open: the
    // 30-up address label on Letter (note VertPitch 1.01, not 1.0).
    static TLabelLayout defaultLayout();

    // `s` cut as a stored string is on reading: to StoredStringLimit
    // characters, then to `width`. A cut never leaves half a surrogate pair.
    static QString cutToWidth(const QString& s, int width);

    // Every string field cut to its field width, as after reading it back.
    void cutToFieldWidths();

    bool operator==(const TLabelLayout& other) const;
    bool operator!=(const TLabelLayout& other) const { return !(*this == other); }
};

} // namespace sw
