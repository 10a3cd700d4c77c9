// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliPlaces.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/model/CivilDateTime.h"

namespace zodrivel::cli {

namespace {

std::string placeLine(const Place& place) {
    std::string line = place.name;
    if (!place.division.empty()) line += ", " + place.division;
    if (!place.country.empty()) line += ", " + place.country;
    return line;
}

std::string localTimeText(const EntryTexts& e) {
    char text[40];
    std::snprintf(text, sizeof text, "%s-%02d-%02d %02d:%02d", e.year.c_str(), e.monthPosition + 1,
                  std::stoi(e.day), std::stoi(e.hour), std::stoi(e.minute));
    return text;
}

std::string readingText(const ZoneOffset& offset) {
    return formatOffset(offset.offsetSeconds) + " " + offset.abbreviation +
           (offset.daylight ? " (daylight time)" : " (standard time)");
}

}  // namespace

std::variant<Place, InputError> resolvePlace(std::string_view option, std::string_view text,
                                             const Atlas& atlas) {
    const std::vector<Place> found = atlas.search(text, 1);
    if (!found.empty()) return found.front();
    std::string message = std::string(option) + ": no place is named " + quoteForMessage(text);
    const std::vector<Place> near = atlas.nearMatches(text, 5);
    if (!near.empty()) {
        message += "; perhaps:";
        for (const Place& place : near) message += "\n  " + placeLine(place);
    }
    return InputError{message};
}

std::string longitudeText(const Place& place) {
    const auto [degrees, minutes] = roundedToMinute(place.longitude);
    return std::to_string(degrees) + (place.longitude < 0 ? "W" : "E") + (minutes < 10 ? "0" : "") +
           std::to_string(minutes);
}

std::string latitudeText(const Place& place) {
    const auto [degrees, minutes] = roundedToMinute(place.latitude);
    return std::to_string(degrees) + (place.latitude < 0 ? "S" : "N") + (minutes < 10 ? "0" : "") +
           std::to_string(minutes);
}

std::optional<InputError> applyTimeZone(std::string_view option, std::string_view zoneId,
                                        DaylightChoice choice, const ZoneHistory& history,
                                        EntryTexts& entries) {
    const CivilDateTime local{std::stoi(entries.year), entries.monthPosition + 1,
                              std::stoi(entries.day), std::stoi(entries.hour),
                              std::stoi(entries.minute)};
    const ZoneDecision decision = decideZone(history, zoneId, local, choice);
    const LocalTimeReading& reading = decision.reading;
    const std::string named = std::string(option) + ": ";
    const std::string when = std::string(zoneId) + " " + localTimeText(entries);
    switch (decision.verdict) {
        case ZoneVerdict::UnknownZone: {
            std::string message = named + "no time zone is named " + quoteForMessage(zoneId);
            const std::vector<std::string> near = nearZoneIds(zoneId, history.zoneIds());
            if (!near.empty()) {
                message += "; perhaps:";
                for (const std::string& id : near) message += "\n  " + id;
            }
            return InputError{message};
        }
        case ZoneVerdict::NeedsChoice:
            if (reading.kind == LocalTimeKind::Nonexistent) {
                return InputError{named + "the local time " + when +
                                  " did not exist: the clocks went forward from " +
                                  formatOffset(reading.first.offsetSeconds) + " to " +
                                  formatOffset(reading.second.offsetSeconds) +
                                  " over it; check the time of birth, or give --dst or --no-dst "
                                  "for the clocks it was read on"};
            }
            return InputError{named + "the local time " + when +
                              " happened twice: the clocks went back from " +
                              readingText(reading.first) + " to " + readingText(reading.second) +
                              "; give --dst for the first or --no-dst for the second"};
        case ZoneVerdict::Contradicted:
            return InputError{named + when + " was " + readingText(decision.offset) + "; leave " +
                              (choice == DaylightChoice::Daylight ? "--dst" : "--no-dst") +
                              " out, the zone's history gives the offset"};
        case ZoneVerdict::Settled: break;
    }
    entries.zoneId = std::string(zoneId);
    entries.zoneOffsetSeconds = decision.offset.offsetSeconds;
    entries.zoneAbbreviation = decision.offset.abbreviation;
    entries.daylightSaving = decision.offset.daylight;
    return std::nullopt;
}

std::string formatPlaces(const std::vector<Place>& places, bool json) {
    if (json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const Place& p : places) {
            array.push_back({{"name", p.name},
                             {"division", p.division},
                             {"country", p.country},
                             {"country_code", p.countryCode},
                             {"latitude", p.latitude},
                             {"longitude", p.longitude},
                             {"timezone", p.zoneId},
                             {"population", p.population}});
        }
        return array.dump(2) + "\n";
    }
    std::string out;
    for (const Place& p : places) {
        char coordinates[48];
        std::snprintf(coordinates, sizeof coordinates, "%9.4f %10.4f", p.latitude, p.longitude);
        out +=
            placeLine(p) + " (" + p.countryCode + ")\n    " + coordinates + "  " + p.zoneId + "\n";
    }
    return out;
}

}  // namespace zodrivel::cli
