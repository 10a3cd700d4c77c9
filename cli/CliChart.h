// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// From a birth's options to its chart, one way for a single birth and for every line of a
// batch: the place looked up, the zone read from its history, the model and house system that
// were chosen.

#include <cstddef>
#include <functional>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/CliOptions.h"
#include "core/calculation/Calculation.h"
#include "core/houses/Houses.h"
#include "core/place/Atlas.h"
#include "core/time/ZoneHistory.h"

namespace zodrivel::cli {

// How a place's text is looked up: a single chart reads only the places that can match, a
// batch searches an atlas loaded once.
using PlaceSearch = std::function<std::vector<Place>(std::string_view text, std::size_t limit)>;

// The checked entries of the birth `options` give. --place is looked up by `search` (its
// coordinates unless --lon and --lat are given, its zone unless --zone or --tz is), with near
// matches from `atlas` when nothing matches; --tz, or the place's zone, is read from `history`
// at the local time, and a birth file's recorded offset picks between the two readings of a
// time the clocks showed twice.
std::variant<EntryTexts, InputError> entriesOf(BirthOptions options, const Atlas& atlas,
                                               const PlaceSearch& search,
                                               const ZoneHistory& history);

// The chart of checked entries, in the chosen model, with houses.
Chart computeChart(const EntryTexts& entries, const ChartChoice& choice, const SkySources& sky);

}  // namespace zodrivel::cli
