// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The pair search: which pairs of chart points stand in which aspect, within one chart (the
// documented search over the ten bodies) or between two sets of points (a birth and the sky of
// another date, or two people's charts).

#include <array>
#include <cstddef>
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

// Whole-degree separations after folding lie in -190..190.
inline constexpr int FoldedSeparationLimit = 190;
inline constexpr int NoAspectKind = -1;

// The kind index of each folded separation, or NoAspectKind: the first window holding it, as
// kindForSeparation says, looked up instead of searched.
inline constexpr std::array<int, 2 * FoldedSeparationLimit + 1> AspectKindBySeparation = [] {
    std::array<int, 2 * FoldedSeparationLimit + 1> kinds{};
    for (int separation = -FoldedSeparationLimit; separation <= FoldedSeparationLimit;
         ++separation) {
        int kind = NoAspectKind;
        for (int k = AspectKindCount - 1; k >= 0; --k) {
            if (AspectWindows[k].lower <= separation && separation <= AspectWindows[k].upper) {
                kind = k;
            }
        }
        kinds[separation + FoldedSeparationLimit] = kind;
    }
    return kinds;
}();

inline int aspectKindIndexOf(int separation) {
    if (separation < -FoldedSeparationLimit || separation > FoldedSeparationLimit) {
        return NoAspectKind;
    }
    return AspectKindBySeparation[separation + FoldedSeparationLimit];
}

// The documented search within one chart (AspectPairs::WithinChart; `a` and `b` the same
// points): `reserve` is told how many aspects there are, then `add` gets each in search order
// with its two points. aspectsBetween lists the hits through it; a caller that builds more
// from each (its details) does so here without a list of hits in between.
template <typename Reserve, typename Add>
void searchWithinChart(std::span<const ChartPoint> a, std::span<const ChartPoint> b,
                       Reserve reserve, Add add) {
    // Each unordered pair is rounded once: x - y is exactly -(y - x), and rounding half to
    // even and the fold are both odd, so the reverse order's separation is the negative. A
    // chart has a few dozen points at most.
    const std::size_t n = a.size();
    // The pair tables live on the stack for any chart of up to StackPoints points (a chart's
    // every aspect search): two allocations a chart fewer.
    constexpr std::size_t StackPoints = 24;
    std::array<int, StackPoints * StackPoints> separationsOnStack, kindsOnStack;
    std::vector<int> separationsOnHeap, kindsOnHeap;
    int* separations = separationsOnStack.data();
    int* kinds = kindsOnStack.data();
    if (n > StackPoints) {
        separationsOnHeap.resize(n * n);
        kindsOnHeap.resize(n * n);
        separations = separationsOnHeap.data();
        kinds = kindsOnHeap.data();
    }
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        kinds[i * n + i] = NoAspectKind;  // a point makes no aspect with itself
        for (std::size_t j = i + 1; j < n; ++j) {
            const int separation = aspectSeparation(a[i].longitude, b[j].longitude);
            separations[i * n + j] = separation;
            separations[j * n + i] = -separation;
            kinds[i * n + j] = aspectKindIndexOf(separation);
            // The conjunction window is symmetric, so each conjunction would otherwise be
            // listed twice with the same paragraph: it is kept once, the earlier point first.
            const int reverse = aspectKindIndexOf(-separation);
            kinds[j * n + i] = reverse == indexOf(AspectKind::Conjunction) ? NoAspectKind : reverse;
            count += (kinds[i * n + j] != NoAspectKind) + (kinds[j * n + i] != NoAspectKind);
        }
    }
    reserve(count);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const int kind = kinds[i * n + j];
            if (kind == NoAspectKind) continue;
            add(AspectHit{static_cast<AspectKind>(kind), a[i].id, b[j].id, separations[i * n + j]},
                a[i], b[j]);
        }
    }
}

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
