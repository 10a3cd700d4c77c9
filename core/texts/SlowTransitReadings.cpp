// SPDX-License-Identifier: AGPL-3.0-or-later
// Transits of the slow bodies, Jupiter to Pluto: three to five sentences each, since they last
// months and often pass three times.
#include "core/texts/TransitReadings.h"

namespace zodrivel {

std::span<const KeyedReading> slowTransitReadings() { return {}; }

}  // namespace zodrivel
