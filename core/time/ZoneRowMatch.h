// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Expressing a zone's offset with the zone list: the row of its standard time, with the
// daylight box when daylight time was kept, so that the row and the box give exactly the
// offset the zone's history gives.

#include <optional>

#include "core/time/ZoneHistory.h"

namespace zodrivel {

struct ZoneRowChoice {
    int position = -1;  // zone list row
    bool daylightBox = false;
    friend bool operator==(const ZoneRowChoice&, const ZoneRowChoice&) = default;
};

// The row whose correction is the standard offset (the daylight box set when daylight time
// applied and added exactly one hour), preferring the row whose abbreviation is that of the
// standard time ("EST" for New York in July), then a row that is not itself a daylight, summer
// or war time; nothing when no row gives the offset (local mean time,
// Kolkata's +6:30, Britain's double summer time, Nepal's +5:45, Lord Howe's half-hour saving).
std::optional<ZoneRowChoice> rowForOffset(const ZoneOffset& offset);

}  // namespace zodrivel
