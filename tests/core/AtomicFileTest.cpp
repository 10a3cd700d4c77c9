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
              ("zodrivel-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t FilesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }

    fs::path dir;
};

TEST_F(AtomicFile, WritesAndReplacesWholeContent) {
    const fs::path file = dir / "report.rtf";
    ASSERT_TRUE(WriteFileAtomically(file, "first\r\n"));
    EXPECT_EQ(Read(file), "first\r\n");  // binary: CR LF kept as given
    ASSERT_TRUE(WriteFileAtomically(file, "second"));
    EXPECT_EQ(Read(file), "second");
    EXPECT_EQ(FilesInDir(), 1u) << "no temporary file may be left beside the result";
}

TEST_F(AtomicFile, AFailureIsReportedAndLeavesNothingBehind) {
    const fs::path missingFolder = dir / "no-such-folder" / "report.rtf";
    const WriteResult r = WriteFileAtomically(missingFolder, "x");
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
    EXPECT_FALSE(fs::exists(missingFolder));
    EXPECT_EQ(FilesInDir(), 0u);

    // A folder in the way of the name: the folder survives untouched.
    fs::create_directory(dir / "taken");
    EXPECT_FALSE(WriteFileAtomically(dir / "taken", "x"));
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
    EXPECT_EQ(FilesInDir(), 1u);

    EXPECT_FALSE(WriteFileAtomically("", "x"));
}

TEST_F(AtomicFile, AFailedWriteKeepsTheOldFile) {
    const fs::path file = dir / "kept.txt";
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    // A parent that is a file cannot hold anything; the old file elsewhere is untouched.
    EXPECT_FALSE(WriteFileAtomically(file / "child", "new"));
    EXPECT_EQ(Read(file), "old");
}

}  // namespace
}  // namespace zodrivel
