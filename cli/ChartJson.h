// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The chart as JSON: one writer for a single chart (indented) and for every line of a batch
// (one line each). It writes the text directly rather than building a JSON value first, which
// would cost several times the chart itself; numbers and strings come out exactly as the JSON
// library prints them, so a reader sees the same text either way.

#include <string>

#include "core/description/ChartDescription.h"

namespace zodrivel::cli {

// One JSON object: name, universal_time, universal_date, julian_centuries, days_since_j2000,
// ephemeris, place, utc_offset_seconds, zone_source, zone_abbreviation, zone_id (when there is
// one), positions, angles and houses (when there are houses), aspects. `oneLine`: on one line
// without the final line break, for JSON Lines; otherwise indented by two, with a line break.
std::string chartJson(const ChartDescription& chart, bool oneLine = false);
// The same text appended to `out`.
void appendChartJson(std::string& out, const ChartDescription& chart, bool oneLine);

// A JSON string literal of `text` (escaped as the JSON library escapes it) appended to `out`.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace zodrivel::cli
