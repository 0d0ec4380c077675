#include "platform/Rounding.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

TEST(Rounding, HalfEvenTiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(sw::roundHalfEven(7.5), 8);  // 15 * 0.5
    EXPECT_EQ(sw::roundHalfEven(2.5), 2);
    EXPECT_EQ(sw::roundHalfEven(-2.5), -2);
    EXPECT_EQ(sw::roundHalfEven(254.4), 254); // 96 * 2.65
    EXPECT_EQ(sw::roundHalfEven(2.6), 3);
}

TEST(Rounding, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(sw::mulDiv(-16, 72, 96), -12);
    EXPECT_EQ(sw::mulDiv(-16, 72, 120), -10); // 9.6
    EXPECT_EQ(sw::mulDiv(3, 1, 2), 2);        // 1.5 away from zero
    EXPECT_EQ(sw::mulDiv(-3, 1, 2), -2);
    EXPECT_EQ(sw::mulDiv(5, 1, 0), -1);
    // 64-bit intermediate: the product overflows 32 bits.
    EXPECT_EQ(sw::mulDiv(100000, 100000, 100000), 100000);
}

TEST(Rounding, TruncDropsTheFraction)
{
    EXPECT_EQ(sw::truncTowardZero(-2.7), -2);
    EXPECT_EQ(sw::truncTowardZero(2.7), 2);
}

TEST(Rounding, OutOfRangeValuesSaturate)
{
    EXPECT_EQ(sw::roundHalfEven(3e9), INT_MAX);
    EXPECT_EQ(sw::roundHalfEven(-3e9), INT_MIN);
    EXPECT_EQ(sw::truncTowardZero(1e300), INT_MAX);
    EXPECT_EQ(sw::roundHalfEven(std::nan("")), 0);
}
