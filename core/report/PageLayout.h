// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The report laid out on pages, for the PDF files and the printer: words wrapped within the
// margins, tabs to the report's stops, a heading never left alone at the foot of a page, and on
// every page a header with the person's name and "Page n of m". The drawing itself is left to
// a canvas (a PDF library, a printer), which only measures and draws single runs of text.

#include <string>
#include <string_view>

#include "core/model/TextTranslator.h"
#include "core/report/RichText.h"

namespace zodrivel {

// A surface of pages in points (1/72 inch), origin at the top left of the paper.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    // The advance of `utf8` set in the report's typeface, bold or regular, at `sizePt`.
    virtual double textWidth(std::string_view utf8, bool bold, double sizePt) = 0;
    // Starts the next page; the first call starts the first page.
    virtual void startPage() = 0;
    virtual void drawText(double x, double baseline, std::string_view utf8, bool bold,
                          double sizePt, Rgb colour) = 0;
    // A thin horizontal line, under the header.
    virtual void drawRule(double x1, double x2, double y) = 0;
    // Text measured and drawn from now on is set in a face of letters of one width (on) or in
    // the report's typeface (off). A canvas without such a face keeps its own.
    virtual void setFixedPitch(bool /*on*/) {}
    // Draws `figure` in the square of side `side` whose top left corner is (x, top). A canvas
    // that cannot draw it leaves the square empty.
    virtual void drawFigure(Figure /*figure*/, double /*x*/, double /*top*/, double /*side*/) {}
};

struct PageSetup {
    double width = 595.276;  // points; A4
    double height = 841.89;
    double margin = 56.69;  // 2 cm on every side
    double textSize = 10;   // points
    double lineSpacing = 1.35;
    double figureSide = 340;  // points; the wheel's square, centred between the margins
};

// Draws `report` on as many pages as it needs, with `headerName` at the left of each page's
// header and "Page n of m" at its right. Returns the number of pages (at least one).
// A heading or section title is never left alone at the foot of a page, nor the last line of
// a paragraph alone at the top of one (a widow): the line before it goes over with it.
// The page number goes through `texts` (reportTexts::PageNumber in ReportDocument.h).
int layOutPages(const RichTextDocument& report, std::string_view headerName, PageCanvas& canvas,
                const PageSetup& setup = {}, const TextTranslator& texts = englishTexts());

}  // namespace zodrivel
