// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/calculation/Calculation.h"

#include <cmath>

#include "core/aspects/PointOrbs.h"
#include "core/model/Angles.h"

namespace zodrivel {

namespace {

std::optional<OrbPoint> orbPointOf(PointId id) {
    switch (id) {
        case PointId::NorthNode: return OrbPoint::NorthNode;
        case PointId::Lilith: return OrbPoint::Lilith;
        case PointId::Chiron: return OrbPoint::Chiron;
        case PointId::Ascendant: return OrbPoint::Ascendant;
        case PointId::Midheaven: return OrbPoint::Midheaven;
        default: return std::nullopt;
    }
}

ExtraPoint extraPointOf(PointId id, NodeKind node) {
    switch (id) {
        case PointId::NorthNode:
            return node == NodeKind::Mean ? ExtraPoint::MeanNode : ExtraPoint::TrueNode;
        case PointId::Lilith: return ExtraPoint::MeanLilith;
        default: return ExtraPoint::Chiron;
    }
}

// The North Node, Lilith and Chiron that `source` gives, appended to the chart's points; a
// point refused is left out and its refusal noted once. A model without the true node gives
// the mean one, and says so.
void addExtraPoints(Chart& c, const ExtraPointEphemeris& source, NodeKind node) {
    c.nodeAsked = node;
    c.node = node;
    const auto note = [&c](const std::string& text) {
        if (text.empty()) return;
        for (const std::string& known : c.notes) {
            if (known == text) return;
        }
        c.notes.push_back(text);
    };
    for (const PointId id : ExtraPointIds) {
        ExtraPointAnswer answer = source.point(extraPointOf(id, node), c.instant);
        if (!answer.position && id == PointId::NorthNode && node == NodeKind::True) {
            note(answer.refusal);
            c.node = NodeKind::Mean;
            answer = source.point(ExtraPoint::MeanNode, c.instant);
        }
        if (!answer.position) {
            note(answer.refusal);
            continue;
        }
        c.points.push_back({id, answer.position->longitude, answer.position->speed, 0});
    }
}

}  // namespace

std::string_view nodeKindName(NodeKind node) { return node == NodeKind::Mean ? "mean" : "true"; }

std::optional<NodeKind> nodeKindFromName(std::string_view name) {
    if (name == "true") return NodeKind::True;
    if (name == "mean") return NodeKind::Mean;
    return std::nullopt;
}

std::optional<ChartPoint> Chart::find(PointId id) const {
    if (isAngle(id)) {
        for (const ChartPoint& angle : angles()) {
            if (angle.id == id) return angle;
        }
        return std::nullopt;
    }
    for (const ChartPoint& point : points) {
        if (point.id == id) return point;
    }
    return std::nullopt;
}

std::vector<Aspect> pointAspectsOf(std::span<const ChartPoint> points,
                                   std::span<const ChartPoint> bodies) {
    std::vector<Aspect> aspects;
    for (const ChartPoint& point : points) {
        const auto orbPoint = orbPointOf(point.id);
        if (!orbPoint) continue;
        for (const ChartPoint& body : bodies) {
            const auto found = pointAspect(body.longitude, point.longitude, *orbPoint);
            if (!found) continue;
            // The whole-degree separation on the short side, point minus body, so the detail
            // finds the exact angle on the side the two stand.
            const int separation =
                static_cast<int>(roundHalfEven(remainderOfTurn(point.longitude - body.longitude)));
            const AspectHit hit{found->kind, point.id, body.id, separation};
            aspects.push_back({hit, aspectDetail(hit, point, body)});
        }
    }
    return aspects;
}

std::vector<ChartPoint> Chart::angles() const {
    if (!houses) return {};
    return {{PointId::Ascendant, houses->ascendant, 0, 1},
            {PointId::Midheaven, houses->midheaven, 0, houseOf(houses->midheaven, houses->cusps)}};
}

std::array<bool, AspectKindCount> Chart::kindsFound() const {
    return zodrivel::kindsFound(aspects, [](const Aspect& aspect) { return aspect.hit.kind; });
}

ChartChoice Chart::choice() const {
    return {model, houses ? houses->requested : DefaultHouseSystem, nodeAsked};
}

double julianDayUt(const BirthInstant& instant) { return 2451545.0 + instant.daysSinceJ2000; }

double northLatitude(const BirthData& birth) {
    if (birth.exactNorthLatitude) return *birth.exactNorthLatitude;
    const double degrees = birth.latDegrees + birth.latMinutes / 60.0;
    return birth.isSouth ? -degrees : degrees;
}

double eastLongitude(const BirthData& birth) {
    if (birth.exactEastLongitude) return *birth.exactEastLongitude;
    return -signedWestLongitude(birth);
}

Chart calculate(const ProceedRecord& record, const Ephemeris& ephemeris,
                const HouseCalculator* houses, HouseSystem system,
                const ExtraPointEphemeris* extraPoints, NodeKind node) {
    Chart c;
    c.birth = record.birth;
    c.zone = record.zone;
    c.zonePosition = record.zonePosition;
    c.model = ephemeris.model();
    // The documented model reads the clock to the minute; a model that counts seconds gets them.
    c.instant =
        birthInstant(c.birth, c.zone,
                     c.model == SkyModel::Classic ? ClockSeconds::Ignored : ClockSeconds::Counted);
    const ChartPoints positions = ephemeris.positions(c.instant);
    c.points.reserve(BodyCount + ExtraPointIds.size());
    c.points.resize(BodyCount);
    for (int slot = 0; slot < BodyCount; ++slot) {
        c.points[static_cast<std::size_t>(slot)] = {bodyOfSlot(slot), positions.longitudes[slot],
                                                    positions.speeds[slot], 0};
    }
    c.nodeAsked = node;
    if (extraPoints != nullptr) addExtraPoints(c, *extraPoints, node);
    if (houses != nullptr) {
        c.houses = houses->houses(julianDayUt(c.instant), northLatitude(c.birth),
                                  eastLongitude(c.birth), system);
        for (ChartPoint& point : c.points) point.house = houseOf(point.longitude, c.houses->cusps);
    }
    c.aspects = aspectsWithDetails(c.bodies());
    std::vector<ChartPoint> pointsInAspect(c.extraPoints().begin(), c.extraPoints().end());
    for (const ChartPoint& angle : c.angles()) pointsInAspect.push_back(angle);
    c.pointAspects = pointAspectsOf(pointsInAspect, c.bodies());
    std::array<double, ChartPointCount> longitudes{};
    for (int slot = 0; slot < BodyCount; ++slot) longitudes[slot] = positions.longitudes[slot];
    // The bodies' aspects as the pattern search reads them, on the stack: every hit here is
    // between two bodies, each ordered pair once at most.
    std::array<BodyAspect, BodyCount * BodyCount> bodyAspects;
    std::size_t found = 0;
    for (const Aspect& aspect : c.aspects) {
        if (found == bodyAspects.size()) break;  // cannot happen: 90 ordered pairs at most
        const AspectHit& hit = aspect.hit;
        bodyAspects[found++] = {hit.kind, indexOf(hit.first), indexOf(hit.second)};
    }
    c.patterns = findAspectPatterns(std::span(bodyAspects.data(), found), longitudes);
    return c;
}

Chart calculate(const ProceedRecord& record, const SkySources& sources, const ChartChoice& choice) {
    return calculate(record, sources.ephemeris(choice.model), sources.houses, choice.houses,
                     sources.extraPoints(choice.model), choice.node);
}

}  // namespace zodrivel
