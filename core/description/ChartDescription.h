// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A chart described once, in the words and figures every output shows: whose chart it is, the
// birth as entered, the place, the zone and the offset used with where it came from, the
// universal time, the model, the positions with sign, degree, minute, second, house and
// motion, the angles, the cusps and the aspects with their orb and motion. The table, JSON,
// CSV, the report (text, rich text, PDF) and the chart panel all render this record, so a fact
// is worded in one place and a new output format is one more renderer.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/calculation/Chart.h"
#include "core/model/ChartPoint.h"
#include "core/model/Place.h"
#include "core/model/SkyModel.h"
#include "core/model/TextTranslator.h"

namespace zodrivel {

// A longitude as the tables print it: sign, then degree, minute and second begun within it.
struct SignDegree {
    int sign = 0;     // 0 = Aries .. 11 = Pisces
    int degrees = 0;  // 0..29
    int minutes = 0;  // 0..59, truncated as ephemerides print
    int seconds = 0;  // 0..59, truncated
};
SignDegree signDegreeOf(double longitude);

struct PointDescription {
    ChartPoint point;  // identity, longitude, speed, house (0 without houses)
    SignDegree at;
    bool retrograde = false;
};

// An aspect pattern in words: "T-Square", its bodies by name (in the pattern's order, the apex
// last), the apex ("Moon") or the sign of a stellium ("Leo") where it has one, and its reading
// (empty until one is written).
struct PatternDescription {
    AspectPattern pattern;
    std::string name;                 // "T-Square"
    std::vector<std::string> bodies;  // "Mars", "Saturn", "Moon"
    std::optional<std::string> apex;  // "Moon"; T-square and yod only
    std::optional<std::string> sign;  // "Leo"; stellium only
    std::string reading;
};

// The zone as it was applied: a row of the 71-row list with the daylight box, or a zone of
// the time-zone history at the birth's local time.
struct ZoneDescription {
    ZoneSource source = ZoneSource::Row;
    std::string rowText;          // the list row as listed, for a row
    std::string rowName;          // "Eastern Standard Time (EST)", for a row
    std::string rowShown;         // the same with ", daylight saving" when the box was ticked
    bool daylightSaving = false;  // the box, for a row
    std::string zoneId;           // "Europe/London"; for a row, the id it stands for, if any
    std::string abbreviation;     // "BDST", or the row's
    int offsetSeconds = 0;        // east of Greenwich, daylight saving included
    std::string text;             // "Europe/London (BDST): UT+2:00", as the report says it
    // A word of caution about a row and box that look wrong for the place (plausibilityNote).
    std::optional<std::string> note;
};

struct ChartDescription {
    std::string name;
    std::string birthAsEntered;            // "4 July 1976 10:30 local time"
    std::string birthDate;                 // "4 July 1976"
    std::string birthClock;                // "10:30"
    std::optional<std::string> placeText;  // "New York, NY, USA", as typed or chosen
    std::optional<Place> place;            // the atlas place, when one was chosen
    std::string coordinates;               // "74°00'W 40°43'N"
    ZoneDescription zone;
    BirthInstant instant;       // the instant in the figures the models use
    std::string universalTime;  // "UT 4 July 1976 14:30"
    SkyModel model = DefaultSkyModel;
    std::string modelTitle;                      // "Classic (as in version 1.15)"
    std::optional<std::string> houseSystem;      // "Placidus", or the one drawn instead
    std::optional<std::string> houseSystemLine;  // the same, with why when it fell back
    std::vector<PointDescription> positions;     // the ten bodies, Sun to Pluto
    // The North Node, Lilith and Chiron the chart has, shown after Pluto in every output.
    std::vector<PointDescription> points;
    NodeKind node = DefaultNodeKind;       // which node the North Node is
    std::string nodeTitle;                 // "true node" or "mean node"
    std::vector<PointDescription> angles;  // Ascendant and Midheaven, with houses only
    std::optional<ChartHouses> houses;     // the system drawn and asked for, the cusps
    std::vector<Aspect> aspects;           // in search order
    // The aspects of the extra points and the angles to the bodies, after the documented list.
    std::vector<Aspect> pointAspects;
    std::vector<PatternDescription> patterns;
    // What the model could not give, each said once: "Chiron is computed in the precise model
    // only."
    std::vector<std::string> notes;
    bool hasHouses() const { return houses.has_value(); }
};

// "Kolkata, West Bengal, India": the one wording of an atlas place.
std::string placeText(const Place& place);

// The description of `chart`. `placeText` is the city, state and country as typed (the chart
// itself keeps only coordinates and the atlas place); blank boxes say nothing. `texts` words
// the date, the zone row, the coordinates, the universal time and the zone note (the window
// passes its language; files and the report stay in English).
ChartDescription describeChart(const Chart& chart,
                               std::optional<std::string> placeText = std::nullopt,
                               const TextTranslator& texts = englishTexts());
// The same, taking over the chart's lists instead of copying them (a batch describes each
// chart once and drops it).
ChartDescription describeChart(Chart&& chart, std::optional<std::string> placeText = std::nullopt,
                               const TextTranslator& texts = englishTexts());

}  // namespace zodrivel
