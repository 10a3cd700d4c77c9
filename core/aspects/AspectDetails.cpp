// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectDetails.h"

#include <cmath>
#include <cstdio>

#include "core/model/Angles.h"

namespace zodrivel {

AspectDetail aspectDetail(const AspectHit& hit, const ChartPoint& first, const ChartPoint& second) {
    const double raw = first.longitude - second.longitude;
    // The search folded the rounded difference by a whole turn (or not at all); the same turn
    // keeps the exact value inside the window the hit was found in.
    const double exact = raw + (hit.separation - roundLongitudeDifference(raw));
    // A hit between two charts may have fallen on the negative side; its exact angle lies there.
    const int centre = windowOf(hit.kind).centre;
    const double fromExact = exact - (hit.separation < 0 ? -centre : centre);
    const double closing = first.speed - second.speed;
    AspectDetail detail;
    detail.exactSeparation = exact;
    detail.orb = std::fabs(fromExact);
    // The separation moves at `closing` degrees a day; it approaches the exact angle when it
    // moves against its distance from it.
    detail.applying = fromExact * closing < 0;
    return detail;
}

std::vector<Aspect> aspectsWithDetails(std::span<const ChartPoint> points) {
    std::vector<Aspect> aspects;
    searchWithinChart(
        points, points, [&aspects](std::size_t count) { aspects.reserve(count); },
        [&aspects](const AspectHit& hit, const ChartPoint& first, const ChartPoint& second) {
        aspects.push_back({hit, aspectDetail(hit, first, second)});
        });
    return aspects;
}

std::vector<Aspect> withDetails(const std::vector<AspectHit>& hits,
                                std::span<const ChartPoint> points) {
    const auto find = [points](PointId id) -> const ChartPoint& {
        // A chart's bodies stand in the order of their ids: look there first.
        const auto slot = static_cast<std::size_t>(id);
        if (slot < points.size() && points[slot].id == id) return points[slot];
        for (const ChartPoint& point : points) {
            if (point.id == id) return point;
        }
        return points.front();  // unreachable: every hit names points of `points`
    };
    std::vector<Aspect> aspects;
    aspects.reserve(hits.size());
    for (const AspectHit& hit : hits) {
        aspects.push_back({hit, aspectDetail(hit, find(hit.first), find(hit.second))});
    }
    return aspects;
}

std::string formatOrb(double orb) {
    const long minutes = std::lround(std::fabs(orb) * 60.0);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld\u00B0%02ld'", minutes / 60, minutes % 60);
    return buffer;
}

std::string_view motionText(const AspectDetail& detail) {
    return detail.applying ? "applying" : "separating";
}

}  // namespace zodrivel
