// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A model of the sky: where the ten bodies stand at the birth instant. The calculation asks
// this interface and nothing below it, so a second model (a precise ephemeris from an outside
// library, implemented in adapters/) takes the classic one's place without touching the
// aspect search, the texts or the windows.

#include <string_view>

#include "core/model/ChartPoints.h"
#include "core/model/SkyModel.h"
#include "core/time/UniversalTime.h"

namespace zodrivel {

class Ephemeris {
public:
    virtual ~Ephemeris() = default;
    // Which model this is; its name and title are in the SkyModels table.
    virtual SkyModel model() const = 0;
    // Geocentric tropical ecliptic longitudes of date of slots 0..9, with their names and their
    // speeds in degrees per day.
    virtual ChartPoints positions(const BirthInstant& instant) const = 0;
};

}  // namespace zodrivel
