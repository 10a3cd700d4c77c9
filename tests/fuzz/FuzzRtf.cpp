// SPDX-License-Identifier: AGPL-3.0-or-later
// The RTF writer, read back by a strict reader: the file is ASCII, braces balance and close
// exactly at its end, every control word is one the writer is meant to use, every \u escape
// is a 16-bit value followed by its '?' stand-in, and nothing follows the closing brace.
// The same document as plain text and laid out on pages: every tab expanded, and no text drawn
// outside the margins or past the last page.
// Input bytes: a format byte (emphasis, colour) before each run; runs end at NUL.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "core/report/PageLayout.h"
#include "core/report/ReportDocument.h"
#include "core/report/RichText.h"
#include "core/report/RtfWriter.h"

namespace {

using namespace zodrivel;

void require(bool condition) {
    if (!condition) std::abort();
}

const std::set<std::string_view> KnownWords{
    "rtf",     "ansi",     "ansicpg",  "deff",    "uc",       "fonttbl", "f",
    "fswiss",  "fcharset", "colortbl", "red",     "green",    "blue",    "viewkind",
    "pard",    "plain",    "fs",       "cf",      "b",        "par",     "tab",
    "u",       "tx",       "fmodern",  "paperw",  "paperh",   "margl",   "margr",
    "margt",   "margb",    "header",   "headery", "qc",       "tqr",     "field",
    "fldinst", "fldrslt",  "pict",     "pngblip", "picwgoal", "pichgoal"};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); }

// Reads the whole document, failing on the first thing a strict reader would refuse.
void readStrictly(std::string_view rtf) {
    require(rtf.substr(0, 6) == "{\\rtf1");
    int depth = 0;
    bool closed = false;
    for (std::size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        const auto byte = static_cast<unsigned char>(c);
        require(byte < 0x80);                             // ASCII only
        require(byte >= 0x20 || c == '\r' || c == '\n');  // no other control bytes
        require(!closed || c == '\r' || c == '\n');       // nothing after the last brace
        if (c == '{') {
            ++depth, ++i;
        } else if (c == '}') {
            require(--depth >= 0);
            closed = depth == 0;
            ++i;
        } else if (c == '\\') {
            require(i + 1 < rtf.size());
            const char next = rtf[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                i += 2;
                continue;
            }
            // A byte of the code page by its hex value (the degree sign, \'b0), and the mark of
            // a destination an older reader may skip (\*\fldinst).
            if (next == '\'') {
                require(i + 3 < rtf.size() && isHex(rtf[i + 2]) && isHex(rtf[i + 3]));
                i += 4;
                continue;
            }
            if (next == '*') {
                i += 2;
                continue;
            }
            std::size_t end = i + 1;
            while (end < rtf.size() && isLetter(rtf[end])) ++end;
            const std::string_view word = rtf.substr(i + 1, end - i - 1);
            require(KnownWords.contains(word));
            std::size_t number = end;
            if (number < rtf.size() && rtf[number] == '-') ++number;
            while (number < rtf.size() && isDigit(rtf[number])) ++number;
            if (word == "u") {
                const long value =
                    std::strtol(std::string(rtf.substr(end, number - end)).c_str(), nullptr, 10);
                require(number > end && value >= -32768 && value <= 32767);
                require(number < rtf.size() && rtf[number] == '?');
                i = number + 1;
                continue;
            }
            i = number;
            if (i < rtf.size() && rtf[i] == ' ') ++i;  // the delimiter belongs to the word
        } else {
            ++i;
        }
    }
    require(closed && depth == 0);
}

// Characters of any kind are 5 points wide, 6 in bold; checks where each run lands.
class CheckingCanvas : public PageCanvas {
public:
    explicit CheckingCanvas(const PageSetup& setup) : setup_(setup) {}
    double textWidth(std::string_view utf8, bool bold, double) override {
        double width = 0;
        for (const char c : utf8) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return width * (bold ? 6 : 5);
    }
    void startPage() override { ++pages; }
    void drawText(double x, double baseline, std::string_view utf8, bool bold, double,
                  Rgb) override {
        require(pages > 0);
        require(x >= setup_.margin - 1e-9);
        const std::string_view ink = utf8.substr(0, utf8.find_last_not_of(' ') + 1);
        require(x + textWidth(ink, bold, 0) <= setup_.width - setup_.margin + 1e-9);
        require(baseline > 0 && baseline < setup_.height);
    }
    void drawRule(double, double, double) override {}
    int pages = 0;

private:
    const PageSetup& setup_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RichTextDocument document;
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t format = data[i++];
        document.setEmphasis((format & 1) != 0);
        document.setColour(Rgb{static_cast<std::uint8_t>(format & 0xE0),
                               static_cast<std::uint8_t>((format << 3) & 0xE0), 0});
        std::string text;
        while (i < size && data[i] != 0) text.push_back(static_cast<char>(data[i++]));
        ++i;
        document.insertText(text);
    }
    readStrictly(toRtf(document));
    readStrictly(toRtf(document, ReportTabStopsPt));
    require(plainReportText(document).find('\t') == std::string::npos);
    PageSetup small;
    small.width = 200;
    small.height = 160;
    small.margin = 20;
    CheckingCanvas canvas(small);
    const std::string name(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 80));
    require(layOutPages(document, name, canvas, small) == canvas.pages);
    readStrictly(toRtf(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
