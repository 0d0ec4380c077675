#include "layouts/UserLayoutValues.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

UserLayoutValues valid()
{
    UserLayoutValues v = UserLayoutValues::fromLayout(TLabelLayout::defaultLayout());
    return v;
}

QString failure(const UserLayoutValues &v)
{
    try {
        v.ValidLabel();
    } catch (const EValid &e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(UserLayoutValues, MillimetresRoundToThousandthsOfAnInch)
{
    using LayoutUnits::millimetresToRoundedInches;
    EXPECT_EQ(millimetresToRoundedInches(25.4), 1.0);
    EXPECT_EQ(millimetresToRoundedInches(7.0), 0.276);     // 0.27559...
    EXPECT_EQ(millimetresToRoundedInches(12.7), 0.5);
    EXPECT_EQ(millimetresToRoundedInches(0.5), 0.02);      // 0.019685...
    EXPECT_EQ(millimetresToRoundedInches(215.9), 8.5);
    EXPECT_EQ(millimetresToRoundedInches(296.926), 11.69);
    EXPECT_EQ(millimetresToRoundedInches(67.31), 2.65);
    EXPECT_EQ(millimetresToRoundedInches(-7.0), -0.276);
    EXPECT_EQ(millimetresToRoundedInches(0.0), 0.0);
    // A half rounds away from zero: 0.0127 mm = 0.0005 in.
    EXPECT_EQ(millimetresToRoundedInches(0.0127), 0.001);
    // Rounding up carries through the nines.
    EXPECT_EQ(millimetresToRoundedInches(9.9996 * 25.4), 10.0);
    // Seven significant digits win for very large values.
    EXPECT_EQ(millimetresToRoundedInches(123456.789 * 25.4), 123456.8);
}

TEST(UserLayoutValues, ValidLabelReportsTheFirstBrokenRule)
{
    EXPECT_EQ(failure(valid()), QString());

    UserLayoutValues v = valid();
    v.LabelHeight = 0.29f;
    v.LabelWidth = 0.1f; // also broken, but height is checked first
    EXPECT_EQ(failure(v), "Label Height must be at least .3 inches (or 7mm)");

    v = valid();
    v.LabelWidth = 0.49f;
    EXPECT_EQ(failure(v), "Label Width must be at least .5 inch (or 13mm)");

    v = valid();
    v.HorizPitch = v.LabelWidth - 0.01f;
    EXPECT_EQ(failure(v), "Horizontal Pitch must be at least = Label Width");
    v.NumAcross = 1; // one column: the pitch is not checked
    EXPECT_EQ(failure(v), QString());

    v = valid();
    v.VertPitch = v.LabelHeight - 0.01f;
    EXPECT_EQ(failure(v), "Vertical Pitch must be at least = Label Height");
    v.NumDown = 1;
    EXPECT_EQ(failure(v), QString());

    v = valid();
    v.PageWidth = 0.2f;
    EXPECT_EQ(failure(v), "Page Width must be at least .3 inch");

    v = valid();
    v.PageHeight = 0.2f;
    EXPECT_EQ(failure(v), "Page Height must be at least .3 inches");

    // Labels running off the sheet are accepted.
    v = valid();
    v.NumDown = 30;
    EXPECT_EQ(failure(v), QString());
}

TEST(UserLayoutValues, LimitsCompareSinglePrecisionValues)
{
    UserLayoutValues v = valid();
    v.LabelHeight = 0.3f; // 0.30000001 is not below 0.3
    v.VertPitch = 0.3f;
    v.LabelWidth = 0.5f;
    v.HorizPitch = 0.5f;
    EXPECT_EQ(failure(v), QString());
    v.LabelHeight = static_cast<float>(LayoutUnits::millimetresToRoundedInches(7.0));
    EXPECT_EQ(failure(v), "Label Height must be at least .3 inches (or 7mm)");
}

TEST(UserLayoutValues, UserDefinedLayoutClearsCatalogueFields)
{
    TLabelLayout source = TLabelLayout::defaultLayout();
    source.RightHalfOffset = 0.25;
    source.ArtName = "AV5160";
    UserLayoutValues v = UserLayoutValues::fromLayout(source);
    v.PaperCode = "A4L";
    v.ShapeCode = "EL";
    const TLabelLayout l = v.toUserDefinedLayout();
    EXPECT_EQ(l.LayoutName, "USER DEFINED");
    EXPECT_EQ(l.LabelWidth, static_cast<double>(2.65f));
    EXPECT_EQ(l.VertPitch, static_cast<double>(1.01f));
    EXPECT_EQ(l.NumAcross, 3);
    EXPECT_EQ(l.NumDown, 10);
    EXPECT_EQ(l.PaperCode, "A4L");
    EXPECT_EQ(l.ShapeCode, "EL");
    EXPECT_TRUE(l.PrinterType.isEmpty());
    EXPECT_TRUE(l.ProductCategory.isEmpty());
    EXPECT_TRUE(l.ArtName.isEmpty());
    EXPECT_EQ(l.RightHalfOffset, 0.0);
    EXPECT_EQ(l.LowerHalfOffset, 0.0);
}
