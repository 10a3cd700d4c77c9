// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The Proceed driver: the stages that turn a birth as entered into its chart, in their fixed
// order.

#include "core/calculation/Chart.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/ephemeris/ExtraPoints.h"
#include "core/houses/Houses.h"
#include "core/model/BirthData.h"

namespace zodrivel {

// What a program can compute charts with: one ephemeris per model of the sky, the house
// calculator, and per model the source of the node, Lilith and Chiron (without one, a chart
// of that model has the ten bodies only). Each program fills it once, in its composition root,
// with the adapters.
struct SkySources {
    const Ephemeris* classic = nullptr;
    const Ephemeris* precise = nullptr;
    const HouseCalculator* houses = nullptr;
    const ExtraPointEphemeris* classicPoints = nullptr;
    const ExtraPointEphemeris* precisePoints = nullptr;

    const Ephemeris& ephemeris(SkyModel model) const {
        return model == SkyModel::Precise ? *precise : *classic;
    }
    const ExtraPointEphemeris* extraPoints(SkyModel model) const {
        return model == SkyModel::Precise ? precisePoints : classicPoints;
    }
};

// The Julian date on the scale of universal time of the birth instant, to the minute.
double julianDayUt(const BirthInstant& instant);

// The birth place in degrees: latitude north positive, longitude east positive.
double northLatitude(const BirthData& birth);
double eastLongitude(const BirthData& birth);

// The stages in their fixed order: the birth instant, the positions from `ephemeris` and,
// with `extraPoints`, the North Node (`node`, or the mean one where the model has no other),
// Lilith and Chiron, each point the model refuses left out with its refusal among the notes;
// with `houses`, the angles and cusps in `system` and the house of each point; then the
// documented aspect search among the ten bodies and its details, the aspects of the extra
// points and the angles to the bodies, and the patterns.
Chart calculate(const ProceedRecord& record, const Ephemeris& ephemeris,
                const HouseCalculator* houses = nullptr, HouseSystem system = DefaultHouseSystem,
                const ExtraPointEphemeris* extraPoints = nullptr, NodeKind node = DefaultNodeKind);

// The aspects of `points` (extra points and angles) to `bodies`, each within the point's orb,
// in the order of `points` and then of `bodies`, the point named first.
std::vector<Aspect> pointAspectsOf(std::span<const ChartPoint> points,
                                   std::span<const ChartPoint> bodies);

// The same with the model and house system of `choice`, from `sources`.
Chart calculate(const ProceedRecord& record, const SkySources& sources, const ChartChoice& choice);

}  // namespace zodrivel
