#pragma once
// The rounding words every measurement in the program uses.
//   roundHalfEven: round to nearest, ties to even (15 * 0.5 -> 8, 2.5 -> 2).
//   truncTowardZero: drop the fraction.
// Both saturate at the int range (NaN gives 0): bounds read from a damaged
// file may be huge, and converting an out-of-range double to int is
// undefined.
//   mulDiv: a * b / c with a 64-bit intermediate, rounded to nearest with
//     halves away from zero; c == 0 gives -1, as the platform call did.
#include <climits>
#include <cmath>
#include <cstdint>

namespace sw {

inline int saturateToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= double(INT_MAX))
        return INT_MAX;
    if (v <= double(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

inline int roundHalfEven(double v)
{
    return saturateToInt(std::nearbyint(v)); // default FP mode rounds ties to even
}

inline int truncTowardZero(double v)
{
    return saturateToInt(std::trunc(v));
}

inline int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t p = static_cast<int64_t>(a) * b;
    const int64_t absC = c < 0 ? -static_cast<int64_t>(c) : c;
    const int64_t absP = p < 0 ? -p : p;
    const int64_t q = (absP + absC / 2) / absC; // halves away from zero
    const bool negative = (p < 0) != (c < 0);
    return static_cast<int>(negative ? -q : q);
}

} // namespace sw
