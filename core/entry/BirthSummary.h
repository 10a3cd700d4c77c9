// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The birth as entered and as used, in words a person checks at a glance, and a note when the
// zone and daylight-saving entries look wrong for the place.

#include <optional>
#include <string>

#include "core/model/BirthData.h"
#include "core/model/CivilDateTime.h"

namespace zodrivel {

// "4 July 1976"
std::string formatDate(int year, int month, int day);
// "74°00'W 40°43'N"
std::string formatCoordinates(const BirthData& birth);
// "UT 4 July 1976 14:30": the instant the planets were computed for.
std::string formatUniversalTime(const CivilDateTime& universal);
// "2026-12-08T14:30:00"
std::string isoUniversalTime(const CivilDateTime& universal);

// A zone row that is itself a daylight, summer or war time (daylight saving already counted).
bool isDaylightZone(int zonePosition);

// A word of caution, never a refusal: daylight saving ticked on a zone that already includes
// it (the hour would come off twice), or a zone on the other side of Greenwich from the place
// and more than three hours from its local mean time.
std::optional<std::string> plausibilityNote(const BirthData& birth, int zonePosition);

}  // namespace zodrivel
