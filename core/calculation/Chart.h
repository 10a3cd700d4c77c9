// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A chart as a value: the birth as entered, the instant, the model of the sky, the points with
// their identities, speeds and houses, the angles and houses, and the aspects with their
// details. Every output is made from it (through its description, core/description), and a
// second chart (the sky of a later date, a partner's birth) is another value of the same type
// whose points meet this one's through aspectsBetween.

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectSearch.h"
#include "core/houses/Houses.h"
#include "core/model/BirthData.h"
#include "core/model/ChartPoint.h"
#include "core/model/SkyModel.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

// How a chart is computed: the model of the sky and the house system asked for.
struct ChartChoice {
    SkyModel model = DefaultSkyModel;
    HouseSystem houses = DefaultHouseSystem;
    friend bool operator==(const ChartChoice&, const ChartChoice&) = default;
};

struct Chart {
    BirthData birth;
    ZoneCorrection zone;
    int zonePosition = -1;  // the zone list row, for showing what was applied
    BirthInstant instant;   // universal time, Julian centuries and the universal date
    SkyModel model = DefaultSkyModel;
    // The ten bodies, Sun to Pluto in that order (so bodies()[i] has the identity bodyOfSlot(i)),
    // with their speeds and, when the chart has houses, their houses.
    std::vector<ChartPoint> points;
    // Angles and cusps; absent when the chart was computed without a house calculator.
    // `houses->system` is Porphyry and `houses->fellBack()` true where Placidus or Koch has no
    // answer.
    std::optional<ChartHouses> houses;
    // The documented search among the ten bodies, in its order, each with its detail.
    std::vector<Aspect> aspects;

    std::span<const ChartPoint> bodies() const {
        return std::span(points).first(static_cast<std::size_t>(BodyCount));
    }
    const ChartPoint& body(PointId id) const {
        return points[static_cast<std::size_t>(indexOf(id))];
    }
    // The Ascendant and Midheaven as points (no speed), when the chart has houses.
    std::vector<ChartPoint> angles() const;
    // Per kind: whether the chart has an aspect of it.
    std::array<bool, AspectKindCount> kindsFound() const;
    // The choice the chart was made with (the house system asked for, not a fallback).
    ChartChoice choice() const;
};

}  // namespace zodrivel
