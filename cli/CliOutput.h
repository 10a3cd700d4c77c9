#pragma once
// What the command line prints for a finished calculation.

#include <string>

#include "core/calculation/Calculation.h"

namespace zodrivel::cli {

// Positions as sign, degree and minute, then the aspects in search order, for a terminal.
std::string FormatTable(const Calculation& calculation);

// One JSON object: name, universal_time, julian_centuries, days_since_j2000, positions,
// aspects. Doubles in shortest round-trip form.
std::string FormatJson(const Calculation& calculation);

// The report as the report window shows it: publisher line, the seven kinds' texts in report
// order, publisher line; and the same as a rich-text document.
std::string FormatReport(const Calculation& calculation);
std::string FormatRtf(const Calculation& calculation);

// The whole interpretation table: the 630 keys (kind, first, second) with their paragraphs.
std::string FormatTextsJson();

// The 71 zone rows with their list positions.
std::string FormatZoneList();

}  // namespace zodrivel::cli
