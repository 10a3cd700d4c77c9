// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/ReportWriter.h"

#include <string>

#include "core/texts/AspectTexts.h"

namespace zodrivel {

void appendAspectEntry(RichTextSink& sink, const AspectHit& hit, const TextTranslator& texts) {
    sink.setEmphasis(true);
    sink.setColour(HeadingColour);
    std::string heading = aspectHeading(hit, texts);
    heading += "\r\n";
    sink.insertText(heading);
    sink.setEmphasis(false);
    sink.setColour(TextColour);
    const std::string_view english = aspectText(hit.kind, hit.first, hit.second);
    std::string paragraph =
        english.empty() ? std::string() : texts.translate(textContext::Paragraphs, english);
    paragraph += "\r\n\r\n";
    sink.insertText(paragraph);
}

void AspectReportWriter::operator()(const AspectHit& hit) const {
    if (RichTextSink* box = boxes_[indexOf(hit.kind)]) appendAspectEntry(*box, hit, *texts_);
}

std::array<RichTextDocument, AspectKindCount> writeAspectTexts(const std::vector<Aspect>& aspects) {
    std::array<RichTextDocument, AspectKindCount> texts;
    for (const Aspect& aspect : aspects) {
        appendAspectEntry(texts[indexOf(aspect.hit.kind)], aspect.hit);
    }
    return texts;
}

std::array<bool, AspectKindCount> noticesInFront(const std::array<bool, AspectKindCount>& found) {
    std::array<bool, AspectKindCount> front;
    front.fill(true);  // every notice to the front first...
    for (int k = 0; k < AspectKindCount; ++k) {
        if (found[k]) front[k] = false;  // ...then back behind each box that has text
    }
    return front;
}

}  // namespace zodrivel
