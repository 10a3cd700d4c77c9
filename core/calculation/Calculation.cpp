// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/calculation/Calculation.h"

namespace zodrivel {

std::vector<ChartPoint> Chart::angles() const {
    if (!houses) return {};
    return {{PointId::Ascendant, houses->ascendant, 0, 1},
            {PointId::Midheaven, houses->midheaven, 0, houseOf(houses->midheaven, houses->cusps)}};
}

std::array<bool, AspectKindCount> Chart::kindsFound() const {
    return zodrivel::kindsFound(aspects, [](const Aspect& aspect) { return aspect.hit.kind; });
}

ChartChoice Chart::choice() const {
    return {model, houses ? houses->requested : DefaultHouseSystem};
}

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

Chart calculate(const ProceedRecord& record, const Ephemeris& ephemeris,
                const HouseCalculator* houses, HouseSystem system) {
    Chart c;
    c.birth = record.birth;
    c.zone = record.zone;
    c.zonePosition = record.zonePosition;
    c.model = ephemeris.model();
    // The documented model reads the clock to the minute; a model that counts seconds gets them.
    c.instant =
        birthInstant(c.birth, c.zone,
                     c.model == SkyModel::Classic ? ClockSeconds::Ignored : ClockSeconds::Counted);
    const ChartPoints positions = ephemeris.positions(c.instant);
    c.points.reserve(BodyCount);
    for (int slot = 0; slot < BodyCount; ++slot) {
        c.points.push_back(
            {bodyOfSlot(slot), positions.longitudes[slot], positions.speeds[slot], 0});
    }
    if (houses != nullptr) {
        c.houses = houses->houses(julianDayUt(c.instant), northLatitude(c.birth),
                                  eastLongitude(c.birth), system);
        for (ChartPoint& point : c.points) point.house = houseOf(point.longitude, c.houses->cusps);
    }
    c.aspects = withDetails(aspectsBetween(c.bodies(), c.bodies()), c.bodies());
    return c;
}

Chart calculate(const ProceedRecord& record, const SkySources& sources, const ChartChoice& choice) {
    return calculate(record, sources.ephemeris(choice.model), sources.houses, choice.houses);
}

}  // namespace zodrivel
