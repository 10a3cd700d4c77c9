// Whole charts per second: the Moon, the Sun and planets, and the aspect search.

#include <benchmark/benchmark.h>

#include "core/calculation/Calculation.h"
#include "core/ephemeris/MoonLongitude.h"

namespace {

zodrivel::ProceedRecord ExampleRecord(int dayOffset) {
    zodrivel::ProceedRecord r;
    r.birth.BirthName = "EXAMPLE";
    r.birth.BirthYear = 1976;
    r.birth.BirthMonth = 7;
    r.birth.BirthDay = static_cast<std::int16_t>(1 + dayOffset % 28);
    r.birth.BirthHour = 10;
    r.birth.BirthMinute = 30;
    r.birth.LonDegrees = 74;
    r.birth.IsDaylightSaving = true;
    r.zone = {5, 0};
    return r;
}

void WholeChart(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        const zodrivel::Calculation c = zodrivel::Calculate(ExampleRecord(day++));
        benchmark::DoNotOptimize(c.aspects.hits.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WholeChart);

// The chart positions alone, to see where a chart's time goes.
void ChartPositionsOnly(benchmark::State& state) {
    double d = -8580.9;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zodrivel::ComputeChartPositions(d, 100.0));
        d += 1.0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ChartPositionsOnly);

void MoonOnly(benchmark::State& state) {
    double T = -0.23;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zodrivel::ComputeMoonLongitude(T));
        T += 1e-5;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MoonOnly);

}  // namespace
