// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/ephemeris/SwissEphemeris.h"

#include <mutex>
#include <swephexp.h>

#include "core/calculation/Calculation.h"
#include "core/model/Angles.h"

namespace zodrivel {

namespace {

// Debian's build keeps the library's working state in thread-local storage, so two threads do
// not share it. Its caches and the Delta T tables are still filled lazily on first use, and
// nothing in the library promises more; the calls are short (tens of microseconds), so one
// lock makes every call safe at no cost worth measuring.
std::mutex& libraryLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

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
    const std::scoped_lock guard(libraryLock());
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
    const std::scoped_lock guard(libraryLock());
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
