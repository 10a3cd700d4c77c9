// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/MeanLunarPoints.h"

#include <array>
#include <cmath>
#include <numbers>

#include "core/model/Angles.h"

namespace zodrivel {

namespace {

constexpr double DaysPerJulianCentury = 36525.0;
constexpr double DegreesPerArcSecond = 1.0 / 3600.0;
constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

// c0 + c1 T + c2 T^2 + T^3 / d3 + T^4 / d4, in degrees, T in Julian centuries: the form in which
// the mean arguments of the Moon are printed.
struct MeanElement {
    double c0, c1, c2, d3, d4;

    double at(double t) const { return c0 + t * (c1 + t * (c2 + t * (1.0 / d3 + t / d4))); }
    // Degrees per Julian century.
    double rateAt(double t) const { return c1 + t * (2 * c2 + t * (3.0 / d3 + 4 * t / d4)); }
};

// Meeus, Astronomical Algorithms (2nd ed.), chapter 47, from the ELP-2000/82 mean elements of
// Chapront-Touzé and Chapront: the Moon's mean longitude L' (47.1), its mean anomaly M' (47.4)
// and the longitude of the mean ascending node (47.7), all on the mean equinox of date.
constexpr MeanElement MoonMeanLongitude{218.3164477, 481267.88123421, -0.0015786, 538841.0,
                                        -65194000.0};
constexpr MeanElement MoonMeanAnomaly{134.9633964, 477198.8675055, 0.0087414, 69699.0, -14712000.0};
constexpr MeanElement MeanAscendingNode{125.0445479, -1934.1362891, 0.0020754, 467441.0,
                                        -60616000.0};

// Meeus, chapter 22, the nutation in longitude to 0.5": the four largest terms, in arc seconds,
// of the node, twice the Sun's mean longitude, twice the Moon's and twice the node.
struct NutationTerm {
    double amplitude;  // arc seconds
    double nodeMultiple, sunMultiple, moonMultiple;
};
constexpr std::array<NutationTerm, 4> NutationTerms{{
    {-17.20, 1, 0, 0},
    {-1.32, 0, 2, 0},
    {-0.23, 0, 0, 2},
    {0.21, 2, 0, 0},
}};
// The mean inclination of the Moon's orbit to the ecliptic, 5 degrees 08' 43.4" (ELP-2000/82).
constexpr double MeanOrbitInclination = 5.1453964;  // degrees

constexpr double SunMeanLongitudeAtJ2000 = 280.4665;  // degrees, Meeus chapter 22
constexpr double SunMeanLongitudeRate = 36000.7698;   // degrees per Julian century

PointPosition fromDegrees(double longitude, double ratePerCentury) {
    return {wrapDegrees(longitude), ratePerCentury / DaysPerJulianCentury};
}

struct Nutation {
    double longitude;  // degrees
    double rate;       // degrees per Julian century
};

Nutation nutationAt(double t) {
    const double node = MeanAscendingNode.at(t) * RadiansPerDegree;
    const double sun = (SunMeanLongitudeAtJ2000 + SunMeanLongitudeRate * t) * RadiansPerDegree;
    const double moon = MoonMeanLongitude.at(t) * RadiansPerDegree;
    const double nodeRate = MeanAscendingNode.rateAt(t) * RadiansPerDegree;
    const double sunRate = SunMeanLongitudeRate * RadiansPerDegree;
    const double moonRate = MoonMeanLongitude.rateAt(t) * RadiansPerDegree;
    Nutation n{0, 0};
    for (const NutationTerm& term : NutationTerms) {
        const double argument =
            term.nodeMultiple * node + term.sunMultiple * sun + term.moonMultiple * moon;
        const double argumentRate = term.nodeMultiple * nodeRate + term.sunMultiple * sunRate +
                                    term.moonMultiple * moonRate;
        n.longitude += term.amplitude * std::sin(argument) * DegreesPerArcSecond;
        n.rate += term.amplitude * std::cos(argument) * argumentRate * DegreesPerArcSecond;
    }
    return n;
}

}  // namespace

double nutationInLongitude(double t) { return nutationAt(t).longitude; }

PointPosition meanLunarNode(double t) {
    const Nutation nutation = nutationAt(t);
    return fromDegrees(MeanAscendingNode.at(t) + nutation.longitude,
                       MeanAscendingNode.rateAt(t) + nutation.rate);
}

double meanApogeeOrbitalLongitude(double t) {
    return MoonMeanLongitude.at(t) - MoonMeanAnomaly.at(t) + 180.0;
}

PointPosition meanLunarApogee(double t) {
    // The perigee's mean longitude is L' - M', counted along the ecliptic to the node and then
    // along the orbit; the apogee lies opposite. Lilith is where the apogee of the inclined
    // orbit stands over the ecliptic, which moves it by up to 7' from that orbital longitude.
    const double node = MeanAscendingNode.at(t);
    const double nodeRate = MeanAscendingNode.rateAt(t);
    const double onOrbit = meanApogeeOrbitalLongitude(t);
    const double onOrbitRate = MoonMeanLongitude.rateAt(t) - MoonMeanAnomaly.rateAt(t);
    const double u = (onOrbit - node) * RadiansPerDegree;  // from the node, in the orbit
    const double cosI = std::cos(MeanOrbitInclination * RadiansPerDegree);
    const double fromNode =
        std::atan2(std::sin(u) * cosI, std::cos(u)) / RadiansPerDegree;  // along the ecliptic
    // d(fromNode)/du for the speed.
    const double stretch =
        cosI / (std::cos(u) * std::cos(u) + cosI * cosI * std::sin(u) * std::sin(u));
    const Nutation nutation = nutationAt(t);
    return fromDegrees(node + fromNode + nutation.longitude,
                       nodeRate + stretch * (onOrbitRate - nodeRate) + nutation.rate);
}

ExtraPointAnswer ClassicExtraPoints::point(ExtraPoint which, const BirthInstant& instant) const {
    ExtraPointAnswer answer;
    answer.source = EphemerisSource::Formulas;
    const double t = instant.daysSinceJ2000 / DaysPerJulianCentury;
    switch (which) {
        case ExtraPoint::MeanNode: answer.position = meanLunarNode(t); break;
        case ExtraPoint::MeanLilith: answer.position = meanLunarApogee(t); break;
        case ExtraPoint::TrueNode: answer.refusal = TrueNodePreciseOnlyText; break;
        case ExtraPoint::Chiron: answer.refusal = ChironPreciseOnlyText; break;
    }
    return answer;
}

}  // namespace zodrivel
