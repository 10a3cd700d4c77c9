// SPDX-License-Identifier: AGPL-3.0-or-later
// The precise model and the house division against the library called directly, with the
// instant built here from the calendar (not through the adapter's own conversion), so a wrong
// day count, time scale, flag or body number shows; the polar fallback; and calls from several
// threads at once.

#include <gtest/gtest.h>

#include <future>
#include <swephexp.h>
#include <vector>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/model/Angles.h"

namespace zodrivel {
namespace {

constexpr double ArcSecond = 1.0 / 3600.0;
constexpr double TenthArcSecond = ArcSecond / 10;

struct Moment {
    int year, month, day, hour, minute;
};

// Twelve instants 1901..2050, universal time, spread over the seasons and the day.
constexpr Moment Moments[] = {
    {1901, 1, 1, 0, 0},    {1912, 4, 15, 2, 20}, {1929, 10, 24, 14, 5},  {1945, 5, 8, 23, 1},
    {1969, 7, 20, 20, 17}, {1976, 7, 4, 14, 30}, {1995, 4, 19, 2, 3},    {2000, 1, 1, 12, 0},
    {2003, 6, 4, 20, 0},   {2024, 2, 29, 6, 45}, {2037, 11, 30, 18, 59}, {2050, 12, 31, 23, 59},
};

// A birth recorded in universal time (zone correction 0) at the moment.
ProceedRecord birthAt(const Moment& m, double latitude = 0, double eastLongitude = 0) {
    ProceedRecord r;
    r.birth.birthName = "Test";
    r.birth.birthYear = static_cast<std::int16_t>(m.year);
    r.birth.birthMonth = static_cast<std::int16_t>(m.month);
    r.birth.birthDay = static_cast<std::int16_t>(m.day);
    r.birth.birthHour = static_cast<std::int16_t>(m.hour);
    r.birth.birthMinute = static_cast<std::int16_t>(m.minute);
    const double lat = std::fabs(latitude), lon = std::fabs(eastLongitude);
    r.birth.latDegrees = static_cast<std::int16_t>(lat);
    r.birth.latMinutes = static_cast<std::int16_t>(std::lround((lat - std::floor(lat)) * 60));
    r.birth.isSouth = latitude < 0;
    r.birth.lonDegrees = static_cast<std::int16_t>(lon);
    r.birth.lonMinutes = static_cast<std::int16_t>(std::lround((lon - std::floor(lon)) * 60));
    r.birth.isEast = eastLongitude > 0;
    return r;
}

double julianDay(const Moment& m) {
    return swe_julday(m.year, m.month, m.day, m.hour + m.minute / 60.0, SE_GREG_CAL);
}

double arcBetween(double a, double b) { return std::fabs(signedArc(a - b)); }

// The library asked directly for the files at the same instant; the flags it returns must say
// the files answered, so a missing package fails here instead of passing on the fallback.
TEST(PreciseEphemeris, AgreesWithTheFilesToATenthOfAnArcSecondAtTwelveDates) {
    const PreciseEphemeris precise;
    swe_set_ephe_path(DebianEphemerisFolder);
    for (const Moment& m : Moments) {
        const Chart c = calculate(birthAt(m), precise);
        EXPECT_EQ(c.model, SkyModel::Precise);
        EXPECT_EQ(precise.chartAt(julianDay(m)).source, EphemerisSource::DataFiles) << m.year;
        for (int body = 0; body < ChartPointCount; ++body) {
            double direct[6] = {};
            char error[AS_MAXCH] = {};
            const int flags =
                swe_calc_ut(julianDay(m), body, SEFLG_SWIEPH | SEFLG_SPEED, direct, error);
            ASSERT_GE(flags, 0) << error;
            ASSERT_TRUE(flags & SEFLG_SWIEPH) << "files missing: " << error;
            const ChartPoint& point = c.points[static_cast<std::size_t>(body)];
            EXPECT_LT(arcBetween(point.longitude, direct[0]), TenthArcSecond)
                << m.year << " body " << body;
            EXPECT_NEAR(point.speed, direct[3], 1e-6) << m.year << " body " << body;
            EXPECT_GE(point.longitude, 0.0);
            EXPECT_LT(point.longitude, 360.0);
        }
    }
}

TEST(PreciseEphemeris, MatchesFixedValuesFromTheFilesAtJ2000) {
    // Printed once by a ten-line C program calling swe_calc_ut(2451545.0, body,
    // SEFLG_SWIEPH | SEFLG_SPEED) with swe_set_ephe_path("/usr/share/libswe/ephe"), libswe
    // 2.10.03 and swe-basic-data 4.0-20221111 (flags 258: files and speed). Seven decimals of a
    // degree are 0.00036", far inside the tolerance. Unlike the test above, these do not move
    // when the library or the files change.
    const PreciseChart chart = PreciseEphemeris{}.chartAt(2451545.0);
    EXPECT_EQ(chart.source, EphemerisSource::DataFiles);
    EXPECT_LT(arcBetween(chart.points.longitudes[SunSlot], 280.3689187), TenthArcSecond);
    EXPECT_LT(arcBetween(chart.points.longitudes[MoonSlot], 223.3237512), TenthArcSecond);
    EXPECT_LT(arcBetween(chart.points.longitudes[MercurySlot], 271.8892770), TenthArcSecond);
    EXPECT_LT(arcBetween(chart.points.longitudes[PlutoSlot], 251.4547772), TenthArcSecond);
    EXPECT_NEAR(chart.points.speeds[MoonSlot], 12.0213038, 1e-6);
}

TEST(PreciseEphemeris, WithoutTheFilesFallsBackToTheAnalyticalModeAndSaysSo) {
    // The adapter's earlier behaviour, kept for a machine without the files: the analytical
    // mode as the library gives it, within an arc second.
    const PreciseEphemeris bare("/nonexistent/zodrivel-ephemeris");
    for (const Moment& m : {Moments[0], Moments[7], Moments[11]}) {
        const PreciseChart chart = bare.chartAt(julianDay(m));
        EXPECT_EQ(chart.source, EphemerisSource::Analytical) << m.year;
        for (int body = 0; body < ChartPointCount; ++body) {
            double direct[6] = {};
            char error[AS_MAXCH] = {};
            ASSERT_GE(swe_calc_ut(julianDay(m), body, SEFLG_MOSEPH | SEFLG_SPEED, direct, error), 0)
                << error;
            EXPECT_LT(arcBetween(chart.points.longitudes[body], direct[0]), ArcSecond)
                << m.year << " body " << body;
            EXPECT_NEAR(chart.points.speeds[body], direct[3], 1e-6) << m.year << " body " << body;
        }
    }
    // Before 1800 the files do not reach either.
    EXPECT_EQ(PreciseEphemeris{}.chartAt(swe_julday(1750, 6, 1, 0, SE_GREG_CAL)).source,
              EphemerisSource::Analytical);
}

TEST(PreciseEphemeris, StaysCloseToTheClassicModel) {
    // The two models describe one sky: the classic one is within a quarter of a degree for
    // every body (Saturn, its worst, reaches about 0.2), and its speeds agree in sign and
    // size except near a station.
    const PreciseEphemeris precise;
    const ClassicEphemeris classic;
    for (const Moment& m : Moments) {
        const ProceedRecord r = birthAt(m);
        const Chart p = calculate(r, precise);
        const Chart k = calculate(r, classic);
        for (std::size_t body = 0; body < BodyCount; ++body) {
            EXPECT_LT(arcBetween(p.points[body].longitude, k.points[body].longitude), 0.25)
                << m.year << " body " << body;
            EXPECT_NEAR(p.points[body].speed, k.points[body].speed, body == 1 ? 0.3 : 0.05)
                << m.year << " body " << body;
        }
    }
}

struct Place {
    const char* name;
    double latitude, eastLongitude;
};
constexpr Place Places[] = {
    {"New York", 40.7167, -74.0}, {"Sydney", -33.8667, 151.2167}, {"Delhi", 28.6167, 77.2}};

TEST(SwissHouses, CuspsAndAnglesAgreeWithTheLibraryForThreePlacesAndTwoSystems) {
    const SwissHouseCalculator calculator;
    for (const Place& place : Places) {
        // The library's letters written out here, not taken from the adapter's own mapping.
        for (const auto& [system, letter] :
             {std::pair{HouseSystem::Placidus, 'P'}, std::pair{HouseSystem::Regiomontanus, 'R'}}) {
            for (const Moment& m : {Moments[5], Moments[9]}) {
                const ProceedRecord r = birthAt(m, place.latitude, place.eastLongitude);
                const Chart c = calculate(r, ClassicEphemeris{}, &calculator, system);
                ASSERT_TRUE(c.houses);
                EXPECT_FALSE(c.houses->fellBack());
                // The record keeps whole arc minutes; the direct call takes the same place.
                const double lat = northLatitude(r.birth), lon = eastLongitude(r.birth);
                double cusps[13] = {}, angles[10] = {};
                ASSERT_GE(
                    swe_houses_ex(julianDay(m), SEFLG_SWIEPH, lat, lon, letter, cusps, angles), 0);
                for (int house = 0; house < 12; ++house) {
                    EXPECT_LT(arcBetween(c.houses->cusps[house], cusps[house + 1]), TenthArcSecond)
                        << place.name << " house " << house + 1;
                }
                EXPECT_LT(arcBetween(c.houses->ascendant, angles[0]), TenthArcSecond) << place.name;
                EXPECT_LT(arcBetween(c.houses->midheaven, angles[1]), TenthArcSecond) << place.name;
                // In these quadrant systems the first cusp is the Ascendant, the tenth the MC.
                EXPECT_LT(arcBetween(c.houses->cusps[0], c.houses->ascendant), 1e-9);
                EXPECT_LT(arcBetween(c.houses->cusps[9], c.houses->midheaven), 1e-9);
                for (const ChartPoint& body : c.bodies()) {
                    EXPECT_GE(body.house, 1);
                    EXPECT_LE(body.house, 12);
                }
            }
        }
    }
}

TEST(SwissHouses, MatchFixedValuesAtJ2000InLondon) {
    // Printed by the same C program: swe_houses_ex(2451545.0, SEFLG_SWIEPH, 51.5, -0.1167, 'P').
    const ChartHouses h =
        SwissHouseCalculator{}.houses(2451545.0, 51.5, -0.1167, HouseSystem::Placidus);
    EXPECT_LT(arcBetween(h.ascendant, 24.0318942), TenthArcSecond);
    EXPECT_LT(arcBetween(h.midheaven, 279.5034616), TenthArcSecond);
    EXPECT_LT(arcBetween(h.cusps[1], 61.0199739), TenthArcSecond);
    EXPECT_LT(arcBetween(h.cusps[10], 298.9282921), TenthArcSecond);
}

// Each system asks the library for its own division: the letters of the library's manual, one
// row per system, against the adapter's cusps at one place and instant.
TEST(SwissHouses, EachSystemIsTheLibrarysSystemOfItsName) {
    constexpr std::pair<HouseSystem, char> Letters[] = {
        {HouseSystem::Placidus, 'P'}, {HouseSystem::Koch, 'K'},
        {HouseSystem::Equal, 'E'},    {HouseSystem::WholeSign, 'W'},
        {HouseSystem::Porphyry, 'O'}, {HouseSystem::Regiomontanus, 'R'},
        {HouseSystem::Campanus, 'C'}};
    const SwissHouseCalculator calculator;
    const double jd = julianDay(Moments[5]);
    for (const auto& [system, letter] : Letters) {
        const ChartHouses houses = calculator.houses(jd, 40.7, -74.0, system);
        double cusps[13] = {}, angles[10] = {};
        ASSERT_GE(swe_houses_ex(jd, 0, 40.7, -74.0, letter, cusps, angles), 0) << letter;
        for (int house = 0; house < 12; ++house) {
            EXPECT_LT(arcBetween(houses.cusps[house], cusps[house + 1]), ArcSecond)
                << letter << " house " << house + 1;
        }
    }
}

TEST(SwissHouses, EqualAndWholeSignFollowTheAscendant) {
    const SwissHouseCalculator calculator;
    const ChartHouses equal =
        calculator.houses(julianDay(Moments[5]), 40.7, -74.0, HouseSystem::Equal);
    const ChartHouses whole =
        calculator.houses(julianDay(Moments[5]), 40.7, -74.0, HouseSystem::WholeSign);
    for (int house = 0; house < 12; ++house) {
        EXPECT_LT(arcBetween(equal.cusps[house], equal.ascendant + 30 * house), 1e-9);
        EXPECT_LT(
            arcBetween(whole.cusps[house], std::floor(whole.ascendant / 30) * 30 + 30 * house),
            1e-9);
    }
}

TEST(SwissHouses, PlacidusAndKochBeyondThePolarCircleFallBackToPorphyry) {
    const SwissHouseCalculator calculator;
    const double jd = julianDay(Moments[9]);
    for (const double latitude : {69.65, -78.2}) {  // Tromsø; a station in Antarctica
        for (const HouseSystem system : {HouseSystem::Placidus, HouseSystem::Koch}) {
            const ChartHouses h = calculator.houses(jd, latitude, 18.95, system);
            EXPECT_TRUE(h.fellBack()) << latitude;
            EXPECT_EQ(h.requested, system);
            EXPECT_EQ(h.system, HouseSystem::Porphyry);
            const ChartHouses porphyry =
                calculator.houses(jd, latitude, 18.95, HouseSystem::Porphyry);
            EXPECT_FALSE(porphyry.fellBack());
            EXPECT_EQ(h.cusps, porphyry.cusps);
        }
        // Systems that do not time the diurnal arc draw there as asked.
        EXPECT_FALSE(calculator.houses(jd, latitude, 18.95, HouseSystem::Regiomontanus).fellBack());
        EXPECT_FALSE(calculator.houses(jd, latitude, 18.95, HouseSystem::Equal).fellBack());
    }
    // South of the circle Placidus draws.
    EXPECT_FALSE(calculator.houses(jd, 60.0, 10.0, HouseSystem::Placidus).fellBack());
}

TEST(SwissEphemeris, ChartsComputedOnSeveralThreadsMatchOneThread) {
    // Charts are computed in parallel when birth files are read in bulk.
    const PreciseEphemeris precise;
    const SwissHouseCalculator calculator;
    const auto chartOf = [&](int i) {
        return calculate(birthAt(Moments[i % 12], 40.7 - 7 * (i % 5), -74 + 31 * (i % 7)), precise,
                         &calculator, AllHouseSystems[i % HouseSystemCount]);
    };
    std::vector<Chart> alone;
    for (int i = 0; i < 48; ++i) alone.push_back(chartOf(i));
    std::vector<std::future<std::vector<Chart>>> workers;
    for (int t = 0; t < 4; ++t) {
        workers.push_back(std::async(std::launch::async, [&, t] {
            std::vector<Chart> out;
            for (int round = 0; round < 5; ++round) {
                for (int i = t; i < 48; i += 4) out.push_back(chartOf(i));
            }
            return out;
        }));
    }
    for (int t = 0; t < 4; ++t) {
        const std::vector<Chart> out = workers[t].get();
        for (std::size_t k = 0; k < out.size(); ++k) {
            const Chart& expected = alone[t + 4 * (k % 12)];
            EXPECT_EQ(out[k].points, expected.points);
            EXPECT_EQ(out[k].houses->cusps, expected.houses->cusps);
        }
    }
}

}  // namespace
}  // namespace zodrivel
