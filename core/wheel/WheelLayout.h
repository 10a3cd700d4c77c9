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
    int slot;                 // its place in WheelLayout::bodies (a body's slot for the ten)
    double longitude;         // where the body is
    double displayLongitude;  // where its glyph and label are drawn
    bool displaced;           // drawn away from its place: a leader line joins the two
    std::string label;        // degrees and minutes within the sign, "10°22'"
    PointId id = bodyOfSlot(slot);
    bool southNode = false;  // the point opposite the North Node, drawn with it
};

enum class LineTone { Hard, Soft };

struct WheelLine {
    AspectHit hit;
    LineTone tone;         // hard aspects in red, soft in blue
    bool dashed;           // the minor aspects: semi-sextile and quincunx
    double width;          // relative stroke width: 1 for the major aspects, 0.6 for the minor
    std::string tooltip;   // "Sun-Moon  In Square Aspect, 87°"
    bool toPoint = false;  // an aspect of the node, Lilith, Chiron or an angle: drawn dotted
};

struct WheelLayout {
    // The ten bodies in slot order, then the points the chart has (North Node, Lilith,
    // Chiron) and, after the North Node's, the South Node opposite it.
    std::vector<WheelBody> bodies;
    std::vector<WheelLine> lines;  // in search order; conjunctions have no line
    // The aspects of the points and angles, after the bodies' lines, in the chart's order.
    std::vector<WheelLine> pointLines;
    // The place in `bodies` of a point (the North Node, not the South), or -1.
    int indexOf(PointId id) const;
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
// `bodies` are the ten bodies in slot order, then any of the chart's other points (the North
// Node also brings the South Node); `aspects` the chart's, `pointAspects` those of its points
// and angles. Every glyph, the points' included, is spread clear of the others.
WheelLayout computeWheelLayout(std::span<const ChartPoint> bodies,
                               const std::vector<Aspect>& aspects,
                               const TextTranslator& texts = englishTexts(),
                               const std::vector<double>& lines = {}, double spacing = GlyphSpacing,
                               const std::vector<Aspect>& pointAspects = {});

}  // namespace zodrivel
