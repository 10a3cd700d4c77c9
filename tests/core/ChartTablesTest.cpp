// SPDX-License-Identifier: AGPL-3.0-or-later
// The balance of elements and modes and the aspect grid, from charts placed by hand: the counts
// follow from the signs as an astrologer reads them off, not from the code's arithmetic.

#include <gtest/gtest.h>

#include <set>

#include "Points.h"
#include "core/description/ChartTables.h"

namespace zodrivel {
namespace {

using P = PointId;

PointDescription at(P id, double longitude) {
    return {{id, longitude, 1.0, 0}, signDegreeOf(longitude), false};
}

TEST(ChartTables, ElementsAndModesCountEachBodyOnceBySign) {
    // Sun 29°59' Aries (the sign's last minute), Moon Taurus, Mercury Aries, Venus Pisces,
    // Mars Leo, Jupiter Sagittarius, Saturn Capricorn, Uranus Libra, Neptune Scorpio,
    // Pluto Virgo.
    const std::vector<PointDescription> bodies{
        at(P::Sun, 29.99),   at(P::Moon, 45),     at(P::Mercury, 0),  at(P::Venus, 359.5),
        at(P::Mars, 130),    at(P::Jupiter, 250), at(P::Saturn, 275), at(P::Uranus, 190),
        at(P::Neptune, 220), at(P::Pluto, 170)};
    const ElementBalance balance = balanceOf(bodies);
    using V = std::vector<P>;
    EXPECT_EQ(balance.byElement[0], (V{P::Sun, P::Mercury, P::Mars, P::Jupiter}));  // fire
    EXPECT_EQ(balance.byElement[1], (V{P::Moon, P::Saturn, P::Pluto}));             // earth
    EXPECT_EQ(balance.byElement[2], (V{P::Uranus}));                                // air
    EXPECT_EQ(balance.byElement[3], (V{P::Venus, P::Neptune}));                     // water
    EXPECT_EQ(balance.byMode[0], (V{P::Sun, P::Mercury, P::Saturn, P::Uranus}));    // cardinal
    EXPECT_EQ(balance.byMode[1], (V{P::Moon, P::Mars, P::Neptune}));                // fixed
    EXPECT_EQ(balance.byMode[2], (V{P::Venus, P::Jupiter, P::Pluto}));              // mutable

    // Every sign is one pair of element and mode, and no two signs share one.
    std::set<std::pair<Element, Mode>> pairs;
    for (int sign = 0; sign < 12; ++sign) pairs.insert({elementOf(sign), modeOf(sign)});
    EXPECT_EQ(pairs.size(), 12u);
    EXPECT_EQ(elementOf(3), Element::Water);  // Cancer
    EXPECT_EQ(modeOf(10), Mode::Fixed);       // Aquarius
}

TEST(ChartTables, TheGridIsSymmetricEmptyOnItsDiagonalAndKeepsATwiceFoundPairsTighterOrb) {
    // Sun 0°, Moon 90°24' (square), Mars 180° (opposite the Sun, square the Moon); the other
    // bodies anywhere.
    ChartPoints chart;
    const double longitudes[BodyCount] = {0, 90.4, 215, 307, 180, 17, 343, 113, 268, 158};
    for (int slot = 0; slot < BodyCount; ++slot) chart.longitudes[slot] = longitudes[slot];
    const AspectGrid grid = aspectGridOf(testing::chartAspects(chart));
    const auto kind = [&](P a, P b) -> std::optional<AspectKind> {
        const auto& cell = grid.cells[indexOf(a)][indexOf(b)];
        return cell ? std::optional(cell->hit.kind) : std::nullopt;
    };
    EXPECT_EQ(kind(P::Sun, P::Moon), AspectKind::Square);
    EXPECT_EQ(kind(P::Moon, P::Sun), AspectKind::Square);
    EXPECT_EQ(kind(P::Sun, P::Mars), AspectKind::Opposition);
    EXPECT_EQ(kind(P::Mars, P::Moon), AspectKind::Square);
    for (int slot = 0; slot < BodyCount; ++slot) EXPECT_FALSE(grid.cells[slot][slot]);
    for (int a = 0; a < BodyCount; ++a) {
        for (int b = 0; b < BodyCount; ++b) {
            EXPECT_EQ(grid.cells[a][b].has_value(), grid.cells[b][a].has_value()) << a << b;
        }
    }
    // The orb of the square: 0°24' from exact (a tolerance of a thousandth of a degree covers
    // the sum's rounding).
    EXPECT_NEAR(grid.cells[0][1]->detail.orb, 0.4, 1e-3);

    const auto aspect = [](P first, P second, double orb) {
        return Aspect{{AspectKind::Trine, first, second, 120}, {120, orb, false}};
    };
    const AspectGrid twice =
        aspectGridOf({aspect(P::Venus, P::Saturn, 2.5), aspect(P::Saturn, P::Venus, 0.5),
                      aspect(P::Venus, P::Saturn, 1.5), aspect(P::Ascendant, P::Venus, 0.1)});
    EXPECT_DOUBLE_EQ(twice.cells[indexOf(P::Venus)][indexOf(P::Saturn)]->detail.orb, 0.5);
    EXPECT_DOUBLE_EQ(twice.cells[indexOf(P::Saturn)][indexOf(P::Venus)]->detail.orb, 0.5);
    int filled = 0;
    for (const auto& row : twice.cells) {
        for (const auto& cell : row) filled += cell.has_value();
    }
    EXPECT_EQ(filled, 2) << "an angle's aspect is not a cell of the bodies' grid";
}

}  // namespace
}  // namespace zodrivel
