// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/OrbitalElements.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/model/Angles.h"

namespace zodrivel {

namespace {

struct Element {
    double base;
    double rate;  // per Julian century
};

struct ElementsRowData {
    Element a;              // AU, AU/cy
    Element e;              // -, 1/cy
    Element i;              // degrees, arcseconds/cy
    Element node;           // degrees, arcseconds/cy
    Element peri;           // degrees, arcseconds/cy
    Element meanLongitude;  // degrees, arcseconds/cy
};

// Mean elements of the major planets for approximate positions, referred to the mean ecliptic
// and equinox of J2000, in the form with angular rates in arcseconds per century (JPL,
// E.M. Standish). Row 2 is the Earth's orbit.
// clang-format off
constexpr std::array<ElementsRowData, ElementsRowCount> ElementsTable{{
    {{0.38709893, +0.00000066}, {0.20563069, +0.00002527}, {7.00487, -23.51},
     {48.33167, -446.30}, {77.45645, +573.57}, {252.25084, +538101628.29}},
    {{0.72333199, +0.00000092}, {0.00677323, -0.00004938}, {3.39471, -2.86},
     {76.68069, -996.89}, {131.53298, -108.80}, {181.97973, +210664136.06}},
    {{1.00000011, -0.00000005}, {0.01671022, -0.00003804}, {0.00005, -46.94},
     {-11.26064, -18228.25}, {102.94719, +1198.28}, {100.46435, +129597740.63}},
    {{1.52366231, -0.00007221}, {0.09341233, +0.00011902}, {1.85061, -25.47},
     {49.57854, -1020.19}, {336.04084, +1560.78}, {355.45332, +68905103.78}},
    {{5.20336301, +0.00060737}, {0.04839266, -0.00012880}, {1.30530, -4.15},
     {100.55615, +1217.17}, {14.75385, +839.93}, {34.40438, +10925078.35}},
    {{9.53707032, -0.00301530}, {0.05415060, -0.00036762}, {2.48446, +6.11},
     {113.71504, -1591.05}, {92.43194, -1948.89}, {49.94432, +4401052.95}},
    {{19.19126393, +0.00152025}, {0.04716771, -0.00019150}, {0.76986, -2.09},
     {74.22988, -1681.40}, {170.96424, +1312.56}, {313.23218, +1542547.79}},
    {{30.06896348, -0.00125196}, {0.00858587, +0.00002510}, {1.76917, -3.64},
     {131.72169, -151.25}, {44.97135, -844.43}, {304.88003, +786449.21}},
    {{39.48168677, -0.00076912}, {0.24880766, +0.00006465}, {17.14175, +11.07},
     {110.30347, -37.33}, {224.06676, -132.25}, {238.92881, +522747.90}},
}};
// clang-format on

double elementAngle(const Element& element, double T) {
    return (element.base + element.rate * T / 3600) * DegToRad;
}

int signOf(double x) { return (x > 0) - (x < 0); }

// The elements of `row` at T Julian centuries from J2000; inline, so that a chart's nine rows
// share one T and their elements stay in registers.
inline Elements elementsAt(int row, double T) {
    const ElementsRowData& r = ElementsTable[row];
    return {r.a.base + r.a.rate * T, r.e.base + r.e.rate * T,
            elementAngle(r.i, T),    elementAngle(r.node, T),
            elementAngle(r.peri, T), reduceRadians(elementAngle(r.meanLongitude, T))};
}

double centuriesOf(double d) { return d / 36525; }

}  // namespace

Elements orbitalElements(int row, double d) { return elementsAt(row, centuriesOf(d)); }

double reduceRadians(double x) {
    const double q = x / TwoPi;
    const double n = std::trunc(q);
    double r = (q - n) * TwoPi;
    if (r < 0) r += TwoPi;
    return r;
}

double quadrantArcTangent(double y, double x) {
    if (x > 0) return std::atan(y / x);
    // On the y axis; the origin itself is given 0.
    if (x == 0) return signOf(y) * Pi / 2;
    // Left half-plane. y = 0 lies on the negative x axis, at pi (the sign of y would give 0).
    if (y == 0) return Pi;
    return signOf(y) * (Pi - std::atan(std::fabs(y / x)));
}

namespace {

// The steps of Kepler's equation E - e sin E = M, shared by trueAnomaly and trueAnomalies so
// that both take exactly the same operations.
double keplerStart(double M, double e) { return M + e * std::sin(M) * (1 + e * std::cos(M)); }
double keplerStep(double E0, double M, double e) {
    return E0 - (E0 - e * std::sin(E0) - M) / (1 - e * std::cos(E0));
}
double anomalyOf(double E, double e) {
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
    if (v < 0) v += TwoPi;
    return v;
}

}  // namespace

double trueAnomaly(double M, double e) {
    double E = keplerStart(M, e);
    for (int step = 0; step < KeplerIterationCap; ++step) {
        const double E0 = E;
        E = keplerStep(E0, M, e);
        if (!(std::fabs(E0 - E) > KeplerTolerance)) break;
    }
    return anomalyOf(E, e);
}

void trueAnomalies(std::span<const double> M, std::span<const double> e, std::span<double> v) {
    constexpr std::size_t Most = ElementsRowCount;
    const std::size_t n = std::min({M.size(), e.size(), v.size(), Most});
    std::array<double, Most> E{};
    std::array<bool, Most> solving{};
    for (std::size_t k = 0; k < n; ++k) {
        E[k] = keplerStart(M[k], e[k]);
        solving[k] = true;
    }
    // Each orbit stops after the very step at which trueAnomaly would stop.
    for (int step = 0; step < KeplerIterationCap; ++step) {
        bool any = false;
        for (std::size_t k = 0; k < n; ++k) {
            if (!solving[k]) continue;
            const double E0 = E[k];
            E[k] = keplerStep(E0, M[k], e[k]);
            solving[k] = std::fabs(E0 - E[k]) > KeplerTolerance;
            any = any || solving[k];
        }
        if (!any) break;
    }
    for (std::size_t k = 0; k < n; ++k) v[k] = anomalyOf(E[k], e[k]);
}

namespace {

constexpr double DaysPerJulianCentury = 36525.0;

// The elements' rates per day, worked out once when compiling with the same operations in the
// same order as at run time, so the same values: eighteen divisions a row that every chart's
// speeds took again.
constexpr std::array<Elements, ElementsRowCount> ElementRates = [] {
    std::array<Elements, ElementsRowCount> rates{};
    const auto angleRate = [](const Element& element) {
        return element.rate / 3600 * DegToRad / DaysPerJulianCentury;
    };
    for (std::size_t row = 0; row < ElementsRowCount; ++row) {
        const ElementsRowData& r = ElementsTable[row];
        rates[row] = {r.a.rate / DaysPerJulianCentury,
                      r.e.rate / DaysPerJulianCentury,
                      angleRate(r.i),
                      angleRate(r.node),
                      angleRate(r.peri),
                      angleRate(r.meanLongitude)};
    }
    return rates;
}();

// The rates of the true anomaly (radians per day) and of the radius (AU per day) of the orbit
// `b` at true anomaly v (given by its cosine and sine, which the caller has at hand), from the
// rates of its elements. The true anomaly moves with the mean anomaly, dv/dM = (1 + e cos v)^2 / (1
// - e^2)^(3/2), and with the eccentricity, dv/de = sin v (2 + e cos v) / (1 - e^2); the radius is a
// (1 - e^2) / (1 + e cos v).
struct KeplerRates {
    double anomaly;
    double radius;
};
KeplerRates keplerRates(const Elements& b, const Elements& rate, double cosV, double sinV) {
    const double q = 1 - b.e * b.e;
    const double k = 1 + b.e * cosV;
    const double meanAnomalyRate = rate.meanLongitude - rate.peri;
    const double anomaly =
        k * k / (q * std::sqrt(q)) * meanAnomalyRate + sinV * (2 + b.e * cosV) / q * rate.e;
    const double p = b.a * q;
    const double pRate = rate.a * q - 2 * b.a * b.e * rate.e;
    const double radius = pRate / k - p * (rate.e * cosV - b.e * sinV * anomaly) / (k * k);
    return {anomaly, radius};
}

// The Earth's heliocentric place, and with WithVelocity its velocity. Both instances compute
// the place with the same operations, so it is the same to the last bit.
double meanAnomaly(const Elements& b) { return reduceRadians(b.meanLongitude - b.peri); }

// The Earth's place at true anomaly v of its elements `earth`, and with WithVelocity its
// velocity.
template <bool WithVelocity>
OrbitState earthOrbitAt(const Elements& earth, double v) {
    // Each sine and cosine is taken once and used by the place and the velocity alike: the
    // compiler may not merge repeated calls (they may set errno), and these calls are most of
    // a chart's time.
    const double cosV = std::cos(v);
    const double r = earth.a * (1 - earth.e * earth.e) / (1 + earth.e * cosV);
    const double w = v + earth.peri;
    const double cosW = std::cos(w);
    const double sinW = std::sin(w);
    OrbitState state;
    state.position = {r * cosW, r * sinW};
    if constexpr (WithVelocity) {
        const Elements rate = orbitalElementRates(EarthRow);
        const KeplerRates k = keplerRates(earth, rate, cosV, std::sin(v));
        const double wRate = k.anomaly + rate.peri;
        state.velocity = {k.radius * cosW - r * sinW * wRate, k.radius * sinW + r * cosW * wRate};
    }
    return state;
}

template <bool WithVelocity>
OrbitState earthOrbit(double d) {
    const Elements earth = orbitalElements(EarthRow, d);
    return earthOrbitAt<WithVelocity>(earth, trueAnomaly(meanAnomaly(earth), earth.e));
}

// A body's heliocentric ecliptic x, y at true anomaly v of its elements b, and with
// WithVelocity their rates; as earthOrbit, the place is the same in both instances.
template <bool WithVelocity>
OrbitState bodyOrbitAt(int row, const Elements& b, double v) {
    // As for the Earth, each sine and cosine once, for the place and the velocity.
    const double cosV = std::cos(v);
    const double r = b.a * (1 - b.e * b.e) / (1 + b.e * cosV);
    const double u = v + b.peri - b.node;
    const double cosNode = std::cos(b.node);
    const double sinNode = std::sin(b.node);
    const double cosU = std::cos(u);
    const double sinU = std::sin(u);
    const double cosI = std::cos(b.i);
    OrbitState state;
    const double x = r * (cosNode * cosU - sinU * sinNode * cosI);
    const double y = r * (sinNode * cosU + sinU * cosNode * cosI);
    state.position = {x, y};
    if constexpr (WithVelocity) {
        const Elements rate = orbitalElementRates(row);
        const KeplerRates k = keplerRates(b, rate, cosV, std::sin(v));
        const double uRate = k.anomaly + rate.peri - rate.node;
        const double sinI = std::sin(b.i);
        // x = r A and y = r B with A, B the direction cosines above; each moves with u, the
        // node and the inclination.
        state.velocity = {k.radius * x / r - r * uRate * (cosNode * sinU + cosU * sinNode * cosI) -
                              rate.node * y + r * rate.i * sinU * sinNode * sinI,
                          k.radius * y / r + r * uRate * (cosU * cosNode * cosI - sinNode * sinU) +
                              rate.node * x - r * rate.i * sinU * cosNode * sinI};
    }
    return state;
}

template <bool WithVelocity>
OrbitState bodyOrbit(int row, double d) {
    const Elements b = orbitalElements(row, d);
    return bodyOrbitAt<WithVelocity>(row, b, trueAnomaly(meanAnomaly(b), b.e));
}

// The geocentric longitude and speed of a body from its and the Earth's heliocentric states.
EclipticMotion seenFromEarth(const OrbitState& body, const OrbitState& earth) {
    const double x = body.position.x - earth.position.x;
    const double y = body.position.y - earth.position.y;
    EclipticMotion motion;
    motion.longitude = reduceDegrees(quadrantArcTangent(y, x) * (180 / Pi));
    // d/dt atan(y / x) = (x y' - y x') / (x^2 + y^2)
    const double xRate = body.velocity.x - earth.velocity.x;
    const double yRate = body.velocity.y - earth.velocity.y;
    motion.speed = (x * yRate - y * xRate) / (x * x + y * y) * (180 / Pi);
    return motion;
}

}  // namespace

Elements orbitalElementRates(int row) { return ElementRates[static_cast<std::size_t>(row)]; }

Vector2 earthPosition(double d) { return earthOrbit<false>(d).position; }

OrbitState earthState(double d) { return earthOrbit<true>(d); }

double geocentricLongitude(int row, double d) {
    return geocentricLongitude(row, d, earthPosition(d));
}

double geocentricLongitude(int row, double d, Vector2 earth) {
    // For the Sun the body is the Earth's own centre.
    const Vector2 body = row != EarthRow ? bodyOrbit<false>(row, d).position : Vector2{0, 0};
    return reduceDegrees(quadrantArcTangent(body.y - earth.y, body.x - earth.x) * (180 / Pi));
}

EclipticMotion geocentricMotion(int row, double d, const OrbitState& earth) {
    const OrbitState body = row != EarthRow ? bodyOrbit<true>(row, d) : OrbitState{};
    return seenFromEarth(body, earth);
}

std::array<EclipticMotion, ElementsRowCount> geocentricMotions(double d) {
    std::array<Elements, ElementsRowCount> elements;
    std::array<double, ElementsRowCount> M, e, v;
    const double T = centuriesOf(d);
    for (int row = 0; row < ElementsRowCount; ++row) {
        elements[row] = elementsAt(row, T);
        M[row] = meanAnomaly(elements[row]);
        e[row] = elements[row].e;
    }
    trueAnomalies(M, e, v);
    const OrbitState earth = earthOrbitAt<true>(elements[EarthRow], v[EarthRow]);
    std::array<EclipticMotion, ElementsRowCount> motions;
    for (int row = 0; row < ElementsRowCount; ++row) {
        const OrbitState body =
            row != EarthRow ? bodyOrbitAt<true>(row, elements[row], v[row]) : OrbitState{};
        motions[row] = seenFromEarth(body, earth);
    }
    return motions;
}

}  // namespace zodrivel
