// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/place/TextFolding.h"

#include <algorithm>
#include <vector>

namespace zodrivel {

namespace {

// Base letters of U+00C0..U+00FF; '*' marks the letters that fold to two (Æ, Þ, ß), '/' the
// two signs (× and ÷) that stay as they are.
constexpr std::string_view Latin1Bases =
    "aaaaaa*ceeeeiiiidnooooo/ouuuuy**"
    "aaaaaa*ceeeeiiiidnooooo/ouuuuy*y";
// Base letters of U+0100..U+017F (Latin Extended-A); '*' marks Ĳ ĳ and Œ œ.
constexpr std::string_view ExtendedABases =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii"
    "**jjkkkllllllllllnnnnnnnnnoooooo**rrrrrrsssssssstt"
    "ttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(Latin1Bases.size() == 0x40);
static_assert(ExtendedABases.size() == 0x80);

std::string_view twoLetterFold(char32_t c) {
    switch (c) {
        case 0xC6:
        case 0xE6: return "ae";
        case 0xDE:
        case 0xFE: return "th";
        case 0xDF: return "ss";
        case 0x132:
        case 0x133: return "ij";
        case 0x152:
        case 0x153: return "oe";
        default: return {};
    }
}

// The base letter(s) of a code point, or empty when it does not fold.
std::string_view fold(char32_t c) {
    char base = 0;
    if (c >= 0xC0 && c <= 0xFF) base = Latin1Bases[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F) base = ExtendedABases[c - 0x100];
    if (c == 0x218 || c == 0x219) return "s";  // Ș ș, Romanian
    if (c == 0x21A || c == 0x21B) return "t";  // Ț ț
    if (base == '*') return twoLetterFold(c);
    if (base == 0 || base == '/') return {};
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz";
    return Letters.substr(static_cast<std::size_t>(base - 'a'), 1);
}

}  // namespace

const TextFolder& latinTextFolder() {
    class LatinFolder final : public TextFolder {
    public:
        std::string fold(std::string_view text) const override { return foldForSearch(text); }
    };
    static const LatinFolder folder;
    return folder;
}

std::string foldForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead >= 'A' && lead <= 'Z' ? lead + 32 : lead);
            ++i;
            continue;
        }
        // Two-byte sequences cover every letter that folds; longer ones pass unchanged.
        if ((lead & 0xE0) == 0xC0 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const char32_t c =
                (char32_t{lead} & 0x1F) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            const std::string_view base = fold(c);
            if (!base.empty()) {
                out += base;
            } else {
                out.append(text.substr(i, 2));
            }
            i += 2;
            continue;
        }
        out += text[i];
        ++i;
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::size_t editDistance(std::string_view a, std::string_view b, std::size_t cap) {
    const std::size_t gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (gap > cap) return cap + 1;
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        std::size_t best = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > cap) return cap + 1;
    }
    return std::min(row[b.size()], cap + 1);
}

}  // namespace zodrivel
