// SPDX-License-Identifier: AGPL-3.0-or-later
// The readings of the North Node, Lilith, Chiron and the angles in aspect to the ten bodies,
// and of the aspect patterns.
#include "core/texts/PointReadings.h"

namespace zodrivel {

std::span<const KeyedReading> pointReadings() { return {}; }

std::span<const PatternReading> patternReadings() { return {}; }

}  // namespace zodrivel
