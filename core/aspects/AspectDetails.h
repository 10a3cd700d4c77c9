// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What an astrologer asks of an aspect once it is found: how far from exact it is, and whether
// the two bodies are closing on the exact angle or leaving it.

#include <span>
#include <string>
#include <vector>

#include "core/aspects/AspectSearch.h"
#include "core/model/ChartPoint.h"

namespace zodrivel {

struct AspectDetail {
    // First minus second, unrounded, turned by the same 360 degrees as the whole-degree
    // search (355 and 5 give -10, not 350): the value the found window holds.
    double exactSeparation = 0;
    double orb = 0;         // |exactSeparation - the kind's exact angle|, degrees
    bool applying = false;  // the orb is shrinking; false once exact or widening

    friend bool operator==(const AspectDetail&, const AspectDetail&) = default;
};

// An aspect as a chart keeps it: what the search found and how close and where it is heading.
struct Aspect {
    AspectHit hit;
    AspectDetail detail;
    friend bool operator==(const Aspect&, const Aspect&) = default;
};

// From the longitudes and speeds of the two points of `hit`.
AspectDetail aspectDetail(const AspectHit& hit, const ChartPoint& first, const ChartPoint& second);

// The aspects within one chart with their details, in search order: withDetails of
// aspectsBetween(points, points), found in one pass.
std::vector<Aspect> aspectsWithDetails(std::span<const ChartPoint> points);

// Each hit with its detail, in search order; `points` holds every point the hits name.
std::vector<Aspect> withDetails(const std::vector<AspectHit>& hits,
                                std::span<const ChartPoint> points);

// An orb in degrees and minutes, "2°05'"; the minutes rounded, so 0.9999 shows "1°00'".
std::string formatOrb(double orb);

// "applying" or "separating".
std::string_view motionText(const AspectDetail& detail);

}  // namespace zodrivel
