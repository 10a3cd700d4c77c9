// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliOutput.h"

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "core/entry/BirthSummary.h"
#include "core/model/Zodiac.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportWriter.h"
#include "core/report/RtfWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/time/TimeZones.h"

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

}  // namespace

std::string formatTable(const Calculation& c) {
    const BirthData& b = c.birth;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", b.birthHour, b.birthMinute);
    std::string out = "Chart of " + b.birthName + "\n\n";
    out += "  Born     " + formatDate(b.birthYear, b.birthMonth, b.birthDay) + " " + clock +
           " local time\n";
    out += "  Zone     " + std::string(zoneTable()[c.zonePosition].text) +
           (b.isDaylightSaving ? ", daylight saving" : "") + "\n";
    out += "  Place    " + formatCoordinates(b) + "\n";
    out += "  Used     " + formatUniversalTime(c.instant.universal) + "\n";
    if (const auto note = plausibilityNote(b, c.zonePosition)) out += "  Note     " + *note + "\n";
    out += "\nPositions\n";
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        const double longitude = c.chart.longitudes[slot];
        char decimal[32];
        std::snprintf(decimal, sizeof decimal, "%10.4f", longitude);
        out += "  " + padRight(c.chart.names[slot], 9) +
               padRight(formatSignPosition(longitude), 19) + decimal + "\n";
    }
    out += "\nAspects\n";
    if (c.aspects.hits.empty()) out += "  none\n";
    for (const AspectHit& hit : c.aspects.hits) {
        out += "  " + padRight(aspectHeading(hit, c.chart), 40) +
               std::to_string(std::abs(hit.separation)) + "\u00B0\n";
    }
    return out;
}

std::string formatJson(const Calculation& c, bool oneLine) {
    nlohmann::ordered_json json;
    json["name"] = c.birth.birthName;
    json["universal_time"] = c.instant.universalTime;
    json["universal_date"] = isoUniversalTime(c.instant.universal);
    json["julian_centuries"] = c.instant.julianCenturies;
    json["days_since_j2000"] = c.instant.daysSinceJ2000;
    json["positions"] = nlohmann::ordered_json::array();
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        json["positions"].push_back(
            {{"body", c.chart.names[slot]}, {"longitude", c.chart.longitudes[slot]}});
    }
    json["aspects"] = nlohmann::ordered_json::array();
    for (const AspectHit& hit : c.aspects.hits) {
        json["aspects"].push_back({{"kind", aspectKindName(hit.kind)},
                                   {"first", c.chart.names[hit.first]},
                                   {"second", c.chart.names[hit.second]},
                                   {"separation", hit.separation}});
    }
    if (oneLine) return json.dump();
    return json.dump(2) + "\n";
}

std::string formatReport(const Calculation& c) {
    const auto texts = writeAspectTexts(c.chart, c.aspects);
    std::array<std::string, AspectKindCount> plain;
    for (int k = 0; k < AspectKindCount; ++k) plain[k] = texts[k].plainText();
    return buildReportText(plain);
}

std::string formatRtf(const Calculation& c) { return toRtf(formatReport(c)); }

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
