// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The ten chart points, Sun to Pluto: their slots, names and longitudes. Every model of the
// sky fills this record; the aspect search, the texts, the wheel and the report read it.

#include <array>
#include <string_view>

namespace zodrivel {

inline constexpr int ChartSlotCount = 14;  // slots 10..13 exist but stay empty
inline constexpr int ChartPointCount = 10;

enum ChartSlot : int {
    SunSlot = 0,
    MoonSlot,
    MercurySlot,
    VenusSlot,
    MarsSlot,
    JupiterSlot,
    SaturnSlot,
    UranusSlot,
    NeptuneSlot,
    PlutoSlot,
};

// The names of slots 0..9, as the report prints them.
inline constexpr std::array<std::string_view, ChartPointCount> ChartPointNameTexts{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

struct ChartPoints {
    // Geocentric tropical ecliptic longitudes in degrees, 0 <= x <= 360, equinox of date.
    std::array<double, ChartSlotCount> longitudes{};
    std::array<std::string_view, ChartSlotCount> names{};
    // Motion along the ecliptic in degrees per day, negative while retrograde. The aspect
    // details read it to tell an applying aspect from a separating one.
    std::array<double, ChartSlotCount> speeds{};
};

}  // namespace zodrivel
