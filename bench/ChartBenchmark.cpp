// SPDX-License-Identifier: AGPL-3.0-or-later
// Whole charts per second: the Moon, the Sun and planets, and the aspect search; beside them a
// plain port of the documented rules, the yardstick for the whole chart.

#include <benchmark/benchmark.h>
#include <cmath>

#include "StraightforwardPort.h"
#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectPatterns.h"
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
        const zodrivel::Chart c = zodrivel::calculate(exampleRecord(day++), classic);
        benchmark::DoNotOptimize(c.aspects.data());
    }
    state.SetItemsProcessed(state.iterations());
}
// Registered under the names the README and earlier figures quote.
BENCHMARK(wholeChart)->Name("WholeChart");

// The same births through the plain port: positions and the documented aspect search only.
// Its planets stay at the equinox of J2000 (the product carries them to the equinox of date),
// and they ignore the daylight box (the product takes its hour off them too), so the check
// first compares them with the product's, minus the precession, without the box.
void straightforwardPort(benchmark::State& state) {
    const zodrivel::ClassicEphemeris classic;
    for (int day = 0; day < 28; ++day) {
        zodrivel::ProceedRecord r = exampleRecord(day);
        r.birth.isDaylightSaving = false;
        const auto port = zodrivel::straightforward::computeChart(r.birth, r.zone);
        const zodrivel::Chart c = zodrivel::calculate(r, classic);
        const double precession = zodrivel::precessionSinceJ2000(c.instant.daysSinceJ2000);
        for (int slot = 0; slot < zodrivel::ChartPointCount; ++slot) {
            const double shift = slot == zodrivel::MoonSlot ? 0 : precession;
            const double product = c.points[static_cast<std::size_t>(slot)].longitude;
            if (std::fabs(port.positions[slot] + shift - product) > 1e-9) {
                state.SkipWithError("the port's positions differ from the product's");
                return;
            }
        }
    }
    int day = 0;
    for (auto _ : state) {
        const zodrivel::ProceedRecord r = exampleRecord(day++);
        const auto chart = zodrivel::straightforward::computeChart(r.birth, r.zone);
        benchmark::DoNotOptimize(chart.hits.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(straightforwardPort)->Name("StraightforwardPort");

// A chart as the windows and the command line compute it: positions with speeds, Placidus
// houses from the library, aspects and their details; classic and precise.
void wholeChartWithHouses(benchmark::State& state, const zodrivel::Ephemeris& ephemeris) {
    const zodrivel::SwissHouseCalculator houses;
    int day = 0;
    for (auto _ : state) {
        zodrivel::ProceedRecord record = exampleRecord(day++);
        record.birth.latDegrees = 40;
        record.birth.latMinutes = 43;
        const zodrivel::Chart c = zodrivel::calculate(record, ephemeris, &houses);
        benchmark::DoNotOptimize(c.aspects.data());
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

// The stages of WholeChart one by one, on one chart, to see where its time goes: the
// universal time, the positions with their speeds, the aspects with their details, and the
// patterns.
const zodrivel::Chart& stageChart() {
    static const zodrivel::Chart chart =
        zodrivel::calculate(exampleRecord(3), zodrivel::ClassicEphemeris{});
    return chart;
}

void stageInstant(benchmark::State& state) {
    const zodrivel::ProceedRecord r = exampleRecord(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zodrivel::birthInstant(r.birth, r.zone, zodrivel::ClockSeconds::Ignored));
    }
}
BENCHMARK(stageInstant)->Name("WholeChartStage/Instant");

void stagePositions(benchmark::State& state) {
    const zodrivel::ClassicEphemeris classic;
    for (auto _ : state) benchmark::DoNotOptimize(classic.positions(stageChart().instant));
}
BENCHMARK(stagePositions)->Name("WholeChartStage/PositionsWithSpeeds");

void stageAspects(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zodrivel::aspectsWithDetails(stageChart().bodies()));
    }
}
BENCHMARK(stageAspects)->Name("WholeChartStage/AspectsWithDetails");

void stagePatterns(benchmark::State& state) {
    const zodrivel::Chart& c = stageChart();
    std::vector<zodrivel::AspectHit> hits;
    for (const zodrivel::Aspect& aspect : c.aspects) hits.push_back(aspect.hit);
    const std::vector<zodrivel::BodyAspect> aspects = zodrivel::bodyAspectsOf(hits);
    std::array<double, zodrivel::ChartPointCount> longitudes{};
    for (int slot = 0; slot < zodrivel::BodyCount; ++slot) {
        longitudes[slot] = c.points[static_cast<std::size_t>(slot)].longitude;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(zodrivel::findAspectPatterns(aspects, longitudes));
    }
}
BENCHMARK(stagePatterns)->Name("WholeChartStage/Patterns");

}  // namespace
