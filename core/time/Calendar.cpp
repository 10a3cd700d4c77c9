// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/Calendar.h"

namespace zodrivel {

namespace {
constexpr int MinutesPerDay = 24 * 60;
constexpr long UnixDayOfJ2000 = 10957;                // 2000-01-01 counted from 1970-01-01
constexpr long JulianDayNumberOfUnixEpoch = 2440588;  // the Julian day that begins 1970-01-01 12:00
}  // namespace

// Howard Hinnant's days_from_civil and civil_from_days: eras of 400 years, each with the same
// 146097 days, and years counted from March so that the leap day ends each year.
long daysFromCivil(int year, int month, int day) {
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;                                             // [0, 399]
    const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;  // [0, 365]
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                     // [0, 146096]
    return era * 146097 + doe - 719468;
}

CivilDateTime civilFromDays(long days) {
    const long z = days + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;                                       // [0, 146096]
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const long mp = (5 * doy + 2) / 153;                                     // [0, 11], March = 0
    CivilDateTime date;
    date.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yoe + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

double julianDayNumber(int year, int month, int day) {
    return static_cast<double>(daysFromCivil(year, month, day) + JulianDayNumberOfUnixEpoch);
}

double daysSinceJ2000(const CivilDateTime& u) {
    // The whole days and the half day are exact in a double, so the only rounding is that of
    // the fraction of the day.
    const double wholeDays =
        static_cast<double>(daysFromCivil(u.year, u.month, u.day) - UnixDayOfJ2000);
    return wholeDays - 0.5 + (u.hour + u.minute / 60.0) / 24;
}

CivilDateTime addMinutes(CivilDateTime t, int minutes) {
    const long total =
        daysFromCivil(t.year, t.month, t.day) * MinutesPerDay + t.hour * 60L + t.minute + minutes;
    long days = total / MinutesPerDay;
    long rest = total % MinutesPerDay;
    if (rest < 0) {
        rest += MinutesPerDay;
        --days;
    }
    CivilDateTime out = civilFromDays(days);
    out.hour = static_cast<int>(rest / 60);
    out.minute = static_cast<int>(rest % 60);
    return out;
}

std::string_view monthName(int month) {
    return month >= 1 && month <= 12 ? MonthNames[static_cast<std::size_t>(month - 1)] : "?";
}

}  // namespace zodrivel
