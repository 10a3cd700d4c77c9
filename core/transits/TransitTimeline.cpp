// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/transits/TransitTimeline.h"

#include <algorithm>
#include <cmath>

#include "core/model/Angles.h"

namespace zodrivel {

namespace {

// The stretch of the same length moved as little as needed to lie within `whole`.
TimeSpan keptWithin(TimeSpan shown, TimeSpan whole) {
    const double length = std::min(shown.length(), whole.length());
    const double from = std::clamp(shown.from, whole.from, whole.to - length);
    return {from, from + length};
}

}  // namespace

TimeSpan zoomSpan(TimeSpan shown, double factor, double anchor, TimeSpan whole) {
    if (!(factor > 0) || shown.length() <= 0) return keptWithin(shown, whole);
    const double shortest = std::min(ShortestShownDays, whole.length());
    const double length = std::clamp(shown.length() / factor, shortest, whole.length());
    // The anchor keeps its share of the width: a day under the mouse stays under it.
    const double share = std::clamp((anchor - shown.from) / shown.length(), 0.0, 1.0);
    const double from = anchor - share * length;
    return keptWithin({from, from + length}, whole);
}

TimeSpan scrollSpan(TimeSpan shown, double days, TimeSpan whole) {
    return keptWithin({shown.from + days, shown.to + days}, whole);
}

TimeSpan barSpan(const Transit& transit, TimeSpan range) {
    return {transit.enters.value_or(range.from), transit.leaves.value_or(range.to)};
}

std::optional<double> natalLongitude(const Chart& natal, PointId point) {
    for (const ChartPoint& p : natal.points) {
        if (p.id == point) return p.longitude;
    }
    for (const ChartPoint& p : natal.angles()) {
        if (p.id == point) return p.longitude;
    }
    return std::nullopt;
}

double distanceFromExact(double moving, double natal, AspectKind kind) {
    // The separation the short way round (0..180) already folds both sides of the aspect.
    const double separation = std::abs(wrapDegrees(moving - natal + 180) - 180);
    return std::abs(separation - windowOf(kind).centre);
}

std::vector<double> closenessAlong(const Transit& transit, double natal, const TransitSky& sky,
                                   TimeSpan span, int samples) {
    std::vector<double> closeness;
    if (samples < 1 || !(transit.orb > 0)) return closeness;
    closeness.reserve(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i) {
        const double day = samples == 1 ? span.from : span.from + span.length() * i / (samples - 1);
        const double moving = sky.bodyAt(transit.transiting, day).longitude;
        const double distance = distanceFromExact(moving, natal, transit.kind);
        closeness.push_back(std::clamp(1 - distance / transit.orb, 0.0, 1.0));
    }
    return closeness;
}

}  // namespace zodrivel
