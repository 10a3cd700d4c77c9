// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/birthfile/BirthFileStore.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zodrivel {

namespace {

std::string systemReason(int error) { return std::strerror(error); }

// The file's bytes, or the reason they cannot be had.
std::variant<std::string, std::string> readBytes(const std::filesystem::path& path) {
    // O_NONBLOCK: opening a FIFO for reading must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "it cannot be read: " + systemReason(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "it cannot be read: " + systemReason(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return std::variant<std::string, std::string>(std::in_place_index<1>, "it is a folder");
    }
    if (!S_ISREG(info.st_mode)) {
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "it is not a regular file");
    }
    if (static_cast<std::uintmax_t>(info.st_size) > MaxBirthFileBytes) {
        return std::variant<std::string, std::string>(
            std::in_place_index<1>,
            "it is too large to be a birth file (" + std::to_string(info.st_size) + " bytes)");
    }
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::variant<std::string, std::string>(
                std::in_place_index<1>, "it cannot be read: " + systemReason(errno));
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > MaxBirthFileBytes) {
            return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                          "it is too large to be a birth file");
        }
    }
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(bytes));
}

}  // namespace

std::variant<BirthFile, std::string> loadBirthFile(const std::filesystem::path& path,
                                                   const BirthFileFormat& format) {
    auto bytes = readBytes(path);
    if (bytes.index() == 1) return std::get<1>(std::move(bytes));
    return format.read(std::get<0>(bytes), BirthTextKind::File);
}

WriteResult saveBirthFile(const std::filesystem::path& path, const BirthFile& birth,
                          const BirthFileFormat& format, FileWriter& writer) {
    return writer.write(path, format.write(birth));
}

}  // namespace zodrivel
