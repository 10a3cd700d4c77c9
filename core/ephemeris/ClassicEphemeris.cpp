// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/ClassicEphemeris.h"

#include "core/ephemeris/ChartPositions.h"
#include "core/ephemeris/MoonLongitude.h"
#include "core/model/Angles.h"

namespace zodrivel {

namespace {

ChartPoints positionsAt(double daysSinceJ2000, double julianCenturies) {
    return computeChartPositions(daysSinceJ2000, computeMoonLongitude(julianCenturies));
}

// Half the interval over which the speeds are taken. An hour either side keeps the Moon's
// curvature out of the figure (it moves some 13 degrees a day) while staying far above the
// rounding of the longitudes.
constexpr double HalfStepDays = 1.0 / 24.0;
constexpr double DaysPerJulianCentury = 36525.0;

}  // namespace

double signedArc(double degrees) {
    const double r = wrapDegrees(degrees);
    return r > 180.0 ? r - 360.0 : r;
}

ChartPoints ClassicEphemeris::positions(const BirthInstant& instant) const {
    // The longitudes are those of the instant itself, untouched; the speeds come from the same
    // model an hour before and after, so they agree with the positions shown.
    ChartPoints chart = positionsAt(instant.daysSinceJ2000, instant.julianCenturies);
    const double dt = HalfStepDays / DaysPerJulianCentury;
    const ChartPoints before =
        positionsAt(instant.daysSinceJ2000 - HalfStepDays, instant.julianCenturies - dt);
    const ChartPoints after =
        positionsAt(instant.daysSinceJ2000 + HalfStepDays, instant.julianCenturies + dt);
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        chart.speeds[slot] =
            signedArc(after.longitudes[slot] - before.longitudes[slot]) / (2 * HalfStepDays);
    }
    return chart;
}

}  // namespace zodrivel
