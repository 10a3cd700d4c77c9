// SPDX-License-Identifier: AGPL-3.0-or-later
// The pair search: windows, rounding, orientation, the fold across 0 Aries, and the order in
// which hits reach the report.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/aspects/AspectSearch.h"
#include "core/model/Angles.h"
#include "core/model/ChartPoint.h"

namespace zodrivel {
namespace {

// The Sun and the Moon where a case puts them; the other bodies are left at 0 and the cases
// look only at the hits between the two.
std::vector<ChartPoint> twoBodies(double sun, double moon) {
    std::vector<ChartPoint> chart;
    for (int slot = 0; slot < BodyCount; ++slot) chart.push_back({bodyOfSlot(slot), 0, 0, 0});
    chart[0].longitude = sun;
    chart[1].longitude = moon;
    return chart;
}

// The documented search within one chart.
std::vector<AspectHit> computeAspects(const std::vector<ChartPoint>& chart) {
    return aspectsBetween(chart, chart);
}

constexpr PointId Sun = PointId::Sun, Moon = PointId::Moon, Mercury = PointId::Mercury;

std::vector<AspectHit> hitsBetweenSunAndMoon(const std::vector<AspectHit>& hits) {
    std::vector<AspectHit> out;
    for (const AspectHit& h : hits) {
        if ((h.first == Sun && h.second == Moon) || (h.first == Moon && h.second == Sun)) {
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

// The short road and the library agree to the bit, the sign of a zero included, at the ties,
// the turns and beyond, and over a sweep of differences of two longitudes.
TEST(RemainderOfTurn, IsTheLibrarysRemainderToTheBit) {
    const double edges[] = {0.0,   -0.0,   180.0,  -180.0,  std::nextafter(180.0, 200.0),
                            360.0, -360.0, 359.99, -359.99, std::nextafter(360.0, 0.0),
                            540.0, -720.5, 1e300,  -1e-300, std::nextafter(-180.0, -200.0)};
    const auto sameBits = [](double x) {
        const double expected = std::remainder(x, 360.0);
        EXPECT_EQ(remainderOfTurn(x), expected) << x;
        EXPECT_EQ(std::signbit(remainderOfTurn(x)), std::signbit(expected)) << x;
    };
    for (const double x : edges) sameBits(x);
    for (double a = 0; a <= 360; a += 7.3) {
        for (double b = 0; b <= 360; b += 11.1) sameBits(a - b);
    }
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
        {"5.4 apart", 105.4, 100, {{K::Conjunction, Sun, Moon, 5}}},
        {"5.4 apart, Moon ahead", 100, 105.4, {{K::Conjunction, Sun, Moon, -5}}},
        {"10.5 rounds to 10", 110.5, 100, {{K::Conjunction, Sun, Moon, 10}}},
        {"11.5 rounds to 12", 111.5, 100, {}},
        {"Sun 60 ahead", 100, 40, {{K::Sextile, Sun, Moon, 60}}},
        {"Moon 60 ahead: Moon named first", 40, 100, {{K::Sextile, Moon, Sun, 60}}},
        {"146.5 is no quincunx", 246.5, 100, {}},
        {"147.5 is one", 247.5, 100, {{K::Quincunx, Sun, Moon, 148}}},
        {"190.5 rounds to 190", 290.5, 100, {{K::Opposition, Sun, Moon, 190}}},
        {"191.5 is none", 291.5, 100, {}},
        {"exact opposition", 300, 120, {{K::Opposition, Sun, Moon, 180}}},
        // Across 0 Aries: the short arc counts, the point further along named first.
        {"355 and 5", 355, 5, {{K::Conjunction, Sun, Moon, -10}}},
        {"350 and 20", 350, 20, {{K::SemiSextile, Moon, Sun, 30}}},
        {"20 and 350", 20, 350, {{K::SemiSextile, Sun, Moon, 30}}},
        {"330 and 30", 330, 30, {{K::Sextile, Moon, Sun, 60}}},
        {"10 and 280", 10, 280, {{K::Square, Sun, Moon, 90}}},
        {"359.9 and 0.2", 359.9, 0.2, {{K::Conjunction, Sun, Moon, 0}}},
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
    std::vector<ChartPoint> chart = twoBodies(0, 90);
    chart[2].longitude = 120;
    for (int slot = 3; slot < BodyCount; ++slot) chart[slot].longitude = 205;

    const std::vector<AspectHit> hits = computeAspects(chart);
    for (std::size_t k = 1; k < hits.size(); ++k) {
        EXPECT_LT(std::pair(hits[k - 1].first, hits[k - 1].second),
                  std::pair(hits[k].first, hits[k].second))
            << "hits come first slot ascending, then second";
    }

    std::array<int, AspectKindCount> perKind{};
    for (const AspectHit& h : hits) ++perKind[indexOf(h.kind)];
    EXPECT_EQ(perKind, (std::array<int, AspectKindCount>{21, 1, 0, 8, 8, 0, 0}));
    EXPECT_EQ(kindsFound(hits, [](const AspectHit& h) { return h.kind; }),
              (std::array<bool, AspectKindCount>{true, true, false, true, true, false, false}));
    EXPECT_EQ(hits.front(), (AspectHit{AspectKind::Square, Moon, Sun, 90}));
    EXPECT_EQ(hits[1], (AspectHit{AspectKind::Trine, Mercury, Sun, 120}));
    EXPECT_EQ(hits[2], (AspectHit{AspectKind::SemiSextile, Mercury, Moon, 30}));
}

// Between two charts each pair is tested once, in either direction, the first chart's point
// named first, and a point may meet its own counterpart: transiting Saturn on natal Saturn.
TEST(AspectsBetween, TwoChartsPairEveryPointOnceWhicheverLeads) {
    using K = AspectKind;
    constexpr PointId Saturn = PointId::Saturn;
    struct Case {
        const char* what;
        double moving, natal;
        std::vector<AspectHit> expected;
    };
    const Case cases[] = {
        {"Saturn 90 behind the natal Sun", 10, 100, {{K::Square, Saturn, Sun, -90}}},
        {"Saturn 90 ahead", 190, 100, {{K::Square, Saturn, Sun, 90}}},
        {"trine across 0 Aries", 350, 110, {{K::Trine, Saturn, Sun, -120}}},
        {"quincunx edge, behind", 0, 153, {{K::Quincunx, Saturn, Sun, -153}}},
        {"conjunction, either side", 101, 100, {{K::Conjunction, Saturn, Sun, 1}}},
        {"nothing at 45", 145, 100, {}},
    };
    for (const Case& c : cases) {
        const std::vector<ChartPoint> moving{{Saturn, c.moving, 0.1, 0}};
        const std::vector<ChartPoint> natal{{PointId::Sun, c.natal, 0, 0}};
        EXPECT_EQ(aspectsBetween(moving, natal, {AspectPairs::BetweenCharts}), c.expected)
            << c.what;
    }

    // Ten points against ten: the same body pair appears once whichever chart holds the
    // leading point, unlike the search within one chart.
    std::vector<ChartPoint> sky = twoBodies(0, 90), birth = twoBodies(0, 90);
    const auto within = aspectsBetween(sky, sky);
    const auto between = aspectsBetween(sky, birth, {AspectPairs::BetweenCharts});
    std::size_t sunMoon = 0;
    for (const AspectHit& h : between) sunMoon += h.first == Sun && h.second == Moon;
    EXPECT_EQ(sunMoon, 1u);
    EXPECT_GT(between.size(), within.size());  // the self pairs (Sun on Sun) count here
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
        std::vector<ChartPoint> chart = twoBodies(0, 0);
        for (ChartPoint& point : chart) {
            point.longitude = n % 2 ? anywhere(random) : halfDegrees(random) / 2.0;
        }
        std::vector<AspectHit> expected;
        for (int i = 0; i < BodyCount; ++i) {
            for (int j = 0; j < BodyCount; ++j) {
                if (i == j) continue;
                int separation = roundHalfEven(chart[i].longitude - chart[j].longitude);
                if (separation > 190) separation -= 360;
                if (separation < -190) separation += 360;
                const auto kind = kindForSeparation(separation);
                if (!kind || (*kind == AspectKind::Conjunction && i > j)) continue;
                expected.push_back({*kind, bodyOfSlot(i), bodyOfSlot(j), separation});
            }
        }
        ASSERT_EQ(computeAspects(chart), expected) << n;
    }
}

}  // namespace
}  // namespace zodrivel
