// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The one calendar of the program: a day count on the proleptic Gregorian calendar and what is
// built on it. Every function takes (year, month, day) in that order.

#include <array>
#include <string_view>

#include "core/model/CivilDateTime.h"

namespace zodrivel {

// Days from 1970-01-01 to a Gregorian date (negative before it), exact for any int year.
long daysFromCivil(int year, int month, int day);
// The Gregorian date of a day count from 1970-01-01.
CivilDateTime civilFromDays(long days);

// Julian day number of a date: the number of the Julian day that begins at noon of that date
// (2451545 for 2000-01-01).
double julianDayNumber(int year, int month, int day);

// Days from 2000 January 1, 12:00 UT (0.0 there) to a date and time on the universal clock.
double daysSinceJ2000(const CivilDateTime& universal);

// Adds whole minutes with full calendar arithmetic (crossing midnight moves the day, and with
// it the month and the year).
CivilDateTime addMinutes(CivilDateTime t, int minutes);

inline constexpr std::array<std::string_view, 12> MonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// "July" for 7; "?" for a number that is no month.
std::string_view monthName(int month);

}  // namespace zodrivel
