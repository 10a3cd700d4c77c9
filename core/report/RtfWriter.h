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
std::string toRtf(const RichTextDocument& document, std::span<const double> tabStopsPt = {});
std::string toRtf(std::string_view plainUtf8);

}  // namespace zodrivel
