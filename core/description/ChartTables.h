// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Two summaries of a chart that the report prints as tables: the balance of the elements and
// modes among the ten bodies, and the aspect grid, which aspect (if any) joins each pair.

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/description/ChartDescription.h"

namespace zodrivel {

// Fire (Aries, Leo, Sagittarius), Earth, Air, Water: the signs in turn from Aries.
enum class Element { Fire, Earth, Air, Water };
// Cardinal (Aries, Cancer, Libra, Capricorn), Fixed, Mutable: the signs in turn from Aries.
enum class Mode { Cardinal, Fixed, Mutable };

inline constexpr std::array<std::string_view, 4> ElementNames{"Fire", "Earth", "Air", "Water"};
inline constexpr std::array<std::string_view, 3> ModeNames{"Cardinal", "Fixed", "Mutable"};

Element elementOf(int sign);
Mode modeOf(int sign);

// The bodies in each element and each mode, in the order given. Every body counts once: the
// balance is a count of the ten, not a weighting.
struct ElementBalance {
    std::array<std::vector<PointId>, 4> byElement;
    std::array<std::vector<PointId>, 3> byMode;
};
ElementBalance balanceOf(std::span<const PointDescription> bodies);

// The aspect between each pair of the ten bodies, by slot, the same both ways round; none on
// the diagonal and where no aspect was found. A pair the search found twice (it tests both
// orders) keeps the tighter orb.
struct AspectGrid {
    std::array<std::array<std::optional<Aspect>, BodyCount>, BodyCount> cells;
};
AspectGrid aspectGridOf(const std::vector<Aspect>& aspects);

// The grid's short names: "Cnj", "SSx", "Sxt", "Sqr", "Tri", "Qnx", "Opp"; of the bodies
// "Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa", "Ur", "Ne", "Pl".
std::string_view aspectAbbreviation(AspectKind kind);
std::string_view bodyAbbreviation(int slot);

}  // namespace zodrivel
