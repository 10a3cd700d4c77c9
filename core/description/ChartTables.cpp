// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/description/ChartTables.h"

namespace zodrivel {

Element elementOf(int sign) { return static_cast<Element>(((sign % 12) + 12) % 12 % 4); }

Mode modeOf(int sign) { return static_cast<Mode>(((sign % 12) + 12) % 12 % 3); }

ElementBalance balanceOf(std::span<const PointDescription> bodies) {
    ElementBalance balance;
    for (const PointDescription& body : bodies) {
        balance.byElement[static_cast<std::size_t>(elementOf(body.at.sign))].push_back(
            body.point.id);
        balance.byMode[static_cast<std::size_t>(modeOf(body.at.sign))].push_back(body.point.id);
    }
    return balance;
}

AspectGrid aspectGridOf(const std::vector<Aspect>& aspects) {
    AspectGrid grid;
    for (const Aspect& aspect : aspects) {
        if (!isBody(aspect.hit.first) || !isBody(aspect.hit.second)) continue;
        const int a = indexOf(aspect.hit.first);
        const int b = indexOf(aspect.hit.second);
        if (a == b) continue;
        std::optional<Aspect>& cell = grid.cells[a][b];
        if (!cell || aspect.detail.orb < cell->detail.orb) {
            cell = aspect;
            grid.cells[b][a] = aspect;
        }
    }
    return grid;
}

std::string_view aspectAbbreviation(AspectKind kind) {
    constexpr std::array<std::string_view, AspectKindCount> Short{"Cnj", "SSx", "Sxt", "Sqr",
                                                                  "Tri", "Qnx", "Opp"};
    return Short[static_cast<std::size_t>(indexOf(kind))];
}

std::string_view bodyAbbreviation(int slot) {
    constexpr std::array<std::string_view, BodyCount> Short{"Su", "Mo", "Me", "Ve", "Ma",
                                                            "Ju", "Sa", "Ur", "Ne", "Pl"};
    return Short[static_cast<std::size_t>(slot)];
}

}  // namespace zodrivel
