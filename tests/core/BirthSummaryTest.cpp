// SPDX-License-Identifier: AGPL-3.0-or-later
// The birth as shown back to the user, and the notes on doubtful zone entries.

#include <gtest/gtest.h>

#include "core/entry/BirthSummary.h"
#include "core/time/TimeZones.h"

namespace zodrivel {
namespace {

BirthData birthAt(int lonDeg, int lonMin, bool east, bool dst = false) {
    BirthData b;
    b.lonDegrees = static_cast<std::int16_t>(lonDeg);
    b.lonMinutes = static_cast<std::int16_t>(lonMin);
    b.latDegrees = 40;
    b.latMinutes = 43;
    b.isEast = east;
    b.isDaylightSaving = dst;
    return b;
}

int zoneRow(const char* abbreviation) { return findZones(abbreviation).at(0); }

TEST(BirthSummary, DatesCoordinatesAndTheInstantUsed) {
    EXPECT_EQ(formatDate(1976, 7, 4), "4 July 1976");
    EXPECT_EQ(formatCoordinates(birthAt(74, 0, false)), "74\u00B000'W 40\u00B043'N");
    BirthData south = birthAt(151, 12, true);
    south.isSouth = true;
    EXPECT_EQ(formatCoordinates(south), "151\u00B012'E 40\u00B043'S");
    // Coordinates known to the second show it, rounded; the whole minute shows :00.
    BirthData exact = birthAt(87, 7, false);
    exact.exactEastLongitude = -(87 + 6 / 60.0 + 48 / 3600.0);
    exact.exactNorthLatitude = 5 + 2 / 60.0 + 0.4 / 3600.0;
    EXPECT_EQ(formatCoordinates(exact), "87\u00B006'48\"W 5\u00B002'00\"N");
    EXPECT_EQ(formatUniversalTime({1976, 7, 4, 14, 30}), "UT 4 July 1976 14:30");
    EXPECT_EQ(formatUniversalTime({1991, 1, 1, 5, 5}), "UT 1 January 1991 05:05");
    EXPECT_EQ(isoUniversalTime({1976, 7, 4, 14, 30}), "1976-07-04T14:30:00");
}

TEST(BirthSummary, DaylightSummerAndWarTimeRowsAlreadyIncludeTheHour) {
    for (const char* daylight : {"EDT", "AHDT", "BST", "BDST", "BWT", "CED", "NZST", "EWT"}) {
        EXPECT_TRUE(isDaylightZone(zoneRow(daylight))) << daylight;
    }
    for (const char* standard : {"EST", "GMT", "IST", "CET", "NZT", "AEST", "UT"}) {
        EXPECT_FALSE(isDaylightZone(zoneRow(standard))) << standard;
    }
}

TEST(BirthSummary, NotesOnDoubtfulZonesButNotOnPlausibleOnes) {
    EXPECT_TRUE(plausibilityNote(birthAt(74, 0, false, true), zoneRow("EDT")));
    EXPECT_FALSE(plausibilityNote(birthAt(74, 0, false, true), zoneRow("EST")));
    EXPECT_FALSE(plausibilityNote(birthAt(74, 0, false), zoneRow("EDT")));
    // Madrid keeps Central European Time west of Greenwich: an hour off its meridian, fine.
    EXPECT_FALSE(plausibilityNote(birthAt(3, 42, false), zoneRow("CET")));
    // Indian Time at a western longitude, or Eastern time with East chosen by mistake.
    const auto india = plausibilityNote(birthAt(77, 12, false), zoneRow("IST"));
    ASSERT_TRUE(india);
    EXPECT_NE(india->find("77\u00B012'W"), std::string::npos) << *india;
    EXPECT_TRUE(plausibilityNote(birthAt(74, 0, true), zoneRow("EST")));
    EXPECT_FALSE(plausibilityNote(birthAt(0, 0, true), zoneRow("GMT")));
    EXPECT_FALSE(plausibilityNote(birthAt(74, 0, false), -1));
}

}  // namespace
}  // namespace zodrivel
