// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/UniversalTime.h"

#include "core/time/Calendar.h"

namespace zodrivel {

double universalTimeHours(const BirthData& birth, const ZoneCorrection& zone) {
    return birth.birthHour + birth.birthMinute / 60.0 + zone.zoneCorrectionHours +
           zone.zoneCorrectionMinutes / 60.0 - (birth.isDaylightSaving ? 1.0 : 0.0);
}

CivilDateTime universalDateTime(const BirthData& birth, const ZoneCorrection& zone) {
    CivilDateTime t{birth.birthYear, birth.birthMonth, birth.birthDay, birth.birthHour,
                    birth.birthMinute};
    t = addMinutes(t, zone.zoneCorrectionHours * 60);
    t = addMinutes(t, zone.zoneCorrectionMinutes);
    if (birth.isDaylightSaving) t = addMinutes(t, -60);
    return t;
}

BirthInstant birthInstant(const BirthData& birth, const ZoneCorrection& zone) {
    BirthInstant t;
    t.universalTime = universalTimeHours(birth, zone);
    t.dayNumber = julianDayNumber(birth.birthYear, birth.birthMonth, birth.birthDay);
    t.julianCenturies = ((t.dayNumber - 2451545) + t.universalTime / 24 - 0.5) / 36525;
    t.universal = universalDateTime(birth, zone);
    t.daysSinceJ2000 = daysSinceJ2000(t.universal);
    return t;
}

}  // namespace zodrivel
