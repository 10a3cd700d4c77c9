// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The birth instant on the scale of universal time: the clock hours, the Julian centuries from
// J2000.0 and the universal date, each as the models of the sky count them.

#include <string>

#include "core/model/BirthData.h"
#include "core/model/CivilDateTime.h"

namespace zodrivel {

struct BirthInstant {
    double universalTime = 0;    // hours on the local date; may lie below 0 or at or above 24
    double dayNumber = 0;        // Julian day number of the local calendar date
    double julianCenturies = 0;  // from JD 2451545.0, no Delta T
    CivilDateTime universal;     // the universal date and time, to the minute
    int universalSecond = 0;     // 0..59: the seconds of the universal time past `universal`
    double daysSinceJ2000 = 0;   // from 2000 January 1, 12:00 UT, of `universal` and its seconds
};

// Whether the seconds of the birth time count. The documented model reads the clock to the
// minute and its results never change with the seconds; a model that counts them gets them.
enum class ClockSeconds { Ignored, Counted };

// Universal time = local clock + the signed zone correction, one hour less under daylight
// saving. The Moon and the planets both use this one rule: taking the zone's direction from
// the longitude hemisphere instead put a Madrid birth (west longitude, CET) two hours off.
double universalTimeHours(const BirthData& birth, const ZoneCorrection& zone,
                          ClockSeconds seconds = ClockSeconds::Ignored);

// The universal date and time of the birth: the local date and clock time plus the zone
// correction's hours, then its minutes, then one hour back under daylight saving.
CivilDateTime universalDateTime(const BirthData& birth, const ZoneCorrection& zone);

// Both counts of the one instant. In the Julian centuries the fraction of the universal time
// carries any change of date (the day number stays that of the local date); the days since
// J2000 come from the universal date itself.
BirthInstant birthInstant(const BirthData& birth, const ZoneCorrection& zone,
                          ClockSeconds seconds = ClockSeconds::Ignored);

// The universal date and time used, to the second, as ISO 8601 ("1930-07-04T10:37:40"): the
// seconds of a zone's offset (local mean time's -4:27:40) and of a counted birth time show.
std::string isoUniversalDate(const BirthInstant& instant);
// `u` and `second` as YYYY-MM-DDTHH:MM:SS.
std::string isoDateTime(const CivilDateTime& u, int second);

}  // namespace zodrivel
