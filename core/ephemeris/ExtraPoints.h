// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The points beyond the ten bodies: the Moon's ascending node (true or mean), Lilith (the mean
// lunar apogee) and Chiron. A model answers each with a longitude and a speed, or refuses it
// with a sentence the reader can be shown, for a point the model cannot compute (Chiron in the
// classic model) or a date it cannot reach (Chiron outside the ephemeris files' years).

#include <optional>
#include <string>
#include <string_view>

#include "core/time/UniversalTime.h"

namespace zodrivel {

enum class ExtraPoint : int {
    TrueNode = 0,  // the osculating ascending node of the Moon's orbit
    MeanNode,      // the node of the Moon's mean orbit
    MeanLilith,    // the apogee of the Moon's mean orbit ("Black Moon Lilith")
    Chiron,
};
inline constexpr int ExtraPointCount = 4;

// The name a chart prints: "North Node" for both nodes, "Lilith", "Chiron".
std::string_view extraPointName(ExtraPoint point);
// The identifier for options and files: "true-node", "mean-node", "lilith", "chiron".
std::string_view extraPointKey(ExtraPoint point);

// Which computation gave a position.
enum class EphemerisSource : int {
    Formulas,    // the classic model's own series and polynomials
    DataFiles,   // the precise model from the library's ephemeris files
    Analytical,  // the precise model from the library's analytical mode, outside the files
};
// "formulas", "files" or "analytical", for a detail field in the output.
std::string_view ephemerisSourceName(EphemerisSource source);

struct PointPosition {
    double longitude = 0;  // geocentric tropical ecliptic longitude of date, 0 <= x < 360
    double speed = 0;      // degrees per day, negative while retrograde
    friend bool operator==(const PointPosition&, const PointPosition&) = default;
};

struct ExtraPointAnswer {
    std::optional<PointPosition> position;  // empty when refused
    std::string refusal;                    // why, when refused; empty otherwise
    EphemerisSource source = EphemerisSource::Formulas;
};

// The refusals, as the reader reads them.
inline constexpr std::string_view ChironNeedsFilesText =
    "Chiron can be computed only for 1800 to 2399, the years of the ephemeris files.";
inline constexpr std::string_view ChironPreciseOnlyText =
    "Chiron is computed in the precise model only.";
inline constexpr std::string_view TrueNodePreciseOnlyText =
    "The classic model computes the mean node only.";

class ExtraPointEphemeris {
public:
    virtual ~ExtraPointEphemeris() = default;
    virtual ExtraPointAnswer point(ExtraPoint which, const BirthInstant& instant) const = 0;
};

}  // namespace zodrivel
