// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The models of the sky a chart can be computed with, each with its one word (command line,
// settings, files, JSON) and its title (windows, report) in one table, so a third model is one
// more row here and one more ephemeris behind the composition roots.

#include <array>
#include <optional>
#include <string_view>

namespace zodrivel {

enum class SkyModel : int {
    Classic = 0,  // the documented model of version 1.15: mean elements and a short lunar series
    Precise,      // an outside ephemeris (adapters/ephemeris)
};

struct SkyModelInfo {
    SkyModel model;
    std::string_view name;   // "classic"
    std::string_view title;  // "Classic (as in version 1.15)"
};

inline constexpr std::array<SkyModelInfo, 2> SkyModels{{
    {SkyModel::Classic, "classic", "Classic (as in version 1.15)"},
    {SkyModel::Precise, "precise", "Precise (Swiss Ephemeris)"},
}};
inline constexpr SkyModel DefaultSkyModel = SkyModel::Classic;

constexpr std::string_view skyModelName(SkyModel model) {
    return SkyModels[static_cast<std::size_t>(model)].name;
}
constexpr std::string_view skyModelTitle(SkyModel model) {
    return SkyModels[static_cast<std::size_t>(model)].title;
}
constexpr std::optional<SkyModel> skyModelFromName(std::string_view name) {
    for (const SkyModelInfo& info : SkyModels) {
        if (info.name == name) return info.model;
    }
    return std::nullopt;
}

}  // namespace zodrivel
