// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart's JSON is written directly, for speed, but must read exactly as the JSON library
// would print the same object: single runs and batches have always promised that text. The
// expected text here is built with the library from the chart's own fields.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>

#include "adapters/ephemeris/SwissEphemeris.h"
#include "cli/ChartJson.h"
#include "core/calculation/Calculation.h"
#include "core/entry/BirthSummary.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/ephemeris/MeanLunarPoints.h"
#include "core/model/Zodiac.h"
#include "core/time/TimeZones.h"

namespace zodrivel {
namespace {

using Json = nlohmann::ordered_json;

Json libraryJson(const Chart& c) {
    Json json;
    json["name"] = c.birth.birthName;
    json["universal_time"] = c.instant.universalTime;
    json["universal_date"] = isoUniversalDate(c.instant);
    json["julian_centuries"] = c.instant.julianCenturies;
    json["days_since_j2000"] = c.instant.daysSinceJ2000;
    json["ephemeris"] = c.model == SkyModel::Precise ? "precise" : "classic";
    const BirthData& b = c.birth;
    if (b.place) {
        json["place"] = {{"name", b.place->name},         {"division", b.place->division},
                         {"country", b.place->country},   {"country_code", b.place->countryCode},
                         {"latitude", b.place->latitude}, {"longitude", b.place->longitude},
                         {"timezone", b.place->zoneId}};
    } else {
        json["place"] = nullptr;
    }
    json["utc_offset_seconds"] = b.utcOffsetSeconds;
    json["zone_source"] = b.zoneSource == ZoneSource::TimeZone ? "timezone" : "row";
    json["zone_abbreviation"] = b.zoneAbbreviation;
    if (!b.zoneId.empty()) json["zone_id"] = b.zoneId;
    json["positions"] = Json::array();
    for (const ChartPoint& p : c.points) {
        Json position = {{"body", pointName(p.id)}, {"longitude", p.longitude}, {"speed", p.speed}};
        if (c.houses) position["house"] = p.house;
        json["positions"].push_back(position);
    }
    if (c.houses) {
        json["angles"] = {{"ascendant", c.houses->ascendant}, {"midheaven", c.houses->midheaven}};
        json["houses"] = {{"system", houseSystemName(c.houses->system)},
                          {"requested", houseSystemName(c.houses->requested)},
                          {"cusps", c.houses->cusps}};
    }
    json["aspects"] = Json::array();
    for (const Aspect& a : c.aspects) {
        json["aspects"].push_back({{"kind", aspectKindName(a.hit.kind)},
                                   {"first", pointName(a.hit.first)},
                                   {"second", pointName(a.hit.second)},
                                   {"separation", a.hit.separation},
                                   {"exact_separation", a.detail.exactSeparation},
                                   {"orb", a.detail.orb},
                                   {"applying", a.detail.applying}});
    }
    json["point_aspects"] = Json::array();
    for (const Aspect& a : c.pointAspects) {
        json["point_aspects"].push_back({{"kind", aspectKindName(a.hit.kind)},
                                         {"first", pointName(a.hit.first)},
                                         {"second", pointName(a.hit.second)},
                                         {"separation", a.hit.separation},
                                         {"exact_separation", a.detail.exactSeparation},
                                         {"orb", a.detail.orb},
                                         {"applying", a.detail.applying}});
    }
    json["patterns"] = Json::array();
    for (const AspectPattern& p : c.patterns) {
        Json pattern = {{"kind", patternKindName(p.kind)}, {"bodies", Json::array()}};
        for (const int slot : p.bodies) pattern["bodies"].push_back(pointName(bodyOfSlot(slot)));
        pattern["apex"] = p.apex ? Json(pointName(bodyOfSlot(*p.apex))) : Json(nullptr);
        if (p.sign) pattern["sign"] = signName(*p.sign);
        json["patterns"].push_back(pattern);
    }
    json["node"] = c.node == NodeKind::Mean ? "mean" : "true";
    json["notes"] = c.notes;
    return json;
}

// Births over the whole range, both models, every house system, at places of every latitude,
// with and without an atlas place whose texts hold what JSON must escape.
TEST(ChartJson, ReadsExactlyAsTheLibraryPrintsTheSameObject) {
    const ClassicEphemeris classic;
    const PreciseEphemeris precise;
    const SwissHouseCalculator houses;
    const ClassicExtraPoints classicPoints;
    const SkySources sky{&classic, &precise, &houses, &classicPoints, &precise};
    std::mt19937 random(20261208);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int n = 0; n < 400; ++n) {
        ProceedRecord r;
        BirthData& b = r.birth;
        b.birthName = n % 7 == 0 ? "ZO\u00cb \u674e" : "ADA";
        b.birthYear = static_cast<std::int16_t>(between(1901, 2050));
        b.birthMonth = static_cast<std::int16_t>(between(1, 12));
        b.birthDay = static_cast<std::int16_t>(between(1, 28));
        b.birthHour = static_cast<std::int16_t>(between(0, 23));
        b.birthMinute = static_cast<std::int16_t>(between(0, 59));
        b.lonDegrees = static_cast<std::int16_t>(between(0, 179));
        b.lonMinutes = static_cast<std::int16_t>(between(0, 59));
        b.latDegrees = static_cast<std::int16_t>(between(0, 80));
        b.isEast = n % 2 == 0;
        b.isSouth = n % 3 == 0;
        b.isDaylightSaving = n % 5 == 0;
        r.zonePosition = between(0, ZoneCount - 1);
        r.zone = *zoneCorrectionAt(r.zonePosition);
        b.utcOffsetSeconds = rowOffsetSeconds(r.zone, b.isDaylightSaving);
        b.zoneAbbreviation = std::string(zoneAbbreviation(r.zonePosition));
        if (n % 4 == 0) {
            b.zoneSource = ZoneSource::TimeZone;
            b.zoneId = "Europe/London";
            b.place = Place{"Tr\u00f8ms\u00f8 \"Nord\"\\\t",
                            "Troms og\nFinnmark",
                            "Norway",
                            "NO",
                            69.6496,
                            18.956,
                            "Europe/Oslo",
                            0};
        }
        const ChartChoice choice{n % 2 ? SkyModel::Precise : SkyModel::Classic,
                                 AllHouseSystems[static_cast<std::size_t>(n % HouseSystemCount)],
                                 n % 3 == 1 ? NodeKind::Mean : NodeKind::True};
        const Chart chart = calculate(r, sky, choice);
        const ChartDescription described = describeChart(chart);
        const Json expected = libraryJson(chart);
        ASSERT_EQ(cli::chartJson(described), expected.dump(2) + "\n") << "birth " << n;
        ASSERT_EQ(cli::chartJson(described, true), expected.dump()) << "birth " << n;
    }
}

}  // namespace
}  // namespace zodrivel
