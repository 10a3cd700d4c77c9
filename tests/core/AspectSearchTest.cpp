// SPDX-License-Identifier: AGPL-3.0-or-later
// The pair search: windows, rounding, orientation, the fold across 0 Aries, and the order in
// which hits reach the report.

#include <gtest/gtest.h>

#include <random>

#include "core/aspects/AspectSearch.h"
#include "core/model/Angles.h"

namespace zodrivel {
namespace {

// The Sun and the Moon where a case puts them; the other bodies are left at 0 and the cases
// look only at the hits between the two.
ChartPoints twoBodies(double sun, double moon) {
    ChartPoints chart;
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        chart.names[slot] = ChartPointNameTexts[slot];
        chart.longitudes[slot] = 0;
    }
    chart.longitudes[SunSlot] = sun;
    chart.longitudes[MoonSlot] = moon;
    return chart;
}

std::vector<AspectHit> hitsBetweenSunAndMoon(const AspectSearchResult& r) {
    std::vector<AspectHit> out;
    for (const AspectHit& h : r.hits) {
        if ((h.first == SunSlot && h.second == MoonSlot) ||
            (h.first == MoonSlot && h.second == SunSlot)) {
            out.push_back(h);
        }
    }
    return out;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    // clang-format off
    const std::pair<double, int> cases[] = {{10.5, 10},  {11.5, 12},   {-10.5, -10}, {32.5, 32},
                                            {27.5, 28},  {146.5, 146}, {169.5, 170}, {190.5, 190},
                                            {10.49, 10}, {-11.5, -12}, {0.5, 0},     {-0.5, 0},
                                            {1.5, 2},    {-2.7, -3}};
    // clang-format on
    for (const auto& [x, expected] : cases) EXPECT_EQ(roundHalfEven(x), expected) << x;
}

TEST(AspectWindows, EveryEdgeIsInsideAndOneBeyondIsOutside) {
    for (const AspectKind kind : AllAspectKinds) {
        const AspectWindow& w = windowOf(kind);
        EXPECT_EQ(kindForSeparation(w.lower), kind);
        EXPECT_EQ(kindForSeparation(w.upper), kind);
        EXPECT_EQ(kindForSeparation(w.centre), kind);
        EXPECT_NE(kindForSeparation(w.lower - 1), kind);
        EXPECT_NE(kindForSeparation(w.upper + 1), kind);
    }
    for (const int none : {11, 20, 45, 100, 160, 191, 200, 300, -11, -60, -180}) {
        EXPECT_FALSE(kindForSeparation(none)) << none;
    }
}

// The fold keeps every aspect of the raw difference, with its orientation, and only adds the
// short arcs across 0 Aries.
TEST(AspectSeparation, FoldKeepsEveryRawHitAndItsOrientation) {
    for (int raw = -360; raw <= 360; ++raw) {
        const int folded = aspectSeparation(raw, 0);
        EXPECT_GE(folded, -190) << raw;
        EXPECT_LE(folded, 190) << raw;
        EXPECT_EQ(((folded - raw) % 360 + 360) % 360, 0) << raw;
        if (kindForSeparation(raw)) {
            EXPECT_EQ(folded, raw) << raw;
        }
    }
    EXPECT_EQ(aspectSeparation(355, 5), 350 - 360);
    EXPECT_EQ(aspectSeparation(5, 355), 10);
    EXPECT_EQ(aspectSeparation(20, 350), 30);
    EXPECT_EQ(aspectSeparation(350, 20), -30);
}

struct PairCase {
    const char* what;
    double sun, moon;
    std::vector<AspectHit> expected;  // hits between Sun and Moon only
};

TEST(ComputeAspects, OrientationRoundingAndWindowEdges) {
    using K = AspectKind;
    const PairCase cases[] = {
        // A conjunction is listed once, the smaller slot first, whichever body leads.
        {"5.4 apart", 105.4, 100, {{K::Conjunction, 0, 1, 5}}},
        {"5.4 apart, Moon ahead", 100, 105.4, {{K::Conjunction, 0, 1, -5}}},
        {"10.5 rounds to 10", 110.5, 100, {{K::Conjunction, 0, 1, 10}}},
        {"11.5 rounds to 12", 111.5, 100, {}},
        {"Sun 60 ahead", 100, 40, {{K::Sextile, 0, 1, 60}}},
        {"Moon 60 ahead: Moon named first", 40, 100, {{K::Sextile, 1, 0, 60}}},
        {"146.5 is no quincunx", 246.5, 100, {}},
        {"147.5 is one", 247.5, 100, {{K::Quincunx, 0, 1, 148}}},
        {"190.5 rounds to 190", 290.5, 100, {{K::Opposition, 0, 1, 190}}},
        {"191.5 is none", 291.5, 100, {}},
        {"exact opposition", 300, 120, {{K::Opposition, 0, 1, 180}}},
        // Across 0 Aries: the short arc counts, the point further along named first.
        {"355 and 5", 355, 5, {{K::Conjunction, 0, 1, -10}}},
        {"350 and 20", 350, 20, {{K::SemiSextile, 1, 0, 30}}},
        {"20 and 350", 20, 350, {{K::SemiSextile, 0, 1, 30}}},
        {"330 and 30", 330, 30, {{K::Sextile, 1, 0, 60}}},
        {"10 and 280", 10, 280, {{K::Square, 0, 1, 90}}},
        {"359.9 and 0.2", 359.9, 0.2, {{K::Conjunction, 0, 1, 0}}},
    };
    for (const PairCase& c : cases) {
        EXPECT_EQ(hitsBetweenSunAndMoon(computeAspects(twoBodies(c.sun, c.moon))), c.expected)
            << c.what;
    }
}

TEST(ComputeAspects, FlagsTheKindsFoundAndListsHitsInSearchOrder) {
    // Sun 0, Moon 90, Mercury 120 and the seven others heaped at 205: the heap is conjunct
    // within itself, trine the Moon (115) and square Mercury (85); the Sun is 155 from it,
    // just outside the quincunx.
    ChartPoints chart = twoBodies(0, 90);
    chart.longitudes[MercurySlot] = 120;
    for (int slot = VenusSlot; slot < ChartPointCount; ++slot) chart.longitudes[slot] = 205;

    const AspectSearchResult r = computeAspects(chart);
    for (std::size_t k = 1; k < r.hits.size(); ++k) {
        EXPECT_LT(std::pair(r.hits[k - 1].first, r.hits[k - 1].second),
                  std::pair(r.hits[k].first, r.hits[k].second))
            << "hits come first slot ascending, then second";
    }

    std::array<int, AspectKindCount> perKind{};
    for (const AspectHit& h : r.hits) ++perKind[indexOf(h.kind)];
    EXPECT_EQ(perKind, (std::array<int, AspectKindCount>{21, 1, 0, 8, 8, 0, 0}));
    EXPECT_EQ(r.aspectFound,
              (std::array<bool, AspectKindCount>{true, true, false, true, true, false, false}));
    EXPECT_EQ(r.hits.front(), (AspectHit{AspectKind::Square, MoonSlot, SunSlot, 90}));
    EXPECT_EQ(r.hits[1], (AspectHit{AspectKind::Trine, MercurySlot, SunSlot, 120}));
    EXPECT_EQ(r.hits[2], (AspectHit{AspectKind::SemiSextile, MercurySlot, MoonSlot, 30}));
}

TEST(ComputeAspects, EveryOrderedPairAsTheRulesSay) {
    // The search rounds each unordered pair once, by its own route, and reads the windows from
    // a table; the rules round all 90 ordered pairs half to even, fold them across 0 Aries and
    // test them against the windows in order. Random charts, half of them
    // with longitudes on whole and half degrees so that ties, window edges and exact
    // conjunctions come up, must give the same hits in the same order.
    std::mt19937 random(4);
    std::uniform_real_distribution<double> anywhere(0, 360);
    std::uniform_int_distribution<int> halfDegrees(0, 720);
    for (int n = 0; n < 2000; ++n) {
        ChartPoints chart;
        for (int slot = 0; slot < ChartPointCount; ++slot) {
            chart.longitudes[slot] = n % 2 ? anywhere(random) : halfDegrees(random) / 2.0;
        }
        AspectSearchResult expected;
        for (int i = 0; i < ChartPointCount; ++i) {
            for (int j = 0; j < ChartPointCount; ++j) {
                if (i == j) continue;
                int separation = roundHalfEven(chart.longitudes[i] - chart.longitudes[j]);
                if (separation > 190) separation -= 360;
                if (separation < -190) separation += 360;
                const auto kind = kindForSeparation(separation);
                if (!kind || (*kind == AspectKind::Conjunction && i > j)) continue;
                expected.hits.push_back({*kind, i, j, separation});
                expected.aspectFound[indexOf(*kind)] = true;
            }
        }
        const AspectSearchResult found = computeAspects(chart);
        ASSERT_EQ(found.hits, expected.hits) << n;
        ASSERT_EQ(found.aspectFound, expected.aspectFound) << n;
    }
}

}  // namespace
}  // namespace zodrivel
