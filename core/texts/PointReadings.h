// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The readings of the points beyond the ten bodies: the North Node, Lilith, Chiron, the
// Ascendant and the Midheaven, each in aspect to each of the ten bodies, one per family of
// aspects; and the readings of the aspect patterns.

#include <optional>
#include <span>
#include <string_view>

#include "core/aspects/AspectPatterns.h"
#include "core/texts/Readings.h"

namespace zodrivel {

// The reading of `point` (North Node, Lilith, Chiron, Ascendant, Midheaven) in `kind` to
// `body` (Sun ... Pluto); either order is accepted. Empty where none is written.
std::string_view pointReading(PointId point, PointId body, AspectKind kind);

// Every such reading, the point first, for listings and the translators' catalogue.
std::span<const KeyedReading> pointReadings();

// A pattern's reading. `variant` says what shapes the meaning where it does: the apex body's
// slot (0..9) for a T-square or a yod, the sign (0 Aries .. 11 Pisces) for a stellium, and
// nothing for a reading of the kind as a whole.
struct PatternReading {
    PatternKind kind;
    std::optional<int> variant;
    const char* text;
};

// The reading of a found pattern: the one written for its apex or sign when there is one, else
// the kind's own.
std::string_view patternReading(const AspectPattern& pattern);

std::span<const PatternReading> patternReadings();

}  // namespace zodrivel
