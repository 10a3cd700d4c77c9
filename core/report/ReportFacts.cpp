// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/ReportFacts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/entry/BirthSummary.h"
#include "core/time/TimeZones.h"
#include "core/time/ZoneHistory.h"

namespace zodrivel {

ReportFacts reportFactsOf(const Calculation& c, std::optional<std::string> placeText) {
    const BirthData& b = c.birth;
    ReportFacts facts;
    facts.name = b.birthName;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", b.birthHour, b.birthMinute);
    facts.birthAsEntered =
        formatDate(b.birthYear, b.birthMonth, b.birthDay) + " " + clock + " local time";
    // A place chosen from the atlas is named as the atlas names it; otherwise the boxes as typed.
    // Blank place boxes say nothing; the coordinates are there in any case.
    if (!placeText && b.place) {
        placeText = b.place->name;
        if (!b.place->division.empty()) *placeText += ", " + b.place->division;
        if (!b.place->country.empty()) *placeText += ", " + b.place->country;
    }
    if (placeText && placeText->find_first_not_of(" ,") != std::string::npos) {
        facts.placeText = std::move(placeText);
    }
    facts.coordinates = formatCoordinates(b);
    facts.zoneRow = formatZoneRow(c.zonePosition, b.isDaylightSaving);
    // The offset actually used, east of Greenwich, daylight saving included, however it was
    // given; a zone from the time-zone history is named by its id and abbreviation.
    facts.offsetSeconds = b.zoneSource == ZoneSource::TimeZone
                              ? b.utcOffsetSeconds
                              : rowOffsetSeconds(c.zone, b.isDaylightSaving);
    if (b.zoneSource == ZoneSource::TimeZone) {
        facts.zoneId = b.zoneId;
        if (!b.zoneAbbreviation.empty()) facts.abbreviation = b.zoneAbbreviation;
    }
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

}  // namespace zodrivel
