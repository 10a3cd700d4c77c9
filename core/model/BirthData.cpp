// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/model/BirthData.h"

namespace zodrivel {

double signedWestLongitude(const BirthData& birth) {
    const double west = birth.lonDegrees + birth.lonMinutes / 60.0;
    return birth.isEast ? -west : west;
}

}  // namespace zodrivel
