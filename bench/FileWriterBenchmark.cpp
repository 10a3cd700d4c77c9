// SPDX-License-Identifier: AGPL-3.0-or-later
// Saving a report: one 6 KB file replaced over and over through the writer the programs use.
// Most of the time is the fsync that puts the bytes on the disk before the rename, so the
// figure depends on the disk far more than on the code.

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

#include "adapters/io/SafeFileWriter.h"

namespace {

void saveReport(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path file = fs::temp_directory_path() / "zodrivel-bench-report.rtf";
    const std::string report(6 * 1024, 'x');
    zodrivel::SafeFileWriter writer;
    for (auto _ : state) {
        if (!writer.write(file, report)) state.SkipWithError("the report could not be written");
    }
    fs::remove(file);
}
BENCHMARK(saveReport)->Iterations(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
