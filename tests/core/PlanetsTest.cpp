// SPDX-License-Identifier: AGPL-3.0-or-later
// Kepler orbits, geocentric longitudes and the chart positions array, against worked values.

#include <gtest/gtest.h>

#include "Births.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ChartPositions.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MoonLongitude.h"
#include "core/ephemeris/OrbitalElements.h"
#include "core/model/Angles.h"
#include "core/model/Zodiac.h"
#include "core/time/Calendar.h"

namespace zodrivel {
namespace {

TEST(ReduceRadians, BringsAnglesIntoOneTurn) {
    EXPECT_NEAR(reduceRadians(-0.5), TwoPi - 0.5, 1e-14);
    EXPECT_NEAR(reduceRadians(7.0), 7.0 - TwoPi, 1e-14);
    EXPECT_NEAR(reduceRadians(3.0), 3.0, 1e-15);
    EXPECT_GE(reduceRadians(-3 * TwoPi), 0.0);
    EXPECT_LT(reduceRadians(-3 * TwoPi), TwoPi);
}

TEST(QuadrantArcTangent, EachQuadrantAndAxis) {
    EXPECT_NEAR(quadrantArcTangent(1, 1), Pi / 4, 1e-14);
    EXPECT_NEAR(quadrantArcTangent(1, -1), 3 * Pi / 4, 1e-14);
    EXPECT_NEAR(quadrantArcTangent(-1, -1), -3 * Pi / 4, 1e-14);
    EXPECT_NEAR(quadrantArcTangent(-1, 1), -Pi / 4, 1e-14);
    EXPECT_EQ(quadrantArcTangent(2, 0), Pi / 2);
    EXPECT_EQ(quadrantArcTangent(-2, 0), -Pi / 2);
    EXPECT_EQ(quadrantArcTangent(0, 0), 0.0);
    // Straight along the negative x axis lies at 180 degrees, not 0.
    EXPECT_EQ(quadrantArcTangent(0, -3), Pi);
}

TEST(TrueAnomaly, CircularOrbitReturnsTheMeanAnomaly) {
    for (const double M : {0.0, 0.3, 2.0, 3.5, 6.2}) {
        EXPECT_NEAR(trueAnomaly(M, 0.0), M, 1e-12) << M;
    }
}

TEST(TrueAnomaly, SolvesKeplersEquation) {
    // Back from the true anomaly to the mean anomaly for Pluto-like eccentricity.
    const double e = 0.2488;
    for (const double M : {0.1, 1.0, 2.5, 4.0, 6.0}) {
        const double v = trueAnomaly(M, e);
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, TwoPi);
        const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
        EXPECT_NEAR(reduceRadians(E - e * std::sin(E)), M, 1e-11) << M;
    }
}

// The chart solves every orbit's Kepler equation side by side; each answer must be the one-orbit
// answer to the last bit (the outputs print longitudes to the last digit), over the years the
// program accepts, every row and eccentricities up to Pluto's and beyond.
TEST(TrueAnomaly, SolvedSideBySideExactlyAsAlone) {
    for (double d = -36524; d <= 18627; d += 97.3) {
        const auto together = geocentricMotions(d);
        const OrbitState earth = earthState(d);
        for (int row = 0; row < ElementsRowCount; ++row) {
            const EclipticMotion alone = geocentricMotion(row, d, earth);
            ASSERT_EQ(together[row].longitude, alone.longitude) << row << " at d = " << d;
            ASSERT_EQ(together[row].speed, alone.speed) << row << " at d = " << d;
        }
    }
    const std::array<double, 5> M{0.0, 1e-9, 3.14159, 5.5, 6.28318};
    const std::array<double, 5> e{0.0, 0.2488, 0.9, 0.05, 0.5};
    std::array<double, 5> v{};
    trueAnomalies(M, e, v);
    for (std::size_t k = 0; k < M.size(); ++k) EXPECT_EQ(v[k], trueAnomaly(M[k], e[k])) << k;
}

TEST(OrbitalElements, MeanLongitudesAtJ2000) {
    EXPECT_NEAR(orbitalElements(MercuryRow, 0).meanLongitude, 252.25084 * DegToRad, 1e-13);
    EXPECT_NEAR(orbitalElements(EarthRow, 0).meanLongitude, 100.46435 * DegToRad, 1e-13);
    // A century later the rate has carried Mercury round many times; L stays in one turn.
    const double meanLongitude = orbitalElements(MercuryRow, 36525).meanLongitude;
    EXPECT_GE(meanLongitude, 0.0);
    EXPECT_LT(meanLongitude, TwoPi);
}

struct PlanetCase {
    int row;
    const char* body;
    double expected;  // degrees, given to four decimals
};

void expectLongitudes(double d, const std::vector<PlanetCase>& cases) {
    for (const PlanetCase& c : cases) {
        const double lambda = geocentricLongitude(c.row, d);
        // 1e-4 rather than rounding to four places: one value lies 7.5e-9 from a boundary.
        EXPECT_NEAR(lambda, c.expected, 1e-4) << c.body << " at d = " << d;
    }
}

TEST(GeocentricLongitude, WorkedValuesAtJ2000) {
    // clang-format off
    expectLongitudes(0, {{MercuryRow, "Mercury", 271.9060}, {VenusRow, "Venus", 241.5781},
                         {EarthRow, "Sun", 280.3796},       {MarsRow, "Mars", 327.9828},
                         {JupiterRow, "Jupiter", 25.3611},  {SaturnRow, "Saturn", 40.2147},
                         {UranusRow, "Uranus", 314.7901},   {NeptuneRow, "Neptune", 303.1916},
                         {PlutoRow, "Pluto", 251.4543}});
    // clang-format on
}

TEST(GeocentricLongitude, WorkedValuesFor1990July15) {
    const double d = daysSinceJ2000({1990, 7, 15, 6, 30});
    EXPECT_NEAR(d, -3457.2291666666667, 1e-9);
    // clang-format off
    expectLongitudes(d, {{MercuryRow, "Mercury", 126.4821}, {VenusRow, "Venus", 84.2730},
                         {EarthRow, "Sun", 112.6596},       {MarsRow, "Mars", 31.9230},
                         {JupiterRow, "Jupiter", 112.6687}, {SaturnRow, "Saturn", 291.9999},
                         {UranusRow, "Uranus", 277.0913},   {NeptuneRow, "Neptune", 283.0514},
                         {PlutoRow, "Pluto", 225.1310}});
    // clang-format on
}

TEST(GeocentricLongitude, TheSunIsOppositeTheEarth) {
    for (const double d : {-30000.0, -3457.2, 0.0, 12345.6}) {
        const Vector2 earth = earthPosition(d);
        const double heliocentric = std::atan2(earth.y, earth.x) / DegToRad;
        EXPECT_NEAR(reduceDegrees(heliocentric + 180), geocentricLongitude(EarthRow, d), 1e-9);
    }
}

TEST(DaysSinceJ2000, CountsFromNoonOfFirstJanuary2000) {
    EXPECT_EQ(daysSinceJ2000({2000, 1, 1, 12, 0}), 0.0);
    EXPECT_EQ(daysSinceJ2000({2000, 1, 2, 0, 0}), 0.5);
    EXPECT_EQ(daysSinceJ2000({1999, 12, 31, 12, 0}), -1.0);
}

// Local clock time at Greenwich longitude; the zone correction is given separately.
BirthData localBirth(int y, int m, int d, int hour, int minute, bool dst = false) {
    return testing::birthOn(y, m, d, hour, minute, 0, false, dst);
}

TEST(UniversalDateTime, CrossesDayMonthAndYearEnds) {
    EXPECT_EQ(universalDateTime(localBirth(1990, 12, 31, 1, 0), {-5, 0}),
              (CivilDateTime{1990, 12, 30, 20, 0}));
    EXPECT_EQ(universalDateTime(localBirth(1991, 1, 1, 1, 0), {-5, 0}),
              (CivilDateTime{1990, 12, 31, 20, 0}));
    EXPECT_EQ(universalDateTime(localBirth(1990, 12, 31, 23, 45), {5, 30}),
              (CivilDateTime{1991, 1, 1, 5, 15}));
    EXPECT_EQ(universalDateTime(localBirth(2000, 3, 1, 0, 10), {0, 0}),
              (CivilDateTime{2000, 3, 1, 0, 10}));
    EXPECT_EQ(universalDateTime(localBirth(2000, 3, 1, 3, 10), {-5, -30}),
              (CivilDateTime{2000, 2, 29, 21, 40}));
    EXPECT_EQ(universalDateTime(localBirth(1900 + 1, 3, 1, 3, 10), {-5, -30}),
              (CivilDateTime{1901, 2, 28, 21, 40}));
    EXPECT_EQ(universalDateTime(localBirth(2050, 12, 31, 23, 0, true), {12, 0}),
              (CivilDateTime{2051, 1, 1, 10, 0}));
}

TEST(UniversalDateTime, DaylightSavingIsTheSameInstantAsOneHourEarlier) {
    EXPECT_EQ(universalDateTime(localBirth(1976, 7, 4, 10, 30, true), {5, 0}),
              universalDateTime(localBirth(1976, 7, 4, 9, 30), {5, 0}));
}

ProceedRecord recordOf(const BirthData& b, ZoneCorrection zone) {
    ProceedRecord r;
    r.birth = b;
    r.zone = zone;
    return r;
}

TEST(ChartPositions, DaylightSavingMovesThePlanetsAsWellAsTheMoon) {
    const Chart withDst =
        calculate(recordOf(localBirth(1976, 7, 4, 10, 30, true), {5, 0}), ClassicEphemeris{});
    const Chart hourEarlier =
        calculate(recordOf(localBirth(1976, 7, 4, 9, 30), {5, 0}), ClassicEphemeris{});
    const Chart withoutDst =
        calculate(recordOf(localBirth(1976, 7, 4, 10, 30), {5, 0}), ClassicEphemeris{});
    for (std::size_t slot = 0; slot < BodyCount; ++slot) {
        EXPECT_EQ(withDst.points[slot].longitude, hourEarlier.points[slot].longitude) << slot;
        EXPECT_NE(withDst.points[slot].longitude, withoutDst.points[slot].longitude) << slot;
    }
}

TEST(ChartPositions, FillsTenNamedSlotsAndLeavesFourEmpty) {
    const Chart c = calculate(recordOf(localBirth(1990, 7, 15, 6, 30), {0, 0}), ClassicEphemeris{});
    const ChartPoints slots = ClassicEphemeris{}.positions(c.instant);
    const char* names[] = {"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                           "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
    ASSERT_EQ(c.points.size(), std::size_t{BodyCount});
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        EXPECT_EQ(slots.names[slot], names[slot]);
        EXPECT_GE(slots.longitudes[slot], 0.0);
        EXPECT_LE(slots.longitudes[slot], 360.0);
        // The chart's points carry the slots' values under their identities.
        const ChartPoint& point = c.points[static_cast<std::size_t>(slot)];
        EXPECT_EQ(pointName(point.id), names[slot]);
        EXPECT_EQ(point.longitude, slots.longitudes[slot]);
        EXPECT_EQ(point.speed, slots.speeds[slot]);
    }
    for (int slot = ChartPointCount; slot < ChartSlotCount; ++slot) {
        EXPECT_TRUE(slots.names[slot].empty());
        EXPECT_EQ(slots.longitudes[slot], 0.0);
    }
    EXPECT_EQ(c.body(PointId::Moon).longitude, computeMoonLongitude(c.instant.julianCenturies));
}

// The planets are carried from the equinox of J2000 to the equinox of date, as the Moon is.
TEST(ChartPositions, PlanetsAreReferredToTheEquinoxOfDate) {
    const double d = daysSinceJ2000({1901, 1, 1, 0, 0});
    const ChartPoints chart = computeChartPositions(d, 0);
    EXPECT_NEAR(precessionSinceJ2000(d), -1.38269, 1e-5);  // about 50.3" a year for 99 years
    EXPECT_NEAR(chart.longitudes[SunSlot],
                reduceDegrees(geocentricLongitude(EarthRow, d) + precessionSinceJ2000(d)), 1e-12);
    EXPECT_NEAR(chart.longitudes[PlutoSlot],
                reduceDegrees(geocentricLongitude(PlutoRow, d) + precessionSinceJ2000(d)), 1e-12);
    EXPECT_EQ(computeChartPositions(0, 0).longitudes[SunSlot], geocentricLongitude(EarthRow, 0));

    // At the March equinox of 1950 (21 March, 04:35 UT) the Sun stands at 0 Aries of date;
    // without precession it would be some 0.7 degrees short.
    const double sun =
        computeChartPositions(daysSinceJ2000({1950, 3, 21, 4, 35}), 0).longitudes[SunSlot];
    EXPECT_LT(std::min(sun, 360 - sun), 0.02) << sun;
}

TEST(Zodiac, SignDegreeAndMinute) {
    EXPECT_EQ(formatSignPosition(280.3796), "Capricorn 10\u00B022'");
    EXPECT_EQ(formatSignPosition(0.0), "Aries 0\u00B000'");
    EXPECT_EQ(formatSignPosition(360.0), "Aries 0\u00B000'");
    EXPECT_EQ(formatSignPosition(29.9999), "Aries 29\u00B059'");
    EXPECT_EQ(formatSignPosition(359.99), "Pisces 29\u00B059'");
    EXPECT_EQ(formatSignPosition(90.0), "Cancer 0\u00B000'");
}

}  // namespace
}  // namespace zodrivel
