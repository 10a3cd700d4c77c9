// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Many births in one run: JSON Lines or CSV in, one result a line out, in input order, the
// work spread over every core.

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "cli/CliChart.h"
#include "cli/CliOptions.h"
#include "cli/CliSources.h"
#include "core/calculation/Calculation.h"

namespace zodrivel::cli {

enum class BatchOutput { JsonLines, Csv };

// The longest input line read, in bytes: a birth needs a few hundred. A longer line gives its
// error result and the batch goes on; when it is the first line (which says whether the input
// is CSV or JSON Lines) the whole input is refused.
inline constexpr std::size_t MaxBatchLineBytes = 64 * 1024;

struct BatchSummary {
    std::size_t births = 0;  // result lines written
    std::size_t failed = 0;  // of them, lines that carry an error
};

// Reads every line of `input` and hands `write` the results, a block at a time, in input
// order. A line that cannot be read or computed gives a result line with its line number and
// the message and does not stop the batch. An error about the whole input (an unknown CSV
// column) comes back instead of a summary, before anything is written. `progress`, when set,
// is called after each block with the births done so far.
std::variant<BatchSummary, InputError> runBatch(std::istream& input, BatchOutput output,
                                                const std::function<bool(std::string_view)>& write,
                                                const std::function<void(std::size_t)>& progress,
                                                const ChartChoice& choice,
                                                const CliSources& sources);

// --batch as main() runs it: reads `inputName` ("-" for standard input) and streams the results
// to standard output or, when `output` is set, into a temporary file beside it that becomes
// `output` only when every line is done (a failure or a refused input leaves no file and the
// old one as it was). Messages go to `errors`, file names escaped; returns the exit status.
int runBatchCommand(const std::string& inputName, const std::string& output, BatchOutput format,
                    const ChartChoice& choice, const CliSources& sources, std::ostream& errors);

}  // namespace zodrivel::cli
