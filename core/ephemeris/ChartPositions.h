#pragma once
// The ten chart points, Sun to Pluto, with their names and longitudes.

#include <array>
#include <string_view>

#include "core/model/BirthData.h"

namespace zodrivel {

inline constexpr int ChartSlotCount = 14;  // slots 10..13 exist but stay empty
inline constexpr int ChartPointCount = 10;

enum ChartSlot : int {
    SunSlot = 0, MoonSlot, MercurySlot, VenusSlot, MarsSlot, JupiterSlot, SaturnSlot,
    UranusSlot, NeptuneSlot, PlutoSlot,
};

// The names of slots 0..9, as the report prints them.
inline constexpr std::array<std::string_view, ChartPointCount> ChartPointNameTexts{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

struct ChartPoints {
    // Geocentric tropical ecliptic longitudes in degrees, 0 <= x <= 360, equinox of date.
    std::array<double, ChartSlotCount> chartPositions{};
    std::array<std::string_view, ChartSlotCount> chartPointNames{};
};

// A civil date and time on the Gregorian calendar, minutes resolution.
struct CivilDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Adds whole minutes with full calendar arithmetic (crossing midnight moves the day, and with
// it the month and the year).
CivilDateTime addMinutes(CivilDateTime t, int minutes);

// The universal date and time of the birth: the local date and clock time plus the zone
// correction's hours, then its minutes, then one hour back under daylight saving.
CivilDateTime universalDateTime(const BirthData& birth, const ZoneCorrection& zone);

// Days from 2000 January 1, 12:00 UT (0.0 there).
double daysSinceJ2000(int year, int month, int day, int hour, int minute);

// General precession in longitude since J2000, degrees, for d days from J2000.
double precessionSinceJ2000(double d);

// Fills slots 0..9. The planets come from elements referred to the equinox of J2000 and are
// carried to the equinox of date (as the Moon already is) so that Moon-planet aspects compare
// like with like; the Moon's longitude is copied unchanged.
ChartPoints computeChartPositions(double daysSinceJ2000, double moonLongitude);

}  // namespace zodrivel
