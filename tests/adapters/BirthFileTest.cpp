// SPDX-License-Identifier: AGPL-3.0-or-later
// Birth files as the user keeps them: every field back as it was saved, fields of later
// versions kept, each kind of damage named, and saving that replaces a file whole and keeps its
// permissions. Files go under TMPDIR.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "adapters/birthfile/BirthFileStore.h"
#include "adapters/birthfile/JsonBirthFileFormat.h"
#include "adapters/io/SafeFileWriter.h"
#include "core/time/TimeZones.h"
#include "tests/common/ProcessRun.h"

namespace zodrivel {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) { return testing::slurp(p); }

// New York, 4 July 1976, 10:30 by the Eastern Standard Time row with daylight saving ticked.
BirthFile rowAndBoxBirth() {
    BirthFile b;
    b.name = "ADA LOVELACE";
    b.year = 1976;
    b.month = 7;
    b.day = 4;
    b.hour = 10;
    b.minute = 30;
    b.second = 15;
    b.city = "New York";
    b.state = "New York";
    b.country = "USA";
    b.longitude = {"74", "00", true, std::nullopt};
    b.latitude = {"40", "43", false, std::nullopt};
    b.zone.row = 27;
    b.zone.rowText = std::string(zoneTable()[27].text);
    b.zone.daylightSaving = true;
    b.notes = "Client file, second session.\nAsked about Saturn.";
    return b;
}

// Kolkata, 1 October 1942, +6:30 war time from the zone history; a place from the atlas; the
// precise model and Koch houses.
BirthFile placeAndZoneBirth() {
    BirthFile b;
    b.name = "Ṛṣi Çelebi";  // letters beyond ASCII survive the round trip
    b.year = 1942;
    b.month = 10;
    b.day = 1;
    b.hour = 6;
    b.minute = 5;
    b.city = "Kolkata";
    b.state = "West Bengal";
    b.country = "India";
    b.longitude = {"88", "22", false, std::nullopt};
    b.latitude = {"22", "34", false, std::nullopt};
    b.zone.timezone = "Asia/Kolkata";
    b.zone.offsetSeconds = 23400;
    b.zone.abbreviation = "+0630";
    b.zone.daylightSaving = true;
    b.place =
        BirthPlace{"Kolkata", "West Bengal", "India", "IN", 22.56263, 88.36304, "Asia/Kolkata"};
    b.model = "precise";
    b.houses = "koch";
    b.notes = "";
    return b;
}

class BirthFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zodrivel-birthfile-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string problemOf(std::string_view text) const {
        auto read = format.read(text, BirthTextKind::File);
        if (const auto* problem = std::get_if<std::string>(&read)) return *problem;
        return "(read without a problem)";
    }

    fs::path dir;
    JsonBirthFileFormat format;
    SafeFileWriter writer;
};

TEST_F(BirthFileTest, EveryFieldComesBackAsSaved) {
    for (const BirthFile& birth : {rowAndBoxBirth(), placeAndZoneBirth()}) {
        const fs::path path = dir / "birth.zodrivel";
        ASSERT_TRUE(saveBirthFile(path, birth, format, writer));
        auto read = loadBirthFile(path, format);
        ASSERT_TRUE(std::holds_alternative<BirthFile>(read)) << std::get<std::string>(read);
        EXPECT_EQ(std::get<BirthFile>(read), birth) << readFile(path);
        // Saved again unchanged, the bytes are the same: no field drifts on each save.
        ASSERT_TRUE(
            saveBirthFile(dir / "again.zodrivel", std::get<BirthFile>(read), format, writer));
        EXPECT_EQ(readFile(dir / "again.zodrivel"), readFile(path));
    }
}

TEST_F(BirthFileTest, TheFileReadsAsDocumented) {
    const std::string text = format.write(rowAndBoxBirth());
    EXPECT_NE(text.find("\"format\": \"zodrivel-birth\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"version\": 1"), std::string::npos);
    EXPECT_NE(text.find("\"date\": \"1976-07-04\""), std::string::npos);
    EXPECT_NE(text.find("\"time\": \"10:30:15\""), std::string::npos);
    EXPECT_NE(text.find("\"side\": \"W\""), std::string::npos);
    EXPECT_NE(text.find("\"row\": 27"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST_F(BirthFileTest, FieldsOfALaterVersionAreKeptWhenSavedAgain) {
    std::string text = format.write(rowAndBoxBirth());
    // A top-level field, one inside the zone and one inside a coordinate.
    text.replace(text.find("\"name\""), 0,
                 "\"rectified\": {\"by\": \"AB\", \"minutes\": [1, 2]},\n");
    text.replace(text.find("\"row\""), 0, "\"source\": \"birth certificate\",\n");
    text.replace(text.find("\"side\": \"W\""), 0, "\"seconds\": 12,\n");
    auto read = format.read(text, BirthTextKind::File);
    ASSERT_TRUE(std::holds_alternative<BirthFile>(read)) << std::get<std::string>(read);
    const std::string saved = format.write(std::get<BirthFile>(read));
    EXPECT_NE(saved.find("\"rectified\": {"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"minutes\": [\n      1,"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"source\": \"birth certificate\""), std::string::npos);
    EXPECT_NE(saved.find("\"seconds\": 12"), std::string::npos);
    auto again = format.read(saved, BirthTextKind::File);
    ASSERT_TRUE(std::holds_alternative<BirthFile>(again));
    EXPECT_EQ(std::get<BirthFile>(again), std::get<BirthFile>(read));
}

TEST_F(BirthFileTest, EachKindOfDamageIsNamed) {
    const std::string good = format.write(rowAndBoxBirth());
    const auto with = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const struct {
        std::string text;
        std::string problem;
    } cases[] = {
        {"", "it is empty"},
        {"  \n", "it is empty"},
        {good.substr(0, good.size() / 2), "it is cut short: the birth ends early, at line "},
        {with("\"name\": ", "\"name\" "), "it is damaged: not JSON at line 4, column"},
        {"[1, 2]", "it does not hold a birth (expected a JSON object, found a list)"},
        {"\xff\xfe{}", "it is not UTF-8 text"},
        {with("\"format\": \"zodrivel-birth\",", ""), "it is not a Zodrivel birth file (it has"},
        {with("zodrivel-birth", "report"), "it is not a Zodrivel birth file (its \"format\" is"},
        {with("\"version\": 1", "\"version\": 2"),
         "it was written by a newer version of Zodrivel (birth file version 2; this version "
         "reads up to 1)"},
        {with("\"version\": 1", "\"version\": \"1\""),
         "the field \"version\" should be a whole number, not text"},
        {with("\"name\": \"ADA LOVELACE\",", ""), "the field \"name\" is missing"},
        {with("\"ADA LOVELACE\"", "42"), "the field \"name\" should be text, not a number"},
        {with("1976-07-04", "04/07/1976"), "the field \"date\" should be a date like 1976-07-04"},
        {with("1976-07-04", "1976-13-04"), "the field \"date\" holds no such month or day"},
        {with("10:30:15", "25:30"), "the field \"time\" holds no such hour"},
        {with("\"degrees\": \"74\"", "\"degrees\": \"7a\""),
         "the field \"longitude.degrees\" should be at most 3 digits"},
        {with("\"side\": \"W\"", "\"side\": \"X\""),
         "the field \"longitude.side\" should be \"E\" or \"W\""},
        {with("\"row\": 27", "\"row\": 71"), "the field \"zone.row\" should lie between 0 and 70"},
        {with("\"Eastern Standard Time", "\"Eastern Time"),
         "the field \"zone.text\" \"Eastern Time,EST,-5.0\" is not the text of row 27"},
        {with("\"daylight_saving\": true", "\"daylight_saving\": \"yes\""),
         "the field \"zone.daylight_saving\" should be true or false, not text"},
        {with("\"notes\": \"Client", "\"model\": \"exact\", \"notes\": \"Client"),
         "the field \"model\" should be \"classic\" or \"precise\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(problemOf(c.text).rfind(c.problem, 0), 0u)
            << "expected: " << c.problem << "\n  actual: " << problemOf(c.text);
    }
}

// Text no person writes but anything can hand over: numbers beyond a double, nesting deep
// enough to exhaust the stack when written back, a key given twice. Each is the reader's own
// refusal, whether the field is known or not, never an exception or a crash.
TEST_F(BirthFileTest, HostileJsonIsRefusedAndNeverEndsTheProgram) {
    const std::string good = format.write(rowAndBoxBirth());
    const auto withField = [&](const std::string& field) {
        std::string text = good;
        return text.insert(text.find("\"name\""), field + ",\n");
    };
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '[') + "1" +
               std::string(static_cast<std::size_t>(depth), ']');
    };
    std::string latitude = good;
    latitude.replace(latitude.find("\"degrees\": \"40\""), 15, "\"degrees\": -1e999");
    const struct {
        std::string text;
        std::string problem;
    } cases[] = {
        {withField("\"later\": 1e400"), "it holds a number too large to read"},
        {latitude, "it holds a number too large to read"},
        {withField("\"later\": 99999999999999999999"), "(read without a problem)"},
        {withField("\"later\": " + nested(70'000)), "it nests objects or lists more than 64 deep"},
        {withField("\"later\": " + nested(MaxBirthJsonDepth)),
         "it nests objects or lists more than 64 deep"},
        {withField("\"name\": \"EVE\""), "it gives the field \"name\" twice in one object"},
        {withField("\"later\": {\"a\": 1, \"a\": 2}"),
         "it gives the field \"a\" twice in one object"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(problemOf(c.text), c.problem) << c.text.substr(0, 200);
    }
    std::string huge = good;
    huge.replace(huge.find("\"version\": 1"), 12, "\"version\": 18446744073709551615");
    EXPECT_EQ(problemOf(huge), "the field \"version\" is too large: 18446744073709551615");

    // Nesting up to the limit is a field like any other: kept, and written back the same.
    const std::string deepest = withField("\"later\": " + nested(MaxBirthJsonDepth - 1));
    auto read = format.read(deepest, BirthTextKind::File);
    ASSERT_TRUE(std::holds_alternative<BirthFile>(read)) << std::get<std::string>(read);
    const std::string saved = format.writeLine(std::get<BirthFile>(read));
    EXPECT_NE(saved.find("\"later\":" + nested(MaxBirthJsonDepth - 1)), std::string::npos);
}

TEST_F(BirthFileTest, AZoneNeedsARowOrATimeZone) {
    BirthFile b = rowAndBoxBirth();
    b.zone = {};
    EXPECT_EQ(problemOf(format.write(b)), "the zone has neither a \"row\" nor a \"timezone\"");
    b.zone.timezone = "Europe/London";
    std::string text = format.write(b);
    text.erase(text.find("\"offset_seconds\": 0,"), 20);
    EXPECT_EQ(problemOf(text).rfind("the field \"zone.offset_seconds\" is missing", 0), 0u)
        << problemOf(text);
}

TEST_F(BirthFileTest, ABatchLineNeedsNoHeaderButAFileDoes) {
    const std::string line =
        R"({"name":"A","date":"1990-01-01","time":"12:00","longitude":{"degrees":0,"minutes":0,)"
        R"("side":"E"},"latitude":{"degrees":51,"minutes":28,"side":"N"},"zone":{"row":29}})";
    auto read = format.read(line, BirthTextKind::BatchLine);
    ASSERT_TRUE(std::holds_alternative<BirthFile>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<BirthFile>(read).latitude.degrees, "51");  // a number taken as its digits
    EXPECT_EQ(std::get<BirthFile>(read).zone.rowText, zoneTable()[29].text);
    EXPECT_EQ(problemOf(line).rfind("it is not a Zodrivel birth file", 0), 0u);
}

TEST_F(BirthFileTest, WhatIsNotABirthFileOnDiskIsRefusedUnread) {
    const auto problem = [&](const fs::path& p) {
        auto read = loadBirthFile(p, format);
        return std::holds_alternative<std::string>(read) ? std::get<std::string>(read)
                                                         : std::string("(read)");
    };
    EXPECT_EQ(problem(dir / "missing.zodrivel"), "it cannot be read: No such file or directory");
    EXPECT_EQ(problem(dir), "it is a folder");
    const fs::path fifo = dir / "pipe.zodrivel";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(problem(fifo), "it is not a regular file");  // and did not block
    const fs::path big = dir / "big.zodrivel";
    std::ofstream(big) << std::string(MaxBirthFileBytes + 1, ' ');
    EXPECT_EQ(problem(big).rfind("it is too large to be a birth file", 0), 0u);
}

TEST_F(BirthFileTest, SavingReplacesWholeAndKeepsThePermissions) {
    const fs::path path = dir / "private.zodrivel";
    ASSERT_TRUE(saveBirthFile(path, rowAndBoxBirth(), format, writer));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(saveBirthFile(path, placeAndZoneBirth(), format, writer));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    auto read = loadBirthFile(path, format);
    ASSERT_TRUE(std::holds_alternative<BirthFile>(read));
    EXPECT_EQ(std::get<BirthFile>(read), placeAndZoneBirth());
    // A file the user made read-only is refused and stays as it was.
    const std::string before = readFile(path);
    fs::permissions(path, fs::perms::owner_read);
    const WriteResult refused = saveBirthFile(path, rowAndBoxBirth(), format, writer);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "no temporary file left beside it";
}

}  // namespace
}  // namespace zodrivel
