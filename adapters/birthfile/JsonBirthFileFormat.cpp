// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/birthfile/JsonBirthFileFormat.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>

#include "core/entry/NameLetters.h"
#include "core/time/TimeZones.h"

namespace zodrivel {

namespace {

using Json = nlohmann::ordered_json;

// A problem found while reading; caught once at the top and turned into the sentence.
struct Problem {
    std::string message;
};

std::string typeName(const Json& value) {
    switch (value.type()) {
        case Json::value_t::null: return "null";
        case Json::value_t::boolean: return "true or false";
        case Json::value_t::string: return "text";
        case Json::value_t::array: return "a list";
        case Json::value_t::object: return "an object";
        default: return "a number";
    }
}

std::string fieldName(std::string_view object, std::string_view key) {
    return "\"" +
           (object.empty() ? std::string(key) : std::string(object) + "." + std::string(key)) +
           "\"";
}

// Reads the known keys of one object and keeps the rest.
class ObjectReader {
public:
    ObjectReader(const Json& object, std::string name, std::vector<UnknownField>& unknown)
        : object_(object), name_(std::move(name)), unknown_(unknown) {}

    const Json* find(std::string_view key) {
        known_.emplace_back(key);
        const auto it = object_.find(std::string(key));
        if (it == object_.end() || it->is_null()) return nullptr;
        return &*it;
    }
    const Json& require(std::string_view key, std::string_view what) {
        const Json* value = find(key);
        if (!value)
            throw Problem{"the field " + fieldName(name_, key) + " is missing (" +
                          std::string(what) + ")"};
        return *value;
    }
    [[noreturn]] void wrongType(std::string_view key, const Json& value, std::string_view what) {
        throw Problem{"the field " + fieldName(name_, key) + " should be " + std::string(what) +
                      ", not " + typeName(value)};
    }
    [[noreturn]] void wrongValue(std::string_view key, std::string_view why) {
        throw Problem{"the field " + fieldName(name_, key) + " " + std::string(why)};
    }
    std::string text(const Json& value, std::string_view key) {
        if (!value.is_string()) wrongType(key, value, "text");
        return value.get<std::string>();
    }
    std::string optionalText(std::string_view key) {
        const Json* value = find(key);
        return value ? text(*value, key) : std::string();
    }
    std::string requiredText(std::string_view key, std::string_view what) {
        return text(require(key, what), key);
    }
    bool optionalFlag(std::string_view key) {
        const Json* value = find(key);
        if (!value) return false;
        if (!value->is_boolean()) wrongType(key, *value, "true or false");
        return value->get<bool>();
    }
    long long integer(const Json& value, std::string_view key) {
        if (!value.is_number_integer() && !value.is_number_unsigned()) {
            wrongType(key, value, "a whole number");
        }
        if (value.is_number_unsigned() &&
            value.get<unsigned long long>() > static_cast<unsigned long long>(LLONG_MAX)) {
            wrongValue(key, "is too large: " + value.dump());
        }
        return value.get<long long>();
    }
    double number(const Json& value, std::string_view key) {
        if (!value.is_number()) wrongType(key, value, "a number");
        return value.get<double>();
    }
    // Everything not asked for, in the file's order.
    void keepUnknown() {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            if (std::ranges::find(known_, it.key()) != known_.end()) continue;
            unknown_.push_back({name_, it.key(), it.value().dump()});
        }
    }

private:
    const Json& object_;
    std::string name_;
    std::vector<UnknownField>& unknown_;
    std::vector<std::string> known_;
};

bool digits(std::string_view s) {
    return std::ranges::all_of(s, [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digitsText) {
    int value = 0;
    std::from_chars(digitsText.data(), digitsText.data() + digitsText.size(), value);
    return value;
}

void readDate(ObjectReader& top, BirthFile& birth) {
    const std::string date = top.requiredText("date", "the local date of birth, YYYY-MM-DD");
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !digits(date.substr(0, 4)) ||
        !digits(date.substr(5, 2)) || !digits(date.substr(8, 2))) {
        top.wrongValue("date", "should be a date like 1976-07-04, not \"" + date + "\"");
    }
    birth.year = number(date.substr(0, 4));
    birth.month = number(date.substr(5, 2));
    birth.day = number(date.substr(8, 2));
    if (birth.month < 1 || birth.month > 12 || birth.day < 1 || birth.day > 31) {
        top.wrongValue("date", "holds no such month or day: \"" + date + "\"");
    }
}

void readTime(ObjectReader& top, BirthFile& birth) {
    const std::string time = top.requiredText("time", "the local clock time, HH:MM or HH:MM:SS");
    const bool shapeOk = (time.size() == 5 || time.size() == 8) && time[2] == ':' &&
                         digits(time.substr(0, 2)) && digits(time.substr(3, 2)) &&
                         (time.size() == 5 || (time[5] == ':' && digits(time.substr(6, 2))));
    if (!shapeOk)
        top.wrongValue("time", "should be a time like 10:30 or 10:30:00, not \"" + time + "\"");
    birth.hour = number(time.substr(0, 2));
    birth.minute = number(time.substr(3, 2));
    birth.second = time.size() == 8 ? number(time.substr(6, 2)) : 0;
    if (birth.hour > 23 || birth.minute > 59 || birth.second > 59) {
        top.wrongValue("time", "holds no such hour, minute or second: \"" + time + "\"");
    }
}

// Degrees and minutes as box texts; a whole number is taken as its decimal text.
std::string boxText(ObjectReader& object, std::string_view key, std::size_t maxDigits) {
    const Json* value = object.find(key);
    if (!value) return {};
    std::string text;
    if (value->is_string()) {
        text = value->get<std::string>();
    } else if (value->is_number_integer() || value->is_number_unsigned()) {
        const long long n = object.integer(*value, key);
        if (n < 0) object.wrongValue(key, "should not be negative (the side says where it lies)");
        text = std::to_string(n);
    } else {
        object.wrongType(key, *value, "digits as text or a whole number");
    }
    if (!digits(text) || text.size() > maxDigits) {
        object.wrongValue(key, "should be at most " + std::to_string(maxDigits) +
                                   " digits, not \"" + text + "\"");
    }
    return text;
}

EnteredCoordinate readCoordinate(ObjectReader& top, std::string_view key, std::size_t maxDegrees,
                                 char first, char second, std::vector<UnknownField>& unknown) {
    const std::string what = std::string("degrees, minutes and side ") + first + " or " + second;
    const Json& value = top.require(key, what);
    if (!value.is_object()) top.wrongType(key, value, "an object with " + what);
    ObjectReader object(value, std::string(key), unknown);
    EnteredCoordinate c;
    c.degrees = boxText(object, "degrees", maxDegrees);
    c.minutes = boxText(object, "minutes", 2);
    const std::string side = object.requiredText("side", std::string(1, first) + " or " + second);
    if (side != std::string(1, first) && side != std::string(1, second)) {
        object.wrongValue("side", std::string("should be \"") + first + "\" or \"" + second +
                                      "\", not \"" + side + "\"");
    }
    c.secondSide = side[0] == second;
    if (const Json* exact = object.find("exact")) {
        c.exact = object.number(*exact, "exact");
        if (std::fabs(*c.exact) > (maxDegrees == 3 ? 180.0 : 90.0)) {
            object.wrongValue("exact", "lies beyond the globe");
        }
    }
    object.keepUnknown();
    return c;
}

constexpr long long MaxOffsetSeconds = 18 * 3600;  // no zone has ever been further from UT

EnteredZone readZone(ObjectReader& top, std::vector<UnknownField>& unknown) {
    const Json& value = top.require("zone", "a zone row or a time-zone id");
    if (!value.is_object()) top.wrongType("zone", value, "an object");
    ObjectReader object(value, "zone", unknown);
    EnteredZone zone;
    if (const Json* row = object.find("row")) {
        const long long position = object.integer(*row, "row");
        if (position < 0 || position >= ZoneCount) {
            object.wrongValue("row", "should lie between 0 and " + std::to_string(ZoneCount - 1) +
                                         ", not " + std::to_string(position));
        }
        zone.row = static_cast<int>(position);
        const std::string_view tableText = zoneTable()[position].text;
        if (const Json* text = object.find("text")) {
            zone.rowText = object.text(*text, "text");
            if (zone.rowText != tableText) {
                object.wrongValue("text", "\"" + zone.rowText + "\" is not the text of row " +
                                              std::to_string(position) + " (\"" +
                                              std::string(tableText) + "\")");
            }
        } else {
            zone.rowText = tableText;
        }
    } else {
        object.find("text");
    }
    zone.daylightSaving = object.optionalFlag("daylight_saving");
    if (const Json* id = object.find("timezone")) {
        zone.timezone = object.text(*id, "timezone");
        if (zone.timezone->empty()) object.wrongValue("timezone", "is empty");
        const long long offset = object.integer(
            object.require("offset_seconds", "the offset used, seconds east"), "offset_seconds");
        if (offset < -MaxOffsetSeconds || offset > MaxOffsetSeconds) {
            object.wrongValue("offset_seconds", "lies beyond 18 hours: " + std::to_string(offset));
        }
        zone.offsetSeconds = static_cast<int>(offset);
        zone.abbreviation = object.optionalText("abbreviation");
    } else {
        object.find("offset_seconds");
        object.find("abbreviation");
    }
    if (!zone.row && !zone.timezone) {
        throw Problem{"the zone has neither a \"row\" nor a \"timezone\""};
    }
    object.keepUnknown();
    return zone;
}

std::optional<BirthPlace> readPlace(ObjectReader& top, std::vector<UnknownField>& unknown) {
    const Json* value = top.find("place");
    if (!value) return std::nullopt;
    if (!value->is_object()) top.wrongType("place", *value, "an object");
    ObjectReader object(*value, "place", unknown);
    BirthPlace place;
    place.name = object.requiredText("name", "the place's name");
    place.division = object.optionalText("division");
    place.country = object.optionalText("country");
    place.countryCode = object.optionalText("country_code");
    place.latitude = object.number(object.require("latitude", "degrees north"), "latitude");
    place.longitude = object.number(object.require("longitude", "degrees east"), "longitude");
    if (place.latitude < -90 || place.latitude > 90)
        object.wrongValue("latitude", "lies beyond 90°");
    if (place.longitude < -180 || place.longitude > 180) {
        object.wrongValue("longitude", "lies beyond 180°");
    }
    place.timezone = object.optionalText("timezone");
    object.keepUnknown();
    return place;
}

void readHeader(ObjectReader& top, BirthTextKind kind) {
    const Json* format = top.find("format");
    const Json* version = top.find("version");
    if (kind == BirthTextKind::File && !format) {
        throw Problem{"it is not a Zodrivel birth file (it has no \"format\" field)"};
    }
    if (format && (!format->is_string() || format->get<std::string>() != BirthFileFormatName)) {
        throw Problem{"it is not a Zodrivel birth file (its \"format\" is " + format->dump() + ")"};
    }
    if (!version) {
        if (kind == BirthTextKind::File) throw Problem{"it has no format \"version\""};
        return;
    }
    const long long number = top.integer(*version, "version");
    if (number > BirthFileVersion) {
        throw Problem{"it was written by a newer version of Zodrivel (birth file version " +
                      std::to_string(number) + "; this version reads up to " +
                      std::to_string(BirthFileVersion) + ")"};
    }
    if (number < 1) top.wrongValue("version", "should be 1 or more, not " + std::to_string(number));
}

std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view text, std::size_t byte) {
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < byte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// Watches the parser as it goes: a key given twice in one object is refused (JSON leaves its
// meaning open, and silently taking the last would hide a mistake), and so is nesting deeper
// than MaxBirthJsonDepth, before anything is built that writing back would have to recurse
// through. The parser itself keeps its own stack, so a deep text costs it nothing.
class ParseWatch {
public:
    bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
        switch (event) {
            case Json::parse_event_t::object_start:
            case Json::parse_event_t::array_start:
                if (depth >= MaxBirthJsonDepth) {
                    throw Problem{"it nests objects or lists more than " +
                                  std::to_string(MaxBirthJsonDepth) + " deep"};
                }
                keys_.emplace_back();
                break;
            case Json::parse_event_t::object_end:
            case Json::parse_event_t::array_end:
                if (!keys_.empty()) keys_.pop_back();
                break;
            case Json::parse_event_t::key: {
                if (keys_.empty()) break;
                std::vector<std::string>& seen = keys_.back();
                const std::string& key = parsed.get_ref<const std::string&>();
                if (std::ranges::find(seen, key) != seen.end()) {
                    throw Problem{"it gives the field \"" + key + "\" twice in one object"};
                }
                seen.push_back(key);
                break;
            }
            case Json::parse_event_t::value: break;
        }
        return true;
    }

private:
    // The keys met so far in each open object (a list keeps an empty entry).
    std::vector<std::vector<std::string>> keys_;
};

BirthFile readBirth(std::string_view text, BirthTextKind kind) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte-order mark
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) throw Problem{"it is empty"};
    if (!decodeUtf8(text)) throw Problem{"it is not UTF-8 text"};
    Json json;
    try {
        ParseWatch watch;
        json = Json::parse(text, std::ref(watch));
    } catch (const Json::out_of_range&) {
        // The one the parser throws: a number beyond what a double holds (1e400).
        throw Problem{"it holds a number too large to read"};
    } catch (const Json::parse_error& e) {
        // byte counts from 1 and points past the character that failed.
        const std::size_t at = e.byte > 0 ? e.byte - 1 : 0;
        const auto [line, column] = lineAndColumn(text, at);
        if (at >= text.size()) {
            throw Problem{"it is cut short: the birth ends early, at line " + std::to_string(line)};
        }
        throw Problem{"it is damaged: not JSON at line " + std::to_string(line) + ", column " +
                      std::to_string(column)};
    }
    if (!json.is_object()) {
        throw Problem{"it does not hold a birth (expected a JSON object, found " + typeName(json) +
                      ")"};
    }
    BirthFile birth;
    ObjectReader top(json, "", birth.unknown);
    readHeader(top, kind);
    birth.name = top.requiredText("name", "the person's name");
    readDate(top, birth);
    readTime(top, birth);
    birth.city = top.optionalText("city");
    birth.state = top.optionalText("state");
    birth.country = top.optionalText("country");
    birth.longitude = readCoordinate(top, "longitude", 3, 'E', 'W', birth.unknown);
    birth.latitude = readCoordinate(top, "latitude", 2, 'N', 'S', birth.unknown);
    birth.zone = readZone(top, birth.unknown);
    birth.place = readPlace(top, birth.unknown);
    if (const Json* model = top.find("model")) {
        birth.model = top.text(*model, "model");
        if (!isKnownModel(*birth.model)) {
            top.wrongValue("model",
                           "should be \"classic\" or \"precise\", not \"" + *birth.model + "\"");
        }
    }
    if (const Json* houses = top.find("houses")) {
        birth.houses = top.text(*houses, "houses");
        if (!isKnownHouseSystem(*birth.houses)) {
            top.wrongValue("houses",
                           "names no house system this version knows: \"" + *birth.houses + "\"");
        }
    }
    birth.notes = top.optionalText("notes");
    top.keepUnknown();
    return birth;
}

void appendUnknown(Json& object, const BirthFile& birth, std::string_view name) {
    for (const UnknownField& field : birth.unknown) {
        if (field.object != name || object.contains(field.key)) continue;
        object[field.key] = Json::parse(field.value, nullptr, false);
    }
}

Json coordinateJson(const EnteredCoordinate& c, char first, char second) {
    Json json{{"degrees", c.degrees},
              {"minutes", c.minutes},
              {"side", std::string(1, c.secondSide ? second : first)}};
    if (c.exact) json["exact"] = *c.exact;
    return json;
}

Json birthJson(const BirthFile& birth) {
    Json json;
    json["format"] = BirthFileFormatName;
    json["version"] = BirthFileVersion;
    json["name"] = birth.name;
    char date[16], time[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", birth.year, birth.month, birth.day);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", birth.hour, birth.minute, birth.second);
    json["date"] = date;
    json["time"] = time;
    json["city"] = birth.city;
    json["state"] = birth.state;
    json["country"] = birth.country;
    json["longitude"] = coordinateJson(birth.longitude, 'E', 'W');
    appendUnknown(json["longitude"], birth, "longitude");
    json["latitude"] = coordinateJson(birth.latitude, 'N', 'S');
    appendUnknown(json["latitude"], birth, "latitude");
    Json zone = Json::object();
    if (birth.zone.row) {
        zone["row"] = *birth.zone.row;
        zone["text"] = birth.zone.rowText;
    }
    zone["daylight_saving"] = birth.zone.daylightSaving;
    if (birth.zone.timezone) {
        zone["timezone"] = *birth.zone.timezone;
        zone["offset_seconds"] = birth.zone.offsetSeconds.value_or(0);
        zone["abbreviation"] = birth.zone.abbreviation;
    }
    appendUnknown(zone, birth, "zone");
    json["zone"] = std::move(zone);
    if (birth.place) {
        const BirthPlace& p = *birth.place;
        json["place"] = Json{{"name", p.name},         {"division", p.division},
                             {"country", p.country},   {"country_code", p.countryCode},
                             {"latitude", p.latitude}, {"longitude", p.longitude},
                             {"timezone", p.timezone}};
        appendUnknown(json["place"], birth, "place");
    }
    if (birth.model) json["model"] = *birth.model;
    if (birth.houses) json["houses"] = *birth.houses;
    json["notes"] = birth.notes;
    appendUnknown(json, birth, "");
    return json;
}

}  // namespace

std::variant<BirthFile, std::string> JsonBirthFileFormat::read(std::string_view text,
                                                               BirthTextKind kind) const {
    try {
        return readBirth(text, kind);
    } catch (const Problem& problem) {
        return problem.message;
    } catch (const Json::exception&) {
        // Nothing above is known to throw one; should a field's check miss a case, the reader
        // still refuses the file rather than ending the program.
        return std::string("it is damaged: its JSON cannot be read as a birth");
    }
}

std::string JsonBirthFileFormat::write(const BirthFile& birth) const {
    // Text that is not UTF-8 (it cannot come from the window) is written with U+FFFD rather
    // than refused: a save never fails over a name.
    return birthJson(birth).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string JsonBirthFileFormat::writeLine(const BirthFile& birth) const {
    return birthJson(birth).dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace zodrivel
