// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/transits/TransitSearch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>

#include "core/model/Angles.h"

namespace zodrivel {

TransitOrbs defaultTransitOrbs() { return {0.5, 0.25, 0.5, 0.5, 0.75, 1.0, 1.0, 1.0, 1.0, 1.0}; }

namespace {

// How the search works, for one moving body:
// 1. Its path over the range is sampled (the knots), with the longitude unwrapped (running on
//    past 360) so that it is a continuous function of time.
// 2. Its stations are found where the speed changes sign between two knots, and become knots
//    themselves. Between two stations the longitude only rises or only falls, so it reaches any
//    one longitude at most once there: a pass can be missed only by missing a station, and a
//    station cannot be missed because the knots are closer together than any retrograde or
//    direct stretch is long (the shortest, Mercury's retrograde, lasts about three weeks).
// 3. Every longitude that matters (each natal point plus each multiple of 30 degrees, and the
//    same plus and minus the orb) is crossed, within each monotonic stretch, once for each turn
//    of the zodiac the stretch covers. Each crossing lies between two knots: a first guess from
//    the cubic through their longitudes and speeds, then Newton's method on the sky's own
//    positions and speeds, held inside the bracket (bisection where a step would leave it).
// 4. The crossings of one natal point and one angle, in time order, are walked through: entering
//    the orb opens a transit, the exact crossings are its passes, leaving the orb closes it.

// The step of the knots in days: under a fifth of the body's shortest stretch between two
// stations (Mercury's retrograde, about three weeks; Venus's about six; Mars's two months;
// Jupiter ... Pluto's four months or more), so a station cannot fall between two knots unseen.
// The Sun and the Moon never station; their knots only bound the brackets of the crossings
// (the Moon's under half of the 30 degrees between two angles).
double knotStep(PointId body) {
    switch (body) {
        case PointId::Moon: return 1.0;
        case PointId::Mercury: return 4.0;
        case PointId::Venus: return 6.0;
        case PointId::Sun:
        case PointId::Mars: return 8.0;
        default: return 16.0;
    }
}

// How far beyond the range a body is followed, in days, so that the passes of a retrograde
// loop that straddles the range's start or end are grouped as they happen: at least the longest
// time from a loop's first exact pass to its last (a few weeks for Mercury; for Jupiter ...
// Pluto, whose loops return after a year and a few weeks, a little over a year). The Sun and
// the Moon never turn back.
double loopMargin(PointId body) {
    switch (body) {
        case PointId::Sun:
        case PointId::Moon: return 0;
        case PointId::Mercury: return 90;
        case PointId::Venus: return 150;
        case PointId::Mars: return 250;
        default: return 420;
    }
}

// A crossing is settled when Newton's next step is shorter than this: about a tenth of a
// second, where the step after is far shorter still.
constexpr double TimeTolerance = 1e-6;  // days
// A station is settled to about a second by bisection of the speed; the longitude then differs
// from the turning point by far less than an arcsecond.
constexpr double StationTolerance = 1e-5;  // days

struct Knot {
    double time = 0;       // Julian day, UT
    double longitude = 0;  // unwrapped, degrees
    double speed = 0;      // degrees per day
};

// Longitude differences in (-180, 180].
double signedArc(double degrees) {
    const double r = wrapDegrees(degrees + 180.0) - 180.0;
    return r == -180.0 ? 180.0 : r;
}

// The sky's longitude at `time`, unwrapped to lie within half a turn of `near`.
Knot knotAt(const TransitSky& sky, PointId body, double time, double near) {
    const PointPosition p = sky.bodyAt(body, time);
    return {time, near + signedArc(p.longitude - near), p.speed};
}

// The station between two knots whose speeds differ in sign.
Knot stationBetween(const TransitSky& sky, PointId body, Knot a, Knot b) {
    // Regula falsi on the speed, halving the weight of an end kept twice (the Illinois
    // method): a handful of steps where bisection takes twenty.
    double fa = a.speed, fb = b.speed;
    int kept = 0;
    while (b.time - a.time > StationTolerance) {
        double t = (a.time * fb - b.time * fa) / (fb - fa);
        if (!(t > a.time && t < b.time)) t = 0.5 * (a.time + b.time);
        const Knot mid = knotAt(sky, body, t, a.longitude);
        if (std::fabs(mid.speed) * StationTolerance < 1e-12) {  // under a microarcsecond
            a = b = mid;
            break;
        }
        if ((mid.speed < 0) == (fa < 0)) {
            a = mid;
            fa = mid.speed;
            if (kept == -1) fb *= 0.5;
            kept = -1;
        } else {
            b = mid;
            fb = mid.speed;
            if (kept == 1) fa *= 0.5;
            kept = 1;
        }
    }
    Knot station = knotAt(sky, body, 0.5 * (a.time + b.time), a.longitude);
    station.speed = 0;  // so that the stretches on either side read as monotonic
    return station;
}

// The cubic through two knots' longitudes and speeds, solved for `target` by bisection (the
// target lies between the two longitudes, so the cubic takes it somewhere between them).
double firstGuess(const Knot& a, const Knot& b, double target) {
    const double h = b.time - a.time;
    const auto cubic = [&](double s) {
        const double s2 = s * s, s3 = s2 * s;
        return (2 * s3 - 3 * s2 + 1) * a.longitude + (s3 - 2 * s2 + s) * h * a.speed +
               (-2 * s3 + 3 * s2) * b.longitude + (s3 - s2) * h * b.speed;
    };
    const bool rising = b.longitude >= a.longitude;
    double lo = 0, hi = 1;
    for (int i = 0; i < 30; ++i) {
        const double mid = 0.5 * (lo + hi);
        if ((cubic(mid) < target) == rising) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return a.time + 0.5 * (lo + hi) * h;
}

// When the body, between two knots of one monotonic stretch, reaches `target` (unwrapped).
double crossingBetween(const TransitSky& sky, PointId body, const Knot& a, const Knot& b,
                       double target) {
    double lo = a.time, hi = b.time;
    const double loSign = a.longitude - target;  // the sign the low end of the bracket keeps
    if (loSign == 0) return a.time;
    if (b.longitude == target) return b.time;
    double t = firstGuess(a, b, target);
    // Over the knots' interval, with a margin of two, since the speed bends between them.
    const double acceleration = 2 * std::fabs(b.speed - a.speed) / (b.time - a.time) + 1e-9;
    for (int i = 0; i < 100; ++i) {
        const Knot k = knotAt(sky, body, t, a.longitude);
        const double f = k.longitude - target;
        if (f == 0) return t;
        if ((f < 0) == (loSign < 0)) {
            lo = t;
        } else {
            hi = t;
        }
        // A step is taken without another look when Newton's error after it, the step's
        // square times half the acceleration over the speed (the acceleration as the two
        // knots give it), is under the tolerance: most crossings need one position. Nor is it
        // checked against the bracket then, since at these Julian days a step under 5e-10
        // days rounds to nothing.
        const double step = k.speed != 0 ? -f / k.speed : hi - lo;
        if (std::fabs(step) < TimeTolerance ||
            step * step * acceleration < 2 * TimeTolerance * std::fabs(k.speed)) {
            return std::clamp(t + step, lo, hi);
        }
        if (hi - lo < TimeTolerance) return 0.5 * (lo + hi);
        t = t + step > lo && t + step < hi ? t + step : 0.5 * (lo + hi);
    }
    return t;
}

// The knots of one body over the range, its stations among them, cut into monotonic stretches
// (each stretch's first knot is the previous one's last).
std::vector<std::vector<Knot>> monotonicStretches(const TransitSky& sky, PointId body, double from,
                                                  double to) {
    const double step = knotStep(body);
    std::vector<std::vector<Knot>> stretches(1);
    Knot previous = knotAt(sky, body, from, 0);
    previous.longitude = sky.bodyAt(body, from).longitude;
    stretches.back().push_back(previous);
    const auto count = static_cast<long>(std::ceil((to - from) / step));
    for (long i = 1; i <= count; ++i) {
        const double time = i == count ? to : from + static_cast<double>(i) * step;
        const Knot knot = knotAt(sky, body, time, previous.longitude);
        if ((knot.speed < 0) != (previous.speed < 0) && previous.speed != 0) {
            const Knot station = stationBetween(sky, body, previous, knot);
            stretches.back().push_back(station);
            stretches.push_back({station});
        }
        stretches.back().push_back(knot);
        previous = knot;
    }
    return stretches;
}

enum class Crossing : int { Enters = 0, Exact = 1, Leaves = 2 };  // the order of a tie

struct Event {
    double time = 0;
    Crossing what = Crossing::Exact;
    bool rising = true;  // whether the body's longitude was increasing (direct motion)
    friend bool operator<(const Event& x, const Event& y) {
        return std::tie(x.time, x.what) < std::tie(y.time, y.what);
    }
};

struct NatalPoint {
    PointId id;
    double longitude;
};

// The natal chart's points: its bodies and further points, then its angles when it has houses.
std::vector<NatalPoint> natalPoints(const Chart& chart) {
    std::vector<NatalPoint> points;
    const auto add = [&](const ChartPoint& p) {
        const bool known = std::any_of(points.begin(), points.end(),
                                       [&](const NatalPoint& n) { return n.id == p.id; });
        if (!known) points.push_back({p.id, wrapDegrees(p.longitude)});
    };
    for (const ChartPoint& p : chart.points) {
        if (isBody(p.id) || isLunarOrMinorPoint(p.id)) add(p);
    }
    if (chart.houses) {
        for (const ChartPoint& p : chart.angles()) add(p);
    }
    return points;
}

constexpr int Targets = 12;  // the multiples of 30 degrees: each aspect angle on either side

constexpr AspectKind kindOfTarget(int target) {
    return AllAspectKinds[static_cast<std::size_t>(std::min(target, Targets - target))];
}

// The transits of one moving body: `done` is told the share of its stretches searched and
// answers false to stop.
std::vector<Transit> transitsOf(PointId body, double orb, const std::vector<NatalPoint>& natal,
                                double from, double to, const TransitSky& sky,
                                const std::function<bool(double)>& done) {
    const double margin = loopMargin(body);
    const auto stretches = monotonicStretches(sky, body, from - margin, to + margin);
    const double startLongitude = stretches.front().front().longitude;

    // The longitudes whose crossings matter, per natal point and target: the exact angle, and
    // the orb's edges below and above it.
    const std::size_t slots = natal.size() * Targets;
    std::vector<std::vector<Event>> events(slots);
    struct Mark {
        double longitude;  // 0 <= x < 360
        std::size_t slot;
        int edge;  // -1 below, 0 exact, +1 above
    };
    std::vector<Mark> marks;
    marks.reserve(slots * 3);
    for (std::size_t n = 0; n < natal.size(); ++n) {
        for (int target = 0; target < Targets; ++target) {
            const double exact = natal[n].longitude + 30.0 * target;
            for (const int edge : {-1, 0, 1}) {
                marks.push_back({wrapDegrees(exact + edge * orb),
                                 n * Targets + static_cast<std::size_t>(target), edge});
            }
        }
    }

    for (std::size_t s = 0; s < stretches.size(); ++s) {
        const std::vector<Knot>& knots = stretches[s];
        const double first = knots.front().longitude, last = knots.back().longitude;
        if (knots.size() < 2 || first == last) continue;
        const bool rising = last > first;
        const double low = std::min(first, last), high = std::max(first, last);
        for (const Mark& mark : marks) {
            // Every unwrapped value of the mark's longitude within (first, last], nearest first.
            double value = mark.longitude + 360.0 * std::floor((low - mark.longitude) / 360.0);
            while (value <= low) value += 360.0;
            for (; value <= high; value += 360.0) {
                if (value == first) continue;
                // The two knots around the value: the stretch is monotonic, so a binary search.
                const auto after =
                    std::partition_point(knots.begin() + 1, knots.end(), [&](const Knot& k) {
                        return rising ? k.longitude < value : k.longitude > value;
                    });
                if (after == knots.end()) continue;
                const double time = crossingBetween(sky, body, *(after - 1), *after, value);
                Crossing what = Crossing::Exact;
                if (mark.edge != 0) {
                    // Rising through the lower edge or falling through the upper one enters.
                    const bool entering = (mark.edge < 0) == rising;
                    what = entering ? Crossing::Enters : Crossing::Leaves;
                }
                events[mark.slot].push_back({time, what, rising});
            }
        }
        if (!done(static_cast<double>(s + 1) / static_cast<double>(stretches.size()))) break;
    }

    std::vector<Transit> found;
    for (std::size_t slot = 0; slot < slots; ++slot) {
        const NatalPoint& point = natal[slot / Targets];
        const int target = static_cast<int>(slot % Targets);
        std::vector<Event>& list = events[slot];
        std::sort(list.begin(), list.end());

        // The stays within orb, and the exact passes with the stay each falls in.
        struct Stay {
            std::optional<double> enters, leaves;
        };
        struct Pass {
            double time;
            bool rising;
            std::size_t stay;
        };
        std::vector<Stay> stays;
        std::vector<Pass> passes;
        const double exactLongitude = point.longitude + 30.0 * target;
        bool within = std::fabs(signedArc(startLongitude - exactLongitude)) <= orb;
        if (within) stays.push_back({});
        for (const Event& event : list) {
            // An exact pass is within the orb by definition: rounding at an edge cannot lose it.
            if (event.what != Crossing::Leaves && !within) {
                stays.push_back({event.time, std::nullopt});
                within = true;
            }
            if (event.what == Crossing::Exact) {
                passes.push_back({event.time, event.rising, stays.size() - 1});
            } else if (event.what == Crossing::Leaves && within) {
                stays.back().leaves = event.time;
                within = false;
            }
        }

        // One transit per retrograde loop: a pass against the direction of the one before it
        // belongs to the same loop. A loop seen to begin or end with a retrograde pass went on
        // beyond the searched days, so its entering or leaving is unknown (and outside the
        // range, which the margins keep far from the searched days' ends).
        for (std::size_t first = 0; first < passes.size();) {
            std::size_t last = first;
            while (last + 1 < passes.size() && passes[last + 1].rising != passes[last].rising) {
                ++last;
            }
            Transit transit{body,         point.id, kindOfTarget(target), {}, std::nullopt,
                            std::nullopt, orb};
            for (std::size_t i = first; i <= last; ++i) {
                if (passes[i].time >= from && passes[i].time <= to) {
                    transit.exact.push_back(passes[i].time);
                }
            }
            if (!transit.exact.empty()) {
                const auto enters =
                    passes[first].rising ? stays[passes[first].stay].enters : std::nullopt;
                const auto leaves =
                    passes[last].rising ? stays[passes[last].stay].leaves : std::nullopt;
                if (enters && *enters >= from) transit.enters = enters;
                if (leaves && *leaves <= to) transit.leaves = leaves;
                found.push_back(std::move(transit));
            }
            first = last + 1;
        }
    }
    return found;
}

}  // namespace

std::vector<Transit> findTransits(const Chart& natal, const TransitRequest& request,
                                  const TransitSky& sky, const TransitProgress& progress) {
    std::vector<Transit> found;
    const double from = request.fromJulianDay, to = request.toJulianDay;
    if (!(to > from)) return found;
    const std::vector<NatalPoint> points = natalPoints(natal);

    std::vector<PointId> bodies;
    for (const PointId body : request.transiting) {
        if (isBody(body) && std::find(bodies.begin(), bodies.end(), body) == bodies.end()) {
            bodies.push_back(body);
        }
    }
    // The Moon takes about as long as all the others together; the shares say so.
    std::vector<double> weights;
    double total = 0;
    for (const PointId body : bodies) {
        weights.push_back(body == PointId::Moon ? 8.0 : 1.0);
        total += weights.back();
    }

    bool stopped = false;
    double before = 0;
    for (std::size_t b = 0; b < bodies.size() && !stopped; ++b) {
        const PointId body = bodies[b];
        const double orb =
            std::clamp(request.orbs[static_cast<std::size_t>(indexOf(body))], 0.0, MaxTransitOrb);
        const auto done = [&](double share) {
            if (!progress) return true;
            const bool goOn = progress((before + share * weights[b]) / total);
            stopped = stopped || !goOn;
            return goOn;
        };
        std::vector<Transit> ofBody = transitsOf(body, orb, points, from, to, sky, done);
        found.insert(found.end(), ofBody.begin(), ofBody.end());
        before += weights[b];
    }

    const auto key = [](const Transit& t) {
        return std::make_tuple(t.enters.value_or(t.exact.front()), t.exact.front(),
                               indexOf(t.transiting), indexOf(t.natal), indexOf(t.kind));
    };
    std::sort(found.begin(), found.end(),
              [&](const Transit& x, const Transit& y) { return key(x) < key(y); });
    return found;
}

}  // namespace zodrivel
