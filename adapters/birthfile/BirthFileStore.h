// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Birth files on disk: read whole and checked, written whole through the atomic writer.

#include <filesystem>
#include <string>
#include <variant>

#include "core/birthfile/BirthFile.h"
#include "core/io/FileWriter.h"

namespace zodrivel {

// Larger than any birth a person writes; a bigger file is something else picked by mistake.
inline constexpr std::uintmax_t MaxBirthFileBytes = 1 << 20;

// The birth in the file at `path`, or what is wrong in a sentence that does not name the file
// ("it is cut short: ..."; "it cannot be read: No such file or directory"). Only regular files
// are opened: a folder, a device or a FIFO is refused before it is read (a FIFO would block).
std::variant<BirthFile, std::string> loadBirthFile(const std::filesystem::path& path,
                                                   const BirthFileFormat& format);

// The birth at `path`, whole or not at all, keeping an existing file's permissions.
WriteResult saveBirthFile(const std::filesystem::path& path, const BirthFile& birth,
                          const BirthFileFormat& format, FileWriter& writer);

}  // namespace zodrivel
