// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What the command line prints for a finished calculation.

#include <string>

#include "core/calculation/Calculation.h"

namespace zodrivel::cli {

// Positions as sign, degree and minute, then the aspects in search order, for a terminal.
std::string formatTable(const Calculation& calculation);

// One JSON object: name, universal_time, julian_centuries, days_since_j2000, positions,
// aspects. Doubles in shortest round-trip form. `oneLine`: the same object on one line, without
// the final line break, for JSON Lines.
std::string formatJson(const Calculation& calculation, bool oneLine = false);

// The report as the report window shows it: publisher line, whose chart it is, the positions,
// the aspects' headings and paragraphs in report order, publisher line; the same as a rich-text
// document, and as a PDF file with the name and page numbers in each page's header.
std::string formatReport(const Calculation& calculation);
std::string formatRtf(const Calculation& calculation);
std::string formatPdf(const Calculation& calculation);

// The whole interpretation table: the 630 keys (kind, first, second) with their paragraphs.
std::string formatTextsJson();

// The 71 zone rows with their list positions.
std::string formatZoneList();

}  // namespace zodrivel::cli
