// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// One calculation: the value that the Proceed driver fills stage by stage.

#include "core/aspects/AspectSearch.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/model/BirthData.h"
#include "core/model/ChartPoints.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

struct Calculation {
    BirthData birth;
    ZoneCorrection zone;
    int zonePosition = -1;  // the zone list row, for showing what was applied
    BirthInstant instant;   // universal time, Julian centuries and the universal date
    ChartPoints chart;      // the ten bodies as the ephemeris gave them
    AspectSearchResult aspects;
};

// The stages in their fixed order: the birth instant, the positions from `ephemeris`, then the
// aspect search over them.
Calculation calculate(const ProceedRecord& record, const Ephemeris& ephemeris);

}  // namespace zodrivel
