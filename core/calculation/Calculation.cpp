#include "core/calculation/Calculation.h"

#include "core/ephemeris/MoonLongitude.h"

namespace zodrivel {

Calculation calculate(const ProceedRecord& record, const AppendAspectEntryFn& appendAspectEntry) {
    Calculation c;
    c.birth = record.birth;
    c.zone = record.zone;
    c.zonePosition = record.zonePosition;
    c.time = computeTimeOfBirth(c.birth, c.zone);
    c.moonLongitude = computeMoonLongitude(c.time.julianCenturies);
    c.universalDate = universalDateTime(c.birth, c.zone);
    const CivilDateTime& u = c.universalDate;
    c.daysSinceJ2000 = daysSinceJ2000(u.year, u.month, u.day, u.hour, u.minute);
    c.chart = computeChartPositions(c.daysSinceJ2000, c.moonLongitude);
    c.aspects = computeAspects(c.chart, appendAspectEntry);
    return c;
}

}  // namespace zodrivel
