// SPDX-License-Identifier: AGPL-3.0-or-later
// The report of one chart: built as a document, as rich text, and drawn as a PDF by cairo (the
// command line's --format rtf and --format pdf, without the process around them).

#include <benchmark/benchmark.h>

#include "adapters/pdf/CairoPdf.h"
#include "core/calculation/Calculation.h"
#include "core/description/ChartDescription.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/report/ReportDocument.h"
#include "core/report/RtfWriter.h"

namespace {

zodrivel::Chart exampleChart() {
    zodrivel::ProceedRecord r;
    r.birth.birthName = "EXAMPLE";
    r.birth.birthYear = 1976;
    r.birth.birthMonth = 7;
    r.birth.birthDay = 4;
    r.birth.birthHour = 10;
    r.birth.birthMinute = 30;
    r.birth.lonDegrees = 74;
    r.birth.isDaylightSaving = true;
    r.zone = {5, 0};
    return zodrivel::calculate(r, zodrivel::ClassicEphemeris{});
}

void reportAsRtf(benchmark::State& state) {
    const zodrivel::Chart chart = exampleChart();
    for (auto _ : state) {
        const std::string rtf = zodrivel::toRtf(
            zodrivel::buildReport(zodrivel::describeChart(chart)), zodrivel::ReportTabStopsPt);
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(reportAsRtf)->Name("ReportAsRtf");

void reportAsPdf(benchmark::State& state) {
    const zodrivel::Chart chart = exampleChart();
    for (auto _ : state) {
        const std::string pdf =
            zodrivel::cairoPdf(zodrivel::buildReport(zodrivel::describeChart(chart)), "EXAMPLE");
        benchmark::DoNotOptimize(pdf.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(reportAsPdf)->Name("ReportAsPdf")->Unit(benchmark::kMillisecond);

}  // namespace
