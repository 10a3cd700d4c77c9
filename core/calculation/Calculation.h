#pragma once
// One calculation: the value that the Proceed driver fills stage by stage.

#include "core/model/BirthData.h"
#include "core/aspects/AspectSearch.h"
#include "core/ephemeris/ChartPositions.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

struct Calculation {
    BirthData birth;
    ZoneCorrection zone;
    int zonePosition = -1;          // the zone list row, for showing what was applied
    TimeOfBirth time;               // the Moon's universal time and Julian centuries
    double moonLongitude = 0;       // degrees
    CivilDateTime universalDate;    // the instant used for the Sun and the planets
    double daysSinceJ2000 = 0;
    ChartPoints chart;
    AspectSearchResult aspects;
};

// The calculation stages in their fixed order: universal time and the Moon, the chart
// positions (which read the Moon), then the aspect search, whose hits go to
// `appendAspectEntry` as they are found.
Calculation calculate(const ProceedRecord& record, const AppendAspectEntryFn& appendAspectEntry = {});

}  // namespace zodrivel
