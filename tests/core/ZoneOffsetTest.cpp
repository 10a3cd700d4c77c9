// SPDX-License-Identifier: AGPL-3.0-or-later
// The one offset of a birth: from a row and the box it records what they give; from a time
// zone it is applied as it is, seconds included.

#include <gtest/gtest.h>

#include "core/entry/EntryChecks.h"
#include "core/time/Calendar.h"
#include "core/time/UniversalTime.h"
#include "core/time/ZoneHistory.h"
#include "core/time/ZoneRowMatch.h"
#include "tests/core/Births.h"

namespace zodrivel {
namespace {

using testing::birthOn;

BirthData fromTimeZone(BirthData b, std::int32_t offsetSeconds) {
    b.zoneSource = ZoneSource::TimeZone;
    b.utcOffsetSeconds = offsetSeconds;
    return b;
}

TEST(ZoneOffset, ARowAndTheBoxRecordTheOffsetTheyGive) {
    EntryTexts entries;
    entries.name = "ADA";
    entries.lonDegrees = entries.lonMinutes = entries.latDegrees = entries.latMinutes = "0";
    struct Case {
        int row;
        bool box;
        std::int32_t offset;
        const char* abbreviation;
    };
    const Case cases[] = {{27, true, -4 * 3600, "EST"},
                          {34, false, 5 * 3600 + 1800, "IST"},
                          {50, false, -(3 * 3600 + 1800), "NST"},
                          {29, false, 0, "GMT"},
                          {46, true, 14 * 3600, "NZST"}};
    for (const Case& c : cases) {
        entries.zonePosition = c.row;
        entries.daylightSaving = c.box;
        const BirthData b = fillBirthData(entries, {}).birth;
        EXPECT_EQ(b.zoneSource, ZoneSource::Row) << c.row;
        EXPECT_EQ(b.utcOffsetSeconds, c.offset) << c.row;
        EXPECT_EQ(b.zoneAbbreviation, c.abbreviation) << c.row;
    }
}

TEST(ZoneOffset, ATimeZoneOffsetReplacesTheRowAndTheBox) {
    EntryTexts entries;
    entries.name = "ADA";
    entries.lonDegrees = entries.lonMinutes = entries.latDegrees = entries.latMinutes = "0";
    entries.zonePosition = 29;
    entries.daylightSaving = true;
    entries.zoneId = "Europe/London";
    entries.zoneAbbreviation = "BDST";
    entries.zoneOffsetSeconds = 7200;
    const BirthData b = fillBirthData(entries, {}).birth;
    EXPECT_EQ(b.zoneSource, ZoneSource::TimeZone);
    EXPECT_EQ(b.utcOffsetSeconds, 7200);
    EXPECT_EQ(b.zoneId, "Europe/London");
    EXPECT_EQ(b.zoneAbbreviation, "BDST");
}

TEST(ZoneOffset, UniversalTimeIsLocalTimeMinusTheOffset) {
    // Kolkata's war time, +6:30: 00:10 local is 17:40 UT the day before.
    const BirthInstant kolkata = birthInstant(fromTimeZone(birthOn(1942, 10, 1, 0, 10), 23400), {});
    EXPECT_DOUBLE_EQ(kolkata.universalTime, 10.0 / 60 - 6.5);
    EXPECT_EQ(kolkata.universal, (CivilDateTime{1942, 9, 30, 17, 40}));
    // The same instant through a row (+5:30) and the box: the same universal date.
    BirthData row = birthOn(1942, 10, 1, 0, 10, 0, false, true);
    const BirthInstant viaRow = birthInstant(row, ZoneCorrection{-5, -30});
    EXPECT_EQ(viaRow.universal, kolkata.universal);
    EXPECT_NEAR(viaRow.julianCenturies, kolkata.julianCenturies, 1e-15);  // centuries
    // West of Greenwich the date moves forward: 23:30 at -4:00 is 03:30 UT the next day, and
    // the last day of 2050 rolls into 2051.
    const BirthInstant late = birthInstant(fromTimeZone(birthOn(2050, 12, 31, 23, 30), -14400), {});
    EXPECT_EQ(late.universal, (CivilDateTime{2051, 1, 1, 3, 30}));
}

TEST(ZoneOffset, SecondsOfAnOffsetReachTheDayCount) {
    // Amsterdam, 1 July 1930, 12:00 at +1:19:32: 10:40:28 UT.
    const BirthInstant t = birthInstant(fromTimeZone(birthOn(1930, 7, 1, 12, 0), 4772), {});
    EXPECT_EQ(t.universal, (CivilDateTime{1930, 7, 1, 10, 40}));
    const double expected = daysSinceJ2000(CivilDateTime{1930, 7, 1, 10, 40}) + 28.0 / 86400;
    EXPECT_NEAR(t.daysSinceJ2000, expected, 1e-9);            // days; 1e-9 d is under a millisecond
    EXPECT_NEAR(t.universalTime, 12 - 4772 / 3600.0, 1e-12);  // hours
    // A negative offset with seconds: -0:00:30 puts 12:00 local at 12:00:30 UT.
    const BirthInstant west = birthInstant(fromTimeZone(birthOn(1930, 7, 1, 12, 0), -30), {});
    EXPECT_EQ(west.universal, (CivilDateTime{1930, 7, 1, 12, 0}));
    EXPECT_NEAR(west.daysSinceJ2000, daysSinceJ2000(west.universal) + 30.0 / 86400, 1e-9);
}

TEST(ZoneOffset, OffsetsAreWrittenAsPeopleWriteThem) {
    EXPECT_EQ(formatOffset(-14400), "-4:00");
    EXPECT_EQ(formatOffset(23400), "+6:30");
    EXPECT_EQ(formatOffset(4772), "+1:19:32");
    EXPECT_EQ(formatOffset(0), "+0:00");
    EXPECT_EQ(formatOffset(-12600), "-3:30");
}

TEST(ZoneOffset, NearZoneIdsForgiveTyposAndTheRegion) {
    const std::vector<std::string> ids{"Europe/London", "Europe/Lisbon", "Asia/Calcutta",
                                       "Asia/Kolkata", "America/Chicago"};
    EXPECT_EQ(nearZoneIds("Europe/Lodon", ids).front(), "Europe/London");
    EXPECT_EQ(nearZoneIds("calcutta", ids).front(), "Asia/Calcutta");
    EXPECT_TRUE(nearZoneIds("Mars/Olympus_Mons_Base", ids).empty());
}

}  // namespace
}  // namespace zodrivel

namespace zodrivel {
namespace {

TEST(ZoneRowMatch, ARowAndTheBoxOnlyWhenTheyGiveTheOffsetExactly) {
    const auto reading = [](std::int32_t offset, bool daylight, std::int32_t standard,
                            const char* standardAbbreviation) {
        ZoneOffset o;
        o.offsetSeconds = offset;
        o.daylight = daylight;
        o.standardSeconds = standard;
        o.standardAbbreviation = standardAbbreviation;
        return o;
    };
    // New York in July: Eastern Standard Time with the box, not the CDT row of the same number.
    EXPECT_EQ(rowForOffset(reading(-4 * 3600, true, -5 * 3600, "EST")), (ZoneRowChoice{27, true}));
    EXPECT_EQ(rowForOffset(reading(19800, false, 19800, "IST")), (ZoneRowChoice{34, false}));
    // Without a known abbreviation, a row that is not itself a daylight or war time.
    EXPECT_EQ(rowForOffset(reading(-5 * 3600, false, -5 * 3600, "")), (ZoneRowChoice{27, false}));
    // Britain 1941: two hours of saving over GMT; the box adds only one.
    EXPECT_FALSE(rowForOffset(reading(7200, true, 0, "GMT")));
    // Lord Howe's half-hour saving, Nepal's +5:45, Amsterdam's +0:20.
    EXPECT_FALSE(rowForOffset(reading(11 * 3600, true, 10 * 3600 + 1800, "+1030")));
    EXPECT_FALSE(rowForOffset(reading(20700, false, 20700, "+0545")));
    EXPECT_FALSE(rowForOffset(reading(1200, false, 1200, "+0020")));
}

}  // namespace
}  // namespace zodrivel
