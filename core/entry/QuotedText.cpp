// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/entry/QuotedText.h"

#include "core/entry/NameLetters.h"

namespace zodrivel {

namespace {

constexpr std::size_t MessageCut = 60;

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string escaped(char32_t c) {
    switch (c) {
        case U'\b': return "\\b";
        case U'\t': return "\\t";
        case U'\n': return "\\n";
        case U'\r': return "\\r";
        case U'\f': return "\\f";
        case U'\v': return "\\v";
        default: break;
    }
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out = c < 0x100 ? "\\x" : "\\u";
    for (int shift = c < 0x100 ? 4 : 12; shift >= 0; shift -= 4) out += Hex[(c >> shift) & 0xF];
    return out;
}

// The characters of `text`, escaped; at most `limit` of them. Returns how many there were.
std::size_t appendEscaped(std::string& out, std::string_view text, std::size_t limit,
                          bool keepLineBreaks) {
    const auto characters = decodeUtf8(text);
    if (!characters) {  // not UTF-8: every byte beyond ASCII is shown as a byte
        std::size_t count = 0;
        for (const char byte : text) {
            const auto c = static_cast<unsigned char>(byte);
            if (count++ >= limit) continue;
            if (keepLineBreaks && c == '\n') {
                out += '\n';
            } else if (isControl(c) || c >= 0x80) {
                out += escaped(c);
            } else {
                out += byte;
            }
        }
        return count;
    }
    std::size_t count = 0;
    for (const char32_t c : *characters) {
        if (count++ >= limit) continue;
        if (keepLineBreaks && c == U'\n') {
            out += '\n';
        } else if (isControl(c)) {
            out += escaped(c);
        } else {
            appendUtf8(out, c);
        }
    }
    return characters->size();
}

}  // namespace

std::string quoteForMessage(std::string_view text) {
    std::string out = "'";
    const std::size_t length = appendEscaped(out, text, MessageCut, false);
    if (length > MessageCut) {
        return out + "\u2026' (" + std::to_string(length) + " characters)";
    }
    return out + "'";
}

std::string escapeControls(std::string_view text, LineBreaks lineBreaks) {
    std::string out;
    appendEscaped(out, text, std::string_view::npos, lineBreaks == LineBreaks::Kept);
    return out;
}

}  // namespace zodrivel
