#pragma once
// Birth records for the tests, built from the numbers a case cares about.

#include <cstdint>

#include "core/model/BirthData.h"

namespace zodrivel::testing {

inline BirthData Birth(int y, int m, int d, int hour, int minute, int lonDeg = 0,
                       bool east = false, bool dst = false) {
    BirthData b;
    b.BirthYear = static_cast<std::int16_t>(y);
    b.BirthMonth = static_cast<std::int16_t>(m);
    b.BirthDay = static_cast<std::int16_t>(d);
    b.BirthHour = static_cast<std::int16_t>(hour);
    b.BirthMinute = static_cast<std::int16_t>(minute);
    b.LonDegrees = static_cast<std::int16_t>(lonDeg);
    b.IsEast = east;
    b.IsDaylightSaving = dst;
    return b;
}

}  // namespace zodrivel::testing
