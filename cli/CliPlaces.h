// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The command line's atlas and time-zone options: --place, --tz, --find-place, and reading a
// zone's offset at the birth's local time.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/CliOptions.h"
#include "core/place/Atlas.h"
#include "core/time/ZoneDecision.h"

namespace zodrivel::cli {

// The best place for --place's text, or an error naming it with up to five near matches.
std::variant<Place, InputError> resolvePlace(std::string_view option, std::string_view text,
                                             const Atlas& atlas);

// A place's longitude and latitude as --lon and --lat take them ("74W00", "40N43"), to the
// nearest arc minute.
std::string longitudeText(const Place& place);
std::string latitudeText(const Place& place);

// Reads `zoneId` at the entries' local date and time (decideZone) and sets the offset, the zone
// id, the abbreviation and the daylight box. A time the clocks skipped or showed twice is
// refused unless `choice` (--dst or --no-dst) picks one of the two readings. `option` names what
// the zone came from in the messages ("--tz", or "--place" when the place's zone was used).
std::optional<InputError> applyTimeZone(std::string_view option, std::string_view zoneId,
                                        DaylightChoice choice, const ZoneHistory& history,
                                        EntryTexts& entries);

// --find-place's answer: a table, or a JSON array of objects with the fields of "place".
std::string formatPlaces(const std::vector<Place>& places, bool json);

}  // namespace zodrivel::cli
