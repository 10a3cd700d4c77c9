// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The report as a PDF file, drawn by cairo: the command line's PDF, made without Qt.

#include <string>
#include <string_view>

#include "core/report/PageLayout.h"
#include "core/report/RichText.h"

namespace zodrivel {

// The bytes of a PDF file holding `report` laid out on pages (see layOutPages), with
// `headerName` in each page's header and as the document's title. Empty only when cairo
// itself fails (out of memory).
std::string cairoPdf(const RichTextDocument& report, std::string_view headerName,
                     const PageSetup& setup = {});

}  // namespace zodrivel
