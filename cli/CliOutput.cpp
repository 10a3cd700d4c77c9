// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliOutput.h"

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <utility>

#include "adapters/pdf/CairoPdf.h"
#include "core/entry/BirthSummary.h"
#include "core/model/Zodiac.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportFacts.h"
#include "core/report/ReportWriter.h"
#include "core/report/RtfWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/time/TimeZones.h"
#include "core/time/ZoneHistory.h"

namespace zodrivel::cli {

namespace {

// Pads to `width` characters on screen; the degree sign is two bytes of UTF-8 but one column.
std::string padRight(std::string_view text, std::size_t width) {
    std::size_t columns = 0;
    for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    std::string out(text);
    if (columns < width) out.append(width - columns, ' ');
    return out;
}

// "Placidus", or after a fallback the system drawn and why.
std::string houseSystemLine(const ChartHouses& houses) {
    std::string line(houseSystemTitle(houses.system));
    if (houses.fellBack()) {
        line += " (" + std::string(houseSystemTitle(houses.requested)) +
                " cannot be drawn beyond the polar circles)";
    }
    return line;
}

std::string placeText(const Place& place) {
    std::string text = place.name;
    if (!place.division.empty()) text += ", " + place.division;
    if (!place.country.empty()) text += ", " + place.country;
    return text;
}

}  // namespace

std::string formatTable(const Calculation& c) {
    const BirthData& b = c.birth;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", b.birthHour, b.birthMinute);
    std::string out = "Chart of " + b.birthName + "\n\n";
    out += "  Born     " + formatDate(b.birthYear, b.birthMonth, b.birthDay) + " " + clock +
           " local time\n";
    if (b.place) out += "  City     " + placeText(*b.place) + "\n";
    if (b.zoneSource == ZoneSource::TimeZone) {
        out += "  Zone     " + b.zoneId + " (from the time-zone history)\n";
    } else {
        out += "  Zone     " + std::string(zoneTable()[c.zonePosition].text) +
               (b.isDaylightSaving ? ", daylight saving" : "") + "\n";
    }
    out += "  Offset   " + formatOffset(b.utcOffsetSeconds) + " " + b.zoneAbbreviation +
           (b.zoneSource == ZoneSource::Row && !b.zoneId.empty() ? ", for " + b.zoneId : "") + "\n";
    out += "  Place    " + formatCoordinates(b) + "\n";
    out += "  Used     " + formatUniversalTime(c.instant.universal) + "\n";
    const auto note =
        b.zoneSource == ZoneSource::Row ? plausibilityNote(b, c.zonePosition) : std::nullopt;
    if (note) out += "  Note     " + *note + "\n";
    out += "  Model    " + std::string(ephemerisTitle(c.ephemeris)) + "\n";
    if (c.houses) out += "  Houses   " + houseSystemLine(*c.houses) + "\n";
    out += "\nPositions\n";
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        const double longitude = c.chart.longitudes[slot];
        char decimal[64];
        std::snprintf(decimal, sizeof decimal, "%10.4f %+9.4f\u00B0/day", longitude,
                      c.chart.speeds[slot]);
        std::string house;
        if (c.houses) house = "  house " + std::to_string(c.bodyHouses[slot]);
        out += "  " + padRight(c.chart.names[slot], 9) +
               padRight(formatSignPosition(longitude), 19) + decimal + house + "\n";
    }
    if (c.houses) {
        for (const auto& [name, longitude] :
             {std::pair{"Asc", c.houses->ascendant}, {"MC", c.houses->midheaven}}) {
            char decimal[32];
            std::snprintf(decimal, sizeof decimal, "%10.4f", longitude);
            out += "  " + padRight(name, 9) + padRight(formatSignPosition(longitude), 19) +
                   decimal + "\n";
        }
        out += "\nHouses\n";
        for (int house = 0; house < 12; ++house) {
            char number[8];
            std::snprintf(number, sizeof number, "%2d", house + 1);
            char decimal[32];
            std::snprintf(decimal, sizeof decimal, "%10.4f", c.houses->cusps[house]);
            out += "  " + std::string(number) + "       " +
                   padRight(formatSignPosition(c.houses->cusps[house]), 19) + decimal + "\n";
        }
    }
    out += "\nAspects\n";
    if (c.aspects.hits.empty()) out += "  none\n";
    for (std::size_t i = 0; i < c.aspects.hits.size(); ++i) {
        const AspectHit& hit = c.aspects.hits[i];
        std::string line = "  " + padRight(aspectHeading(hit, c.chart), 40) +
                           padRight(std::to_string(std::abs(hit.separation)) + "\u00B0", 6);
        if (i < c.aspectDetails.size()) {
            const AspectDetail& detail = c.aspectDetails[i];
            line += "orb " + padRight(formatOrb(detail.orb), 8) + std::string(motionText(detail));
        }
        out += line + "\n";
    }
    return out;
}

std::string formatJson(const Calculation& c, bool oneLine) {
    nlohmann::ordered_json json;
    json["name"] = c.birth.birthName;
    json["universal_time"] = c.instant.universalTime;
    json["universal_date"] = isoUniversalDate(c.instant);
    json["julian_centuries"] = c.instant.julianCenturies;
    json["days_since_j2000"] = c.instant.daysSinceJ2000;
    json["ephemeris"] = c.ephemeris;
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
    json["positions"] = nlohmann::ordered_json::array();
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        nlohmann::ordered_json position = {{"body", c.chart.names[slot]},
                                           {"longitude", c.chart.longitudes[slot]},
                                           {"speed", c.chart.speeds[slot]}};
        if (c.houses) position["house"] = c.bodyHouses[slot];
        json["positions"].push_back(std::move(position));
    }
    if (c.houses) {
        json["angles"] = {{"ascendant", c.houses->ascendant}, {"midheaven", c.houses->midheaven}};
        json["houses"] = {{"system", houseSystemName(c.houses->system)},
                          {"requested", houseSystemName(c.houses->requested)},
                          {"cusps", c.houses->cusps}};
    }
    json["aspects"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < c.aspects.hits.size(); ++i) {
        const AspectHit& hit = c.aspects.hits[i];
        nlohmann::ordered_json aspect = {{"kind", aspectKindName(hit.kind)},
                                         {"first", c.chart.names[hit.first]},
                                         {"second", c.chart.names[hit.second]},
                                         {"separation", hit.separation}};
        if (i < c.aspectDetails.size()) {
            aspect["exact_separation"] = c.aspectDetails[i].exactSeparation;
            aspect["orb"] = c.aspectDetails[i].orb;
            aspect["applying"] = c.aspectDetails[i].applying;
        }
        json["aspects"].push_back(std::move(aspect));
    }
    if (oneLine) return json.dump();
    return json.dump(2) + "\n";
}

std::string formatReport(const Calculation& c) {
    return plainReportText(buildReport(reportFactsOf(c)));
}

std::string formatRtf(const Calculation& c) {
    return toRtf(buildReport(reportFactsOf(c)), ReportTabStopsPt);
}

std::string formatPdf(const Calculation& c) {
    const ReportFacts facts = reportFactsOf(c);
    return cairoPdf(buildReport(facts), facts.name);
}

std::string formatTextsJson() {
    nlohmann::ordered_json table = nlohmann::ordered_json::array();
    for (const AspectKind kind : AllAspectKinds) {
        for (int first = 0; first < ChartPointCount; ++first) {
            for (int second = 0; second < ChartPointCount; ++second) {
                if (first == second) continue;
                table.push_back({{"kind", aspectKindName(kind)},
                                 {"first", ChartPointNameTexts[first]},
                                 {"second", ChartPointNameTexts[second]},
                                 {"text", aspectText(kind, first, second)}});
            }
        }
    }
    return table.dump(2) + "\n";
}

std::string formatZoneList() {
    std::string out;
    for (int position = 0; position < ZoneCount; ++position) {
        char number[8];
        std::snprintf(number, sizeof number, "%2d  ", position);
        out += number + std::string(zoneTable()[position].text) + "\n";
    }
    return out;
}

}  // namespace zodrivel::cli
