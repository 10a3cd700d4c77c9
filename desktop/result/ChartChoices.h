// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The reader's choices of how a chart is computed: the model of the sky (View > Positions) and
// the house system (View > Houses), remembered in the per-user settings, and the calculation
// they lead to.

#include <string>

#include "core/calculation/Calculation.h"
#include "core/houses/Houses.h"
#include "desktop/platform/Services.h"

namespace zodrivel {

struct ChartChoices {
    std::string ephemeris = "classic";  // "classic" (the default) or "precise"
    HouseSystem houses = DefaultHouseSystem;

    friend bool operator==(const ChartChoices&, const ChartChoices&) = default;
};

// Settings group "Chart", keys "Positions" and "Houses", holding the identifiers ("precise",
// "whole-sign"). A missing, unreadable or unknown value reads as the default.
inline constexpr const char* ChartChoicesGroup = "Chart";

ChartChoices loadChartChoices(const Services& services);
void saveChartChoices(const Services& services, const ChartChoices& choices);

// The chart of `record` with the chosen model and house system.
Chart calculateChart(const ProceedRecord& record, const ChartChoices& choices);

// The choices a calculation was made with (the house system asked for, not a fallback).
ChartChoices choicesOf(const Chart& calculation);

}  // namespace zodrivel
