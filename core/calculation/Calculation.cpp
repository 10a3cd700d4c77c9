#include "core/calculation/Calculation.h"

#include "core/ephemeris/MoonLongitude.h"

namespace zodrivel {

Calculation Calculate(const ProceedRecord& record, const AppendAspectEntryFn& appendAspectEntry) {
    Calculation c;
    c.birth = record.birth;
    c.zone = record.zone;
    c.zonePosition = record.zonePosition;
    c.time = ComputeTimeOfBirth(c.birth, c.zone);
    c.MoonLongitude = ComputeMoonLongitude(c.time.JulianCenturies);
    c.universalDate = UniversalDateTime(c.birth, c.zone);
    const CivilDateTime& u = c.universalDate;
    c.daysSinceJ2000 = DaysSinceJ2000(u.year, u.month, u.day, u.hour, u.minute);
    c.chart = ComputeChartPositions(c.daysSinceJ2000, c.MoonLongitude);
    c.aspects = ComputeAspects(c.chart, appendAspectEntry);
    return c;
}

}  // namespace zodrivel
