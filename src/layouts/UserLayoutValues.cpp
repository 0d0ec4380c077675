#include "layouts/UserLayoutValues.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace sw {

namespace LayoutUnits {

namespace {

// Rounds `value` to `decimals` places the way a fixed-point format does:
// on its decimal expansion (17 significant digits, enough to name the
// double), halves away from zero.
double roundDecimal(double value, int decimals)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.16e", std::fabs(value));
    // buf is "d.dddddddddddddddde[+-]XX": value = 0.DIGITS x 10^(exponent + 1).
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 16);
    int exponent = std::atoi(buf + 19) + 1;
    const int keep = exponent + decimals;
    if (keep >= static_cast<int>(digits.size()))
        return value;
    if (keep < 0)
        return value < 0 ? -0.0 : 0.0;
    const bool roundUp = digits[static_cast<size_t>(keep)] >= '5';
    digits.resize(static_cast<size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0 && digits[static_cast<size_t>(i)] == '9'; --i)
            digits[static_cast<size_t>(i)] = '0';
        if (i >= 0) {
            ++digits[static_cast<size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    if (digits.empty())
        return value < 0 ? -0.0 : 0.0;
    const std::string text = "0." + digits + "e" + std::to_string(exponent);
    const double result = std::strtod(text.c_str(), nullptr);
    return value < 0 ? -result : result;
}

} // namespace

double millimetresToRoundedInches(double millimetres)
{
    const double inches = millimetres * InchesPerMillimetre;
    if (!std::isfinite(inches))
        return inches;
    // Precision 7 wins over 3 decimals for values of five or more integer
    // digits.
    const int integerDigits = inches == 0.0 ? 1 : static_cast<int>(std::floor(std::log10(std::fabs(inches)))) + 1;
    const int decimals = std::min(3, 7 - std::max(integerDigits, 1));
    return roundDecimal(inches, decimals);
}

} // namespace LayoutUnits

UserLayoutValues UserLayoutValues::fromLayout(const TLabelLayout &l)
{
    UserLayoutValues v;
    v.LabelWidth = static_cast<float>(l.LabelWidth);
    v.LabelHeight = static_cast<float>(l.LabelHeight);
    v.HorizPitch = static_cast<float>(l.HorizPitch);
    v.VertPitch = static_cast<float>(l.VertPitch);
    v.NumAcross = l.NumAcross;
    v.NumDown = l.NumDown;
    v.LeftMargin = static_cast<float>(l.LeftMargin);
    v.TopMargin = static_cast<float>(l.TopMargin);
    v.PageWidth = static_cast<float>(l.PageWidth);
    v.PageHeight = static_cast<float>(l.PageHeight);
    v.PaperCode = l.PaperCode;
    v.ShapeCode = l.ShapeCode;
    return v;
}

TLabelLayout UserLayoutValues::toUserDefinedLayout() const
{
    TLabelLayout l;
    l.LayoutName = QLatin1String(TLabelLayout::UserDefinedName);
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
    l.RightHalfOffset = 0.0;
    l.LowerHalfOffset = 0.0;
    l.PaperCode = PaperCode;
    l.ShapeCode = ShapeCode;
    l.cutToFieldWidths();
    return l;
}

void UserLayoutValues::ValidLabel() const
{
    // The single-precision values against the double constants: 0.3 typed
    // in inches (0.3f is a little above 0.3) passes.
    if (LabelHeight < 0.3)
        throw EValid(QStringLiteral("Label Height must be at least .3 inches (or 7mm)"));
    if (LabelWidth < 0.5)
        throw EValid(QStringLiteral("Label Width must be at least .5 inch (or 13mm)"));
    if (NumAcross >= 2 && HorizPitch < LabelWidth)
        throw EValid(QStringLiteral("Horizontal Pitch must be at least = Label Width"));
    if (NumDown >= 2 && VertPitch < LabelHeight)
        throw EValid(QStringLiteral("Vertical Pitch must be at least = Label Height"));
    if (PageWidth < 0.3)
        throw EValid(QStringLiteral("Page Width must be at least .3 inch"));
    if (PageHeight < 0.3)
        throw EValid(QStringLiteral("Page Height must be at least .3 inches"));
}

} // namespace sw
