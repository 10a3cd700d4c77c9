// SPDX-License-Identifier: AGPL-3.0-or-later
// The writer behind --output, the report's Save and the wheel export: what it replaces, what it
// refuses, what it keeps of the old file, and what a failure leaves behind. Files go under
// TMPDIR, so scripts/test-unprivileged.sh runs the same cases as an ordinary user, whom
// permissions stop where they do not stop root.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <sstream>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <variant>

#include "adapters/io/SafeFileWriter.h"
#include "tests/common/ProcessRun.h"

namespace zodrivel {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) { return testing::slurp(p); }

void makeFile(const fs::path& p, std::string_view content, mode_t mode) {
    std::ofstream(p, std::ios::binary) << content;
    fs::permissions(p, static_cast<fs::perms>(mode));
}

struct stat statOf(const fs::path& p) {
    struct stat st {};
    EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
    return st;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool isRoot() { return ::geteuid() == 0; }

class SafeFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("zodrivel-writer-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        // A read-only folder made by a case must become writable again to be removed.
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(dir, ignored)) {
            if (entry.is_directory(ignored)) fs::permissions(entry.path(), fs::perms::owner_all);
        }
        fs::remove_all(dir, ignored);
    }

    // Everything in the folder, hidden names included: a temporary file left behind shows.
    std::vector<std::string> entries(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    SafeFileWriter writer;
    fs::path dir;
};

// Cases that write: where the bytes end up, and what the result looks like.
struct Written {
    const char* name;
    // Prepares the folder; returns the path handed to the writer.
    std::function<fs::path(const fs::path& dir)> arrange;
    const char* resultFile;          // relative to the folder: where the bytes must be
    mode_t mode;                     // 0: the mode of a new file (0666 less the umask)
    std::vector<std::string> links;  // names that must still be symbolic links afterwards
};

TEST_F(SafeFileWriterTest, WritesOrReplacesTheFileAtTheEndOfThePath) {
    const std::string longName(255, 'n');  // NAME_MAX: no room for a suffix
    const std::vector<Written> cases =
        {
            {"new file", [](const fs::path& d) { return d / "report.rtf"; }, "report.rtf", 0, {}},
            {"private file keeps 0600",
             [](const fs::path& d) {
        makeFile(d / "diary.rtf", "old", 0600);
        return d / "diary.rtf";
             },
             "diary.rtf",
             0600,
             {}},
            {"group-readable file keeps 0640",
             [](const fs::path& d) {
        makeFile(d / "shared.rtf", "old", 0640);
        return d / "shared.rtf";
             },
             "shared.rtf",
             0640,
             {}},
                               {"symbolic link: the file it points to is replaced, the link stays",
                                [](const fs::path& d) {
        makeFile(d / "real.rtf", "old", 0600);
        fs::create_symlink("real.rtf", d / "link.rtf");
        return d / "link.rtf";
                                },
                                "real.rtf",
                                0600,
                                {"link.rtf"}},
        {"chain of links into another folder",
         [](const fs::path& d) {
        fs::create_directory(d / "elsewhere");
        makeFile(d / "elsewhere" / "real.rtf", "old", 0640);
        fs::create_symlink(d / "elsewhere" / "real.rtf", d / "second");
        fs::create_symlink("second", d / "first");
        return d / "first";
         },
         "elsewhere/real.rtf",
         0640,
         {"first", "second"}},
        // The link says where this name's content lives; writing through it creates that
        // file, as the shell's redirection does, instead of turning the link into a file.
        {"dangling link: the file it names is created",
         [](const fs::path& d) {
        fs::create_directory(d / "sub");
        fs::create_symlink("sub/new.rtf", d / "link.rtf");
        return d / "link.rtf";
         },
         "sub/new.rtf",
         0,
         {"link.rtf"}},
        {"a name of 255 bytes",
         [&](const fs::path& d) {
        makeFile(d / longName, "old", 0644);
        return d / longName;
         },
         longName.c_str(),
         0644,
         {}},
        };
    for (const Written& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path path = c.arrange(dir);
        const WriteResult result = writer.write(path, "new\r\n{\\rtf1}");
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(readFile(dir / c.resultFile), "new\r\n{\\rtf1}");
        const mode_t expected = c.mode ? c.mode : (0666 & ~currentUmask());
        EXPECT_EQ(statOf(dir / c.resultFile).st_mode & 07777, expected);
        for (const std::string& link : c.links) {
            EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
        }
        for (const std::string& name : entries(dir)) {
            EXPECT_EQ(name.rfind(".zdv-", 0), std::string::npos) << "left behind: " << name;
        }
    }
}

TEST_F(SafeFileWriterTest, AReplacedFileKeepsItsOwnerAndGroup) {
    // Root can give the file away to test this; an ordinary user's files are their own.
    const fs::path file = dir / "theirs.rtf";
    makeFile(file, "old", 0640);
    if (isRoot()) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }
    const struct stat before = statOf(file);
    ASSERT_TRUE(writer.write(file, "new"));
    const struct stat after = statOf(file);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced by rename, not rewritten in place";
}

// Cases that are refused: the message, and nothing changed.
struct Refused {
    const char* name;
    std::function<fs::path(const fs::path& dir)> arrange;
    std::function<std::string(const fs::path& dir)> error;
};

TEST_F(SafeFileWriterTest, RefusesWhatIsNotAWritableRegularFileAndChangesNothing) {
    const std::vector<Refused> cases =
        {
            {"no name", [](const fs::path&) { return fs::path(); },
             [](const fs::path&) { return "No file name given"; }},
            {"a folder",
             [](const fs::path& d) {
        fs::create_directory(d / "taken");
        return d / "taken";
             },
             [](const fs::path& d) { return (d / "taken").string() + " is a folder"; }},
            {"read-only file (0444), for root too",
             [](const fs::path& d) {
        makeFile(d / "report.rtf", "kept", 0444);
        return d / "report.rtf";
             },
             [](const fs::path& d) {
        return (d / "report.rtf").string() + " is read-only";
            }},
        {"link to a read-only file names the file",
         [](const fs::path& d) {
        makeFile(d / "report.rtf", "kept", 0444);
        fs::create_symlink("report.rtf", d / "link.rtf");
        return d / "link.rtf";
         },
         [](const fs::path& d) { return (d / "report.rtf").string() + " is read-only"; }},
        {"missing folder", [](const fs::path& d) { return d / "missing" / "report.rtf"; },
         [](const fs::path& d) {
        return "The folder " + (d / "missing").string() + " does not exist";
         }},
        {"a file where a folder should be",
         [](const fs::path& d) {
        makeFile(d / "plain.txt", "kept", 0644);
        return d / "plain.txt" / "report.rtf";
         },
         [](const fs::path& d) { return (d / "plain.txt").string() + " is a file, not a folder"; }},
        {"links in a circle",
         [](const fs::path& d) {
        fs::create_symlink("b", d / "a");
        fs::create_symlink("a", d / "b");
        return d / "a";
         },
         [](const fs::path& d) { return (d / "a").string() + " leads through too many links"; }},
        {"a FIFO",
         [](const fs::path& d) {
        EXPECT_EQ(::mkfifo((d / "pipe").c_str(), 0644), 0);
        return d / "pipe";
         },
         [](const fs::path& d) { return (d / "pipe").string() + " is not a regular file"; }},
        {"a folder that cannot hold files", [](const fs::path&) { return "/proc/report.rtf"; },
         [](const fs::path&) { return "The folder /proc cannot hold files"; }},
        };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path path = c.arrange(dir);
        const auto before = entries(dir);
        std::map<std::string, std::pair<std::string, mode_t>> contents;
        for (const std::string& name : before) {
            const struct stat st = statOf(dir / name);
            contents[name] = {S_ISREG(st.st_mode) ? readFile(dir / name) : "", st.st_mode};
        }
        // The target is never opened, so a FIFO with no reader cannot hold the call; should it
        // block, opening the reading end releases it and the case fails instead of hanging.
        auto call = std::async(std::launch::async, [&] { return writer.write(path, "new"); });
        if (call.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << "the write blocked";
            ::close(::open(path.c_str(), O_RDONLY | O_NONBLOCK));
        }
        const WriteResult result = call.get();
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, c.error(dir));
        EXPECT_EQ(entries(dir), before);
        for (const auto& [name, old] : contents) {
            const struct stat st = statOf(dir / name);
            EXPECT_EQ(st.st_mode, old.second) << name << " changed kind or mode";
            if (S_ISREG(st.st_mode)) {
                EXPECT_EQ(readFile(dir / name), old.first) << name;
            }
        }
    }
}

TEST_F(SafeFileWriterTest, DevicesStayDevices) {
    // Renaming a file over /dev/null as root breaks every program on the machine, so a writer
    // that would do it is caught first on a private twin of /dev/null in the test's folder,
    // where root may make one; only a writer that refuses the twin meets the real devices.
    // An ordinary user cannot replace /dev/null at all.
    const fs::path twin = dir / "null";
    std::vector<fs::path> devices;
    if (::mknod(twin.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        devices.push_back(twin);
    } else if (isRoot()) {
        GTEST_SKIP() << "root cannot make a device node here, so the real ones are not risked";
    }
    devices.insert(devices.end(), {"/dev/null", "/dev/full"});
    for (const fs::path& device : devices) {
        SCOPED_TRACE(device);
        const struct stat before = statOf(device);
        ASSERT_TRUE(S_ISCHR(before.st_mode));
        const WriteResult result = writer.write(device, "new");
        const struct stat after = statOf(device);
        ASSERT_TRUE(S_ISCHR(after.st_mode));
        EXPECT_EQ(after.st_rdev, before.st_rdev);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, device.string() + " is not a regular file");
    }
}

TEST_F(SafeFileWriterTest, AFolderWithoutPermissionIsNamed) {
    if (isRoot()) {
        GTEST_SKIP() << "root writes in any folder; scripts/test-unprivileged.sh runs this";
    }
    fs::create_directories(dir / "locked");
    makeFile(dir / "locked" / "report.rtf", "kept", 0644);
    fs::permissions(dir / "locked", static_cast<fs::perms>(0555));
    fs::create_directories(dir / "closed" / "inside");
    fs::permissions(dir / "closed", fs::perms::none);
    const std::pair<fs::path, std::string> cases[] = {
        {dir / "locked" / "report.rtf", "No permission to write in " + (dir / "locked").string()},
        {dir / "closed" / "inside" / "report.rtf",
         "No permission to open the folder " + (dir / "closed").string()}};
    for (const auto& [target, reason] : cases) {
        const WriteResult result = writer.write(target, "new");
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, reason);
    }
    EXPECT_EQ(readFile(dir / "locked" / "report.rtf"), "kept");
    EXPECT_EQ(entries(dir / "locked"), std::vector<std::string>{"report.rtf"});
}

// A failure after the temporary file exists: the old file stays and nothing is left beside it.
TEST_F(SafeFileWriterTest, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
    const fs::path file = dir / "report.rtf";
    makeFile(file, "old", 0644);
    const std::string big(64 * 1024, 'x');

    // A file size limit makes write() fail part-way, for any user.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const WriteResult result = writer.write(file, big);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "The file is larger than the system allows");
    EXPECT_EQ(readFile(file), "old");
    EXPECT_EQ(entries(dir), std::vector<std::string>{"report.rtf"});
}

TEST_F(SafeFileWriterTest, AFullDiskIsSaidSo) {
    const fs::path disk = dir / "disk";
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    }
    makeFile(disk / "report.rtf", "old", 0644);
    const WriteResult result = writer.write(disk / "report.rtf", std::string(64 * 1024, 'x'));
    const std::string kept = readFile(disk / "report.rtf");
    const auto left = entries(disk);
    ::umount(disk.c_str());

    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "The disk is full");
    EXPECT_EQ(kept, "old");
    EXPECT_EQ(left, std::vector<std::string>{"report.rtf"});
}

// Output too large to hold goes out a piece at a time; readers still see the old file or the
// whole new one, and a write abandoned half-way leaves nothing behind.
TEST_F(SafeFileWriterTest, APieceByPieceWriteAppearsWholeOnCommitOrNotAtAll) {
    const fs::path file = dir / "results.jsonl";
    makeFile(file, "old", 0640);
    {
        auto begun = writer.begin(file);
        ASSERT_TRUE(std::holds_alternative<PendingFile>(begun));
        PendingFile& pending = std::get<PendingFile>(begun);
        ASSERT_TRUE(pending.append("one\n"));
        ASSERT_TRUE(pending.append("two\n"));
        EXPECT_EQ(readFile(file), "old");  // nothing shows before the commit
        EXPECT_EQ(entries(dir).size(), 2u);
    }  // dropped: abandoned
    EXPECT_EQ(readFile(file), "old");
    EXPECT_EQ(entries(dir), std::vector<std::string>{"results.jsonl"});

    auto begun = writer.begin(file);
    ASSERT_TRUE(std::holds_alternative<PendingFile>(begun));
    PendingFile& pending = std::get<PendingFile>(begun);
    ASSERT_TRUE(pending.append("one\n"));
    ASSERT_TRUE(pending.append("two\n"));
    ASSERT_TRUE(pending.commit());
    EXPECT_EQ(readFile(file), "one\ntwo\n");
    EXPECT_EQ(statOf(file).st_mode & 0777, 0640u);
    EXPECT_FALSE(pending.append("three\n"));  // a committed file takes no more
    EXPECT_EQ(entries(dir), std::vector<std::string>{"results.jsonl"});

    // What write refuses, begin refuses the same way, before any temporary file exists.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    auto refused = writer.begin(dir / "pipe");
    ASSERT_TRUE(std::holds_alternative<WriteResult>(refused));
    EXPECT_EQ(std::get<WriteResult>(refused).error,
              (dir / "pipe").string() + " is not a regular file");
}

// A writer killed half-way (kill -9, a crash, a power cut) leaves its temporary file. The next
// write into the folder removes it, but only when nobody could still be writing it: older than
// the writing process and locked by nobody.
TEST_F(SafeFileWriterTest, TemporaryFilesAKilledWriterLeftAreRemovedByTheNextWrite) {
    const auto hourAgo = [](const fs::path& p) {
        const struct timespec times[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), times, 0), 0);
    };
    for (const char* name : {".zdv-aB3xYz", ".zdv-held01", ".zdv-fresh1", ".zdv-named-by-user"}) {
        makeFile(dir / name, std::string(4096, 'x'), 0600);
    }
    for (const char* name : {".zdv-aB3xYz", ".zdv-held01", ".zdv-named-by-user"}) {
        hourAgo(dir / name);
    }
    // Another live writer holds its file's lock for as long as it writes.
    const int held = ::open((dir / ".zdv-held01").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    // Another user's, which root could remove and must not.
    std::vector<std::string> kept{".zdv-fresh1", ".zdv-held01", ".zdv-named-by-user", "chart.json"};
    if (isRoot()) {
        makeFile(dir / ".zdv-other1", "theirs", 0600);
        hourAgo(dir / ".zdv-other1");
        ASSERT_EQ(::chown((dir / ".zdv-other1").c_str(), 65534, 65534), 0);
        kept.insert(kept.begin() + 3, ".zdv-other1");
    }

    ASSERT_TRUE(writer.write(dir / "chart.json", "{}"));
    ::close(held);
    EXPECT_EQ(entries(dir), kept);
}

}  // namespace
}  // namespace zodrivel
