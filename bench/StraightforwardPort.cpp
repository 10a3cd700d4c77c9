// SPDX-License-Identifier: AGPL-3.0-or-later
#include "StraightforwardPort.h"

#include <cmath>
#include <cstdlib>

namespace zodrivel::straightforward {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr double TwoPi = 6.28318530717958;
constexpr double DegToRad = 0.0174532925199433;

double julianDayNumber(int month, int day, int year) {
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = day + std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) +
               std::floor(m / 48) - 32083;
    if (j > 2299171) j += std::floor(m / 4800) - std::floor(m / 1200) + 38;
    return j;
}

// The zone's magnitude, as the record keeps it beside the signed correction.
double moonLongitude(const BirthData& b, const ZoneCorrection& correction) {
    const double clock = b.birthHour + b.birthMinute / 60.0;
    double zone = std::abs(correction.zoneCorrectionHours) +
                  std::abs(correction.zoneCorrectionMinutes) / 60.0;
    double west = b.lonDegrees + b.lonMinutes / 60.0;
    if (b.isEast) west = -west;
    if (b.isDaylightSaving) zone += west < 0 ? 1 : -1;
    const double ut = west < 0 ? clock - zone : clock + zone;
    const double dayNumber = julianDayNumber(b.birthMonth, b.birthDay, b.birthYear);
    const double T = ((dayNumber - 2451545) + ut / 24 - 0.5) / 36525;

    struct Term {
        int d, m, mp, f;
        double coefficient;
        bool timesE;
    };
    static const Term terms[25] = {
        {0, 0, 1, 0, 6.288774, false},  {2, 0, -1, 0, 1.274027, false},
        {2, 0, 0, 0, 0.658314, false},  {0, 0, 2, 0, 0.213618, false},
        {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
        {2, 0, -2, 0, 0.058793, false}, {2, -1, -1, 0, 0.057066, true},
        {2, 0, 1, 0, 0.053322, false},  {2, -1, 0, 0, 0.045758, true},
        {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.034720, false},
        {0, 1, 1, 0, -0.030383, true},  {2, 0, 0, -2, 0.015327, false},
        {0, 0, 1, 2, -0.012528, false}, {0, 0, 1, -2, 0.010980, false},
        {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
        {4, 0, -2, 0, 0.008548, false}, {2, 1, -1, 0, -0.007888, true},
        {2, 1, 0, 0, -0.006766, true},  {1, 0, -1, 0, -0.005163, false},
        {1, 1, 0, 0, 0.004987, true},   {2, -1, 1, 0, 0.004036, true},
        {2, 0, 2, 0, 0.003994, false},
    };
    const double L = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * DegToRad;
    const double M = (357.5291092 + 35999.0502909 * T) * DegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * T) * DegToRad;
    const double F = (93.2720993 + 483202.0175273 * T) * DegToRad;
    const double E = 1 - 0.002516 * T - 0.0000074 * T * T;
    double sum = 0;
    for (const Term& t : terms) {
        sum += t.coefficient * (t.timesE ? E : 1.0) *
               std::sin(t.d * D + t.m * M + t.mp * Mp + t.f * F);
    }
    double lambda = L + sum;
    while (lambda < 0) lambda += 360;
    while (lambda > 360) lambda -= 360;
    return lambda;
}

// Y, M, D, h, min of a Julian day number and minutes into that day.
struct Civil {
    int year, month, day, hour, minute;
};

Civil addMinutes(const Civil& t, int minutes) {
    long total = static_cast<long>(julianDayNumber(t.month, t.day, t.year)) * 1440 + t.hour * 60 +
                 t.minute + minutes;
    long jdn = total / 1440;
    long rest = total % 1440;
    if (rest < 0) {
        rest += 1440;
        --jdn;
    }
    // Gregorian date of a Julian day number (Fliegel and Van Flandern).
    long l = jdn + 68569;
    const long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long j = 80 * l / 2447;
    const long day = l - 2447 * j / 80;
    l = j / 11;
    const long month = j + 2 - 12 * l;
    const long year = 100 * (n - 49) + i + l;
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day),
            static_cast<int>(rest / 60), static_cast<int>(rest % 60)};
}

double daysSinceJ2000(const Civil& t) {
    const double Y = t.year, M = t.month;
    return 367 * Y - std::floor(7 * (Y + std::floor((M + 9) / 12)) / 4) + std::floor(275 * M / 9) +
           t.day - 730531.5 + (t.hour + t.minute / 60.0) / 24;
}

struct Row {
    double a0, a1, e0, e1, i0, i1, node0, node1, peri0, peri1, L0, L1;
};
const Row ElementsTable[9] = {
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
    {19.19126393, 0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40,
     170.96424, 1312.56, 313.23218, 1542547.79},
    {30.06896348, -0.00125196, 0.00858587, 0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135,
     -844.43, 304.88003, 786449.21},
    {39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33,
     224.06676, -132.25, 238.92881, 522747.90},
};

double reduceRadians(double x) {
    const double q = x / TwoPi;
    const double n = std::trunc(q);
    double r = (q - n) * TwoPi;
    if (r < 0) r += TwoPi;
    return r;
}

double quadrantArcTangent(double y, double x) {
    const auto sign = [](double v) { return (v > 0) - (v < 0); };
    if (x > 0) return std::atan(y / x);
    if (x == 0) return sign(y) * Pi / 2;
    return sign(y) * (Pi - std::atan(std::fabs(y / x)));
}

double trueAnomaly(double M, double e) {
    double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    double E0;
    do {
        E0 = E;
        E = E0 - (E0 - e * std::sin(E0) - M) / (1 - e * std::cos(E0));
    } while (std::fabs(E0 - E) > 1e-12);
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
    if (v < 0) v += TwoPi;
    return v;
}

struct Elements {
    double a, e, i, node, peri, L;
};
Elements orbitalElements(int row, double d) {
    const Row& r = ElementsTable[row];
    const double T = d / 36525;
    const auto angle = [T](double base, double rate) {
        return (base + rate * T / 3600) * DegToRad;
    };
    return {r.a0 + r.a1 * T,         r.e0 + r.e1 * T,         angle(r.i0, r.i1),
            angle(r.node0, r.node1), angle(r.peri0, r.peri1), reduceRadians(angle(r.L0, r.L1))};
}

double geocentricLongitude(int row, double d) {
    const Elements earth = orbitalElements(2, d);
    const double ve = trueAnomaly(reduceRadians(earth.L - earth.peri), earth.e);
    const double re = earth.a * (1 - earth.e * earth.e) / (1 + earth.e * std::cos(ve));
    const double xe = re * std::cos(ve + earth.peri);
    const double ye = re * std::sin(ve + earth.peri);
    double x = 0, y = 0;
    if (row != 2) {
        const Elements b = orbitalElements(row, d);
        const double v = trueAnomaly(reduceRadians(b.L - b.peri), b.e);
        const double r = b.a * (1 - b.e * b.e) / (1 + b.e * std::cos(v));
        const double u = v + b.peri - b.node;
        x = r * (std::cos(b.node) * std::cos(u) - std::sin(u) * std::sin(b.node) * std::cos(b.i));
        y = r * (std::sin(b.node) * std::cos(u) + std::sin(u) * std::cos(b.node) * std::cos(b.i));
    }
    double lambda = quadrantArcTangent(y - ye, x - xe) * (180 / Pi);
    while (lambda > 360) lambda -= 360;
    while (lambda < 0) lambda += 360;
    return lambda;
}

const char* const Names[10] = {"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                               "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
constexpr int SlotOfRow[9] = {2, 3, 0, 4, 5, 6, 7, 8, 9};
constexpr int Windows[7][2] = {{-10, 10},  {28, 32},   {56, 64},  {82, 98},
                               {114, 126}, {147, 153}, {170, 190}};

}  // namespace

Chart computeChart(const BirthData& birth, const ZoneCorrection& zone) {
    Chart chart;
    const double moon = moonLongitude(birth, zone);
    for (int slot = 0; slot < 10; ++slot) chart.names[slot] = Names[slot];
    Civil t{birth.birthYear, birth.birthMonth, birth.birthDay, birth.birthHour, birth.birthMinute};
    t = addMinutes(t, zone.zoneCorrectionHours * 60);
    t = addMinutes(t, zone.zoneCorrectionMinutes);
    const double d = daysSinceJ2000(t);
    for (int row = 0; row < 9; ++row) chart.positions[SlotOfRow[row]] = geocentricLongitude(row, d);
    chart.positions[1] = moon;

    const std::array<double, 14>& positions = chart.positions;
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            if (i == j) continue;
            // Nearest whole degree, halves to even (the default rounding mode).
            const int separation = static_cast<int>(std::nearbyint(positions[i] - positions[j]));
            for (int kind = 0; kind < 7; ++kind) {
                if (Windows[kind][0] <= separation && separation <= Windows[kind][1]) {
                    chart.hits.push_back({kind, i, j});
                    chart.found[kind] = true;
                    break;
                }
            }
        }
    }
    return chart;
}

}  // namespace zodrivel::straightforward
