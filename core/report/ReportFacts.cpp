// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/ReportFacts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/entry/BirthSummary.h"
#include "core/time/TimeZones.h"

namespace zodrivel {

ReportFacts reportFactsOf(const Calculation& c, std::optional<std::string> placeText) {
    const BirthData& b = c.birth;
    ReportFacts facts;
    facts.name = b.birthName;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", b.birthHour, b.birthMinute);
    facts.birthAsEntered =
        formatDate(b.birthYear, b.birthMonth, b.birthDay) + " " + clock + " local time";
    // Blank place boxes say nothing; the coordinates are there in any case.
    if (placeText && placeText->find_first_not_of(" ,") != std::string::npos) {
        facts.placeText = std::move(placeText);
    }
    facts.coordinates = formatCoordinates(b);
    if (c.zonePosition >= 0 && c.zonePosition < ZoneCount) {
        facts.zoneRow = std::string(zoneName(c.zonePosition)) + " (" +
                        std::string(zoneAbbreviation(c.zonePosition)) + ")";
    }
    if (b.isDaylightSaving) facts.zoneRow += ", daylight saving";
    // The correction is what is added to the clock to reach universal time; the offset east of
    // Greenwich is its negative, and daylight saving puts the clock one hour further ahead.
    facts.offsetSeconds = -(c.zone.zoneCorrectionHours * 3600 + c.zone.zoneCorrectionMinutes * 60) +
                          (b.isDaylightSaving ? 3600 : 0);
    facts.universalTime = formatUniversalTime(c.instant.universal);
    facts.chart = c.chart;
    for (const AspectHit& hit : c.aspects.hits) facts.aspects.push_back({hit, std::nullopt});
    return facts;
}

std::string formatOffset(int secondsEast) {
    const int magnitude = std::abs(secondsEast);
    char text[40];
    const char sign = secondsEast < 0 ? '-' : '+';
    if (magnitude % 60 != 0) {
        std::snprintf(text, sizeof text, "%c%d:%02d:%02d", sign, magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%d:%02d", sign, magnitude / 3600, magnitude / 60 % 60);
    }
    return text;
}

std::string formatOrb(double degrees) {
    const double magnitude = std::fabs(degrees);
    const int whole = static_cast<int>(magnitude);
    const int minutes = std::min(59, static_cast<int>((magnitude - whole) * 60));
    char text[32];
    std::snprintf(text, sizeof text, "%d\u00B0%02d'", whole, minutes);
    return text;
}

}  // namespace zodrivel
