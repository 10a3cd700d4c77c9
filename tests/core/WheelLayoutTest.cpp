// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart wheel's geometry: where bodies stand, how crowds spread, which lines are drawn.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/model/Angles.h"
#include "core/wheel/WheelLayout.h"
#include "tests/core/Points.h"

namespace zodrivel {
namespace {

double shorterArc(double a, double b) {  // shorter arc between two longitudes, degrees
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}

ChartPoints chartOf(const std::array<double, ChartPointCount>& longitudes) {
    ChartPoints chart;
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        chart.names[slot] = ChartPointNameTexts[slot];
        chart.longitudes[slot] = longitudes[slot];
    }
    return chart;
}

void expectSpaced(const std::vector<double>& shown, double spacing) {
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            EXPECT_GE(shorterArc(shown[a], shown[b]), spacing - 1e-9) << a << " and " << b;
        }
    }
}

TEST(WheelAngle, AriesOnTheLeftAndTheZodiacCounterClockwise) {
    const auto at = [](double longitude) {
        const double a = wheelAngle(longitude);
        return std::pair(std::cos(a), std::sin(a));  // y up
    };
    EXPECT_NEAR(at(0).first, -1, 1e-12);     // left
    EXPECT_NEAR(at(90).second, -1, 1e-12);   // bottom
    EXPECT_NEAR(at(180).first, 1, 1e-12);    // right
    EXPECT_NEAR(at(270).second, 1, 1e-12);   // top
    EXPECT_NEAR(at(359.9).first, -1, 1e-5);  // just above 0 Aries
    EXPECT_GT(at(359.9).second, 0);
}

TEST(SpreadAlongRing, LonelyBodiesStayPut) {
    const std::vector<double> places{0, 90, 359.9 - 180, 200, 300};
    EXPECT_EQ(spreadAlongRing(places, 8), places);
}

TEST(SpreadAlongRing, FiveBodiesWithinFourDegreesSpreadInOrderAroundTheirPlace) {
    const std::vector<double> crowd{120, 121, 122.5, 123, 124};
    const std::vector<double> shown = spreadAlongRing(crowd, 8);
    expectSpaced(shown, 8);
    for (std::size_t k = 1; k < shown.size(); ++k) EXPECT_LT(shown[k - 1], shown[k]);
    double mean = 0;
    for (const double s : shown) mean += s;
    EXPECT_NEAR(mean / 5, (120 + 121 + 122.5 + 123 + 124) / 5.0, 1e-9);
}

TEST(SpreadAlongRing, CrowdsAcrossAriesAndCrowdsThatMeetMerge) {
    const std::vector<double> acrossAries{358, 359.5, 0.5, 2, 180};
    const std::vector<double> shown = spreadAlongRing(acrossAries, 8);
    expectSpaced(shown, 8);
    EXPECT_NEAR(shorterArc(shown[4], 180), 0, 1e-9);
    EXPECT_LT(shorterArc(shown[0], 0), 13);

    // Two crowds close enough that spreading one pushes into the other.
    const std::vector<double> two{10, 11, 12, 26, 27, 28, 100, 200, 250, 300};
    expectSpaced(spreadAlongRing(two, 8), 8);
    // Ten bodies in 20 degrees: everything joins one cluster without overlap.
    std::vector<double> heap;
    for (int k = 0; k < 10; ++k) heap.push_back(350 + 2.0 * k);
    expectSpaced(spreadAlongRing(heap, 8), 8);
    // Wider than the ring allows: spacing shrinks to an even spread.
    expectSpaced(spreadAlongRing(heap, 50), 36);
}

TEST(SpreadAlongRing, RandomChartsNeverOverlapAndKeepTheCircularOrder) {
    std::uint32_t state = 12345;  // a fixed little generator, so a failure can be replayed
    const auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    };
    for (int chart = 0; chart < 500; ++chart) {
        std::vector<double> places;
        const double centre = next() * 360;
        for (int k = 0; k < 10; ++k) {
            // Half the charts crowded into 40 degrees, half anywhere.
            places.push_back(std::fmod(chart % 2 ? centre + next() * 40 : next() * 360, 360.0));
        }
        const std::vector<double> shown = spreadAlongRing(places, 8);
        expectSpaced(shown, 8);
        // Going round from any body, the others come in the same order as their places.
        std::vector<int> byPlace(10), byShown(10);
        std::iota(byPlace.begin(), byPlace.end(), 0);
        std::iota(byShown.begin(), byShown.end(), 0);
        const auto from = [](const std::vector<double>& v, double origin) {
            return [&v, origin](int a, int b) {
                const auto arc = [&](int i) { return std::fmod(v[i] - origin + 720, 360.0); };
                return arc(a) < arc(b) || (arc(a) == arc(b) && a < b);
            };
        };
        std::ranges::sort(byPlace, from(places, places[0]));
        std::ranges::sort(byShown, from(shown, shown[0]));
        if (std::ranges::adjacent_find(places) == places.end()) {
            EXPECT_EQ(byPlace, byShown) << "chart " << chart;
        }
        if (::testing::Test::HasFailure()) return;
    }
}

// A glyph on a house line, the Asc or the MC had the line through it; drawn across the line it
// looked to be in the wrong house.
TEST(SpreadClearOfLines, AGlyphOnALineMovesOffItToTheSideOfItsTruePlace) {
    struct Case {
        std::vector<double> places, lines;
        std::vector<double> expected;  // worked by hand: the line +- 4.5, the neighbour 8 on
    } cases[] = {
        {{100.0, 200.0}, {101.0}, {96.5, 200.0}},      // just before the line: before it
        {{100.0, 200.0}, {99.0}, {103.5, 200.0}},      // just after: after it
        {{359.0, 180.0}, {1.0}, {356.5, 180.0}},       // across Aries
        {{100.0, 102.0}, {96.0}, {100.5, 108.5}},      // a pair, pushed on together
        {{10.0, 50.0, 90.0}, {}, {10.0, 50.0, 90.0}},  // no lines: nothing moves
    };
    for (const Case& c : cases) {
        const std::vector<double> shown = spreadClearOfLines(c.places, 8, c.lines, 4.5);
        ASSERT_EQ(shown.size(), c.expected.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            // The rounds stop once every glyph is clear; each pull overshoots by 0.05 degree.
            EXPECT_NEAR(shorterArc(shown[i], c.expected[i]), 0, 0.2) << c.places[i];
        }
    }
}

TEST(SpreadClearOfLines, RandomChartsWithHousesKeepEveryGlyphOffTheLines) {
    std::uint32_t state = 777;  // a fixed little generator, so a failure can be replayed
    const auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    };
    int crowdedCharts = 0;
    for (int chart = 0; chart < 300; ++chart) {
        // Twelve cusps 20 to 40 degrees apart, as the quadrant systems give away from the poles.
        std::vector<double> lines{next() * 360};
        for (int k = 1; k < 12; ++k) lines.push_back(lines.back() + 20 + next() * 20);
        for (double& line : lines) line = std::fmod(line * 360 / (lines.back() + 30), 360.0);
        std::vector<double> places;
        for (int k = 0; k < 10; ++k) places.push_back(next() * 360);
        const std::vector<double> shown = spreadClearOfLines(places, 8, lines, 4.5);
        expectSpaced(shown, 8);
        // Where no house holds more glyphs than fit in it, every glyph is clear of every line.
        bool roomy = true;
        for (std::size_t h = 0; h < lines.size(); ++h) {
            const double width = std::fmod(lines[(h + 1) % 12] - lines[h] + 360, 360.0);
            int inside = 0;
            for (const double p : places) inside += std::fmod(p - lines[h] + 360, 360.0) < width;
            roomy = roomy && (inside - 1) * 8 + 2 * 4.5 <= width;
        }
        if (!roomy) {
            ++crowdedCharts;
            continue;
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (const double line : lines) {
                EXPECT_GE(shorterArc(shown[i], line), 4.5 - 1e-6) << "chart " << chart;
            }
        }
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_LT(crowdedCharts, 300) << "the roomy case was never tried";
}

TEST(WheelLayout, BodiesCarryLabelsAndLeaderLinesWhereMoved) {
    const ChartPoints chart = chartOf({0, 90, 359.9, 180, 181, 270, 45, 135, 225, 315});
    const WheelLayout layout =
        computeWheelLayout(testing::pointsOf(chart), testing::chartAspects(chart));
    ASSERT_EQ(layout.bodies.size(), 10u);
    EXPECT_EQ(layout.bodies[SunSlot].label, "0\u00B000'");
    EXPECT_EQ(layout.bodies[MercurySlot].label, "29\u00B054'");
    EXPECT_TRUE(layout.bodies[SunSlot].displaced);  // 0 and 359.9 share a place
    EXPECT_TRUE(layout.bodies[MercurySlot].displaced);
    EXPECT_FALSE(layout.bodies[MoonSlot].displaced);
    EXPECT_EQ(layout.bodies[MoonSlot].displayLongitude, 90);
}

TEST(WheelLayout, LinesForEveryKindButConjunctionStyledByKind) {
    // Sun at 0 and a partner for each kind, the rest far off in a heap at 200..208.
    const ChartPoints chart = chartOf({0, 30, 60, 90, 120, 150, 180, 204, 206, 208});
    const WheelLayout layout =
        computeWheelLayout(testing::pointsOf(chart), testing::chartAspects(chart));
    std::array<int, AspectKindCount> perKind{};
    for (const WheelLine& line : layout.lines) {
        ++perKind[indexOf(line.hit.kind)];
        const AspectKind k = line.hit.kind;
        EXPECT_NE(k, AspectKind::Conjunction);
        const bool hard =
            k == AspectKind::Square || k == AspectKind::Opposition || k == AspectKind::Quincunx;
        EXPECT_EQ(line.tone, hard ? LineTone::Hard : LineTone::Soft);
        EXPECT_EQ(line.dashed, k == AspectKind::SemiSextile || k == AspectKind::Quincunx);
        EXPECT_LT(line.width, line.dashed ? 1.0 : 1.01);
    }
    for (const AspectKind kind : AllAspectKinds) {
        if (kind != AspectKind::Conjunction) {
            EXPECT_GT(perKind[indexOf(kind)], 0) << indexOf(kind);
        }
    }
    const auto square = std::ranges::find_if(layout.lines, [](const WheelLine& l) {
        return l.hit.first == PointId::Venus && l.hit.second == PointId::Sun;
    });
    ASSERT_NE(square, layout.lines.end());
    EXPECT_EQ(square->tooltip, "Venus-Sun  In Square Aspect, 90\u00B0");
}

TEST(WheelLayout, AChartWithoutAspectsHasNoLines) {
    const ChartPoints chart = chartOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // conjunctions only
    const WheelLayout layout =
        computeWheelLayout(testing::pointsOf(chart), testing::chartAspects(chart));
    EXPECT_TRUE(layout.lines.empty());
    EXPECT_TRUE(computeWheelLayout(testing::pointsOf(chart), {}).lines.empty());
}

}  // namespace
}  // namespace zodrivel
