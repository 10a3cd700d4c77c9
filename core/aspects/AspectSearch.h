// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The pair search: which ordered pairs of the ten chart points stand in which aspect.

#include <array>
#include <string>
#include <vector>

#include "core/aspects/AspectKind.h"
#include "core/model/ChartPoints.h"
#include "core/model/TextTranslator.h"

namespace zodrivel {

struct AspectHit {
    AspectKind kind;
    int first;  // chart slot named first in the report
    int second;
    int separation;  // whole degrees that matched the window, after folding across 0 Aries
    friend bool operator==(const AspectHit&, const AspectHit&) = default;
};

struct AspectSearchResult {
    std::vector<AspectHit> hits;                      // in search order
    std::array<bool, AspectKindCount> aspectFound{};  // per kind: at least one hit
};

// Whole-degree separation of first minus second: rounded half to even, then folded so that
// arcs across 0 Aries compare by their short side (355 and 5 are 10 apart, not 350).
int aspectSeparation(double firstLongitude, double secondLongitude);

// Tests the 90 ordered pairs of slots 0..9, first slot ascending, then second. Aspects other
// than the conjunction are found only in the order whose separation is positive, so the point
// further along the zodiac is named first; a conjunction is recorded once, smaller slot first.
AspectSearchResult computeAspects(const ChartPoints& chart);

// The heading of a hit, "Sun-Moon  In Square Aspect": the one place it is built, for the
// report, the wheel's tooltips and the table output alike. A translator gets the kind's
// pattern (aspectHeadingPattern) and the two names.
std::string aspectHeading(const AspectHit& hit, const ChartPoints& chart,
                          const TextTranslator& texts = englishTexts());

}  // namespace zodrivel
