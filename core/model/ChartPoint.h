// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A point of a chart with its identity: a body or another point (an angle now, the lunar node
// and the like later), where it stands, how fast it moves and in which house. Aspects name
// points by identity, never by their place in a list, so two charts (a birth and the sky of a
// later date) can be compared point by point.

#include <array>
#include <string_view>

namespace zodrivel {

// The ten bodies keep the values of their chart slots (Sun = 0 ... Pluto = 9), so tables kept
// per slot (the interpretation paragraphs) are read by identity without a mapping.
enum class PointId : int {
    Sun = 0,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Ascendant,
    Midheaven,
    // The points beyond the bodies and angles (core/ephemeris/ExtraPoints.h): listed after
    // Pluto in every output, numbered after the angles so tables kept by id stay as they were.
    NorthNode,  // the true or the mean node, whichever the chart was asked for
    Lilith,     // the mean lunar apogee
    Chiron,
};
inline constexpr int BodyCount = 10;
inline constexpr int PointIdCount = 15;

constexpr int indexOf(PointId id) { return static_cast<int>(id); }
constexpr bool isBody(PointId id) { return indexOf(id) < BodyCount; }
constexpr PointId bodyOfSlot(int slot) { return static_cast<PointId>(slot); }
constexpr bool isAngle(PointId id) { return id == PointId::Ascendant || id == PointId::Midheaven; }
constexpr bool isLunarOrMinorPoint(PointId id) {
    return id == PointId::NorthNode || id == PointId::Lilith || id == PointId::Chiron;
}

// The name output and files use: "Sun" ... "Pluto", "Ascendant", "Midheaven", "North Node",
// "Lilith", "Chiron".
constexpr std::string_view pointName(PointId id) {
    constexpr std::array<std::string_view, PointIdCount> Names{
        "Sun",     "Moon",  "Mercury",   "Venus",     "Mars",       "Jupiter", "Saturn", "Uranus",
        "Neptune", "Pluto", "Ascendant", "Midheaven", "North Node", "Lilith",  "Chiron"};
    return Names[static_cast<std::size_t>(indexOf(id))];
}

struct ChartPoint {
    PointId id = PointId::Sun;
    double longitude = 0;  // geocentric tropical ecliptic, degrees, 0 <= x <= 360
    double speed = 0;      // degrees per day along the ecliptic, negative while retrograde
    int house = 0;         // 1..12; 0 when the chart has no houses

    bool retrograde() const { return speed < 0; }
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

}  // namespace zodrivel
