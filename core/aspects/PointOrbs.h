// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The orbs of the points that are not among the ten bodies: the lunar node, Lilith, Chiron and
// the two angles. The ten bodies keep their whole-degree windows (AspectKind.h); an aspect to a
// point is measured on the unrounded shorter arc and counts within the point's orb.

#include <array>
#include <optional>

#include "core/aspects/AspectKind.h"

namespace zodrivel {

enum class OrbPoint : int {
    NorthNode = 0,  // true or mean; the South Node's aspects are the North Node's mirrored
    Lilith,
    Chiron,
    Ascendant,
    Midheaven,
};
inline constexpr int OrbPointCount = 5;

// Half-widths in degrees, per point and aspect kind (Conjunction .. Opposition).
//
// Where they come from: the bodies' own windows (AspectWindows), whose half-widths are 10, 2,
// 4, 8, 6, 3 and 10 degrees, scaled down. Astrological practice gives the Sun and the Moon the
// widest orbs, the planets less and points without a body of their own less still, and the
// books disagree on the figures; the scaling keeps the kinds in the proportions the program
// already uses. The angles, which time the chart and move a degree in four minutes, take three
// quarters; the node and Lilith (points of the Moon's orbit) and Chiron (a body of a few
// hundred kilometres) take half. Each is smaller than the body's orb (checked when compiling).
inline constexpr std::array<std::array<double, AspectKindCount>, OrbPointCount> PointOrbs{{
    //  conj  semi  sext  square trine quinc  opp
    {5.0, 1.0, 2.0, 4.0, 3.0, 1.5, 5.0},   // North Node
    {5.0, 1.0, 2.0, 4.0, 3.0, 1.5, 5.0},   // Lilith
    {5.0, 1.0, 2.0, 4.0, 3.0, 1.5, 5.0},   // Chiron
    {7.5, 1.5, 3.0, 6.0, 4.5, 2.25, 7.5},  // Ascendant
    {7.5, 1.5, 3.0, 6.0, 4.5, 2.25, 7.5},  // Midheaven
}};

constexpr double pointOrb(OrbPoint point, AspectKind kind) {
    return PointOrbs[static_cast<int>(point)][indexOf(kind)];
}

// The exact angle of a kind in degrees: 0, 30, 60, 90, 120, 150 or 180.
constexpr double exactAngle(AspectKind kind) { return windowOf(kind).centre; }

struct PointAspect {
    AspectKind kind;
    double orb;  // |shorter arc - exact angle|, degrees
    friend bool operator==(const PointAspect&, const PointAspect&) = default;
};

// The aspect between a body at `bodyLongitude` and `point` at `pointLongitude`, from the shorter
// arc between them (so it does not matter which is named first, nor whether the arc runs through
// 0 Aries): the kind whose exact angle is within the point's orb, edges included. The orbs of
// one point never overlap, so at most one kind answers.
std::optional<PointAspect> pointAspect(double bodyLongitude, double pointLongitude, OrbPoint point);
// Between two points, within the smaller of their two orbs.
std::optional<PointAspect> pointAspect(double firstLongitude, OrbPoint first,
                                       double secondLongitude, OrbPoint second);

}  // namespace zodrivel
