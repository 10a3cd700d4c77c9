// SPDX-License-Identifier: AGPL-3.0-or-later
// Universal time, Julian centuries and the Moon, against worked values.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "Births.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/MoonLongitude.h"
#include "core/model/Angles.h"
#include "core/time/Calendar.h"
#include "core/time/TimeZones.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {
namespace {

using testing::birthOn;

TEST(Calendar, JulianDayNumbersOfWorkedDates) {
    EXPECT_EQ(julianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(julianDayNumber(1900, 1, 1), 2415021);
    EXPECT_EQ(julianDayNumber(1858, 11, 17), 2400001);
    EXPECT_EQ(julianDayNumber(2000, 2, 29), 2451604);
    EXPECT_EQ(julianDayNumber(1976, 7, 4), 2442964);
}

// Every day of the lists' years, and the day either side that a zone correction can reach,
// against two independent counts: the standard library's calendar (days since 1970-01-01, whose
// Julian day number is 2440588) and the classical day count of the planets' elements
// (367 Y - 7 (Y + (M + 9) / 12) / 4 + 275 M / 9 + D - 730531.5, right from March 1900 to
// February 2100). Equal to the last bit, times of day included.
TEST(Calendar, CountsEveryDayOf1901To2050) {
    using namespace std::chrono;
    for (sys_days day = year{1900} / 12 / 31; day <= sys_days{year{2051} / 1 / 1}; day += days{1}) {
        const year_month_day ymd{day};
        const int y = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
        ASSERT_EQ(julianDayNumber(y, m, d),
                  static_cast<double>(day.time_since_epoch().count() + 2440588))
            << y << "-" << m << "-" << d;
        ASSERT_EQ(civilFromDays(daysFromCivil(y, m, d)), (CivilDateTime{y, m, d, 0, 0}));
        const double Y = y;
        const double M = m;
        const double classical = 367 * Y - std::floor(7 * (Y + std::floor((M + 9) / 12)) / 4) +
                                 std::floor(275 * M / 9) + d - 730531.5;
        ASSERT_EQ(daysSinceJ2000({y, m, d, 0, 0}), classical) << y << "-" << m << "-" << d;
        ASSERT_EQ(daysSinceJ2000({y, m, d, 13, 47}), classical + (13 + 47 / 60.0) / 24)
            << y << "-" << m << "-" << d;
    }
}

TEST(BirthInstant, J2000NoonIsCenturyZero) {
    const BirthInstant t = birthInstant(birthOn(2000, 1, 1, 12, 0, 0), {0, 0});
    EXPECT_EQ(t.dayNumber, 2451545);
    EXPECT_EQ(t.universalTime, 12.0);
    EXPECT_EQ(t.julianCenturies, 0.0);
}

TEST(BirthInstant, UniversalTimeIsNotWrappedIntoOneDay) {
    // 00:00 in a zone 5 h 30 min east: the fraction carries the change of date.
    const BirthInstant east = birthInstant(birthOn(1947, 8, 15, 0, 0, 77, true), {-5, -30});
    EXPECT_EQ(east.universalTime, -5.5);
    const BirthInstant sameInstant = birthInstant(birthOn(1947, 8, 14, 18, 30, 0), {0, 0});
    EXPECT_NEAR(east.julianCenturies, sameInstant.julianCenturies, 1e-15);

    const BirthInstant west = birthInstant(birthOn(1990, 3, 3, 23, 0, 75), {5, 0});
    EXPECT_EQ(west.universalTime, 28.0);
}

// One universal-time rule for every body: the zone's own sign, not the longitude hemisphere,
// gives the direction, and daylight saving takes one hour off.
TEST(BirthInstant, TheZoneSignDecidesNotTheHemisphere) {
    // Madrid lies west of Greenwich but keeps Central European Time (one hour ahead).
    const BirthData madrid = birthOn(1980, 5, 10, 12, 0, 3, /*east=*/false);
    EXPECT_EQ(universalTimeHours(madrid, *zoneCorrectionAt(20)), 11.0);  // hemisphere rule: 13

    // Samoa (172 W) on New Zealand time with summer time: the hemisphere rule was 26 h off.
    const BirthData apia = birthOn(2012, 1, 10, 12, 0, 172, false, /*dst=*/true);
    EXPECT_EQ(universalTimeHours(apia, *zoneCorrectionAt(47)), -1.0);
}

TEST(BirthInstant, DaylightSavingTakesOneHourOffOnBothSides) {
    const BirthData newYork = birthOn(1976, 7, 4, 10, 30, 74, false, true);
    EXPECT_EQ(universalTimeHours(newYork, {5, 0}), 14.5);
    const BirthData berlin = birthOn(1976, 7, 4, 10, 30, 13, true, true);
    EXPECT_EQ(universalTimeHours(berlin, {-1, 0}), 8.5);
    const BirthData london = birthOn(1976, 7, 4, 10, 30, 0, false, true);
    EXPECT_EQ(universalTimeHours(london, {0, 0}), 9.5);
}

struct MoonCase {
    const char* source;
    BirthData birth;
    ZoneCorrection zone;
    double expected;  // degrees, given to six decimals
};

TEST(MoonLongitude, WorkedValues) {
    // clang-format off
    const MoonCase cases[] = {
        {"1 January 2000, 12:00 at Greenwich (T = 0)", birthOn(2000, 1, 1, 12, 0, 0), {0, 0},
         223.316103},
        {"1 January 2000, 00:00 at Greenwich", birthOn(2000, 1, 1, 0, 0, 0), {0, 0}, 217.284178},
        {"12 April 1992, 00:00 at Greenwich", birthOn(1992, 4, 12, 0, 0, 0), {0, 0}, 133.158084},
        {"4 July 1976, 10:30 EST with daylight saving, 74 W",
         birthOn(1976, 7, 4, 10, 30, 74, false, true), {5, 0}, 191.083585},
        {"15 August 1947, 00:00 IST, 77 12 E", birthOn(1947, 8, 15, 0, 0, 77, true), {-5, -30},
         117.109656},
    };
    // clang-format on
    for (const MoonCase& c : cases) {
        const double moon = computeMoonLongitude(birthInstant(c.birth, c.zone).julianCenturies);
        EXPECT_NEAR(moon, c.expected, 5e-7) << c.source;
    }
    // The periodic terms alone at T = 0.
    EXPECT_NEAR(computeMoonLongitude(0) - 218.3164591, 4.999644, 5e-7);
    EXPECT_NEAR(birthInstant(birthOn(1992, 4, 12, 0, 0, 0), {0, 0}).julianCenturies,
                -0.077221081451, 1e-12);
}

TEST(MoonLongitude, StaysInRangeFarFrom2000) {
    for (const double T : {-0.99, -0.5, 0.3, 0.505}) {
        const double moon = computeMoonLongitude(T);
        EXPECT_GE(moon, 0.0) << T;
        EXPECT_LE(moon, 360.0) << T;
    }
}

TEST(ReduceDegrees, KeepsThe360OfRepeatedSubtraction) {
    EXPECT_EQ(reduceDegrees(720.0), 360.0);
    EXPECT_EQ(reduceDegrees(360.0), 360.0);
    EXPECT_EQ(reduceDegrees(-720.0), 0.0);
    EXPECT_FALSE(std::signbit(reduceDegrees(-720.0)));
    EXPECT_EQ(reduceDegrees(-1.5), 358.5);
    EXPECT_EQ(reduceDegrees(725.25), 5.25);
    // Same as the loop it replaces, to the last bit.
    for (const double x : {-476123.456789, -0.1, 1e-9, 359.999999, 1234567.875, 360.0000001}) {
        double loop = x;
        while (loop < 0) loop += 360;
        while (loop > 360) loop -= 360;
        EXPECT_EQ(reduceDegrees(x), loop) << x;
    }
}

}  // namespace
}  // namespace zodrivel
