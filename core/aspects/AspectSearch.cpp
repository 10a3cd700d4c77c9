// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectSearch.h"

#include "core/model/Angles.h"

namespace zodrivel {

int aspectSeparation(double firstLongitude, double secondLongitude) {
    int separation = roundHalfEven(firstLongitude - secondLongitude);
    // Past 190 either way the short arc runs through 0 Aries. The raw opposition window
    // (170..190) is untouched, so every raw hit survives with its orientation.
    if (separation > 190) separation -= 360;
    if (separation < -190) separation += 360;
    return separation;
}

std::string aspectHeading(const AspectHit& hit, const ChartPoints& chart,
                          const TextTranslator& texts) {
    return fillIn(texts.translate(textContext::AspectKinds, aspectHeadingPattern(hit.kind)),
                  {texts.translate(textContext::Bodies, chart.names[hit.first]),
                   texts.translate(textContext::Bodies, chart.names[hit.second])});
}

AspectSearchResult computeAspects(const ChartPoints& chart) {
    AspectSearchResult result;
    for (int i = 0; i < ChartPointCount; ++i) {
        for (int j = 0; j < ChartPointCount; ++j) {
            if (i == j) continue;
            const int separation = aspectSeparation(chart.longitudes[i], chart.longitudes[j]);
            const auto kind = kindForSeparation(separation);
            if (!kind) continue;
            // The conjunction window is symmetric, so each conjunction would otherwise be
            // listed twice with the same paragraph.
            if (*kind == AspectKind::Conjunction && i > j) continue;
            const AspectHit hit{*kind, i, j, separation};
            result.hits.push_back(hit);
            result.aspectFound[indexOf(*kind)] = true;
        }
    }
    return result;
}

}  // namespace zodrivel
