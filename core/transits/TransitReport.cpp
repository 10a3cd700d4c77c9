// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/transits/TransitReport.h"

#include "core/report/ReportDocument.h"
#include "core/texts/TransitReadings.h"
#include "core/transits/TransitCalendar.h"

namespace zodrivel {

namespace {

constexpr std::string_view LineEnd = "\r\n";

// "2027-03-04 05:06 UT": the minute is what a reader plans with.
std::string readableUtc(double julianDay) {
    const std::string iso = isoUtc(julianDay);
    return iso.substr(0, 10) + " " + iso.substr(11, 5) + " UT";
}

}  // namespace

RichTextDocument buildTransitReport(const ChartDescription& facts,
                                    const std::vector<Transit>& transits, double fromJulianDay,
                                    double toJulianDay) {
    RichTextDocument report;
    report.insertText(publisherLine());
    appendReportBlock(report, facts);
    report.insertText("Transits from " + isoUtc(fromJulianDay).substr(0, 10) + " to " +
                      isoUtc(toJulianDay - 0.5).substr(0, 10) + std::string(LineEnd));
    report.insertText(LineEnd);
    if (transits.empty()) {
        report.insertText("None in these days." + std::string(LineEnd));
    }
    for (const Transit& t : transits) {
        report.setEmphasis(true);
        report.setColour(HeadingColour);
        report.insertText(transitTitle(t) + std::string(LineEnd));
        report.setEmphasis(false);
        report.setColour(TextColour);
        std::string dates =
            "Enters orb: " + (t.enters ? readableUtc(*t.enters) : std::string("before these days"));
        dates += std::string(LineEnd) + "Exact: ";
        for (std::size_t i = 0; i < t.exact.size(); ++i) {
            if (i > 0) dates += ", ";
            dates += readableUtc(t.exact[i]);
        }
        dates += std::string(LineEnd) + "Leaves orb: " +
                 (t.leaves ? readableUtc(*t.leaves) : std::string("after these days"));
        report.insertText(dates + std::string(LineEnd));
        const std::string_view reading = transitReading(t.transiting, t.natal, t.kind);
        if (!reading.empty()) report.insertText(std::string(reading) + std::string(LineEnd));
        report.insertText(LineEnd);
    }
    report.insertText(publisherLine());
    return report;
}

}  // namespace zodrivel
