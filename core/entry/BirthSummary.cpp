// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/entry/BirthSummary.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/model/Text.h"
#include "core/time/Calendar.h"
#include "core/time/TimeZones.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

namespace {

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

}  // namespace

std::string formatDate(int year, int month, int day, const TextTranslator& texts) {
    return fillIn(texts.translate(textContext::Summary, summaryPatterns::Date),
                  {std::to_string(day), texts.translate(textContext::Months, monthName(month)),
                   std::to_string(year)});
}

std::string formatCoordinates(const BirthData& b, const TextTranslator& texts) {
    const std::string east = texts.translate(
        textContext::Summary, b.isEast ? summaryPatterns::East : summaryPatterns::West);
    const std::string north = texts.translate(
        textContext::Summary, b.isSouth ? summaryPatterns::South : summaryPatterns::North);
    // Coordinates given to the second (an atlas place's, or typed so) show their seconds.
    const auto angle =
        [](std::string& text, int degrees, int minutes, std::optional<double> exact) {
        long second = -1;
        if (exact) {
            const long seconds = std::lround(std::fabs(*exact) * 3600);
            degrees = static_cast<int>(seconds / 3600);
            minutes = static_cast<int>(seconds / 60 % 60);
            second = seconds % 60;
        }
        appendPadded(text, degrees, 1);
        text += "\u00B0";
        appendPadded(text, minutes, 2);
        text += '\'';
        if (second >= 0) {
            appendPadded(text, second, 2);
            text += '"';
        }
    };
    std::string text;
    text.reserve(32 + east.size() + north.size());
    angle(text, b.lonDegrees, b.lonMinutes, b.exactEastLongitude);
    text += east;
    text += ' ';
    angle(text, b.latDegrees, b.latMinutes, b.exactNorthLatitude);
    text += north;
    return text;
}

std::string formatUniversalTime(const CivilDateTime& u, const TextTranslator& texts) {
    std::string time;
    appendPadded(time, u.hour, 2);
    time += ':';
    appendPadded(time, u.minute, 2);
    return fillIn(texts.translate(textContext::Summary, summaryPatterns::UniversalTime),
                  {formatDate(u.year, u.month, u.day, texts), time});
}

std::string formatZoneRow(int zonePosition, bool daylight, const TextTranslator& texts) {
    if (zonePosition < 0 || zonePosition >= ZoneCount) return {};
    const std::string name = texts.translate(textContext::TimeZones, zoneName(zonePosition));
    const std::string row = fillIn(texts.translate(textContext::Summary, summaryPatterns::ZoneRow),
                                   {name, zoneAbbreviation(zonePosition)});
    if (!daylight) return row;
    return fillIn(texts.translate(textContext::Summary, summaryPatterns::DaylightZoneRow), {row});
}

std::string isoUniversalTime(const CivilDateTime& u) { return isoDateTime(u, 0); }

bool isDaylightZone(int zonePosition) {
    const std::string_view name = zoneName(zonePosition);
    return contains(name, "Daylight") || contains(name, "Summer") || contains(name, "War");
}

std::optional<std::string> plausibilityNote(const BirthData& birth, int zonePosition,
                                            const TextTranslator& texts) {
    const auto correction = zoneCorrectionAt(zonePosition);
    if (!correction) return std::nullopt;
    const std::string zone = texts.translate(textContext::TimeZones, zoneName(zonePosition));
    if (birth.isDaylightSaving && isDaylightZone(zonePosition)) {
        return fillIn(texts.translate(textContext::Summary, summaryPatterns::DaylightTwice),
                      {zone});
    }
    // Hours east of Greenwich: of the zone, and of the place's own mean time.
    const double zoneEast =
        -(correction->zoneCorrectionHours + correction->zoneCorrectionMinutes / 60.0);
    const double placeEast = -signedWestLongitude(birth) / 15.0;
    const bool oppositeSides = (zoneEast > 0 && placeEast < 0) || (zoneEast < 0 && placeEast > 0);
    if (oppositeSides && std::fabs(zoneEast - placeEast) > 3) {
        const std::string coordinates = formatCoordinates(birth, texts);
        return fillIn(texts.translate(textContext::Summary, summaryPatterns::ZoneAcrossGreenwich),
                      {zone, coordinates.substr(0, coordinates.find(' '))});
    }
    return std::nullopt;
}

}  // namespace zodrivel
