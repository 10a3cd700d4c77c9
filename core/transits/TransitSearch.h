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
//
// The defaults: 1 degree for Jupiter ... Pluto, which spend weeks to months within it and whose
// transits mark seasons of a life. The faster a body, the narrower its orb, so that a transit
// lasts what its body's kind of influence lasts and a year's list stays readable: Mars 0.75
// (about three days within, weeks near its stations); the Sun, Mercury and Venus, about a
// degree a day, 0.5 (about a day within); the Moon, thirteen degrees a day, 0.25 (about an
// hour within). An orb is the half-width on either side of the exact angle, the same for
// every aspect kind and natal point, and lies within (0, MaxTransitOrb].
using TransitOrbs = std::array<double, BodyCount>;
TransitOrbs defaultTransitOrbs();
// Wider than this, one angle's orb would reach the next angle (they are 30 degrees apart).
inline constexpr double MaxTransitOrb = 15.0;

// The years the search serves: those of the precise model's ephemeris files (from 1800 January
// 1, 0h, to 2400 January 1, 0h, UT); the births are 1901 ... 2050.
inline constexpr int TransitFirstYear = 1800;
inline constexpr int TransitLastYear = 2399;

struct TransitRequest {
    double fromJulianDay = 0;         // universal time, start of the first day
    double toJulianDay = 0;           // universal time, end of the last day
    std::vector<PointId> transiting;  // the moving bodies asked for, Sun ... Pluto
    TransitOrbs orbs = defaultTransitOrbs();
};

// One transit: a moving body reaching one aspect angle, on one side, to one natal point (a
// square with the body 90 degrees ahead and one with it 90 degrees behind are two transits),
// once, or three times when it turns back and forth across the angle in a retrograde loop (the
// passes of one loop are one transit; between them the body may leave the orb and come back).
// Each pass runs against the one before it; where Neptune's or Pluto's retrograde arc is longer
// than its yearly advance, two loops overlap and one transit holds five passes.
// It enters the orb before its first pass and leaves it after its last. A transit is listed
// when at least one of its passes falls within the range; a stay within orb that reaches no
// exact angle in the range is not.
struct Transit {
    PointId transiting = PointId::Sun;
    PointId natal = PointId::Sun;
    AspectKind kind = AspectKind::Conjunction;
    std::vector<double> exact;     // Julian days (UT) of the exact passes in the range
    std::optional<double> enters;  // when it comes within orb; empty before the range
    std::optional<double> leaves;  // when it leaves orb at last; empty after the range
    double orb = 0;                // the orb used, degrees
};

// Called now and then with the share done (0..1); answering false stops the search, which then
// returns what it found so far.
using TransitProgress = std::function<bool(double done)>;

// Every transit to the natal chart's points (its bodies, its angles when it has houses and its
// further points when it has them) within the request's range, in time order: by when it
// enters orb, or, for a transit already within orb when the range begins, by its first exact
// pass; then by moving body, natal point and kind. The exact passes are found to a fraction
// of a second of the sky's own positions (root-finding on its speeds between its stations,
// which are found first, so no pass near a station is missed); an empty or reversed range,
// or no moving body, gives no transits.
std::vector<Transit> findTransits(const Chart& natal, const TransitRequest& request,
                                  const TransitSky& sky, const TransitProgress& progress = {});

}  // namespace zodrivel
