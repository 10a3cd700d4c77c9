// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/description/ChartDescription.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/entry/BirthSummary.h"
#include "core/model/Text.h"
#include "core/model/Zodiac.h"
#include "core/texts/PointReadings.h"
#include "core/time/TimeZones.h"
#include "core/time/ZoneHistory.h"

namespace zodrivel {

namespace {

ZoneDescription describeZone(const Chart& c, const TextTranslator& texts) {
    const BirthData& b = c.birth;
    ZoneDescription zone;
    zone.source = b.zoneSource;
    zone.daylightSaving = b.isDaylightSaving;
    zone.zoneId = b.zoneId;
    zone.abbreviation = b.zoneAbbreviation;
    if (c.zonePosition >= 0 && c.zonePosition < ZoneCount) {
        zone.rowText = std::string(zoneTable()[c.zonePosition].text);
        zone.rowName = formatZoneRow(c.zonePosition, false);
        zone.rowShown = formatZoneRow(c.zonePosition, b.isDaylightSaving, texts);
    }
    // The offset actually used, east of Greenwich, daylight saving included, however it was
    // given; a zone from the time-zone history is named by its id and abbreviation.
    zone.offsetSeconds = b.zoneSource == ZoneSource::TimeZone
                             ? b.utcOffsetSeconds
                             : rowOffsetSeconds(c.zone, b.isDaylightSaving);
    if (b.zoneSource == ZoneSource::TimeZone) {
        zone.text = b.zoneId;
        if (!b.zoneAbbreviation.empty()) zone.text += " (" + b.zoneAbbreviation + ")";
    } else {
        zone.text = formatZoneRow(c.zonePosition, b.isDaylightSaving);
    }
    zone.text += ": UT" + formatOffset(zone.offsetSeconds);
    if (b.zoneSource == ZoneSource::Row) zone.note = plausibilityNote(b, c.zonePosition, texts);
    return zone;
}

PointDescription describePoint(const ChartPoint& point) {
    return {point, signDegreeOf(point.longitude), point.retrograde()};
}

PatternDescription describePattern(const AspectPattern& pattern) {
    PatternDescription out;
    out.pattern = pattern;
    out.name = std::string(patternKindName(pattern.kind));
    for (const int slot : pattern.bodies) out.bodies.emplace_back(pointName(bodyOfSlot(slot)));
    if (pattern.apex) out.apex = std::string(pointName(bodyOfSlot(*pattern.apex)));
    if (pattern.sign) out.sign = std::string(signName(*pattern.sign));
    out.reading = std::string(patternReading(pattern));
    return out;
}

}  // namespace

SignDegree signDegreeOf(double longitude) {
    const SignPosition at = toSignPosition(longitude);
    SignDegree out{at.sign, at.degrees, at.minutes, 0};
    // The second begun, from the same reduced longitude the minute came from.
    const double inSign = longitude - 30.0 * at.sign - at.degrees - at.minutes / 60.0;
    out.seconds = std::clamp(static_cast<int>(std::floor(inSign * 3600.0)), 0, 59);
    return out;
}

std::string placeText(const Place& place) {
    std::string text = place.name;
    if (!place.division.empty()) text += ", " + place.division;
    if (!place.country.empty()) text += ", " + place.country;
    return text;
}

ChartDescription describeChart(const Chart& chart, std::optional<std::string> typedPlace,
                               const TextTranslator& texts) {
    return describeChart(Chart(chart), std::move(typedPlace), texts);
}

ChartDescription describeChart(Chart&& c, std::optional<std::string> typedPlace,
                               const TextTranslator& texts) {
    const BirthData& b = c.birth;
    ChartDescription d;
    d.name = b.birthName;
    std::string clock;
    appendPadded(clock, b.birthHour, 2);
    clock += ':';
    appendPadded(clock, b.birthMinute, 2);
    d.birthAsEntered =
        formatDate(b.birthYear, b.birthMonth, b.birthDay) + " " + clock + " local time";
    d.birthDate = formatDate(b.birthYear, b.birthMonth, b.birthDay, texts);
    d.birthClock = clock;
    // A place chosen from the atlas is named as the atlas names it; otherwise the boxes as typed.
    // Blank place boxes say nothing; the coordinates are there in any case.
    if (!typedPlace && b.place) typedPlace = placeText(*b.place);
    if (typedPlace && typedPlace->find_first_not_of(" ,") != std::string::npos) {
        d.placeText = std::move(typedPlace);
    }
    d.place = b.place;
    d.coordinates = formatCoordinates(b, texts);
    d.zone = describeZone(c, texts);
    d.instant = c.instant;
    d.universalTime = formatUniversalTime(c.instant.universal, texts);
    d.model = c.model;
    d.modelTitle = std::string(skyModelTitle(c.model));
    if (c.houses) {
        d.houseSystem = std::string(houseSystemTitle(c.houses->system));
        d.houseSystemLine = *d.houseSystem;
        if (c.houses->fellBack()) {
            *d.houseSystemLine += " (" + std::string(houseSystemTitle(c.houses->requested)) +
                                  " cannot be drawn beyond the polar circles)";
        }
        d.houses = c.houses;
        for (const ChartPoint& angle : c.angles()) d.angles.push_back(describePoint(angle));
    }
    d.positions.reserve(c.bodies().size());
    for (const ChartPoint& body : c.bodies()) d.positions.push_back(describePoint(body));
    for (const ChartPoint& point : c.extraPoints()) d.points.push_back(describePoint(point));
    d.node = c.node;
    d.nodeTitle = c.node == NodeKind::Mean ? "mean node" : "true node";
    d.aspects = std::move(c.aspects);
    d.pointAspects = std::move(c.pointAspects);
    for (const AspectPattern& pattern : c.patterns) d.patterns.push_back(describePattern(pattern));
    d.notes = std::move(c.notes);
    return d;
}

}  // namespace zodrivel
