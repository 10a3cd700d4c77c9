#include "core/model/BirthData.h"

namespace zodrivel {

double SignedWestLongitude(const BirthData& birth) {
    const double west = birth.LonDegrees + birth.LonMinutes / 60.0;
    return birth.IsEast ? -west : west;
}

}  // namespace zodrivel
