// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Heliocentric Kepler orbits from mean elements, and the geocentric longitude of a body.

#include <array>
#include <span>

#include "core/ephemeris/EclipticMotion.h"

namespace zodrivel {

// Rows of the elements table.
enum ElementsRow : int {
    MercuryRow = 0,
    VenusRow,
    EarthRow,
    MarsRow,
    JupiterRow,
    SaturnRow,
    UranusRow,
    NeptuneRow,
    PlutoRow,
};
inline constexpr int ElementsRowCount = 9;

inline constexpr double KeplerTolerance = 1e-12;  // radians
// Newton's method converges in a handful of steps for e < 0.25; the cap only guards against a
// non-finite input spinning forever.
inline constexpr int KeplerIterationCap = 100;

struct Elements {
    double a;              // semi-major axis, AU
    double e;              // eccentricity
    double i;              // inclination, radians
    double node;           // longitude of the ascending node, radians
    double peri;           // longitude of perihelion, radians
    double meanLongitude;  // radians, 0 <= x < 2pi
};

// Elements of `row` at d days from 2000 January 1, 12:00 UT (mean ecliptic and equinox J2000).
Elements orbitalElements(int row, double d);

// How fast each element of `row` changes: a in AU per day, e per day, the angles in radians per
// day (the elements are linear in time, so the rates are constant).
Elements orbitalElementRates(int row);

// x in radians into 0 <= r < 2pi.
double reduceRadians(double x);

// Quadrant-correct arctangent of y/x in (-pi, pi]; a point on the negative x axis lies at pi.
double quadrantArcTangent(double y, double x);

// Mean anomaly M (radians) and eccentricity e to true anomaly in 0 <= v < 2pi.
double trueAnomaly(double M, double e);

// trueAnomaly of each orbit k, M[k] and e[k] into v[k] (at most ElementsRowCount orbits), each
// to the last bit as trueAnomaly gives it. The orbits' Newton steps are taken side by side, so
// the processor works on several independent sines and cosines at once instead of waiting on
// one orbit's chain of them.
void trueAnomalies(std::span<const double> M, std::span<const double> e, std::span<double> v);

struct Vector2 {
    double x, y;
};

// Heliocentric ecliptic x, y (AU) of the Earth at d; the Earth's own inclination is ignored.
Vector2 earthPosition(double d);

// A heliocentric position (AU) with its velocity (AU per day).
struct OrbitState {
    Vector2 position;
    Vector2 velocity;
};

// earthPosition(d), bit for bit, with the Earth's velocity.
OrbitState earthState(double d);

// Geocentric ecliptic longitude of `row` at d in degrees, 0 <= x <= 360, referred to the
// equinox of J2000. Row 2 is the Sun as seen from the Earth.
double geocentricLongitude(int row, double d);
// The same with the Earth's position already known, so a chart computes it once.
double geocentricLongitude(int row, double d, Vector2 earth);

// geocentricLongitude(row, d, earth.position), bit for bit, with its speed in degrees per day:
// the exact time derivative of the same formula (the mean motion, the slow drift of every
// element, the Kepler solution and the step from the Sun's centre to the Earth's).
EclipticMotion geocentricMotion(int row, double d, const OrbitState& earth);
// geocentricMotion of every row at d with the Earth's state at d, bit for bit, the Kepler
// equations of all rows solved side by side (trueAnomalies).
std::array<EclipticMotion, ElementsRowCount> geocentricMotions(double d);

}  // namespace zodrivel
