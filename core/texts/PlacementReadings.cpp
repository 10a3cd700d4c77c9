// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/texts/PlacementReadings.h"

namespace zodrivel {

namespace {

std::string_view find(std::span<const PlacementReading> table, PointId point, int place) {
    for (const PlacementReading& reading : table)
        if (reading.point == point && reading.place == place) return reading.text;
    return {};
}

}  // namespace

std::string_view signReading(PointId point, int sign) { return find(signReadings(), point, sign); }

std::string_view houseReading(PointId body, int house) {
    return find(houseReadings(), body, house);
}

}  // namespace zodrivel
