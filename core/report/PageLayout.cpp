// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/PageLayout.h"

#include <algorithm>
#include <vector>

#include "core/report/ReportDocument.h"

namespace zodrivel {

namespace {

constexpr double HeaderSize = 9;   // points
constexpr double HeaderRise = 16;  // points from the header's baseline up to the body's margin
constexpr double RuleRise = 9;     // points from the rule up to the body's margin

struct Token {
    std::string text;  // a word with the blanks after it, or empty for a tab
    bool tab = false;
    bool emphasis = false;
    Rgb colour;
    bool fixedPitch = false;
    Figure figure = Figure::None;
};

struct Placed {
    double x = 0;
    double width = 0;
    std::string text;
    bool emphasis = false;
    Rgb colour;
    bool fixedPitch = false;
};

struct Line {
    std::vector<Placed> parts;
    bool keepWithNext = false;  // a heading: its paragraph goes on the same page
    Figure figure = Figure::None;
    std::size_t paragraph = 0;   // which paragraph of the document the line belongs to
    bool endsParagraph = false;  // the paragraph's last line
};

// The paragraphs of the document, each as its words and tabs with their formats.
std::vector<std::vector<Token>> paragraphsOf(const RichTextDocument& report) {
    std::vector<std::vector<Token>> paragraphs(1);
    for (const TextRun& run : report.runs()) {
        if (run.figure != Figure::None) {
            paragraphs.back().push_back({{}, false, false, TextColour, false, run.figure});
            continue;
        }
        const std::string& t = run.text;
        for (std::size_t i = 0; i < t.size();) {
            const char c = t[i];
            if (c == '\r' || c == '\n') {
                i += (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ? 2 : 1;
                paragraphs.emplace_back();
                continue;
            }
            if (c == '\t') {
                paragraphs.back().push_back({{}, true, run.emphasis, run.colour, run.fixedPitch});
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < t.size() && t[end] != ' ' && t[end] != '\t' && t[end] != '\r' &&
                   t[end] != '\n') {
                ++end;
            }
            while (end < t.size() && t[end] == ' ') ++end;
            paragraphs.back().push_back(
                {t.substr(i, end - i), false, run.emphasis, run.colour, run.fixedPitch});
            i = end;
        }
    }
    // The text ends with a line break, which opens no further paragraph.
    if (paragraphs.size() > 1 && paragraphs.back().empty()) paragraphs.pop_back();
    return paragraphs;
}

class LineBreaker {
public:
    LineBreaker(PageCanvas& canvas, const PageSetup& setup)
        : canvas_(canvas), setup_(setup), textWidth_(setup.width - 2 * setup.margin) {}

    std::vector<Line> linesOf(const std::vector<std::vector<Token>>& paragraphs) {
        for (const auto& paragraph : paragraphs) {
            const bool heading = !paragraph.empty() && paragraph.front().emphasis &&
                                 (paragraph.front().colour == HeadingColour ||
                                  paragraph.front().colour == SectionColour);
            for (const Token& token : paragraph) {
                if (token.figure != Figure::None) {
                    if (x_ > 0 || !current_.parts.empty()) endLine();
                    current_.figure = token.figure;
                    endLine();
                    continue;
                }
                place(token);
            }
            if (x_ > 0 || !current_.parts.empty() || paragraph.empty() ||
                paragraph.back().figure == Figure::None) {
                endLine();
            }
            lines_.back().keepWithNext = heading;
            lines_.back().endsParagraph = true;
            ++paragraph_;
        }
        return std::move(lines_);
    }

private:
    double width(std::string_view text, bool bold, bool fixedPitch = false) {
        canvas_.setFixedPitch(fixedPitch);
        return canvas_.textWidth(text, bold, setup_.textSize);
    }

    void endLine() {
        current_.paragraph = paragraph_;
        lines_.push_back(std::move(current_));
        current_ = {};
        x_ = 0;
    }

    void place(const Token& token) {
        if (token.tab) {
            const auto stop =
                std::ranges::find_if(ReportTabStopsPt, [this](double s) { return s > x_ + 0.01; });
            x_ = stop != ReportTabStopsPt.end() ? *stop
                                                : x_ + width(" ", token.emphasis, token.fixedPitch);
            if (x_ >= textWidth_) endLine();
            return;
        }
        std::string_view rest = token.text;
        while (!rest.empty()) {
            const std::string_view word = rest.substr(0, rest.find_last_not_of(' ') + 1);
            const double inked = width(word, token.emphasis, token.fixedPitch);
            if (x_ > 0 && x_ + inked > textWidth_) endLine();
            std::string_view piece = rest;
            if (inked > textWidth_) {
                // A word longer than the line is cut where the line ends.
                std::size_t fits = 0;
                for (std::size_t n = 1; n <= rest.size(); ++n) {
                    if (n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) {
                        continue;
                    }
                    if (width(rest.substr(0, n), token.emphasis, token.fixedPitch) >
                        textWidth_ - x_) {
                        break;
                    }
                    fits = n;
                }
                // Not even one character fits after what the line holds: it takes one anyway.
                if (fits == 0) {
                    fits = 1;
                    while (fits < rest.size() &&
                           (static_cast<unsigned char>(rest[fits]) & 0xC0) == 0x80) {
                        ++fits;
                    }
                }
                piece = rest.substr(0, fits);
            }
            append(piece, token);
            rest.remove_prefix(piece.size());
            if (!rest.empty()) endLine();
        }
    }

    void append(std::string_view text, const Token& token) {
        const double advance = width(text, token.emphasis, token.fixedPitch);
        if (!current_.parts.empty()) {
            Placed& last = current_.parts.back();
            if (last.emphasis == token.emphasis && last.colour == token.colour &&
                last.fixedPitch == token.fixedPitch && last.x + last.width == x_) {
                last.text += text;
                last.width += advance;
                x_ += advance;
                return;
            }
        }
        current_.parts.push_back(
            {x_, advance, std::string(text), token.emphasis, token.colour, token.fixedPitch});
        x_ += advance;
    }

    PageCanvas& canvas_;
    const PageSetup& setup_;
    double textWidth_;
    std::vector<Line> lines_;
    Line current_;
    double x_ = 0;
    std::size_t paragraph_ = 0;
};

// `name` cut, with an ellipsis, to at most `room` points; whole when it fits.
std::string fitted(std::string_view name, double room, PageCanvas& canvas) {
    if (canvas.textWidth(name, true, HeaderSize) <= room) return std::string(name);
    constexpr std::string_view Ellipsis = "\u2026";
    std::size_t keep = name.size();
    while (keep > 0) {
        do {
            --keep;
        } while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80);
        std::string cut = std::string(name.substr(0, keep)) + std::string(Ellipsis);
        if (canvas.textWidth(cut, true, HeaderSize) <= room) return cut;
    }
    return std::string(Ellipsis);
}

}  // namespace

int layOutPages(const RichTextDocument& report, std::string_view headerName, PageCanvas& canvas,
                const PageSetup& setup, const TextTranslator& texts) {
    const std::vector<Line> lines = LineBreaker(canvas, setup).linesOf(paragraphsOf(report));
    canvas.setFixedPitch(false);
    const double lineHeight = setup.textSize * setup.lineSpacing;
    const double bodyHeight = setup.height - 2 * setup.margin;
    // A figure fits the page it is on: never taller than the body, nor wider than the text.
    const double figureSide = std::max(
        lineHeight,
        std::min({setup.figureSide, bodyHeight - lineHeight / 2, setup.width - 2 * setup.margin}));
    const auto heightOf = [&](const Line& line) {
        return line.figure != Figure::None ? figureSide + lineHeight / 2 : lineHeight;
    };

    std::vector<std::vector<const Line*>> pages(1);
    double used = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const double height = heightOf(line);
        const bool fits = used + height <= bodyHeight + 0.01;
        // A heading goes over when the line after it would not fit beside it.
        const bool headingAlone = line.keepWithNext && i + 1 < lines.size() &&
                                  used + height + heightOf(lines[i + 1]) > bodyHeight + 0.01;
        std::vector<const Line*>& page = pages.back();
        if (!page.empty() && (!fits || headingAlone)) {
            std::vector<const Line*> carried;
            // The last line of a paragraph never stands alone at the top of a page: the line
            // before it goes over too, when that leaves the page more than it takes away.
            if (!fits && line.endsParagraph && !line.parts.empty() && page.size() > 2 &&
                page.back()->paragraph == line.paragraph && !page.back()->parts.empty() &&
                page[page.size() - 2]->paragraph == line.paragraph) {
                carried.push_back(page.back());
                page.pop_back();
            }
            pages.push_back(std::move(carried));
            used = 0;
            for (const Line* moved : pages.back()) used += heightOf(*moved);
        }
        // A page starts with text, not with the empty line that separated two entries.
        if (pages.back().empty() && pages.size() > 1 && line.parts.empty() &&
            line.figure == Figure::None) {
            continue;
        }
        pages.back().push_back(&line);
        used += height;
    }

    const int pageCount = static_cast<int>(pages.size());
    const double right = setup.width - setup.margin;
    for (int page = 0; page < pageCount; ++page) {
        canvas.startPage();
        const double headerBaseline = setup.margin - HeaderRise;
        const std::string number =
            fillIn(texts.translate(textContext::Report, reportTexts::PageNumber),
                   {std::to_string(page + 1), std::to_string(pageCount)});
        const double numberWidth = canvas.textWidth(number, false, HeaderSize);
        // A name longer than the header has room for is cut, never run into the page number.
        const double room = right - setup.margin - numberWidth - 2 * HeaderSize;
        canvas.drawText(setup.margin, headerBaseline, fitted(headerName, room, canvas), true,
                        HeaderSize, TextColour);
        canvas.drawText(right - numberWidth, headerBaseline, number, false, HeaderSize, TextColour);
        canvas.drawRule(setup.margin, right, setup.margin - RuleRise);

        double top = setup.margin;
        for (const Line* line : pages[page]) {
            if (line->figure != Figure::None) {
                canvas.drawFigure(line->figure, (setup.width - figureSide) / 2, top, figureSide);
            }
            for (const Placed& part : line->parts) {
                canvas.setFixedPitch(part.fixedPitch);
                canvas.drawText(setup.margin + part.x, top + setup.textSize, part.text,
                                part.emphasis, setup.textSize, part.colour);
            }
            canvas.setFixedPitch(false);
            top += heightOf(*line);
        }
    }
    return pageCount;
}

}  // namespace zodrivel
