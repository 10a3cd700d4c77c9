// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/birthfile/BirthFile.h"

#include <algorithm>

#include "core/entry/EntryChecks.h"
#include "core/time/TimeZones.h"

namespace zodrivel {

namespace {
constexpr std::string_view Models[] = {"classic", "precise"};
constexpr std::string_view HouseSystems[] = {"placidus", "koch",          "equal",   "whole_sign",
                                             "porphyry", "regiomontanus", "campanus"};
}  // namespace

bool isKnownModel(std::string_view model) { return std::ranges::count(Models, model) > 0; }

bool isKnownHouseSystem(std::string_view system) {
    return std::ranges::count(HouseSystems, system) > 0;
}

std::optional<std::string> entryWindowProblem(const BirthFile& birth) {
    if (birth.year < 1901 || birth.year > 2050) {
        return "the year " + std::to_string(birth.year) + " lies outside 1901 to 2050";
    }
    if (!birth.zone.row && !birth.zone.timezone) return "the file gives no zone";
    if (!birth.name.empty()) {
        const TextFilterResult name = letterFilterText(birth.name);
        if (!name.accepted) {
            return "the name holds characters the Name box does not take (" +
                   std::string(name.message->text) + ")";
        }
    }
    return std::nullopt;
}

BirthFile withEntries(BirthFile birth, const EntryTexts& entries) {
    const auto number = [](const std::string& text, int fallback) {
        try {
            return std::stoi(text);
        } catch (...) {
            return fallback;
        }
    };
    birth.name = entries.name;
    birth.month = entries.monthPosition + 1;
    birth.day = number(entries.day, birth.day);
    birth.year = number(entries.year, birth.year);
    birth.hour = number(entries.hour, birth.hour);
    birth.minute = number(entries.minute, birth.minute);
    birth.second = number(entries.second, birth.second);
    birth.longitude = {entries.lonDegrees, entries.lonMinutes, !entries.east,
                       entries.exactEastLongitude};
    birth.latitude = {entries.latDegrees, entries.latMinutes, entries.south,
                      entries.exactNorthLatitude};
    // The same row and box keep the zone as it was, a time-zone id beside the row included; a
    // different one was chosen by hand and is all the zone there is.
    const bool sameZone = birth.zone.row == entries.zonePosition &&
                          birth.zone.daylightSaving == entries.daylightSaving;
    if (entries.zoneOffsetSeconds) {
        // No row expresses the zone's offset: the zone id and the offset it gave are the zone.
        birth.zone = {};
        birth.zone.timezone = entries.zoneId;
        birth.zone.offsetSeconds = *entries.zoneOffsetSeconds;
        birth.zone.abbreviation = entries.zoneAbbreviation;
        birth.zone.daylightSaving = entries.daylightSaving;
    } else if (!sameZone && zoneCorrectionAt(entries.zonePosition)) {
        birth.zone = {};
        birth.zone.row = entries.zonePosition;
        birth.zone.rowText = zoneTable()[entries.zonePosition].text;
        birth.zone.daylightSaving = entries.daylightSaving;
        // The row was set from a zone's history: keep where it came from beside it.
        if (!entries.zoneId.empty()) {
            birth.zone.timezone = entries.zoneId;
            birth.zone.offsetSeconds =
                rowOffsetSeconds(*zoneCorrectionAt(entries.zonePosition), entries.daylightSaving);
            birth.zone.abbreviation = entries.zoneAbbreviation;
        }
    }
    if (entries.place) {
        const Place& p = *entries.place;
        birth.place = BirthPlace{p.name,     p.division,  p.country, p.countryCode,
                                 p.latitude, p.longitude, p.zoneId};
    }
    return birth;
}

}  // namespace zodrivel
