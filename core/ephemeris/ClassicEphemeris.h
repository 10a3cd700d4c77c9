// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The program's own model: the Moon from 25 terms of the lunar series, the Sun and the planets
// from mean orbital elements. Compact, self-contained and exactly reproducible.

#include "core/ephemeris/Ephemeris.h"

namespace zodrivel {

class ClassicEphemeris final : public Ephemeris {
public:
    SkyModel model() const override { return SkyModel::Classic; }
    // The Moon from the Julian centuries, the planets from the days since J2000 of the
    // universal date.
    // Speeds from the time derivatives of the same formulas.
    ChartPoints positions(const BirthInstant& instant) const override;
};

// An arc brought into -180 < x <= 180: the shorter way round, signed.
double signedArc(double degrees);

}  // namespace zodrivel
