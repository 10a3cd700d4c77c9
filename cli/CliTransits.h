// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The command line's transits: --transits FROM/TO, --transiting and --transit-orb read into a
// search request, and the transits found written in each format.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/CliOptions.h"
#include "core/calculation/Chart.h"
#include "core/transits/TransitSearch.h"

namespace zodrivel::cli {

struct TransitOptions {
    std::optional<std::string> range;       // --transits: "2027-01-01/2027-12-31"
    std::optional<std::string> transiting;  // --transiting: "Moon,Sun,Saturn"
    std::vector<std::string> orbs;          // --transit-orb: "Saturn=1.5", repeatable, or a list
};

// The request the options ask for: the days of the range from 0h of FROM to 24h of TO, UT;
// the bodies (Sun and Mercury ... Pluto unless --transiting names others); the orbs. A range
// that cannot be read, ends before it begins or leaves TransitFirstYear ... TransitLastYear is
// refused with a message naming the option, and so is an unknown body or an orb out of
// (0, MaxTransitOrb].
std::variant<TransitRequest, InputError> transitRequest(const TransitOptions& options);

// The transits in a format: table, json, csv, ics, report, rtf or pdf. `stampJulianDay` is
// the calendar's DTSTAMP. An empty answer for pdf means it could not be drawn.
std::string formatTransits(const Chart& natal, const std::vector<Transit>& transits,
                           const TransitRequest& request, const std::string& format,
                           double stampJulianDay);

}  // namespace zodrivel::cli
