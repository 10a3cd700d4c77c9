// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Writing a file on a POSIX system so that nothing the user had is lost or changed in kind.

#include "core/io/FileWriter.h"

namespace zodrivel {

// Writes a temporary file beside the target and renames it over the target, after the bytes
// have reached the disk. What is at the path decides what happens:
// - nothing: a new file with the usual permissions (0666 less the umask);
// - a regular file: replaced, keeping its permission bits, and its owner and group where the
//   system allows; a file without write permission (for anyone, root included, when no write
//   bit is set) is refused and left alone;
// - a symbolic link, or a chain of them: the file at the end is written and the links stay;
//   a link whose file does not exist yet creates that file, as writing through a link does;
// - anything else (a folder, a device such as /dev/null, a FIFO, a socket): refused. The
//   target is never opened, so a FIFO cannot block the program.
// Errors are sentences that name the file or folder in question.
class SafeFileWriter : public FileWriter {
public:
    WriteResult write(const std::filesystem::path& path, std::string_view content) override;
};

}  // namespace zodrivel
