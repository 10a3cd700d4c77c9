// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The birth as entered and as used, in words a person checks at a glance, and a note when the
// zone and daylight-saving entries look wrong for the place.

#include <optional>
#include <string>

#include "core/model/BirthData.h"
#include "core/model/CivilDateTime.h"
#include "core/model/TextTranslator.h"

namespace zodrivel {

// Every text here reads as `texts` has its pattern, month and zone names; English by default.

// "4 July 1976"
std::string formatDate(int year, int month, int day, const TextTranslator& texts = englishTexts());
// "74°00'W 40°43'N"
std::string formatCoordinates(const BirthData& birth, const TextTranslator& texts = englishTexts());
// "UT 4 July 1976 14:30": the instant the planets were computed for.
std::string formatUniversalTime(const CivilDateTime& universal,
                                const TextTranslator& texts = englishTexts());
// A zone row as a reader sees it, the one wording the report and the result summary share:
// "Central European Time (CET)", with ", daylight saving" when `daylight` ticks it. Empty when
// no row has that position.
std::string formatZoneRow(int zonePosition, bool daylight,
                          const TextTranslator& texts = englishTexts());
// "2026-12-08T14:30:00"
std::string isoUniversalTime(const CivilDateTime& universal);

// A zone row that is itself a daylight, summer or war time (daylight saving already counted).
bool isDaylightZone(int zonePosition);

// A word of caution, never a refusal: daylight saving ticked on a zone that already includes
// it (the hour would come off twice), or a zone on the other side of Greenwich from the place
// and more than three hours from its local mean time.
std::optional<std::string> plausibilityNote(const BirthData& birth, int zonePosition,
                                            const TextTranslator& texts = englishTexts());

// The patterns of the texts above, for the translators' catalogue.
namespace summaryPatterns {
inline constexpr std::string_view Date = "%1 %2 %3";           // day, month name, year
inline constexpr std::string_view UniversalTime = "UT %1 %2";  // date, hh:mm
// The four directions of a coordinate, one letter each in English.
inline constexpr std::string_view East = "E", West = "W", North = "N", South = "S";
inline constexpr std::string_view ZoneRow = "%1 (%2)";  // zone name, abbreviation
inline constexpr std::string_view DaylightZoneRow = "%1, daylight saving";  // the zone row
inline constexpr std::string_view DaylightTwice =
    "Daylight saving is ticked, but %1 already includes it: the hour is taken off twice. "
    "Choose the standard-time zone, or untick daylight saving.";
inline constexpr std::string_view ZoneAcrossGreenwich =
    "The zone %1 lies on the other side of Greenwich from a longitude of %2. Check the zone "
    "and the East/West choice.";
}  // namespace summaryPatterns

}  // namespace zodrivel
