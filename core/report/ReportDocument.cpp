// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/ReportDocument.h"

#include "core/about/WebAddresses.h"
#include "core/model/Zodiac.h"
#include "core/report/ReportWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/time/ZoneHistory.h"

namespace zodrivel {

namespace {

constexpr std::string_view LineEnd = "\r\n";

void plainLine(RichTextSink& sink, const std::string& text) {
    sink.setEmphasis(false);
    sink.setColour(TextColour);
    sink.insertText(text + std::string(LineEnd));
}

std::string label(const TextTranslator& texts, std::string_view english) {
    return texts.translate(textContext::Report, english) + "\t";
}

void appendBlock(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts) {
    using namespace reportTexts;
    plainLine(sink, label(texts, Name) + f.name);
    plainLine(sink, label(texts, Born) + f.birthAsEntered);
    plainLine(sink, label(texts, reportTexts::Place) +
                        (f.placeText ? *f.placeText + ", " : std::string()) + f.coordinates);
    plainLine(sink, label(texts, Zone) + f.zone.text);
    plainLine(sink, label(texts, ComputedFor) + f.universalTime);
    plainLine(sink, label(texts, Model) + texts.translate(textContext::Report, f.modelTitle));
    if (f.houseSystem) {
        plainLine(sink,
                  label(texts, Houses) + texts.translate(textContext::Report, *f.houseSystem));
    }
    sink.insertText(LineEnd);
}

void appendPositions(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts) {
    using namespace reportTexts;
    const bool withHouses = f.hasHouses();
    sink.setEmphasis(true);
    sink.setColour(TextColour);
    std::string header =
        label(texts, Body) + label(texts, Sign) + texts.translate(textContext::Report, Position);
    // Appended piece by piece: GCC 12 at -O3 takes `"\t" + std::string(...)` for an overlapping
    // memcpy and stops the release build with a false -Werror=restrict (GCC bug 105651).
    if (withHouses) header.append("\t").append(texts.translate(textContext::Report, House));
    sink.insertText(header + std::string(LineEnd));
    sink.setEmphasis(false);
    for (const PointDescription& body : f.positions) {
        std::string row = texts.translate(textContext::Bodies, pointName(body.point.id)) + "\t" +
                          texts.translate(textContext::Signs, signName(body.at.sign));
        const std::string position = formatSignPosition(body.point.longitude, texts);
        // "Cancer 12°43'": the degree and minute follow the sign's name and one blank.
        row.append("\t").append(position.substr(position.find(' ') + 1));
        if (withHouses) row.append("\t").append(std::to_string(body.point.house));
        sink.insertText(row + std::string(LineEnd));
    }
    sink.insertText(LineEnd);
}

void appendEntry(RichTextSink& sink, const Aspect& aspect, const TextTranslator& texts) {
    const AspectHit& hit = aspect.hit;
    // The documented heading stays whole; orb and motion follow it on its line, unemphasised.
    sink.setEmphasis(true);
    sink.setColour(HeadingColour);
    sink.insertText(aspectHeading(hit, texts));
    sink.setEmphasis(false);
    sink.setColour(TextColour);
    const std::string_view details =
        aspect.detail.applying ? reportTexts::OrbApplying : reportTexts::OrbSeparating;
    sink.insertText(
        "  " +
        fillIn(texts.translate(textContext::Report, details), {formatOrb(aspect.detail.orb)}) +
        std::string(LineEnd));
    const std::string_view english = aspectText(hit.kind, hit.first, hit.second);
    sink.insertText(
        (english.empty() ? std::string() : texts.translate(textContext::Paragraphs, english)) +
        std::string(LineEnd) + std::string(LineEnd));
}

std::size_t columnsOf(std::string_view utf8) {
    std::size_t columns = 0;
    for (const char c : utf8) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return columns;
}

}  // namespace

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

void appendReportBlock(RichTextSink& sink, const ChartDescription& facts,
                       const TextTranslator& texts) {
    appendBlock(sink, facts, texts);
}

RichTextDocument buildReport(const ChartDescription& facts, const TextTranslator& texts) {
    RichTextDocument report;
    report.insertText(publisherLine(texts));
    appendBlock(report, facts, texts);
    appendPositions(report, facts, texts);
    for (const AspectKind kind : ReportOrder) {
        for (const Aspect& aspect : facts.aspects) {
            if (aspect.hit.kind == kind) appendEntry(report, aspect, texts);
        }
    }
    report.setEmphasis(false);
    report.setColour(TextColour);
    report.insertText(publisherLine(texts));
    return report;
}

std::string plainReportText(const RichTextDocument& report) {
    const std::string text = report.plainText();
    std::string out;
    out.reserve(text.size());
    std::size_t lineStart = 0;
    for (const char c : text) {
        if (c != '\t') {
            out += c;
            if (c == '\n') lineStart = out.size();
            continue;
        }
        const std::size_t column = columnsOf(std::string_view(out).substr(lineStart));
        std::size_t target = column + 1;
        for (const int stop : ReportTabColumns) {
            if (static_cast<std::size_t>(stop) > column) {
                target = static_cast<std::size_t>(stop);
                break;
            }
        }
        out.append(target - column, ' ');
    }
    return out;
}

void copyInto(const RichTextDocument& document, RichTextSink& sink) {
    for (const TextRun& run : document.runs()) {
        sink.setEmphasis(run.emphasis);
        sink.setColour(run.colour);
        sink.insertText(run.text);
    }
}

}  // namespace zodrivel
