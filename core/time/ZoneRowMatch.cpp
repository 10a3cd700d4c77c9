// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/ZoneRowMatch.h"

#include "core/model/BirthData.h"
#include "core/time/TimeZones.h"

namespace zodrivel {

std::optional<ZoneRowChoice> rowForOffset(const ZoneOffset& offset) {
    const bool box = offset.daylight;
    if (box && offset.offsetSeconds - offset.standardSeconds != 3600) return std::nullopt;
    const std::int32_t standard = box ? offset.standardSeconds : offset.offsetSeconds;
    std::optional<int> first, plain, named;
    for (int position = 0; position < ZoneCount; ++position) {
        if (rowOffsetSeconds(zoneTable()[position].correction, false) != standard) continue;
        if (!first) first = position;
        const std::string_view abbreviation = zoneAbbreviation(position);
        if (!named && !offset.standardAbbreviation.empty() &&
            abbreviation == offset.standardAbbreviation) {
            named = position;
        }
        const std::string_view name = zoneName(position);
        if (!plain && name.find("Daylight") == std::string_view::npos &&
            name.find("Summer") == std::string_view::npos &&
            name.find("War") == std::string_view::npos) {
            plain = position;
        }
    }
    if (!first) return std::nullopt;
    return ZoneRowChoice{named.value_or(plain.value_or(*first)), box};
}

}  // namespace zodrivel
