// SPDX-License-Identifier: AGPL-3.0-or-later
// The transit search against the library called directly. The expected exact passes are found
// here by brute force: each moving body's longitude from swe_calc_ut every 0.1 day (no speeds),
// a change of sign of its arc to each target (natal point plus a multiple of 30 degrees), then
// bisection to a hundredth of a second. Nothing of the search (its knots, stations or Newton
// steps) is used, so a pass it misses near a station, counts twice or places wrongly shows as a
// difference between the two whole sets.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <swephexp.h>
#include <tuple>
#include <vector>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "core/aspects/PointOrbs.h"
#include "core/model/Angles.h"
#include "core/time/Calendar.h"
#include "core/transits/TransitSearch.h"

namespace zodrivel {
namespace {

constexpr double Minute = 1.0 / 1440.0;  // days
constexpr int Flags = SEFLG_SWIEPH;

double julianDay(int year, int month, int day, double hour = 0) {
    return swe_julday(year, month, day, hour, SE_GREG_CAL);
}

double longitudeAt(int body, double jd) {
    double xx[6] = {};
    char error[AS_MAXCH] = {};
    swe_calc_ut(jd, body, Flags, xx, error);
    return xx[0];
}

double arc(double degrees) { return std::remainder(degrees, 360.0); }  // (-180, 180]

// A birth chart drawn here from the library: the ten bodies, the true node, Lilith and Chiron
// and, with houses, the angles (Placidus).
Chart natalChart(double jd, double latitude, double eastLongitude, bool withHouses) {
    swe_set_ephe_path(DebianEphemerisFolder);
    Chart chart;
    for (int slot = 0; slot < BodyCount; ++slot) {
        double xx[6] = {};
        char error[AS_MAXCH] = {};
        swe_calc_ut(jd, slot, Flags | SEFLG_SPEED, xx, error);
        chart.points.push_back({bodyOfSlot(slot), xx[0], xx[3], 0});
    }
    // The further points, as a chart holds them after the bodies.
    for (const auto& [id, number] :
         {std::pair{PointId::NorthNode, SE_TRUE_NODE}, std::pair{PointId::Lilith, SE_MEAN_APOG},
          std::pair{PointId::Chiron, SE_CHIRON}}) {
        double xx[6] = {};
        char error[AS_MAXCH] = {};
        swe_calc_ut(jd, number, Flags | SEFLG_SPEED, xx, error);
        chart.points.push_back({id, xx[0], xx[3], 0});
    }
    if (withHouses) {
        double cusps[13] = {}, ascmc[10] = {};
        swe_houses_ex(jd, Flags, latitude, eastLongitude, 'P', cusps, ascmc);
        ChartHouses houses;
        houses.ascendant = ascmc[0];
        houses.midheaven = ascmc[1];
        for (int i = 0; i < 12; ++i) houses.cusps[static_cast<std::size_t>(i)] = cusps[i + 1];
        chart.houses = houses;
    }
    return chart;
}

struct Pass {
    int body, natal, kind;
    double time;
    friend bool operator<(const Pass& a, const Pass& b) {
        return std::tie(a.body, a.natal, a.kind, a.time) <
               std::tie(b.body, b.natal, b.kind, b.time);
    }
};

std::vector<std::pair<PointId, double>> natalLongitudes(const Chart& chart) {
    std::vector<std::pair<PointId, double>> points;
    for (const ChartPoint& p : chart.points) points.emplace_back(p.id, p.longitude);
    for (const ChartPoint& p : chart.angles()) points.emplace_back(p.id, p.longitude);
    return points;
}

// Every exact pass of `bodies` in [from, to] by brute force.
std::vector<Pass> bruteForcePasses(const Chart& chart, const std::vector<PointId>& bodies,
                                   double from, double to) {
    constexpr double Step = 0.1;  // days
    std::vector<Pass> passes;
    const auto points = natalLongitudes(chart);
    for (const PointId body : bodies) {
        const int number = indexOf(body);
        double t0 = from;
        double l0 = longitudeAt(number, t0);
        while (t0 < to) {
            const double t1 = std::min(t0 + Step, to);
            const double l1 = longitudeAt(number, t1);
            for (const auto& [id, natal] : points) {
                for (int target = 0; target < 12; ++target) {
                    const double aim = natal + 30.0 * target;
                    const double f0 = arc(l0 - aim), f1 = arc(l1 - aim);
                    // A change of sign near the target, not across the opposite point.
                    if ((f0 < 0) == (f1 < 0) || std::fabs(f0 - f1) > 90) continue;
                    double lo = t0, hi = t1;
                    while (hi - lo > 1e-7) {
                        const double mid = 0.5 * (lo + hi);
                        if ((arc(longitudeAt(number, mid) - aim) < 0) == (f0 < 0)) {
                            lo = mid;
                        } else {
                            hi = mid;
                        }
                    }
                    passes.push_back({number, indexOf(id), std::min(target, 12 - target), lo});
                }
            }
            t0 = t1;
            l0 = l1;
        }
    }
    std::sort(passes.begin(), passes.end());
    return passes;
}

std::vector<Pass> searchedPasses(const std::vector<Transit>& transits) {
    std::vector<Pass> passes;
    for (const Transit& t : transits) {
        for (const double time : t.exact) {
            passes.push_back({indexOf(t.transiting), indexOf(t.natal), indexOf(t.kind), time});
        }
    }
    std::sort(passes.begin(), passes.end());
    return passes;
}

const std::vector<PointId> SunToPluto{PointId::Sun,    PointId::Mercury, PointId::Venus,
                                      PointId::Mars,   PointId::Jupiter, PointId::Saturn,
                                      PointId::Uranus, PointId::Neptune, PointId::Pluto};

struct Case {
    int birthYear, birthMonth, birthDay;
    double birthHour, latitude, eastLongitude;
    bool houses;
    int fromYear;  // the range is that whole year
};

// Births across 1901-2050 and years across 1901-2100, with and without angles.
constexpr Case Cases[] = {
    {1901, 6, 15, 12.0, 51.5, -0.1, true, 1901},  // the birth itself within the year
    {1937, 8, 14, 6.25, -33.9, 151.2, true, 1984},
    {1972, 3, 30, 22.5, 0, 0, false, 2027},
    {2050, 12, 31, 23.9, 64.1, -21.9, true, 2100},
};

// Every exact pass agrees with the brute-force set within a minute, none missing, none extra;
// each transit's passes lie within its stay in orb, and that stay begins and ends at the orb.
TEST(TransitSearch, ExactPassesMatchTheLibraryOverWholeYears) {
    const PreciseEphemeris sky;
    bool sawTriplePass = false;
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.fromYear);
        const Chart chart =
            natalChart(julianDay(c.birthYear, c.birthMonth, c.birthDay, c.birthHour), c.latitude,
                       c.eastLongitude, c.houses);
        TransitRequest request;
        request.fromJulianDay = julianDay(c.fromYear, 1, 1);
        request.toJulianDay = julianDay(c.fromYear + 1, 1, 1);
        request.transiting = SunToPluto;
        const auto transits = findTransits(chart, request, sky);
        const auto found = searchedPasses(transits);
        const auto expected =
            bruteForcePasses(chart, SunToPluto, request.fromJulianDay, request.toJulianDay);
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            ASSERT_EQ(std::tie(found[i].body, found[i].natal, found[i].kind),
                      std::tie(expected[i].body, expected[i].natal, expected[i].kind));
            EXPECT_NEAR(found[i].time, expected[i].time, Minute) << i;
        }
        const auto points = natalLongitudes(chart);
        for (const Transit& t : transits) {
            sawTriplePass = sawTriplePass || t.exact.size() == 3;
            const int body = indexOf(t.transiting);
            const double natal = std::find_if(points.begin(), points.end(), [&](const auto& p) {
                                     return p.first == t.natal;
                                 })->second;
            const auto offAngle = [&](double jd) {
                const double separation = std::fabs(arc(longitudeAt(body, jd) - natal));
                return std::fabs(separation - exactAngle(t.kind));
            };
            // The passes of one transit are one retrograde loop: each against the direction of
            // the one before (the library's longitude a minute either side).
            const auto rising = [&](double jd) {
                return arc(longitudeAt(body, jd + Minute) - longitudeAt(body, jd - Minute)) > 0;
            };
            for (std::size_t i = 1; i < t.exact.size(); ++i) {
                EXPECT_NE(rising(t.exact[i]), rising(t.exact[i - 1]));
            }
            // It enters and leaves at the orb (to 1e-6 degrees: well under a second of any
            // body's motion), and stays within it from entering to its first pass and from its
            // last pass to leaving (sampled at 12 points each).
            if (t.enters) {
                EXPECT_NEAR(offAngle(*t.enters), t.orb, 1e-6);
                for (int i = 1; i < 12; ++i) {
                    ASSERT_LE(offAngle(*t.enters + (t.exact.front() - *t.enters) * i / 12), t.orb);
                }
            }
            if (t.leaves) {
                EXPECT_NEAR(offAngle(*t.leaves), t.orb, 1e-6);
                for (int i = 1; i < 12; ++i) {
                    ASSERT_LE(offAngle(t.exact.back() + (*t.leaves - t.exact.back()) * i / 12),
                              t.orb);
                }
            }
            EXPECT_LE(t.enters.value_or(request.fromJulianDay), t.exact.front());
            EXPECT_GE(t.leaves.value_or(request.toJulianDay), t.exact.back());
        }
        // In time order: by entering, or by the first pass when already within orb.
        EXPECT_TRUE(std::is_sorted(transits.begin(), transits.end(),
                                   [](const auto& a, const auto& b) {
            return a.enters.value_or(a.exact.front()) < b.enters.value_or(b.exact.front());
        }));
    }
    EXPECT_TRUE(sawTriplePass) << "no retrograde loop gave three passes in these years";
}

// The Moon, asked for, over a month: its passes match too, and cancelling from the progress
// callback stops the search with what it had found.
TEST(TransitSearch, MoonWhenAskedAndCancelling) {
    const PreciseEphemeris sky;
    const Chart chart = natalChart(julianDay(1988, 9, 23, 4.5), 40.4, -3.7, true);
    TransitRequest request;
    request.fromJulianDay = julianDay(2031, 5, 1);
    request.toJulianDay = julianDay(2031, 6, 1);
    request.transiting = {PointId::Moon};
    const auto found = searchedPasses(findTransits(chart, request, sky));
    const auto expected =
        bruteForcePasses(chart, {PointId::Moon}, request.fromJulianDay, request.toJulianDay);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].natal, expected[i].natal);
        EXPECT_NEAR(found[i].time, expected[i].time, Minute);
    }

    request.transiting = SunToPluto;
    double last = 0;
    int calls = 0;
    const auto stopped = findTransits(chart, request, sky, [&](double done) {
        EXPECT_GE(done, last);
        last = done;
        return ++calls < 3;
    });
    EXPECT_EQ(calls, 3);
    EXPECT_LT(last, 1.0);
    EXPECT_LT(stopped.size(), findTransits(chart, request, sky).size());
}

}  // namespace
}  // namespace zodrivel
