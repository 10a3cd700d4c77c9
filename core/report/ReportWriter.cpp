#include "core/report/ReportWriter.h"

#include <string>

#include "core/texts/AspectTexts.h"

namespace zodrivel {

void AppendAspectEntry(RichTextSink& sink, AspectKind kind, int first, int second,
                       const ChartPoints& chart) {
    sink.SetEmphasis(true);
    sink.SetColour(HeadingColour);
    std::string heading(chart.ChartPointNames[first]);
    heading += "-";
    heading += chart.ChartPointNames[second];
    heading += AspectHeadingText(kind);
    heading += "\r\n";
    sink.InsertText(heading);
    sink.SetEmphasis(false);
    sink.SetColour(TextColour);
    std::string paragraph(AspectText(kind, first, second));
    paragraph += "\r\n\r\n";
    sink.InsertText(paragraph);
}

void AspectReportWriter::operator()(const AspectHit& hit, const ChartPoints& chart) const {
    if (RichTextSink* box = boxes_[Index(hit.kind)]) {
        AppendAspectEntry(*box, hit.kind, hit.first, hit.second, chart);
    }
}

std::array<RichTextDocument, AspectKindCount> WriteAspectTexts(const ChartPoints& chart,
                                                               const AspectSearchResult& result) {
    std::array<RichTextDocument, AspectKindCount> texts;
    for (const AspectHit& hit : result.hits) {
        AppendAspectEntry(texts[Index(hit.kind)], hit.kind, hit.first, hit.second, chart);
    }
    return texts;
}

std::array<bool, AspectKindCount> NoticeInFront(const std::array<bool, AspectKindCount>& found) {
    std::array<bool, AspectKindCount> front;
    front.fill(true);  // every notice to the front first...
    for (int k = 0; k < AspectKindCount; ++k) {
        if (found[k]) front[k] = false;  // ...then back behind each box that has text
    }
    return front;
}

}  // namespace zodrivel
