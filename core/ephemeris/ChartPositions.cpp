// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/ephemeris/ChartPositions.h"

#include "core/ephemeris/OrbitalElements.h"
#include "core/model/Angles.h"

namespace zodrivel {

namespace {

// Chart slot of each elements row: the Sun (the Earth's orbit) is row 2 but slot 0.
constexpr std::array<int, ElementsRowCount> SlotOfRow{MercurySlot, VenusSlot,   SunSlot,
                                                      MarsSlot,    JupiterSlot, SaturnSlot,
                                                      UranusSlot,  NeptuneSlot, PlutoSlot};

}  // namespace

double precessionSinceJ2000(double d) {
    const double T = d / 36525;
    const double arcseconds = 5029.0966 * T + 1.11113 * T * T;
    return arcseconds / 3600;
}

double precessionRate(double d) {
    const double T = d / 36525;
    return (5029.0966 + 2 * 1.11113 * T) / 3600 / 36525;
}

ChartPoints computeChartPositions(double daysSinceJ2000, double moonLongitude) {
    ChartPoints chart;
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        chart.names[slot] = ChartPointNameTexts[slot];
    }
    const Vector2 earth = earthPosition(daysSinceJ2000);
    const double precession = precessionSinceJ2000(daysSinceJ2000);
    for (int row = 0; row < ElementsRowCount; ++row) {
        const double j2000 = geocentricLongitude(row, daysSinceJ2000, earth);
        chart.longitudes[SlotOfRow[row]] = reduceDegrees(j2000 + precession);
    }
    chart.longitudes[MoonSlot] = moonLongitude;
    return chart;
}

ChartPoints computeChartMotions(double daysSinceJ2000, const EclipticMotion& moon) {
    ChartPoints chart;
    for (int slot = 0; slot < ChartPointCount; ++slot) {
        chart.names[slot] = ChartPointNameTexts[slot];
    }
    const std::array<EclipticMotion, ElementsRowCount> motions = geocentricMotions(daysSinceJ2000);
    const double precession = precessionSinceJ2000(daysSinceJ2000);
    const double precessionSpeed = precessionRate(daysSinceJ2000);
    for (int row = 0; row < ElementsRowCount; ++row) {
        const EclipticMotion& j2000 = motions[row];
        chart.longitudes[SlotOfRow[row]] = reduceDegrees(j2000.longitude + precession);
        chart.speeds[SlotOfRow[row]] = j2000.speed + precessionSpeed;
    }
    chart.longitudes[MoonSlot] = moon.longitude;
    chart.speeds[MoonSlot] = moon.speed;
    return chart;
}

}  // namespace zodrivel
