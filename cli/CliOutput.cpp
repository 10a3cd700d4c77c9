// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliOutput.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <utility>

#include "adapters/pdf/CairoPdf.h"
#include "adapters/pdf/CairoWheel.h"
#include "adapters/text/IcuTextFolder.h"
#include "core/entry/BirthSummary.h"
#include "core/model/Zodiac.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportWriter.h"
#include "core/report/RtfWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/texts/PointReadings.h"
#include "core/texts/TransitReadings.h"
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

}  // namespace

std::string formatTable(const ChartDescription& d) {
    std::string out = "Chart of " + d.name + "\n\n";
    out += "  Born     " + d.birthAsEntered + "\n";
    if (d.place) out += "  City     " + placeText(*d.place) + "\n";
    const ZoneDescription& zone = d.zone;
    if (zone.source == ZoneSource::TimeZone) {
        out += "  Zone     " + zone.zoneId + " (from the time-zone history)\n";
    } else {
        out +=
            "  Zone     " + zone.rowText + (zone.daylightSaving ? ", daylight saving" : "") + "\n";
    }
    out += "  Offset   " + formatOffset(zone.offsetSeconds) + " " + zone.abbreviation +
           (zone.source == ZoneSource::Row && !zone.zoneId.empty() ? ", for " + zone.zoneId : "") +
           "\n";
    out += "  Place    " + d.coordinates + "\n";
    out += "  Used     " + d.universalTime + "\n";
    if (zone.note) out += "  Note     " + *zone.note + "\n";
    out += "  Model    " + d.modelTitle + "\n";
    if (d.houseSystemLine) out += "  Houses   " + *d.houseSystemLine + "\n";
    if (!d.points.empty()) out += "  Node     " + d.nodeTitle + "\n";
    for (const std::string& note : d.notes) out += "  Note     " + note + "\n";
    out += "\nPositions\n";
    for (const PointDescription& body : d.positions) {
        const double longitude = body.point.longitude;
        char decimal[64];
        std::snprintf(decimal, sizeof decimal, "%10.4f %+9.4f\u00B0/day", longitude,
                      body.point.speed);
        std::string house;
        if (d.hasHouses()) house = "  house " + std::to_string(body.point.house);
        out += "  " + padRight(pointName(body.point.id), 9) +
               padRight(formatSignPosition(longitude), 19) + decimal + house + "\n";
    }
    // The points after Pluto, in the bodies' columns; "Node" short like "Asc" and "MC".
    for (const PointDescription& point : d.points) {
        char decimal[64];
        std::snprintf(decimal, sizeof decimal, "%10.4f %+9.4f\u00B0/day", point.point.longitude,
                      point.point.speed);
        std::string house;
        if (d.hasHouses()) house = "  house " + std::to_string(point.point.house);
        const std::string_view label =
            point.point.id == PointId::NorthNode ? "Node" : pointName(point.point.id);
        out += "  " + padRight(label, 9) + padRight(formatSignPosition(point.point.longitude), 19) +
               decimal + house + "\n";
    }
    if (d.hasHouses()) {
        for (const PointDescription& angle : d.angles) {
            const double longitude = angle.point.longitude;
            char decimal[32];
            std::snprintf(decimal, sizeof decimal, "%10.4f", longitude);
            out += "  " + padRight(angle.point.id == PointId::Ascendant ? "Asc" : "MC", 9) +
                   padRight(formatSignPosition(longitude), 19) + decimal + "\n";
        }
        out += "\nHouses\n";
        for (int house = 0; house < 12; ++house) {
            const double cusp = d.houses->cusps[house];
            char number[8];
            std::snprintf(number, sizeof number, "%2d", house + 1);
            char decimal[32];
            std::snprintf(decimal, sizeof decimal, "%10.4f", cusp);
            out += "  " + std::string(number) + "       " + padRight(formatSignPosition(cusp), 19) +
                   decimal + "\n";
        }
    }
    out += "\nAspects\n";
    if (d.aspects.empty()) out += "  none\n";
    for (const Aspect& aspect : d.aspects) {
        out += "  " + padRight(aspectHeading(aspect.hit), 40) +
               padRight(std::to_string(std::abs(aspect.hit.separation)) + "\u00B0", 6) + "orb " +
               padRight(formatOrb(aspect.detail.orb), 8) + std::string(motionText(aspect.detail)) +
               "\n";
    }
    if (!d.pointAspects.empty()) {
        out += "\nAspects to the points and angles\n";
        for (const Aspect& aspect : d.pointAspects) {
            out += "  " + padRight(aspectHeading(aspect.hit), 46) +
                   padRight(std::to_string(std::abs(aspect.hit.separation)) + "\u00B0", 6) +
                   "orb " + padRight(formatOrb(aspect.detail.orb), 8) +
                   std::string(motionText(aspect.detail)) + "\n";
        }
    }
    out += "\nPatterns\n";
    if (d.patterns.empty()) out += "  none\n";
    for (const PatternDescription& pattern : d.patterns) {
        std::string bodies;
        for (const std::string& body : pattern.bodies) {
            bodies += (bodies.empty() ? "" : ", ") + body;
        }
        std::string shaped;
        if (pattern.apex) shaped = ", apex " + *pattern.apex;
        if (pattern.sign) shaped = ", in " + *pattern.sign;
        out += "  " + padRight(pattern.name, 18) + bodies + shaped + "\n";
    }
    return out;
}

namespace {

ReportOptions withCapitals(const ChartDescription& d, ReportOptions options) {
    options.name = capitalsOf(d.name);
    return options;
}

}  // namespace

std::string formatReport(const ChartDescription& d, const ReportOptions& options) {
    ReportOptions plain = withCapitals(d, options);
    plain.wheel = false;
    return plainReportText(buildReport(d, englishTexts(), plain));
}

std::string formatRtf(const ChartDescription& d, const ReportOptions& options) {
    const ReportOptions rich = withCapitals(d, options);
    RtfPage page;
    page.headerName = rich.name;
    constexpr double WheelSidePt = 340;
    page.wheelSidePt = WheelSidePt;
    // 150 pixels an inch on paper: sharp when printed, some 400 kB in the file.
    page.wheelPng = cairoWheelPng(d, static_cast<int>(WheelSidePt / 72 * 150));
    return toRtf(buildReport(d, englishTexts(), rich), ReportTabStopsPt, page);
}

std::string formatPdf(const ChartDescription& d, const ReportOptions& options) {
    const ReportOptions rich = withCapitals(d, options);
    return cairoPdf(buildReport(d, englishTexts(), rich), rich.name, {}, &d);
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string csvHeader() {
    std::string header = "name,universal_date";
    for (int slot = 0; slot < BodyCount; ++slot) {
        header += ',';
        header += pointName(bodyOfSlot(slot));
    }
    return header + ",aspects,error";
}

std::string csvLine(const ChartDescription& chart) {
    // Room for the ten longitudes and a full list of aspects: the line is built in place.
    std::string line;
    line.reserve(1024);
    appendCsvLine(line, chart);
    return line;
}

void appendCsvLine(std::string& line, const ChartDescription& d) {
    line += csvField(d.name);
    line += ',';
    line += isoUniversalDate(d.instant);
    for (const PointDescription& body : d.positions) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, body.point.longitude).ptr;
        line += ',';
        line.append(buffer, static_cast<std::size_t>(end - buffer));
    }
    line += ',';
    bool first = true;
    for (const Aspect& aspect : d.aspects) {
        if (!first) line += ';';
        first = false;
        line += aspectKindName(aspect.hit.kind);
        line += ':';
        line += pointName(aspect.hit.first);
        line += '-';
        line += pointName(aspect.hit.second);
    }
    line += ',';
}

std::string formatTextsJson() {
    nlohmann::ordered_json table = nlohmann::ordered_json::array();
    for (const AspectKind kind : AllAspectKinds) {
        for (int first = 0; first < BodyCount; ++first) {
            for (int second = 0; second < BodyCount; ++second) {
                if (first == second) continue;
                table.push_back({{"kind", aspectKindName(kind)},
                                 {"first", pointName(bodyOfSlot(first))},
                                 {"second", pointName(bodyOfSlot(second))},
                                 {"text", aspectText(kind, first, second)}});
            }
        }
    }
    // The readings of the points and angles with each body, then of the patterns.
    for (const KeyedReading& reading : pointReadings()) {
        table.push_back({{"kind", "Point"},
                         {"family", readingFamilyName(reading.family)},
                         {"first", pointName(reading.first)},
                         {"second", pointName(reading.second)},
                         {"text", reading.text}});
    }
    for (const PatternReading& reading : patternReadings()) {
        std::string shaped;
        if (reading.variant) {
            shaped = reading.kind == PatternKind::Stellium
                         ? std::string(signName(*reading.variant))
                         : std::string(pointName(bodyOfSlot(*reading.variant)));
        }
        table.push_back({{"kind", "Pattern"},
                         {"first", patternKindName(reading.kind)},
                         {"second", shaped},
                         {"text", reading.text}});
    }
    // The transits' readings, by moving body, natal point and family of aspects.
    for (const KeyedReading& reading : transitReadings()) {
        table.push_back({{"kind", "Transit"},
                         {"family", readingFamilyName(reading.family)},
                         {"first", pointName(reading.first)},
                         {"second", pointName(reading.second)},
                         {"text", reading.text}});
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
