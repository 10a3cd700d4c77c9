#include "core/time/UniversalTime.h"

#include <cmath>

namespace zodrivel {

double julianDayNumber(int month, int day, int year) {
    // m counts months from March of year -4800, so the leap day ends each counted year.
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = day + std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) +
               std::floor(m / 48) - 32083;
    if (j > 2299171) j += std::floor(m / 4800) - std::floor(m / 1200) + 38;  // Gregorian
    return j;
}

double universalTimeHours(const BirthData& birth, const ZoneCorrection& zone) {
    return birth.birthHour + birth.birthMinute / 60.0 + zone.zoneCorrectionHours +
           zone.zoneCorrectionMinutes / 60.0 - (birth.isDaylightSaving ? 1.0 : 0.0);
}

TimeOfBirth computeTimeOfBirth(const BirthData& birth, const ZoneCorrection& zone) {
    TimeOfBirth t;
    t.universalTime = universalTimeHours(birth, zone);
    t.dayNumber = julianDayNumber(birth.birthMonth, birth.birthDay, birth.birthYear);
    t.julianCenturies = ((t.dayNumber - 2451545) + t.universalTime / 24 - 0.5) / 36525;
    return t;
}

}  // namespace zodrivel
