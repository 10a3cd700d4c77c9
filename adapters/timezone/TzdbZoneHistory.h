// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Zone histories from the system's time-zone database (/usr/share/zoneinfo, Debian's tzdata),
// read through Howard Hinnant's date library. Nothing is fetched from the network.

#include "core/time/ZoneHistory.h"

namespace zodrivel {

class TzdbZoneHistory final : public ZoneHistory {
public:
    std::optional<LocalTimeReading> atLocalTime(std::string_view zoneId,
                                                const CivilDateTime& local) const override;
    std::vector<std::string> zoneIds() const override;
};

}  // namespace zodrivel
