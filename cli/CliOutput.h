#pragma once
// What the command line prints for a finished calculation.

#include <string>

#include "app/Calculation.h"

namespace zodrivel::cli {

// Positions as sign, degree and minute, then the aspects in search order, for a terminal.
std::string FormatTable(const Calculation& calculation);

// One JSON object: name, universal_time, julian_centuries, days_since_j2000, positions,
// aspects. Doubles in shortest round-trip form.
std::string FormatJson(const Calculation& calculation);

// The 71 zone rows with their list positions.
std::string FormatZoneList();

}  // namespace zodrivel::cli
