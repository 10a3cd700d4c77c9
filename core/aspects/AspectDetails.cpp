// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectDetails.h"

#include <cmath>
#include <cstdio>

#include "core/model/Angles.h"

namespace zodrivel {

AspectDetail aspectDetail(const AspectHit& hit, const ChartPoints& chart) {
    const double raw = chart.longitudes[hit.first] - chart.longitudes[hit.second];
    // The search folded the rounded difference by a whole turn (or not at all); the same turn
    // keeps the exact value inside the window the hit was found in.
    const double exact = raw + (hit.separation - roundHalfEven(raw));
    const double fromExact = exact - windowOf(hit.kind).centre;
    const double closing = chart.speeds[hit.first] - chart.speeds[hit.second];
    AspectDetail detail;
    detail.exactSeparation = exact;
    detail.orb = std::fabs(fromExact);
    // The separation moves at `closing` degrees a day; it approaches the exact angle when it
    // moves against its distance from it.
    detail.applying = fromExact * closing < 0;
    return detail;
}

std::vector<AspectDetail> aspectDetails(const AspectSearchResult& aspects,
                                        const ChartPoints& chart) {
    std::vector<AspectDetail> details;
    details.reserve(aspects.hits.size());
    for (const AspectHit& hit : aspects.hits) details.push_back(aspectDetail(hit, chart));
    return details;
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
