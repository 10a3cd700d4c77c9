// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectSearch.h"

#include <cmath>

#include "core/model/Angles.h"

namespace zodrivel {

namespace {

// roundHalfEven for the differences of two longitudes, in a few instructions instead of a
// library call: adding and taking away 1.5 * 2^52 leaves no bits below the units, and the
// addition rounds to nearest with ties to even, the mode the program never leaves. Exact for
// |x| < 2^51; anything else (a NaN included) takes the general route. (Only a build with
// -ffast-math could cancel the two steps; the program is not built so, and the search is
// tested against roundHalfEven itself.)
int roundDifference(double x) {
    constexpr double Shift = 6755399441055744.0;  // 1.5 * 2^52
    if (!(std::fabs(x) < 0x1p51)) return roundHalfEven(x);
    const double shifted = x + Shift;
    return static_cast<int>(shifted - Shift);
}

}  // namespace

int aspectSeparation(double firstLongitude, double secondLongitude) {
    int separation = roundDifference(firstLongitude - secondLongitude);
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

}  // namespace

AspectSearchResult computeAspects(const ChartPoints& chart) {
    // Each unordered pair is rounded once: a - b is exactly -(b - a), and rounding half to even
    // and the fold are both odd, so the reverse order's separation is the negative.
    std::array<std::array<int, ChartPointCount>, ChartPointCount> separations{};
    std::array<std::array<int, ChartPointCount>, ChartPointCount> kinds{};
    std::size_t count = 0;
    for (int i = 0; i < ChartPointCount; ++i) {
        kinds[i][i] = NoKind;
        for (int j = i + 1; j < ChartPointCount; ++j) {
            const int separation = aspectSeparation(chart.longitudes[i], chart.longitudes[j]);
            separations[i][j] = separation;
            separations[j][i] = -separation;
            kinds[i][j] = kindIndexOf(separation);
            // The conjunction window is symmetric, so each conjunction would otherwise be
            // listed twice with the same paragraph: it is kept once, smaller slot first.
            const int reverse = kindIndexOf(-separation);
            kinds[j][i] = reverse == indexOf(AspectKind::Conjunction) ? NoKind : reverse;
            count += (kinds[i][j] != NoKind) + (kinds[j][i] != NoKind);
        }
    }
    AspectSearchResult result;
    result.hits.reserve(count);
    for (int i = 0; i < ChartPointCount; ++i) {
        for (int j = 0; j < ChartPointCount; ++j) {
            if (kinds[i][j] == NoKind) continue;
            const auto kind = static_cast<AspectKind>(kinds[i][j]);
            result.hits.push_back({kind, i, j, separations[i][j]});
            result.aspectFound[indexOf(kind)] = true;
        }
    }
    return result;
}

}  // namespace zodrivel
