// SPDX-License-Identifier: AGPL-3.0-or-later
// Births kept and births by the hundred, through zodrivel-cli as a process: --input and
// --save-birth, and --batch, whose every result must be the one a single run gives.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/common/ProcessRun.h"

namespace {

namespace fs = std::filesystem;

using CliRun = zodrivel::testing::ProcessRun;

using zodrivel::testing::slurp;

// Runs zodrivel-cli with `args` (single-quoted for the shell), standard input from `stdinFrom`
// when given.
CliRun runCli(const std::vector<std::string>& args, const fs::path& stdinFrom = {}) {
    const fs::path errFile =
        fs::temp_directory_path() / ("zodrivel-batch-err-" + std::to_string(::getpid()));
    std::string command = zodrivel::testing::shellCommand(ZODRIVEL_CLI_PATH, args);
    if (!stdinFrom.empty()) command += " <" + stdinFrom.string();
    return zodrivel::testing::runShell(command, errFile);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

struct Birth {
    std::string name, date, time, lon, lat, zone;
    bool dst;
};

// Births spread over the whole range of every entry (a fixed seed, so a failure repeats).
std::vector<Birth> manyBirths(int count) {
    std::mt19937 random(1976);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<Birth> births;
    char text[32];
    for (int i = 0; i < count; ++i) {
        Birth b;
        b.name = "PERSON " + std::string(1, char('A' + i % 26));
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", pick(1901, 2050), pick(1, 12),
                      pick(1, 28));
        b.date = text;
        std::snprintf(text, sizeof text, "%02d:%02d", pick(0, 23), pick(0, 59));
        b.time = text;
        std::snprintf(text, sizeof text, "%d%c%02d", pick(0, 179), pick(0, 1) ? 'E' : 'W',
                      pick(0, 59));
        b.lon = text;
        std::snprintf(text, sizeof text, "%d%c%02d", pick(0, 89), pick(0, 1) ? 'N' : 'S',
                      pick(0, 59));
        b.lat = text;
        b.zone = std::to_string(pick(0, 70));
        b.dst = pick(0, 3) == 0;
        births.push_back(b);
    }
    return births;
}

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zodrivel-batch-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path write(const std::string& name, const std::string& content) {
        std::ofstream(dir / name, std::ios::binary) << content;
        return dir / name;
    }
    fs::path dir;
};

TEST_F(BatchTest, EveryResultIsTheOneASingleRunGives) {
    // Enough births for several of the blocks a batch reads and computes at a time, the last
    // one short, so that results are checked across every seam.
    const std::vector<Birth> births = manyBirths(9000);
    std::string csv = "name,date,time,lon,lat,zone,dst\n";
    std::string jsonLines;
    for (const Birth& b : births) {
        csv += b.name + "," + b.date + "," + b.time + "," + b.lon + "," + b.lat + "," + b.zone +
               "," + (b.dst ? "yes" : "") + "\n";
        // The same birth as a birth-file object; the file's header is not needed on a line.
        const auto side = [](const std::string& c, char second) {
            const std::size_t at = c.find_first_of("EWNS");
            return nlohmann::json{{"degrees", c.substr(0, at)},
                                  {"minutes", std::stoi(c.substr(at + 1))},
                                  {"side", std::string(1, c[at] == second ? second : c[at])}};
        };
        jsonLines +=
            nlohmann::json{{"name", b.name},
                           {"date", b.date},
                           {"time", b.time},
                           {"longitude", side(b.lon, 'W')},
                           {"latitude", side(b.lat, 'S')},
                           {"zone", {{"row", std::stoi(b.zone)}, {"daylight_saving", b.dst}}}}
                .dump() +
            "\n";
    }
    const CliRun fromCsv = runCli({"--batch", write("births.csv", csv).string()});
    ASSERT_EQ(fromCsv.status, 0) << fromCsv.err;
    // Standard input, JSON Lines.
    const CliRun fromJson = runCli({"--batch", "-"}, write("births.jsonl", jsonLines));
    ASSERT_EQ(fromJson.status, 0) << fromJson.err;
    const CliRun asCsv = runCli({"--batch", (dir / "births.csv").string(), "--format", "csv"});
    ASSERT_EQ(asCsv.status, 0) << asCsv.err;
    EXPECT_TRUE(fromCsv.err.empty()) << "no progress line when standard error is not a terminal";

    const auto csvLines = lines(fromCsv.out), jsonResults = lines(fromJson.out);
    const auto csvResults = lines(asCsv.out);
    ASSERT_EQ(csvLines.size(), births.size());
    ASSERT_EQ(jsonResults.size(), births.size());
    ASSERT_EQ(csvResults.size(), births.size() + 1);  // and a header
    // Single runs for some thirty births, the last among them: each process costs far more
    // than the chart.
    std::vector<std::size_t> checked;
    for (std::size_t i = 0; i < births.size(); i += 300) checked.push_back(i);
    checked.push_back(births.size() - 1);
    for (const std::size_t i : checked) {
        const Birth& b = births[i];
        std::vector<std::string> args{"--name", b.name,  "--date",   b.date,  "--time",
                                      b.time,   "--lon", b.lon,      "--lat", b.lat,
                                      "--zone", b.zone,  "--format", "json"};
        if (b.dst) args.push_back("--dst");
        const CliRun single = runCli(args);
        ASSERT_EQ(single.status, 0) << single.err;
        const auto expected = nlohmann::json::parse(single.out);
        EXPECT_EQ(nlohmann::json::parse(csvLines[i]), expected) << "line " << i + 2;
        EXPECT_EQ(nlohmann::json::parse(jsonResults[i]), expected) << "line " << i + 1;
        args[args.size() - (b.dst ? 2 : 1)] = "csv";
        const CliRun singleCsv = runCli(args);
        EXPECT_EQ(lines(singleCsv.out).at(1), csvResults[i + 1]);
    }
}

TEST_F(BatchTest, ABadLineCarriesItsErrorAndTheRestGoOn) {
    const fs::path input = write("births.csv",
                                 "name,date,time,lon,lat,zone,dst,place\n"
                                 "ONE,2000-01-01,12:00,0W00,51N28,GMT,0,\n"
                                 "TWO,2000-02-30,12:00,0W00,51N28,GMT,no,\n"
                                 "\n"
                                 "THREE,2000-01-01,12:00,0W00,51N28,GMT,maybe,\n"
                                 "FOUR,2000-01-01,12:00,,,GMT,,London\n"
                                 "FIVE,2000-01-01,12:00,0W00,51N28,GMT,TRUE,\n");
    const CliRun run = runCli({"--batch", input.string()});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("2 of 5 births could not be computed"), std::string::npos) << run.err;
    const auto results = lines(run.out);
    ASSERT_EQ(results.size(), 5u) << run.out;
    EXPECT_EQ(nlohmann::json::parse(results[0])["name"], "ONE");
    const auto two = nlohmann::json::parse(results[1]);
    EXPECT_EQ(two["line"], 3);
    EXPECT_EQ(two["error"], "Please Enter Correct Date Or Month!");
    EXPECT_EQ(nlohmann::json::parse(results[2])["line"], 5);  // the empty line still counts
    EXPECT_NE(results[2].find("dst: expected 1 or 0"), std::string::npos);
    // A place instead of coordinates: the atlas gives them, as --place does; the zone column
    // still wins over the place's zone.
    const auto four = nlohmann::json::parse(results[3]);
    EXPECT_EQ(four["name"], "FOUR");
    EXPECT_EQ(four["place"]["timezone"], "Europe/London");
    EXPECT_EQ(four["zone_source"], "row");
    EXPECT_EQ(nlohmann::json::parse(results[4])["name"], "FIVE");

    const CliRun csv = runCli({"--batch", input.string(), "--format", "csv"});
    const auto rows = lines(csv.out);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0],
              "name,universal_date,Sun,Moon,Mercury,Venus,Mars,Jupiter,Saturn,Uranus,Neptune,"
              "Pluto,aspects,error");
    EXPECT_EQ(rows[2], "TWO,,,,,,,,,,,,,line 3: Please Enter Correct Date Or Month!");
}

TEST_F(BatchTest, AWrongHeaderStopsBeforeAnythingIsWritten) {
    const CliRun run =
        runCli({"--batch", write("births.csv", "name,birthday\nA,2000-01-01\n").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("unknown column 'birthday'"), std::string::npos) << run.err;
    EXPECT_EQ(runCli({"--batch", "x.csv", "--name", "A"}).err,
              "zodrivel-cli: --name is not used with --batch\n");
    EXPECT_EQ(runCli({"--batch", "x.csv", "--format", "table"}).status, 2);
}

TEST_F(BatchTest, ASavedBirthOpensAsTheSameChart) {
    const std::vector<std::string> birth{"--name", "Ada",   "--date", "1976-07-04", "--time",
                                         "10:30",  "--lon", "74W00",  "--lat",      "40N43",
                                         "--zone", "EST",   "--dst"};
    auto save = birth;
    save.insert(save.end(), {"--save-birth", (dir / "ada.zodrivel").string(), "--format", "json"});
    const CliRun saved = runCli(save);
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CliRun opened = runCli({"--input", (dir / "ada.zodrivel").string(), "--format", "json"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(nlohmann::json::parse(opened.out), nlohmann::json::parse(saved.out));
    const auto file = nlohmann::json::parse(slurp(dir / "ada.zodrivel"));
    EXPECT_EQ(file["format"], "zodrivel-birth");
    EXPECT_EQ(file["zone"]["row"], 27);

    // Options beside --input take the place of the file's fields.
    const CliRun later = runCli(
        {"--input", (dir / "ada.zodrivel").string(), "--date", "1977-07-04", "--format", "json"});
    ASSERT_EQ(later.status, 0) << later.err;
    EXPECT_EQ(nlohmann::json::parse(later.out)["universal_date"], "1977-07-04T14:30:00");

    write("cut.zodrivel", slurp(dir / "ada.zodrivel").substr(0, 100));
    const CliRun cut = runCli({"--input", (dir / "cut.zodrivel").string()});
    EXPECT_EQ(cut.status, 2);
    EXPECT_NE(cut.err.find("cut.zodrivel"), std::string::npos) << cut.err;
    EXPECT_NE(cut.err.find("it is cut short"), std::string::npos) << cut.err;
}

// A birth given by a place and its zone's history keeps both: opened again, the offset comes from
// the same zone id, and a time the clocks showed twice keeps the reading that was chosen.
TEST_F(BatchTest, APlaceAndZoneBirthOpensAsTheSameChart) {
    struct Case {
        std::vector<std::string> birth;
        long long offset;
    };
    const Case cases[] = {
        {{"--date", "1941-06-01", "--time", "12:00", "--place", "London, GB"}, 7200},
        {{"--date", "1950-10-29", "--time", "01:30", "--tz", "America/Chicago", "--lon", "87W39",
          "--lat", "41N51", "--no-dst"},
         -21600},
    };
    for (const Case& c : cases) {
        std::vector<std::string> save{"--name", "Ada"};
        save.insert(save.end(), c.birth.begin(), c.birth.end());
        save.insert(save.end(),
                    {"--save-birth", (dir / "z.zodrivel").string(), "--format", "json"});
        const CliRun saved = runCli(save);
        ASSERT_EQ(saved.status, 0) << saved.err;
        EXPECT_EQ(nlohmann::json::parse(saved.out)["utc_offset_seconds"], c.offset);
        const CliRun opened =
            runCli({"--input", (dir / "z.zodrivel").string(), "--format", "json"});
        ASSERT_EQ(opened.status, 0) << opened.err;
        EXPECT_EQ(nlohmann::json::parse(opened.out), nlohmann::json::parse(saved.out));
        const auto file = nlohmann::json::parse(slurp(dir / "z.zodrivel"));
        EXPECT_EQ(file["zone"]["offset_seconds"], c.offset) << file.dump();
    }
}

// Lines nobody writes but anything can produce: a number beyond a double, nesting that would
// exhaust the stack, a key twice, a line of 100 KB, a message that quotes a line break. Each
// gives its own one-line error, the rest are computed, and --output is written whole.
TEST_F(BatchTest, HostileLinesGiveTheirOwnErrorAndTheRestGoOn) {
    const std::string good =
        R"({"name":"ADA","date":"1990-01-01","time":"12:00","longitude":{"degrees":0,)"
        R"("minutes":0,"side":"E"},"latitude":{"degrees":51,"minutes":28,"side":"N"},)"
        R"("zone":{"row":29}})";
    const auto with = [&good](const std::string& field) {
        return "{" + field + "," + good.substr(1) + "\n";
    };
    std::string dated = good;
    dated.replace(dated.find("1990-01-01"), 10, R"(1990-\u001b[31m01\n-01)");
    const std::string input =
        good + "\n" + with(R"("later":1e400)") +
        with("\"later\":" + std::string(20'000, '[') + std::string(20'000, ']')) +
        with(R"("name":"EVE")") + with("\"later\":\"" + std::string(100'000, 'x') + "\"") + dated +
        "\n" + good + "\n";
    const fs::path births = write("births.jsonl", input);
    for (const char* format : {"json", "csv"}) {
        const fs::path output = dir / (std::string("results.") + format);
        const CliRun run =
            runCli({"--batch", births.string(), "--format", format, "--output", output.string()});
        EXPECT_EQ(run.status, 3) << run.err;
        EXPECT_NE(run.err.find("5 of 7 births could not be computed"), std::string::npos)
            << run.err;
        const std::string results = slurp(output);
        for (const char c : results) {
            ASSERT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n') << results;
        }
        auto rows = lines(results);
        if (std::string_view(format) == "csv") rows.erase(rows.begin());  // the header
        ASSERT_EQ(rows.size(), 7u) << results.substr(0, 2000);
        const std::string errors[] = {
            "it holds a number too large to read", "it nests objects or lists more than 64 deep",
            "it gives the field \"name\" twice in one object",
            "the line is longer than 65536 bytes",
            "the field \"date\" should be a date like 1976-07-04, not \"1990-\\x1b[31m01\\n-01\""};
        for (std::size_t i = 0; i < std::size(errors); ++i) {
            const std::string& row = rows[i + 1];
            if (std::string_view(format) == "json") {
                const auto json = nlohmann::json::parse(row);
                EXPECT_EQ(json["line"], i + 2);
                EXPECT_EQ(json["error"], errors[i]);
            } else {
                // The last column; quoted, its quotes doubled, when it holds a quote or comma.
                std::string expected = "line " + std::to_string(i + 2) + ": " + errors[i];
                if (expected.find_first_of("\",") != std::string::npos) {
                    for (std::size_t at = 0; (at = expected.find('"', at)) != std::string::npos;
                         at += 2) {
                        expected.insert(at, 1, '"');
                    }
                    expected = "\"" + expected + "\"";
                }
                ASSERT_GE(row.size(), expected.size()) << row;
                EXPECT_EQ(row.substr(row.size() - expected.size()), expected) << row;
            }
        }
        EXPECT_EQ(rows.front().substr(0, 10),
                  std::string_view(format) == "json" ? "{\"name\":\"A" : "ADA,1990-0");
    }
}

// A header that names a column twice, or a first line too long to tell CSV from JSON Lines (a
// device that never ends a line, /dev/zero), refuses the whole input before anything is
// written; the batch does not read on for ever.
TEST_F(BatchTest, AnInputThatCannotBeToldApartIsRefusedAtOnce) {
    const struct {
        std::string input;
        std::string message;
    } cases[] = {
        {"name,date,time,lon,lat,zone,Date\nA,2000-01-01,12:00,0W00,51N28,GMT,2000-01-02\n",
         "--batch: the CSV header names the column 'date' twice"},
        {std::string(70'000, 'n') + "\n", "--batch: line 1 is longer than 65536 bytes"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli({"--batch", write("births.csv", c.input).string()});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err.rfind("zodrivel-cli: " + c.message, 0), 0u) << run.err;
    }
    const CliRun zero = runCli({"--batch", "/dev/zero", "--output", (dir / "r.jsonl").string()});
    EXPECT_EQ(zero.status, 2) << zero.err;
    EXPECT_FALSE(fs::exists(dir / "r.jsonl"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);  // births.csv, no temporary
}

// With --output the results stream into the writer's temporary file as they are made, and the
// file appears only at the end: a batch whose results cannot be written stops, names the file
// with its control characters escaped, and leaves nothing.
TEST_F(BatchTest, OutputNamesAreEscapedAndAFailedBatchLeavesNoFile) {
    const fs::path births =
        write("births.csv", "name,date,time,lon,lat,zone\nA,2000-01-01,12:00,0W00,51N28,GMT\n");
    const std::string hostile = (dir / "no\x1b[31mfolder" / "r.csv").string();
    const CliRun run = runCli({"--batch", births.string(), "--output", hostile});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no\\x1b[31mfolder"), std::string::npos) << run.err;
    const CliRun unreadable = runCli({"--batch", (dir / "in\nput\x1b.csv").string()});
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_EQ(unreadable.err,
              "zodrivel-cli: --batch: cannot read " + (dir / "in\\nput\\x1b.csv").string() + "\n");
}

// A reader that stops reading (`| head -1`) is a failed write like a full disk: a message and
// exit status 1, as the README promises, not a silent death by SIGPIPE.
TEST_F(BatchTest, AClosedPipeIsAFailedWriteWithAMessage) {
    std::string csv = "name,date,time,lon,lat,zone,dst\n";
    for (const Birth& b : manyBirths(3000)) {
        csv +=
            b.name + "," + b.date + "," + b.time + "," + b.lon + "," + b.lat + "," + b.zone + ",\n";
    }
    const fs::path births = write("births.csv", csv);
    const fs::path status = dir / "status", err = dir / "err";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--batch", births.string()},
          std::vector<std::string>{"--texts"}}) {
        // The program's own status and messages, from the left of a pipe whose reader quits
        // after one byte.
        const std::string command =
            "{ " + zodrivel::testing::shellCommand(ZODRIVEL_CLI_PATH, args) + " 2>'" +
            err.string() + "'; echo $? >'" + status.string() + "'; } | head -c 1 >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(slurp(status), "1\n") << args.front();
        EXPECT_EQ(slurp(err), "zodrivel-cli: cannot write to standard output: Broken pipe\n");
    }
}

}  // namespace
