// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/PointOrbs.h"

#include <algorithm>
#include <cmath>

#include "core/model/Angles.h"

namespace zodrivel {

namespace {

// Every point's orb stays below the bodies' half-width for the same kind.
constexpr bool orbsBelowTheBodies() {
    for (const auto& row : PointOrbs) {
        for (const AspectKind kind : AllAspectKinds) {
            const AspectWindow& w = windowOf(kind);
            const double bodyOrb = static_cast<double>(w.upper - w.centre);
            if (!(row[indexOf(kind)] > 0 && row[indexOf(kind)] < bodyOrb)) return false;
        }
    }
    return true;
}
static_assert(orbsBelowTheBodies());

template <typename OrbOf>
std::optional<PointAspect> aspectWithin(double first, double second, OrbOf orbOf) {
    // The shorter arc, 0..180.
    const double arc = std::fabs(remainderOfTurn(first - second));
    for (const AspectKind kind : AllAspectKinds) {
        const double fromExact = std::fabs(arc - exactAngle(kind));
        if (fromExact <= orbOf(kind)) return PointAspect{kind, fromExact};
    }
    return std::nullopt;
}

}  // namespace

std::optional<PointAspect> pointAspect(double bodyLongitude, double pointLongitude,
                                       OrbPoint point) {
    return aspectWithin(bodyLongitude, pointLongitude,
                        [point](AspectKind kind) { return pointOrb(point, kind); });
}

std::optional<PointAspect> pointAspect(double firstLongitude, OrbPoint first,
                                       double secondLongitude, OrbPoint second) {
    return aspectWithin(firstLongitude, secondLongitude, [first, second](AspectKind kind) {
        return std::min(pointOrb(first, kind), pointOrb(second, kind));
    });
}

}  // namespace zodrivel
