// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/entry/BirthSummary.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/time/Calendar.h"
#include "core/time/TimeZones.h"

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
    // The numbers in buffers of their own: a translated direction may be a word of any length.
    char longitude[32], latitude[32];
    std::snprintf(longitude, sizeof longitude, "%d\u00B0%02d'", b.lonDegrees, b.lonMinutes);
    std::snprintf(latitude, sizeof latitude, "%d\u00B0%02d'", b.latDegrees, b.latMinutes);
    // Coordinates given to the second (an atlas place's, or typed so) show their seconds.
    const auto toSecond = [](char* text, std::size_t size, double degrees) {
        const long seconds = std::lround(std::fabs(degrees) * 3600);
        std::snprintf(text, size, "%ld\u00B0%02ld'%02ld\"", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    };
    if (b.exactEastLongitude) toSecond(longitude, sizeof longitude, *b.exactEastLongitude);
    if (b.exactNorthLatitude) toSecond(latitude, sizeof latitude, *b.exactNorthLatitude);
    return longitude + east + " " + latitude + north;
}

std::string formatUniversalTime(const CivilDateTime& u, const TextTranslator& texts) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", u.hour, u.minute);
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

std::string isoUniversalTime(const CivilDateTime& u) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00", u.year, u.month, u.day, u.hour,
                  u.minute);
    return text;
}

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
