// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The Moon's geocentric ecliptic longitude, tropical, mean equinox of date.

#include "core/ephemeris/EclipticMotion.h"

namespace zodrivel {

// T in Julian centuries from J2000.0 (universal time); result in degrees, 0 <= x <= 360.
double computeMoonLongitude(double julianCenturies);

// The same longitude, bit for bit, with its speed in degrees per day: the derivative of the
// mean longitude and of each of the 25 terms (the factor E included).
EclipticMotion computeMoonMotion(double julianCenturies);

}  // namespace zodrivel
