// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The report as a PDF file, drawn by cairo: the command line's PDF, made without Qt.

#include <string>
#include <string_view>

#include "core/description/ChartDescription.h"
#include "core/report/PageLayout.h"
#include "core/report/RichText.h"

namespace zodrivel {

// The bytes of a PDF file holding `report` laid out on pages (see layOutPages), with
// `headerName` in each page's header and as the document's title, and the wheel of
// `wheelChart` where the report holds it (no wheel without one). Text is shaped by Pango, so
// combining accents sit on their letters. Empty only when cairo itself fails (out of memory).
std::string cairoPdf(const RichTextDocument& report, std::string_view headerName,
                     const PageSetup& setup = {}, const ChartDescription* wheelChart = nullptr);

}  // namespace zodrivel
