// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A body's place on the ecliptic with its rate of motion there, both from one evaluation of a
// model: the rate is the time derivative of the very formula that gives the place.

namespace zodrivel {

struct EclipticMotion {
    double longitude = 0;  // degrees, as the model's longitude function returns it
    double speed = 0;      // degrees per day, negative while retrograde
};

}  // namespace zodrivel
