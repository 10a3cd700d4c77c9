// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Aspect patterns among the ten bodies: figures of three or more bodies that the chart's own
// aspect list already holds (a grand trine is three trines that close), and the stellium, four
// or more bodies in one sign. Nothing is measured again here: a pattern exists exactly when the
// aspects it is made of were found by the search, so the patterns never disagree with the list.

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/aspects/AspectKind.h"
#include "core/aspects/AspectSearch.h"
#include "core/model/ChartPoints.h"

namespace zodrivel {

// In the order in which the patterns are listed.
enum class PatternKind : int {
    GrandTrine = 0,   // three bodies, each pair in trine
    Kite,             // a grand trine and a fourth body opposite one, sextile to the other two
    GrandCross,       // two oppositions with the four squares between them
    TSquare,          // two bodies in opposition, each square to the third (the apex)
    Yod,              // two bodies in sextile, each quincunx to the third (the apex)
    MysticRectangle,  // two oppositions, two trines and two sextiles among four bodies
    Stellium,         // four or more bodies in one sign
};
inline constexpr int PatternKindCount = 7;

// As the output spells them: "Grand Trine", "Kite", "Grand Cross", "T-Square", "Yod",
// "Mystic Rectangle", "Stellium".
std::string_view patternKindName(PatternKind kind);

// One aspect between two of the ten bodies (slots 0..9), either way round.
struct BodyAspect {
    AspectKind kind;
    int first;
    int second;
};

struct AspectPattern {
    PatternKind kind;
    // Body slots. Grand trine, grand cross, mystic rectangle, stellium: ascending. Kite: its
    // grand trine ascending, then the fourth body. T-square: the opposed pair ascending, then
    // the apex. Yod: the sextile pair ascending, then the apex.
    std::vector<int> bodies;
    std::optional<int> apex;  // T-square and yod only
    std::optional<int> sign;  // stellium only: 0 Aries .. 11 Pisces
    friend bool operator==(const AspectPattern&, const AspectPattern&) = default;
};

// The hits among the ten bodies as plain aspects (hits naming other points are left out).
std::vector<BodyAspect> bodyAspectsOf(std::span<const AspectHit> hits);

// Every pattern among the ten bodies, by kind in PatternKind's order, then by sign, then by
// the body list. A grand trine that is part of a kite is not listed again, nor a T-square
// inside a grand cross. Aspects naming a slot outside 0..9 are ignored; `longitudes` (slots
// 0..9) serve the stellium alone.
std::vector<AspectPattern> findAspectPatterns(
    std::span<const BodyAspect> aspects, const std::array<double, ChartPointCount>& longitudes);

}  // namespace zodrivel
