// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Tests that place the ten bodies by hand (a ChartPoints record, as a model of the sky fills
// it) turn them into a chart's points here, with the search within one chart over them.

#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectSearch.h"
#include "core/model/ChartPoint.h"
#include "core/model/ChartPoints.h"

namespace zodrivel::testing {

inline std::vector<ChartPoint> pointsOf(const ChartPoints& chart) {
    std::vector<ChartPoint> points;
    for (int slot = 0; slot < BodyCount; ++slot) {
        points.push_back({bodyOfSlot(slot), chart.longitudes[slot], chart.speeds[slot], 0});
    }
    return points;
}

// The documented search among the ten bodies, each hit with its detail.
inline std::vector<Aspect> chartAspects(const ChartPoints& chart) {
    const std::vector<ChartPoint> points = pointsOf(chart);
    return withDetails(aspectsBetween(points, points), points);
}

}  // namespace zodrivel::testing
