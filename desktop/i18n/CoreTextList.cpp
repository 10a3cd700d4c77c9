// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/i18n/CoreTextList.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

#include "core/about/LinkTexts.h"
#include "core/aspects/AspectKind.h"
#include "core/entry/BirthSummary.h"
#include "core/entry/EntryChecks.h"
#include "core/houses/Houses.h"
#include "core/model/ChartPoints.h"
#include "core/model/SkyModel.h"
#include "core/model/TextTranslator.h"
#include "core/model/Zodiac.h"
#include "core/report/ReportDocument.h"
#include "core/report/ReportWriter.h"
#include "core/texts/AspectParagraphTexts.h"
#include "core/texts/AspectTexts.h"
#include "core/texts/PlacementReadings.h"
#include "core/texts/PointReadings.h"
#include "core/texts/TransitReadings.h"
#include "core/time/Calendar.h"
#include "core/time/TimeZones.h"

namespace zodrivel {

namespace {

class Collector {
public:
    void add(std::string_view context, std::string_view text, std::string_view comment = {}) {
        if (text.empty()) return;
        if (!seen_.emplace(std::string(context), std::string(text)).second) return;
        texts_.push_back({context, std::string(text), std::string(comment)});
    }
    std::vector<CoreText> take() { return std::move(texts_); }

private:
    std::set<std::pair<std::string, std::string>> seen_;
    std::vector<CoreText> texts_;
};

// A C++ string literal of `text`, cut at blanks into pieces of about `width` bytes that the
// compiler (and lupdate) join again. UTF-8 stays as it is; quotes, backslashes and control
// characters are escaped.
std::string literal(std::string_view text, std::size_t width, std::string_view indent) {
    std::string out = "\"";
    std::size_t column = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
        ++column;
        if (c == ' ' && column >= width && k + 1 < text.size()) {
            out += "\"\n";
            out += indent;
            out += '"';
            column = 0;
        }
    }
    out += '"';
    return out;
}

// The id a reading is known by to translators: "transit:Saturn-Sun:hard", "point:Lilith-Moon:easy",
// "pattern:T-Square:Moon", "sign:Venus:Taurus", "house:Mars:10".
void addReadings(Collector& c) {
    using textContext::Readings;
    const auto keyed = [&](std::string_view kind, const KeyedReading& r) {
        c.add(Readings, r.text,
              std::string(kind) + ":" + std::string(pointName(r.first)) + "-" +
                  std::string(pointName(r.second)) + ":" +
                  std::string(readingFamilyName(r.family)));
    };
    for (const KeyedReading& r : transitReadings()) keyed("transit", r);
    for (const KeyedReading& r : pointReadings()) keyed("point", r);
    for (const PatternReading& r : patternReadings()) {
        std::string id = "pattern:" + std::string(patternKindName(r.kind));
        if (r.variant) {
            id += ":";
            id += r.kind == PatternKind::Stellium ? std::string(signName(*r.variant))
                                                  : std::string(pointName(bodyOfSlot(*r.variant)));
        }
        c.add(Readings, r.text, id);
    }
    for (const PlacementReading& r : signReadings()) {
        c.add(Readings, r.text,
              "sign:" + std::string(pointName(r.point)) + ":" + std::string(signName(r.place)));
    }
    for (const PlacementReading& r : houseReadings()) {
        c.add(Readings, r.text,
              "house:" + std::string(pointName(r.point)) + ":" + std::to_string(r.place));
    }
}

}  // namespace

std::vector<CoreText> coreTexts() {
    using namespace textContext;
    Collector c;
    for (std::size_t k = 0; k < ParagraphTextCount; ++k) {
        c.add(Paragraphs, ParagraphTexts[k].text, ParagraphTexts[k].id);
    }
    for (const AspectKind kind : AllAspectKinds) {
        const AspectInfo& info = aspectInformation(kind);
        c.add(Significance, info.significance, aspectKindName(kind));
        c.add(AspectKinds, info.tabCaption, "tab caption");
        c.add(AspectKinds, info.name, "aspect name");
        c.add(AspectKinds, info.keyword, "keyword");
        c.add(AspectKinds, info.category, "category");
        c.add(AspectKinds, info.type, "type");
        c.add(AspectKinds, aspectHeadingPattern(kind),
              "heading of an aspect in the report: %1 and %2 are the two bodies");
    }
    for (int id = 0; id < PointIdCount; ++id) c.add(Bodies, pointName(static_cast<PointId>(id)));
    for (int kind = 0; kind < PatternKindCount; ++kind) {
        c.add(Bodies, patternKindName(static_cast<PatternKind>(kind)), "an aspect pattern");
    }
    addReadings(c);
    for (int sign = 0; sign < 12; ++sign) c.add(Signs, signName(sign));
    for (const std::string_view month : MonthNames) c.add(Months, month);
    for (int position = 0; position < ZoneCount; ++position) {
        c.add(TimeZones, zoneTable()[static_cast<std::size_t>(position)].text,
              "a row of the zone list: name, abbreviation, hours from Greenwich");
    }
    for (int position = 0; position < ZoneCount; ++position) {
        c.add(TimeZones, zoneName(position), "a zone's name, as a note names it");
    }
    for (const Message& message :
         {messages::OnlyNumbers, messages::OnlyLetters, messages::EnterName, messages::LonDegrees,
          messages::LonMinutes, messages::LatDegrees, messages::LatMinutes, messages::FebruaryDate,
          messages::ThirtyDayMonth, messages::EnterCity, messages::EnterState,
          messages::EnterCountry}) {
        c.add(EntryMessages, message.text);
    }
    for (const char* label :
         {labels::Forum, labels::FullBrand, labels::CoBrand, labels::Description}) {
        c.add(Labels, label);
    }
    c.add(Summary, summaryPatterns::Date, "a date: %1 day, %2 month name, %3 year");
    c.add(Summary, summaryPatterns::UniversalTime, "%1 the date, %2 the time (hh:mm)");
    c.add(Summary, summaryPatterns::East, "east, after a longitude (74°00'E)");
    c.add(Summary, summaryPatterns::West, "west, after a longitude (74°00'W)");
    c.add(Summary, summaryPatterns::North, "north, after a latitude (40°43'N)");
    c.add(Summary, summaryPatterns::South, "south, after a latitude (40°43'S)");
    c.add(Summary, summaryPatterns::ZoneRow, "a zone: %1 its name, %2 its abbreviation");
    c.add(Summary, summaryPatterns::DaylightZoneRow,
          "%1 a zone, as \"Central European Time (CET)\"");
    c.add(Summary, summaryPatterns::DaylightTwice, "%1 the zone's name");
    c.add(Summary, summaryPatterns::ZoneAcrossGreenwich,
          "%1 the zone's name, %2 the longitude (74°00'W)");
    c.add(Report, NoAspectNotice);
    c.add(Report, PublisherPattern, "first and last line of the report: %1 the home page");
    for (const std::string_view text : reportTexts::All) c.add(Report, text);
    for (const SkyModelInfo& model : SkyModels) {
        c.add(Report, model.title, "the model of the sky a chart was computed with");
    }
    for (const HouseSystem system : AllHouseSystems) {
        c.add(Report, houseSystemTitle(system), "a house system");
    }
    return c.take();
}

std::string catalogueSource(const std::vector<CoreText>& texts) {
    std::string out =
        "// SPDX-License-Identifier: AGPL-3.0-or-later\n"
        "// Written by scripts/update-translations.sh from the core's tables (CoreTextList.cpp):\n"
        "// do not edit. lupdate reads these entries into the translators' template; the\n"
        "// desktop compiles them so that a test can tell when the core has texts this file\n"
        "// lacks.\n"
        "#include \"desktop/i18n/CoreTextCatalogue.h\"\n"
        "\n"
        "#include <QtGlobal>\n"
        "#include <iterator>\n"
        "\n"
        "namespace zodrivel {\n"
        "\n"
        "// clang-format off\n"
        "const CatalogueEntry CoreTextCatalogue[] = {\n";
    constexpr std::string_view Indent = "        ";
    for (const CoreText& t : texts) {
        const std::string context = literal(t.context, 1000, Indent);
        out += "    {" + context + ",\n     QT_TRANSLATE_NOOP3(" + context + ",\n" +
               std::string(Indent) + literal(t.text, 72, Indent) + ",\n" + std::string(Indent) +
               literal(t.comment, 1000, Indent) + ")},\n";
    }
    out +=
        "};\n"
        "// clang-format on\n"
        "\n"
        "const std::size_t CoreTextCatalogueSize = std::size(CoreTextCatalogue);\n"
        "\n"
        "}  // namespace zodrivel\n";
    return out;
}

}  // namespace zodrivel
