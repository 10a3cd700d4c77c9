// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/io/SafeFileWriter.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

namespace zodrivel {

namespace {

namespace fs = std::filesystem;

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int MostLinksFollowed = 40;

// The folder a file goes into, as a message names it: "/home/ada" or "the current folder".
std::string folderName(const fs::path& file) {
    const fs::path folder = file.parent_path();
    return folder.empty() ? std::string("the current folder") : folder.string();
}

std::string folderPhrase(const fs::path& file) {
    return file.parent_path().empty() ? "The current folder" : "The folder " + folderName(file);
}

// The first folder on the way to `file` that is missing or is not a folder, for a message that
// points at the right one rather than at the file's immediate folder.
std::optional<fs::path> firstBrokenFolder(const fs::path& file, bool& isFile) {
    fs::path walked;
    const fs::path folder = file.parent_path();
    for (const fs::path& part : folder) {
        walked /= part;
        struct stat st {};
        if (::stat(walked.c_str(), &st) != 0) {
            isFile = false;
            return walked;
        }
        if (!S_ISDIR(st.st_mode)) {
            isFile = true;
            return walked;
        }
    }
    return std::nullopt;
}

// The errors a user can act on, in words; the rest in the system's words.
std::string describe(int error, const fs::path& file) {
    switch (error) {
        case EACCES:
        case EPERM: {
            // A folder on the way that may not be entered hides everything below it.
            fs::path walked;
            for (const fs::path& part : file.parent_path()) {
                walked /= part;
                if (walked.has_relative_path() && ::access(walked.c_str(), X_OK) != 0) {
                    return "No permission to open the folder " + walked.string();
                }
            }
            return "No permission to write in " + folderName(file);
        }
        case EROFS: return folderPhrase(file) + " is on a read-only disk";
        case ENOSPC: return "The disk is full";
        case EDQUOT: return "The disk quota is used up";
        case EFBIG: return "The file is larger than the system allows";
        case ENAMETOOLONG: return "The file name is too long";
        case EISDIR: return file.string() + " is a folder";
        case ELOOP: return file.string() + " leads through too many links";
        case ENOENT:
        case ENOTDIR: {
            bool isFile = false;
            if (const auto broken = firstBrokenFolder(file, isFile)) {
                return isFile ? broken->string() + " is a file, not a folder"
                              : "The folder " + broken->string() + " does not exist";
            }
            // The folder is there and still refuses a file: /proc, /sys and the like.
            return folderPhrase(file) + " cannot hold files";
        }
        default: return std::strerror(error);
    }
}

WriteResult failure(int error, const fs::path& file) { return {false, describe(error, file)}; }

// The permission bits a new file gets: 0666 less the process's umask. Linux tells the umask
// without changing it; elsewhere it is read by setting it and putting it back at once.
mode_t newFileMode() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(0666 & ~std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Follows `path` through any symbolic links to the file that would be written. Fills `found`
// when something exists there; returns an errno value, or 0.
int resolve(fs::path& path, std::optional<struct stat>& found) {
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return 0;  // a new file; its folder is checked on creation
            return errno;
        }
        if (!S_ISLNK(st.st_mode)) {
            found = st;
            return 0;
        }
        if (links == MostLinksFollowed) return ELOOP;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1,
                           '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return errno;
        target.resize(static_cast<std::size_t>(length));
        // A relative link is read from the folder that holds it.
        path = path.parent_path() / fs::path(target);
    }
}

int writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

constexpr std::string_view TemporaryPrefix = ".zdv-";
constexpr std::size_t TemporaryNameLength = TemporaryPrefix.size() + 6;

// A short name beside the target, made exclusively, so that a name of NAME_MAX bytes still
// works and nothing already there is opened. mkostemp creates it with mode 0600: nobody else
// reads the bytes before the permissions are set. It is locked at once, which tells a later
// writer's sweep that someone is still at work on it.
int createTemporary(const fs::path& target, std::string& name) {
    const fs::path folder = target.parent_path();
    const std::string pattern = std::string(TemporaryPrefix) + "XXXXXX";
    name = (folder.empty() ? fs::path(pattern) : folder / pattern).string();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) ::flock(fd, LOCK_EX | LOCK_NB);  // new and unlinked by nobody: cannot be held
    return fd;
}

// When this process started, in seconds since the epoch; nothing where the system does not
// say. Read from /proc: the start in clock ticks after boot, and the boot time.
std::optional<double> processStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return std::nullopt;
    // The command name in parentheses may hold blanks; the fields count from after it.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    // Field 22 of the line is the start time; the rest begins with field 3.
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    if (!fields) return std::nullopt;
    const double ticks = std::strtod(field.c_str(), nullptr);
    std::ifstream system("/proc/stat");
    for (std::string entry; std::getline(system, entry);) {
        if (entry.rfind("btime ", 0) == 0) {
            const long perSecond = ::sysconf(_SC_CLK_TCK);
            if (perSecond <= 0) return std::nullopt;
            return std::strtod(entry.c_str() + 6, nullptr) + ticks / static_cast<double>(perSecond);
        }
    }
    return std::nullopt;
}

// Removes the temporary files a killed writer left in `folder`: ours (same owner), regular,
// last changed before this process started, and locked by nobody. Best effort and silent.
void removeAbandonedTemporaries(const fs::path& folder) {
    const auto started = processStart();
    if (!started) return;
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    if (error) return;
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.size() != TemporaryNameLength || !name.starts_with(TemporaryPrefix)) continue;
        const int fd =
            ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) continue;
        struct stat st {};
        // A second to spare: the start time is known to the clock tick, the boot time only
        // to the second.
        const bool stale = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                           st.st_uid == ::geteuid() &&
                           static_cast<double>(st.st_mtim.tv_sec) + 1 < *started &&
                           ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        // Unlinked while locked, so no writer can start on it in between.
        if (stale) ::unlink(entry.path().c_str());
        ::close(fd);
    }
}

// Best effort after the rename: the new name is in place either way, and some file systems
// cannot sync a folder at all.
void syncFolder(const fs::path& file) {
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

WriteResult SafeFileWriter::write(const std::filesystem::path& path, std::string_view content) {
    auto pending = begin(path);
    if (auto* failed = std::get_if<WriteResult>(&pending)) return std::move(*failed);
    PendingFile& file = std::get<PendingFile>(pending);
    if (WriteResult appended = file.append(content); !appended) return appended;
    return file.commit();
}

std::variant<PendingFile, WriteResult> SafeFileWriter::begin(const std::filesystem::path& path) {
    if (path.empty()) return WriteResult{false, "No file name given"};

    fs::path target = path;
    std::optional<struct stat> existing;
    if (const int error = resolve(target, existing)) {
        return failure(error, error == ELOOP ? path : target);
    }

    mode_t mode = newFileMode();
    if (existing) {
        if (S_ISDIR(existing->st_mode)) return failure(EISDIR, target);
        if (!S_ISREG(existing->st_mode)) {
            return WriteResult{false, target.string() + " is not a regular file"};
        }
        // Root may write anything, so the bits decide for root too: a file nobody may write
        // was made read-only on purpose.
        if ((existing->st_mode & 0222) == 0) {
            return WriteResult{false, target.string() + " is read-only"};
        }
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            if (errno == EACCES) {
                return WriteResult{false, "No permission to change " + target.string()};
            }
            return failure(errno, target);
        }
        mode = existing->st_mode & 0777;
    }

    removeAbandonedTemporaries(target.parent_path());
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return failure(errno, target);

    // From here on every failure removes the temporary file and leaves the target alone.
    PendingFile file(fd, std::move(temporary), target);
    if (existing) {
        // The owner can be given away only by root, the group only to one's own groups; where
        // the system says no, the file is the writer's, as any newly saved file would be.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
            if (errno != EPERM) return failure(errno, target);
            if (::fchown(fd, static_cast<uid_t>(-1), existing->st_gid) != 0 && errno != EPERM) {
                return failure(errno, target);
            }
        }
    }
    if (::fchmod(fd, mode) != 0) return failure(errno, target);
    return std::variant<PendingFile, WriteResult>(std::in_place_type<PendingFile>, std::move(file));
}

PendingFile::PendingFile(int fd, std::string temporary, std::filesystem::path target)
    : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)) {}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      temporary_(std::move(other.temporary_)),
      target_(std::move(other.target_)),
      failed_(std::move(other.failed_)) {}

PendingFile::~PendingFile() { abandon(); }

void PendingFile::abandon() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temporary_.c_str());
    fd_ = -1;
}

WriteResult PendingFile::append(std::string_view content) {
    if (fd_ < 0) return failed_;
    if (const int error = writeAll(fd_, content)) {
        abandon();
        failed_ = failure(error, target_);
    }
    return failed_;
}

WriteResult PendingFile::commit() {
    if (fd_ < 0) return failed_;
    if (::fsync(fd_) != 0) {
        const int error = errno;
        abandon();
        return failed_ = failure(error, target_);
    }
    const int fd = std::exchange(fd_, -1);
    // The lock goes with the descriptor; the rename follows at once.
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        return failed_ = failure(error, target_);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        return failed_ = failure(error, target_);
    }
    syncFolder(target_);
    failed_ = WriteResult{false, "The file was already written"};
    return {true, {}};
}

}  // namespace zodrivel
