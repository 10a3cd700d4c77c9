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
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

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

// A short name beside the target, made exclusively, so that a name of NAME_MAX bytes still
// works and nothing already there is opened. mkostemp creates it with mode 0600: nobody else
// reads the bytes before the permissions are set.
int createTemporary(const fs::path& target, std::string& name) {
    const fs::path folder = target.parent_path();
    name = (folder.empty() ? fs::path(".zdv-XXXXXX") : folder / ".zdv-XXXXXX").string();
    return ::mkostemp(name.data(), O_CLOEXEC);
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
    if (path.empty()) return {false, "No file name given"};

    fs::path target = path;
    std::optional<struct stat> existing;
    if (const int error = resolve(target, existing)) {
        return failure(error, error == ELOOP ? path : target);
    }

    mode_t mode = newFileMode();
    if (existing) {
        if (S_ISDIR(existing->st_mode)) return failure(EISDIR, target);
        if (!S_ISREG(existing->st_mode)) return {false, target.string() + " is not a regular file"};
        // Root may write anything, so the bits decide for root too: a file nobody may write
        // was made read-only on purpose.
        if ((existing->st_mode & 0222) == 0) return {false, target.string() + " is read-only"};
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            if (errno == EACCES) return {false, "No permission to change " + target.string()};
            return failure(errno, target);
        }
        mode = existing->st_mode & 0777;
    }

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return failure(errno, target);

    // From here on every failure removes the temporary file and leaves the target alone.
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure(error, target);
    };
    if (existing) {
        // The owner can be given away only by root, the group only to one's own groups; where
        // the system says no, the file is the writer's, as any newly saved file would be.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
            if (errno != EPERM) return abandon(errno);
            if (::fchown(fd, static_cast<uid_t>(-1), existing->st_gid) != 0 && errno != EPERM) {
                return abandon(errno);
            }
        }
    }
    if (::fchmod(fd, mode) != 0) return abandon(errno);
    if (const int error = writeAll(fd, content)) return abandon(error);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failure(error, target);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failure(error, target);
    }
    syncFolder(target);
    return {true, {}};
}

}  // namespace zodrivel
