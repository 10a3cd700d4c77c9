// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What the command line prints for a finished chart: each format a renderer of the chart's one
// description.

#include <string>

#include "core/description/ChartDescription.h"
#include "core/report/ReportDocument.h"

namespace zodrivel::cli {

// Positions as sign, degree and minute, then the aspects in search order, for a terminal.
std::string formatTable(const ChartDescription& chart);

// The report as the report window shows it: publisher line, whose chart it is, the positions,
// the aspects' headings and paragraphs in report order, publisher line; the same as a rich-text
// document, and as a PDF file with the name and page numbers in each page's header.
// The report's name is printed in the capitals of its language (ICU); the plain text has no
// pictures, the RTF the wheel as a PNG, the PDF the wheel drawn on the page.
std::string formatReport(const ChartDescription& chart, const ReportOptions& options = {});
std::string formatRtf(const ChartDescription& chart, const ReportOptions& options = {});
std::string formatPdf(const ChartDescription& chart, const ReportOptions& options = {});

// CSV: the header line (name, universal_date, the ten bodies, aspects, error) and one result
// line for a chart, each without the line break.
std::string csvHeader();
std::string csvLine(const ChartDescription& chart);
void appendCsvLine(std::string& out, const ChartDescription& chart);
// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string csvField(std::string_view text);

// The whole interpretation table: the 630 keys (kind, first, second) with their paragraphs,
// then the transits' readings (kind "Transit", family, first the moving body, second the
// natal point).
std::string formatTextsJson();

// The 71 zone rows with their list positions.
std::string formatZoneList();

}  // namespace zodrivel::cli
