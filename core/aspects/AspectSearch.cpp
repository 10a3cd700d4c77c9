// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectSearch.h"

#include <cstdlib>

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

std::string aspectHeading(const AspectHit& hit, const TextTranslator& texts) {
    return fillIn(texts.translate(textContext::AspectKinds, aspectHeadingPattern(hit.kind)),
                  {texts.translate(textContext::Bodies, pointName(hit.first)),
                   texts.translate(textContext::Bodies, pointName(hit.second))});
}

std::vector<AspectHit> aspectsBetween(std::span<const ChartPoint> a, std::span<const ChartPoint> b,
                                      const AspectRules& rules) {
    std::vector<AspectHit> hits;
    const bool within = rules.pairs == AspectPairs::WithinChart;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            if (within && i == j) continue;
            int separation = aspectSeparation(a[i].longitude, b[j].longitude);
            // Between two charts the pair is tested once, so its direction does not matter;
            // the sign is kept in the hit as it fell.
            const auto kind = kindForSeparation(within ? separation : std::abs(separation));
            if (!kind) continue;
            // Within one chart the conjunction window is symmetric, so each conjunction would
            // otherwise be listed twice with the same paragraph.
            if (within && *kind == AspectKind::Conjunction && i > j) continue;
            hits.push_back({*kind, a[i].id, b[j].id, separation});
        }
    }
    return hits;
}

}  // namespace zodrivel
