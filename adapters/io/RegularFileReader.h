// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Reading a file that a user or another program could have replaced with anything: a FIFO, a
// device, a link to /dev/zero, a folder, a file of gigabytes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

namespace zodrivel {

struct ReadRefusal {
    enum class Kind { CannotOpen, Folder, NotRegular, TooLarge, ReadFailed };
    Kind kind;
    int error = 0;            // errno for CannotOpen and ReadFailed
    std::uintmax_t size = 0;  // for TooLarge, when the size was known before reading
};

// The bytes of the regular file at `path`, at most `maxBytes` of them. The file is opened
// without blocking (a FIFO with no writer does not wait), checked on the open descriptor (so
// it cannot be swapped between the check and the read) and read only when it is a regular
// file no larger than `maxBytes`; a file that grows past the limit while it is read is refused
// too.
std::variant<std::string, ReadRefusal> readRegularFile(const std::filesystem::path& path,
                                                       std::uintmax_t maxBytes);

}  // namespace zodrivel
