// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliRun.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/birthfile/BirthFileStore.h"
#include "adapters/birthfile/JsonBirthFileFormat.h"
#include "adapters/ephemeris/SwissEphemeris.h"
#include "adapters/timezone/TzdbZoneHistory.h"
#include "cli/ChartJson.h"
#include "cli/CliBatch.h"
#include "cli/CliChart.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliPlaces.h"
#include "cli/CliTransits.h"
#include "core/about/Version.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"
#include "core/houses/Houses.h"

namespace zodrivel::cli {

namespace {

Answer refused(std::string error) { return {ExitBadInput, {}, std::move(error), {}}; }

// CLI11's messages repeat what was typed: escaped and with long arguments cut, as ours.
std::string parserMessage(std::string message, int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::string shown = quoteForMessage(argument);
        if (argument.size() <= 60 || shown.size() >= argument.size()) continue;
        for (std::size_t at = message.find(argument); at != std::string::npos;
             at = message.find(argument, at + shown.size())) {
            message.replace(at, argument.size(), shown);
        }
    }
    return escapeControls(message);
}

// Everything the options say, as parsed.
struct Options {
    BirthOptions birth;
    bool example = false;
    bool listZones = false;
    bool texts = false;
    std::string format = "table";
    std::string output;
    std::string ephemerisName{skyModelName(DefaultSkyModel)};
    std::string houseName{houseSystemName(DefaultHouseSystem)};
    std::string nodeName{nodeKindName(DefaultNodeKind)};
    std::optional<std::string> findPlace;
    std::string input, saveBirth, batch;
    TransitOptions transits;
    std::string order = "documented";
};

bool isGiven(const CLI::App& app, Option option) {
    return app.count(std::string(optionName(option))) > 0;
}

// The options of the transits, refused by every mode but one birth's chart.
constexpr Option TransitOptions[] = {Option::Transits, Option::Transiting, Option::TransitOrb};

std::optional<Answer> refuseTransitOptions(const CLI::App& app, Option mode) {
    for (const Option option : TransitOptions) {
        if (isGiven(app, option)) {
            return refused(std::string(optionName(option)) + " is not used with " +
                           std::string(optionName(mode)));
        }
    }
    return std::nullopt;
}

// Each option of the table, in its order, with the value it sets and the choices it accepts.
void declareOptions(CLI::App& app, Options& o) {
    // As with most tools, an option given twice takes its last value.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    std::vector<std::string> models;
    for (const SkyModelInfo& info : SkyModels) models.emplace_back(info.name);
    std::vector<std::string> houseNames;
    for (const HouseSystem system : AllHouseSystems) {
        houseNames.emplace_back(houseSystemName(system));
    }
    BirthOptions& birth = o.birth;
    for (const OptionInfo& info : CliOptionTable) {
        const std::string name(info.name), help(info.help);
        const auto value = [&](auto& target) { return app.add_option(name, target, help); };
        const auto flag = [&](bool& target) { app.add_flag(name, target, help); };
        switch (info.option) {
            case Option::Name: value(birth.name); break;
            case Option::Date: value(birth.date); break;
            case Option::Time: value(birth.time); break;
            case Option::Lon: value(birth.lon); break;
            case Option::Lat: value(birth.lat); break;
            case Option::Zone: value(birth.zone); break;
            case Option::Dst: flag(birth.dst); break;
            case Option::NoDst: flag(birth.noDst); break;
            case Option::Place: value(birth.place); break;
            case Option::Tz: value(birth.tz); break;
            case Option::FindPlace: value(o.findPlace); break;
            case Option::Format:
                value(o.format)->check(
                    CLI::IsMember({"table", "json", "report", "rtf", "pdf", "csv", "ics"}));
                break;
            case Option::Order:
                value(o.order)->check(CLI::IsMember({"documented", "strength"}));
                break;
            case Option::Transits: value(o.transits.range); break;
            case Option::Transiting: value(o.transits.transiting); break;
            case Option::TransitOrb:
                value(o.transits.orbs)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
                break;
            case Option::Ephemeris: value(o.ephemerisName)->check(CLI::IsMember(models)); break;
            case Option::Houses: value(o.houseName)->check(CLI::IsMember(houseNames)); break;
            case Option::Node:
                value(o.nodeName)
                    ->check(CLI::IsMember({std::string(nodeKindName(NodeKind::True)),
                                           std::string(nodeKindName(NodeKind::Mean))}));
                break;
            case Option::Output: value(o.output); break;
            case Option::Example: flag(o.example); break;
            case Option::Input: value(o.input); break;
            case Option::SaveBirth: value(o.saveBirth); break;
            case Option::Batch: value(o.batch); break;
            case Option::ListZones: flag(o.listZones); break;
            case Option::Texts: flag(o.texts); break;
        }
    }
    app.set_version_flag("--version", std::string("zodrivel-cli ") + Version);
}

// An option the chosen mode does not read is refused, not silently dropped: "--example
// --date 1999-01-01" would otherwise print the example's chart as if for that date.
std::optional<Answer> refuseUnread(const CLI::App& app, Option mode, bool birthOptions,
                                   std::initializer_list<Option> extra) {
    const auto refuse = [&](Option option) {
        return refused(std::string(optionName(option)) + " is not used with " +
                       std::string(optionName(mode)));
    };
    // The birth options first, so that a birth given to the wrong mode is named as such.
    for (const OptionInfo& info : CliOptionTable) {
        if (birthOptions && info.describesBirth && isGiven(app, info.option)) {
            return refuse(info.option);
        }
    }
    for (const Option option : extra) {
        if (isGiven(app, option)) return refuse(option);
    }
    return std::nullopt;
}

Answer findPlaceAnswer(const CLI::App& app, const Options& o, const CliSources& sources) {
    if (auto error = refuseTransitOptions(app, Option::FindPlace)) return *error;
    if (auto error = refuseUnread(app, Option::FindPlace, true,
                                  {Option::Example, Option::Texts, Option::ListZones})) {
        return *error;
    }
    if (o.format != "table" && o.format != "json") {
        return refused("--find-place writes a table or JSON, not --format " + o.format);
    }
    if (auto error = checkOptionText("--find-place", *o.findPlace)) return refused(error->message);
    constexpr std::size_t ListedPlaces = 20;
    const std::vector<Place> places = sources.atlas().searchOnce(*o.findPlace, ListedPlaces);
    if (places.empty()) {
        auto resolved = resolvePlace("--find-place", *o.findPlace, sources.atlas());
        return refused(std::get<InputError>(resolved).message);
    }
    return {0, formatPlaces(places, o.format == "json"), {}, o.output};
}

Answer batchAnswer(const CLI::App& app, const Options& o, const ChartChoice& choice) {
    if (auto error = refuseTransitOptions(app, Option::Batch)) return *error;
    // Every birth option but --batch itself, and --example.
    for (const OptionInfo& info : CliOptionTable) {
        if (info.describesBirth && info.option != Option::Batch && isGiven(app, info.option)) {
            return refused(std::string(info.name) + " is not used with --batch");
        }
    }
    if (isGiven(app, Option::Example)) return refused("--example is not used with --batch");
    if (o.batch.empty())
        return refused("--batch: the file name is empty; give - for standard input");
    if (o.format != "json" && o.format != "csv" && isGiven(app, Option::Format)) {
        return refused("--batch writes json (JSON Lines) or csv, not " + o.format);
    }
    Answer answer{0, {}, {}, o.output};
    answer.batchInput = o.batch;
    answer.batchCsv = o.format == "csv";
    answer.batchChoice = choice;
    return answer;
}

// The chart in the asked format.
Answer chartOutput(const Chart& chart, const std::string& format, const std::string& output,
                   const ReportOptions& report) {
    const ChartDescription described = describeChart(chart);
    std::string text;
    if (format == "json") {
        text = chartJson(described);
    } else if (format == "report") {
        text = formatReport(described, report);
    } else if (format == "rtf") {
        text = formatRtf(described, report);
    } else if (format == "pdf") {
        text = formatPdf(described, report);
        if (text.empty()) return {ExitWriteFailed, {}, "the PDF could not be drawn", {}};
        Answer pdf{0, std::move(text), {}, output};
        pdf.binary = true;
        return pdf;
    } else if (format == "csv") {
        text = csvHeader() + "\n" + csvLine(described) + "\n";
    } else {
        text = formatTable(described);
    }
    return {0, std::move(text), {}, output};
}

// The transits to the chart, searched in the precise model whatever model drew the chart.
Answer transitOutput(const Chart& chart, const TransitRequest& request, const std::string& format,
                     const std::string& output, const CliSources& sources) {
    const std::vector<Transit> transits = findTransits(chart, request, sources.transitSky());
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const double stamp =
        2440587.5 + std::chrono::duration<double>(now).count() / 86400.0;  // Julian day, UT
    std::string text = formatTransits(chart, transits, request, format, stamp);
    if (format == "pdf") {
        if (text.empty()) return {ExitWriteFailed, {}, "the PDF could not be drawn", {}};
        Answer pdf{0, std::move(text), {}, output};
        pdf.binary = true;
        return pdf;
    }
    return {0, std::move(text), {}, output};
}

// One birth: from a birth file, the options or the example, with options typed beside a birth
// file taking the place of its fields.
Answer chartAnswer(const CLI::App& app, const Options& o, const ChartChoice& choice,
                   const CliSources& sources) {
    std::optional<TransitRequest> transits;
    if (isGiven(app, Option::Transits)) {
        auto request = transitRequest(o.transits);
        if (const auto* error = std::get_if<InputError>(&request)) return refused(error->message);
        transits = std::get<TransitRequest>(std::move(request));
    } else {
        for (const Option option : {Option::Transiting, Option::TransitOrb}) {
            if (isGiven(app, option))
                return refused(std::string(optionName(option)) + " needs --transits");
        }
        if (o.format == "ics") return refused("--format ics writes transits: give --transits");
    }
    BirthFile fromFile;
    BirthOptions given = o.example ? exampleBirth() : o.birth;
    if (isGiven(app, Option::Input)) {
        auto loaded = loadBirthFile(o.input, sources.birthFiles());
        if (const auto* problem = std::get_if<std::string>(&loaded)) {
            // The reason may quote the file's text: the whole message stays one escaped line.
            return refused(escapeControls("--input: cannot open " + o.input + ": " + *problem,
                                          LineBreaks::Escaped));
        }
        fromFile = std::get<BirthFile>(std::move(loaded));
        auto fileOptions = optionsFromBirthFile(fromFile);
        if (const auto* error = std::get_if<InputError>(&fileOptions)) {
            return refused(
                escapeControls("--input: " + o.input + ": " + error->message, LineBreaks::Escaped));
        }
        given =
            overlayOptions(std::get<BirthOptions>(fileOptions), o.birth, isGiven(app, Option::Dst));
    }
    const GeonamesAtlas& atlas = sources.atlas();
    const auto searchOnce = [&atlas](std::string_view text, std::size_t limit) {
        return atlas.searchOnce(text, limit);
    };
    auto built = entriesOf(given, atlas, searchOnce, sources.zones());
    if (const auto* error = std::get_if<InputError>(&built)) return refused(error->message);
    const EntryTexts& entries = std::get<EntryTexts>(built);
    const Chart chart = computeChart(entries, choice, sources.sky());
    ReportOptions report;
    report.order = o.order == "strength" ? AspectOrder::Strength : AspectOrder::Documented;
    report.madeOn = sources.today();
    Answer answer = transits ? transitOutput(chart, *transits, o.format, o.output, sources)
                             : chartOutput(chart, o.format, o.output, report);
    if (answer.status != 0 || !isGiven(app, Option::SaveBirth)) return answer;
    if (o.saveBirth.empty()) return refused("--save-birth: the file name is empty");
    answer.birthFile = o.saveBirth;
    answer.birthFileText = sources.birthFiles().write(withEntries(fromFile, entries));
    return answer;
}

}  // namespace

Answer parseAndFormat(int argc, const char* const* argv) {
    const CliSources sources;
    return parseAndFormat(argc, argv, sources);
}

Answer parseAndFormat(int argc, const char* const* argv, const CliSources& sources) {
    CLI::App app{
        "Computes a birth chart: the positions of the Sun, the Moon and Mercury to "
        "Pluto, and the aspects between them.",
        "zodrivel-cli"};
    Options o;
    declareOptions(app, o);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {0, app.help(), {}, {}};
    } catch (const CLI::CallForVersion& e) {
        return {0, std::string(e.what()) + "\n", {}, {}};
    } catch (const CLI::ParseError& e) {
        return refused(parserMessage(e.what(), argc, argv));
    }

    if (isGiven(app, Option::Output) && o.output.empty()) {
        return refused(
            "--output: the file name is empty; leave --output out to write to "
            "standard output");
    }
    if (o.listZones) {
        if (auto error = refuseTransitOptions(app, Option::ListZones)) return *error;
        if (auto error = refuseUnread(app, Option::ListZones, true,
                                      {Option::Format, Option::Example, Option::Texts,
                                       Option::Ephemeris, Option::Houses, Option::Node})) {
            return *error;
        }
        return {0, formatZoneList(), {}, o.output};
    }
    if (o.findPlace) return findPlaceAnswer(app, o, sources);
    if (o.texts) {
        if (auto error = refuseTransitOptions(app, Option::Texts)) return *error;
        if (auto error = refuseUnread(app, Option::Texts, true,
                                      {Option::Format, Option::Example, Option::Ephemeris,
                                       Option::Houses, Option::Node})) {
            return *error;
        }
        return {0, formatTextsJson(), {}, o.output};
    }
    if (o.example) {
        if (auto error = refuseUnread(app, Option::Example, true, {})) return *error;
    }
    const ChartChoice choice{skyModelFromName(o.ephemerisName).value_or(DefaultSkyModel),
                             houseSystemFromName(o.houseName).value_or(DefaultHouseSystem),
                             nodeKindFromName(o.nodeName).value_or(DefaultNodeKind)};
    if (isGiven(app, Option::Order) && o.format != "report" && o.format != "rtf" &&
        o.format != "pdf") {
        return refused(
            "--order orders a report's aspects: use it with --format report, rtf or pdf");
    }
    if (isGiven(app, Option::Batch)) return batchAnswer(app, o, choice);
    return chartAnswer(app, o, choice, sources);
}

std::optional<std::string> writeStandardOutput(std::string_view text) {
    errno = 0;
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
    if (written == text.size() && std::fflush(stdout) == 0 && !std::ferror(stdout)) {
        return std::nullopt;
    }
    const int reason = errno;
    return reason != 0 ? std::string(std::strerror(reason)) : std::string("write failed");
}

}  // namespace zodrivel::cli
