// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The classic model's chart positions: the Sun and the planets from their orbital elements,
// carried to the equinox of date, beside the Moon.

#include "core/ephemeris/EclipticMotion.h"
#include "core/model/ChartPoints.h"

namespace zodrivel {

// General precession in longitude since J2000, degrees, for d days from J2000.
double precessionSinceJ2000(double d);
// Its rate, degrees per day, at d days from J2000.
double precessionRate(double d);

// Fills slots 0..9. The planets come from elements referred to the equinox of J2000 and are
// carried to the equinox of date (as the Moon already is) so that Moon-planet aspects compare
// like with like; the Moon's longitude is copied unchanged.
ChartPoints computeChartPositions(double daysSinceJ2000, double moonLongitude);

// The same longitudes, bit for bit, with the speeds of slots 0..9: each planet's from the
// derivative of its orbit, the precession's rate added; the Moon's as given.
ChartPoints computeChartMotions(double daysSinceJ2000, const EclipticMotion& moon);

}  // namespace zodrivel
