// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The readings of the planets in their signs and houses: each of the ten bodies in each of the
// twelve signs and each of the twelve houses, and the Ascendant and Midheaven in each sign.

#include <span>
#include <string_view>

#include "core/model/ChartPoint.h"

namespace zodrivel {

struct PlacementReading {
    PointId point;
    int place;  // a sign, 0 Aries .. 11 Pisces; or a house, 1 .. 12
    const char* text;
};

// `point` in `sign` (0..11): a body, the Ascendant or the Midheaven. Empty where none is written.
std::string_view signReading(PointId point, int sign);
// `body` in `house` (1..12). Empty where none is written.
std::string_view houseReading(PointId body, int house);

std::span<const PlacementReading> signReadings();
std::span<const PlacementReading> houseReadings();

}  // namespace zodrivel
