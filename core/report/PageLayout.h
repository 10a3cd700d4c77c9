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
};

struct PageSetup {
    double width = 595.276;  // points; A4
    double height = 841.89;
    double margin = 56.69;  // 2 cm on every side
    double textSize = 10;   // points
    double lineSpacing = 1.35;
};

// Draws `report` on as many pages as it needs, with `headerName` at the left of each page's
// header and "Page n of m" at its right. Returns the number of pages (at least one).
// The page number goes through `texts` (reportTexts::PageNumber in ReportDocument.h).
int layOutPages(const RichTextDocument& report, std::string_view headerName, PageCanvas& canvas,
                const PageSetup& setup = {}, const TextTranslator& texts = englishTexts());

}  // namespace zodrivel
