// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/calculation/Calculation.h"

namespace zodrivel {

double julianDayUt(const BirthInstant& instant) { return 2451545.0 + instant.daysSinceJ2000; }

double northLatitude(const BirthData& birth) {
    if (birth.exactNorthLatitude) return *birth.exactNorthLatitude;
    const double degrees = birth.latDegrees + birth.latMinutes / 60.0;
    return birth.isSouth ? -degrees : degrees;
}

double eastLongitude(const BirthData& birth) {
    if (birth.exactEastLongitude) return *birth.exactEastLongitude;
    return -signedWestLongitude(birth);
}

Calculation calculate(const ProceedRecord& record, const Ephemeris& ephemeris,
                      const HouseCalculator* houses, HouseSystem system) {
    Calculation c;
    c.birth = record.birth;
    c.zone = record.zone;
    c.zonePosition = record.zonePosition;
    // The documented model reads the clock to the minute; a model that counts seconds gets them.
    c.instant =
        birthInstant(c.birth, c.zone,
                     ephemeris.name() == "classic" ? ClockSeconds::Ignored : ClockSeconds::Counted);
    c.ephemeris = std::string(ephemeris.name());
    c.chart = ephemeris.positions(c.instant);
    c.aspects = computeAspects(c.chart);
    c.aspectDetails = aspectDetails(c.aspects, c.chart);
    if (houses != nullptr) {
        c.houses = houses->houses(julianDayUt(c.instant), northLatitude(c.birth),
                                  eastLongitude(c.birth), system);
        for (int slot = 0; slot < ChartPointCount; ++slot) {
            c.bodyHouses[slot] = houseOf(c.chart.longitudes[slot], c.houses->cusps);
        }
    }
    return c;
}

}  // namespace zodrivel
