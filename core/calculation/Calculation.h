// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The Proceed driver: the stages that turn a birth as entered into its chart, in their fixed
// order.

#include "core/calculation/Chart.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/houses/Houses.h"
#include "core/model/BirthData.h"

namespace zodrivel {

// What a program can compute charts with: one ephemeris per model of the sky and the house
// calculator. Each program fills it once, in its composition root, with the adapters.
struct SkySources {
    const Ephemeris* classic = nullptr;
    const Ephemeris* precise = nullptr;
    const HouseCalculator* houses = nullptr;

    const Ephemeris& ephemeris(SkyModel model) const {
        return model == SkyModel::Precise ? *precise : *classic;
    }
};

// The Julian date on the scale of universal time of the birth instant, to the minute.
double julianDayUt(const BirthInstant& instant);

// The birth place in degrees: latitude north positive, longitude east positive.
double northLatitude(const BirthData& birth);
double eastLongitude(const BirthData& birth);

// The stages in their fixed order: the birth instant, the positions from `ephemeris`, then the
// aspect search over them and its details; with `houses`, the angles and cusps in `system`
// and the house of each body.
Chart calculate(const ProceedRecord& record, const Ephemeris& ephemeris,
                const HouseCalculator* houses = nullptr, HouseSystem system = DefaultHouseSystem);

// The same with the model and house system of `choice`, from `sources`.
Chart calculate(const ProceedRecord& record, const SkySources& sources, const ChartChoice& choice);

}  // namespace zodrivel
