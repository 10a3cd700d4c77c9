// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The Moon's geocentric ecliptic longitude, tropical, mean equinox of date.

namespace zodrivel {

// T in Julian centuries from J2000.0 (universal time); result in degrees, 0 <= x <= 360.
double computeMoonLongitude(double julianCenturies);

}  // namespace zodrivel
