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

// Nearest whole number, an exact half going to the even neighbour (10.5 -> 10, 11.5 -> 12).
inline int roundHalfEven(double x) {
    const double nearest = std::round(x);  // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(nearest, 2.0) != 0) {
        return static_cast<int>(nearest - std::copysign(1.0, x));
    }
    return static_cast<int>(nearest);
}

}  // namespace zodrivel
