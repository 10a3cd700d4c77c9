// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The interpretive paragraphs as stored: each once, under the id that AspectTexts.cpp maps
// the (kind, first, second) keys to.

#include <cstddef>

namespace zodrivel {

struct ParagraphText {
    const char* id;    // "Sun-Moon:flowing", "Uranus-Pluto:square", ...
    const char* text;  // one line of printable ASCII
};

extern const ParagraphText ParagraphTexts[];
extern const std::size_t ParagraphTextCount;

// One paragraph per aspect kind, in kind order, for the information frame of each tab.
extern const char* const SignificanceTexts[7];

}  // namespace zodrivel
