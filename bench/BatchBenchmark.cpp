// SPDX-License-Identifier: AGPL-3.0-or-later
// --batch on 100,000 births: births per second from CSV to JSON Lines and to CSV, over every
// core, beside WholeChart (one chart on one core, no formatting).

#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <sstream>
#include <thread>

#include "cli/CliBatch.h"

namespace {

constexpr int BatchBirths = 100000;

// Births spread over every entry's range, as a CSV batch with its header.
const std::string& batchInput() {
    static const std::string input = [] {
        std::mt19937 random(2026);
        const auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        std::string csv = "name,date,time,lon,lat,zone,dst\n";
        char line[128];
        for (int i = 0; i < BatchBirths; ++i) {
            std::snprintf(line, sizeof line,
                          "PERSON,%04d-%02d-%02d,%02d:%02d,%d%c%02d,%d%c%02d,%d,%d\n",
                          pick(1901, 2050), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59),
                          pick(0, 179), pick(0, 1) ? 'E' : 'W', pick(0, 59), pick(0, 89),
                          pick(0, 1) ? 'N' : 'S', pick(0, 59), pick(0, 70), pick(0, 1));
            csv += line;
        }
        return csv;
    }();
    return input;
}

void batch(benchmark::State& state, zodrivel::cli::BatchOutput output) {
    const std::string& input = batchInput();
    // The command line's own adapters, made once as its main() makes them; the default choice
    // (the classic model, Placidus houses), as a batch without --ephemeris or --houses runs.
    const zodrivel::cli::CliSources sources;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::istringstream in(input);
        const auto summary = zodrivel::cli::runBatch(
            in, output,
            [&](std::string_view text) {
            bytes += text.size();
            return true;
            },
            {}, zodrivel::ChartChoice{}, sources);
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * BatchBirths);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.counters["cores"] = std::thread::hardware_concurrency();
}

BENCHMARK_CAPTURE(batch, JsonLines, zodrivel::cli::BatchOutput::JsonLines)
    ->Name("BatchJsonLines100k")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);
BENCHMARK_CAPTURE(batch, Csv, zodrivel::cli::BatchOutput::Csv)
    ->Name("BatchCsv100k")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);

}  // namespace
