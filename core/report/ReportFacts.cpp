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
    facts.modelName = std::string(ephemerisTitle(c.ephemeris.empty() ? "classic" : c.ephemeris));
    facts.chart = c.chart;
    if (c.houses) {
        facts.houseSystem = std::string(houseSystemTitle(c.houses->system));
        for (int slot = 0; slot < ChartPointCount; ++slot) facts.houses[slot] = c.bodyHouses[slot];
    }
    for (std::size_t k = 0; k < c.aspects.hits.size(); ++k) {
        std::optional<ReportAspectDetail> detail;
        if (k < c.aspectDetails.size()) {
            detail = ReportAspectDetail{c.aspectDetails[k].orb, c.aspectDetails[k].applying};
        }
        facts.aspects.push_back({c.aspects.hits[k], detail});
    }
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

}  // namespace zodrivel
