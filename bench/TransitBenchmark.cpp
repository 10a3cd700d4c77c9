// SPDX-License-Identifier: AGPL-3.0-or-later
// The transit search for one birth chart (the example birth, precise model, with houses, so
// twelve natal points): one year and ten years of Sun ... Pluto, and one year with the Moon.

#include <benchmark/benchmark.h>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/calculation/Calculation.h"
#include "core/transits/TransitSearch.h"

namespace {

zodrivel::Chart exampleChart(const zodrivel::PreciseEphemeris& precise) {
    zodrivel::ProceedRecord r;
    r.birth.birthName = "EXAMPLE";
    r.birth.birthYear = 1976;
    r.birth.birthMonth = 7;
    r.birth.birthDay = 4;
    r.birth.birthHour = 10;
    r.birth.birthMinute = 30;
    r.birth.lonDegrees = 74;
    r.birth.latDegrees = 40;
    r.birth.latMinutes = 43;
    r.birth.isDaylightSaving = true;
    r.zone = {5, 0};
    const zodrivel::SwissHouseCalculator houses;
    return zodrivel::calculate(r, precise, &houses);
}

void searchYears(benchmark::State& state, int years, bool withMoon) {
    const zodrivel::PreciseEphemeris precise;
    const zodrivel::Chart chart = exampleChart(precise);
    zodrivel::TransitRequest request;
    request.fromJulianDay = 2461406.5;  // 2027-01-01 0h UT
    request.toJulianDay = request.fromJulianDay + 365.25 * years;
    for (int slot = 0; slot < zodrivel::BodyCount; ++slot) {
        if (withMoon || slot != 1) request.transiting.push_back(zodrivel::bodyOfSlot(slot));
    }
    std::size_t found = 0;
    for (auto _ : state) {
        const auto transits = zodrivel::findTransits(chart, request, precise);
        found = transits.size();
        benchmark::DoNotOptimize(transits.data());
    }
    state.counters["transits"] = static_cast<double>(found);
}

void transitsOneYear(benchmark::State& state) { searchYears(state, 1, false); }
void transitsTenYears(benchmark::State& state) { searchYears(state, 10, false); }
void transitsOneYearWithMoon(benchmark::State& state) { searchYears(state, 1, true); }

BENCHMARK(transitsOneYear)->Name("TransitsOneYear")->Unit(benchmark::kMillisecond);
BENCHMARK(transitsTenYears)->Name("TransitsTenYears")->Unit(benchmark::kMillisecond);
BENCHMARK(transitsOneYearWithMoon)->Name("TransitsOneYearWithMoon")->Unit(benchmark::kMillisecond);

}  // namespace
