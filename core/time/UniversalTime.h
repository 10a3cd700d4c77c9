#pragma once
// The birth instant on the scale of universal time, as Julian centuries from J2000.0.

#include "core/model/BirthData.h"

namespace zodrivel {

// Julian day number of a calendar date (the day that begins at noon of that date); dates after
// the Julian-calendar count 2299171 are read as Gregorian, which covers 1901..2050.
double julianDayNumber(int month, int day, int year);

struct TimeOfBirth {
    double universalTime = 0;    // hours; may lie below 0 or at or above 24
    double dayNumber = 0;        // Julian day number of the local calendar date
    double julianCenturies = 0;  // from JD 2451545.0, no Delta T
};

// Universal time = local clock + the signed zone correction, one hour less under daylight
// saving. The Moon and the planets both use this one rule: taking the zone's direction from
// the longitude hemisphere instead put a Madrid birth (west longitude, CET) two hours off.
double universalTimeHours(const BirthData& birth, const ZoneCorrection& zone);

// The fraction of the universal time carries any change of date: the day number stays that of
// the local date.
TimeOfBirth computeTimeOfBirth(const BirthData& birth, const ZoneCorrection& zone);

}  // namespace zodrivel
