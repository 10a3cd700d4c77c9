// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/ephemeris/SwissEphemeris.h"

#include <swephexp.h>

#include "core/calculation/Calculation.h"
#include "core/model/Angles.h"

namespace zodrivel {

// No lock around the calls. Debian builds the library with thread-local storage (sweodef.h's
// TLS is __thread), and every object it writes lives there: the working state, its caches and
// the Delta T tables, each filled lazily per thread. What remains process-wide is constant
// tables, the path buffer of swe_get_library_path and the saved declination of the Sunshine
// houses, neither of which is used here. A lock made every chart's calls take turns: a batch
// in the precise model, which spends nearly all its time in the library, gained nothing from a
// second core. The test that computes charts on four threads at once and compares them with
// one thread's guards this.

char swissHouseLetter(HouseSystem system) {
    switch (system) {
        case HouseSystem::Placidus: return 'P';
        case HouseSystem::Koch: return 'K';
        case HouseSystem::Equal: return 'E';
        case HouseSystem::WholeSign: return 'W';
        case HouseSystem::Porphyry: return 'O';
        case HouseSystem::Regiomontanus: return 'R';
        case HouseSystem::Campanus: return 'C';
    }
    return 'P';
}

ChartPoints PreciseEphemeris::positions(const BirthInstant& instant) const {
    ChartPoints chart;
    const double jd = julianDayUt(instant);
    // The slots follow the library's body numbers: Sun 0, Moon 1, Mercury 2 ... Pluto 9.
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        double result[6] = {};
        char error[AS_MAXCH] = {};
        // In the analytical mode the call cannot fail for 1901..2050; a body it refused would
        // keep zeros, which no test date shows.
        swe_calc_ut(jd, slot, SEFLG_MOSEPH | SEFLG_SPEED, result, error);
        chart.longitudes[slot] = wrapDegrees(result[0]);
        chart.speeds[slot] = result[3];
        chart.names[slot] = ChartPointNameTexts[slot];
    }
    return chart;
}

ChartHouses SwissHouseCalculator::houses(double julianDayUt, double latitude, double eastLongitude,
                                         HouseSystem system) const {
    ChartHouses result;
    result.requested = system;
    result.system = system;
    double cusps[13] = {};
    double angles[10] = {};
    // The library answers a system it cannot draw here (Placidus or Koch inside a polar
    // circle) with an error; Porphyry, which only trisects the quadrants, always has one.
    if (swe_houses_ex(julianDayUt, 0, latitude, eastLongitude, swissHouseLetter(system), cusps,
                      angles) < 0) {
        result.system = HouseSystem::Porphyry;
        swe_houses_ex(julianDayUt, 0, latitude, eastLongitude, 'O', cusps, angles);
    }
    for (int house = 0; house < 12; ++house) result.cusps[house] = wrapDegrees(cusps[house + 1]);
    result.ascendant = wrapDegrees(angles[0]);
    result.midheaven = wrapDegrees(angles[1]);
    return result;
}

}  // namespace zodrivel
