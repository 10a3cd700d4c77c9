// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The chart wheel drawn by cairo, for the pages cairo makes (the PDF report) and as a PNG
// picture (the one a saved RTF report embeds): the ring of signs tinted by element, the house
// cusps with the Asc and MC, the bodies where computeWheelLayout places them and the aspect
// lines, black on white as on paper. Text is set through Pango, so the glyphs come from
// whichever installed face has them.

#include <string>

#include "core/description/ChartDescription.h"

// cairo's drawing context, declared as cairo.h does, so that callers of the PNG need no cairo
// include path.
using cairo_t = struct _cairo;

namespace zodrivel {

// Draws the wheel of `chart` in the square of side `side` whose top left corner is (x, top),
// in the units of `cr`.
void drawCairoWheel(cairo_t* cr, const ChartDescription& chart, double x, double top, double side);

// The wheel as a PNG file of `sidePixels` a side on white; empty if cairo fails.
std::string cairoWheelPng(const ChartDescription& chart, int sidePixels);

}  // namespace zodrivel
