// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/RtfWriter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zodrivel {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Decodes one UTF-8 sequence at `i`, advancing it; malformed input gives U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    int length = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, cp = lead & 0x07;
    } else {
        return Replacement;
    }
    for (int k = 0; k < length; ++k) {
        if (i >= s.size() || (byte(i) & 0xC0) != 0x80) return Replacement;
        cp = (cp << 6) | (byte(i++) & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return Replacement;
    }
    return cp;
}

// \uN takes a signed 16-bit N; the '?' after it is what readers without Unicode show (\uc1).
void appendUnicodeUnit(std::string& out, unsigned unit) {
    out += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(unit))) + "?";
}

void appendEscaped(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            // CR LF, or a lone CR or LF, is one paragraph break.
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            out += "\\par\r\n";
            continue;
        }
        const char32_t cp = nextCodePoint(text, i);
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp >= 0x20 && cp < 0x7F) {
            out += static_cast<char>(cp);
        } else if (cp == 0xB0) {
            // The degree sign is the same byte in Windows-1252, so plain readers show it.
            out += "\\'b0";
        } else if (cp < 0x20 || cp == 0x7F) {
            // Other control characters have no place in a document.
        } else if (cp > 0xFFFF) {
            const char32_t v = cp - 0x10000;
            appendUnicodeUnit(out, 0xD800 + (v >> 10));
            appendUnicodeUnit(out, 0xDC00 + (v & 0x3FF));
        } else {
            appendUnicodeUnit(out, cp);
        }
    }
}

}  // namespace

std::string toRtf(const RichTextDocument& document, std::span<const double> tabStopsPt) {
    return toRtf(document, tabStopsPt, RtfPage{});
}

std::string toRtf(const RichTextDocument& document, std::span<const double> tabStopsPt,
                  const RtfPage& page) {
    // Black first, the headings' red second whenever the document has headings, then the other
    // colours as they appear, so a heading is \cf2 whatever section titles come before it.
    std::vector<Rgb> colours{TextColour};
    if (std::ranges::any_of(document.runs(),
                            [](const TextRun& run) { return run.colour == HeadingColour; })) {
        colours.push_back(HeadingColour);
    }
    for (const TextRun& run : document.runs()) {
        if (std::ranges::find(colours, run.colour) == colours.end()) colours.push_back(run.colour);
    }
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}\r\n"
        "{\\colortbl;";
    for (const Rgb& c : colours) {
        out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
               std::to_string(c.blue) + ";";
    }
    out += "}\r\n";
    // A4 with 2 cm margins, in twips; the header sits 1 cm from the paper's top edge.
    out +=
        "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134"
        "\\headery567\r\n";
    if (!page.headerName.empty()) {
        const std::string pattern = page.pageNumberPattern;
        const std::size_t first = pattern.find("%1");
        const std::size_t second = pattern.find("%2");
        out += "{\\header\\pard\\plain\\f0\\fs18\\tqr\\tx9638{\\b ";
        appendEscaped(out, page.headerName);
        out += "}\\tab ";
        if (first != std::string::npos && second != std::string::npos && first < second) {
            appendEscaped(out, pattern.substr(0, first));
            out += "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}";
            appendEscaped(out, pattern.substr(first + 2, second - first - 2));
            out += "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}";
            appendEscaped(out, pattern.substr(second + 2));
        } else {
            out += "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}";
        }
        out += "\\par}\r\n";
    }
    out += "\\viewkind4\\pard";
    // Paragraph properties hold for every paragraph after this one until the next \pard.
    for (const double stop : tabStopsPt) out += "\\tx" + std::to_string(std::lround(stop * 20));
    out += "\\plain\\f0\\fs20\r\n";
    for (const TextRun& run : document.runs()) {
        if (run.figure != Figure::None) {
            if (run.figure == Figure::ChartWheel && !page.wheelPng.empty()) {
                const long side = std::lround(page.wheelSidePt * 20);
                out += "{\\pard\\qc{\\pict\\pngblip\\picwgoal" + std::to_string(side) +
                       "\\pichgoal" + std::to_string(side) + "\r\n";
                constexpr char Hex[] = "0123456789abcdef";
                for (std::size_t i = 0; i < page.wheelPng.size(); ++i) {
                    const auto byte = static_cast<unsigned char>(page.wheelPng[i]);
                    out += Hex[byte >> 4];
                    out += Hex[byte & 15];
                    if (i % 64 == 63) out += "\r\n";
                }
                out += "}\\par}";
            }
            continue;
        }
        const auto index = std::ranges::find(colours, run.colour) - colours.begin() + 1;
        out += "{\\cf" + std::to_string(index) + (run.fixedPitch ? "\\f1" : "") +
               (run.emphasis ? "\\b " : " ");
        appendEscaped(out, run.text);
        out += "}";
    }
    out += "\r\n}\r\n";
    return out;
}

std::string toRtf(std::string_view plainUtf8) {
    RichTextDocument document;
    document.insertText(plainUtf8);
    return toRtf(document);
}

}  // namespace zodrivel
