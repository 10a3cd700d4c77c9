// SPDX-License-Identifier: AGPL-3.0-or-later
// The lunar node, Lilith and Chiron: the precise model against the library asked directly, its
// refusals, and the classic model's polynomials against the library's mean node and apogee.

#include <gtest/gtest.h>

#include <cmath>
#include <swephexp.h>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MeanLunarPoints.h"

namespace zodrivel {
namespace {

constexpr double ArcSecond = 1.0 / 3600.0;

double arcBetween(double a, double b) { return std::fabs(signedArc(a - b)); }

double julianDay(int year, int month, int day, double hour) {
    return swe_julday(year, month, day, hour, SE_GREG_CAL);
}

int libraryBody(ExtraPoint point) {
    switch (point) {
        case ExtraPoint::TrueNode: return SE_TRUE_NODE;
        case ExtraPoint::MeanNode: return SE_MEAN_NODE;
        case ExtraPoint::MeanLilith: return SE_MEAN_APOG;
        case ExtraPoint::Chiron: return SE_CHIRON;
    }
    return -1;
}

constexpr ExtraPoint AllPoints[] = {ExtraPoint::TrueNode, ExtraPoint::MeanNode,
                                    ExtraPoint::MeanLilith, ExtraPoint::Chiron};

TEST(PrecisePoints, AgreeWithTheLibraryToATenthOfAnArcSecondFrom1801To2399) {
    // Every 397.3 days, so the dates walk through the seasons, the hours and Chiron's orbit.
    const PreciseEphemeris precise;
    swe_set_ephe_path(DebianEphemerisFolder);
    int compared = 0;
    for (double jd = julianDay(1801, 1, 1, 0); jd < julianDay(2399, 12, 1, 0); jd += 397.3) {
        for (const ExtraPoint point : AllPoints) {
            const ExtraPointAnswer answer = precise.pointAt(point, jd);
            double direct[6] = {};
            char error[AS_MAXCH] = {};
            const int flags =
                swe_calc_ut(jd, libraryBody(point), SEFLG_SWIEPH | SEFLG_SPEED, direct, error);
            ASSERT_GE(flags, 0) << error;
            ASSERT_TRUE(answer.position) << extraPointKey(point) << " at " << jd;
            EXPECT_EQ(answer.source, EphemerisSource::DataFiles);
            EXPECT_LT(arcBetween(answer.position->longitude, direct[0]), ArcSecond / 10)
                << extraPointKey(point) << " at " << jd;
            EXPECT_NEAR(answer.position->speed, direct[3], 1e-7) << extraPointKey(point);
            ++compared;
        }
    }
    EXPECT_GT(compared, 2000);
}

TEST(PrecisePoints, MatchFixedValuesFromTheFilesAtJ2000) {
    // Printed once by a C program calling swe_calc_ut(2451545.0, body, SEFLG_SWIEPH |
    // SEFLG_SPEED) on libswe 2.10.03 with swe-basic-data 4.0-20221111: longitude, speed.
    struct Case {
        ExtraPoint point;
        double longitude, speed;
    };
    constexpr Case Cases[] = {
        {ExtraPoint::TrueNode, 123.9540239, -0.0547385},
        {ExtraPoint::MeanNode, 125.0406461, -0.0529518},
        {ExtraPoint::MeanLilith, 263.4643327, 0.1113277},
        {ExtraPoint::Chiron, 251.6176213, 0.1143070},
    };
    const PreciseEphemeris precise;
    for (const Case& c : Cases) {
        const ExtraPointAnswer answer = precise.pointAt(c.point, 2451545.0);
        ASSERT_TRUE(answer.position) << answer.refusal;
        EXPECT_LT(arcBetween(answer.position->longitude, c.longitude), ArcSecond / 10)
            << extraPointKey(c.point);
        EXPECT_NEAR(answer.position->speed, c.speed, 1e-7) << extraPointKey(c.point);
    }
}

TEST(PrecisePoints, ChironIsRefusedOutsideTheFilesAndTheNodesAreNot) {
    const PreciseEphemeris precise;
    for (const double jd : {julianDay(1799, 12, 31, 12), julianDay(1650, 1, 1, 0),
                            julianDay(2400, 1, 2, 0), julianDay(2600, 1, 1, 0)}) {
        const ExtraPointAnswer chiron = precise.pointAt(ExtraPoint::Chiron, jd);
        EXPECT_FALSE(chiron.position) << jd;
        EXPECT_EQ(chiron.refusal, ChironNeedsFilesText) << jd;
        for (const ExtraPoint point :
             {ExtraPoint::TrueNode, ExtraPoint::MeanNode, ExtraPoint::MeanLilith}) {
            const ExtraPointAnswer answer = precise.pointAt(point, jd);
            EXPECT_TRUE(answer.position) << extraPointKey(point) << " at " << jd;
            EXPECT_TRUE(answer.refusal.empty());
        }
    }
    // The first and last days inside.
    EXPECT_TRUE(precise.pointAt(ExtraPoint::Chiron, julianDay(1800, 1, 1, 12)).position);
    EXPECT_TRUE(precise.pointAt(ExtraPoint::Chiron, julianDay(2399, 12, 31, 12)).position);
    // Inside the years but without the files, the reader is told what is missing.
    const ExtraPointAnswer bare = PreciseEphemeris("/nonexistent/zodrivel-ephemeris")
                                      .pointAt(ExtraPoint::Chiron, julianDay(1990, 5, 5, 0));
    EXPECT_FALSE(bare.position);
    EXPECT_NE(bare.refusal.find("swe-basic-data"), std::string::npos) << bare.refusal;
}

// The classic model's polynomials against the library's mean node and mean apogee, every 10.1
// days from 1901 to 2050. The library's values are its own (its ELP-based mean elements with
// the full nutation, in dynamical time); the polynomials are Meeus's, with four nutation terms
// (0.5"), in universal time (Delta T up to 80 s: 0.1" for the node, 0.4" for the apogee).
// Measured: node 0.47", apogee 1.52", speeds 2.2e-5 degrees a day at worst; tolerances 1", 2"
// and 5e-5.
TEST(ClassicPoints, MeanNodeAndLilithAgreeWithTheLibraryFrom1901To2050) {
    swe_set_ephe_path(DebianEphemerisFolder);
    double worstNode = 0, worstApogee = 0, worstSpeed = 0;
    for (double jd = julianDay(1901, 1, 1, 0); jd < julianDay(2051, 1, 1, 0); jd += 10.1) {
        const double t = (jd - 2451545.0) / 36525.0;
        const PointPosition node = meanLunarNode(t);
        const PointPosition apogee = meanLunarApogee(t);
        double n[6] = {}, a[6] = {};
        char error[AS_MAXCH] = {};
        ASSERT_GE(swe_calc_ut(jd, SE_MEAN_NODE, SEFLG_SWIEPH | SEFLG_SPEED, n, error), 0);
        ASSERT_GE(swe_calc_ut(jd, SE_MEAN_APOG, SEFLG_SWIEPH | SEFLG_SPEED, a, error), 0);
        worstNode = std::max(worstNode, arcBetween(node.longitude, n[0]) / ArcSecond);
        worstApogee = std::max(worstApogee, arcBetween(apogee.longitude, a[0]) / ArcSecond);
        worstSpeed =
            std::max({worstSpeed, std::fabs(node.speed - n[3]), std::fabs(apogee.speed - a[3])});
    }
    EXPECT_LT(worstNode, 1.0);
    EXPECT_LT(worstApogee, 2.0);
    EXPECT_LT(worstSpeed, 5e-5);
    RecordProperty("worst_node_arcsec", std::to_string(worstNode));
    RecordProperty("worst_apogee_arcsec", std::to_string(worstApogee));
    std::printf("worst node %.3f\" apogee %.3f\" speed %.2e deg/day\n", worstNode, worstApogee,
                worstSpeed);
}

}  // namespace
}  // namespace zodrivel
