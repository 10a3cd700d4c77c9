// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The one way the programs put a file on disk. Core produces the bytes (a report as RTF, a
// chart as JSON); a writer puts them at a path the user named. The writer that does this on
// the disk needs the operating system, so it lives in adapters/; core owns only the question.

#include <filesystem>
#include <string>
#include <string_view>

namespace zodrivel {

struct WriteResult {
    bool ok = false;
    // Why it failed, in plain words for a message that already names the file
    // ("report.rtf is read-only", "The disk is full").
    std::string error;
    explicit operator bool() const { return ok; }
};

class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Puts `content` at `path` whole: readers see the old file or the new one, never half of
    // either, and a failure leaves the old file as it was.
    virtual WriteResult write(const std::filesystem::path& path, std::string_view content) = 0;
};

}  // namespace zodrivel
