// SPDX-License-Identifier: AGPL-3.0-or-later
// Which house holds a body, house system names, and the calculation's use of a house
// calculator: the place and instant it is asked for, and the fallback it passes on.

#include <gtest/gtest.h>

#include "Births.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"

namespace zodrivel {
namespace {

// Placidus-like unequal cusps with house 12 running across 0 Aries.
constexpr std::array<double, 12> Cusps{20, 45, 75, 110, 150, 180, 200, 225, 255, 290, 330, 350};

TEST(HouseOf, EachBodyFallsBetweenItsCuspsAcrossZeroAries) {
    EXPECT_EQ(houseOf(20.0, Cusps), 1);  // on the cusp: the house it opens
    EXPECT_EQ(houseOf(44.999, Cusps), 1);
    EXPECT_EQ(houseOf(45.0, Cusps), 2);
    EXPECT_EQ(houseOf(349.0, Cusps), 11);
    EXPECT_EQ(houseOf(355.0, Cusps), 12);
    EXPECT_EQ(houseOf(0.0, Cusps), 12);
    EXPECT_EQ(houseOf(360.0, Cusps), 12);  // the classic model can give exactly 360
    EXPECT_EQ(houseOf(19.99, Cusps), 12);
    EXPECT_EQ(houseOf(210.0, Cusps), 7);
}

TEST(HouseSystems, NamesRoundTripAndOnlyTimeDivisionsNeedRisingAndSetting) {
    // The names as files and the command line spell them and the titles as the View menu and
    // the report show them, written out here rather than read from the table under test.
    struct Row {
        HouseSystem system;
        const char* name;
        const char* title;
    };
    constexpr Row Rows[] = {
        {HouseSystem::Placidus, "placidus", "Placidus"},
        {HouseSystem::Koch, "koch", "Koch"},
        {HouseSystem::Equal, "equal", "Equal"},
        {HouseSystem::WholeSign, "whole-sign", "Whole Sign"},
        {HouseSystem::Porphyry, "porphyry", "Porphyry"},
        {HouseSystem::Regiomontanus, "regiomontanus", "Regiomontanus"},
        {HouseSystem::Campanus, "campanus", "Campanus"},
    };
    static_assert(std::size(Rows) == HouseSystemCount);
    for (const Row& row : Rows) {
        EXPECT_EQ(houseSystemName(row.system), row.name);
        EXPECT_EQ(houseSystemTitle(row.system), row.title);
        EXPECT_EQ(houseSystemFromName(row.name), row.system);
    }
    EXPECT_FALSE(houseSystemFromName("Placidus"));  // identifiers are lower case
    EXPECT_EQ(DefaultHouseSystem, HouseSystem::Placidus);
    EXPECT_TRUE(needsRisingAndSetting(HouseSystem::Placidus));
    EXPECT_TRUE(needsRisingAndSetting(HouseSystem::Koch));
    EXPECT_FALSE(needsRisingAndSetting(HouseSystem::Equal));
    EXPECT_FALSE(needsRisingAndSetting(HouseSystem::Regiomontanus));
}

// Remembers what it was asked and answers with the cusps above, as a polar fallback.
class RecordingHouses final : public HouseCalculator {
public:
    mutable double julianDay = 0, latitude = 0, longitude = 0;
    ChartHouses houses(double jd, double lat, double lon, HouseSystem system) const override {
        julianDay = jd, latitude = lat, longitude = lon;
        ChartHouses h;
        h.requested = system;
        h.system = HouseSystem::Porphyry;
        h.cusps = Cusps;
        h.ascendant = Cusps[0];
        h.midheaven = Cusps[9];
        return h;
    }
};

TEST(CalculationWithHouses, AsksForTheBirthPlaceAndInstantAndPlacesTheBodies) {
    ProceedRecord record;
    // 1990 July 15, 08:30 local, zone correction -2 (two hours east): 06:30 UT.
    record.birth = testing::birthOn(1990, 7, 15, 8, 30, 18, true);
    record.birth.lonMinutes = 30;
    record.birth.latDegrees = 69;
    record.birth.latMinutes = 39;
    record.birth.isSouth = true;
    record.zone = {-2, 0};
    const RecordingHouses houses;
    const Chart c = calculate(record, ClassicEphemeris{}, &houses, HouseSystem::Koch);
    // JD of 1990 July 15 06:30 UT: 2448087.5 + 6.5 / 24.
    EXPECT_NEAR(houses.julianDay, 2448087.5 + 6.5 / 24, 1e-9);
    EXPECT_DOUBLE_EQ(houses.latitude, -(69 + 39 / 60.0));
    EXPECT_DOUBLE_EQ(houses.longitude, 18.5);
    ASSERT_TRUE(c.houses);
    EXPECT_TRUE(c.houses->fellBack());
    EXPECT_EQ(c.houses->requested, HouseSystem::Koch);
    EXPECT_EQ(c.model, SkyModel::Classic);
    // Mercury at 126.48 lies between the cusps of 150 and 110: house 4.
    EXPECT_EQ(c.body(PointId::Mercury).house, 4);
    for (const ChartPoint& body : c.bodies()) {
        EXPECT_EQ(body.house, houseOf(body.longitude, Cusps)) << pointName(body.id);
    }
    // Without a calculator nothing is made up.
    const Chart bare = calculate(record, ClassicEphemeris{});
    EXPECT_FALSE(bare.houses);
    EXPECT_TRUE(bare.angles().empty());
    for (std::size_t i = 0; i < bare.points.size(); ++i) {
        EXPECT_EQ(bare.points[i].house, 0);
        EXPECT_EQ(bare.points[i].longitude, c.points[i].longitude);
    }
}

}  // namespace
}  // namespace zodrivel
