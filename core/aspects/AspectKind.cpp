// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectKind.h"

namespace zodrivel {

namespace {
constexpr std::array<std::string_view, AspectKindCount> Names{
    "Conjunction", "SemiSextile", "Sextile", "Square", "Trine", "Quincunx", "Opposition"};
constexpr std::array<std::string_view, AspectKindCount> Headings{
    "  In Conjunction Aspect", "  In Semi-Sextile Aspect", "  In Sextile Aspect",
    "  In Square Aspect",      "  In Trine Aspect",        "  In Quincunx Aspect",
    "  In Opposition Aspect"};
}  // namespace

std::string_view aspectHeadingText(AspectKind kind) { return Headings[indexOf(kind)]; }

std::string aspectHeadingPattern(AspectKind kind) {
    return "%1-%2" + std::string(aspectHeadingText(kind));
}

std::string_view aspectKindName(AspectKind kind) { return Names[indexOf(kind)]; }

std::optional<AspectKind> aspectKindFromName(std::string_view name) {
    for (const AspectKind kind : AllAspectKinds) {
        if (Names[indexOf(kind)] == name) return kind;
    }
    return std::nullopt;
}

std::optional<AspectKind> kindForSeparation(int separation) {
    for (const AspectKind kind : AllAspectKinds) {
        const AspectWindow& w = windowOf(kind);
        if (w.lower <= separation && separation <= w.upper) return kind;
    }
    return std::nullopt;
}

}  // namespace zodrivel
