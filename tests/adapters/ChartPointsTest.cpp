// SPDX-License-Identifier: AGPL-3.0-or-later
// A chart's points beyond the ten bodies, as the calculation puts them together from both
// models: their order and houses, which node each model gives and what it says it cannot give,
// the aspects of the points and angles against an independent measure of the arc, and the
// documented ten-body list untouched by any of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/aspects/PointOrbs.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MeanLunarPoints.h"

namespace zodrivel {
namespace {

struct Birth {
    int year, month, day, hour, minute;
    double latitude, eastLongitude;
};

// Universal-time births 1901..2050 at latitudes from the tropics to the polar circle's edge.
constexpr Birth Births[] = {
    {1901, 1, 1, 0, 0, 51.5, -0.1},    {1929, 10, 24, 14, 5, 40.7, -74.0},
    {1945, 5, 8, 23, 1, -33.9, 151.2}, {1969, 7, 20, 20, 17, 28.6, 77.2},
    {1976, 7, 4, 14, 30, 40.7, -74.0}, {1995, 4, 19, 2, 3, 64.1, -21.9},
    {2003, 6, 4, 20, 0, -23.5, -46.6}, {2050, 12, 31, 23, 59, 1.3, 103.8},
};

ProceedRecord recordOf(const Birth& b) {
    ProceedRecord r;
    r.birth.birthName = "Test";
    r.birth.birthYear = static_cast<std::int16_t>(b.year);
    r.birth.birthMonth = static_cast<std::int16_t>(b.month);
    r.birth.birthDay = static_cast<std::int16_t>(b.day);
    r.birth.birthHour = static_cast<std::int16_t>(b.hour);
    r.birth.birthMinute = static_cast<std::int16_t>(b.minute);
    r.birth.exactNorthLatitude = b.latitude;
    r.birth.exactEastLongitude = b.eastLongitude;
    return r;
}

struct Sources {
    ClassicEphemeris classic;
    PreciseEphemeris precise;
    SwissHouseCalculator houses;
    ClassicExtraPoints classicPoints;
    SkySources sky{&classic, &precise, &houses, &classicPoints, &precise};
};

// The house a longitude lies in, counted from the cusps as arcs (cusp i to cusp i+1, across
// 0 Aries where it must), independently of houseOf.
int houseByArcs(double longitude, const std::array<double, 12>& cusps) {
    for (int i = 0; i < 12; ++i) {
        const double span = std::fmod(cusps[(i + 1) % 12] - cusps[i] + 720.0, 360.0);
        const double from = std::fmod(longitude - cusps[i] + 720.0, 360.0);
        if (from < span) return i + 1;
    }
    return 0;
}

OrbPoint orbPointOf(PointId id) {
    switch (id) {
        case PointId::NorthNode: return OrbPoint::NorthNode;
        case PointId::Lilith: return OrbPoint::Lilith;
        case PointId::Chiron: return OrbPoint::Chiron;
        case PointId::Ascendant: return OrbPoint::Ascendant;
        default: return OrbPoint::Midheaven;
    }
}

TEST(ChartPoints, FollowPlutoInOrderWithHousesAndLeaveTheTenBodiesAsTheyWere) {
    const Sources s;
    for (const Birth& birth : Births) {
        for (const SkyModel model : {SkyModel::Classic, SkyModel::Precise}) {
            const ChartChoice choice{model, HouseSystem::Placidus, NodeKind::True};
            const Chart c = calculate(recordOf(birth), s.sky, choice);
            // Chiron only where the precise model has its files, which cover every birth year.
            std::vector<PointId> expected;
            for (int slot = 0; slot < BodyCount; ++slot) expected.push_back(bodyOfSlot(slot));
            expected.push_back(PointId::NorthNode);
            expected.push_back(PointId::Lilith);
            if (model == SkyModel::Precise) expected.push_back(PointId::Chiron);
            std::vector<PointId> got;
            for (const ChartPoint& p : c.points) got.push_back(p.id);
            ASSERT_EQ(got, expected) << birth.year << " " << skyModelName(model);
            EXPECT_EQ(c.bodies().size(), std::size_t{BodyCount});
            ASSERT_TRUE(c.houses);
            for (const ChartPoint& p : c.extraPoints()) {
                EXPECT_EQ(p.house, houseByArcs(p.longitude, c.houses->cusps))
                    << pointName(p.id) << " " << birth.year;
            }
            // The ten bodies, their aspects and patterns are those of a chart without the points.
            const Chart bare = calculate(recordOf(birth), s.sky.ephemeris(model), s.sky.houses,
                                         HouseSystem::Placidus);
            EXPECT_TRUE(std::equal(c.bodies().begin(), c.bodies().end(), bare.points.begin(),
                                   bare.points.end()));
            EXPECT_EQ(c.aspects, bare.aspects);
            EXPECT_EQ(c.patterns, bare.patterns);
            EXPECT_EQ(c.choice(), choice);
        }
    }
}

TEST(ChartPoints, ClassicGivesTheMeanNodeAndNoChironAndSaysSoOnce) {
    const Sources s;
    const ProceedRecord r = recordOf(Births[4]);
    const Chart classicTrue = calculate(r, s.sky, {SkyModel::Classic, HouseSystem::Placidus});
    const Chart classicMean =
        calculate(r, s.sky, {SkyModel::Classic, HouseSystem::Placidus, NodeKind::Mean});
    const Chart preciseTrue = calculate(r, s.sky, {SkyModel::Precise, HouseSystem::Placidus});
    const Chart preciseMean =
        calculate(r, s.sky, {SkyModel::Precise, HouseSystem::Placidus, NodeKind::Mean});

    // Asked for the true node, the classic model gives its mean node and says both things it
    // cannot do, each once; asked for the mean node, only Chiron.
    EXPECT_EQ(classicTrue.node, NodeKind::Mean);
    EXPECT_EQ(classicTrue.nodeAsked, NodeKind::True);
    EXPECT_EQ(classicTrue.find(PointId::NorthNode), classicMean.find(PointId::NorthNode));
    EXPECT_EQ(classicTrue.notes, (std::vector<std::string>{std::string(TrueNodePreciseOnlyText),
                                                           std::string(ChironPreciseOnlyText)}));
    EXPECT_EQ(classicMean.notes, std::vector<std::string>{std::string(ChironPreciseOnlyText)});
    EXPECT_FALSE(classicTrue.find(PointId::Chiron));
    EXPECT_TRUE(preciseTrue.notes.empty());
    EXPECT_TRUE(preciseTrue.find(PointId::Chiron));
    EXPECT_EQ(preciseTrue.node, NodeKind::True);

    // The two models' mean nodes come from different theories (Meeus's polynomial, the
    // library's own): within 0.01 degrees of each other. The true node swings about the mean
    // one by at most 1.75 degrees (the amplitude of its main perturbation term, 1.4979 degrees,
    // plus the smaller ones), and both move backwards on average.
    const ChartPoint classicNode = *classicMean.find(PointId::NorthNode);
    const ChartPoint meanNode = *preciseMean.find(PointId::NorthNode);
    const ChartPoint trueNode = *preciseTrue.find(PointId::NorthNode);
    EXPECT_LT(std::fabs(signedArc(classicNode.longitude - meanNode.longitude)), 0.01);
    EXPECT_LT(std::fabs(signedArc(trueNode.longitude - meanNode.longitude)), 1.75);
    EXPECT_NE(trueNode.longitude, meanNode.longitude);
    EXPECT_NEAR(meanNode.speed, -0.05295, 0.0001);  // 360 degrees in 18.61 years
    EXPECT_LT(std::fabs(signedArc(classicMean.find(PointId::Lilith)->longitude -
                                  preciseMean.find(PointId::Lilith)->longitude)),
              0.01);
}

// Every pair of an extra point or angle and a body is listed exactly when the shorter arc
// between them lies within the point's orb of a kind's exact angle, with that orb, once, in the
// order of the points and then of the bodies.
TEST(ChartPoints, AspectsToThePointsAndAnglesAreExactlyThoseWithinTheirOrbs) {
    const Sources s;
    int listed = 0;
    for (const Birth& birth : Births) {
        const Chart c = calculate(recordOf(birth), s.sky, {SkyModel::Precise, HouseSystem::Koch});
        std::vector<ChartPoint> points(c.extraPoints().begin(), c.extraPoints().end());
        for (const ChartPoint& angle : c.angles()) points.push_back(angle);
        std::vector<std::pair<PointId, PointId>> expected;
        for (const ChartPoint& point : points) {
            const OrbPoint orbPoint = orbPointOf(point.id);
            for (const ChartPoint& body : c.bodies()) {
                double arc = std::fmod(std::fabs(point.longitude - body.longitude), 360.0);
                if (arc > 180) arc = 360 - arc;
                for (const AspectKind kind : AllAspectKinds) {
                    const double fromExact = std::fabs(arc - exactAngle(kind));
                    if (fromExact <= pointOrb(orbPoint, kind)) {
                        expected.emplace_back(point.id, body.id);
                        const auto it = std::find_if(c.pointAspects.begin(), c.pointAspects.end(),
                                                     [&](const Aspect& a) {
                            return a.hit.first == point.id && a.hit.second == body.id;
                        });
                        ASSERT_NE(it, c.pointAspects.end());
                        EXPECT_EQ(it->hit.kind, kind);
                        EXPECT_NEAR(it->detail.orb, fromExact, 1e-9);
                    }
                }
            }
        }
        std::vector<std::pair<PointId, PointId>> got;
        for (const Aspect& a : c.pointAspects) got.emplace_back(a.hit.first, a.hit.second);
        EXPECT_EQ(got, expected) << birth.year;
        listed += static_cast<int>(got.size());
    }
    EXPECT_GT(listed, 40);  // the births do have aspects to their points
}

}  // namespace
}  // namespace zodrivel
