#include "core/aspects/AspectSearch.h"

#include "core/model/Angles.h"

namespace zodrivel {

int AspectSeparation(double firstLongitude, double secondLongitude) {
    int separation = RoundHalfEven(firstLongitude - secondLongitude);
    // Past 190 either way the short arc runs through 0 Aries. The raw opposition window
    // (170..190) is untouched, so every raw hit survives with its orientation.
    if (separation > 190) separation -= 360;
    if (separation < -190) separation += 360;
    return separation;
}

AspectSearchResult ComputeAspects(const ChartPoints& chart,
                                  const AppendAspectEntryFn& appendAspectEntry) {
    AspectSearchResult result;
    for (int i = 0; i < ChartPointCount; ++i) {
        for (int j = 0; j < ChartPointCount; ++j) {
            if (i == j) continue;
            const int separation =
                AspectSeparation(chart.ChartPositions[i], chart.ChartPositions[j]);
            const auto kind = KindForSeparation(separation);
            if (!kind) continue;
            // The conjunction window is symmetric, so each conjunction would otherwise be
            // listed twice with the same paragraph.
            if (*kind == AspectKind::Conjunction && i > j) continue;
            const AspectHit hit{*kind, i, j, separation};
            if (appendAspectEntry) appendAspectEntry(hit, chart);
            result.hits.push_back(hit);
            result.AspectFound[Index(*kind)] = true;
        }
    }
    return result;
}

}  // namespace zodrivel
