#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>

#include "core/time/TimeZones.h"

namespace zodrivel::cli {

namespace {

bool AllDigits(std::string_view s) {
    return !s.empty() && std::ranges::all_of(s, [](char c) { return c >= '0' && c <= '9'; });
}

int ToInt(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

struct Coordinate {
    std::string degrees, minutes;
    bool secondHemisphere;  // West or South
};

// "74W00": degrees (at most `maxDegreeDigits`), one hemisphere letter, two-digit minutes.
std::variant<Coordinate, InputError> ParseCoordinate(std::string_view option,
                                                     std::string_view value, char first,
                                                     char second, std::size_t maxDegreeDigits) {
    const std::string form = std::string(option) + ": expected degrees, " + first + " or " +
                             second + ", and two-digit minutes (for example " +
                             (first == 'E' ? "74W00 or 77E12" : "40N43 or 33S52") + "), not " +
                             Quoted(value);
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
    const auto at = std::ranges::find_if(value, [&](char c) {
        return upper(c) == first || upper(c) == second;
    });
    if (at == value.end()) return InputError{form};
    const auto split = static_cast<std::size_t>(at - value.begin());
    const std::string_view degrees = value.substr(0, split);
    const std::string_view minutes = value.substr(split + 1);
    // The window's boxes take digits only, with the window's refusal.
    for (const std::string_view part : {degrees, minutes}) {
        if (const auto filtered = DigitFilterText(part); !filtered.accepted) {
            return InputError{std::string(option) + ": " + std::string(filtered.message->text)};
        }
    }
    if (degrees.empty() || degrees.size() > maxDegreeDigits || minutes.size() != 2) {
        return InputError{form};
    }
    return Coordinate{std::string(degrees), std::string(minutes), upper(*at) == second};
}

std::optional<InputError> ParseDate(std::string_view value, EntryTexts& entries) {
    const InputError form{"--date: expected YYYY-MM-DD, not " + Quoted(value)};
    if (value.size() != 10 || value[4] != '-' || value[7] != '-') return form;
    const auto year = value.substr(0, 4), month = value.substr(5, 2), day = value.substr(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) return form;
    if (ToInt(year) < 1901 || ToInt(year) > 2050) {
        return InputError{"--date: the year must lie between 1901 and 2050, not " +
                          std::string(year)};
    }
    if (ToInt(month) < 1 || ToInt(month) > 12) {
        return InputError{"--date: the month must lie between 01 and 12, not " +
                          std::string(month)};
    }
    if (ToInt(day) < 1 || ToInt(day) > 31) {
        return InputError{"--date: the day must lie between 01 and 31, not " + std::string(day)};
    }
    entries.year = std::to_string(ToInt(year));
    entries.monthPosition = ToInt(month) - 1;
    entries.day = std::to_string(ToInt(day));
    return std::nullopt;
}

std::optional<InputError> ParseTime(std::string_view value, EntryTexts& entries) {
    const InputError form{"--time: expected HH:MM or HH:MM:SS, not " + Quoted(value)};
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos) return form;
    const std::string_view hour = value.substr(0, colon);
    std::string_view rest = value.substr(colon + 1);
    std::string_view seconds;
    if (const std::size_t second = rest.find(':'); second != std::string_view::npos) {
        seconds = rest.substr(second + 1);
        rest = rest.substr(0, second);
        if (!AllDigits(seconds) || seconds.size() != 2) return form;
    }
    const std::string_view minute = rest;
    if (!AllDigits(hour) || hour.size() > 2 || !AllDigits(minute) || minute.size() != 2) {
        return form;
    }
    if (ToInt(hour) > 23) return InputError{"--time: the hour must lie between 0 and 23"};
    if (ToInt(minute) > 59) return InputError{"--time: the minute must lie between 00 and 59"};
    if (!seconds.empty() && ToInt(seconds) > 59) {
        return InputError{"--time: the seconds must lie between 00 and 59"};
    }
    // Seconds are offered by the window's list too, and read by nothing.
    entries.hour = std::to_string(ToInt(hour));
    entries.minute = std::to_string(ToInt(minute));
    return std::nullopt;
}

}  // namespace

BirthOptions ExampleBirth() {
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

std::variant<int, InputError> ResolveZone(std::string_view value) {
    const std::vector<int> rows = FindZones(value);
    if (rows.size() == 1) return rows.front();
    if (rows.empty()) {
        return InputError{"--zone: no zone is named " + Quoted(value) +
                          "; give a list position 0..70, a row text or an abbreviation "
                          "(zodrivel-cli --list-zones shows them)"};
    }
    std::string message = "--zone: " + Quoted(value) + " names more than one zone:";
    for (const int row : rows) {
        message += "\n  " + std::to_string(row) + "  " + std::string(ZoneTable()[row].text);
    }
    message += "\ngive the list position of the one you mean";
    return InputError{message};
}

std::variant<EntryTexts, InputError> BuildEntries(const BirthOptions& options) {
    EntryTexts entries;
    if (options.name) {
        const TextFilterResult name = LetterFilterText(*options.name);
        if (!name.accepted) return InputError{std::string(name.message->text)};
        entries.name = name.text;
    }
    // A missing coordinate is an empty box: the validation below names it in the window's words.
    if (options.lon) {
        auto lon = ParseCoordinate("--lon", *options.lon, 'E', 'W', 3);
        if (auto* error = std::get_if<InputError>(&lon)) return *error;
        const auto& c = std::get<Coordinate>(lon);
        entries.lonDegrees = c.degrees;
        entries.lonMinutes = c.minutes;
        entries.east = !c.secondHemisphere;
    }
    if (options.lat) {
        auto lat = ParseCoordinate("--lat", *options.lat, 'N', 'S', 2);
        if (auto* error = std::get_if<InputError>(&lat)) return *error;
        const auto& c = std::get<Coordinate>(lat);
        entries.latDegrees = c.degrees;
        entries.latMinutes = c.minutes;
        entries.south = c.secondHemisphere;
    }
    if (!options.date) return InputError{"--date is required (YYYY-MM-DD)"};
    if (auto error = ParseDate(*options.date, entries)) return *error;
    if (!options.time) return InputError{"--time is required (HH:MM or HH:MM:SS)"};
    if (auto error = ParseTime(*options.time, entries)) return *error;
    if (!options.zone) {
        return InputError{"--zone is required (a list position, row text or abbreviation)"};
    }
    auto zone = ResolveZone(*options.zone);
    if (auto* error = std::get_if<InputError>(&zone)) return *error;
    entries.zonePosition = std::get<int>(zone);
    entries.daylightSaving = options.dst;

    const ValidationResult checked = ValidateEntries(entries);
    if (!checked.ok) return InputError{std::string(checked.message->text)};
    return entries;
}

}  // namespace zodrivel::cli
