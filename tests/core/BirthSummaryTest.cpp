// The birth as shown back to the user, and the notes on doubtful zone entries.

#include <gtest/gtest.h>

#include "core/entry/BirthSummary.h"
#include "core/time/TimeZones.h"

namespace zodrivel {
namespace {

BirthData Place(int lonDeg, int lonMin, bool east, bool dst = false) {
    BirthData b;
    b.LonDegrees = static_cast<std::int16_t>(lonDeg);
    b.LonMinutes = static_cast<std::int16_t>(lonMin);
    b.LatDegrees = 40;
    b.LatMinutes = 43;
    b.IsEast = east;
    b.IsDaylightSaving = dst;
    return b;
}

int Zone(const char* abbreviation) { return FindZones(abbreviation).at(0); }

TEST(BirthSummary, DatesCoordinatesAndTheInstantUsed) {
    EXPECT_EQ(FormatDate(1976, 7, 4), "4 July 1976");
    EXPECT_EQ(FormatCoordinates(Place(74, 0, false)), "74\u00B000'W 40\u00B043'N");
    BirthData south = Place(151, 12, true);
    south.IsSouth = true;
    EXPECT_EQ(FormatCoordinates(south), "151\u00B012'E 40\u00B043'S");
    EXPECT_EQ(FormatUniversalTime({1976, 7, 4, 14, 30}), "UT 4 July 1976 14:30");
    EXPECT_EQ(FormatUniversalTime({1991, 1, 1, 5, 5}), "UT 1 January 1991 05:05");
    EXPECT_EQ(IsoUniversalTime({1976, 7, 4, 14, 30}), "1976-07-04T14:30:00");
}

TEST(BirthSummary, DaylightSummerAndWarTimeRowsAlreadyIncludeTheHour) {
    for (const char* daylight : {"EDT", "AHDT", "BST", "BDST", "BWT", "CED", "NZST", "EWT"}) {
        EXPECT_TRUE(IsDaylightZone(Zone(daylight))) << daylight;
    }
    for (const char* standard : {"EST", "GMT", "IST", "CET", "NZT", "AEST", "UT"}) {
        EXPECT_FALSE(IsDaylightZone(Zone(standard))) << standard;
    }
}

TEST(BirthSummary, NotesOnDoubtfulZonesButNotOnPlausibleOnes) {
    EXPECT_TRUE(PlausibilityNote(Place(74, 0, false, true), Zone("EDT")));
    EXPECT_FALSE(PlausibilityNote(Place(74, 0, false, true), Zone("EST")));
    EXPECT_FALSE(PlausibilityNote(Place(74, 0, false), Zone("EDT")));
    // Madrid keeps Central European Time west of Greenwich: an hour off its meridian, fine.
    EXPECT_FALSE(PlausibilityNote(Place(3, 42, false), Zone("CET")));
    // Indian Time at a western longitude, or Eastern time with East chosen by mistake.
    const auto india = PlausibilityNote(Place(77, 12, false), Zone("IST"));
    ASSERT_TRUE(india);
    EXPECT_NE(india->find("77\u00B012'W"), std::string::npos) << *india;
    EXPECT_TRUE(PlausibilityNote(Place(74, 0, true), Zone("EST")));
    EXPECT_FALSE(PlausibilityNote(Place(0, 0, true), Zone("GMT")));
    EXPECT_FALSE(PlausibilityNote(Place(74, 0, false), -1));
}

}  // namespace
}  // namespace zodrivel
