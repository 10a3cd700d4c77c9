// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The reader's choices of how a chart is computed: the model of the sky (View > Positions), the
// house system (View > Houses) and the lunar node (View > North Node), remembered in the
// per-user settings, and the calculation they lead to.

#include <string>

#include "core/calculation/Calculation.h"
#include "core/houses/Houses.h"
#include "desktop/platform/Services.h"

namespace zodrivel {

// Settings group "Chart", keys "Positions", "Houses" and "Node", holding the identifiers
// ("precise", "whole-sign", "mean"). A missing, unreadable or unknown value reads as the default.
inline constexpr const char* ChartChoicesGroup = "Chart";

ChartChoice loadChartChoices(const Services& services);
void saveChartChoices(const Services& services, const ChartChoice& choice);

// The chart of `record` with the chosen model and house system, from the program's sources.
Chart calculateChart(const ProceedRecord& record, const ChartChoice& choice, const SkySources& sky);

}  // namespace zodrivel
