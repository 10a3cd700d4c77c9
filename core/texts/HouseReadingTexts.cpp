// SPDX-License-Identifier: AGPL-3.0-or-later
// The ten bodies in each of the twelve houses.
#include "core/texts/PlacementReadings.h"

namespace zodrivel {

std::span<const PlacementReading> houseReadings() { return {}; }

}  // namespace zodrivel
