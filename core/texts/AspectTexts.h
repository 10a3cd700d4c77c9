// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Which paragraph each (kind, first point, second point) key reads, and the fixed description
// of each aspect kind shown on its tab.

#include <array>
#include <string_view>

#include "core/aspects/AspectKind.h"
#include "core/model/ChartPoint.h"
#include "core/model/ChartPoints.h"

namespace zodrivel {

// The paragraph of the key; empty for a point paired with itself.
std::string_view aspectText(AspectKind kind, int first, int second);

// The same by the points' identities; empty where a point is not one of the ten bodies.
inline std::string_view aspectText(AspectKind kind, PointId first, PointId second) {
    if (!isBody(first) || !isBody(second)) return {};
    return aspectText(kind, indexOf(first), indexOf(second));
}

// The id under which that paragraph is stored ("Sun-Moon:flowing"); empty on the diagonal.
std::string_view aspectTextId(AspectKind kind, int first, int second);

// The information frame of a kind's tab.
struct AspectInfo {
    std::string_view tabCaption;  // "Semi Sextile"
    std::string_view name;        // "Aspects Name" value
    std::string_view keyword;
    std::string_view category;
    std::string_view type;
    std::string_view significance;
};
const AspectInfo& aspectInformation(AspectKind kind);

}  // namespace zodrivel
