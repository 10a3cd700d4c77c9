// SPDX-License-Identifier: AGPL-3.0-or-later
// The orbs of the node, Lilith, Chiron and the angles: edges, the wrap at 0 Aries, either order,
// and two points together.

#include <gtest/gtest.h>

#include "core/aspects/PointOrbs.h"

namespace zodrivel {
namespace {

TEST(PointOrbs, AspectsCountWithinThePointsOrbOnTheShorterArc) {
    struct Row {
        double body, point;
        OrbPoint which;
        std::optional<AspectKind> kind;
        double orb;
    };
    using K = AspectKind;
    const Row rows[] = {
        {100.0, 107.5, OrbPoint::Ascendant, K::Conjunction, 7.5},  // the edge counts
        {100.0, 107.6, OrbPoint::Ascendant, std::nullopt, 0},
        {355.0, 2.0, OrbPoint::Midheaven, K::Conjunction, 7.0},  // across 0 Aries
        {355.0, 2.0, OrbPoint::NorthNode, std::nullopt, 0},      // the node's orb is 5
        {2.0, 355.0, OrbPoint::Lilith, std::nullopt, 0},
        {10.0, 185.0, OrbPoint::NorthNode, K::Opposition, 5.0},
        {185.0, 10.0, OrbPoint::Chiron, K::Opposition, 5.0},  // either order
        {0.0, 151.5, OrbPoint::Lilith, K::Quincunx, 1.5},
        {0.0, 208.4, OrbPoint::Lilith, std::nullopt, 0},  // 151.6 the short way, past 1.5
        {0.0, 31.0, OrbPoint::Chiron, K::SemiSextile, 1.0},
        {0.0, 92.9, OrbPoint::Ascendant, K::Square, 2.9},
        {0.0, 45.0, OrbPoint::Ascendant, std::nullopt, 0},
    };
    for (const Row& r : rows) {
        const auto found = pointAspect(r.body, r.point, r.which);
        if (!r.kind) {
            EXPECT_FALSE(found) << r.body << " " << r.point;
            continue;
        }
        ASSERT_TRUE(found) << r.body << " " << r.point;
        EXPECT_EQ(found->kind, *r.kind) << r.body << " " << r.point;
        EXPECT_NEAR(found->orb, r.orb, 1e-9) << r.body << " " << r.point;
    }
    // Between two points the smaller orb rules: 6 degrees is within the Ascendant's 7.5 but
    // not the node's 5.
    EXPECT_FALSE(pointAspect(10.0, OrbPoint::Ascendant, 16.0, OrbPoint::NorthNode));
    EXPECT_TRUE(pointAspect(10.0, OrbPoint::Ascendant, 16.0, OrbPoint::Midheaven));
}

}  // namespace
}  // namespace zodrivel
