// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The command line read and answered without touching the process: what to print, or the
// error and exit status. main() only writes the answer; the fuzz target calls this directly.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "cli/CliChart.h"
#include "cli/CliSources.h"

namespace zodrivel::cli {

inline constexpr int ExitWriteFailed = 1;
inline constexpr int ExitBadInput = 2;
// --batch: every line was read, and at least one of them could not be computed.
inline constexpr int ExitSomeFailed = 3;

struct Answer {
    Answer() = default;
    Answer(int status_, std::string text_, std::string error_, std::string output_)
        : status(status_),
          text(std::move(text_)),
          error(std::move(error_)),
          output(std::move(output_)) {}

    int status = 0;       // 0: write `text`; otherwise print `error` and exit with it
    std::string text;     // the chosen output, help or version included
    std::string error;    // without the "zodrivel-cli: " prefix
    std::string output;   // --output's file; empty for standard output
    bool binary = false;  // `text` is not text (a PDF): never for a terminal
    // --save-birth: the birth file to write before `text`, and its content.
    std::string birthFile;
    std::string birthFileText;
    // --batch: the input to read ("-" for standard input) and whether CSV is wanted; `text`
    // is then empty and main() runs the batch.
    std::string batchInput;
    bool batchCsv = false;
    ChartChoice batchChoice;
};

// The answer to the command line, with the outside libraries of `sources`; the first form makes
// its own.
Answer parseAndFormat(int argc, const char* const* argv, const CliSources& sources);
Answer parseAndFormat(int argc, const char* const* argv);

// Writes all of `text` to standard output and flushes it; the reason when that failed (a full
// disk, a closed pipe, a closed descriptor).
std::optional<std::string> writeStandardOutput(std::string_view text);

}  // namespace zodrivel::cli
