// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Text as a search compares it: without case and without accents, so that "sao paulo" and
// "São Paulo" are the same words.

#include <cstddef>
#include <string>
#include <string_view>

namespace zodrivel {

// Lower-cases ASCII and folds the accented Latin letters of U+00C0..U+017F and U+0218..U+021B
// to their base letters ("São" -> "sao", "Łódź" -> "lodz", "ß" -> "ss", "Æ" -> "ae"). Any other
// character, and bytes that are not UTF-8, pass unchanged. Surrounding blanks are trimmed.
std::string foldForSearch(std::string_view text);

// How the atlas folds names and queries. foldForSearch is the core's own; an adapter backed by
// a Unicode library folds the marks of every script ("Đà Nẵng" -> "da nang").
class TextFolder {
public:
    virtual ~TextFolder() = default;
    // `text` without case, accents or surrounding blanks.
    virtual std::string fold(std::string_view text) const = 0;
};
// foldForSearch as a TextFolder.
const TextFolder& latinTextFolder();

// The number of single-byte insertions, deletions and substitutions between two texts, or
// `cap` + 1 when it is above `cap` (the near-match lists only need the close ones).
std::size_t editDistance(std::string_view a, std::string_view b, std::size_t cap);

}  // namespace zodrivel
