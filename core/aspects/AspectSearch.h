// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The pair search: which pairs of chart points stand in which aspect, within one chart (the
// documented search over the ten bodies) or between two sets of points (a birth and the sky of
// another date, or two people's charts).

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/aspects/AspectKind.h"
#include "core/model/Angles.h"
#include "core/model/ChartPoint.h"
#include "core/model/TextTranslator.h"

namespace zodrivel {

struct AspectHit {
    AspectKind kind;
    PointId first;  // named first in the report
    PointId second;
    int separation;  // whole degrees that matched the window, after folding across 0 Aries
    friend bool operator==(const AspectHit&, const AspectHit&) = default;
};

// Whole-degree separation of first minus second: rounded half to even, then folded so that
// arcs across 0 Aries compare by their short side (355 and 5 are 10 apart, not 350). Inline:
// the search takes it for every pair of every chart.
inline int aspectSeparation(double firstLongitude, double secondLongitude) {
    int separation = roundLongitudeDifference(firstLongitude - secondLongitude);
    // Past 190 either way the short arc runs through 0 Aries. The raw opposition window
    // (170..190) is untouched, so every raw hit survives with its orientation.
    if (separation > 190) separation -= 360;
    if (separation < -190) separation += 360;
    return separation;
}

enum class AspectPairs {
    // Both sets are the same chart's points. Every ordered pair of two different points is
    // tested, the first set's order outer; an aspect other than the conjunction is found only
    // in the order whose separation is positive, so the point further along the zodiac is named
    // first, and a conjunction is recorded once, the earlier point first. This is the
    // documented search; its order is the report's.
    WithinChart,
    // The sets belong to two charts: each point of the first with each of the second, once,
    // the first set's point named first, whatever its direction; a point may meet its own
    // counterpart (Saturn passing natal Saturn).
    BetweenCharts,
};

struct AspectRules {
    AspectPairs pairs = AspectPairs::WithinChart;
};

// The aspects between the points of `a` and those of `b` under `rules`, in search order.
std::vector<AspectHit> aspectsBetween(std::span<const ChartPoint> a, std::span<const ChartPoint> b,
                                      const AspectRules& rules = {});

// Per kind: whether `hits` hold at least one of it (the tabs' no-aspect notices read this).
template <typename Hits, typename KindOf>
std::array<bool, AspectKindCount> kindsFound(const Hits& hits, KindOf kindOf) {
    std::array<bool, AspectKindCount> found{};
    for (const auto& hit : hits) found[static_cast<std::size_t>(indexOf(kindOf(hit)))] = true;
    return found;
}

// The heading of a hit, "Sun-Moon  In Square Aspect": the one place it is built, for the
// report, the wheel's tooltips and the table output alike. A translator gets the kind's
// pattern (aspectHeadingPattern) and the two names.
std::string aspectHeading(const AspectHit& hit, const TextTranslator& texts = englishTexts());

}  // namespace zodrivel
