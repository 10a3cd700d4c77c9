// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/houses/Houses.h"

#include "core/model/Angles.h"

namespace zodrivel {

namespace {

struct HouseSystemNames {
    std::string_view name;
    std::string_view title;
};

constexpr std::array<HouseSystemNames, HouseSystemCount> Names{{
    {"placidus", "Placidus"},
    {"koch", "Koch"},
    {"equal", "Equal"},
    {"whole-sign", "Whole Sign"},
    {"porphyry", "Porphyry"},
    {"regiomontanus", "Regiomontanus"},
    {"campanus", "Campanus"},
}};

}  // namespace

std::string_view houseSystemName(HouseSystem system) {
    return Names[static_cast<int>(system)].name;
}

std::string_view houseSystemTitle(HouseSystem system) {
    return Names[static_cast<int>(system)].title;
}

std::optional<HouseSystem> houseSystemFromName(std::string_view name) {
    for (const HouseSystem system : AllHouseSystems) {
        if (houseSystemName(system) == name) return system;
    }
    return std::nullopt;
}

bool needsRisingAndSetting(HouseSystem system) {
    return system == HouseSystem::Placidus || system == HouseSystem::Koch;
}

int houseOf(double longitude, const std::array<double, 12>& cusps) {
    for (int house = 0; house < 12; ++house) {
        const double start = cusps[house];
        const double span = wrapDegrees(cusps[(house + 1) % 12] - start);
        if (wrapDegrees(longitude - start) < span) return house + 1;
    }
    return 0;
}

}  // namespace zodrivel
