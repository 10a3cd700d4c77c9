// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Birth records for the tests, built from the numbers a case cares about.

#include <cstdint>

#include "core/model/BirthData.h"

namespace zodrivel::testing {

inline BirthData birthOn(int y, int m, int d, int hour, int minute, int lonDeg = 0,
                         bool east = false, bool dst = false) {
    BirthData b;
    b.birthYear = static_cast<std::int16_t>(y);
    b.birthMonth = static_cast<std::int16_t>(m);
    b.birthDay = static_cast<std::int16_t>(d);
    b.birthHour = static_cast<std::int16_t>(hour);
    b.birthMinute = static_cast<std::int16_t>(minute);
    b.lonDegrees = static_cast<std::int16_t>(lonDeg);
    b.isEast = east;
    b.isDaylightSaving = dst;
    return b;
}

}  // namespace zodrivel::testing
