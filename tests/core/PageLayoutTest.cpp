// SPDX-License-Identifier: AGPL-3.0-or-later
// The report laid out on pages, drawn on a canvas that records what it was asked: every page
// has its header, no text crosses the margins, tabs reach their stops, a heading stays with its
// paragraph, and a word too long for a line is cut rather than run off the paper.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/report/PageLayout.h"
#include "core/report/ReportDocument.h"

namespace zodrivel {
namespace {

struct Drawn {
    int page;
    double x, baseline, width;
    std::string text;
    bool bold;
    Rgb colour;
};

// Every character is 5 points wide, 6 in bold, whatever its size: easy widths to reason about.
class RecordingCanvas : public PageCanvas {
public:
    double textWidth(std::string_view utf8, bool bold, double) override {
        std::size_t characters = 0;
        for (const char c : utf8) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return static_cast<double>(characters) * (bold ? 6 : 5);
    }
    void startPage() override { ++pages; }
    void drawText(double x, double baseline, std::string_view utf8, bool bold, double,
                  Rgb colour) override {
        drawn.push_back(
            {pages, x, baseline, textWidth(utf8, bold, 0), std::string(utf8), bold, colour});
    }
    void drawRule(double, double, double) override { ++rules; }
    void drawFigure(Figure figure, double x, double top, double side) override {
        figures.push_back(
            {pages, x, top, side, figure == Figure::ChartWheel ? "wheel" : "?", false, TextColour});
    }

    std::vector<Drawn> onPage(int page) const {
        std::vector<Drawn> out;
        for (const Drawn& d : drawn) {
            if (d.page == page) out.push_back(d);
        }
        return out;
    }
    int pages = 0;
    int rules = 0;
    std::vector<Drawn> drawn;
    std::vector<Drawn> figures;  // x, top as the baseline, side as the width
};

// A small page: 300 by 200 points, 20 point margins, lines 10 points apart: 16 lines a page,
// 260 points of text width (52 regular characters).
PageSetup smallPage() {
    PageSetup setup;
    setup.width = 300;
    setup.height = 200;
    setup.margin = 20;
    setup.textSize = 10;
    setup.lineSpacing = 1;
    return setup;
}

void entry(RichTextDocument& document, const std::string& heading, const std::string& text) {
    document.setEmphasis(true);
    document.setColour(HeadingColour);
    document.insertText(heading + "\r\n");
    document.setEmphasis(false);
    document.setColour(TextColour);
    document.insertText(text + "\r\n\r\n");
}

TEST(PageLayout, EveryPageHasTheNameAndItsNumberOfAll) {
    RichTextDocument document;
    for (int i = 0; i < 12; ++i) {
        entry(document, "Heading " + std::to_string(i), "Some words that fill a line or so.");
    }
    RecordingCanvas canvas;
    const int pages = layOutPages(document, "Ada Lovelace", canvas, smallPage());
    ASSERT_EQ(pages, 3);  // 36 lines, blank lines at the top of a page dropped
    EXPECT_EQ(canvas.pages, 3);
    EXPECT_EQ(canvas.rules, 3);
    for (int page = 1; page <= pages; ++page) {
        const auto drawn = canvas.onPage(page);
        ASSERT_GE(drawn.size(), 3u);
        EXPECT_EQ(drawn[0].text, "Ada Lovelace");
        EXPECT_TRUE(drawn[0].bold);
        EXPECT_EQ(drawn[1].text, "Page " + std::to_string(page) + " of 3");
        // The number ends at the right margin; the header sits above the text.
        EXPECT_DOUBLE_EQ(drawn[1].x + drawn[1].width, 280);
        EXPECT_LT(drawn[0].baseline, 20);
        EXPECT_GT(drawn[2].baseline, 20);
    }
}

TEST(PageLayout, TextStaysWithinTheMarginsAndWrapsAtBlanks) {
    RichTextDocument document;
    std::string words;
    for (int i = 0; i < 60; ++i) words += "word" + std::to_string(i) + " ";
    document.insertText(words + "\r\n");
    document.insertText(std::string(130, 'x') + "\r\n");  // no blank anywhere to break at
    RecordingCanvas canvas;
    layOutPages(document, "", canvas, smallPage());
    std::string reassembled;
    int xLines = 0;
    for (const Drawn& d : canvas.drawn) {
        if (d.baseline < 20) continue;  // the header
        EXPECT_GE(d.x, 20);
        // A line's trailing blank may reach past the margin; its ink may not.
        const std::string ink = d.text.substr(0, d.text.find_last_not_of(' ') + 1);
        EXPECT_LE(d.x + static_cast<double>(ink.size()) * 5, 280) << d.text;
        if (d.text[0] == 'x') {
            ++xLines;
        } else {
            reassembled += d.text;
        }
    }
    EXPECT_EQ(reassembled, words) << "every word once, in order, none split";
    EXPECT_EQ(xLines, 3);  // 52 + 52 + 26 characters
}

TEST(PageLayout, TabsGoToTheReportsStops) {
    RichTextDocument document;
    document.insertText("Sun\tCancer\t12\u00B043'\r\n");
    document.insertText(std::string(21, 'a') + "\tb\r\n");  // 105 points: past the first stop
    RecordingCanvas canvas;
    PageSetup wide = smallPage();
    wide.width = 600;
    layOutPages(document, "", canvas, wide);
    std::vector<std::pair<std::string, double>> placed;
    for (const Drawn& d : canvas.drawn) {
        if (d.baseline > 20) placed.emplace_back(d.text, d.x - 20);
    }
    const std::vector<std::pair<std::string, double>> expected{{"Sun", 0},
                                                               {"Cancer", ReportTabStopsPt[0]},
                                                               {"12\u00B043'", ReportTabStopsPt[1]},
                                                               {std::string(21, 'a'), 0},
                                                               {"b", ReportTabStopsPt[1]}};
    EXPECT_EQ(placed, expected);
}

TEST(PageLayout, AHeadingIsNeverTheLastLineOfAPage) {
    // 15 lines of text put the heading on the 16th and last line of the first page.
    RichTextDocument document;
    for (int i = 0; i < 15; ++i) document.insertText("line " + std::to_string(i) + "\r\n");
    entry(document, "Sun-Moon  In Conjunction Aspect", "Its paragraph.");
    RecordingCanvas canvas;
    ASSERT_EQ(layOutPages(document, "n", canvas, smallPage()), 2);
    const auto second = canvas.onPage(2);
    ASSERT_GE(second.size(), 4u);
    EXPECT_EQ(second[2].text, "Sun-Moon  In Conjunction Aspect");
    EXPECT_EQ(second[2].colour, HeadingColour);
    EXPECT_TRUE(second[2].bold);
    EXPECT_EQ(second[3].text, "Its paragraph.");
}

TEST(PageLayout, ALongNameIsCutBeforeThePageNumber) {
    // 260 points of width; "Page 1 of 1" takes 55, the gap 18: 187 points, 31 bold characters.
    RecordingCanvas canvas;
    layOutPages(RichTextDocument{}, std::string(40, 'N') + "\u00C9", canvas, smallPage());
    const auto header = canvas.onPage(1);
    ASSERT_EQ(header.size(), 2u);
    EXPECT_EQ(header[0].text, std::string(30, 'N') + "\u2026");
    EXPECT_LE(header[0].x + header[0].width, header[1].x);

    RecordingCanvas fits;
    layOutPages(RichTextDocument{}, std::string(10, 'N') + "\u00C9", fits, smallPage());
    EXPECT_EQ(fits.onPage(1)[0].text, std::string(10, 'N') + "\u00C9");
}

TEST(PageLayout, TheLastLineOfAParagraphNeverStandsAloneAtTheTopOfAPage) {
    // 13 short lines, then a paragraph of 4 lines (words of 24 characters, 120 points: two to
    // a line of 260 points): the page's 16 lines end one short of the paragraph's last line,
    // which takes the line before it over with it.
    RichTextDocument document;
    for (int i = 0; i < 13; ++i) document.insertText("line " + std::to_string(i) + "\r\n");
    std::string paragraph;
    for (int word = 0; word < 8; ++word)
        paragraph += "w" + std::to_string(word) + std::string(22, 'w') + " ";
    document.insertText(paragraph + "\r\n");
    RecordingCanvas canvas;
    ASSERT_EQ(layOutPages(document, "n", canvas, smallPage()), 2);
    const auto first = canvas.onPage(1);
    const auto second = canvas.onPage(2);
    // The header's two texts, then the body.
    ASSERT_EQ(second.size(), 2u + 2u);
    EXPECT_EQ(second[2].text.substr(0, 2), "w4");
    EXPECT_EQ(second[3].text.substr(0, 2), "w6");
    EXPECT_EQ(first.back().text.substr(0, 2), "w2");
    EXPECT_EQ(first.size(), 2u + 13u + 2u) << "the page gives up one line, no more";
}

TEST(PageLayout, AFigureTakesItsSquareAndTheTextGoesOnBelowIt) {
    RichTextDocument document;
    document.insertText("before\r\n");
    document.insertFigure(Figure::ChartWheel);
    document.insertText("\r\nafter\r\n");
    PageSetup setup = smallPage();
    setup.figureSide = 100;
    RecordingCanvas canvas;
    ASSERT_EQ(layOutPages(document, "n", canvas, setup), 1);
    ASSERT_EQ(canvas.figures.size(), 1u);
    const Drawn& wheel = canvas.figures.front();
    EXPECT_DOUBLE_EQ(wheel.x, (300 - 100) / 2.0) << "centred";
    const auto body = canvas.onPage(1);
    ASSERT_EQ(body.size(), 4u);
    EXPECT_LE(body[2].baseline, wheel.baseline) << "above the square";
    EXPECT_GT(body[3].baseline - 10, wheel.baseline + wheel.width) << "below the square";

    // Taller than the page allows, it is drawn at the body's height on a page of its own.
    setup.figureSide = 1000;
    RecordingCanvas large;
    EXPECT_EQ(layOutPages(document, "n", large, setup), 3);
    ASSERT_EQ(large.figures.size(), 1u);
    EXPECT_EQ(large.figures.front().page, 2);
    EXPECT_LE(large.figures.front().width, 200 - 2 * 20);
}

TEST(PageLayout, AnEmptyReportIsOnePageWithItsHeader) {
    RecordingCanvas canvas;
    EXPECT_EQ(layOutPages(RichTextDocument{}, "x", canvas, smallPage()), 1);
    EXPECT_EQ(canvas.onPage(1).size(), 2u);
}

}  // namespace
}  // namespace zodrivel
