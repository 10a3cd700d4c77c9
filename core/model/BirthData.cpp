// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/model/BirthData.h"

namespace zodrivel {

std::int32_t rowOffsetSeconds(const ZoneCorrection& zone, bool daylightSaving) {
    return -(zone.zoneCorrectionHours * 3600 + zone.zoneCorrectionMinutes * 60) +
           (daylightSaving ? 3600 : 0);
}

double signedWestLongitude(const BirthData& birth) {
    const double west = birth.lonDegrees + birth.lonMinutes / 60.0;
    return birth.isEast ? -west : west;
}

}  // namespace zodrivel
