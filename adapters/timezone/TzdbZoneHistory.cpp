// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/timezone/TzdbZoneHistory.h"

#include <date/tz.h>
#include <stdexcept>

namespace zodrivel {

namespace {

using std::chrono::seconds;

// The zone's standard offset around `info`: the offset itself outside daylight time, else that
// of the nearest earlier period without daylight time (Britain kept summer time through the
// winters of 1940-45, so the last standard period can lie a few changes back).
struct Standard {
    std::int32_t seconds;
    std::string abbreviation;
};
Standard standardOffset(const date::time_zone& zone, const date::sys_info& info) {
    if (info.save == std::chrono::minutes{0}) {
        return {static_cast<std::int32_t>(info.offset.count()), info.abbrev};
    }
    constexpr int MaxStepsBack = 40;  // changes; far more than any zone needs
    date::sys_info earlier = info;
    for (int step = 0; step < MaxStepsBack; ++step) {
        earlier = zone.get_info(earlier.begin - seconds{1});
        if (earlier.save == std::chrono::minutes{0}) {
            return {static_cast<std::int32_t>(earlier.offset.count()), earlier.abbrev};
        }
        if (earlier.begin <= date::sys_seconds::min() + seconds{1}) break;
    }
    return {static_cast<std::int32_t>(info.offset.count()) - 3600, {}};
}

ZoneOffset toOffset(const date::time_zone& zone, const date::sys_info& info) {
    ZoneOffset offset;
    offset.offsetSeconds = static_cast<std::int32_t>(info.offset.count());
    offset.daylight = info.save != std::chrono::minutes{0};
    Standard standard = standardOffset(zone, info);
    offset.standardSeconds = standard.seconds;
    offset.standardAbbreviation = std::move(standard.abbreviation);
    offset.abbreviation = info.abbrev;
    return offset;
}

}  // namespace

std::optional<LocalTimeReading> TzdbZoneHistory::atLocalTime(std::string_view zoneId,
                                                             const CivilDateTime& local) const {
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(zoneId);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    const date::local_seconds clock =
        date::local_days{date::year{local.year} / local.month / local.day} +
        std::chrono::hours{local.hour} + std::chrono::minutes{local.minute};
    const date::local_info info = zone->get_info(clock);
    LocalTimeReading reading;
    reading.first = toOffset(*zone, info.first);
    reading.second =
        info.result == date::local_info::unique ? reading.first : toOffset(*zone, info.second);
    reading.kind = info.result == date::local_info::unique        ? LocalTimeKind::Unique
                   : info.result == date::local_info::nonexistent ? LocalTimeKind::Nonexistent
                                                                  : LocalTimeKind::Repeated;
    return reading;
}

std::vector<std::string> TzdbZoneHistory::zoneIds() const {
    std::vector<std::string> ids;
    const date::tzdb& database = date::get_tzdb();
    // Read from the system database, the old names (Asia/Calcutta) are zones of their own.
    for (const date::time_zone& zone : database.zones) ids.emplace_back(zone.name());
    return ids;
}

}  // namespace zodrivel
