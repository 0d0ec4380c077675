#pragma once
// The values the user-defined layout editor works on, in inches and single
// precision, with the unit conversions and the checks it applies before
// accepting a layout.
#include "layouts/TLabelLayout.h"

#include "platform/Exception.h"

#include <QByteArray>
#include <QString>

#include <exception>

namespace sw {

// A user-defined layout that breaks one of the editor's rules; message()
// is the text shown to the user.
class EValid : public Exception
{
public:
    using Exception::Exception;
};

namespace LayoutUnits {
constexpr double MillimetresPerInch = 25.4;
// 1 / 25.4, as the editor multiplies by it.
constexpr double InchesPerMillimetre = 0.039370078740157480314;

// `millimetres` in inches rounded to three decimal places: the value is
// formatted fixed-point with 7 significant digits and 3 decimals (half away
// from zero on its decimal expansion) and read back.
double millimetresToRoundedInches(double millimetres);
} // namespace LayoutUnits

struct UserLayoutValues
{
    float LabelWidth = 0.0f;
    float LabelHeight = 0.0f;
    float HorizPitch = 0.0f;
    float VertPitch = 0.0f;
    int NumAcross = 1;
    int NumDown = 1;
    float LeftMargin = 0.0f;
    float TopMargin = 0.0f;
    float PageWidth = 0.0f;
    float PageHeight = 0.0f;
    QString PaperCode;
    QString ShapeCode;

    // The ten values and two codes of `layout`, measurements in single
    // precision.
    static UserLayoutValues fromLayout(const TLabelLayout &layout);
    // A user-defined layout: these values, the name "USER DEFINED", empty
    // printer type, category and art name, no half offsets.
    TLabelLayout toUserDefinedLayout() const;

    // Throws EValid with the first rule broken, checked in this order:
    // label height, label width, horizontal pitch (two or more columns),
    // vertical pitch (two or more rows), page width, page height. Labels
    // running off the sheet are not checked.
    void ValidLabel() const;
};

} // namespace sw
