// SPDX-License-Identifier: AGPL-3.0-or-later
// The report as a document: whose chart it is, where the bodies stand, and the aspects with
// their orb and motion when known; as plain text, and as rich text a word processor reads back
// with its headings still bold.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "Births.h"
#include "core/calculation/Calculation.h"
#include "core/description/ChartDescription.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/model/Angles.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportWriter.h"
#include "core/report/RtfWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/time/TimeZones.h"
#include "core/time/ZoneHistory.h"

namespace zodrivel {
namespace {

namespace fs = std::filesystem;
using K = AspectKind;

// New York, 4 July 1976, 10:30 Eastern Standard Time with daylight saving ticked.
Chart newYorkBirth() {
    ProceedRecord record;
    record.birth = testing::birthOn(1976, 7, 4, 10, 30, 74, false, true);
    record.birth.birthName = "Ada Lovelace";
    record.birth.latDegrees = 40;
    record.birth.latMinutes = 43;
    record.zonePosition = findZones("EST").front();
    record.zone = *zoneCorrectionAt(record.zonePosition);
    return calculate(record, ClassicEphemeris{});
}

std::string plain(const ChartDescription& facts) { return plainReportText(buildReport(facts)); }

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ChartDescription, TodaysChartGivesTheBirthAsEnteredAndTheOffsetUsed) {
    const ChartDescription facts = describeChart(newYorkBirth(), "New York, NY, USA");
    EXPECT_EQ(facts.name, "Ada Lovelace");
    EXPECT_EQ(facts.birthAsEntered, "4 July 1976 10:30 local time");
    EXPECT_EQ(facts.placeText, "New York, NY, USA");
    EXPECT_EQ(facts.coordinates, "74\u00B000'W 40\u00B043'N");
    EXPECT_EQ(facts.zone.rowName, "Eastern Standard Time (EST)");
    EXPECT_TRUE(facts.zone.daylightSaving);
    // EST is 5 hours west; daylight saving puts the clock one hour further ahead.
    EXPECT_EQ(facts.zone.offsetSeconds, -4 * 3600);
    EXPECT_EQ(facts.zone.text, "Eastern Standard Time (EST), daylight saving: UT-4:00");
    EXPECT_EQ(facts.universalTime, "UT 4 July 1976 14:30");
    EXPECT_EQ(facts.modelTitle, "Classic (as in version 1.15)");
    EXPECT_EQ(facts.zone.source, ZoneSource::Row);
    EXPECT_EQ(facts.aspects, newYorkBirth().aspects);
    // Positions to the second: the Sun at Cancer 12°43' begun.
    ASSERT_EQ(facts.positions.size(), std::size_t{BodyCount});
    EXPECT_EQ(facts.positions[0].at.sign, 3);
    EXPECT_EQ(facts.positions[0].at.degrees, 12);
    EXPECT_EQ(facts.positions[0].at.minutes, 43);
    // Empty place boxes say nothing rather than an empty line or a lone comma.
    EXPECT_FALSE(describeChart(newYorkBirth(), ", , ").placeText);
    EXPECT_FALSE(describeChart(newYorkBirth()).placeText);
}

TEST(ChartDescription, OffsetsAndOrbsInHoursMinutesAndDegrees) {
    // Amsterdam's summer time of 1930 was +1:19:32; Kathmandu has kept +5:45 since 1986.
    const std::pair<int, const char*> offsets[] = {{-4 * 3600, "-4:00"},
                                                   {19800, "+5:30"},
                                                   {0, "+0:00"},
                                                   {-9000, "-2:30"},
                                                   {4772, "+1:19:32"},
                                                   {20700, "+5:45"},
                                                   {-(3 * 3600 + 1), "-3:00:01"}};
    for (const auto& [seconds, text] : offsets) EXPECT_EQ(formatOffset(seconds), text) << seconds;
}

TEST(ReportDocument, BlockAndPositionsComeBetweenThePublisherLineAndTheAspects) {
    const Chart c = newYorkBirth();
    const std::string report = plain(describeChart(c, "New York, NY, USA"));
    const std::string block =
        "Name:           Ada Lovelace\r\n"
        "Born:           4 July 1976 10:30 local time\r\n"
        "Place:          New York, NY, USA, 74\u00B000'W 40\u00B043'N\r\n"
        "Zone:           Eastern Standard Time (EST), daylight saving: UT-4:00\r\n"
        "Computed for:   UT 4 July 1976 14:30\r\n"
        "Model:          Classic (as in version 1.15)\r\n"
        "\r\n"
        "Body            Sign          Position\r\n"
        "Sun             Cancer        12\u00B043'\r\n";
    EXPECT_EQ(report.rfind(publisherLine() + block, 0), 0u) << report.substr(0, 700);
    EXPECT_TRUE(contains(report, "Neptune         Sagittarius   11\u00B047'\r\n"));
    EXPECT_TRUE(contains(report, "Pluto           Libra         9\u00B000'\r\n\r\n"));

    // After the table, the documented report's aspects: each box's paragraphs in report order,
    // each heading followed by its orb and motion, then the publisher line.
    std::size_t from = report.find(block);
    for (const AspectKind kind : ReportOrder) {
        for (const Aspect& a : c.aspects) {
            if (a.hit.kind != kind) continue;
            const std::size_t at =
                report.find(aspectHeading(a.hit) + "  (orb " + formatOrb(a.detail.orb), from);
            ASSERT_NE(at, std::string::npos) << aspectHeading(a.hit);
            from = at;
        }
    }
    EXPECT_EQ(report.substr(report.size() - publisherLine().size()), publisherLine());
    EXPECT_FALSE(contains(report, "House")) << "no houses, no house column";
}

TEST(ReportDocument, OptionalFactsAppearWhenALaterCalculationGivesThem) {
    Chart chart = newYorkBirth();
    chart.birth.zoneSource = ZoneSource::TimeZone;
    chart.birth.zoneId = "Europe/London";
    chart.birth.zoneAbbreviation = "BDST";
    chart.birth.utcOffsetSeconds = 2 * 3600;
    chart.model = SkyModel::Precise;
    chart.houses = ChartHouses{};
    const int houses[] = {10, 1, 10, 11, 12, 7, 11, 3, 5, 2};
    for (std::size_t i = 0; i < std::size(houses) && i < chart.points.size(); ++i) {
        chart.points[i].house = houses[i];
    }
    ASSERT_GE(chart.aspects.size(), 2u);
    chart.aspects[0].detail = AspectDetail{0, 2.25, true};
    chart.aspects[1].detail = AspectDetail{0, 0.1, false};
    const ChartDescription facts = describeChart(chart);

    const std::string report = plain(facts);
    EXPECT_TRUE(contains(report, "Zone:           Europe/London (BDST): UT+2:00\r\n")) << report;
    EXPECT_TRUE(contains(report, "Model:          Precise (Swiss Ephemeris)\r\n"));
    EXPECT_TRUE(contains(report, "Body            Sign          Position    House\r\n"));
    EXPECT_TRUE(contains(report, "Sun             Cancer        12\u00B043'      10\r\n"));
    EXPECT_TRUE(contains(report, "Pluto           Libra         9\u00B000'       2\r\n"));

    const auto heading = [&](const Aspect& a) { return aspectHeading(a.hit); };
    EXPECT_TRUE(contains(
        report, heading(facts.aspects[0]) + "  (orb 2\u00B015', applying)\r\n" +
                    std::string(aspectText(facts.aspects[0].hit.kind, facts.aspects[0].hit.first,
                                           facts.aspects[0].hit.second))))
        << report;
    EXPECT_TRUE(contains(report, heading(facts.aspects[1]) + "  (orb 0\u00B006', separating)\r\n"));
    // The heading keeps its emphasis and red; orb and motion are plain text after it.
    const RichTextDocument document = buildReport(facts);
    const auto& runs = document.runs();
    const auto at = std::ranges::find_if(
        runs, [&](const TextRun& r) { return r.text == heading(facts.aspects[0]); });
    ASSERT_NE(at, runs.end());
    EXPECT_TRUE(at->emphasis);
    EXPECT_EQ(at->colour, HeadingColour);
    EXPECT_FALSE((at + 1)->emphasis);
    EXPECT_EQ((at + 1)->colour, TextColour);
}

TEST(ReportDocument, KindsInReportOrderHitsInSearchOrder) {
    ChartDescription facts = describeChart(newYorkBirth());
    const auto hit = [](K kind, PointId first, PointId second) {
        return Aspect{{kind, first, second, 0}, {}};
    };
    using P = PointId;
    facts.aspects = {hit(K::SemiSextile, P::Sun, P::Mars), hit(K::Opposition, P::Moon, P::Sun),
                     hit(K::Sextile, P::Venus, P::Sun), hit(K::Sextile, P::Mars, P::Moon)};
    const std::string report = plain(facts);
    const auto where = [&](const char* text) { return report.find(text); };
    EXPECT_LT(where("Venus-Sun  In Sextile"), where("Mars-Moon  In Sextile"));
    EXPECT_LT(where("Mars-Moon  In Sextile"), where("Sun-Mars  In Semi-Sextile"));
    EXPECT_LT(where("Sun-Mars  In Semi-Sextile"), where("Moon-Sun  In Opposition"));
    EXPECT_NE(where("Moon-Sun  In Opposition"), std::string::npos);
}

TEST(ReportDocument, PlainTextTabsReachTheNextColumnOrOneBlankPastTheLast) {
    RichTextDocument document;
    document.insertText("a\tb\r\nVeryLongLabelOfTwenty\tc\tdd\te\tf\r\n\u00B0\u00B0\tx");
    EXPECT_EQ(plainReportText(document), "a" + std::string(15, ' ') + "b\r\n" +
                                             "VeryLongLabelOfTwenty" + std::string(9, ' ') + "c" +
                                             std::string(11, ' ') + "dd e f\r\n" + "\u00B0\u00B0" +
                                             std::string(14, ' ') + "x");
}

TEST(ReportDocument, RichTextCarriesTheTabStopsAndTheBoldHeadings) {
    const ChartDescription facts = describeChart(newYorkBirth());
    const std::string rtf = toRtf(buildReport(facts), ReportTabStopsPt);
    EXPECT_TRUE(contains(rtf, "\\pard\\tx2000\\tx3800\\tx5200\\plain")) << rtf.substr(0, 300);
    EXPECT_TRUE(contains(rtf, "Name:\\tab Ada Lovelace\\par"));
    // The heading bold and red; orb and motion follow it on its line in plain text.
    EXPECT_TRUE(contains(rtf, "{\\cf2\\b Sun-Venus  In Conjunction Aspect}{\\cf1   (orb "));
}

// LibreOffice reads the file back: the text as written, and the headings still bold and red.
TEST(ReportDocument, AWordProcessorReadsTheHeadingsBackBold) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    }
    // One folder per process: test runs of other build trees may run beside this one.
    const fs::path dir =
        fs::temp_directory_path() / ("zodrivel-report-roundtrip-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const ChartDescription facts = describeChart(newYorkBirth(), "New York, NY, USA");
    RtfPage page;
    page.headerName = "ADA LOVELACE";
    std::ofstream(dir / "report.rtf", std::ios::binary)
        << toRtf(buildReport(facts), ReportTabStopsPt, page);
    const std::string soffice = "cd " + dir.string() + " && HOME=" + dir.string() +
                                " soffice -env:UserInstallation=file://" + dir.string() +
                                "/profile --headless --convert-to ";
    ASSERT_EQ(std::system((soffice + "'txt:Text (encoded):UTF8' report.rtf >log 2>&1").c_str()), 0);
    ASSERT_EQ(
        std::system((soffice + "'html:XHTML Writer File:UTF8' report.rtf >>log 2>&1").c_str()), 0);
    const auto read = [&](const char* name) {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    std::string text = read("report.txt");
    // The text export marks each blank of a run of blanks with U+2006 before it.
    for (std::size_t at; (at = text.find("\u2006")) != std::string::npos;) text.erase(at, 3);
    EXPECT_TRUE(contains(text, "Name:\tAda Lovelace\n")) << text.substr(0, 500);
    EXPECT_TRUE(contains(text, "Zone:\tEastern Standard Time (EST), daylight saving: UT-4:00\n"));
    EXPECT_TRUE(contains(text, "Neptune\tSagittarius\t11\u00B047'\n"));
    EXPECT_TRUE(contains(text, "Sun-Venus  In Conjunction Aspect  (orb "));

    // The HTML export styles each run by a class: the heading's is bold and dark red.
    const std::string html = read("report.html");
    const std::size_t heading = html.find("Sun-Venus");
    ASSERT_NE(heading, std::string::npos) << html.substr(0, 2000);
    const std::size_t classAt = html.rfind("<span class=\"", heading);
    ASSERT_NE(classAt, std::string::npos);
    const std::size_t nameAt = classAt + 13;
    const std::string name = html.substr(nameAt, html.find('"', nameAt) - nameAt);
    const std::size_t rule = html.find("." + name + " {");
    ASSERT_NE(rule, std::string::npos) << name;
    const std::string style = html.substr(rule, html.find('}', rule) - rule);
    EXPECT_TRUE(contains(style, "font-weight:bold")) << style;
    EXPECT_TRUE(contains(style, "color:#800000")) << style;

    // Printed by the word processor: A4 pages, each with the name and its number of all.
    ASSERT_EQ(std::system((soffice + "pdf report.rtf >>log 2>&1").c_str()), 0);
    ASSERT_EQ(std::system(("cd " + dir.string() +
                           " && pdfinfo report.pdf > info && pdftotext report.pdf printed.txt")
                              .c_str()),
              0);
    EXPECT_TRUE(contains(read("info"), " pts (A4)\n")) << read("info");
    const std::string printed = read("printed.txt");
    const std::size_t pages = std::stoul(read("info").substr(read("info").find("Pages:") + 6));
    ASSERT_GE(pages, 2u);
    for (std::size_t n = 1; n <= pages; ++n) {
        EXPECT_TRUE(contains(printed, "Page " + std::to_string(n) + " of " + std::to_string(pages)))
            << printed.substr(0, 300);
    }
    EXPECT_TRUE(contains(printed, "ADA LOVELACE"));
    fs::remove_all(dir);
}

// The sections that explain the chart come between the table and the aspects, in words a
// client reads: the model, the house system, the day, what orb and motion mean.
TEST(ReportDocument, TheReportExplainsItselfBeforeTheReadings) {
    Chart chart = newYorkBirth();
    chart.houses = ChartHouses{};
    chart.houses->ascendant = 161.1675;  // Virgo 11°10'
    chart.houses->midheaven = 67.9937;   // Gemini 7°59'
    for (int h = 0; h < 12; ++h) chart.houses->cusps[h] = wrapDegrees(161.1675 + 30.0 * h);
    ReportOptions options;
    options.madeOn = "8 December 2026";
    options.name = "ADA LOVELACE";
    const std::string report =
        plainReportText(buildReport(describeChart(chart), englishTexts(), options));
    const auto where = [&](const std::string& text) {
        const std::size_t at = report.find(text);
        EXPECT_NE(at, std::string::npos) << text << "\n" << report.substr(0, 3000);
        return at;
    };
    EXPECT_LT(where("Name:           ADA LOVELACE\r\n"), where("Pluto           Libra"));
    // The angles close the table; the Classic model's speeds (Uranus -0.0057°, Neptune
    // -0.0222° a day in the table output) make two bodies retrograde.
    EXPECT_LT(where("Pluto           Libra"),
              where("Ascendant       Virgo         11\u00B010'\r\n"
                    "Midheaven       Gemini        7\u00B059'\r\n\r\n"));
    where("Retrograde, seeming to move backwards as seen from the Earth: Uranus, Neptune\r\n");
    const std::size_t about = where(
        "About this report\r\n"
        "Calculation:    Positions as in version 1.15\r\n"
        "House system:   Placidus\r\n"
        "Made on:        8 December 2026\r\n");
    EXPECT_LT(about, where("tendencies, not of fate"));
    EXPECT_LT(where("Applying means"),
              where("House cusps\r\n1               Virgo         11\u00B010'"));
    EXPECT_LT(where("House cusps"), where("Aspect grid\r\n"));
    EXPECT_LT(where("Aspect grid"), where("Balance of elements and modes\r\n"));
    // Sun, Mercury and Venus in Cancer, Uranus in Scorpio: the water signs.
    where("Water           4             Sun, Mercury, Venus, Uranus\r\n");
    EXPECT_LT(where("Balance of elements"), where("Your aspects\r\n"));
    EXPECT_LT(where("Your aspects"), report.find("In Conjunction Aspect  (orb"));
    EXPECT_EQ(report.find("Close aspects"), std::string::npos) << "documented order";
}

TEST(ReportDocument, ByStrengthTheTightestOrbComesFirstUnderItsBand) {
    ChartDescription facts = describeChart(newYorkBirth());
    const auto hit = [](K kind, PointId first, PointId second, double orb) {
        return Aspect{{kind, first, second, 0}, {0, orb, true}};
    };
    using P = PointId;
    facts.aspects = {
        hit(K::Conjunction, P::Sun, P::Venus, 4.5), hit(K::Square, P::Moon, P::Sun, 0.99),
        hit(K::Trine, P::Mars, P::Jupiter, 2.999),  // 3°00' as printed: wide
        hit(K::Sextile, P::Venus, P::Mars, 0.2), hit(K::Opposition, P::Saturn, P::Pluto, 1.0)};
    ReportOptions options;
    options.order = AspectOrder::Strength;
    const std::string report = plainReportText(buildReport(facts, englishTexts(), options));
    const std::vector<std::string> inOrder{"Close aspects: orb under 1\u00B0\r\n",
                                           "Venus-Mars  In Sextile Aspect  (orb 0\u00B012'",
                                           "Moon-Sun  In Square Aspect  (orb 0\u00B059'",
                                           "Aspects of middle strength: orb 1\u00B0 to 3\u00B0\r\n",
                                           "Saturn-Pluto  In Opposition Aspect  (orb 1\u00B000'",
                                           "Wider aspects: orb 3\u00B0 and more\r\n",
                                           "Mars-Jupiter  In Trine Aspect  (orb 3\u00B000'",
                                           "Sun-Venus  In Conjunction Aspect  (orb 4\u00B030'"};
    std::size_t from = 0;
    for (const std::string& text : inOrder) {
        const std::size_t at = report.find(text, from);
        ASSERT_NE(at, std::string::npos) << text << "\n" << report.substr(report.find("Close"));
        from = at + text.size();
    }
    EXPECT_EQ(report.find("Your aspects"), std::string::npos);
}

// What plain readers and word processors need of a saved report: A4 paper, a header with the
// name and the page number as fields, the degree sign in the code page, the wheel as PNG.
TEST(ReportDocument, RichTextIsA4WithAHeaderPageNumbersAndThePicture) {
    RichTextDocument document;
    document.insertText("Sun 12\u00B043' \u0395\r\n");
    document.insertFigure(Figure::ChartWheel);
    document.setFixedPitch(true);
    document.insertText("Su  Sqr\r\n");
    RtfPage page;
    page.headerName = "\u0395\u039B\u0395\u039D\u0397";
    page.wheelPng = std::string("\x89PNG\r\n\x1a\n", 8);
    page.wheelSidePt = 300;
    const std::string rtf = toRtf(document, ReportTabStopsPt, page);
    for (const char* marker :
         {"\\paperw11906\\paperh16838", "{\\header", "{\\field{\\*\\fldinst PAGE}",
          "{\\field{\\*\\fldinst NUMPAGES}", "\\u917?\\u923?", "Sun 12\\'b043' \\u917?",
          "{\\pict\\pngblip\\picwgoal6000\\pichgoal6000\r\n89504e470d0a1a0a}",
          "{\\f1\\fmodern\\fcharset0 Courier New;}", "{\\cf1\\f1 Su  Sqr"}) {
        EXPECT_TRUE(contains(rtf, marker)) << marker << "\n" << rtf;
    }
    // The header's page number is "Page <PAGE> of <NUMPAGES>".
    EXPECT_TRUE(contains(rtf,
                         "\\tab Page {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}} of "
                         "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}\\par}"));
    // Without a picture the figure leaves nothing behind.
    EXPECT_FALSE(contains(toRtf(document, ReportTabStopsPt), "pict"));
}

}  // namespace
}  // namespace zodrivel
