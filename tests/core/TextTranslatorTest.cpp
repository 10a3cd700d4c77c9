// SPDX-License-Identifier: AGPL-3.0-or-later
// The translation seam: what a translator is asked (context and the exact English, patterns
// before values), and that values go into a translated pattern where it puts them.

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "core/aspects/AspectSearch.h"
#include "core/entry/BirthSummary.h"
#include "core/model/Text.h"
#include "core/model/TextTranslator.h"
#include "core/model/Zodiac.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/time/TimeZones.h"
#include "core/wheel/WheelLayout.h"

namespace zodrivel {
namespace {

// Answers from a small table and records every question; unknown texts come back as asked.
class TableTranslator : public TextTranslator {
public:
    std::map<std::pair<std::string, std::string>, std::string> table;
    mutable std::set<std::pair<std::string, std::string>> asked;

    std::string translate(std::string_view context, std::string_view english) const override {
        const std::pair<std::string, std::string> key{std::string(context), std::string(english)};
        asked.insert(key);
        const auto found = table.find(key);
        return found == table.end() ? key.second : found->second;
    }
};

TEST(FillIn, ReplacesNumberedPlacesOnceAndLeavesTheRest) {
    EXPECT_EQ(fillIn("%2 before %1", {"a", "b"}), "b before a");
    // A value that itself reads like a place is not filled in again.
    EXPECT_EQ(fillIn("%1 and %2", {"%2", "x"}), "%2 and x");
    // Places without a value, a lone % and %0 stay as written.
    EXPECT_EQ(fillIn("%1 %3 100% %0 %", {"a"}), "a %3 100% %0 %");
    EXPECT_EQ(fillIn("", {"a"}), "");
}

TEST(AppendPadded, WritesWhatPrintfWritesForEveryWidthAndSign) {
    for (const long value :
         {0L, 5L, -5L, 42L, -42L, 1976L, -1976L, 123456789L, -2147483648L, LONG_MIN}) {
        for (const int width : {1, 2, 4, 12}) {
            char expected[32];
            std::snprintf(expected, sizeof expected, "%0*ld", width, value);
            std::string text = "x";
            appendPadded(text, value, width);
            EXPECT_EQ(text, std::string("x") + expected) << value << " width " << width;
        }
    }
}

TEST(TextTranslator, EnglishIsTheTextAsWritten) {
    EXPECT_EQ(englishTexts().translate(textContext::Months, "July"), "July");
    EXPECT_EQ(aspectHeading({AspectKind::Square, PointId::Sun, PointId::Moon, 90}),
              "Sun-Moon  In Square Aspect");
    EXPECT_EQ(formatDate(1976, 7, 4), "4 July 1976");
    EXPECT_EQ(formatUniversalTime({1976, 7, 4, 14, 30}), "UT 4 July 1976 14:30");
}

TEST(TextTranslator, HeadingsDatesAndSignsUseTheTranslatedPatternAndNames) {
    TableTranslator t;
    t.table[{"CoreAspectKinds", "%1-%2  In Square Aspect"}] = "Quadrat: %2 und %1";
    t.table[{"CoreBodies", "Sun"}] = "Sonne";
    t.table[{"CoreBodies", "Moon"}] = "Mond";
    t.table[{"CoreSummary", "%1 %2 %3"}] = "%1. %2 %3";
    t.table[{"CoreMonths", "July"}] = "Juli";
    t.table[{"CoreSummary", "UT %1 %2"}] = "%2 Uhr WZ am %1";
    t.table[{"CoreSigns", "Cancer"}] = "Krebs";

    EXPECT_EQ(aspectHeading({AspectKind::Square, PointId::Sun, PointId::Moon, 90}, t),
              "Quadrat: Mond und Sonne");
    EXPECT_EQ(formatDate(1976, 7, 4, t), "4. Juli 1976");
    EXPECT_EQ(formatUniversalTime({1976, 7, 4, 14, 30}, t), "14:30 Uhr WZ am 4. Juli 1976");
    EXPECT_EQ(formatSignPosition(100.5, t), "Krebs 10\u00B030'");
    // The wheel's tooltips are the same headings.
    std::vector<ChartPoint> bodies;
    for (int slot = 0; slot < BodyCount; ++slot) bodies.push_back({bodyOfSlot(slot), 0, 0, 0});
    const std::vector<Aspect> found{{{AspectKind::Square, PointId::Sun, PointId::Moon, 90}, {}}};
    const WheelLayout layout = computeWheelLayout(bodies, found, t);
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.lines[0].tooltip, "Quadrat: Mond und Sonne, 90\u00B0");
}

TEST(TextTranslator, ReportEntriesAskForTheParagraphByItsEnglish) {
    TableTranslator t;
    const std::string_view english = aspectText(AspectKind::Trine, SunSlot, MoonSlot);
    ASSERT_FALSE(english.empty());
    t.table[{"CoreParagraphs", std::string(english)}] = "Übersetzt.";
    RichTextDocument document;
    appendAspectEntry(document, {AspectKind::Trine, PointId::Sun, PointId::Moon, 0}, t);
    EXPECT_EQ(document.plainText(), "Sun-Moon  In Trine Aspect\r\nÜbersetzt.\r\n\r\n");
    EXPECT_TRUE(t.asked.count({"CoreAspectKinds", "%1-%2  In Trine Aspect"}));

    t.table[{"CoreReport", std::string(PublisherPattern)}] = "Bericht von %1";
    const std::string report = buildReportText({}, t);
    EXPECT_EQ(report.rfind("Bericht von ", 0), 0u) << report;
    EXPECT_NE(report.find("\r\n\r\nBericht von "), std::string::npos) << report;
}

TEST(TextTranslator, ZoneNotesTranslateTheZoneNameAndKeepTheLongitude) {
    TableTranslator t;
    t.table[{"CoreTimeZones", "Eastern Daylight Time"}] = "Östliche Sommerzeit";
    t.table[{"CoreSummary", std::string(summaryPatterns::DaylightTwice)}] = "Doppelt: %1.";
    t.table[{"CoreSummary", std::string(summaryPatterns::ZoneAcrossGreenwich)}] = "%2 gegen %1";
    t.table[{"CoreSummary", "E"}] = "O";
    BirthData birth;
    birth.lonDegrees = 74;
    birth.isEast = false;
    birth.isDaylightSaving = true;
    EXPECT_EQ(plausibilityNote(birth, findZones("EDT").at(0), t), "Doppelt: Östliche Sommerzeit.");
    birth.isDaylightSaving = false;
    const auto across = plausibilityNote(birth, findZones("CET").at(0), t);
    ASSERT_TRUE(across);
    EXPECT_EQ(*across, "74\u00B000'W gegen Central European Time");
    // In English both notes read as before.
    EXPECT_EQ(plausibilityNote(birth, findZones("CET").at(0)),
              "The zone Central European Time lies on the other side of Greenwich from a "
              "longitude of 74\u00B000'W. Check the zone and the East/West choice.");
    // A translated direction may be longer than a letter.
    t.table[{"CoreSummary", "N"}] = "Nord";
    birth.isEast = true;
    birth.lonDegrees = 151;
    birth.latDegrees = 40;
    EXPECT_EQ(formatCoordinates(birth, t), "151\u00B000'O 40\u00B000'Nord");
}

}  // namespace
}  // namespace zodrivel
