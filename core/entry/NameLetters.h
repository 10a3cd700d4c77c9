// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What counts as a letter of a name, and its upper case, without a Unicode library: core is
// standard C++ only, and both programs must give the same answer (the command line has no Qt),
// so the decision is a table here rather than QChar in the desktop.

#include <optional>
#include <string>
#include <string_view>

namespace zodrivel {

// A letter (Unicode category L) or combining mark (category M) of the scripts in common use:
// Latin (Basic, Latin-1 Supplement, Extended-A and -B, Extended Additional), the combining
// accents, Greek and Greek Extended, Cyrillic, Armenian, Hebrew, Arabic, the Indic scripts
// from Devanagari to Sinhala, Thai, Georgian (with its capitals), Hangul, Hiragana, Katakana and
// the CJK ideographs. Marks are letters here because Indic, Arabic and Hebrew names cannot be
// written without them, and because "e" followed by a combining acute is an "é" too. Digits of
// every script, punctuation, symbols and emoji are not.
bool isNameLetter(char32_t c);

// The simple (one character to one) Unicode upper case; characters without one are returned
// unchanged. "ß" has no single-character capital in Unicode's mapping (its full upper case is
// "SS"), so it stays "ß": a key press puts one character in the box, and a pasted text must
// read as the same keys typed one by one.
char32_t upperCase(char32_t c);

// The code points of UTF-8 text, or nothing when the bytes are not well-formed UTF-8
// (overlong forms, surrogates and values past U+10FFFF included).
std::optional<std::u32string> decodeUtf8(std::string_view text);
void appendUtf8(std::string& out, char32_t c);

}  // namespace zodrivel
