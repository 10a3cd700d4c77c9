// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Transits: the moments at which a moving body reaches an aspect angle to a point of a birth
// chart, with when it comes within orb and when it leaves. The moving sky is always the precise
// model's, whatever model the birth chart was drawn with, and is asked for through TransitSky so
// the search stays free of the library behind it.

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/aspects/AspectKind.h"
#include "core/calculation/Chart.h"
#include "core/ephemeris/ExtraPoints.h"
#include "core/model/ChartPoint.h"

namespace zodrivel {

// Where one moving body stands at an instant of universal time (a Julian day).
class TransitSky {
public:
    virtual ~TransitSky() = default;
    virtual PointPosition bodyAt(PointId body, double julianDayUt) const = 0;
};

// Orbs of the moving bodies in degrees, by body slot (Sun = 0 ... Pluto = 9).
using TransitOrbs = std::array<double, BodyCount>;
TransitOrbs defaultTransitOrbs();

struct TransitRequest {
    double fromJulianDay = 0;         // universal time, start of the first day
    double toJulianDay = 0;           // universal time, end of the last day
    std::vector<PointId> transiting;  // the moving bodies asked for, Sun ... Pluto
    TransitOrbs orbs = defaultTransitOrbs();
};

struct Transit {
    PointId transiting = PointId::Sun;
    PointId natal = PointId::Sun;
    AspectKind kind = AspectKind::Conjunction;
    std::vector<double> exact;     // Julian days (UT) of the exact passes in the range
    std::optional<double> enters;  // when it comes within orb; empty before the range
    std::optional<double> leaves;  // when it leaves orb; empty after the range
    double orb = 0;                // the orb used, degrees
};

// Called now and then with the share done (0..1); answering false stops the search, which then
// returns what it found so far.
using TransitProgress = std::function<bool(double done)>;

// Every transit to the natal chart's points (its bodies, its angles when it has houses and its
// further points when it has them) within the request's range, in time order.
std::vector<Transit> findTransits(const Chart& natal, const TransitRequest& request,
                                  const TransitSky& sky, const TransitProgress& progress = {});

}  // namespace zodrivel
