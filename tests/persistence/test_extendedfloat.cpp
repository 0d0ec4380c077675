#include "persistence/ExtendedFloat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using sw::Extended80;
using sw::doubleToExtended;
using sw::extendedToDouble;

namespace {

// Bytes of an extended value from its parts: significand (bytes 0-7) and
// the sign/exponent word (bytes 8-9), little-endian.
Extended80 ext(quint64 significand, quint16 signExp)
{
    Extended80 x{};
    for (int i = 0; i < 8; ++i)
        x[static_cast<size_t>(i)] = static_cast<quint8>(significand >> (8 * i));
    x[8] = static_cast<quint8>(signExp);
    x[9] = static_cast<quint8>(signExp >> 8);
    return x;
}

quint64 bitsOf(double v)
{
    quint64 b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

double fromBits(quint64 b)
{
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

constexpr quint64 kOne = quint64(1) << 63; // integer bit of the significand

} // namespace

TEST(ExtendedFloat, KnownBytePatterns)
{
    struct Case
    {
        double value;
        Extended80 bytes;
    };
    const Case cases[] = {
        // 1.0 = 1.0 x 2^0: exponent 16383 = 0x3FFF.
        {1.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFF, 0x3F}},
        // 2.65 is the double 0x4005333333333333: 2^1 (0x4000), the 52
        // fraction bits 0x5333333333333 moved up 11 places under the integer
        // bit give 0xA999999999999800.
        {2.65, {0x00, 0x98, 0x99, 0x99, 0x99, 0x99, 0x99, 0xA9, 0x00, 0x40}},
        // -0.5 = -1.0 x 2^-1: exponent 0x3FFE, sign bit set.
        {-0.5, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFE, 0xBF}},
        // Smallest subnormal 2^-1074, normalised: exponent 16383 - 1074 = 0x3BCD.
        {std::numeric_limits<double>::denorm_min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}},
        // DBL_MAX = (2 - 2^-52) x 2^1023: exponent 16383 + 1023 = 0x43FE,
        // 53 one bits then 11 zero bits.
        {DBL_MAX, {0x00, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x43}},
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00}},
        {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}},
        {std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(doubleToExtended(c.value), c.bytes);
        EXPECT_EQ(bitsOf(extendedToDouble(c.bytes)), bitsOf(c.value));
    }
}

TEST(ExtendedFloat, EveryDoubleSurvivesTheRoundTripBitForBit)
{
    std::mt19937_64 random(20240611);
    std::vector<quint64> patterns = {
        bitsOf(DBL_MIN), bitsOf(-DBL_MIN), bitsOf(DBL_MIN) - 1 /* largest subnormal */,
        bitsOf(1e-310), bitsOf(-3e-320), bitsOf(1e308), bitsOf(0.1), bitsOf(-123456.789),
    };
    for (int i = 0; i < 20000; ++i)
        patterns.push_back(random());
    for (quint64 bits : patterns) {
        const double value = fromBits(bits);
        const double back = extendedToDouble(doubleToExtended(value));
        if (std::isnan(value)) {
            EXPECT_TRUE(std::isnan(back));
            EXPECT_EQ(std::signbit(back), std::signbit(value));
        } else {
            EXPECT_EQ(bitsOf(back), bits) << std::hex << bits;
        }
    }
}

TEST(ExtendedFloat, ReadingRoundsToNearestWithTiesToEven)
{
    // 1.0 plus half a double ulp (bit 10 of the significand) is a tie: stays 1.0.
    EXPECT_EQ(extendedToDouble(ext(kOne | 0x400, 0x3FFF)), 1.0);
    // Just above the tie rounds up.
    EXPECT_EQ(extendedToDouble(ext(kOne | 0x401, 0x3FFF)), 1.0 + DBL_EPSILON);
    // 1 + 1.5 ulp is a tie between 1 + ulp (odd) and 1 + 2 ulp (even).
    EXPECT_EQ(extendedToDouble(ext(kOne | 0xC00, 0x3FFF)), 1.0 + 2 * DBL_EPSILON);
    // All 64 bits set rounds up into the next binade: 2.0.
    EXPECT_EQ(extendedToDouble(ext(~quint64(0), 0x3FFF)), 2.0);
}

TEST(ExtendedFloat, ValuesOutsideTheDoubleRangeHaveDefinedResults)
{
    const double inf = std::numeric_limits<double>::infinity();
    // Largest finite extended values overflow to infinity of their sign.
    EXPECT_EQ(extendedToDouble(ext(~quint64(0), 0x7FFE)), inf);
    EXPECT_EQ(extendedToDouble(ext(~quint64(0), 0xFFFE)), -inf);
    // 2^1024 is just beyond DBL_MAX.
    EXPECT_EQ(extendedToDouble(ext(kOne, 0x3FFF + 1024)), inf);
    // DBL_MAX plus half an ulp is a tie; DBL_MAX's last bit is odd, so it
    // rounds up and overflows.
    EXPECT_EQ(extendedToDouble(ext(0xFFFFFFFFFFFFFC00, 0x43FE)), inf);
    EXPECT_EQ(extendedToDouble(ext(0xFFFFFFFFFFFFFBFF, 0x43FE)), DBL_MAX);

    // 2^-1075 is half the smallest subnormal: a tie that goes to (even) zero.
    EXPECT_EQ(bitsOf(extendedToDouble(ext(kOne, 0x3FFF - 1075))), bitsOf(0.0));
    // 1.5 x 2^-1075 rounds up to the smallest subnormal.
    EXPECT_EQ(extendedToDouble(ext(kOne | (kOne >> 1), 0x3FFF - 1075)),
              std::numeric_limits<double>::denorm_min());
    // Far below: a zero keeping the sign.
    EXPECT_EQ(bitsOf(extendedToDouble(ext(kOne, 0x8001))), bitsOf(-0.0));
    // An extended denormal (exponent 0) is far below any double.
    EXPECT_EQ(bitsOf(extendedToDouble(ext(1, 0x0000))), bitsOf(0.0));
    // A subnormal result with dropped bits: 2^-1073 + 2^-1074 plus far less
    // than half an ulp gives 3 x 2^-1074.
    EXPECT_EQ(extendedToDouble(ext(0xC000000000000000 | 0x1, 0x3FFF - 1073)),
              3 * std::numeric_limits<double>::denorm_min());
}

TEST(ExtendedFloat, UnnormalsAndSpecialEncodingsReadAsTheirValue)
{
    // Integer bit clear with a normal exponent: 0.5 x 2^0.
    EXPECT_EQ(extendedToDouble(ext(kOne >> 1, 0x3FFF)), 0.5);
    // Pseudo-infinity (integer bit clear) is still infinity.
    EXPECT_EQ(extendedToDouble(ext(0, 0x7FFF)), std::numeric_limits<double>::infinity());
    // NaN keeps its sign.
    const double nan = extendedToDouble(ext(0xC000000000000000, 0xFFFF));
    EXPECT_TRUE(std::isnan(nan));
    EXPECT_TRUE(std::signbit(nan));
    // A zero significand is zero whatever the exponent.
    EXPECT_EQ(extendedToDouble(ext(0, 0x3FFF)), 0.0);
}
