#include "persistence/ExtendedFloat.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace sw {

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr quint64 kIntegerBit = quint64(1) << 63;

Extended80 pack(bool negative, int exponent, quint64 significand)
{
    Extended80 out{};
    for (int i = 0; i < 8; ++i)
        out[static_cast<size_t>(i)] = static_cast<quint8>(significand >> (8 * i));
    const quint16 signExp = static_cast<quint16>((negative ? 0x8000 : 0) | (exponent & 0x7FFF));
    out[8] = static_cast<quint8>(signExp);
    out[9] = static_cast<quint8>(signExp >> 8);
    return out;
}

int highestBit(quint64 v)
{
    int bit = 63;
    while (!(v & (quint64(1) << bit)))
        --bit;
    return bit;
}

} // namespace

Extended80 doubleToExtended(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = bits >> 63;
    const int exp11 = static_cast<int>((bits >> 52) & 0x7FF);
    const quint64 frac = bits & ((quint64(1) << 52) - 1);

    if (exp11 == 0x7FF) {
        if (frac == 0)
            return pack(negative, 0x7FFF, kIntegerBit);
        // NaN: keep the payload and make it quiet, as the hardware does.
        return pack(negative, 0x7FFF, kIntegerBit | (quint64(1) << 62) | (frac << 11));
    }
    if (exp11 == 0) {
        if (frac == 0)
            return pack(negative, 0, 0);
        // Subnormal double: frac * 2^-1074. Normalise so that the highest set
        // bit becomes the integer bit; the extended range is wide enough.
        const int msb = highestBit(frac);
        const quint64 significand = frac << (63 - msb);
        return pack(negative, kExtendedBias - 1074 + msb, significand);
    }
    return pack(negative, exp11 - kDoubleBias + kExtendedBias, kIntegerBit | (frac << 11));
}

double extendedToDouble(const Extended80 &bytes)
{
    quint64 significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[static_cast<size_t>(i)];
    const int signExp = bytes[8] | (bytes[9] << 8);
    const bool negative = signExp & 0x8000;
    const int exponent = signExp & 0x7FFF;
    const double sign = negative ? -1.0 : 1.0;

    if (exponent == 0x7FFF) {
        if ((significand & ~kIntegerBit) == 0)
            return sign * std::numeric_limits<double>::infinity();
        return std::copysign(std::numeric_limits<double>::quiet_NaN(), sign);
    }
    if (significand == 0)
        return sign * 0.0;

    // value = significand * 2^(e - 63), e being the unbiased exponent;
    // denormals use the smallest normal exponent, unnormals are taken as is.
    const int e = (exponent == 0 ? 1 : exponent) - kExtendedBias;
    // Normalise: after this the integer bit is set and the value lies in
    // [2^lead, 2^(lead+1)).
    const int msb = highestBit(significand);
    significand <<= (63 - msb);
    int lead = e - (63 - msb);

    if (lead > kDoubleBias)
        return sign * std::numeric_limits<double>::infinity();

    // Bits to drop from the 64-bit significand: 11 for a normal double,
    // more when the result is subnormal.
    int drop = 11;
    if (lead < 1 - kDoubleBias)
        drop += (1 - kDoubleBias) - lead;
    if (drop > 64)
        return sign * 0.0; // below half the smallest subnormal

    quint64 kept;
    quint64 rest;
    quint64 half;
    if (drop == 64) {
        kept = 0;
        rest = significand;
        half = kIntegerBit;
    } else {
        kept = significand >> drop;
        rest = significand & ((quint64(1) << drop) - 1);
        half = quint64(1) << (drop - 1);
    }
    if (rest > half || (rest == half && (kept & 1)))
        ++kept;

    // kept is at most 2^53 (a carry out of the top), exact in a double; ldexp
    // then scales it exactly, or overflows to infinity past DBL_MAX.
    const double magnitude = std::ldexp(static_cast<double>(kept), lead - 63 + drop);
    return sign * magnitude;
}

} // namespace sw
