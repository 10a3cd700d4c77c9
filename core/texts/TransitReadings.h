// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The readings of transits: a moving body (Sun, Moon, Mercury ... Pluto) in aspect to a point of
// the birth chart (Sun ... Pluto, North Node, Lilith, Chiron, Ascendant, Midheaven), one per
// family of aspects. A transit is a season that begins and ends, so these are written as a time,
// not a trait (docs/text-style.md).

#include <span>
#include <string_view>

#include "core/texts/Readings.h"

namespace zodrivel {

// The reading of `transiting` in `kind` to the natal `natal`; empty where none is written.
std::string_view transitReading(PointId transiting, PointId natal, AspectKind kind);

// Every transit reading, transiting body first, for listings and the translators' catalogue.
std::span<const KeyedReading> transitReadings();

// The tables, written in two files: the quick bodies (Sun to Mars) and the slow (Jupiter to
// Pluto).
std::span<const KeyedReading> quickTransitReadings();
std::span<const KeyedReading> slowTransitReadings();

}  // namespace zodrivel
