// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/about/Branding.h"

#include "core/model/Angles.h"

namespace zodrivel {

BrandLabel brandingChoice(double uniform01) {
    const int r = roundHalfEven(uniform01 * 6 + 1);
    if (r == 7) return BrandLabel::Unchanged;
    return r % 2 == 1 ? BrandLabel::CoBrand : BrandLabel::FullBrand;
}

}  // namespace zodrivel
