// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/ReportDocument.h"

#include <algorithm>
#include <cmath>

#include "core/about/WebAddresses.h"
#include "core/entry/BirthSummary.h"
#include "core/model/Zodiac.h"
#include "core/report/ReportWriter.h"
#include "core/texts/AspectTexts.h"
#include "core/texts/PlacementReadings.h"
#include "core/texts/PointReadings.h"
#include "core/time/ZoneHistory.h"

namespace zodrivel {

namespace {

constexpr std::string_view LineEnd = "\r\n";

void plainLine(RichTextSink& sink, const std::string& text) {
    sink.setEmphasis(false);
    sink.setColour(TextColour);
    sink.insertText(text + std::string(LineEnd));
}

std::string translated(const TextTranslator& texts, std::string_view english) {
    return texts.translate(textContext::Report, english);
}

std::string label(const TextTranslator& texts, std::string_view english) {
    return texts.translate(textContext::Report, english) + "\t";
}

void sectionTitle(RichTextSink& sink, const std::string& title) {
    sink.setEmphasis(true);
    sink.setColour(SectionColour);
    sink.insertText(title + std::string(LineEnd));
    sink.setEmphasis(false);
    sink.setColour(TextColour);
}

void readingHeading(RichTextSink& sink, const std::string& heading) {
    sink.setEmphasis(true);
    sink.setColour(HeadingColour);
    sink.insertText(heading + std::string(LineEnd));
    sink.setEmphasis(false);
    sink.setColour(TextColour);
}

void appendBlock(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts,
                 const std::string& name) {
    using namespace reportTexts;
    plainLine(sink, label(texts, Name) + name);
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
    // The angles close the table: the Ascendant is the 1st cusp, the Midheaven the 10th in
    // the quadrant systems, so they carry no house of their own.
    for (const PointDescription& angle : f.angles) {
        const std::string position = formatSignPosition(angle.point.longitude, texts);
        sink.insertText(translated(texts, angle.point.id == PointId::Ascendant
                                              ? reportTexts::Ascendant
                                              : reportTexts::Midheaven) +
                        "\t" + texts.translate(textContext::Signs, signName(angle.at.sign)) + "\t" +
                        position.substr(position.find(' ') + 1) + std::string(LineEnd));
    }
    sink.insertText(LineEnd);
    // The North Node, Lilith and Chiron in a table of their own under the bodies'.
    if (!f.points.empty()) {
        sink.setEmphasis(true);
        std::string pointHeader = label(texts, PointColumn) + label(texts, Sign) +
                                  texts.translate(textContext::Report, Position);
        if (withHouses)
            pointHeader.append("\t").append(texts.translate(textContext::Report, House));
        sink.insertText(pointHeader + std::string(LineEnd));
        sink.setEmphasis(false);
        for (const PointDescription& point : f.points) {
            const std::string position = formatSignPosition(point.point.longitude, texts);
            std::string row = texts.translate(textContext::Bodies, pointName(point.point.id)) +
                              "\t" + texts.translate(textContext::Signs, signName(point.at.sign)) +
                              "\t" + position.substr(position.find(' ') + 1);
            if (withHouses) row.append("\t").append(std::to_string(point.point.house));
            sink.insertText(row + std::string(LineEnd));
        }
        sink.insertText(LineEnd);
    }
    std::string retrograde;
    std::vector<PointDescription> moving = f.positions;
    // The nodes and Lilith go backwards by their nature; Chiron's turns are worth naming.
    for (const PointDescription& point : f.points) {
        if (point.point.id == PointId::Chiron) moving.push_back(point);
    }
    for (const PointDescription& body : moving) {
        if (!body.retrograde) continue;
        if (!retrograde.empty()) retrograde += ", ";
        retrograde += texts.translate(textContext::Bodies, pointName(body.point.id));
    }
    if (!retrograde.empty()) {
        plainLine(sink, fillIn(translated(texts, reportTexts::Retrograde), {retrograde}));
        sink.insertText(LineEnd);
    }
    for (const std::string& note : f.notes) plainLine(sink, translated(texts, note));
    if (!f.notes.empty()) sink.insertText(LineEnd);
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

void appendIntroduction(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts,
                        const ReportOptions& options) {
    using namespace reportTexts;
    sectionTitle(sink, translated(texts, AboutTitle));
    plainLine(sink, label(texts, Calculation) + translated(texts, modelInWords(f.model)));
    if (f.houseSystemLine) plainLine(sink, label(texts, HouseSystemLabel) + *f.houseSystemLine);
    if (!options.madeOn.empty()) plainLine(sink, label(texts, MadeOn) + options.madeOn);
    sink.insertText(LineEnd);
    const auto paragraph = [&](std::string_view english) {
        plainLine(sink, translated(texts, english));
        sink.insertText(LineEnd);
    };
    paragraph(f.hasHouses() ? IntroWithHouses : IntroWithoutHouses);
    paragraph(IntroAspects);
    if (f.hasHouses()) paragraph(IntroHouses);
}

void appendCusps(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts) {
    if (!f.houses) return;
    sectionTitle(sink, translated(texts, reportTexts::CuspsTitle));
    for (int house = 0; house < 12; ++house) {
        const double cusp = f.houses->cusps[static_cast<std::size_t>(house)];
        const std::string position = formatSignPosition(cusp, texts);
        plainLine(sink, std::to_string(house + 1) + "\t" +
                            texts.translate(textContext::Signs, signName(signDegreeOf(cusp).sign)) +
                            "\t" + position.substr(position.find(' ') + 1));
    }
    sink.insertText(LineEnd);
}

// Rows of the lower triangle, the bodies by their short names, a cell four characters wide.
void appendGrid(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts) {
    const AspectGrid grid = aspectGridOf(f.aspects);
    sectionTitle(sink, translated(texts, reportTexts::GridTitle));
    sink.setFixedPitch(true);
    std::string header = "    ";
    for (int slot = 0; slot < BodyCount; ++slot) {
        header.append(bodyAbbreviation(slot)).append("  ");
    }
    header.erase(header.find_last_not_of(' ') + 1);
    plainLine(sink, header);
    for (int row = 0; row < BodyCount; ++row) {
        std::string line(bodyAbbreviation(row));
        line += "  ";
        for (int column = 0; column < row; ++column) {
            const auto& cell =
                grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            line.append(cell ? aspectAbbreviation(cell->hit.kind) : std::string_view(" . "));
            line += ' ';
        }
        line.erase(line.find_last_not_of(' ') + 1);
        plainLine(sink, line);
    }
    sink.setFixedPitch(false);
    plainLine(sink, translated(texts, reportTexts::GridLegend));
    sink.insertText(LineEnd);
}

void appendBalance(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts) {
    const ElementBalance balance = balanceOf(f.positions);
    sectionTitle(sink, translated(texts, reportTexts::BalanceTitle));
    const auto row = [&](std::string_view name, const std::vector<PointId>& bodies) {
        std::string line = translated(texts, name) + "\t" + std::to_string(bodies.size());
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            line += i > 0 ? ", " : "\t";
            line += texts.translate(textContext::Bodies, pointName(bodies[i]));
        }
        plainLine(sink, line);
    };
    for (std::size_t e = 0; e < ElementNames.size(); ++e)
        row(ElementNames[e], balance.byElement[e]);
    sink.insertText(LineEnd);
    for (std::size_t m = 0; m < ModeNames.size(); ++m) row(ModeNames[m], balance.byMode[m]);
    sink.insertText(LineEnd);
    plainLine(sink, translated(texts, reportTexts::BalanceMeaning));
    sink.insertText(LineEnd);
}

std::string ordinal(int n) {
    const char* suffix = (n % 100 >= 11 && n % 100 <= 13) ? "th"
                         : n % 10 == 1                    ? "st"
                         : n % 10 == 2                    ? "nd"
                         : n % 10 == 3                    ? "rd"
                                                          : "th";
    return std::to_string(n) + suffix;
}

// Each body in its sign and then in its house, and the angles in their signs; a placement
// without a written reading is left out, and the section with it when none is written.
void appendPlacements(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts) {
    struct Entry {
        std::string heading;
        std::string_view text;
    };
    std::vector<Entry> entries;
    const auto body = [&](const PointDescription& p) {
        return texts.translate(textContext::Bodies, pointName(p.point.id));
    };
    for (const PointDescription& p : f.positions) {
        entries.push_back(
            {fillIn(translated(texts, reportTexts::InSign),
                    {body(p), texts.translate(textContext::Signs, signName(p.at.sign))}),
             signReading(p.point.id, p.at.sign)});
        if (f.hasHouses() && p.point.house >= 1) {
            entries.push_back(
                {fillIn(translated(texts, reportTexts::InHouse), {body(p), ordinal(p.point.house)}),
                 houseReading(p.point.id, p.point.house)});
        }
    }
    for (const PointDescription& a : f.angles) {
        entries.push_back(
            {fillIn(translated(texts, reportTexts::InSign),
                    {translated(texts, a.point.id == PointId::Ascendant ? reportTexts::Ascendant
                                                                        : reportTexts::Midheaven),
                     texts.translate(textContext::Signs, signName(a.at.sign))}),
             signReading(a.point.id, a.at.sign)});
    }
    std::erase_if(entries, [](const Entry& e) { return e.text.empty(); });
    if (entries.empty()) return;
    sectionTitle(sink, translated(texts, reportTexts::PlacementsTitle));
    for (const Entry& entry : entries) {
        readingHeading(sink, entry.heading);
        plainLine(sink, texts.translate(textContext::Paragraphs, entry.text));
        sink.insertText(LineEnd);
    }
}

// The aspects of the node, Lilith, Chiron and the angles: heading, orb and motion, and the
// point's reading where one is written; the tightest first when the report orders by strength.
void appendPointAspects(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts,
                        AspectOrder order) {
    if (f.pointAspects.empty()) return;
    std::vector<Aspect> aspects = f.pointAspects;
    if (order == AspectOrder::Strength) {
        std::ranges::stable_sort(aspects, {}, [](const Aspect& a) { return a.detail.orb; });
    }
    sectionTitle(sink, translated(texts, reportTexts::PointAspectsTitle));
    for (const Aspect& aspect : aspects) {
        const AspectHit& hit = aspect.hit;
        sink.setEmphasis(true);
        sink.setColour(HeadingColour);
        sink.insertText(aspectHeading(hit, texts));
        sink.setEmphasis(false);
        sink.setColour(TextColour);
        sink.insertText(
            "  " +
            fillIn(translated(texts, aspect.detail.applying ? reportTexts::OrbApplying
                                                            : reportTexts::OrbSeparating),
                   {formatOrb(aspect.detail.orb)}) +
            std::string(LineEnd));
        const std::string_view reading = pointReading(hit.first, hit.second, hit.kind);
        if (!reading.empty()) plainLine(sink, texts.translate(textContext::Paragraphs, reading));
        sink.insertText(LineEnd);
    }
}

void appendPatterns(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts) {
    if (f.patterns.empty()) return;
    sectionTitle(sink, translated(texts, reportTexts::PatternsTitle));
    for (const PatternDescription& pattern : f.patterns) {
        std::string bodies;
        for (const std::string& body : pattern.bodies) {
            if (!bodies.empty()) bodies += ", ";
            bodies += texts.translate(textContext::Bodies, body);
        }
        if (pattern.sign) bodies += " (" + texts.translate(textContext::Signs, *pattern.sign) + ")";
        readingHeading(sink, fillIn(translated(texts, reportTexts::PatternHeading),
                                    {translated(texts, pattern.name), bodies}));
        if (!pattern.reading.empty()) {
            plainLine(sink, texts.translate(textContext::Paragraphs, pattern.reading));
        }
        sink.insertText(LineEnd);
    }
}

void appendAspects(RichTextSink& sink, const ChartDescription& f, const TextTranslator& texts,
                   AspectOrder order) {
    if (order == AspectOrder::Documented) {
        if (!f.aspects.empty()) sectionTitle(sink, translated(texts, reportTexts::AspectsTitle));
        for (const AspectKind kind : ReportOrder) {
            for (const Aspect& aspect : f.aspects) {
                if (aspect.hit.kind == kind) appendEntry(sink, aspect, texts);
            }
        }
        return;
    }
    std::vector<Aspect> sorted = f.aspects;
    std::ranges::stable_sort(sorted, {}, [](const Aspect& a) { return a.detail.orb; });
    // Bands by the orb as printed, to the minute, so a heading's orb agrees with its band.
    const auto band = [](const Aspect& a) {
        const double minutes = std::round(a.detail.orb * 60.0);
        return minutes < 60 ? 0 : minutes < 180 ? 1 : 2;
    };
    constexpr std::array<std::string_view, 3> Titles{
        reportTexts::CloseTitle, reportTexts::MiddleTitle, reportTexts::WideTitle};
    int shown = -1;
    for (const Aspect& aspect : sorted) {
        if (band(aspect) != shown) {
            shown = band(aspect);
            sectionTitle(sink, translated(texts, Titles[static_cast<std::size_t>(shown)]));
        }
        appendEntry(sink, aspect, texts);
    }
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
    appendBlock(sink, facts, texts, facts.name);
}

std::string_view modelInWords(SkyModel model) {
    return model == SkyModel::Precise ? reportTexts::PreciseWords : reportTexts::ClassicWords;
}

RichTextDocument buildReport(const ChartDescription& facts, const TextTranslator& texts,
                             const ReportOptions& options) {
    RichTextDocument report;
    report.insertText(publisherLine(texts));
    appendBlock(report, facts, texts, options.name.empty() ? facts.name : options.name);
    appendPositions(report, facts, texts);
    appendIntroduction(report, facts, texts, options);
    if (options.wheel) {
        report.insertFigure(Figure::ChartWheel);
        report.insertText(LineEnd);
    }
    appendCusps(report, facts, texts);
    // A grid without an aspect says nothing the report does not say anyway.
    if (std::ranges::any_of(facts.aspects, [](const Aspect& a) {
            return isBody(a.hit.first) && isBody(a.hit.second);
        })) {
        appendGrid(report, facts, texts);
    }
    appendBalance(report, facts, texts);
    appendPlacements(report, facts, texts);
    // The ten bodies' aspects first, in the documented order of kinds throughout the report;
    // the points' aspects and the patterns after them.
    appendAspects(report, facts, texts, options.order);
    appendPointAspects(report, facts, texts, options.order);
    appendPatterns(report, facts, texts);
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
        if (run.figure != Figure::None) {
            sink.insertFigure(run.figure);
            continue;
        }
        sink.setEmphasis(run.emphasis);
        sink.setColour(run.colour);
        sink.setFixedPitch(run.fixedPitch);
        sink.insertText(run.text);
    }
}

}  // namespace zodrivel
