// SPDX-License-Identifier: AGPL-3.0-or-later
// The batch reader on any input, with both kinds of result. Whatever the lines hold, each
// input line with text gives exactly one result line (after the CSV header), each a single
// JSON object or a single CSV record of the result columns: no line an error splits in two,
// none lost, none added.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/CliBatch.h"
#include "cli/CliOutput.h"
#include "core/model/ChartPoints.h"
#include "core/model/Text.h"

namespace {

using namespace zodrivel;

void require(bool condition) {
    if (!condition) std::abort();
}

// The fields of one CSV record on one line; aborts on a quote left open.
std::size_t csvFields(std::string_view line) {
    std::size_t fields = 1;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;  // a doubled quote flips twice
        } else if (c == ',' && !quoted) {
            ++fields;
        }
        require(c != '\r');
    }
    require(!quoted);
    return fields;
}

// The input lines the batch computes: those with text, less the CSV header.
std::size_t birthLines(std::string_view input) {
    std::size_t count = 0;
    bool first = true;
    bool csv = false;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (first && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (trim(line).empty()) {
            first = false;
            continue;
        }
        if (count == 0 && !csv) {
            csv = !trim(line).starts_with("{");
            if (csv) {
                first = false;
                continue;
            }
        }
        first = false;
        ++count;
    }
    return count;
}

void check(std::string_view input, cli::BatchOutput output) {
    std::istringstream stream{std::string(input)};
    std::string results;
    static const cli::CliSources sources;
    const auto outcome = cli::runBatch(
        stream, output,
        [&results](std::string_view text) {
        results += text;
        return true;
        },
        {}, ChartChoice{}, sources);
    if (std::holds_alternative<cli::InputError>(outcome)) {
        require(results.empty());
        return;
    }
    const auto& summary = std::get<cli::BatchSummary>(outcome);
    std::istringstream lines(results);
    std::string line;
    std::size_t count = 0;
    if (output == cli::BatchOutput::Csv) {
        require(std::getline(lines, line) && line == cli::csvHeader());
    }
    const std::size_t columns = ChartPointCount + 4;  // name, date, the bodies, aspects, error
    while (std::getline(lines, line)) {
        ++count;
        if (output == cli::BatchOutput::Csv) {
            require(csvFields(line) == columns);
        } else {
            const auto json = nlohmann::json::parse(line, nullptr, false);
            require(!json.is_discarded() && json.is_object());
        }
    }
    require(count == summary.births);
    require(summary.failed <= summary.births);
    require(count == birthLines(input));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check(input, cli::BatchOutput::JsonLines);
    check(input, cli::BatchOutput::Csv);
    return 0;
}
