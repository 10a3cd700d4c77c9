// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The geometry of the chart wheel, decided without a window: where each body and sign sits,
// how crowded bodies spread along the ring, and which aspect lines are drawn in which style.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/aspects/AspectDetails.h"
#include "core/aspects/AspectSearch.h"
#include "core/model/ChartPoint.h"
#include "core/model/TextTranslator.h"

namespace zodrivel {

// Angle on screen, in radians, counter-clockwise from the positive x axis (y up), of a
// longitude: 0 Aries on the left and the zodiac running counter-clockwise, as astrologers draw.
double wheelAngle(double longitude);

// How far apart (degrees along the ring) two glyphs must stand so they do not overlap.
inline constexpr double GlyphSpacing = 8.0;

struct WheelBody {
    int slot;
    double longitude;         // where the body is
    double displayLongitude;  // where its glyph and label are drawn
    bool displaced;           // drawn away from its place: a leader line joins the two
    std::string label;        // degrees and minutes within the sign, "10°22'"
};

enum class LineTone { Hard, Soft };

struct WheelLine {
    AspectHit hit;
    LineTone tone;        // hard aspects in red, soft in blue
    bool dashed;          // the minor aspects: semi-sextile and quincunx
    double width;         // relative stroke width: 1 for the major aspects, 0.6 for the minor
    std::string tooltip;  // "Sun-Moon  In Square Aspect, 87°"
};

struct WheelLayout {
    std::vector<WheelBody> bodies;  // slots 0..9 in slot order
    std::vector<WheelLine> lines;   // in search order; conjunctions have no line
};

// Spreads glyph positions so that neighbours stand at least `spacing` degrees apart, moving
// each as little as possible and keeping the zodiacal order. Input and output in slot order.
std::vector<double> spreadAlongRing(const std::vector<double>& longitudes, double spacing);

// How far (degrees along the ring) a glyph's centre keeps from a house line, the Asc or the MC
// running through the ring of glyphs: half a glyph and a little air.
inline constexpr double LineClearance = 4.5;

// spreadAlongRing that also keeps every glyph `clearance` degrees or more from each of `lines`
// (longitudes of lines crossing the ring), on the side of the line where the body truly is, so
// a glyph never sits on a house line or the Asc and stays drawn in its own house. Where the
// ring is too crowded for that, the placement with the least overlap found is returned; the
// neighbours' spacing always holds.
std::vector<double> spreadClearOfLines(const std::vector<double>& longitudes, double spacing,
                                       const std::vector<double>& lines, double clearance);

// The line tooltips read as `texts` has the aspect headings. `lines` are the longitudes of the
// house cusps, the Asc and the MC when the wheel draws them; `spacing` is the glyphs' spacing,
// wider than GlyphSpacing where a small wheel's labels need it.
// `bodies` are the ten bodies in slot order, `aspects` the chart's.
WheelLayout computeWheelLayout(std::span<const ChartPoint> bodies,
                               const std::vector<Aspect>& aspects,
                               const TextTranslator& texts = englishTexts(),
                               const std::vector<double>& lines = {},
                               double spacing = GlyphSpacing);

}  // namespace zodrivel
