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

// Whole-degree separations after folding lie in -190..190.
constexpr int FoldedLimit = 190;
constexpr int NoKind = -1;

// The kind index of each folded separation, or NoKind: the first window holding it, as
// kindForSeparation says, looked up instead of searched.
constexpr std::array<int, 2 * FoldedLimit + 1> KindBySeparation = [] {
    std::array<int, 2 * FoldedLimit + 1> kinds{};
    for (int separation = -FoldedLimit; separation <= FoldedLimit; ++separation) {
        int kind = NoKind;
        for (int k = AspectKindCount - 1; k >= 0; --k) {
            if (AspectWindows[k].lower <= separation && separation <= AspectWindows[k].upper) {
                kind = k;
            }
        }
        kinds[separation + FoldedLimit] = kind;
    }
    return kinds;
}();

int kindIndexOf(int separation) {
    if (separation < -FoldedLimit || separation > FoldedLimit) return NoKind;
    return KindBySeparation[separation + FoldedLimit];
}

// Between two charts: every pair once, the first set's point first, whichever leads.
std::vector<AspectHit> betweenCharts(std::span<const ChartPoint> a, std::span<const ChartPoint> b) {
    std::vector<AspectHit> hits;
    for (const ChartPoint& first : a) {
        for (const ChartPoint& second : b) {
            const int separation = aspectSeparation(first.longitude, second.longitude);
            const int kind = kindIndexOf(std::abs(separation));
            if (kind == NoKind) continue;
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
    // Within one chart each unordered pair is rounded once: x - y is exactly -(y - x), and
    // rounding half to even and the fold are both odd, so the reverse order's separation is
    // the negative. A chart has a few dozen points at most.
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
        kinds[i * n + i] = NoKind;  // a point makes no aspect with itself
        for (std::size_t j = i + 1; j < n; ++j) {
            const int separation = aspectSeparation(a[i].longitude, b[j].longitude);
            separations[i * n + j] = separation;
            separations[j * n + i] = -separation;
            kinds[i * n + j] = kindIndexOf(separation);
            // The conjunction window is symmetric, so each conjunction would otherwise be
            // listed twice with the same paragraph: it is kept once, the earlier point first.
            const int reverse = kindIndexOf(-separation);
            kinds[j * n + i] = reverse == indexOf(AspectKind::Conjunction) ? NoKind : reverse;
            count += (kinds[i * n + j] != NoKind) + (kinds[j * n + i] != NoKind);
        }
    }
    std::vector<AspectHit> hits;
    hits.reserve(count);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const int kind = kinds[i * n + j];
            if (kind == NoKind) continue;
            hits.push_back(
                {static_cast<AspectKind>(kind), a[i].id, b[j].id, separations[i * n + j]});
        }
    }
    return hits;
}

}  // namespace zodrivel
