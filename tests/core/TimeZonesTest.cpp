// SPDX-License-Identifier: AGPL-3.0-or-later
// The zone list: its order, its numbers against its own texts, and finding rows by name.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "core/time/TimeZones.h"

namespace zodrivel {
namespace {

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TEST(ZoneTable, HasSeventyOneRowsInCaseInsensitiveAlphabeticalOrder) {
    const auto& rows = zoneTable();
    ASSERT_EQ(rows.size(), 71u);
    EXPECT_EQ(rows[29].text, "Greenwich Mean Time,GMT,0.0");
    for (std::size_t p = 1; p < rows.size(); ++p) {
        EXPECT_LT(lowerCase(rows[p - 1].text), lowerCase(rows[p].text)) << "position " << p;
    }
}

// Each text shows the zone's offset east of Greenwich in decimal hours; the stored correction
// is its negative. "+5.3" is the one text that means 5 h 30 min.
TEST(ZoneTable, CorrectionsAreTheNegativeOfTheOffsetTheTextShows) {
    for (int p = 0; p < ZoneCount; ++p) {
        const std::string text(zoneTable()[p].text);
        const double shown = std::stod(text.substr(text.rfind(',') + 1));
        const double offset = p == 34 ? 5.5 : shown;
        const ZoneCorrection c = zoneTable()[p].correction;
        EXPECT_DOUBLE_EQ(-(c.zoneCorrectionHours + c.zoneCorrectionMinutes / 60.0), offset) << text;
        // Minutes carry the sign of the hours, and no row has minutes without hours.
        EXPECT_GE(c.zoneCorrectionHours * c.zoneCorrectionMinutes, 0) << text;
        EXPECT_TRUE(c.zoneCorrectionHours != 0 || c.zoneCorrectionMinutes == 0) << text;
    }
}

TEST(ZoneCalculation, GivesTheRowsCorrectionOrNothing) {
    EXPECT_EQ(zoneCorrectionAt(29), (ZoneCorrection{0, 0}));
    EXPECT_EQ(zoneCorrectionAt(61), (ZoneCorrection{0, 0}));
    EXPECT_EQ(zoneCorrectionAt(34), (ZoneCorrection{-5, -30}));
    EXPECT_EQ(zoneCorrectionAt(50), (ZoneCorrection{3, 30}));
    EXPECT_EQ(zoneCorrectionAt(46), (ZoneCorrection{-13, 0}));
    EXPECT_EQ(zoneCorrectionAt(36), (ZoneCorrection{12, 0}));
    EXPECT_EQ(zoneCorrectionAt(-1), std::nullopt);
    EXPECT_EQ(zoneCorrectionAt(71), std::nullopt);
}

TEST(FindZones, ByPositionTextAbbreviationOrName) {
    EXPECT_EQ(findZones("27"), std::vector<int>{27});
    EXPECT_EQ(findZones("Azores Time, AT, -2.0"), std::vector<int>{11});
    EXPECT_EQ(findZones("est"), std::vector<int>{27});
    EXPECT_EQ(findZones("ist"), std::vector<int>{34});
    EXPECT_EQ(findZones("eastern daylight time"), std::vector<int>{24});
    EXPECT_EQ(zoneAbbreviation(11), "AT");
    EXPECT_EQ(zoneName(11), "Azores Time");
}

TEST(FindZones, SharedNamesGiveEveryMatchingRow) {
    EXPECT_EQ(findZones("NST"), (std::vector<int>{50, 52}));
    EXPECT_EQ(findZones("South Australia Daylight Time"), (std::vector<int>{56, 57}));
    EXPECT_EQ(findZones("south australia standard time"), (std::vector<int>{58, 59}));
    EXPECT_TRUE(findZones("71").empty());
    EXPECT_TRUE(findZones("-1").empty());
    // The list shows unsigned positions; a sign is not a way to write one.
    for (const char* query : {"-0", "+0", "+5", "-00", "- 5"}) {
        EXPECT_TRUE(findZones(query).empty()) << query;
    }
    EXPECT_TRUE(findZones("XYZ").empty());
    EXPECT_TRUE(findZones("").empty());
}

}  // namespace
}  // namespace zodrivel
