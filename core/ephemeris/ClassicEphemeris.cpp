// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/ClassicEphemeris.h"

#include "core/ephemeris/ChartPositions.h"
#include "core/ephemeris/MoonLongitude.h"

namespace zodrivel {

ChartPoints ClassicEphemeris::positions(const BirthInstant& instant) const {
    return computeChartPositions(instant.daysSinceJ2000,
                                 computeMoonLongitude(instant.julianCenturies));
}

}  // namespace zodrivel
