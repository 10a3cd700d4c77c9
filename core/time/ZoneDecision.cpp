// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/ZoneDecision.h"

namespace zodrivel {

std::optional<ZoneOffset> chosenReading(const LocalTimeReading& reading, DaylightChoice choice) {
    if (choice == DaylightChoice::Unstated) return std::nullopt;
    const bool daylight = choice == DaylightChoice::Daylight;
    if (reading.first.daylight != reading.second.daylight) {
        return reading.first.daylight == daylight ? reading.first : reading.second;
    }
    return daylight ? reading.first : reading.second;
}

DaylightChoice choiceOfReading(const LocalTimeReading& reading, bool first) {
    const ZoneOffset& meant = first ? reading.first : reading.second;
    if (reading.first.daylight != reading.second.daylight) {
        return meant.daylight ? DaylightChoice::Daylight : DaylightChoice::Standard;
    }
    return first ? DaylightChoice::Daylight : DaylightChoice::Standard;
}

ZoneDecision decideZone(const ZoneHistory& history, std::string_view zoneId,
                        const CivilDateTime& local, DaylightChoice choice) {
    ZoneDecision decision;
    const auto reading = history.atLocalTime(zoneId, local);
    if (!reading) return decision;
    decision.reading = *reading;
    if (reading->kind == LocalTimeKind::Unique) {
        const bool contradicted =
            (choice == DaylightChoice::Daylight && !reading->first.daylight) ||
            (choice == DaylightChoice::Standard && reading->first.daylight);
        decision.verdict = contradicted ? ZoneVerdict::Contradicted : ZoneVerdict::Settled;
        decision.offset = reading->first;
    } else if (const auto chosen = chosenReading(*reading, choice)) {
        decision.verdict = ZoneVerdict::Settled;
        decision.offset = *chosen;
    } else {
        decision.verdict = ZoneVerdict::NeedsChoice;
        return decision;
    }
    if (decision.verdict == ZoneVerdict::Settled) decision.row = rowForOffset(decision.offset);
    return decision;
}

}  // namespace zodrivel
