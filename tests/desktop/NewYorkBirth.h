// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The birth the window tests compute: 4 July 1976, 10:30 local time, 74°00'W 40°43'N, with the
// zone row and the daylight-saving box a case cares about.

#include "core/calculation/Calculation.h"
#include "core/entry/EntryChecks.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/time/TimeZones.h"

namespace zodrivel::testing {

// The birth as Proceed stores it.
inline ProceedRecord newYorkCalculationRecord(const char* name, const char* zone, bool dst) {
    EntryTexts e;
    e.name = name;
    e.monthPosition = 6;
    e.day = "4";
    e.year = "1976";
    e.hour = "10";
    e.minute = "30";
    e.lonDegrees = "74";
    e.lonMinutes = "0";
    e.latDegrees = "40";
    e.latMinutes = "43";
    e.east = false;
    e.zonePosition = findZones(zone).at(0);
    e.daylightSaving = dst;
    return fillBirthData(e, {});
}

inline Chart newYorkCalculation(const char* name, const char* zone, bool dst) {
    return calculate(newYorkCalculationRecord(name, zone, dst), ClassicEphemeris{});
}

}  // namespace zodrivel::testing
