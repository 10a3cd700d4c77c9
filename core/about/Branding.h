// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Which of the two branding offers the entry window shows in front, chosen once per start.

namespace zodrivel {

enum class BrandLabel { CoBrand, FullBrand, Unchanged };

// r = uniform * 6 + 1 rounded half to even, 1..7: odd brings the co-branding offer to the
// front, even the full-branding one, and 7 (u at or above 11/12, when the rounding goes up)
// leaves the window as it opened, with the co-branding offer in front.
BrandLabel brandingChoice(double uniform01);

}  // namespace zodrivel
