// SPDX-License-Identifier: AGPL-3.0-or-later
// Whole-file writes: the new content or the old, never a partial file, and failures told.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/io/AtomicFile.h"

namespace zodrivel {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zodrivel-atomic-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string readFile(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }

    fs::path dir;
};

TEST_F(AtomicFile, WritesAndReplacesWholeContent) {
    const fs::path file = dir / "report.rtf";
    ASSERT_TRUE(writeFileAtomically(file, "first\r\n"));
    EXPECT_EQ(readFile(file), "first\r\n");  // binary: CR LF kept as given
    ASSERT_TRUE(writeFileAtomically(file, "second"));
    EXPECT_EQ(readFile(file), "second");
    EXPECT_EQ(filesInDir(), 1u) << "no temporary file may be left beside the result";
}

TEST_F(AtomicFile, AFailureIsReportedAndLeavesNothingBehind) {
    const fs::path missingFolder = dir / "no-such-folder" / "report.rtf";
    const WriteResult r = writeFileAtomically(missingFolder, "x");
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
    EXPECT_FALSE(fs::exists(missingFolder));
    EXPECT_EQ(filesInDir(), 0u);

    // A folder in the way of the name: the folder survives untouched.
    fs::create_directory(dir / "taken");
    EXPECT_FALSE(writeFileAtomically(dir / "taken", "x"));
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
    EXPECT_EQ(filesInDir(), 1u);

    EXPECT_FALSE(writeFileAtomically("", "x"));
}

TEST_F(AtomicFile, AFailedWriteKeepsTheOldFile) {
    const fs::path file = dir / "kept.txt";
    ASSERT_TRUE(writeFileAtomically(file, "old"));
    // A parent that is a file cannot hold anything; the old file elsewhere is untouched.
    EXPECT_FALSE(writeFileAtomically(file / "child", "new"));
    EXPECT_EQ(readFile(file), "old");
}

}  // namespace
}  // namespace zodrivel
