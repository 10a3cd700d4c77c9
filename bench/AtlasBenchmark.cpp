// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas as the City box's completer uses it: one search per keystroke over every place,
// and the one-off cost of reading the places in.

#include <benchmark/benchmark.h>

#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/timezone/TzdbZoneHistory.h"

namespace {

void atlasSearch(benchmark::State& state) {
    const zodrivel::GeonamesAtlas atlas;
    atlas.load();
    const char* const queries[] = {"Kolk", "Sao Paulo", "Springfield, Illinois", "Paris, FR",
                                   "new"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.search(queries[i++ % std::size(queries)], 12));
    }
}
BENCHMARK(atlasSearch)->Unit(benchmark::kMicrosecond);

void atlasNearMatches(benchmark::State& state) {
    const zodrivel::GeonamesAtlas atlas;
    atlas.load();
    for (auto _ : state) benchmark::DoNotOptimize(atlas.nearMatches("Londno", 5));
}
BENCHMARK(atlasNearMatches)->Unit(benchmark::kMillisecond);

void atlasLoad(benchmark::State& state) {
    for (auto _ : state) {
        const zodrivel::GeonamesAtlas atlas;
        atlas.load();
    }
}
BENCHMARK(atlasLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

void zoneReading(benchmark::State& state) {
    const zodrivel::TzdbZoneHistory history;
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.atLocalTime("Europe/London", {1941, 6, 1, 12, 0}));
    }
}
BENCHMARK(zoneReading)->Unit(benchmark::kMicrosecond);

}  // namespace
