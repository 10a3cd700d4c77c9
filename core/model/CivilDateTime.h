// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A date and clock time on the Gregorian calendar, to the minute.

namespace zodrivel {

struct CivilDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

}  // namespace zodrivel
