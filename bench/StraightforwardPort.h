// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The documented rules ported plainly, as the yardstick the product's whole chart is measured
// against: universal time and the Moon's series, the universal date and the planets from their
// elements (each planet solving the Earth's orbit afresh, reductions by repeated turns), then
// the 90 ordered pairs against the seven windows. No speeds, no aspect details, no houses,
// no folding across 0 Aries. Only the benchmark uses it.

#include <array>
#include <string>
#include <vector>

#include "core/model/BirthData.h"

namespace zodrivel::straightforward {

struct Hit {
    int kind;  // 0 conjunction .. 6 opposition
    int first;
    int second;
};

struct Chart {
    std::array<double, 14> positions{};  // slots 0..9 Sun .. Pluto, degrees
    std::array<std::string, 14> names;
    std::vector<Hit> hits;
    std::array<bool, 7> found{};
};

// The birth record and its signed zone correction, as the Proceed driver holds them.
Chart computeChart(const BirthData& birth, const ZoneCorrection& zone);

}  // namespace zodrivel::straightforward
