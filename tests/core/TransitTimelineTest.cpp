// SPDX-License-Identifier: AGPL-3.0-or-later
// The transits timeline's arithmetic: how zooming and scrolling keep the view within the
// searched range, and how close to exact a transit is along its bar.

#include <gtest/gtest.h>

#include <cmath>

#include "core/transits/TransitTimeline.h"

namespace zodrivel {
namespace {

constexpr TimeSpan Year{2461000.5, 2461365.5};  // 365 days

TEST(TransitTimelineTest, ZoomKeepsTheAnchorInPlaceAndTheViewWithinTheRange) {
    struct Case {
        TimeSpan shown;
        double factor, anchor;
        TimeSpan expected;
    };
    // Expected values worked by hand: the anchor's share of the width is kept, the length is
    // divided by the factor, then the view is moved (never shrunk) back inside the year.
    const Case cases[] = {
        // In by 2 about the middle of the year: the middle half.
        {Year, 2, Year.from + 182.5, {Year.from + 91.25, Year.from + 273.75}},
        // In by 4 about the first day: the anchor stays at the left edge.
        {Year, 4, Year.from, {Year.from, Year.from + 91.25}},
        // Out by 2 about a day near the end: longer than fits after it, pushed back inside.
        {{Year.to - 100, Year.to}, 0.5, Year.to - 10, {Year.to - 200, Year.to}},
        // Out beyond the whole range: the whole range.
        {{Year.from + 10, Year.from + 110}, 0.01, Year.from + 50, Year},
        // Closer than a day and a half is not offered.
        {{Year.from + 10, Year.from + 12},
         100,
         Year.from + 11,
         {Year.from + 10.25, Year.from + 11.75}},
    };
    for (const Case& c : cases) {
        const TimeSpan got = zoomSpan(c.shown, c.factor, c.anchor, Year);
        EXPECT_NEAR(got.from, c.expected.from, 1e-9) << c.factor << " about " << c.anchor;
        EXPECT_NEAR(got.to, c.expected.to, 1e-9) << c.factor << " about " << c.anchor;
    }
}

TEST(TransitTimelineTest, AnyRunOfZoomsAndScrollsStaysWithinTheRange) {
    // A long walk of the keys and the wheel: the view is always inside the year, never shorter
    // than the shortest view, and a scroll never changes its length.
    TimeSpan shown = Year;
    for (int step = 0; step < 2000; ++step) {
        const double anchor = Year.from + std::fmod(step * 37.3, 400.0) - 20;  // some outside
        if (step % 3 == 0) {
            const double before = shown.length();
            shown = scrollSpan(shown, (step % 2 ? 1 : -1) * std::fmod(step * 11.7, 300.0), Year);
            EXPECT_NEAR(shown.length(), before, 1e-9);
        } else {
            shown = zoomSpan(shown, step % 5 < 3 ? 1.25 : 0.8, anchor, Year);
        }
        ASSERT_GE(shown.from, Year.from - 1e-9);
        ASSERT_LE(shown.to, Year.to + 1e-9);
        ASSERT_GE(shown.length(), ShortestShownDays - 1e-9);
    }
}

TEST(TransitTimelineTest, DistanceFromExactFoldsTheWrapAndBothSides) {
    struct Case {
        double moving, natal;
        AspectKind kind;
        double expected;  // degrees
    };
    const Case cases[] = {
        {359, 1, AspectKind::Conjunction, 2},  // across 0 Aries
        {1, 359, AspectKind::Conjunction, 2},
        {10, 250, AspectKind::Trine, 0},  // 120 ahead, across 0 Aries
        {250, 10, AspectKind::Trine, 0},  // 120 behind
        {100, 10, AspectKind::Square, 0},
        {280, 10, AspectKind::Square, 0},  // the waning square
        {190.5, 10, AspectKind::Opposition, 0.5},
        {9.5, 190, AspectKind::Opposition, 0.5},
        {41, 10, AspectKind::SemiSextile, 1},
        {160, 10, AspectKind::Quincunx, 0},
        {250, 10, AspectKind::Sextile, 60},  // a trine's place is 60 from the sextile
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(distanceFromExact(c.moving, c.natal, c.kind), c.expected, 1e-9)
            << c.moving << " to " << c.natal << " " << aspectKindName(c.kind);
    }
}

// A body going round at a steady degree a day from 0 Aries at Year.from.
class SteadySky : public TransitSky {
public:
    PointPosition bodyAt(PointId, double day) const override {
        return {std::fmod(day - Year.from, 360.0), 1.0};
    }
};

TEST(TransitTimelineTest, ClosenessRisesToOneAtTheExactPassAndIsZeroBeyondTheOrb) {
    // Conjunction to a natal 10 degrees with an orb of 1: exact on day 10, in orb days 9..11.
    Transit transit;
    transit.kind = AspectKind::Conjunction;
    transit.orb = 1;
    const SteadySky sky;
    const std::vector<double> got =
        closenessAlong(transit, 10, sky, {Year.from + 8.5, Year.from + 11.5}, 7);
    // Samples every half day from 8.5: 1.5, 1, 0.5, 0, 0.5, 1, 1.5 degrees from exact.
    const std::vector<double> expected{0, 0, 0.5, 1, 0.5, 0, 0};
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], 1e-9) << i;
}

TEST(TransitTimelineTest, BarsRunFromEnteringToLeavingOrOpenAtTheRangesEnds) {
    Transit inside;
    inside.enters = Year.from + 20;
    inside.leaves = Year.from + 40;
    EXPECT_EQ(barSpan(inside, Year), (TimeSpan{Year.from + 20, Year.from + 40}));
    Transit open;  // in orb before the range began and after it ends
    EXPECT_EQ(barSpan(open, Year), Year);
}

TEST(TransitTimelineTest, NatalPointsAreFoundByIdentityAnglesOnlyWithHouses) {
    Chart chart;
    for (int slot = 0; slot < BodyCount; ++slot) {
        chart.points.push_back({bodyOfSlot(slot), 10.0 * slot + 5, 1, 0});
    }
    EXPECT_EQ(natalLongitude(chart, PointId::Saturn), 65.0);
    EXPECT_FALSE(natalLongitude(chart, PointId::Ascendant));
    EXPECT_FALSE(natalLongitude(chart, PointId::Chiron));
    ChartHouses houses;
    houses.ascendant = 123;
    houses.midheaven = 33;
    chart.houses = houses;
    EXPECT_EQ(natalLongitude(chart, PointId::Ascendant), 123.0);
    EXPECT_EQ(natalLongitude(chart, PointId::Midheaven), 33.0);
}

}  // namespace
}  // namespace zodrivel
