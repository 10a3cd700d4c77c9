// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Transits written out: their times as text, and an iCalendar file (RFC 5545) with one event
// per transit, so any calendar program can import a year of them. The command line and the
// Transits window write the same file through this one function.

#include <string>
#include <string_view>
#include <vector>

#include "core/transits/TransitSearch.h"

namespace zodrivel {

// The Julian day (UT) at 0h of a Gregorian date.
double julianDayAtMidnight(int year, int month, int day);

// An instant to the nearest second, universal time: "2027-03-04T05:06:07Z".
std::string isoUtc(double julianDay);
// The same in iCalendar's basic form: "20270304T050607Z".
std::string calendarUtc(double julianDay);

// "Saturn Square natal Sun": the moving body, the kind as in today's JSON, the natal point.
std::string transitTitle(const Transit& transit);

struct TransitCalendarInfo {
    std::string name;           // whose chart; in each event's summary
    std::string birthKey;       // what identifies the birth (its universal instant and place): with
                                // the transit's key it makes each event's UID, the same on every
                                // export of the same birth and transit
    double stampJulianDay = 0;  // when the file is written (DTSTAMP)
    double fromJulianDay = 0;   // the range searched: an event of a transit already within orb
    double toJulianDay = 0;     // when it begins starts there, one still within orb ends there
};

// The whole file: CRLF line ends, lines folded at 75 octets (never inside a UTF-8 character),
// text values escaped; one VEVENT per transit from entering to leaving orb, its exact passes
// and its reading (when written) in the description.
std::string transitCalendar(const std::vector<Transit>& transits, const TransitCalendarInfo& info);

}  // namespace zodrivel
