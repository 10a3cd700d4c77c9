// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/MoonLongitude.h"

#include <array>
#include <cmath>

#include "core/model/Angles.h"

namespace zodrivel {

namespace {

struct LunarTerm {
    int d, m, mPrime, f;  // multiples of D, M, M', F
    double coefficient;   // degrees
    bool timesE;          // terms in the Sun's anomaly shrink with the Earth's eccentricity
};

// The 25 largest periodic terms of the lunar longitude series, in the book's order:
// Meeus, Astronomical Algorithms, 2nd ed., table 47.A (millionths of a degree -> degrees).
// clang-format off
constexpr std::array<LunarTerm, 25> LongitudeTerms{{
    {0,  0,  1,  0, +6.288774, false},
    {2,  0, -1,  0, +1.274027, false},
    {2,  0,  0,  0, +0.658314, false},
    {0,  0,  2,  0, +0.213618, false},
    {0,  1,  0,  0, -0.185116, true},
    {0,  0,  0,  2, -0.114332, false},
    {2,  0, -2,  0, +0.058793, false},
    {2, -1, -1,  0, +0.057066, true},
    {2,  0,  1,  0, +0.053322, false},
    {2, -1,  0,  0, +0.045758, true},
    {0,  1, -1,  0, -0.040923, true},
    {1,  0,  0,  0, -0.034720, false},
    {0,  1,  1,  0, -0.030383, true},
    {2,  0,  0, -2, +0.015327, false},
    {0,  0,  1,  2, -0.012528, false},
    {0,  0,  1, -2, +0.010980, false},
    {4,  0, -1,  0, +0.010675, false},
    {0,  0,  3,  0, +0.010034, false},
    {4,  0, -2,  0, +0.008548, false},
    {2,  1, -1,  0, -0.007888, true},
    {2,  1,  0,  0, -0.006766, true},
    {1,  0, -1,  0, -0.005163, false},
    {1,  1,  0,  0, +0.004987, true},
    {2, -1,  1,  0, +0.004036, true},
    {2,  0,  2,  0, +0.003994, false},
}};
// clang-format on

// Rates of the mean arguments, degrees per Julian century: the T coefficients below.
constexpr double MeanLongitudeRate = 481267.88134236;
constexpr double DRate = 445267.1115168;
constexpr double MRate = 35999.0502909;
constexpr double MPrimeRate = 477198.8676313;
constexpr double FRate = 483202.0175273;
constexpr double DaysPerJulianCentury = 36525.0;

// The rate of each term's argument, radians per century, worked out once when compiling: the
// same operations, in the same order, as at run time, so the same values.
constexpr std::array<double, LongitudeTerms.size()> ArgumentRates = [] {
    std::array<double, LongitudeTerms.size()> rates{};
    for (std::size_t k = 0; k < LongitudeTerms.size(); ++k) {
        const LunarTerm& term = LongitudeTerms[k];
        rates[k] = (term.d * DRate + term.m * MRate + term.mPrime * MPrimeRate + term.f * FRate) *
                   DegToRad;
    }
    return rates;
}();

// The longitude, and with WithSpeed its derivative. Both instances evaluate the longitude with
// the same operations in the same order, so it comes out the same to the last bit.
template <bool WithSpeed>
EclipticMotion moonMotion(double julianCenturies) {
    const double T = julianCenturies;
    // Mean arguments to first order in T (degrees); none is reduced before use.
    const double meanLongitude = 218.3164591 + MeanLongitudeRate * T;
    const double D = (297.8502042 + DRate * T) * DegToRad;
    const double M = (357.5291092 + MRate * T) * DegToRad;
    const double MPrime = (134.9634114 + MPrimeRate * T) * DegToRad;
    const double F = (93.2720993 + FRate * T) * DegToRad;
    const double E = 1 - 0.002516 * T - 0.0000074 * T * T;
    const double dE = -0.002516 - 2 * 0.0000074 * T;  // per century

    double sum = 0;   // degrees
    double rate = 0;  // degrees per century
    for (std::size_t k = 0; k < LongitudeTerms.size(); ++k) {
        const LunarTerm& term = LongitudeTerms[k];
        const double argument = term.d * D + term.m * M + term.mPrime * MPrime + term.f * F;
        const double sine = std::sin(argument);
        sum += term.coefficient * (term.timesE ? E : 1.0) * sine;
        if constexpr (WithSpeed) {
            const double amplitude = term.coefficient * (term.timesE ? E : 1.0);
            rate += amplitude * ArgumentRates[k] * std::cos(argument);
            if (term.timesE) rate += term.coefficient * dE * sine;
        }
    }
    EclipticMotion motion;
    motion.longitude = reduceDegrees(meanLongitude + sum);
    if constexpr (WithSpeed) motion.speed = (MeanLongitudeRate + rate) / DaysPerJulianCentury;
    return motion;
}

}  // namespace

double computeMoonLongitude(double julianCenturies) {
    return moonMotion<false>(julianCenturies).longitude;
}

EclipticMotion computeMoonMotion(double julianCenturies) {
    return moonMotion<true>(julianCenturies);
}

}  // namespace zodrivel
