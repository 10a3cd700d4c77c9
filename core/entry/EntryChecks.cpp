// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/entry/EntryChecks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/entry/NameLetters.h"
#include "core/model/Text.h"
#include "core/time/TimeZones.h"

namespace zodrivel {

namespace {

constexpr char32_t Backspace = 8;
constexpr char32_t Enter = 13;
constexpr char32_t Blank = 32;
constexpr char32_t RightSingleQuote = 0x2019;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A list or box text converted the way Proceed stores it: blanks around digits are tolerated;
// anything else, or a value beyond 16 bits, does not convert.
std::optional<std::int16_t> toInt16(std::string_view text) {
    const std::string_view t = trim(text);
    std::string_view digits = t;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int value = 0;
    const auto* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ec != std::errc{} || ptr != end) return std::nullopt;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

void storeIfNumber(std::int16_t& field, std::string_view text) {
    if (const auto value = toInt16(text)) field = *value;
}

// A coordinate box passes only when the number Proceed stores from it is the number checked:
// the text must convert the way storeIfNumber converts it, and lie in 0..maximum. Reading a
// number from the start of the text instead let "+-170" pass as 0 and be stored as -170, and
// "12abc" or "1e2" pass while the field kept its previous value.
bool outOfRange(std::string_view text, int maximum) {
    const auto value = toInt16(text);
    return !value || *value < 0 || *value > maximum;
}

bool degreesFail(std::string_view text, int maximum) { return outOfRange(text, maximum); }

bool minutesFail(std::string_view text) { return outOfRange(text, 59); }

template <typename Filter>
TextFilterResult filterWhole(std::string_view pasted, Filter filter) {
    TextFilterResult result{true, {}, std::nullopt};
    // Bytes that are not UTF-8 stand for a character no filter lets through.
    const std::u32string characters = decodeUtf8(pasted).value_or(std::u32string{0xFFFD});
    for (const char32_t character : characters) {
        // Enter and backspace are keys. In a text they are stray control characters, not
        // edits: dropping them read "1\b9" as 19, so they refuse the text like any other.
        const bool key = character == Enter || character == Backspace;
        const KeyFilterResult filtered = filter(key ? char32_t{0xFFFD} : character);
        if (filtered.verdict == FilterVerdict::Rejected) return {false, {}, filtered.message};
        appendUtf8(result.text, filtered.character);
    }
    return result;
}

}  // namespace

KeyFilterResult digitFilter(char32_t typed) {
    if ((typed >= U'0' && typed <= U'9') || typed == Backspace) {
        return {FilterVerdict::Accepted, typed, std::nullopt};
    }
    return {FilterVerdict::Rejected, typed, messages::OnlyNumbers};
}

KeyFilterResult letterFilter(char32_t typed) {
    if (isNameLetter(typed)) {
        const char32_t upper = upperCase(typed);
        if (upper != typed) return {FilterVerdict::Converted, upper, std::nullopt};
        return {FilterVerdict::Accepted, typed, std::nullopt};
    }
    // Names carry hyphens and apostrophes (Anne-Marie, O'Brien), typed or typographic.
    if (typed == Blank || typed == Enter || typed == Backspace || typed == U'-' || typed == U'\'' ||
        typed == RightSingleQuote) {
        return {FilterVerdict::Accepted, typed, std::nullopt};
    }
    return {FilterVerdict::Rejected, typed, messages::OnlyLetters};
}

TextFilterResult digitFilterText(std::string_view pasted) {
    return filterWhole(pasted, digitFilter);
}

TextFilterResult letterFilterText(std::string_view pasted) {
    return filterWhole(pasted, letterFilter);
}

std::string_view controlName(EntryControl control) {
    switch (control) {
        case EntryControl::Name: return "txtName";
        case EntryControl::LonDegrees: return "txtLonD";
        case EntryControl::LonMinutes: return "txtLonM";
        case EntryControl::LatDegrees: return "txtLatD";
        case EntryControl::LatMinutes: return "txtLatM";
        case EntryControl::None: break;
    }
    return {};
}

ValidationResult validateEntries(const EntryTexts& entries) {
    const auto fail = [](Message message, EntryControl focus) {
        return ValidationResult{false, message, focus};
    };
    if (trim(entries.name).empty()) return fail(messages::EnterName, EntryControl::Name);
    if (degreesFail(entries.lonDegrees, 179)) {
        return fail(messages::LonDegrees, EntryControl::LonDegrees);
    }
    if (minutesFail(entries.lonMinutes))
        return fail(messages::LonMinutes, EntryControl::LonMinutes);
    if (degreesFail(entries.latDegrees, 89)) {
        return fail(messages::LatDegrees, EntryControl::LatDegrees);
    }
    if (minutesFail(entries.latMinutes))
        return fail(messages::LatMinutes, EntryControl::LatMinutes);

    // The lists hold 1..31 and 1901..2050 in order, so a day's list position is day - 1.
    constexpr int February = 1;
    const int year = toInt16(entries.year).value_or(0);
    const int dayPosition = toInt16(entries.day).value_or(1) - 1;
    const int lastFebruaryPosition = year % 4 == 0 ? 28 : 27;
    if (entries.monthPosition == February && dayPosition > lastFebruaryPosition) {
        return fail(messages::FebruaryDate, EntryControl::None);
    }
    const int month = entries.monthPosition;
    const bool thirtyDays = month == 3 || month == 5 || month == 8 || month == 10;
    if (thirtyDays && dayPosition == 30) return fail(messages::ThirtyDayMonth, EntryControl::None);
    return {};
}

LookupResult coordinateLookup(std::string_view city, std::string_view state,
                              std::string_view country) {
    if (city.empty()) return {messages::EnterCity, "txtMCity", {}};
    if (state.empty()) return {messages::EnterState, "txtMState", {}};
    if (country.empty()) return {messages::EnterCountry, "txtMCountry", {}};
    std::string text;
    text.append(city).append(" ").append(state).append(" ").append(country);
    text.append(" Latitude Longitude");
    return {std::nullopt, {}, std::move(text)};
}

std::string urlEncode(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                isDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(Hex[byte >> 4]);
            out.push_back(Hex[byte & 0x0F]);
        }
    }
    return out;
}

DegreesMinutes roundedToMinute(double degrees) {
    const long minutes = std::lround(std::fabs(degrees) * 60);
    return {static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

namespace {

// The place's coordinate when the boxes hold exactly its rounding, on its side of the equator
// or of Greenwich.
std::optional<double> placeCoordinate(double placeDegrees, const std::string& degrees,
                                      const std::string& minutes, bool negativeSide) {
    const DegreesMinutes shown = roundedToMinute(placeDegrees);
    const auto value = [](const std::string& text) {
        return text.empty() || !std::all_of(text.begin(), text.end(), isDigit) || text.size() > 4
                   ? -1
                   : std::stoi(text);
    };
    if (value(degrees) != shown.degrees || value(minutes) != shown.minutes) return std::nullopt;
    if (shown != DegreesMinutes{} && (placeDegrees < 0) != negativeSide) return std::nullopt;
    return placeDegrees;
}

}  // namespace

ProceedRecord fillBirthData(const EntryTexts& entries, const ProceedRecord& previous) {
    ProceedRecord record = previous;
    BirthData& b = record.birth;
    b.birthName = entries.name;
    if (const auto zone = zoneCorrectionAt(entries.zonePosition)) {
        record.zone = *zone;
        record.zonePosition = entries.zonePosition;
    }
    if (entries.monthPosition >= 0 && entries.monthPosition < 12) {
        b.birthMonth = static_cast<std::int16_t>(entries.monthPosition + 1);
    }
    storeIfNumber(b.birthDay, entries.day);
    storeIfNumber(b.birthYear, entries.year);
    storeIfNumber(b.birthHour, entries.hour);
    storeIfNumber(b.birthMinute, entries.minute);
    storeIfNumber(b.birthSecond, entries.second);
    b.zoneHours = static_cast<std::int16_t>(std::abs(record.zone.zoneCorrectionHours));
    b.zoneMinutes = static_cast<std::int16_t>(std::abs(record.zone.zoneCorrectionMinutes));
    storeIfNumber(b.lonDegrees, entries.lonDegrees);
    storeIfNumber(b.lonMinutes, entries.lonMinutes);
    storeIfNumber(b.latDegrees, entries.latDegrees);
    storeIfNumber(b.latMinutes, entries.latMinutes);
    b.isEast = entries.east;
    b.isSouth = entries.south;
    b.isDaylightSaving = entries.daylightSaving;
    b.place = entries.place;
    b.exactEastLongitude = entries.exactEastLongitude;
    b.exactNorthLatitude = entries.exactNorthLatitude;
    if (entries.place && !b.exactEastLongitude) {
        b.exactEastLongitude = placeCoordinate(entries.place->longitude, entries.lonDegrees,
                                               entries.lonMinutes, !entries.east);
    }
    if (entries.place && !b.exactNorthLatitude) {
        b.exactNorthLatitude = placeCoordinate(entries.place->latitude, entries.latDegrees,
                                               entries.latMinutes, entries.south);
    }
    b.zoneId = entries.zoneId;
    if (entries.zoneOffsetSeconds) {
        b.zoneSource = ZoneSource::TimeZone;
        b.utcOffsetSeconds = *entries.zoneOffsetSeconds;
        b.zoneAbbreviation = entries.zoneAbbreviation;
    } else {
        b.zoneSource = ZoneSource::Row;
        b.utcOffsetSeconds = rowOffsetSeconds(record.zone, b.isDaylightSaving);
        b.zoneAbbreviation = entries.zoneAbbreviation.empty()
                                 ? std::string(zoneAbbreviation(record.zonePosition))
                                 : entries.zoneAbbreviation;
    }
    return record;
}

}  // namespace zodrivel
