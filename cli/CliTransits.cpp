// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliTransits.h"

#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "adapters/pdf/CairoPdf.h"
#include "cli/ChartJson.h"
#include "cli/CliOutput.h"
#include "core/description/ChartDescription.h"
#include "core/report/ReportDocument.h"
#include "core/report/RtfWriter.h"
#include "core/time/Calendar.h"
#include "core/time/UniversalTime.h"
#include "core/transits/TransitCalendar.h"
#include "core/transits/TransitReport.h"

namespace zodrivel::cli {

namespace {

InputError error(std::string message) { return {std::move(message)}; }

bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

int number(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// A date YYYY-MM-DD of the served years: its Julian day at 0h, or the error.
std::variant<double, InputError> readDate(std::string_view text) {
    const std::string shown = quoteForMessage(text);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !allDigits(text.substr(0, 4)) ||
        !allDigits(text.substr(5, 2)) || !allDigits(text.substr(8, 2))) {
        return error("--transits: " + shown + " is no date of the form YYYY-MM-DD");
    }
    const int year = number(text.substr(0, 4)), month = number(text.substr(5, 2)),
              day = number(text.substr(8, 2));
    if (month < 1 || month > 12 || day < 1 ||
        civilFromDays(daysFromCivil(year, month, day)).day != day) {
        return error("--transits: " + shown + " is no day of the calendar");
    }
    if (year < TransitFirstYear || year > TransitLastYear) {
        return error("--transits: the dates must lie between " + std::to_string(TransitFirstYear) +
                     " and " + std::to_string(TransitLastYear) + ", not " + shown);
    }
    return julianDayAtMidnight(year, month, day);
}

std::optional<PointId> bodyNamed(std::string_view name) {
    for (int slot = 0; slot < BodyCount; ++slot) {
        if (pointName(bodyOfSlot(slot)) == name) return bodyOfSlot(slot);
    }
    return std::nullopt;
}

std::vector<std::string_view> splitList(std::string_view text) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t comma = text.find(',');
        std::string_view part = text.substr(0, comma);
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        parts.push_back(part);
        if (comma == std::string_view::npos) return parts;
        text.remove_prefix(comma + 1);
    }
}

std::string bodyList() {
    std::string list;
    for (int slot = 0; slot < BodyCount; ++slot) {
        if (slot > 0) list += ", ";
        list += pointName(bodyOfSlot(slot));
    }
    return list;
}

std::string orbText(double orb) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", orb);
    return text;
}

std::string readable(double julianDay) {
    const std::string iso = isoUtc(julianDay);
    return iso.substr(0, 10) + " " + iso.substr(11, 5);
}

std::string table(const ChartDescription& chart, const std::vector<Transit>& transits,
                  const TransitRequest& request) {
    std::string out = "Transits to the chart of " + chart.name + ", " +
                      isoUtc(request.fromJulianDay).substr(0, 10) + " to " +
                      isoUtc(request.toJulianDay - 0.5).substr(0, 10) + " (UT)\n\n";
    if (transits.empty()) return out + "  none\n";
    char line[160];
    std::snprintf(line, sizeof line, "  %-34s %-16s  %-16s  %s\n", "Transit", "Enters", "Leaves",
                  "Exact");
    out += line;
    for (const Transit& t : transits) {
        std::string exact;
        for (std::size_t i = 0; i < t.exact.size(); ++i) {
            if (i > 0) exact += ", ";
            exact += readable(t.exact[i]);
        }
        std::snprintf(line, sizeof line, "  %-34s %-16s  %-16s  ", transitTitle(t).c_str(),
                      t.enters ? readable(*t.enters).c_str() : "before",
                      t.leaves ? readable(*t.leaves).c_str() : "after");
        out += line + exact + "\n";
    }
    return out;
}

std::string json(const ChartDescription& chart, const std::vector<Transit>& transits) {
    nlohmann::ordered_json all;
    // The natal chart exactly as the chart's own JSON writes it.
    all["natal"] = nlohmann::ordered_json::parse(chartJson(chart));
    all["transits"] = nlohmann::ordered_json::array();
    for (const Transit& t : transits) {
        nlohmann::ordered_json exact = nlohmann::ordered_json::array();
        for (const double jd : t.exact) exact.push_back(isoUtc(jd));
        nlohmann::ordered_json entry;
        entry["transiting"] = pointName(t.transiting);
        entry["natal"] = pointName(t.natal);
        entry["kind"] = aspectKindName(t.kind);
        entry["exact"] = exact;
        entry["enters"] = t.enters ? nlohmann::ordered_json(isoUtc(*t.enters)) : nullptr;
        entry["leaves"] = t.leaves ? nlohmann::ordered_json(isoUtc(*t.leaves)) : nullptr;
        entry["orb"] = t.orb;
        all["transits"].push_back(std::move(entry));
    }
    return all.dump(2) + "\n";
}

std::string csv(const std::vector<Transit>& transits) {
    std::string out = "transiting,natal,kind,enters,exact,leaves,orb\n";
    for (const Transit& t : transits) {
        std::string exact;
        for (std::size_t i = 0; i < t.exact.size(); ++i) {
            if (i > 0) exact += ';';
            exact += isoUtc(t.exact[i]);
        }
        out += csvField(pointName(t.transiting)) + "," + csvField(pointName(t.natal)) + "," +
               std::string(aspectKindName(t.kind)) + "," + (t.enters ? isoUtc(*t.enters) : "") +
               "," + exact + "," + (t.leaves ? isoUtc(*t.leaves) : "") + "," + orbText(t.orb) +
               "\n";
    }
    return out;
}

}  // namespace

std::variant<TransitRequest, InputError> transitRequest(const TransitOptions& options) {
    TransitRequest request;
    const std::string_view range = options.range ? *options.range : std::string_view();
    const std::size_t slash = range.find('/');
    if (slash == std::string_view::npos || range.find('/', slash + 1) != std::string_view::npos) {
        return error(
            "--transits: give the range as two dates FROM/TO (2027-01-01/2027-12-31), "
            "not " +
            quoteForMessage(range));
    }
    auto from = readDate(range.substr(0, slash));
    if (auto* e = std::get_if<InputError>(&from)) return *e;
    auto to = readDate(range.substr(slash + 1));
    if (auto* e = std::get_if<InputError>(&to)) return *e;
    request.fromJulianDay = std::get<double>(from);
    request.toJulianDay = std::get<double>(to) + 1;  // both days included
    if (request.toJulianDay <= request.fromJulianDay) {
        return error("--transits: the range ends (" + std::string(range.substr(slash + 1)) +
                     ") before it begins (" + std::string(range.substr(0, slash)) + ")");
    }

    if (options.transiting) {
        for (const std::string_view name : splitList(*options.transiting)) {
            const auto body = bodyNamed(name);
            if (!body) {
                return error("--transiting: " + quoteForMessage(name) + " is none of the bodies (" +
                             bodyList() + ")");
            }
            request.transiting.push_back(*body);
        }
    } else {
        for (int slot = 0; slot < BodyCount; ++slot) {
            if (bodyOfSlot(slot) != PointId::Moon) request.transiting.push_back(bodyOfSlot(slot));
        }
    }

    for (const std::string& given : options.orbs) {
        for (const std::string_view item : splitList(given)) {
            const std::size_t equals = item.find('=');
            const auto body =
                equals == std::string_view::npos ? std::nullopt : bodyNamed(item.substr(0, equals));
            double orb = 0;
            const std::string_view value =
                equals == std::string_view::npos ? std::string_view() : item.substr(equals + 1);
            const auto parsed = std::from_chars(value.data(), value.data() + value.size(), orb);
            if (!body || value.empty() || parsed.ec != std::errc() ||
                parsed.ptr != value.data() + value.size()) {
                return error("--transit-orb: give BODY=DEGREES (Saturn=1.5), not " +
                             quoteForMessage(item));
            }
            if (!(orb > 0 && orb <= MaxTransitOrb)) {
                return error("--transit-orb: an orb lies above 0 and at most " +
                             orbText(MaxTransitOrb) + " degrees, not " + quoteForMessage(value));
            }
            request.orbs[static_cast<std::size_t>(indexOf(*body))] = orb;
        }
    }
    return request;
}

std::string formatTransits(const Chart& natal, const std::vector<Transit>& transits,
                           const TransitRequest& request, const std::string& format,
                           double stampJulianDay) {
    const ChartDescription described = describeChart(natal);
    if (format == "json") return json(described, transits);
    if (format == "csv") return csv(transits);
    if (format == "ics") {
        TransitCalendarInfo info;
        info.name = described.name;
        info.birthKey = isoUniversalDate(natal.instant) + " " + described.coordinates;
        info.stampJulianDay = stampJulianDay;
        info.fromJulianDay = request.fromJulianDay;
        info.toJulianDay = request.toJulianDay;
        return transitCalendar(transits, info);
    }
    if (format == "report" || format == "rtf" || format == "pdf") {
        const RichTextDocument report =
            buildTransitReport(described, transits, request.fromJulianDay, request.toJulianDay);
        if (format == "rtf") return toRtf(report, ReportTabStopsPt);
        if (format == "pdf") return cairoPdf(report, described.name);
        return plainReportText(report);
    }
    return table(described, transits, request);
}

}  // namespace zodrivel::cli
