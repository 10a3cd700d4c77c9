// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The angles and the twelve houses of a chart: Ascendant, Midheaven and the cusps in one of
// seven house systems, from the birth place and universal time. The division of the sky is
// left to an outside library behind HouseCalculator; what the chart does with it (which house
// holds which body, how a system is named and stored) lives here.

#include <array>
#include <optional>
#include <string_view>

namespace zodrivel {

enum class HouseSystem : int {
    Placidus = 0,
    Koch,
    Equal,
    WholeSign,
    Porphyry,
    Regiomontanus,
    Campanus,
};
inline constexpr int HouseSystemCount = 7;
inline constexpr std::array<HouseSystem, HouseSystemCount> AllHouseSystems{
    HouseSystem::Placidus, HouseSystem::Koch,          HouseSystem::Equal,   HouseSystem::WholeSign,
    HouseSystem::Porphyry, HouseSystem::Regiomontanus, HouseSystem::Campanus};
inline constexpr HouseSystem DefaultHouseSystem = HouseSystem::Placidus;

// The identifier for the command line, JSON, settings and files: "placidus", "whole-sign", ...
std::string_view houseSystemName(HouseSystem system);
std::optional<HouseSystem> houseSystemFromName(std::string_view name);
// The name a reader sees: "Placidus", "Whole Sign", ...
std::string_view houseSystemTitle(HouseSystem system);

// Placidus and Koch divide the time each degree takes to rise and culminate; beyond the polar
// circles some degrees never rise or set and the division has no answer. Those charts fall
// back to Porphyry.
bool needsRisingAndSetting(HouseSystem system);

struct ChartHouses {
    HouseSystem requested = DefaultHouseSystem;  // what the user asked for
    HouseSystem system = DefaultHouseSystem;     // what was drawn: Porphyry after a fallback
    double ascendant = 0;                        // ecliptic longitude, 0 <= x < 360
    double midheaven = 0;
    // Cusps of houses 1..12. The first is the Ascendant, except in Whole Sign, where it is
    // the beginning of the Ascendant's sign.
    std::array<double, 12> cusps{};

    bool fellBack() const { return system != requested; }
};

// The house (1..12) whose cusp-to-cusp arc holds `longitude`; 0 if the cusps enclose nothing
// (they never do for a real chart).
int houseOf(double longitude, const std::array<double, 12>& cusps);

// The division of the sky at one place and instant.
class HouseCalculator {
public:
    virtual ~HouseCalculator() = default;
    // `julianDayUt`: Julian date on the scale of universal time. `latitude` north positive,
    // `eastLongitude` east positive, both in degrees. Placidus and Koch beyond the polar
    // circles come back as Porphyry with `requested` kept, so the caller can say so.
    virtual ChartHouses houses(double julianDayUt, double latitude, double eastLongitude,
                               HouseSystem system) const = 0;
};

}  // namespace zodrivel
