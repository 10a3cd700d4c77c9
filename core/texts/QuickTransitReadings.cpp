// SPDX-License-Identifier: AGPL-3.0-or-later
// Transits of the quick bodies, Sun to Mars: one to three sentences each, since they last
// days to weeks.
#include "core/texts/TransitReadings.h"

namespace zodrivel {

std::span<const KeyedReading> quickTransitReadings() { return {}; }

}  // namespace zodrivel
