// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A small writer of Rich Text Format (RTF 1.x) that word processors open.

#include <span>
#include <string>
#include <string_view>

#include "core/report/RichText.h"

namespace zodrivel {

// The document as RTF: CR LF (or a lone CR or LF) ends a paragraph; backslash and braces are
// escaped; characters beyond ASCII are written as \u escapes (UTF-16 units, surrogate pairs for
// characters past U+FFFF), so the file is plain ASCII whatever the text.
// `tabStopsPt` sets the tab stops of every paragraph, in points from the left margin.
// The paper is A4 with margins of 2 cm; the degree sign is written \'b0, which readers without
// Unicode show as well. Text in fixed pitch is set in Courier New.
std::string toRtf(const RichTextDocument& document, std::span<const double> tabStopsPt = {});

// What a saved report adds to the document: a header on every page with `headerName` and the
// page number (`pageNumberPattern`, "Page %1 of %2", filled with fields the word processor
// counts), and the chart wheel as a PNG picture of `wheelSidePt` points a side where the
// document holds it (left out when `wheelPng` is empty).
struct RtfPage {
    std::string headerName;
    std::string pageNumberPattern = "Page %1 of %2";
    std::string wheelPng;
    double wheelSidePt = 340;
};
std::string toRtf(const RichTextDocument& document, std::span<const double> tabStopsPt,
                  const RtfPage& page);
std::string toRtf(std::string_view plainUtf8);

}  // namespace zodrivel
