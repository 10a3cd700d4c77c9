// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectSearch.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "core/model/Angles.h"

namespace zodrivel {

std::string aspectHeading(const AspectHit& hit, const TextTranslator& texts) {
    return fillIn(texts.translate(textContext::AspectKinds, aspectHeadingPattern(hit.kind)),
                  {texts.translate(textContext::Bodies, pointName(hit.first)),
                   texts.translate(textContext::Bodies, pointName(hit.second))});
}

namespace {

// Between two charts: every pair once, the first set's point first, whichever leads.
std::vector<AspectHit> betweenCharts(std::span<const ChartPoint> a, std::span<const ChartPoint> b) {
    std::vector<AspectHit> hits;
    for (const ChartPoint& first : a) {
        for (const ChartPoint& second : b) {
            const int separation = aspectSeparation(first.longitude, second.longitude);
            const int kind = aspectKindIndexOf(std::abs(separation));
            if (kind == NoAspectKind) continue;
            hits.push_back({static_cast<AspectKind>(kind), first.id, second.id, separation});
        }
    }
    return hits;
}

}  // namespace

std::vector<AspectHit> aspectsBetween(std::span<const ChartPoint> a, std::span<const ChartPoint> b,
                                      const AspectRules& rules) {
    if (rules.pairs == AspectPairs::BetweenCharts || a.size() != b.size()) {
        return betweenCharts(a, b);
    }
    std::vector<AspectHit> hits;
    searchWithinChart(
        a, b, [&hits](std::size_t count) { hits.reserve(count); },
        [&hits](const AspectHit& hit, const ChartPoint&, const ChartPoint&) {
        hits.push_back(hit);
        });
    return hits;
}

}  // namespace zodrivel
