// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The command line read and answered without touching the process: what to print, or the
// error and exit status. main() only writes the answer; the fuzz target calls this directly.

#include <optional>
#include <string>
#include <string_view>

namespace zodrivel::cli {

inline constexpr int ExitWriteFailed = 1;
inline constexpr int ExitBadInput = 2;

struct Answer {
    int status = 0;       // 0: write `text`; otherwise print `error` and exit with it
    std::string text;     // the chosen output, help or version included
    std::string error;    // without the "zodrivel-cli: " prefix
    std::string output;   // --output's file; empty for standard output
    bool binary = false;  // `text` is not text (a PDF): never for a terminal
};

Answer parseAndFormat(int argc, const char* const* argv);

// Writes all of `text` to standard output and flushes it; the reason when that failed (a full
// disk, a closed pipe, a closed descriptor).
std::optional<std::string> writeStandardOutput(std::string_view text);

}  // namespace zodrivel::cli
