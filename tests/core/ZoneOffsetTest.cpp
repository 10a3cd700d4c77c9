// SPDX-License-Identifier: AGPL-3.0-or-later
// The one offset of a birth: from a row and the box it records what they give; from a time
// zone it is applied as it is, seconds included.

#include <gtest/gtest.h>

#include "core/entry/EntryChecks.h"
#include "core/time/Calendar.h"
#include "core/time/UniversalTime.h"
#include "core/time/ZoneDecision.h"
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

// The seconds of the clock count only when asked for, and carry into the minute: 12:00:45
// local at +1:19:32 is 10:41:13 UT. The universal date shows the seconds used.
TEST(ZoneOffset, TheClocksSecondsCountOnlyWhenCounted) {
    BirthData birth = fromTimeZone(birthOn(1930, 7, 1, 12, 0), 4772);
    birth.birthSecond = 45;
    const BirthInstant ignored = birthInstant(birth, {}, ClockSeconds::Ignored);
    EXPECT_EQ(isoUniversalDate(ignored), "1930-07-01T10:40:28");
    const BirthInstant counted = birthInstant(birth, {}, ClockSeconds::Counted);
    EXPECT_EQ(isoUniversalDate(counted), "1930-07-01T10:41:13");
    const double expected = daysSinceJ2000(CivilDateTime{1930, 7, 1, 10, 41}) + 13.0 / 86400;
    EXPECT_NEAR(counted.daysSinceJ2000, expected, 1e-9);                 // days
    EXPECT_NEAR(counted.universalTime, 12.0125 - 4772 / 3600.0, 1e-12);  // hours
}

// A zone history of one zone with a gap (clocks forward at 02:00 on 1 March) and an overlap
// (back at 02:00 on 1 October), standard -6:00 and daylight -5:00.
class TwoChangeZone : public ZoneHistory {
public:
    std::optional<LocalTimeReading> atLocalTime(std::string_view id,
                                                const CivilDateTime& t) const override {
        if (id != "Test/Zone") return std::nullopt;
        const ZoneOffset standard{-6 * 3600, -6 * 3600, false, "CST", "CST"};
        const ZoneOffset daylight{-5 * 3600, -6 * 3600, true, "CDT", "CST"};
        if (t.month == 3 && t.day == 1 && t.hour == 2) {
            return LocalTimeReading{LocalTimeKind::Nonexistent, standard, daylight};
        }
        if (t.month == 10 && t.day == 1 && t.hour == 1) {
            return LocalTimeReading{LocalTimeKind::Repeated, daylight, standard};
        }
        const ZoneOffset& in = t.month >= 3 && t.month < 10 ? daylight : standard;
        return LocalTimeReading{LocalTimeKind::Unique, in, in};
    }
    std::vector<std::string> zoneIds() const override { return {"Test/Zone"}; }
};

TEST(ZoneDecision, OneDecisionForEveryLocalTimeAndChoice) {
    const TwoChangeZone zone;
    struct Case {
        CivilDateTime local;
        DaylightChoice choice;
        ZoneVerdict verdict;
        std::int32_t offset;  // seconds east, when settled
    };
    constexpr auto Unstated = DaylightChoice::Unstated, Daylight = DaylightChoice::Daylight,
                   Standard = DaylightChoice::Standard;
    const Case cases[] = {
        {{2021, 7, 1, 12, 0}, Unstated, ZoneVerdict::Settled, -5 * 3600},
        {{2021, 7, 1, 12, 0}, Standard, ZoneVerdict::Contradicted, 0},
        {{2021, 1, 1, 12, 0}, Standard, ZoneVerdict::Settled, -6 * 3600},
        {{2021, 3, 1, 2, 30}, Unstated, ZoneVerdict::NeedsChoice, 0},
        {{2021, 3, 1, 2, 30}, Standard, ZoneVerdict::Settled, -6 * 3600},
        {{2021, 3, 1, 2, 30}, Daylight, ZoneVerdict::Settled, -5 * 3600},
        {{2021, 10, 1, 1, 30}, Unstated, ZoneVerdict::NeedsChoice, 0},
        {{2021, 10, 1, 1, 30}, Daylight, ZoneVerdict::Settled, -5 * 3600},
        {{2021, 10, 1, 1, 30}, Standard, ZoneVerdict::Settled, -6 * 3600},
    };
    for (const Case& c : cases) {
        const ZoneDecision d = decideZone(zone, "Test/Zone", c.local, c.choice);
        EXPECT_EQ(d.verdict, c.verdict) << c.local.month << "/" << c.local.hour;
        if (c.verdict != ZoneVerdict::Settled) continue;
        EXPECT_EQ(d.offset.offsetSeconds, c.offset) << c.local.month << "/" << c.local.hour;
        // -6:00 is Central Standard Time's row; daylight time is that row with the box.
        ASSERT_TRUE(d.row);
        EXPECT_EQ(d.row->daylightBox, c.offset == -5 * 3600);
    }
    EXPECT_EQ(decideZone(zone, "Nowhere/Else", {2021, 1, 1, 0, 0}, Unstated).verdict,
              ZoneVerdict::UnknownZone);
    // The answer to "which reading" picks that reading back.
    const LocalTimeReading twice = *zone.atLocalTime("Test/Zone", {2021, 10, 1, 1, 30});
    for (const bool first : {true, false}) {
        EXPECT_EQ(chosenReading(twice, choiceOfReading(twice, first)),
                  first ? twice.first : twice.second);
    }
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
