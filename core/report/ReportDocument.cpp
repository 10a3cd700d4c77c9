// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/ReportDocument.h"

#include "core/about/WebAddresses.h"

namespace zodrivel {

std::string publisherLine(const TextTranslator& texts) {
    return fillIn(texts.translate(textContext::Report, PublisherPattern), {web::HomePage}) +
           "\r\n\r\n";
}

std::string buildReportText(const std::array<std::string, AspectKindCount>& textByKind,
                            const TextTranslator& texts) {
    std::string report = publisherLine(texts);
    for (const AspectKind kind : ReportOrder) report += textByKind[indexOf(kind)];
    report += publisherLine(texts);
    return report;
}

}  // namespace zodrivel
