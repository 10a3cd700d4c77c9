// SPDX-License-Identifier: AGPL-3.0-or-later
// Aspect details: the unrounded separation inside the found window, the orb, and applying
// against separating on either side of exact, with the faster body first or second, and across
// 0 Aries where the search folded the difference by a turn.

#include <gtest/gtest.h>

#include <random>

#include "Births.h"
#include "core/aspects/AspectDetails.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ChartPositions.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MoonLongitude.h"
#include "tests/core/Points.h"

namespace zodrivel {
namespace {

// The Sun and the Moon where a case puts them, with their speeds; the other bodies stand far
// from both (at 200..240 degrees, in their own cluster) and the cases look only at the pair.
ChartPoints sunAndMoon(double sun, double sunSpeed, double moon, double moonSpeed) {
    ChartPoints chart;
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        chart.names[slot] = ChartPointNameTexts[slot];
    }
    chart.longitudes[SunSlot] = sun;
    chart.speeds[SunSlot] = sunSpeed;
    chart.longitudes[MoonSlot] = moon;
    chart.speeds[MoonSlot] = moonSpeed;
    return chart;
}

struct Found {
    AspectHit hit;
    AspectDetail detail;
};

// The one Sun-Moon hit of the chart and its detail.
Found sunMoonAspect(const ChartPoints& chart) {
    for (const Aspect& a : testing::chartAspects(chart)) {
        const AspectHit& h = a.hit;
        if ((h.first == PointId::Sun && h.second == PointId::Moon) ||
            (h.first == PointId::Moon && h.second == PointId::Sun)) {
            return {h, a.detail};
        }
    }
    ADD_FAILURE() << "no Sun-Moon aspect";
    return {};
}

TEST(AspectDetails, EitherSideOfExactWithTheFasterBodyBehindOrAhead) {
    // Sun slow at 100, Moon fast (13 degrees a day). The square is found as (Moon, Sun) when
    // the Moon is ahead (positive separation), and exact at 190.
    struct Case {
        double moon;
        double moonSpeed;
        double exact;  // Moon - Sun, as found
        double orb;
        bool applying;
    };
    const Case cases[] = {
        {187.5, 13.0, 87.5, 2.5, true},      // short of exact and closing
        {192.25, 13.0, 92.25, 2.25, false},  // past exact and opening
        {187.5, -0.5, 87.5, 2.5, false},     // retrograde Moon: short of exact and opening
        {192.25, -0.5, 92.25, 2.25, true},   // retrograde Moon coming back to exact
    };
    for (const Case& c : cases) {
        const Found f = sunMoonAspect(sunAndMoon(100.0, 0.98, c.moon, c.moonSpeed));
        EXPECT_EQ(f.hit.kind, AspectKind::Square) << c.moon;
        EXPECT_EQ(f.hit.first, PointId::Moon);
        EXPECT_DOUBLE_EQ(f.detail.exactSeparation, c.exact) << c.moon;
        EXPECT_DOUBLE_EQ(f.detail.orb, c.orb) << c.moon;
        EXPECT_EQ(f.detail.applying, c.applying) << c.moon << " at " << c.moonSpeed;
    }
}

TEST(AspectDetails, AnExactAspectIsNeitherClosingNorApplying) {
    const Found f = sunMoonAspect(sunAndMoon(10.0, 1.0, 130.0, 13.0));
    EXPECT_EQ(f.hit.kind, AspectKind::Trine);
    EXPECT_EQ(f.detail.orb, 0.0);
    EXPECT_FALSE(f.detail.applying);
}

TEST(AspectDetails, AcrossZeroAriesTheSeparationKeepsItsShortSide) {
    // Sun at 355, Moon at 3: the search folds 352 to -8, a conjunction found as (Sun, Moon).
    // The Moon, ahead and faster, is drawing away: separating. The exact value is -8, not 352.
    Found f = sunMoonAspect(sunAndMoon(355.0, 1.0, 3.0, 13.0));
    EXPECT_EQ(f.hit.kind, AspectKind::Conjunction);
    EXPECT_DOUBLE_EQ(f.detail.exactSeparation, -8.0);
    EXPECT_DOUBLE_EQ(f.detail.orb, 8.0);
    EXPECT_FALSE(f.detail.applying);
    // The Moon behind at 352 and faster, the Sun at 2: it catches the Sun up.
    f = sunMoonAspect(sunAndMoon(2.0, 1.0, 352.0, 13.0));
    EXPECT_DOUBLE_EQ(f.detail.exactSeparation, 10.0);
    EXPECT_TRUE(f.detail.applying);
    // A sextile across 0 Aries: Sun at 340, Moon at 38.5 (58.5 ahead), Moon faster: the
    // separation grows toward 60, applying.
    f = sunMoonAspect(sunAndMoon(340.0, 1.0, 38.5, 13.0));
    EXPECT_EQ(f.hit.kind, AspectKind::Sextile);
    EXPECT_EQ(f.hit.first, PointId::Moon);
    EXPECT_NEAR(f.detail.exactSeparation, 58.5, 1e-12);
    EXPECT_NEAR(f.detail.orb, 1.5, 1e-12);
    EXPECT_TRUE(f.detail.applying);
}

TEST(AspectDetails, OppositionBeyondItsCentreAndTheRoundedEdge) {
    // 190.4 rounds to 190, inside the window; its exact value must stay 190.4 (not be folded
    // to -169.6 on its own) with an orb of 10.4.
    const Found f = sunMoonAspect(sunAndMoon(0.0, 1.0, 190.4, 13.0));
    EXPECT_EQ(f.hit.kind, AspectKind::Opposition);
    EXPECT_NEAR(f.detail.exactSeparation, 190.4, 1e-12);
    EXPECT_NEAR(f.detail.orb, 10.4, 1e-12);
    EXPECT_FALSE(f.detail.applying);
}

// The one-pass search with details and the list of hits given their details afterwards are
// the same list, over random points: whole and half degrees (rounding ties), points stacked
// on one another, and charts of 10 and 13 points with random speeds.
TEST(AspectDetails, TheOnePassSearchListsWhatTheHitsWithTheirDetailsList) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> halfDegrees(0, 719);
    std::uniform_real_distribution<double> speed(-1.5, 15.0);
    for (int round = 0; round < 300; ++round) {
        std::vector<ChartPoint> points;
        const int count = round % 2 == 0 ? BodyCount : BodyCount + 3;
        for (int k = 0; k < count; ++k) {
            const double longitude =
                round % 3 == 0 ? halfDegrees(random) * 0.5 : halfDegrees(random) * 0.5 + 0.123;
            points.push_back(
                {static_cast<PointId>(k < BodyCount ? k : k + 2), longitude, speed(random), 0});
        }
        if (round % 5 == 0) points[3].longitude = points[1].longitude;  // a stacked pair
        const std::vector<Aspect> onePass = aspectsWithDetails(points);
        EXPECT_EQ(onePass, withDetails(aspectsBetween(points, points), points)) << round;
    }
}

TEST(AspectDetails, OrbsShowDegreesAndRoundedMinutes) {
    EXPECT_EQ(formatOrb(2.0 + 5.0 / 60), "2\u00B005'");
    EXPECT_EQ(formatOrb(0.9999), "1\u00B000'");
    EXPECT_EQ(formatOrb(0.0), "0\u00B000'");
    EXPECT_EQ(formatOrb(10.4), "10\u00B024'");
}

TEST(ClassicSpeeds, AgreeWithTheModelsOwnMotionAndLeaveTheLongitudesAlone) {
    // 1990 July 15, 06:30 UT.
    const BirthData birth = testing::birthOn(1990, 7, 15, 6, 30);
    const BirthInstant instant = birthInstant(birth, {});
    const ChartPoints chart = ClassicEphemeris{}.positions(instant);
    // The longitudes are exactly those of the model at the instant, the speeds beside them.
    const ChartPoints plain = computeChartPositions(instant.daysSinceJ2000,
                                                    computeMoonLongitude(instant.julianCenturies));
    EXPECT_EQ(chart.longitudes, plain.longitudes);
    // A day later, from the same model: the speed times a day lands within the curvature of
    // the orbit (a few hundredths of a degree, the Moon a tenth).
    BirthInstant later = instant;
    later.daysSinceJ2000 += 1;
    later.julianCenturies += 1 / 36525.0;
    const ChartPoints next = ClassicEphemeris{}.positions(later);
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        const double moved = signedArc(next.longitudes[slot] - chart.longitudes[slot]);
        const double speedAtMidday = (chart.speeds[slot] + next.speeds[slot]) / 2;
        EXPECT_NEAR(moved, speedAtMidday, slot == MoonSlot ? 0.1 : 0.01) << slot;
    }
    EXPECT_NEAR(chart.speeds[SunSlot], 0.955, 0.01);  // the Sun near aphelion
    EXPECT_GT(chart.speeds[MoonSlot], 11.5);
    EXPECT_LT(chart.speeds[MoonSlot], 15.5);
}

// The model's longitudes at d days from J2000 and T centuries, as the documented stages give
// them (the Moon reads T, the planets d).
ChartPoints documentedPositions(double d, double T) {
    return computeChartPositions(d, computeMoonLongitude(T));
}

TEST(ClassicSpeeds, AreTheDerivativesOfTheLongitudesOverEveryYear) {
    // 400 births spread over 1901..2050 and the zone corrections. Two independent references:
    // - the speeds as earlier versions printed them, a central difference an hour either side,
    //   whose own error is the Moon's curvature (up to 6e-5 degrees a day): 1e-4;
    // - a five-point difference 0.01 day wide, good to 1e-10 here: the analytic derivative
    //   matches it to 1e-8 at worst, checked at 1e-7 degrees a day.
    std::mt19937 random(19);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int n = 0; n < 400; ++n) {
        BirthData birth =
            testing::birthOn(pick(1901, 2050), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59));
        birth.isDaylightSaving = pick(0, 1) == 1;
        const ZoneCorrection zone{static_cast<std::int16_t>(pick(-12, 12)), 0};
        const BirthInstant t = birthInstant(birth, zone);
        const double d = t.daysSinceJ2000;
        const double T = t.julianCenturies;
        const ChartPoints chart = ClassicEphemeris{}.positions(t);
        ASSERT_EQ(chart.longitudes, documentedPositions(d, T).longitudes) << d;

        const auto shifted = [&](double days) {
            return documentedPositions(d + days, T + days / 36525);
        };
        const double hour = 1.0 / 24;
        const ChartPoints before = shifted(-hour);
        const ChartPoints after = shifted(hour);
        const double h = 0.01;
        const ChartPoints m2 = shifted(-2 * h);
        const ChartPoints m1 = shifted(-h);
        const ChartPoints p1 = shifted(h);
        const ChartPoints p2 = shifted(2 * h);
        for (int slot = 0; slot < ChartPointCount; ++slot) {
            const auto arc = [slot](const ChartPoints& a, const ChartPoints& b) {
                return signedArc(a.longitudes[slot] - b.longitudes[slot]);
            };
            const double earlier = arc(after, before) / (2 * hour);
            const double fine = (8 * arc(p1, m1) - arc(p2, m2)) / (12 * h);
            EXPECT_NEAR(chart.speeds[slot], earlier, 1e-4) << "slot " << slot << ", d " << d;
            EXPECT_NEAR(chart.speeds[slot], fine, 1e-7) << "slot " << slot << ", d " << d;
        }
    }
}

}  // namespace
}  // namespace zodrivel
