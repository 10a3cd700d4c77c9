// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Angle constants and reductions shared by the Moon, the planets and the aspect search.

#include <cmath>

namespace zodrivel {

// The astronomy uses these 15-digit values, not the library's more precise ones; the published
// worked positions depend on them in the last decimals.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717958;
inline constexpr double DegToRad = 0.0174532925199433;  // pi/180, cut to 15 digits

// An angle in degrees brought into one turn, 0 <= x < 360 (for a tiny negative x, x + 360
// may round to 360 itself). The one wrap of the program: geometry uses it as it is, and
// reduceDegrees below builds the astronomy's reduction on it.
inline double wrapDegrees(double degrees) {
    // Within a turn either side of 0 (nearly every call: a longitude, or the difference of two)
    // the remainder below is the angle itself, so the sum is the same without the division.
    if (degrees >= 0 && degrees < 360.0) return degrees + 0.0;
    if (degrees < 0 && degrees > -360.0) return degrees + 360.0;
    const double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360.0 : r + 0.0;  // + 0.0 turns -0 into 0
}

// Brings a longitude into 0 <= x <= 360 with the result of adding or subtracting 360 until it
// fits: a positive exact multiple of 360 ends as 360, not 0. Adding 360 to a double is exact
// at these magnitudes, so the remainder equals the loop without its ~1300 iterations for a
// 1901 Moon.
inline double reduceDegrees(double degrees) {
    if (degrees >= 0 && degrees <= 360) return degrees;
    const double r = wrapDegrees(degrees);
    return degrees > 360 && r == 0 ? 360.0 : r;
}

// std::remainder(x, 360): x brought within half a turn of 0 (-180..180, a tie keeping its
// side). For the difference of two longitudes of 0..360 it is x itself or x minus or plus a
// turn, each exact, without the library call; anything else (a whole turn either way, where
// the sign of a zero result matters, or beyond) takes the library's road.
inline double remainderOfTurn(double x) {
    if (x >= -180.0 && x <= 180.0) return x;
    if (x > 180.0 && x < 360.0) return x - 360.0;
    if (x < -180.0 && x > -360.0) return x + 360.0;
    return std::remainder(x, 360.0);
}

// Nearest whole number, an exact half going to the even neighbour (10.5 -> 10, 11.5 -> 12).
inline int roundHalfEven(double x) {
    const double nearest = std::round(x);  // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(nearest, 2.0) != 0) {
        return static_cast<int>(nearest - std::copysign(1.0, x));
    }
    return static_cast<int>(nearest);
}

// roundHalfEven for the differences of two longitudes, in a few instructions instead of a
// library call: adding and taking away 1.5 * 2^52 leaves no bits below the units, and the
// addition rounds to nearest with ties to even, the mode the program never leaves. Exact for
// |x| < 2^51; anything else (a NaN included) takes the general route. (Only a build with
// -ffast-math could cancel the two steps; the program is not built so, and the aspect search
// is tested against roundHalfEven itself.)
inline int roundLongitudeDifference(double x) {
    constexpr double Shift = 6755399441055744.0;  // 1.5 * 2^52
    if (!(std::fabs(x) < 0x1p51)) return roundHalfEven(x);
    const double shifted = x + Shift;
    return static_cast<int>(shifted - Shift);
}

}  // namespace zodrivel
