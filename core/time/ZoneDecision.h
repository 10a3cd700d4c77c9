// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The one decision of the zone for a place's time zone and a local date and time: the offset
// its history gives, whether the clocks skipped or repeated that time, and the row and
// daylight box that express the offset. The command line refuses or follows --dst/--no-dst
// and the entry window asks, both from this decision.

#include <optional>
#include <string_view>

#include "core/time/ZoneHistory.h"
#include "core/time/ZoneRowMatch.h"

namespace zodrivel {

// Which reading of a skipped or repeated local time was meant: the one on daylight time or the
// one on standard time. Also checked against a time the clocks showed once.
enum class DaylightChoice { Unstated, Daylight, Standard };

enum class ZoneVerdict {
    UnknownZone,   // the history has no such zone
    Settled,       // one offset: the time was shown once, or the choice picked a reading
    NeedsChoice,   // skipped or repeated, and no reading was chosen
    Contradicted,  // shown once, but the choice names the other kind of time
};

struct ZoneDecision {
    ZoneVerdict verdict = ZoneVerdict::UnknownZone;
    LocalTimeReading reading;          // as the history gave it; empty for UnknownZone
    ZoneOffset offset;                 // Settled: the offset used
    std::optional<ZoneRowChoice> row;  // Settled: the row and box giving it; none when no row does
};

// The reading of a skipped or repeated time a choice picks: the one whose daylight flag it
// names, or, when both readings agree on that flag, the first for Daylight and the second for
// Standard. Unstated picks nothing.
std::optional<ZoneOffset> chosenReading(const LocalTimeReading& reading, DaylightChoice choice);

// The choice that picks the first (or else the second) reading of a skipped or repeated time.
DaylightChoice choiceOfReading(const LocalTimeReading& reading, bool first);

ZoneDecision decideZone(const ZoneHistory& history, std::string_view zoneId,
                        const CivilDateTime& local, DaylightChoice choice);

}  // namespace zodrivel
