// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/ClassicEphemeris.h"

#include "core/ephemeris/ChartPositions.h"
#include "core/ephemeris/MoonLongitude.h"
#include "core/model/Angles.h"

namespace zodrivel {

double signedArc(double degrees) {
    const double r = wrapDegrees(degrees);
    return r > 180.0 ? r - 360.0 : r;
}

ChartPoints ClassicEphemeris::positions(const BirthInstant& instant) const {
    // The speeds are the derivatives of the very formulas that give the longitudes, so they
    // agree with the positions shown and cost a fraction of a second evaluation.
    return computeChartMotions(instant.daysSinceJ2000, computeMoonMotion(instant.julianCenturies));
}

}  // namespace zodrivel
