// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel-cli run as a process: what it prints, where, and with which exit status.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <swephexp.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "cli/CliOptions.h"
#include "tests/common/ManualPage.h"
#include "tests/common/ProcessRun.h"

namespace {

namespace fs = std::filesystem;

using CliRun = zodrivel::testing::ProcessRun;
using zodrivel::testing::slurp;

// Arguments are passed through the shell, single-quoted; standard output goes to the pipe, or
// to `stdoutTo` when given.
CliRun runCli(const std::vector<std::string>& args, const char* stdoutTo = nullptr,
              const char* program = ZODRIVEL_CLI_PATH) {
    const fs::path errFile =
        fs::temp_directory_path() / ("zodrivel-cli-err-" + std::to_string(::getpid()));
    std::string command = zodrivel::testing::shellCommand(program, args);
    if (stdoutTo) command += std::string(" >") + stdoutTo;
    return zodrivel::testing::runShell(command, errFile);
}

std::vector<std::string> birthOn(std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--name", "Ada",  "--date", "2000-01-01", "--time", "12:00",
                                  "--lon",  "0W00", "--lat",  "51N28",      "--zone", "GMT"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(Cli, ExampleAsJsonCarriesTheWholeChart) {
    const CliRun run = runCli({"--example", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["name"], "EXAMPLE BIRTH");
    EXPECT_EQ(json["universal_time"], 14.5);
    EXPECT_EQ(json["universal_date"], "1976-07-04T14:30:00");
    // The classic model: the ten bodies, then its mean node and Lilith; no Chiron, said once.
    ASSERT_EQ(json["positions"].size(), 12u);
    EXPECT_EQ(json["positions"][0]["body"], "Sun");
    EXPECT_EQ(json["positions"][9]["body"], "Pluto");
    EXPECT_EQ(json["positions"][10]["body"], "North Node");
    EXPECT_EQ(json["positions"][11]["body"], "Lilith");
    EXPECT_EQ(json["node"], "mean");
    EXPECT_EQ(json["notes"], nlohmann::json({"The classic model computes the mean node only.",
                                             "Chiron is computed in the precise model only."}));
    EXPECT_NEAR(json["positions"][1]["longitude"].get<double>(), 191.083585, 5e-7);
    ASSERT_FALSE(json["aspects"].empty());
    for (const auto& aspect : json["aspects"]) {
        EXPECT_TRUE(aspect.contains("kind") && aspect.contains("first") &&
                    aspect.contains("second") && aspect["separation"].is_number_integer());
    }
}

TEST(Cli, JsonDoublesRoundTrip) {
    const CliRun run = runCli(birthOn({"--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["name"], "ADA");
    EXPECT_EQ(json["julian_centuries"], 0.0);
    EXPECT_EQ(json["days_since_j2000"], 0.0);
    // The Sun at J2000 noon, on the equinox of date (which is J2000 itself here).
    EXPECT_NEAR(json["positions"][0]["longitude"].get<double>(), 280.3796, 1e-4);
}

TEST(Cli, TableShowsSignsAndAspects) {
    const CliRun run = runCli(birthOn());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Sun      Capricorn 10\u00B022'"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Used     UT 1 January 2000 12:00"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Place    0\u00B000'W 51\u00B028'N"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Aspects"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
}

struct BadInput {
    std::vector<std::string> args;
    std::string message;  // expected on stderr
};

TEST(Cli, BadInputGetsTheWindowsMessageOrNamesTheOption) {
    const BadInput cases[] = {
        {{"--name", "Ada1"}, "--name: Please Enter only Letters"},
        {{"--name", "Ada\U0001F600"}, "--name: Please Enter only Letters"},
        {{"--name", "  "}, "Please Enter Name"},
        {{"--lon", "180W00"}, "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {{"--lon", "74W60"}, "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {{"--lat", "90N00"}, "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
        {{"--lon", "7x4W00"}, "--lon: Only Numbers Are Accepted"},
        {{"--lon", "74X00"}, "--lon: expected degrees, E or W"},
        {{"--lat", "100N00"}, "--lat: expected degrees, N or S"},
        {{"--date", "1901-02-29"}, "Please Enter Correct Date Or Month!"},
        {{"--date", "1999-04-31"}, "Please Enter Correct Date Or Month !"},
        {{"--date", "1900-06-01"}, "--date: the year must lie between 1901 and 2050"},
        {{"--date", "2051-06-01"}, "--date: the year must lie between 1901 and 2050"},
        {{"--date", "2000-13-01"}, "--date: the month"},
        {{"--date", "1/1/2000"}, "--date: expected YYYY-MM-DD"},
        {{"--time", "24:00"}, "--time: the hour"},
        {{"--time", "12:5"}, "--time: expected HH:MM"},
        {{"--zone", "NST"}, "50  Newfoundland Standard Time,NST,-3.5"},
        {{"--zone", "71"}, "--zone: no zone is named '71'"},
        {{"--format", "xml"}, "--format"},
        {{"--no-such-option"}, "no-such-option"},
    };
    for (const BadInput& c : cases) {
        const CliRun run = runCli(birthOn(c.args));  // later options override the valid ones
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_TRUE(run.out.empty()) << c.message << ": " << run.out;
        EXPECT_NE(run.err.find(c.message), std::string::npos)
            << "expected " << c.message << "\ngot " << run.err;
    }
}

TEST(Cli, SecondsAreAcceptedAndIgnored) {
    const CliRun without = runCli(birthOn({"--format", "json"}));
    const CliRun with = runCli(birthOn({"--time", "12:00:59", "--format", "json"}));
    ASSERT_EQ(with.status, 0) << with.err;
    EXPECT_EQ(with.out, without.out);
}

TEST(Cli, ZoneByPositionTextOrAbbreviationIsTheSameChart) {
    const CliRun byAbbreviation = runCli(birthOn({"--zone", "ist", "--format", "json"}));
    const CliRun byPosition = runCli(birthOn({"--zone", "34", "--format", "json"}));
    const CliRun byText = runCli(birthOn({"--zone", "Indian Time, IST, +5.3", "--format", "json"}));
    ASSERT_EQ(byAbbreviation.status, 0) << byAbbreviation.err;
    EXPECT_EQ(byAbbreviation.out, byPosition.out);
    EXPECT_EQ(byAbbreviation.out, byText.out);
    EXPECT_EQ(nlohmann::json::parse(byPosition.out)["universal_time"], 6.5);
}

TEST(Cli, ReportAndRtfCarryTheSameText) {
    const CliRun report = runCli({"--example", "--format", "report"});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.out.rfind("Report Generated By ", 0), 0u);
    // A heading line holds the heading, then the orb and the motion; kinds follow the report
    // order.
    EXPECT_NE(report.out.find("Mars-Mercury  In Sextile Aspect  (orb "), std::string::npos);
    EXPECT_LT(report.out.find("In Conjunction Aspect"), report.out.find("In Sextile Aspect"));
    EXPECT_LT(report.out.find("In Sextile Aspect"), report.out.find("In Square Aspect"));

    const CliRun rtf = runCli({"--example", "--format", "rtf"});
    ASSERT_EQ(rtf.status, 0) << rtf.err;
    EXPECT_EQ(rtf.out.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.out.find("Mars-Mercury  In Sextile Aspect}{\\cf1   (orb "), std::string::npos);
}

TEST(Cli, ReportSaysWhoseChartAndWhereTheBodiesStand) {
    const CliRun report = runCli(birthOn({"--format", "report"}));
    ASSERT_EQ(report.status, 0) << report.err;
    for (const char* line :
         {"\r\n\r\nName:           ADA\r\n", "Born:           1 January 2000 12:00 local time\r\n",
          "Place:          0\u00B000'W 51\u00B028'N\r\n",
          "Zone:           Greenwich Mean Time (GMT): UT+0:00\r\n",
          "Computed for:   UT 1 January 2000 12:00\r\n",
          "Model:          Classic (as in version 1.15)\r\n", "Houses:         Placidus\r\n",
          "Body            Sign          Position    House\r\n"}) {
        EXPECT_NE(report.out.find(line), std::string::npos) << line << report.out.substr(0, 600);
    }
    const CliRun rtf = runCli(birthOn({"--format", "rtf"}));
    EXPECT_NE(rtf.out.find("Name:\\tab ADA\\par"), std::string::npos);
}

// The strongest first on request: every documented heading still there, each band's orbs
// within its title's range, and the default order untouched without the option.
TEST(Cli, OrderByStrengthPutsTheTightestOrbFirstUnderItsBand) {
    const CliRun documented = runCli({"--example", "--format", "report"});
    const CliRun strength = runCli({"--example", "--format", "report", "--order", "strength"});
    ASSERT_EQ(strength.status, 0) << strength.err;
    EXPECT_EQ(documented.out.find("Close aspects"), std::string::npos);
    const std::size_t close = strength.out.find("Close aspects: orb under 1\u00B0\r\n");
    const std::size_t middle = strength.out.find("Aspects of middle strength");
    ASSERT_NE(close, std::string::npos) << strength.out;
    // The orbs as printed, "(orb 0°42', ...", read back in order: never decreasing.
    double last = -1;
    int count = 0;
    const std::size_t points = strength.out.find("Aspects of the angles and points");
    for (std::size_t at = close;
         (at = strength.out.find("  (orb ", at)) != std::string::npos && at < points; ++at) {
        const std::size_t degrees = at + 7;
        const double orb =
            std::stod(strength.out.substr(degrees)) +
            std::stod(strength.out.substr(strength.out.find("\u00B0", degrees) + 2)) / 60;
        EXPECT_GE(orb, last) << strength.out.substr(at, 40);
        if (middle != std::string::npos && at < middle) {
            EXPECT_LT(orb, 1.0);
        }
        last = orb;
        ++count;
    }
    // Every heading of the ten bodies' aspects in the documented order is there by strength too.
    int headings = 0;
    const std::size_t documentedPoints = documented.out.find("Aspects of the angles and points");
    for (std::size_t at = documented.out.find("Your aspects\r\n");
         (at = documented.out.find(" Aspect  (orb ", at)) != std::string::npos &&
         at < documentedPoints;
         ++at) {
        const std::size_t start = documented.out.rfind("\r\n", at) + 2;
        EXPECT_NE(strength.out.find(documented.out.substr(start, at - start), close),
                  std::string::npos);
        ++headings;
    }
    EXPECT_EQ(count, headings);
    EXPECT_GT(headings, 3);

    const CliRun table = runCli({"--example", "--order", "strength"});
    EXPECT_EQ(table.status, 2) << table.out;
    EXPECT_NE(table.err.find("--order"), std::string::npos);
}

// The PDF read back as text: the block and the aspects, and on every page the name and the
// page's number.
TEST(Cli, PdfHasTheNameAndPageNumbersOnEveryPage) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    const fs::path pdf =
        fs::temp_directory_path() / ("zodrivel-cli-" + std::to_string(::getpid()) + ".pdf");
    const CliRun run = runCli({"--example", "--format", "pdf", "--output", pdf.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(slurp(pdf).rfind("%PDF-", 0), 0u);
    const fs::path txt = pdf.string() + ".txt";
    ASSERT_EQ(std::system(("pdftotext " + pdf.string() + " " + txt.string()).c_str()), 0);
    const std::string text = slurp(txt);
    // Pages are separated by form feeds.
    std::vector<std::string> pages;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\f', start);
        if (end == std::string::npos) end = text.size();
        if (text.find_first_not_of(" \n", start) < end)
            pages.push_back(text.substr(start, end - start));
    }
    ASSERT_GE(pages.size(), 2u) << text;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NE(pages[i].find("EXAMPLE BIRTH"), std::string::npos) << i;
        EXPECT_NE(
            pages[i].find("Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())),
            std::string::npos)
            << pages[i].substr(0, 200);
    }
    EXPECT_NE(pages[0].find("Report Generated By"), std::string::npos);
    EXPECT_NE(pages[0].find("4 July 1976 10:30 local time"), std::string::npos);
    EXPECT_NE(text.find("Mars-Mercury In Sextile Aspect"), std::string::npos);
    fs::remove(pdf);
    fs::remove(txt);
}

// A PDF goes to a file or a pipe, never to a terminal, whose settings its bytes could change.
TEST(Cli, PdfIsRefusedOnATerminalAndWrittenToAPipe) {
    const CliRun piped = runCli({"--example", "--format", "pdf"});
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out.rfind("%PDF-", 0), 0u);

    if (std::system("command -v script >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "script (util-linux) is not installed";
    }
    // A container or chroot without /dev/pts has no pseudo-terminal to give.
    if (std::system("script -qec true /dev/null >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "script cannot open a pseudo-terminal here";
    }
    // script runs the program on a pseudo-terminal and passes its exit status on (-e).
    const CliRun onTerminal =
        runCli({"-qec", std::string(ZODRIVEL_CLI_PATH) + " --example --format pdf", "/dev/null"},
               nullptr, "script");
    EXPECT_EQ(onTerminal.status, 2);
    EXPECT_NE(onTerminal.out.find("a PDF is not shown on a terminal"), std::string::npos)
        << onTerminal.out;
    EXPECT_EQ(onTerminal.out.find("%PDF"), std::string::npos);
}

TEST(Cli, TextsListsEveryKeyOnce) {
    const CliRun run = runCli({"--texts"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto table = nlohmann::json::parse(run.out);
    // The 630 aspect paragraphs first, then the points' readings, the patterns' and the
    // transits'.
    std::set<std::string> keys;
    std::size_t aspects = 0, points = 0, patterns = 0, transits = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& entry = table[i];
        const std::string kind = entry["kind"].get<std::string>();
        std::string key = kind + "|" + entry["first"].get<std::string>() + "|" +
                          entry["second"].get<std::string>();
        if (kind == "Point") {
            EXPECT_GE(i, 630u);
            EXPECT_TRUE(entry["family"] == "conjunction" || entry["family"] == "easy" ||
                        entry["family"] == "hard");
            key += "|" + entry["family"].get<std::string>();
            ++points;
        } else if (kind == "Pattern") {
            EXPECT_GE(i, 630u + points);
            ++patterns;
        } else if (kind == "Transit") {
            EXPECT_GE(i, 630u + points + patterns);
            EXPECT_TRUE(entry["family"] == "conjunction" || entry["family"] == "easy" ||
                        entry["family"] == "hard");
            key += "|" + entry["family"].get<std::string>();
            ++transits;
        } else {
            EXPECT_GE(entry["text"].get<std::string>().size(), 118u);
            ++aspects;
        }
        EXPECT_FALSE(entry["text"].get<std::string>().empty()) << key;
        keys.insert(key);
    }
    EXPECT_EQ(aspects, 630u);
    EXPECT_EQ(points, 150u);
    EXPECT_EQ(patterns, 39u);
    EXPECT_EQ(transits, 450u);
    EXPECT_EQ(keys.size(), table.size());
}

// --node picks the node in the precise model; the classic one has the mean node only and says
// so, and neither the choice nor the new points touch the ten bodies' aspects.
TEST(Cli, NodeChoiceAndTheDocumentedAspectsUntouched) {
    const auto chart = [](std::vector<std::string> extra) {
        const CliRun run = runCli(birthOn(std::move(extra)));
        EXPECT_EQ(run.status, 0) << run.err;
        return nlohmann::json::parse(run.out);
    };
    const auto preciseTrue = chart({"--format", "json", "--ephemeris", "precise"});
    const auto preciseMean =
        chart({"--format", "json", "--ephemeris", "precise", "--node", "mean"});
    const auto classicTrue = chart({"--format", "json", "--node", "true"});
    const auto classicMean = chart({"--format", "json", "--node", "mean"});
    ASSERT_EQ(preciseTrue["positions"].size(), 13u);
    EXPECT_EQ(preciseTrue["positions"][12]["body"], "Chiron");
    EXPECT_EQ(preciseTrue["node"], "true");
    EXPECT_EQ(preciseMean["node"], "mean");
    EXPECT_NE(preciseTrue["positions"][10]["longitude"], preciseMean["positions"][10]["longitude"]);
    EXPECT_EQ(preciseTrue["aspects"], preciseMean["aspects"]);
    EXPECT_TRUE(preciseTrue["notes"].empty());
    EXPECT_EQ(classicTrue["positions"], classicMean["positions"]);
    EXPECT_EQ(classicMean["notes"],
              nlohmann::json({"Chiron is computed in the precise model only."}));
    for (const auto& json : {preciseTrue, classicMean}) {
        for (const auto& aspect : json["aspects"]) {
            const std::set<std::string> bodies{"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                                               "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
            EXPECT_TRUE(bodies.contains(aspect["first"]) && bodies.contains(aspect["second"]));
        }
        for (const auto& pattern : json["patterns"]) {
            EXPECT_TRUE(pattern["bodies"].is_array() &&
                        (pattern["apex"].is_null() || pattern["apex"].is_string()));
        }
    }
    const CliRun refused = runCli(birthOn({"--node", "osculating"}));
    EXPECT_NE(refused.status, 0);
}

TEST(Cli, ListZonesHelpAndVersion) {
    const CliRun zones = runCli({"--list-zones"});
    EXPECT_EQ(zones.status, 0);
    EXPECT_EQ(std::count(zones.out.begin(), zones.out.end(), '\n'), 71);
    EXPECT_NE(zones.out.find("29  Greenwich Mean Time,GMT,0.0"), std::string::npos);
    EXPECT_EQ(runCli({"--help"}).status, 0);
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("1.15"), std::string::npos);
}

TEST(Cli, OutputFileIsWrittenWholeOrNotAtAll) {
    const fs::path dir =
        fs::temp_directory_path() / ("zodrivel-cli-out-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const CliRun ok =
        runCli({"--example", "--format", "json", "--output", (dir / "chart.json").string()});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_TRUE(ok.out.empty());
    EXPECT_EQ(nlohmann::json::parse(slurp(dir / "chart.json"))["name"], "EXAMPLE BIRTH");

    const fs::path unwritable = dir / "missing" / "chart.json";
    const CliRun failed = runCli({"--example", "--output", unwritable.string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("cannot write"), std::string::npos) << failed.err;
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
    fs::remove_all(dir);
}

// --output puts the chart at the end of a link and leaves alone what is not a file it may
// replace: a FIFO is not opened (so the program does not hang), a read-only file stays as it is.
TEST(Cli, OutputKeepsLinksAndRefusesWhatItMustNotReplace) {
    const fs::path dir =
        fs::temp_directory_path() / ("zodrivel-cli-keep-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "chart.json") << "old";
    fs::create_symlink("chart.json", dir / "latest.json");
    const CliRun linked =
        runCli({"--example", "--format", "json", "--output", (dir / "latest.json").string()});
    EXPECT_EQ(linked.status, 0) << linked.err;
    EXPECT_TRUE(fs::is_symlink(dir / "latest.json"));
    EXPECT_EQ(nlohmann::json::parse(slurp(dir / "chart.json"))["name"], "EXAMPLE BIRTH");

    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    std::ofstream(dir / "kept.txt") << "kept";
    fs::permissions(dir / "kept.txt", fs::perms::owner_read | fs::perms::group_read);
    const std::pair<fs::path, std::string> refused[] = {
        {dir / "pipe", (dir / "pipe").string() + " is not a regular file"},
        {dir / "kept.txt", (dir / "kept.txt").string() + " is read-only"}};
    for (const auto& [target, reason] : refused) {
        const CliRun run = runCli({"--example", "--output", target.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "zodrivel-cli: cannot write " + target.string() + ": " + reason + "\n");
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    EXPECT_EQ(slurp(dir / "kept.txt"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4);
    fs::remove_all(dir);
}

// Texts a box could never hold are refused with the option named, before anything reads them:
// a backspace must not vanish and leave "19" or "", nor an escape sequence reach the terminal.
TEST(Cli, TextsWithControlsOrOtherDigitsAreRefusedNamingTheOption) {
    const BadInput cases[] = {
        {{"--lon", "1\b9E30"}, "--lon: control characters are not accepted: '1\\b9E30'"},
        {{"--lon", "\bW00"}, "--lon: control characters are not accepted: '\\bW00'"},
        {{"--lat", "51N2\x7F"}, "--lat: control characters are not accepted: '51N2\\x7f'"},
        {{"--date", "2000-01-01\n"}, "--date: control characters are not accepted"},
        {{"--time", "12:00\t"}, "--time: control characters are not accepted: '12:00\\t'"},
        {{"--zone", "GMT\x1b[2J"}, "--zone: control characters are not accepted: 'GMT\\x1b[2J'"},
        {{"--name", "Ada\x1b]0;x\a"}, "--name: control characters are not accepted"},
        {{"--name", "Ada\xC2\x85"}, "--name: control characters are not accepted: 'Ada\\x85'"},
        {{"--name", "Ada\xFF"}, "--name: the text is not UTF-8: 'Ada\\xff'"},
        {{"--lon",
          "\xD9\xA7"
          "4W00"},
         "--lon: only the digits 0 to 9 are accepted"},
        {{"--date",
          "\xDB\xB2"
          "000-01-01"},
         "--date: only the digits 0 to 9 are accepted"},
        {{"--time",
          "\xEF\xBC\x91"
          "2:00"},
         "--time: only the digits 0 to 9 are accepted"},
        {{"--zone", "\xE0\xA5\xA8\xE0\xA5\xAF"}, "--zone: only the digits 0 to 9 are accepted"},
        // Values the window's lists and boxes could not produce.
        {{"--zone", "-0"}, "--zone: no zone is named '-0'"},
        {{"--zone", "+5"}, "--zone: no zone is named '+5'"},
        {{"--zone", ""}, "--zone: an empty value names no zone"},
        {{"--lon", "+74W00"}, "--lon: Only Numbers Are Accepted"},
        {{"--lon", ""}, "--lon: expected degrees"},
        {{"--date", ""}, "--date: expected YYYY-MM-DD"},
        {{"--time", "+1:00"}, "--time: expected HH:MM"},
        {{"--output", ""}, "--output: the file name is empty"},
    };
    for (const BadInput& c : cases) {
        const CliRun run = runCli(birthOn(c.args));
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_TRUE(run.out.empty()) << c.message << ": " << run.out;
        EXPECT_NE(run.err.find(c.message), std::string::npos)
            << "expected " << c.message << "\ngot " << run.err;
        // The message itself carries no control character but its final line break.
        EXPECT_EQ(std::count_if(run.err.begin(), run.err.end(),
                                [](char ch) { return (ch >= 0 && ch < 0x20) || ch == 0x7F; }),
                  1)
            << run.err;
    }
}

TEST(Cli, LongArgumentsAreCutInMessages) {
    const std::string longZone(5000, 'Z');
    const std::string longFormat = std::string(300, 'j') + "\x1b[31m";
    const BadInput cases[] = {
        {{"--zone", longZone}, "'" + std::string(60, 'Z') + "\u2026' (5000 characters)"},
        {{"--format", longFormat}, "'" + std::string(60, 'j') + "\u2026' (305 characters)"},
    };
    for (const BadInput& c : cases) {
        const CliRun run = runCli(birthOn(c.args));
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_LT(run.err.size(), 400u) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    }
}

// A mode that reads no birth says so instead of printing something the options did not ask for.
TEST(Cli, OptionsAModeDoesNotReadAreRefused) {
    const BadInput cases[] = {
        {{"--example", "--date", "1999-01-01"}, "--date is not used with --example"},
        {{"--example", "--dst"}, "--dst is not used with --example"},
        {{"--example", "--name", "Ada"}, "--name is not used with --example"},
        {{"--list-zones", "--zone", "GMT"}, "--zone is not used with --list-zones"},
        {{"--list-zones", "--format", "json"}, "--format is not used with --list-zones"},
        {{"--list-zones", "--texts"}, "--texts is not used with --list-zones"},
        {{"--list-zones", "--example"}, "--example is not used with --list-zones"},
        {{"--texts", "--date", "2000-13-45"}, "--date is not used with --texts"},
        {{"--texts", "--format", "rtf"}, "--format is not used with --texts"},
        {{"--texts", "--example"}, "--example is not used with --texts"},
    };
    for (const BadInput& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_TRUE(run.out.empty()) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos)
            << "expected " << c.message << "\ngot " << run.err;
    }
    // What each mode does read still works with it.
    EXPECT_EQ(runCli({"--example", "--format", "json"}).status, 0);
}

TEST(Cli, NamesOfEveryScriptAreUpperCased) {
    const std::pair<const char*, const char*> names[] = {
        {"ren\u00E9", "REN\u00C9"},
        {"\u03A9\u03BC\u03AD\u03B3\u03B1", "\u03A9\u039C\u0388\u0393\u0391"},
        {"\u0418\u0432\u0430\u043D", "\u0418\u0412\u0410\u041D"},
        {"\u674E", "\u674E"},
        {"Anne-Marie O'Brien", "ANNE-MARIE O'BRIEN"},
    };
    for (const auto& [typed, stored] : names) {
        const CliRun run = runCli(birthOn({"--name", typed, "--format", "json"}));
        ASSERT_EQ(run.status, 0) << typed << ": " << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)["name"], stored);
    }
}

// Output that never reached standard output is a failure, whatever was asked for.
TEST(Cli, AFullStandardOutputIsAnError) {
    const std::vector<std::string> runs[] = {
        {"--example"},
        {"--example", "--format", "json"},
        {"--example", "--format", "report"},
        {"--example", "--format", "rtf"},
        {"--list-zones"},
        {"--texts"},
        {"--help"},
        {"--version"},
    };
    for (const auto& args : runs) {
        const CliRun run = runCli(args, "/dev/full");
        EXPECT_EQ(run.status, 1) << args.front() << " " << args.back();
        EXPECT_NE(run.err.find("zodrivel-cli: cannot write to standard output: "),
                  std::string::npos)
            << args.back() << ": " << run.err;
    }
}

// Birth files no person writes but anything can hand over: --input refuses each with the
// file's name and the reader's reason, never ends with an exception or a stack overflow.
TEST(Cli, HostileBirthFilesAreRefusedWithTheirName) {
    const fs::path dir =
        fs::temp_directory_path() / ("zodrivel-cli-hostile-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path saved = dir / "ada.zodrivel";
    ASSERT_EQ(runCli(birthOn({"--save-birth", saved.string()})).status, 0);
    const std::string good = slurp(saved);
    const auto withField = [&](const std::string& field) {
        std::string text = good;
        return text.insert(text.find("\"name\""), field + ",\n");
    };
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        {withField("\"later\": 1e400"), "it holds a number too large to read"},
        {withField("\"later\": -1e999"), "it holds a number too large to read"},
        {withField("\"later\": " + std::string(70'000, '[') + std::string(70'000, ']')),
         "it nests objects or lists more than 64 deep"},
        {withField("\"name\": \"EVE\""), "it gives the field \"name\" twice in one object"},
    };
    for (const auto& c : cases) {
        std::ofstream(dir / "bad.zodrivel", std::ios::binary) << c.text;
        const CliRun run = runCli({"--input", (dir / "bad.zodrivel").string(), "--save-birth",
                                   (dir / "again.zodrivel").string()});
        EXPECT_EQ(run.status, 2) << c.reason;
        EXPECT_EQ(run.err, "zodrivel-cli: --input: cannot open " + (dir / "bad.zodrivel").string() +
                               ": " + c.reason + "\n");
        EXPECT_FALSE(fs::exists(dir / "again.zodrivel"));
    }
    fs::remove_all(dir);
}

// A file name is shown with its control characters escaped in every message that quotes it:
// an escape sequence in a name must not reach the terminal.
TEST(Cli, OutputFileNamesInMessagesAreEscaped) {
    const fs::path folder = fs::temp_directory_path() / "no\x1b[2Jsuch\nfolder";
    const std::string shown = (fs::temp_directory_path() / "no\\x1b[2Jsuch\\nfolder").string();
    const std::vector<std::string> runs[] = {
        {"--example", "--output", (folder / "chart.txt").string()},
        birthOn({"--save-birth", (folder / "ada.zodrivel").string()}),
        {"--input", (folder / "ada.zodrivel").string()},
    };
    for (const auto& args : runs) {
        const CliRun run = runCli(args);
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err.find(shown), std::string::npos) << run.err;
        EXPECT_EQ(std::count_if(run.err.begin(), run.err.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
                  1)
            << "only the final line break: " << run.err;
    }
}

// The atlas and the zone history from the command line. The atlas's cache goes to a folder of
// the test's own.
class CliPlaces : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const fs::path cache = fs::temp_directory_path() / "zodrivel-cli-test-cache";
        ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    }
    static std::vector<std::string> birth(std::vector<std::string> extra) {
        std::vector<std::string> args{"--name", "Ada", "--format", "json"};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }
};

TEST_F(CliPlaces, APlaceGivesCoordinatesAndItsZoneHistory) {
    const CliRun run =
        runCli(birth({"--place", "London", "--date", "1941-06-01", "--time", "12:00"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["place"]["name"], "London");
    EXPECT_EQ(json["place"]["country_code"], "GB");
    EXPECT_EQ(json["place"]["timezone"], "Europe/London");
    EXPECT_EQ(json["utc_offset_seconds"], 7200);  // double summer time
    EXPECT_EQ(json["zone_source"], "timezone");
    EXPECT_EQ(json["zone_abbreviation"], "BDST");
    EXPECT_EQ(json["universal_date"], "1941-06-01T10:00:00");
}

TEST_F(CliPlaces, ExplicitCoordinatesAndZoneWinOverThePlace) {
    const CliRun run = runCli(birth({"--place", "Kolkata", "--lon", "88E00", "--date", "1942-10-01",
                                     "--time", "12:00", "--zone", "IST"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["zone_source"], "row");
    EXPECT_EQ(json["utc_offset_seconds"], 19800);
    EXPECT_EQ(json["place"]["name"], "Kolkata");
    // The same birth through the zone's history: the +6:30 of the war years.
    const auto history = nlohmann::json::parse(
        runCli(birth({"--place", "Kolkata", "--date", "1942-10-01", "--time", "12:00"})).out);
    EXPECT_EQ(history["utc_offset_seconds"], 23400);
    EXPECT_EQ(history["universal_date"], "1942-10-01T05:30:00");
}

TEST_F(CliPlaces, RowBirthsSayTheirOffsetAndNoPlace) {
    const CliRun run = runCli({"--example", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_TRUE(json["place"].is_null());
    EXPECT_EQ(json["utc_offset_seconds"], -14400);
    EXPECT_EQ(json["zone_source"], "row");
    EXPECT_EQ(json["zone_abbreviation"], "EST");
}

TEST_F(CliPlaces, SkippedAndRepeatedTimesAreRefusedUnlessAReadingIsChosen) {
    const std::vector<std::string> chicago{"--lon", "87W39",           "--lat", "41N51",
                                           "--tz",  "America/Chicago", "--date"};
    auto at = [&](const char* date, const char* time, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = birth(chicago);
        args.insert(args.end(), {date, "--time", time});
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args);
    };
    const CliRun gap = at("2021-03-14", "02:30");
    EXPECT_EQ(gap.status, 2);
    EXPECT_NE(gap.err.find("clocks went forward"), std::string::npos) << gap.err;
    const CliRun twice = at("2021-11-07", "01:30");
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("--no-dst"), std::string::npos) << twice.err;
    const CliRun first = at("2021-11-07", "01:30", {"--dst"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(nlohmann::json::parse(first.out)["universal_date"], "2021-11-07T06:30:00");
    const CliRun second = at("2021-11-07", "01:30", {"--no-dst"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(nlohmann::json::parse(second.out)["universal_date"], "2021-11-07T07:30:00");
}

// A place from the atlas keeps its own coordinates, and the precise model counts the seconds of
// the birth time: its angles and cusps agree with the house library called here directly with
// the atlas's coordinates (as the program printed them) and the universal time built here from
// the local clock and the offset. Tolerance 0.01 arc second: what is left is rounding.
TEST_F(CliPlaces, APlaceFromTheAtlasGivesThePreciseModelItsExactCoordinates) {
    constexpr double Tolerance = 0.01 / 3600;  // degrees
    struct Case {
        const char* place;
        const char* date;
    };
    // From 23 degrees south to 64 north (Placidus has no answer in the polar circles), both
    // sides of Greenwich.
    for (const Case c : {Case{"Chicago", "1961-08-04"}, Case{"Sao Paulo", "1985-01-20"},
                         Case{"Kolkata", "1970-03-02"}, Case{"Oslo", "1999-06-30"},
                         Case{"Reykjavik", "2012-12-12"}}) {
        const CliRun run = runCli(birth({"--place", c.place, "--date", c.date, "--time", "06:10:40",
                                         "--ephemeris", "precise", "--houses", "placidus"}));
        ASSERT_EQ(run.status, 0) << c.place << ": " << run.err;
        const auto json = nlohmann::json::parse(run.out);
        const double latitude = json["place"]["latitude"], longitude = json["place"]["longitude"];
        int year = 0, month = 0, day = 0;
        ASSERT_EQ(std::sscanf(c.date, "%d-%d-%d", &year, &month, &day), 3);
        const double offsetHours = json["utc_offset_seconds"].get<double>() / 3600;
        const double ut =
            swe_julday(year, month, day, 6 + 10 / 60.0 + 40 / 3600.0 - offsetHours, SE_GREG_CAL);
        double cusps[13], angles[10];
        ASSERT_EQ(swe_houses(ut, latitude, longitude, 'P', cusps, angles), 0) << c.place;
        const auto near = [&](double expected, double actual, const std::string& what) {
            double difference = std::fabs(expected - actual);
            difference = std::min(difference, 360 - difference);
            EXPECT_LE(difference, Tolerance)
                << c.place << " " << what << ": expected " << expected << ", got " << actual;
        };
        near(angles[0], json["angles"]["ascendant"], "Ascendant");
        near(angles[1], json["angles"]["midheaven"], "Midheaven");
        for (int house = 1; house <= 12; ++house) {
            near(cusps[house], json["houses"]["cusps"][house - 1], "cusp " + std::to_string(house));
        }
    }
}

// The documented model reads the clock to the minute: its whole answer at 06:10:40 is its
// answer at 06:10. The precise model moves with the seconds, and says so in universal_date.
TEST_F(CliPlaces, OnlyThePreciseModelCountsTheSecondsOfTheBirthTime) {
    const auto at = [&](const char* time, const char* model) {
        return runCli(birth({"--lon", "87W39", "--lat", "41N51", "--zone", "CST", "--date",
                             "1961-08-04", "--time", time, "--ephemeris", model}));
    };
    const CliRun classic = at("06:10:40", "classic");
    ASSERT_EQ(classic.status, 0) << classic.err;
    EXPECT_EQ(classic.out, at("06:10", "classic").out);
    const auto precise = nlohmann::json::parse(at("06:10:40", "precise").out);
    const auto minute = nlohmann::json::parse(at("06:10", "precise").out);
    EXPECT_EQ(precise["universal_date"], "1961-08-04T12:10:40");
    // The Moon moves about half an arc second a second: 40 s is some 20 arc seconds.
    const double moved = precise["positions"][1]["longitude"].get<double>() -
                         minute["positions"][1]["longitude"].get<double>();
    EXPECT_GT(moved * 3600, 15) << "the Moon moved " << moved * 3600 << " arc seconds";
    EXPECT_LT(moved * 3600, 30) << "the Moon moved " << moved * 3600 << " arc seconds";
}

// Coordinates to the second and in decimal degrees: both give the same place, finer than the
// whole-minute form, and the table shows them to the second.
TEST_F(CliPlaces, CoordinatesTakeSecondsAndDecimalDegrees) {
    const auto run = [&](const char* lon, const char* lat) {
        return runCli({"--name", "Ada", "--date", "1961-08-04", "--time", "06:10", "--zone", "CST",
                       "--ephemeris", "precise", "--lon", lon, "--lat", lat});
    };
    const CliRun seconds = run("87W06:48", "41N52:55");
    ASSERT_EQ(seconds.status, 0) << seconds.err;
    EXPECT_NE(seconds.out.find("87\u00B006'48\"W 41\u00B052'55\"N"), std::string::npos)
        << seconds.out;
    EXPECT_EQ(run("87.11333W", "41.881944N").out, seconds.out);
    // A birth file keeps them: the chart from the file is the chart from the options.
    const fs::path file = fs::temp_directory_path() / "zodrivel-exact-coordinates.zodrivel";
    fs::remove(file);
    ASSERT_EQ(runCli({"--name", "Ada", "--date", "1961-08-04", "--time", "06:10", "--zone", "CST",
                      "--lon", "87W06:48", "--lat", "41N52:55", "--save-birth", file.string()})
                  .status,
              0);
    const CliRun reopened = runCli({"--input", file.string(), "--ephemeris", "precise"});
    EXPECT_NE(reopened.out.find("87\u00B006'48\"W 41\u00B052'55\"N"), std::string::npos)
        << reopened.out;
    fs::remove(file);
    EXPECT_NE(run("87W07", "41N53").out, seconds.out);
    for (const char* wrong : {"87W06:60", "87W06:4", "87.1.1W", "1000.5W"}) {
        EXPECT_EQ(run(wrong, "41N53").status, 2) << wrong;
    }
}

// A local-mean-time offset has seconds, and the universal date shows them: Caracas kept
// -4:27:40 until 1912.
TEST_F(CliPlaces, TheUniversalDateCarriesTheSecondsOfTheOffset) {
    const CliRun run =
        runCli(birth({"--place", "Caracas", "--date", "1905-01-01", "--time", "06:10"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["utc_offset_seconds"], -16060);
    EXPECT_EQ(json["universal_date"], "1905-01-01T10:37:40");
}

TEST_F(CliPlaces, UnknownPlacesAndZonesAreNamedWithNearMatches) {
    const CliRun place =
        runCli(birth({"--place", "Londno", "--date", "2000-01-01", "--time", "12:00"}));
    EXPECT_EQ(place.status, 2);
    EXPECT_NE(place.err.find("'Londno'"), std::string::npos) << place.err;
    EXPECT_NE(place.err.find("London, England"), std::string::npos) << place.err;
    const CliRun zone = runCli(birth({"--lon", "0W00", "--lat", "51N30", "--tz", "Europe/Lodon",
                                      "--date", "2000-01-01", "--time", "12:00"}));
    EXPECT_EQ(zone.status, 2);
    EXPECT_NE(zone.err.find("'Europe/Lodon'"), std::string::npos) << zone.err;
    EXPECT_NE(zone.err.find("Europe/London"), std::string::npos) << zone.err;
}

TEST_F(CliPlaces, FindPlaceListsMatchesAsTableOrJson) {
    const CliRun json = runCli({"--find-place", "Sao Paulo", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto places = nlohmann::json::parse(json.out);
    ASSERT_TRUE(places.is_array());
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(places[0]["name"], "São Paulo");
    EXPECT_EQ(places[0]["timezone"], "America/Sao_Paulo");
    const CliRun table = runCli({"--find-place", "Springfield, Illinois"});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.out.rfind("Springfield, Illinois", 0), 0u) << table.out;
    EXPECT_EQ(runCli({"--find-place", "Kolk", "--date", "2000-01-01"}).status, 2);
}

// The atlas's cache is a file anything can replace or damage. One cut short at a line boundary
// (a full disk, an interrupted copy), one with another count, a FIFO, a link to /dev/zero: none
// may hang the program, flood its memory or hide a place; each is rebuilt from the atlas.
TEST_F(CliPlaces, AnAtlasCacheThatDoesNotCheckOutIsRebuilt) {
    const fs::path cache = fs::path(std::getenv("XDG_CACHE_HOME")) / "zodrivel" / "atlas.tsv";
    const auto findsLondon = [] {
        const CliRun run =
            runCli({"--find-place", "London, GB"}, nullptr, "timeout 60 " ZODRIVEL_CLI_PATH);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out.rfind("London", 0) == 0;
    };
    ASSERT_TRUE(findsLondon());
    const std::string whole = slurp(cache);
    ASSERT_GT(whole.size(), 1000u);
    std::size_t cut = 0;
    for (int line = 0; line < 100; ++line) cut = whole.find('\n', cut) + 1;
    std::string recounted = whole;
    recounted.insert(recounted.rfind('\n', recounted.size() - 2) + 5, "1");  // "end 1NNNNN"

    const std::function<void()> damage[] = {
        [&] { std::ofstream(cache, std::ios::binary) << whole.substr(0, cut); },
        [&] { std::ofstream(cache, std::ios::binary) << recounted; },
        [&] { std::ofstream(cache, std::ios::binary) << whole.substr(0, whole.size() - 1); },
        [&] {
        fs::remove(cache);
        ASSERT_EQ(::mkfifo(cache.c_str(), 0600), 0);
        },
        [&] {
        fs::remove(cache);
        fs::create_symlink("/dev/zero", cache);
    },
                                };
    for (std::size_t i = 0; i < std::size(damage); ++i) {
        damage[i]();
        EXPECT_TRUE(findsLondon()) << "damage " << i;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(cache))) << "damage " << i;
        EXPECT_EQ(slurp(cache), whole) << "damage " << i;
    }
}

}  // namespace

namespace {

// The chart choices: the model and the house system, and what they add to the JSON and table.
TEST(CliChartChoices, PreciseJsonCarriesSpeedsHousesAnglesAndAspectDetails) {
    const CliRun run = runCli(
        {"--example", "--format", "json", "--ephemeris", "precise", "--houses", "regiomontanus"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["ephemeris"], "precise");
    EXPECT_EQ(json["houses"]["system"], "regiomontanus");
    ASSERT_EQ(json["houses"]["cusps"].size(), 12u);
    EXPECT_NEAR(json["angles"]["ascendant"].get<double>(), json["houses"]["cusps"][0].get<double>(),
                1e-9);
    EXPECT_NEAR(json["angles"]["midheaven"].get<double>(), json["houses"]["cusps"][9].get<double>(),
                1e-9);
    for (const auto& position : json["positions"]) {
        EXPECT_TRUE(position["speed"].is_number());
        EXPECT_GE(position["house"].get<int>(), 1);
        EXPECT_LE(position["house"].get<int>(), 12);
    }
    // The Moon moves some 13 degrees a day.
    EXPECT_NEAR(json["positions"][1]["speed"].get<double>(), 13.2, 2.0);
    ASSERT_FALSE(json["aspects"].empty());
    for (const auto& aspect : json["aspects"]) {
        const double exact = aspect["exact_separation"].get<double>();
        // The whole-degree separation is the exact one rounded.
        EXPECT_LE(std::abs(exact - aspect["separation"].get<int>()), 0.5) << aspect;
        EXPECT_GE(aspect["orb"].get<double>(), 0.0);
        EXPECT_TRUE(aspect["applying"].is_boolean());
    }
}

TEST(CliChartChoices, ClassicIsTheDefaultAndPlacidusFallsBackInTheArctic) {
    const CliRun run = runCli({"--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--lon",
                               "18E57", "--lat", "69N39", "--zone", "GMT", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["ephemeris"], "classic");
    EXPECT_EQ(json["houses"]["requested"], "placidus");
    EXPECT_EQ(json["houses"]["system"], "porphyry");
    const CliRun table = runCli({"--name", "Ada", "--date", "2000-01-01", "--time", "12:00",
                                 "--lon", "18E57", "--lat", "69N39", "--zone", "GMT"});
    EXPECT_NE(table.out.find("Model    Classic (as in version 1.15)"), std::string::npos);
    EXPECT_NE(table.out.find("Houses   Porphyry (Placidus cannot be drawn beyond the polar "
                             "circles)"),
              std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("orb "), std::string::npos);
}

TEST(CliChartChoices, UnknownModelsAndSystemsAreRefused) {
    for (const std::vector<std::string>& extra : {std::vector<std::string>{"--ephemeris", "exact"},
                                                  {"--houses", "Placidus"},
                                                  {"--houses", "topocentric"}}) {
        const CliRun run = runCli(birthOn(extra));
        EXPECT_EQ(run.status, 2) << extra[1];
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(runCli({"--list-zones", "--houses", "koch"}).status, 2);
}

// A range that cannot be searched is refused with exit 2 and a message naming the option;
// so are the transits' other options without it and outside a chart of one birth.
TEST(CliTransits, BadRangesAndOptionsAreRefused) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"--transits", "2027-12-31/2027-01-01"}, "the range ends (2027-01-01) before it begins"},
        {{"--transits", "2027-01-01"}, "give the range as two dates FROM/TO"},
        {{"--transits", "2027-01-01/2027-1-31"}, "is no date of the form YYYY-MM-DD"},
        {{"--transits", "2027-02-29/2027-03-31"}, "is no day of the calendar"},
        {{"--transits", "2027-01-01/2400-01-01"}, "between 1800 and 2399"},
        {{"--transits", "1799-12-31/1800-01-31"}, "between 1800 and 2399"},
        {{"--transits", "2027-01-01/2027-01-31", "--transiting", "Sun,Pluton"},
         "--transiting: 'Pluton' is none of the bodies"},
        {{"--transits", "2027-01-01/2027-01-31", "--transit-orb", "Saturn=0"},
         "--transit-orb: an orb lies above 0"},
        {{"--transits", "2027-01-01/2027-01-31", "--transit-orb", "Saturn:1"},
         "--transit-orb: give BODY=DEGREES"},
        {{"--transiting", "Moon"}, "--transiting needs --transits"},
        {{"--format", "ics"}, "--format ics writes transits"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--example"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    const CliRun texts = runCli({"--texts", "--transits", "2027-01-01/2027-01-31"});
    EXPECT_EQ(texts.status, 2);
    EXPECT_NE(texts.err.find("--transits is not used with --texts"), std::string::npos);
}

// The JSON: the natal chart exactly as the chart's own JSON, then the transits with exactly
// the documented fields in time order; each exact pass checked against the library itself
// (the moving body's longitude from swe_calc_ut at that second, the natal point's from the
// JSON): within a second of the body's motion of the exact angle.
TEST(CliTransits, JsonHasTheChartAndExactPassesTheLibraryConfirms) {
    const CliRun chart = runCli({"--example", "--format", "json"});
    const CliRun run = runCli({"--example", "--transits", "2027-01-01/2027-03-31", "--transiting",
                               "Moon,Sun,Mars,Saturn", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(json["natal"], nlohmann::ordered_json::parse(chart.out));
    const auto& transits = json["transits"];
    ASSERT_GT(transits.size(), 100U);
    std::map<std::string, double> natal;
    for (const auto& p : json["natal"]["positions"]) natal[p["body"]] = p["longitude"];
    natal["Ascendant"] = json["natal"]["angles"]["ascendant"];
    natal["Midheaven"] = json["natal"]["angles"]["midheaven"];
    const std::map<std::string, int> bodies{{"Sun", 0}, {"Moon", 1}, {"Mars", 4}, {"Saturn", 6}};
    const std::map<std::string, double> angles{
        {"Conjunction", 0}, {"SemiSextile", 30}, {"Sextile", 60},    {"Square", 90},
        {"Trine", 120},     {"Quincunx", 150},   {"Opposition", 180}};
    const std::regex utc(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");
    std::string previous;
    swe_set_ephe_path("/usr/share/libswe/ephe");
    for (const auto& t : transits) {
        std::vector<std::string> keys;
        for (const auto& [key, value] : t.items()) keys.push_back(key);
        ASSERT_EQ(keys, (std::vector<std::string>{"transiting", "natal", "kind", "exact", "enters",
                                                  "leaves", "orb"}));
        ASSERT_TRUE(natal.count(t["natal"])) << t;
        ASSERT_FALSE(t["exact"].empty());
        const std::string first = t["enters"].is_null() ? t["exact"][0].get<std::string>()
                                                        : t["enters"].get<std::string>();
        EXPECT_LE(previous, first);  // ISO times sort as text
        previous = first;
        for (const auto& exact : t["exact"]) {
            const std::string text = exact;
            ASSERT_TRUE(std::regex_match(text, utc)) << text;
            const double jd =
                swe_julday(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                           std::stoi(text.substr(8, 2)),
                           std::stoi(text.substr(11, 2)) + std::stoi(text.substr(14, 2)) / 60.0 +
                               std::stoi(text.substr(17, 2)) / 3600.0,
                           SE_GREG_CAL);
            double xx[6] = {};
            char error[AS_MAXCH] = {};
            swe_calc_ut(jd, bodies.at(t["transiting"]), SEFLG_SWIEPH | SEFLG_SPEED, xx, error);
            const double separation = std::fabs(std::remainder(xx[0] - natal[t["natal"]], 360.0));
            EXPECT_NEAR(separation, angles.at(t["kind"]), std::fabs(xx[3]) / 86400 + 1e-9) << t;
        }
        for (const char* edge : {"enters", "leaves"}) {
            const auto& value = t[edge];
            EXPECT_TRUE(value.is_null() || std::regex_match(value.get<std::string>(), utc));
        }
    }
}

// The manual page describes exactly the options of the table, which --help lists, and every
// output format.
TEST(Cli, TheManualPageDescribesEveryOptionAndFormatOfTheHelp) {
    const CliRun help = runCli({"--help"});
    ASSERT_EQ(help.status, 0);
    const std::string page = slurp(std::string(ZODRIVEL_MAN_DIR) + "/zodrivel-cli.1");
    ASSERT_FALSE(page.empty());
    const std::set<std::string> listed = zodrivel::testing::optionsInHelp(help.out);
    EXPECT_GT(listed.size(), 20U) << help.out;
    EXPECT_EQ(zodrivel::testing::optionsInManPage(page), listed);
    // The help is made from the option table, and lists nothing beside it but --help and
    // --version.
    std::set<std::string> tabled{"--help", "--version"};
    for (const zodrivel::cli::OptionInfo& info : zodrivel::cli::CliOptionTable) {
        tabled.insert(std::string(info.name));
    }
    EXPECT_EQ(tabled, listed);
    // The choices --format offers, "{table,json,...}" in the help, each in the page as ".B pdf".
    const std::size_t open = help.out.find('{', help.out.find("--format"));
    const std::string formats = help.out.substr(open + 1, help.out.find('}', open) - open - 1);
    std::istringstream choices(formats);
    for (std::string format; std::getline(choices, format, ',');) {
        EXPECT_NE(page.find("\n.B " + format + "\n"), std::string::npos) << format;
    }
}

}  // namespace
