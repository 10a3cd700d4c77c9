// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>

#include "core/time/TimeZones.h"

namespace zodrivel::cli {

namespace {

bool allDigits(std::string_view s) {
    return !s.empty() && std::ranges::all_of(s, [](char c) { return c >= '0' && c <= '9'; });
}

int digitsValue(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::string inQuotes(std::string_view s) { return "'" + std::string(s) + "'"; }

struct Coordinate {
    std::string degrees, minutes;
    bool secondHemisphere;  // West or South
};

// "74W00": degrees (at most `maxDegreeDigits`), one hemisphere letter, two-digit minutes.
std::variant<Coordinate, InputError> parseCoordinate(std::string_view option,
                                                     std::string_view value, char first,
                                                     char second, std::size_t maxDegreeDigits) {
    const std::string form = std::string(option) + ": expected degrees, " + first + " or " +
                             second + ", and two-digit minutes (for example " +
                             (first == 'E' ? "74W00 or 77E12" : "40N43 or 33S52") + "), not " +
                             inQuotes(value);
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
    const auto at = std::ranges::find_if(
        value, [&](char c) { return upper(c) == first || upper(c) == second; });
    if (at == value.end()) return InputError{form};
    const auto split = static_cast<std::size_t>(at - value.begin());
    const std::string_view degrees = value.substr(0, split);
    const std::string_view minutes = value.substr(split + 1);
    // The window's boxes take digits only, with the window's refusal.
    for (const std::string_view part : {degrees, minutes}) {
        if (const auto filtered = digitFilterText(part); !filtered.accepted) {
            return InputError{std::string(option) + ": " + std::string(filtered.message->text)};
        }
    }
    if (degrees.empty() || degrees.size() > maxDegreeDigits || minutes.size() != 2) {
        return InputError{form};
    }
    return Coordinate{std::string(degrees), std::string(minutes), upper(*at) == second};
}

std::optional<InputError> parseDate(std::string_view value, EntryTexts& entries) {
    const InputError form{"--date: expected YYYY-MM-DD, not " + inQuotes(value)};
    if (value.size() != 10 || value[4] != '-' || value[7] != '-') return form;
    const auto year = value.substr(0, 4), month = value.substr(5, 2), day = value.substr(8, 2);
    if (!allDigits(year) || !allDigits(month) || !allDigits(day)) return form;
    if (digitsValue(year) < 1901 || digitsValue(year) > 2050) {
        return InputError{"--date: the year must lie between 1901 and 2050, not " +
                          std::string(year)};
    }
    if (digitsValue(month) < 1 || digitsValue(month) > 12) {
        return InputError{"--date: the month must lie between 01 and 12, not " +
                          std::string(month)};
    }
    if (digitsValue(day) < 1 || digitsValue(day) > 31) {
        return InputError{"--date: the day must lie between 01 and 31, not " + std::string(day)};
    }
    entries.year = std::to_string(digitsValue(year));
    entries.monthPosition = digitsValue(month) - 1;
    entries.day = std::to_string(digitsValue(day));
    return std::nullopt;
}

std::optional<InputError> parseTime(std::string_view value, EntryTexts& entries) {
    const InputError form{"--time: expected HH:MM or HH:MM:SS, not " + inQuotes(value)};
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos) return form;
    const std::string_view hour = value.substr(0, colon);
    std::string_view rest = value.substr(colon + 1);
    std::string_view seconds;
    if (const std::size_t second = rest.find(':'); second != std::string_view::npos) {
        seconds = rest.substr(second + 1);
        rest = rest.substr(0, second);
        if (!allDigits(seconds) || seconds.size() != 2) return form;
    }
    const std::string_view minute = rest;
    if (!allDigits(hour) || hour.size() > 2 || !allDigits(minute) || minute.size() != 2) {
        return form;
    }
    if (digitsValue(hour) > 23) return InputError{"--time: the hour must lie between 0 and 23"};
    if (digitsValue(minute) > 59)
        return InputError{"--time: the minute must lie between 00 and 59"};
    if (!seconds.empty() && digitsValue(seconds) > 59) {
        return InputError{"--time: the seconds must lie between 00 and 59"};
    }
    // Seconds are offered by the window's list too, and read by nothing.
    entries.hour = std::to_string(digitsValue(hour));
    entries.minute = std::to_string(digitsValue(minute));
    return std::nullopt;
}

}  // namespace

BirthOptions exampleBirth() {
    BirthOptions example;
    example.name = "EXAMPLE BIRTH";
    example.date = "1976-07-04";
    example.time = "10:30";
    example.lon = "74W00";
    example.lat = "40N43";
    example.zone = "EST";
    example.dst = true;
    return example;
}

std::variant<int, InputError> resolveZone(std::string_view value) {
    const std::vector<int> rows = findZones(value);
    if (rows.size() == 1) return rows.front();
    if (rows.empty()) {
        return InputError{"--zone: no zone is named " + inQuotes(value) +
                          "; give a list position 0..70, a row text or an abbreviation "
                          "(zodrivel-cli --list-zones shows them)"};
    }
    std::string message = "--zone: " + inQuotes(value) + " names more than one zone:";
    for (const int row : rows) {
        message += "\n  " + std::to_string(row) + "  " + std::string(zoneTable()[row].text);
    }
    message += "\ngive the list position of the one you mean";
    return InputError{message};
}

std::variant<EntryTexts, InputError> buildEntries(const BirthOptions& options) {
    EntryTexts entries;
    if (options.name) {
        const TextFilterResult name = letterFilterText(*options.name);
        if (!name.accepted) return InputError{std::string(name.message->text)};
        entries.name = name.text;
    }
    // A missing coordinate is an empty box: the validation below names it in the window's words.
    if (options.lon) {
        auto lon = parseCoordinate("--lon", *options.lon, 'E', 'W', 3);
        if (auto* error = std::get_if<InputError>(&lon)) return *error;
        const auto& c = std::get<Coordinate>(lon);
        entries.lonDegrees = c.degrees;
        entries.lonMinutes = c.minutes;
        entries.east = !c.secondHemisphere;
    }
    if (options.lat) {
        auto lat = parseCoordinate("--lat", *options.lat, 'N', 'S', 2);
        if (auto* error = std::get_if<InputError>(&lat)) return *error;
        const auto& c = std::get<Coordinate>(lat);
        entries.latDegrees = c.degrees;
        entries.latMinutes = c.minutes;
        entries.south = c.secondHemisphere;
    }
    if (!options.date) return InputError{"--date is required (YYYY-MM-DD)"};
    if (auto error = parseDate(*options.date, entries)) return *error;
    if (!options.time) return InputError{"--time is required (HH:MM or HH:MM:SS)"};
    if (auto error = parseTime(*options.time, entries)) return *error;
    if (!options.zone) {
        return InputError{"--zone is required (a list position, row text or abbreviation)"};
    }
    auto zone = resolveZone(*options.zone);
    if (auto* error = std::get_if<InputError>(&zone)) return *error;
    entries.zonePosition = std::get<int>(zone);
    entries.daylightSaving = options.dst;

    const ValidationResult checked = validateEntries(entries);
    if (!checked.ok) return InputError{std::string(checked.message->text)};
    return entries;
}

}  // namespace zodrivel::cli
