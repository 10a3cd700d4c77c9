// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/io/RegularFileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zodrivel {

std::variant<std::string, ReadRefusal> readRegularFile(const std::filesystem::path& path,
                                                       std::uintmax_t maxBytes) {
    using Kind = ReadRefusal::Kind;
    // O_NONBLOCK: opening a FIFO for reading must not wait for a writer; O_NOCTTY: a terminal
    // named by mistake does not become the program's.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return ReadRefusal{Kind::CannotOpen, errno};
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) return ReadRefusal{Kind::CannotOpen, errno};
    if (S_ISDIR(info.st_mode)) return ReadRefusal{Kind::Folder};
    if (!S_ISREG(info.st_mode)) return ReadRefusal{Kind::NotRegular};
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (size > maxBytes) return ReadRefusal{Kind::TooLarge, 0, size};
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return ReadRefusal{Kind::ReadFailed, errno};
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > maxBytes) return ReadRefusal{Kind::TooLarge};
    }
    return bytes;
}

}  // namespace zodrivel
