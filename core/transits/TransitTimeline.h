// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What the transits window shows, worked out without a window: the stretch of time in view and
// how zooming and scrolling move it, where a transit's bar begins and ends, and how close to
// exact the moving body stands along the bar (the bar's shading).

#include <optional>
#include <vector>

#include "core/calculation/Chart.h"
#include "core/transits/TransitSearch.h"

namespace zodrivel {

// A stretch of universal time in Julian days, `from` before `to`.
struct TimeSpan {
    double from = 0;
    double to = 0;
    double length() const { return to - from; }
    bool contains(double day) const { return day >= from && day <= to; }
    friend bool operator==(const TimeSpan&, const TimeSpan&) = default;
};

// A day and a half: closer than this the bars of a fast body would fill the view without
// telling one hour from the next.
inline constexpr double ShortestShownDays = 1.5;  // days

// The stretch in view after zooming by `factor` (above 1 closer, below 1 farther) about
// `anchor`, a day that keeps its place on screen; never shorter than ShortestShownDays nor
// longer than `whole`, and always within it.
TimeSpan zoomSpan(TimeSpan shown, double factor, double anchor, TimeSpan whole);

// The stretch moved by `days` (later when positive), its length kept, stopped at the ends of
// `whole`.
TimeSpan scrollSpan(TimeSpan shown, double days, TimeSpan whole);

// The bar of a transit: from entering orb to leaving it, or the range's ends where it was
// already within orb when the range began or still is when it ends.
TimeSpan barSpan(const Transit& transit, TimeSpan range);

// Where the natal point stands: a body, an angle (only with houses), a further point when the
// chart has it; nothing otherwise.
std::optional<double> natalLongitude(const Chart& natal, PointId point);

// How far the moving body at `moving` is from the exact aspect `kind` to `natal`, in degrees
// (0 when exact, on either side: a trine is exact 120 degrees ahead and 120 behind).
double distanceFromExact(double moving, double natal, AspectKind kind);

// The shading of a bar: at `samples` evenly spaced instants from `span.from` to `span.to`
// (both ends included), how close the transit is to exact, 1 when exact, falling to 0 at the
// edge of its orb and staying 0 beyond it.
std::vector<double> closenessAlong(const Transit& transit, double natal, const TransitSky& sky,
                                   TimeSpan span, int samples);

}  // namespace zodrivel
