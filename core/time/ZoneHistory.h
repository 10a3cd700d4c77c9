// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What a time zone's clocks read at a given moment of its history: the offset from Greenwich,
// whether it was daylight time, and the abbreviation. The program reads the system's time-zone
// database through an adapter; tests may stand in a zone of their own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/CivilDateTime.h"

namespace zodrivel {

struct ZoneOffset {
    std::int32_t offsetSeconds = 0;    // east of Greenwich positive, daylight included
    std::int32_t standardSeconds = 0;  // the zone's standard offset at that time
    bool daylight = false;
    std::string abbreviation;  // "EDT", "BDST"; may be a number ("+0545") where none is used
    std::string standardAbbreviation;  // that of the standard time: "EST" beside "EDT"
    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

enum class LocalTimeKind {
    Unique,       // the clocks showed this time once
    Nonexistent,  // the clocks went forward over it
    Repeated,     // the clocks went back and showed it twice
};

struct LocalTimeReading {
    LocalTimeKind kind = LocalTimeKind::Unique;
    // Unique: the offset in force. Nonexistent: the offset before the gap. Repeated: the first
    // reading (before the clocks went back, usually daylight time).
    ZoneOffset first;
    // Nonexistent: the offset after the gap. Repeated: the second reading (usually standard
    // time). Unique: equal to `first`.
    ZoneOffset second;
};

class ZoneHistory {
public:
    virtual ~ZoneHistory() = default;

    // The zone `zoneId` ("Europe/London") at a local date and clock time; nothing when the
    // database has no such zone.
    virtual std::optional<LocalTimeReading> atLocalTime(std::string_view zoneId,
                                                        const CivilDateTime& local) const = 0;

    // Every zone id the database knows, for naming near matches of a mistyped one.
    virtual std::vector<std::string> zoneIds() const = 0;
};

// Up to five of `ids` closest to `wanted` (ignoring case; the last part of an id counts too, so
// "Calcutta" finds "Asia/Calcutta" and "Europe/Lodon" finds "Europe/London").
std::vector<std::string> nearZoneIds(std::string_view wanted, const std::vector<std::string>& ids);

// "+5:30", "-4:00", "+1:19:32": an offset as people write it, with seconds only when it has them.
std::string formatOffset(std::int32_t offsetSeconds);

}  // namespace zodrivel
