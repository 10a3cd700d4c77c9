// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/UniversalTime.h"

#include "core/time/Calendar.h"

namespace zodrivel {

namespace {

// Whole minutes and leftover seconds (0..59) of a time-zone offset to take off the local clock:
// Amsterdam's +1:19:32 is 79 minutes and 32 seconds.
struct OffsetSplit {
    int minutes;
    int seconds;
};
OffsetSplit splitOffset(std::int32_t offsetSeconds) {
    const int down = offsetSeconds >= 0 ? offsetSeconds / 60 : -((-offsetSeconds + 59) / 60);
    return {down, offsetSeconds - down * 60};
}

}  // namespace

double universalTimeHours(const BirthData& birth, const ZoneCorrection& zone) {
    if (birth.zoneSource == ZoneSource::TimeZone) {
        return birth.birthHour + birth.birthMinute / 60.0 - birth.utcOffsetSeconds / 3600.0;
    }
    return birth.birthHour + birth.birthMinute / 60.0 + zone.zoneCorrectionHours +
           zone.zoneCorrectionMinutes / 60.0 - (birth.isDaylightSaving ? 1.0 : 0.0);
}

CivilDateTime universalDateTime(const BirthData& birth, const ZoneCorrection& zone) {
    CivilDateTime t{birth.birthYear, birth.birthMonth, birth.birthDay, birth.birthHour,
                    birth.birthMinute};
    if (birth.zoneSource == ZoneSource::TimeZone) {
        const OffsetSplit offset = splitOffset(birth.utcOffsetSeconds);
        // The leftover seconds move the clock one more minute back; daysSinceJ2000 adds them.
        return addMinutes(t, -offset.minutes - (offset.seconds > 0 ? 1 : 0));
    }
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
    if (birth.zoneSource == ZoneSource::TimeZone) {
        const int seconds = splitOffset(birth.utcOffsetSeconds).seconds;
        if (seconds > 0) t.daysSinceJ2000 += (60 - seconds) / 86400.0;
    }
    return t;
}

}  // namespace zodrivel
