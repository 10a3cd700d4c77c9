// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What a report says about whose chart it is, gathered from a calculation into one plain record
// so that the report's writers (window, rich text, paged PDF, command line) never reach into
// the calculation themselves. Fields that not every calculation has are optional: the report
// shows them when they are there and leaves their lines or columns out when they are not.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectSearch.h"
#include "core/calculation/Calculation.h"
#include "core/model/ChartPoints.h"

namespace zodrivel {

// How close an aspect is and where it is heading, when the model gives speeds.
struct ReportAspectDetail {
    double orbDegrees = 0;  // distance from exact, 0 or more
    bool applying = false;  // the bodies move towards exact
};

struct ReportAspect {
    AspectHit hit;
    std::optional<ReportAspectDetail> detail;
};

struct ReportFacts {
    std::string name;
    std::string birthAsEntered;               // "4 July 1976 10:30 local time"
    std::optional<std::string> placeText;     // "New York, NY, USA", as typed or chosen
    std::string coordinates;                  // "74°00'W 40°43'N"
    std::string zoneRow;                      // the zone list row, ", daylight saving" when ticked
    std::optional<std::string> zoneId;        // "Europe/London", when the zone came from history
    std::optional<int> offsetSeconds;         // east of Greenwich, daylight saving included
    std::optional<std::string> abbreviation;  // "BDST"
    std::string universalTime;                // "UT 4 July 1976 14:30"
    std::string modelName;                    // "Classic (as in version 1.15)"
    std::optional<std::string> houseSystem;   // "Placidus", or the one drawn instead
    ChartPoints chart;
    std::array<std::optional<int>, ChartPointCount> houses{};  // 1..12 per body, when known
    std::vector<ReportAspect> aspects;                         // in search order
};

// The facts of `calculation`: everything a calculation of today's entry carries. `placeText`
// is the city, state and country as typed (the calculation itself keeps only coordinates).
ReportFacts reportFactsOf(const Calculation& calculation,
                          std::optional<std::string> placeText = std::nullopt);

}  // namespace zodrivel
