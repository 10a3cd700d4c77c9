// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The seven aspect kinds, their windows and their names.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zodrivel {

// The index is also that of the kind's tab, text box and no-aspect frame in the result window.
enum class AspectKind : int {
    Conjunction = 0,
    SemiSextile,
    Sextile,
    Square,
    Trine,
    Quincunx,
    Opposition,
};
inline constexpr int AspectKindCount = 7;

inline constexpr std::array<AspectKind, AspectKindCount> AllAspectKinds{
    AspectKind::Conjunction, AspectKind::SemiSextile, AspectKind::Sextile,   AspectKind::Square,
    AspectKind::Trine,       AspectKind::Quincunx,    AspectKind::Opposition};

struct AspectWindow {
    int lower;  // whole degrees, both ends included
    int upper;
    int centre;
};

// The orbs differ from kind to kind: quincunx 3, the opposition window reaching 190.
inline constexpr std::array<AspectWindow, AspectKindCount> AspectWindows{{
    {-10, 10, 0},
    {28, 32, 30},
    {56, 64, 60},
    {82, 98, 90},
    {114, 126, 120},
    {147, 153, 150},
    {170, 190, 180},
}};

constexpr int indexOf(AspectKind kind) { return static_cast<int>(kind); }
constexpr const AspectWindow& windowOf(AspectKind kind) { return AspectWindows[indexOf(kind)]; }

// The identifier ("Conjunction", "SemiSextile", ...), as JSON output and file keys spell it.
std::string_view aspectKindName(AspectKind kind);
std::optional<AspectKind> aspectKindFromName(std::string_view name);

// The report's heading text of the kind, two blanks first: "  In Conjunction Aspect".
std::string_view aspectHeadingText(AspectKind kind);
// The heading as one pattern, "%1-%2  In Conjunction Aspect" (first and second point), so that
// a translation may put the names where its language wants them.
std::string aspectHeadingPattern(AspectKind kind);

// The first window holding `separation` (whole degrees), if any.
std::optional<AspectKind> kindForSeparation(int separation);

}  // namespace zodrivel
