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

std::string formatDate(int year, int month, int day) {
    return std::to_string(day) + " " + std::string(monthName(month)) + " " + std::to_string(year);
}

std::string formatCoordinates(const BirthData& b) {
    char text[64];
    std::snprintf(text, sizeof text, "%d\u00B0%02d'%c %d\u00B0%02d'%c", b.lonDegrees, b.lonMinutes,
                  b.isEast ? 'E' : 'W', b.latDegrees, b.latMinutes, b.isSouth ? 'S' : 'N');
    return text;
}

std::string formatUniversalTime(const CivilDateTime& u) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", u.hour, u.minute);
    return "UT " + formatDate(u.year, u.month, u.day) + " " + time;
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

std::optional<std::string> plausibilityNote(const BirthData& birth, int zonePosition) {
    const auto correction = zoneCorrectionAt(zonePosition);
    if (!correction) return std::nullopt;
    const std::string zone(zoneName(zonePosition));
    if (birth.isDaylightSaving && isDaylightZone(zonePosition)) {
        return "Daylight saving is ticked, but " + zone +
               " already includes it: the hour is taken off twice. Choose the standard-time "
               "zone, or untick daylight saving.";
    }
    // Hours east of Greenwich: of the zone, and of the place's own mean time.
    const double zoneEast =
        -(correction->zoneCorrectionHours + correction->zoneCorrectionMinutes / 60.0);
    const double placeEast = -signedWestLongitude(birth) / 15.0;
    const bool oppositeSides = (zoneEast > 0 && placeEast < 0) || (zoneEast < 0 && placeEast > 0);
    if (oppositeSides && std::fabs(zoneEast - placeEast) > 3) {
        return "The zone " + zone + " lies on the other side of Greenwich from a longitude of " +
               formatCoordinates(birth).substr(0, formatCoordinates(birth).find(' ')) +
               ". Check the zone and the East/West choice.";
    }
    return std::nullopt;
}

}  // namespace zodrivel
