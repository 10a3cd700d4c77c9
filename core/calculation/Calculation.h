// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// One calculation: the value that the Proceed driver fills stage by stage.

#include <optional>
#include <string>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectSearch.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/houses/Houses.h"
#include "core/model/BirthData.h"
#include "core/model/ChartPoints.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

struct Calculation {
    BirthData birth;
    ZoneCorrection zone;
    int zonePosition = -1;  // the zone list row, for showing what was applied
    BirthInstant instant;   // universal time, Julian centuries and the universal date
    std::string ephemeris;  // the model that gave `chart`: "classic" or "precise"
    ChartPoints chart;      // the ten bodies as the ephemeris gave them, with their speeds
    AspectSearchResult aspects;
    std::vector<AspectDetail> aspectDetails;  // one per aspects.hits entry, same order
    // Angles and cusps; absent when the caller gave no house calculator. `houses->system`
    // is Porphyry and `houses->fellBack()` true where Placidus or Koch has no answer.
    std::optional<ChartHouses> houses;
    std::array<int, ChartPointCount> bodyHouses{};  // house 1..12 of each body; 0 without houses
};

// The Julian date on the scale of universal time of the birth instant, to the minute.
double julianDayUt(const BirthInstant& instant);

// The birth place in degrees: latitude north positive, longitude east positive.
double northLatitude(const BirthData& birth);
double eastLongitude(const BirthData& birth);

// The stages in their fixed order: the birth instant, the positions from `ephemeris`, then the
// aspect search over them and its details; with `houses`, the angles and cusps in `system`
// and the house of each body.
Calculation calculate(const ProceedRecord& record, const Ephemeris& ephemeris,
                      const HouseCalculator* houses = nullptr,
                      HouseSystem system = DefaultHouseSystem);

}  // namespace zodrivel
