// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "core/entry/NameLetters.h"
#include "core/model/Text.h"
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

std::string inQuotes(std::string_view s) { return quoteForMessage(s); }

// The zeros of Unicode 14's decimal digit runs (category Nd) beyond ASCII; each run holds the
// ten digits from its zero.
constexpr char32_t DigitZeros[] = {
    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,   0xC66,
    0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,  0x1810,
    0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,
    0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0,
    0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950,
    0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC,
    0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0};

bool isOtherDigit(char32_t c) {
    if (c < DigitZeros[0]) return false;  // ASCII and Latin text, the usual case, at once
    return std::ranges::any_of(DigitZeros,
                               [c](char32_t zero) { return c >= zero && c - zero < 10; });
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

struct Coordinate {
    std::string degrees, minutes;
    bool secondHemisphere;        // West or South
    std::optional<double> exact;  // unsigned degrees, when given finer than whole minutes
};

// The value of a run of digits with at most one decimal point ("87", "87.11333"); nothing
// for anything else.
std::optional<double> decimalValue(std::string_view text) {
    if (text.empty() || text.size() > 16 || text.front() == '.' || text.back() == '.') return {};
    if (std::ranges::count(text, '.') > 1) return {};
    if (!std::ranges::all_of(text, [](char c) { return c == '.' || (c >= '0' && c <= '9'); })) {
        return {};
    }
    return std::stod(std::string(text));
}

// "74W00" or "74W00:30": degrees (at most `maxDegreeDigits`), one hemisphere letter, two-digit
// minutes and optionally two-digit seconds; or "74.0061W": decimal degrees and the letter.
std::variant<Coordinate, InputError> parseCoordinate(std::string_view option,
                                                     std::string_view value, char first,
                                                     char second, std::size_t maxDegreeDigits) {
    // Written only when refused: every line of a batch passes here twice.
    const auto form = [&] {
        return InputError{
            std::string(option) + ": expected degrees, " + first + " or " + second +
            ", and two-digit minutes (for example " +
            (first == 'E' ? "74W00, 87W06:48 or 87.11333W" : "40N43, 41N52:55 or 41.88194N") +
            "), not " + inQuotes(value)};
    };
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
    const auto at = std::ranges::find_if(
        value, [&](char c) { return upper(c) == first || upper(c) == second; });
    if (at == value.end()) return form();
    const auto split = static_cast<std::size_t>(at - value.begin());
    const bool secondSide = upper(*at) == second;
    const std::string_view degrees = value.substr(0, split);
    std::string_view minutes = value.substr(split + 1);
    // Decimal degrees: the letter comes last.
    if (minutes.empty() && degrees.find('.') != std::string_view::npos) {
        const auto decimal = decimalValue(degrees);
        if (!decimal || degrees.find('.') > maxDegreeDigits) return form();
        const DegreesMinutes shown = roundedToMinute(*decimal);
        return Coordinate{std::to_string(shown.degrees), std::to_string(shown.minutes), secondSide,
                          *decimal};
    }
    std::string_view seconds;
    if (const std::size_t colon = minutes.find(':'); colon != std::string_view::npos) {
        seconds = minutes.substr(colon + 1);
        minutes = minutes.substr(0, colon);
        if (seconds.size() != 2) return form();
    }
    // The window's boxes take digits only, with the window's refusal.
    for (const std::string_view part : {degrees, minutes, seconds}) {
        if (const auto filtered = digitFilterText(part); !filtered.accepted) {
            return InputError{std::string(option) + ": " + std::string(filtered.message->text)};
        }
    }
    if (degrees.empty() || degrees.size() > maxDegreeDigits || minutes.size() != 2) {
        return form();
    }
    if (seconds.empty()) {
        return Coordinate{std::string(degrees), std::string(minutes), secondSide, std::nullopt};
    }
    if (digitsValue(seconds) > 59 || digitsValue(minutes) > 59) {
        return InputError{std::string(option) + ": minutes and seconds lie between 00 and 59"};
    }
    const double exact =
        digitsValue(degrees) + digitsValue(minutes) / 60.0 + digitsValue(seconds) / 3600.0;
    const DegreesMinutes shown = roundedToMinute(exact);
    return Coordinate{std::to_string(shown.degrees), std::to_string(shown.minutes), secondSide,
                      exact};
}

std::optional<InputError> parseDate(std::string_view value, EntryTexts& entries) {
    const auto form = [value] {
        return InputError{"--date: expected YYYY-MM-DD, not " + inQuotes(value)};
    };
    if (value.size() != 10 || value[4] != '-' || value[7] != '-') return form();
    const auto year = value.substr(0, 4), month = value.substr(5, 2), day = value.substr(8, 2);
    if (!allDigits(year) || !allDigits(month) || !allDigits(day)) return form();
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
    const auto form = [value] {
        return InputError{"--time: expected HH:MM or HH:MM:SS, not " + inQuotes(value)};
    };
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos) return form();
    const std::string_view hour = value.substr(0, colon);
    std::string_view rest = value.substr(colon + 1);
    std::string_view seconds;
    if (const std::size_t second = rest.find(':'); second != std::string_view::npos) {
        seconds = rest.substr(second + 1);
        rest = rest.substr(0, second);
        if (!allDigits(seconds) || seconds.size() != 2) return form();
    }
    const std::string_view minute = rest;
    if (!allDigits(hour) || hour.size() > 2 || !allDigits(minute) || minute.size() != 2) {
        return form();
    }
    if (digitsValue(hour) > 23) return InputError{"--time: the hour must lie between 0 and 23"};
    if (digitsValue(minute) > 59)
        return InputError{"--time: the minute must lie between 00 and 59"};
    if (!seconds.empty() && digitsValue(seconds) > 59) {
        return InputError{"--time: the seconds must lie between 00 and 59"};
    }
    // Counted by the precise model only; the documented one reads the clock to the minute.
    entries.hour = std::to_string(digitsValue(hour));
    entries.minute = std::to_string(digitsValue(minute));
    entries.second = seconds.empty() ? "0" : std::to_string(digitsValue(seconds));
    return std::nullopt;
}

}  // namespace

std::optional<InputError> checkOptionText(std::string_view option, std::string_view value) {
    // Printable ASCII, what nearly every option holds, is valid UTF-8 with no control
    // character and no digit but 0 to 9.
    if (std::ranges::all_of(value, [](char c) { return c >= 0x20 && c < 0x7F; })) {
        return std::nullopt;
    }
    const auto characters = decodeUtf8(value);
    const std::string named = std::string(option) + ": ";
    if (!characters) {
        return InputError{named + "the text is not UTF-8: " + quoteForMessage(value)};
    }
    if (std::ranges::any_of(*characters, isControl)) {
        return InputError{named + "control characters are not accepted: " + quoteForMessage(value)};
    }
    if (std::ranges::any_of(*characters, isOtherDigit)) {
        return InputError{named + "only the digits 0 to 9 are accepted: " + quoteForMessage(value)};
    }
    return std::nullopt;
}

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
    if (trim(value).empty()) {
        return InputError{
            "--zone: an empty value names no zone; give a list position 0..70, a "
            "row text or an abbreviation (zodrivel-cli --list-zones shows them)"};
    }
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
    const std::pair<const char*, const std::optional<std::string>*> texts[] = {
        {"--name", &options.name},   {"--date", &options.date}, {"--time", &options.time},
        {"--lon", &options.lon},     {"--lat", &options.lat},   {"--zone", &options.zone},
        {"--place", &options.place}, {"--tz", &options.tz}};
    for (const auto& [option, value] : texts) {
        if (!*value) continue;
        if (auto error = checkOptionText(option, **value)) return *error;
    }
    if (options.name) {
        const TextFilterResult name = letterFilterText(*options.name);
        if (!name.accepted) return InputError{"--name: " + std::string(name.message->text)};
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
        if (c.exact) entries.exactEastLongitude = c.secondHemisphere ? -*c.exact : *c.exact;
    }
    if (options.lat) {
        auto lat = parseCoordinate("--lat", *options.lat, 'N', 'S', 2);
        if (auto* error = std::get_if<InputError>(&lat)) return *error;
        const auto& c = std::get<Coordinate>(lat);
        entries.latDegrees = c.degrees;
        entries.latMinutes = c.minutes;
        entries.south = c.secondHemisphere;
        if (c.exact) entries.exactNorthLatitude = c.secondHemisphere ? -*c.exact : *c.exact;
    }
    if (!options.date) return InputError{"--date is required (YYYY-MM-DD)"};
    if (auto error = parseDate(*options.date, entries)) return *error;
    if (!options.time) return InputError{"--time is required (HH:MM or HH:MM:SS)"};
    if (auto error = parseTime(*options.time, entries)) return *error;
    if (options.zone && options.tz) {
        return InputError{"--zone and --tz both give the zone; give one of them"};
    }
    // A zone from the time-zone history is read by the caller, which has the database.
    if (!options.tz) {
        if (!options.zone) {
            return InputError{
                "--zone or --tz is required (a list position, row text or abbreviation; or a "
                "time-zone id such as Europe/London)"};
        }
        auto zone = resolveZone(*options.zone);
        if (auto* error = std::get_if<InputError>(&zone)) return *error;
        entries.zonePosition = std::get<int>(zone);
        entries.daylightSaving = options.dst;
    }

    const ValidationResult checked = validateEntries(entries);
    if (!checked.ok) return InputError{std::string(checked.message->text)};
    return entries;
}

std::variant<BirthOptions, InputError> optionsFromBirthFile(const BirthFile& birth) {
    BirthOptions options;
    options.name = birth.name;
    char date[16], time[40];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", birth.year, birth.month, birth.day);
    if (birth.second > 0) {
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", birth.hour, birth.minute, birth.second);
    } else {
        std::snprintf(time, sizeof time, "%02d:%02d", birth.hour, birth.minute);
    }
    options.date = date;
    options.time = time;
    // A box left empty stays an empty box: the checks then ask for it in the window's words.
    const auto coordinate = [](const EnteredCoordinate& c, char first,
                               char second) -> std::optional<std::string> {
        if (c.degrees.empty() || c.minutes.empty()) return std::nullopt;
        if (c.exact) {
            // Decimal degrees, the form that keeps what the file holds to 1e-9 degree.
            char text[48];
            std::snprintf(text, sizeof text, "%.9f%c", std::fabs(*c.exact),
                          *c.exact < 0 ? second : first);
            return std::string(text);
        }
        return c.degrees + (c.secondSide ? second : first) +
               (c.minutes.size() == 1 ? "0" + c.minutes : c.minutes);
    };
    options.lon = coordinate(birth.longitude, 'E', 'W');
    options.lat = coordinate(birth.latitude, 'N', 'S');
    // A row is the zone as the window's list gives it; without one the zone's history gives the
    // offset again, the recorded one telling which reading a repeated time was.
    if (birth.zone.row) {
        options.zone = std::to_string(*birth.zone.row);
        options.dst = birth.zone.daylightSaving;
    } else if (birth.zone.timezone) {
        options.tz = birth.zone.timezone;
        options.recordedOffset = birth.zone.offsetSeconds;
    } else {
        return InputError{"the file gives no zone: neither a row of the zone list nor a time zone"};
    }
    if (birth.place) {
        const BirthPlace& p = *birth.place;
        options.knownPlace = Place{p.name,     p.division,  p.country,  p.countryCode,
                                   p.latitude, p.longitude, p.timezone, 0};
    }
    return options;
}

BirthOptions overlayOptions(BirthOptions base, const BirthOptions& given, bool dstGiven) {
    for (auto field :
         {&BirthOptions::name, &BirthOptions::date, &BirthOptions::time, &BirthOptions::lon,
          &BirthOptions::lat, &BirthOptions::zone, &BirthOptions::place, &BirthOptions::tz}) {
        if (given.*field) base.*field = given.*field;
    }
    // A zone or place given beside the file replaces the file's in whole.
    if (given.place || given.lon || given.lat) base.knownPlace.reset();
    if (given.zone) base.tz.reset();
    if (given.tz) base.zone.reset();
    if (given.zone || given.tz) base.recordedOffset.reset();
    if (dstGiven) base.dst = given.dst;
    if (given.noDst) base.noDst = true;
    return base;
}

}  // namespace zodrivel::cli
