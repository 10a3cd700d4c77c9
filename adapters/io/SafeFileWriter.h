// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Writing a file on a POSIX system so that nothing the user had is lost or changed in kind.

#include <variant>

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
//
// A file can also be written a piece at a time (begin, append, commit), for output too large to
// hold in memory: the pieces go into the temporary file as they come, and the target appears
// whole on commit or not at all.
//
// The temporary file is locked (flock) for as long as it is written. One left behind by a
// writer that was killed is removed by the next write into the same folder, once it is older
// than the writing process and nobody holds its lock: a file another live process is writing
// is never touched.
class PendingFile;

class SafeFileWriter : public FileWriter {
public:
    WriteResult write(const std::filesystem::path& path, std::string_view content) override;

    // Checks the target as write does and creates the temporary file; the error when either
    // fails.
    std::variant<PendingFile, WriteResult> begin(const std::filesystem::path& path);
};

// A file being written. Dropped without commit (an error, an exception), its temporary file is
// removed and the target left as it was.
class PendingFile {
public:
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&&) = delete;
    ~PendingFile();

    // Adds bytes at the end of the temporary file; after a failure every later call fails too.
    WriteResult append(std::string_view content);
    // Puts the file at the target once its bytes are on the disk; the temporary file is gone
    // either way.
    WriteResult commit();

private:
    friend class SafeFileWriter;
    PendingFile(int fd, std::string temporary, std::filesystem::path target);
    void abandon();

    int fd_ = -1;
    std::string temporary_;
    std::filesystem::path target_;
    WriteResult failed_{true, {}};
};

}  // namespace zodrivel
