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
#include <string>
#include <string_view>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectPatterns.h"
#include "core/aspects/AspectSearch.h"
#include "core/houses/Houses.h"
#include "core/model/BirthData.h"
#include "core/model/ChartPoint.h"
#include "core/model/SkyModel.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

// Which lunar node a chart shows as its North Node: the osculating (true) node, or the node of
// the Moon's mean orbit. The classic model has only the mean one.
enum class NodeKind : int { True = 0, Mean };
inline constexpr NodeKind DefaultNodeKind = NodeKind::True;
// "true" or "mean", for options and settings.
std::string_view nodeKindName(NodeKind node);
std::optional<NodeKind> nodeKindFromName(std::string_view name);

// How a chart is computed: the model of the sky, the house system and the node asked for.
struct ChartChoice {
    SkyModel model = DefaultSkyModel;
    HouseSystem houses = DefaultHouseSystem;
    NodeKind node = DefaultNodeKind;
    friend bool operator==(const ChartChoice&, const ChartChoice&) = default;
};

// The points beyond the ten bodies, in the order every output lists them after Pluto.
inline constexpr std::array<PointId, 3> ExtraPointIds{PointId::NorthNode, PointId::Lilith,
                                                      PointId::Chiron};

struct Chart {
    BirthData birth;
    ZoneCorrection zone;
    int zonePosition = -1;  // the zone list row, for showing what was applied
    BirthInstant instant;   // universal time, Julian centuries and the universal date
    SkyModel model = DefaultSkyModel;
    // The ten bodies, Sun to Pluto in that order (so bodies()[i] has the identity bodyOfSlot(i)),
    // then the North Node, Lilith and Chiron, those the model answered (a chart computed
    // without the extra points has the ten only), with their speeds and, when the chart has
    // houses, their houses.
    std::vector<ChartPoint> points;
    // The node asked for, and the one the North Node is (the classic model's is always mean).
    NodeKind nodeAsked = DefaultNodeKind;
    NodeKind node = DefaultNodeKind;
    // What the model could not give, in a sentence each, said once wherever the chart is shown:
    // "Chiron is computed in the precise model only."
    std::vector<std::string> notes;
    // Angles and cusps; absent when the chart was computed without a house calculator.
    // `houses->system` is Porphyry and `houses->fellBack()` true where Placidus or Koch has no
    // answer.
    std::optional<ChartHouses> houses;
    // The documented search among the ten bodies, in its order, each with its detail.
    std::vector<Aspect> aspects;
    // The aspects of the North Node, Lilith, Chiron, the Ascendant and the Midheaven (in that
    // order) to the ten bodies (Sun to Pluto), each within the point's orb (PointOrbs.h), the
    // point named first. Kept apart so the documented list stays exactly as it is.
    std::vector<Aspect> pointAspects;
    // The patterns the documented aspects form among the ten bodies (findAspectPatterns).
    std::vector<AspectPattern> patterns;

    std::span<const ChartPoint> bodies() const {
        return std::span(points).first(static_cast<std::size_t>(BodyCount));
    }
    const ChartPoint& body(PointId id) const {
        return points[static_cast<std::size_t>(indexOf(id))];
    }
    // The North Node, Lilith and Chiron that the chart has, in that order.
    std::span<const ChartPoint> extraPoints() const {
        if (points.size() <= static_cast<std::size_t>(BodyCount)) return {};
        return std::span(points).subspan(static_cast<std::size_t>(BodyCount));
    }
    // Any point by identity (a body, an angle or an extra point), if the chart has it.
    std::optional<ChartPoint> find(PointId id) const;
    // The Ascendant and Midheaven as points (no speed), when the chart has houses.
    std::vector<ChartPoint> angles() const;
    // Per kind: whether the chart has an aspect of it.
    std::array<bool, AspectKindCount> kindsFound() const;
    // The choice the chart was made with (the house system asked for, not a fallback).
    ChartChoice choice() const;
};

}  // namespace zodrivel
