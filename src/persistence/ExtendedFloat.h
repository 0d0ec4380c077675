#pragma once
// Conversion between double and the 80-bit extended float of the component
// stream: 10 bytes, little-endian, holding a 64-bit significand with an
// explicit integer bit (bytes 0-7), then a 15-bit exponent biased by 16383
// and the sign in the top bit (bytes 8-9).
//
// Every double, including signed zeros, subnormals, infinities and NaN,
// widens exactly, so a double survives a round trip bit for bit (a NaN keeps
// its sign and payload and comes back quiet).
#include <QtGlobal>

#include <array>

namespace sw {

using Extended80 = std::array<quint8, 10>;

// Exact: every double has an extended value of the same number.
Extended80 doubleToExtended(double value);

// The nearest double, ties to even. Never fails; for the values a double
// cannot hold:
// - too large in magnitude (beyond DBL_MAX after rounding): +-infinity;
// - too small: the nearest subnormal, or a zero of the value's sign;
// - extended denormals (exponent 0) and unnormals (exponent not 0 but the
//   integer bit clear) are taken at the value their bits describe;
// - exponent all ones: +-infinity when the 63 fraction bits are zero
//   (whatever the integer bit), else a quiet NaN of the same sign.
double extendedToDouble(const Extended80 &bytes);

} // namespace sw
