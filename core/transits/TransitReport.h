// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The transits of a chart as a report, in the report's own form (the same publisher lines, the
// same block, headings in dark red), so it is saved, printed and drawn as a PDF the same way.

#include <vector>

#include "core/description/ChartDescription.h"
#include "core/report/RichText.h"
#include "core/transits/TransitSearch.h"

namespace zodrivel {

// The publisher line; the chart's block; a line naming the range; then per transit, in the
// order given, its heading ("Saturn Square natal Sun"), a line with when it enters orb, its
// exact passes and when it leaves (universal time, to the minute), and its reading when one is
// written; the publisher line.
RichTextDocument buildTransitReport(const ChartDescription& facts,
                                    const std::vector<Transit>& transits, double fromJulianDay,
                                    double toJulianDay);

}  // namespace zodrivel
