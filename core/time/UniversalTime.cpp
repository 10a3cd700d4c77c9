// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/UniversalTime.h"

#include <cstdio>

#include "core/model/Text.h"
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

double universalTimeHours(const BirthData& birth, const ZoneCorrection& zone,
                          ClockSeconds seconds) {
    // Added last, so that a birth without seconds sums exactly as it always has.
    const double clockSeconds = seconds == ClockSeconds::Counted ? birth.birthSecond / 3600.0 : 0.0;
    if (birth.zoneSource == ZoneSource::TimeZone) {
        return birth.birthHour + birth.birthMinute / 60.0 - birth.utcOffsetSeconds / 3600.0 +
               clockSeconds;
    }
    return birth.birthHour + birth.birthMinute / 60.0 + zone.zoneCorrectionHours +
           zone.zoneCorrectionMinutes / 60.0 - (birth.isDaylightSaving ? 1.0 : 0.0) + clockSeconds;
}

CivilDateTime universalDateTime(const BirthData& birth, const ZoneCorrection& zone) {
    CivilDateTime t{birth.birthYear, birth.birthMonth, birth.birthDay, birth.birthHour,
                    birth.birthMinute};
    if (birth.zoneSource == ZoneSource::TimeZone) {
        const OffsetSplit offset = splitOffset(birth.utcOffsetSeconds);
        // The leftover seconds move the clock one more minute back; daysSinceJ2000 adds them.
        return addMinutes(t, -offset.minutes - (offset.seconds > 0 ? 1 : 0));
    }
    // One move by the sum: the calendar's arithmetic is exact, so it lands where three did.
    return addMinutes(t, zone.zoneCorrectionHours * 60 + zone.zoneCorrectionMinutes -
                             (birth.isDaylightSaving ? 60 : 0));
}

BirthInstant birthInstant(const BirthData& birth, const ZoneCorrection& zone,
                          ClockSeconds seconds) {
    BirthInstant t;
    t.universalTime = universalTimeHours(birth, zone, seconds);
    t.dayNumber = julianDayNumber(birth.birthYear, birth.birthMonth, birth.birthDay);
    t.julianCenturies = ((t.dayNumber - 2451545) + t.universalTime / 24 - 0.5) / 36525;
    t.universal = universalDateTime(birth, zone);
    if (birth.zoneSource == ZoneSource::TimeZone) {
        const int offsetSeconds = splitOffset(birth.utcOffsetSeconds).seconds;
        if (offsetSeconds > 0) t.universalSecond = 60 - offsetSeconds;
    }
    if (seconds == ClockSeconds::Counted && birth.birthSecond > 0) {
        t.universalSecond += birth.birthSecond;
        if (t.universalSecond >= 60) {
            t.universal = addMinutes(t.universal, 1);
            t.universalSecond -= 60;
        }
    }
    t.daysSinceJ2000 = daysSinceJ2000(t.universal);
    if (t.universalSecond > 0) t.daysSinceJ2000 += t.universalSecond / 86400.0;
    return t;
}

std::string isoDateTime(const CivilDateTime& u, int second) {
    std::string text;
    text.reserve(24);
    appendPadded(text, u.year, 4);
    text += '-';
    appendPadded(text, u.month, 2);
    text += '-';
    appendPadded(text, u.day, 2);
    text += 'T';
    appendPadded(text, u.hour, 2);
    text += ':';
    appendPadded(text, u.minute, 2);
    text += ':';
    appendPadded(text, second, 2);
    return text;
}

std::string isoUniversalDate(const BirthInstant& instant) {
    return isoDateTime(instant.universal, instant.universalSecond);
}

}  // namespace zodrivel
