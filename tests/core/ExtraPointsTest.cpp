// SPDX-License-Identifier: AGPL-3.0-or-later
// The classic model's mean node and Lilith against Meeus's worked examples, their geometry and
// speeds, and its refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MeanLunarPoints.h"
#include "core/model/Angles.h"

namespace zodrivel {
namespace {

constexpr double ArcSecond = 1.0 / 3600.0;

TEST(MeanLunarPoints, MatchMeeussWorkedExamples) {
    // Example 22.a (1987 April 10, 0h TD, T = -0.127296372348): the node's mean longitude
    // 11.2531 degrees, printed to 1e-4; the nutation in longitude -3.788" from the full series,
    // which the four terms kept reach within 0.5" (Meeus's figure for them).
    const double t22 = -0.127296372348;
    EXPECT_NEAR(meanLunarNode(t22).longitude - nutationInLongitude(t22), 11.2531, 0.6e-4);
    EXPECT_NEAR(nutationInLongitude(t22) / ArcSecond, -3.788, 0.5);
    // Example 47.a (1992 April 12, 0h TD, T = -0.077221081451): L' = 134.290182 and
    // M' = 5.150833 degrees, printed to 1e-6, so the mean perigee is at 129.139349 and the
    // apogee opposite.
    const double t47 = -0.077221081451;
    EXPECT_NEAR(signedArc(meanApogeeOrbitalLongitude(t47) - 309.139349), 0.0, 2e-6);
}

TEST(MeanLunarPoints, LilithLiesOverTheOrbitalApogee) {
    // Brought from the orbit (inclined i = 5.145 degrees) onto the ecliptic, a longitude moves
    // by at most arcsin(tan^2(i/2)), 0.11583 degrees, and not at all at the node or 90 degrees
    // from it.
    double worst = 0;
    for (double t = -0.99; t <= 0.51; t += 0.0007) {
        const double shift = signedArc(meanLunarApogee(t).longitude - nutationInLongitude(t) -
                                       meanApogeeOrbitalLongitude(t));
        worst = std::max(worst, std::fabs(shift));
        const double fromNode = wrapDegrees(meanApogeeOrbitalLongitude(t) -
                                            (meanLunarNode(t).longitude - nutationInLongitude(t)));
        if (std::fabs(std::remainder(fromNode, 90.0)) < 0.05) {
            EXPECT_LT(std::fabs(shift), 2e-4) << t;
        }
    }
    EXPECT_LT(worst, 0.11584);
    EXPECT_GT(worst, 0.1150);  // the sweep comes near 45 degrees from the node
}

TEST(MeanLunarPoints, SpeedsAreTheRatesOfTheirLongitudes) {
    // The node regresses once in 6798.4 days (18.61 years, the Moon's nodal period), to 0.1%.
    // Each speed against its own longitude an hour either side, to 1e-7 degrees a day: the
    // nutation's rate (up to 1.7e-5) included.
    constexpr double Hour = 1.0 / 24.0 / 36525.0;  // Julian centuries
    for (double t = -0.99; t <= 0.51; t += 0.0513) {
        EXPECT_NEAR(360.0 / meanLunarNode(t).speed, -6798.4, 6.8) << t;
        for (const auto point : {&meanLunarNode, &meanLunarApogee}) {
            const double rate =
                signedArc(point(t + Hour).longitude - point(t - Hour).longitude) / (2.0 / 24.0);
            EXPECT_NEAR(point(t).speed, rate, 1e-7) << t;
        }
    }
}

TEST(ClassicExtraPoints, AnswerTheMeanPointsAndRefuseTheOthers) {
    BirthInstant instant;
    instant.daysSinceJ2000 = 0;
    const ClassicExtraPoints classic;
    const ExtraPointAnswer node = classic.point(ExtraPoint::MeanNode, instant);
    ASSERT_TRUE(node.position);
    EXPECT_EQ(node.position, meanLunarNode(0.0));
    EXPECT_EQ(node.source, EphemerisSource::Formulas);
    EXPECT_EQ(classic.point(ExtraPoint::MeanLilith, instant).position, meanLunarApogee(0.0));
    const ExtraPointAnswer chiron = classic.point(ExtraPoint::Chiron, instant);
    EXPECT_FALSE(chiron.position);
    EXPECT_EQ(chiron.refusal, ChironPreciseOnlyText);
    const ExtraPointAnswer trueNode = classic.point(ExtraPoint::TrueNode, instant);
    EXPECT_FALSE(trueNode.position);
    EXPECT_EQ(trueNode.refusal, TrueNodePreciseOnlyText);
}

}  // namespace
}  // namespace zodrivel
