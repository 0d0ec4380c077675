#pragma once
// The form in which the main window keeps the current layout: strings as
// ordinary strings, the eight measurements in single precision, the counts
// as integers and the half offsets as unchanged doubles. A layout that
// passes through it therefore comes back with single-precision measurements
// (2.65 returns as 2.6500000953674316) and exact half offsets; files written
// from it carry that rounding.
#include "layouts/TLabelLayout.h"

#include <QString>

namespace sw {

struct LayoutWorkingCopy
{
    QString LayoutName;
    float LabelHeight = 0.0f;
    float LabelWidth = 0.0f;
    int NumAcross = 0;
    int NumDown = 0;
    float TopMargin = 0.0f;
    float LeftMargin = 0.0f;
    float HorizPitch = 0.0f;
    float VertPitch = 0.0f;
    float PageWidth = 0.0f;
    float PageHeight = 0.0f;
    double RightHalfOffset = 0.0;
    double LowerHalfOffset = 0.0;
    QString PrinterType;
    QString PaperCode;
    QString ShapeCode;
    QString ProductCategory;
    QString ArtName;

    // Measurements rounded to single precision, everything else copied.
    static LayoutWorkingCopy fromLayout(const TLabelLayout& layout);
    // Measurements widened back to double, strings cut to their field widths.
    TLabelLayout toLayout() const;
};

} // namespace sw
