#include "core/entry/BirthSummary.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/time/TimeZones.h"

namespace zodrivel {

namespace {

constexpr std::array<const char*, 12> MonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool Contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

}  // namespace

std::string FormatDate(int year, int month, int day) {
    const char* name = month >= 1 && month <= 12 ? MonthNames[month - 1] : "?";
    return std::to_string(day) + " " + name + " " + std::to_string(year);
}

std::string FormatCoordinates(const BirthData& b) {
    char text[64];
    std::snprintf(text, sizeof text, "%d\u00B0%02d'%c %d\u00B0%02d'%c", b.LonDegrees,
                  b.LonMinutes, b.IsEast ? 'E' : 'W', b.LatDegrees, b.LatMinutes,
                  b.IsSouth ? 'S' : 'N');
    return text;
}

std::string FormatUniversalTime(const CivilDateTime& u) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", u.hour, u.minute);
    return "UT " + FormatDate(u.year, u.month, u.day) + " " + time;
}

std::string IsoUniversalTime(const CivilDateTime& u) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00", u.year, u.month, u.day,
                  u.hour, u.minute);
    return text;
}

bool IsDaylightZone(int zonePosition) {
    const std::string_view name = ZoneName(zonePosition);
    return Contains(name, "Daylight") || Contains(name, "Summer") || Contains(name, "War");
}

std::optional<std::string> PlausibilityNote(const BirthData& birth, int zonePosition) {
    const auto correction = Zone_Calculation(zonePosition);
    if (!correction) return std::nullopt;
    const std::string zone(ZoneName(zonePosition));
    if (birth.IsDaylightSaving && IsDaylightZone(zonePosition)) {
        return "Daylight saving is ticked, but " + zone +
               " already includes it: the hour is taken off twice. Choose the standard-time "
               "zone, or untick daylight saving.";
    }
    // Hours east of Greenwich: of the zone, and of the place's own mean time.
    const double zoneEast =
        -(correction->ZoneCorrectionHours + correction->ZoneCorrectionMinutes / 60.0);
    const double placeEast = -SignedWestLongitude(birth) / 15.0;
    const bool oppositeSides = (zoneEast > 0 && placeEast < 0) || (zoneEast < 0 && placeEast > 0);
    if (oppositeSides && std::fabs(zoneEast - placeEast) > 3) {
        return "The zone " + zone + " lies on the other side of Greenwich from a longitude of " +
               FormatCoordinates(birth).substr(0, FormatCoordinates(birth).find(' ')) +
               ". Check the zone and the East/West choice.";
    }
    return std::nullopt;
}

}  // namespace zodrivel
