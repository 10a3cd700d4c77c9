// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The fixed list of 71 named time zones and the zone step that turns a list position into the
// signed zone correction.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/model/BirthData.h"

namespace zodrivel {

struct ZoneRow {
    std::string_view text;  // exactly as the list shows it; never parsed for the numbers
    ZoneCorrection correction;
};

inline constexpr int ZoneCount = 71;
// "Greenwich Mean Time,GMT,0.0", selected when the entry window opens.
inline constexpr int DefaultZonePosition = 29;

const std::array<ZoneRow, ZoneCount>& zoneTable();

// The zone step: the correction of the row at `position`, or nothing when no row has that
// position (no selection), in which case the caller keeps the values it held.
std::optional<ZoneCorrection> zoneCorrectionAt(int position);

// The fields of a row text, trimmed: "Azores Time, AT, -2.0" has name "Azores Time" and
// abbreviation "AT".
std::string_view zoneName(int position);
std::string_view zoneAbbreviation(int position);

// Rows named by `query`: its list position (digits only, "0".."70"), its exact row text, or
// (ignoring case) its abbreviation or zone name. Several rows come back when an abbreviation or
// name is shared (NST; the South Australia rows).
std::vector<int> findZones(std::string_view query);

}  // namespace zodrivel
