// SPDX-License-Identifier: AGPL-3.0-or-later
// Whole charts per second: the Moon, the Sun and planets, and the aspect search.

#include <benchmark/benchmark.h>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ChartPositions.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MoonLongitude.h"

namespace {

zodrivel::ProceedRecord exampleRecord(int dayOffset) {
    zodrivel::ProceedRecord r;
    r.birth.birthName = "EXAMPLE";
    r.birth.birthYear = 1976;
    r.birth.birthMonth = 7;
    r.birth.birthDay = static_cast<std::int16_t>(1 + dayOffset % 28);
    r.birth.birthHour = 10;
    r.birth.birthMinute = 30;
    r.birth.lonDegrees = 74;
    r.birth.isDaylightSaving = true;
    r.zone = {5, 0};
    return r;
}

void wholeChart(benchmark::State& state) {
    const zodrivel::ClassicEphemeris classic;
    int day = 0;
    for (auto _ : state) {
        const zodrivel::Calculation c = zodrivel::calculate(exampleRecord(day++), classic);
        benchmark::DoNotOptimize(c.aspects.hits.data());
    }
    state.SetItemsProcessed(state.iterations());
}
// Registered under the names the README and earlier figures quote.
BENCHMARK(wholeChart)->Name("WholeChart");

// A chart as the windows and the command line compute it: positions with speeds, Placidus
// houses from the library, aspects and their details; classic and precise.
void wholeChartWithHouses(benchmark::State& state, const zodrivel::Ephemeris& ephemeris) {
    const zodrivel::SwissHouseCalculator houses;
    int day = 0;
    for (auto _ : state) {
        zodrivel::ProceedRecord record = exampleRecord(day++);
        record.birth.latDegrees = 40;
        record.birth.latMinutes = 43;
        const zodrivel::Calculation c = zodrivel::calculate(record, ephemeris, &houses);
        benchmark::DoNotOptimize(c.aspectDetails.data());
    }
    state.SetItemsProcessed(state.iterations());
}
void classicWithHouses(benchmark::State& state) {
    wholeChartWithHouses(state, zodrivel::ClassicEphemeris{});
}
void preciseWithHouses(benchmark::State& state) {
    wholeChartWithHouses(state, zodrivel::PreciseEphemeris{});
}
// The same without the files (a folder that has none): the library's analytical mode, as the
// precise model ran before it read the files.
void preciseAnalyticalWithHouses(benchmark::State& state) {
    wholeChartWithHouses(state, zodrivel::PreciseEphemeris{"/nonexistent/zodrivel-ephemeris"});
}
BENCHMARK(classicWithHouses)->Name("WholeChartClassicWithHouses");
BENCHMARK(preciseWithHouses)->Name("WholeChartPreciseWithHouses");
BENCHMARK(preciseAnalyticalWithHouses)->Name("WholeChartPreciseAnalyticalWithHouses");

// The chart positions alone, to see where a chart's time goes.
void chartPositionsOnly(benchmark::State& state) {
    double d = -8580.9;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zodrivel::computeChartPositions(d, 100.0));
        d += 1.0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(chartPositionsOnly)->Name("ChartPositionsOnly");

void moonOnly(benchmark::State& state) {
    double T = -0.23;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zodrivel::computeMoonLongitude(T));
        T += 1e-5;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(moonOnly)->Name("MoonOnly");

}  // namespace
