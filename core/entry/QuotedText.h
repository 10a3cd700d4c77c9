// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// How a message shows text it did not write itself: a file name, a typed option, a line of
// input. Whatever the text holds, printing the message must not move the cursor, recolour the
// terminal or break one record of a log into two. Both programs use these, so every message
// escapes in the same way.

#include <string>
#include <string_view>

namespace zodrivel {

// A text as an error message shows it, in single quotes: control characters escaped (\b,
// \x1b), so a message cannot move the cursor or recolour the terminal, bytes that are not UTF-8
// escaped the same way, and a text longer than 60 characters cut, with "…" and its length.
std::string quoteForMessage(std::string_view text);

enum class LineBreaks { Kept, Escaped };

// The same escaping over a whole message, not cut. Its line breaks are kept by default; a
// message that must stay on one line (a batch result, a log record) escapes them as \n too.
std::string escapeControls(std::string_view text, LineBreaks lineBreaks = LineBreaks::Kept);

}  // namespace zodrivel
