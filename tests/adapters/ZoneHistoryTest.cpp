// SPDX-License-Identifier: AGPL-3.0-or-later
// The system's time-zone database read through the adapter. Every expected offset can be
// checked in the tz database's source files (northamerica, europe, asia, australasia).

#include <gtest/gtest.h>

#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/timezone/TzdbZoneHistory.h"

namespace zodrivel {
namespace {

struct HistoricalCase {
    const char* zone;
    CivilDateTime local;
    std::int32_t offsetSeconds;
    bool daylight;
    std::int32_t standardSeconds;
};

TEST(ZoneHistory, HistoricalOffsetsOfTheDatabase) {
    const TzdbZoneHistory history;
    const HistoricalCase cases[] = {
        {"America/New_York", {1976, 7, 4, 10, 30}, -4 * 3600, true, -5 * 3600},
        // Britain's double summer time of the war years, two hours over GMT.
        {"Europe/London", {1941, 6, 1, 12, 0}, 2 * 3600, true, 0},
        // Kolkata's war time, +6:30.
        {"Asia/Kolkata", {1942, 10, 1, 12, 0}, 6 * 3600 + 1800, true, 5 * 3600 + 1800},
        // Amsterdam's mean time, +0:19:32, and its summer time an hour later; then +0:20.
        {"Europe/Amsterdam", {1930, 7, 1, 12, 0}, 3600 + 19 * 60 + 32, true, 19 * 60 + 32},
        {"Europe/Amsterdam", {1937, 12, 1, 12, 0}, 20 * 60, false, 20 * 60},
        // Nepal moved from +5:30 to +5:45 in 1986.
        {"Asia/Kathmandu", {1985, 6, 1, 12, 0}, 5 * 3600 + 1800, false, 5 * 3600 + 1800},
        {"Asia/Kathmandu", {1990, 6, 1, 12, 0}, 5 * 3600 + 2700, false, 5 * 3600 + 2700},
        // Lord Howe Island moves its clocks by half an hour only.
        {"Australia/Lord_Howe", {2020, 1, 15, 12, 0}, 11 * 3600, true, 10 * 3600 + 1800},
        {"Australia/Lord_Howe", {2020, 7, 15, 12, 0}, 10 * 3600 + 1800, false, 10 * 3600 + 1800},
        // Southern hemisphere: summer time in January, standard time in July.
        {"Australia/Sydney", {2020, 1, 15, 12, 0}, 11 * 3600, true, 10 * 3600},
        {"Australia/Sydney", {2020, 7, 15, 12, 0}, 10 * 3600, false, 10 * 3600},
    };
    for (const HistoricalCase& c : cases) {
        const auto reading = history.atLocalTime(c.zone, c.local);
        ASSERT_TRUE(reading) << c.zone;
        EXPECT_EQ(reading->kind, LocalTimeKind::Unique) << c.zone << " " << c.local.year;
        EXPECT_EQ(reading->first.offsetSeconds, c.offsetSeconds) << c.zone << " " << c.local.year;
        EXPECT_EQ(reading->first.daylight, c.daylight) << c.zone << " " << c.local.year;
        EXPECT_EQ(reading->first.standardSeconds, c.standardSeconds)
            << c.zone << " " << c.local.year;
    }
    EXPECT_EQ(history.atLocalTime("Europe/London", {1941, 6, 1, 12, 0})->first.abbreviation,
              "BDST");
    EXPECT_EQ(history.atLocalTime("America/New_York", {1976, 7, 4, 10, 30})->first.abbreviation,
              "EDT");
}

TEST(ZoneHistory, SkippedAndRepeatedLocalTimesAreReportedNotShifted) {
    const TzdbZoneHistory history;
    // Chicago, 14 March 2021: the clocks went from 2:00 CST to 3:00 CDT.
    const auto gap = history.atLocalTime("America/Chicago", {2021, 3, 14, 2, 30});
    ASSERT_TRUE(gap);
    EXPECT_EQ(gap->kind, LocalTimeKind::Nonexistent);
    EXPECT_EQ(gap->first.offsetSeconds, -6 * 3600);
    EXPECT_EQ(gap->second.offsetSeconds, -5 * 3600);
    // Chicago, 7 November 2021: 1:30 happened first in CDT, then again in CST.
    const auto repeat = history.atLocalTime("America/Chicago", {2021, 11, 7, 1, 30});
    ASSERT_TRUE(repeat);
    EXPECT_EQ(repeat->kind, LocalTimeKind::Repeated);
    EXPECT_EQ(repeat->first.offsetSeconds, -5 * 3600);
    EXPECT_TRUE(repeat->first.daylight);
    EXPECT_EQ(repeat->second.offsetSeconds, -6 * 3600);
    EXPECT_FALSE(repeat->second.daylight);
    // The minutes either side are ordinary.
    EXPECT_EQ(history.atLocalTime("America/Chicago", {2021, 3, 14, 3, 0})->kind,
              LocalTimeKind::Unique);
    EXPECT_EQ(history.atLocalTime("America/Chicago", {2021, 11, 7, 2, 0})->kind,
              LocalTimeKind::Unique);
}

TEST(ZoneHistory, UnknownZoneIsNoReadingAndNearIdsAreOffered) {
    const TzdbZoneHistory history;
    EXPECT_FALSE(history.atLocalTime("Europe/Lodon", {2000, 1, 1, 0, 0}));
    EXPECT_FALSE(history.atLocalTime("", {2000, 1, 1, 0, 0}));
    const auto near = nearZoneIds("Europe/Lodon", history.zoneIds());
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(near.front(), "Europe/London");
}

TEST(GeonamesAtlas, FindsPlacesOfTheDatabase) {
    const GeonamesAtlas atlas;
    const auto saoPaulo = atlas.search("Sao Paulo", 1);
    ASSERT_EQ(saoPaulo.size(), 1u);
    EXPECT_EQ(saoPaulo.front().name, "São Paulo");
    EXPECT_EQ(saoPaulo.front().countryCode, "BR");
    EXPECT_EQ(saoPaulo.front().zoneId, "America/Sao_Paulo");
    EXPECT_NEAR(saoPaulo.front().latitude, -23.55, 0.05);  // degrees
    const auto kolkata = atlas.search("Kolk", 1);
    ASSERT_EQ(kolkata.size(), 1u);
    EXPECT_EQ(kolkata.front().zoneId, "Asia/Kolkata");
    const auto springfield = atlas.search("Springfield, Illinois", 1);
    ASSERT_EQ(springfield.size(), 1u);
    EXPECT_EQ(springfield.front().zoneId, "America/Chicago");
}

TEST(GeonamesAtlas, AOneOffSearchGivesWhatTheWholeIndexGives) {
    const GeonamesAtlas atlas;
    atlas.load();  // writes the cache the one-off search reads
    for (const char* query :
         {"Kolk", "new", "Paris, FR", "Springfield, Illinois", "Sao Paulo", "Xqzvbw", ", France"}) {
        EXPECT_EQ(atlas.searchOnce(query, 20), atlas.search(query, 20)) << query;
    }
}

}  // namespace
}  // namespace zodrivel
