// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/calculation/Calculation.h"

namespace zodrivel {

Calculation calculate(const ProceedRecord& record, const Ephemeris& ephemeris) {
    Calculation c;
    c.birth = record.birth;
    c.zone = record.zone;
    c.zonePosition = record.zonePosition;
    c.instant = birthInstant(c.birth, c.zone);
    c.chart = ephemeris.positions(c.instant);
    c.aspects = computeAspects(c.chart);
    return c;
}

}  // namespace zodrivel
