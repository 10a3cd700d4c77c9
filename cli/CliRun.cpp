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
    std::optional<std::string> findPlace;
    std::string input, saveBirth, batch;
    TransitOptions transits;
};

// The options of the transits, refused by every mode but one birth's chart.
constexpr const char* TransitOptionNames[] = {"--transits", "--transiting", "--transit-orb"};

std::optional<Answer> refuseTransitOptions(const CLI::App& app, const char* mode) {
    for (const char* option : TransitOptionNames) {
        if (app.count(option) > 0)
            return refused(std::string(option) + " is not used with " + mode);
    }
    return std::nullopt;
}

// The options that describe one birth, named once: every mode that reads no birth refuses them.
constexpr const char* BirthOptionNames[] = {
    "--name",  "--date", "--time",   "--lon",   "--lat",   "--zone",      "--dst",
    "--place", "--tz",   "--no-dst", "--input", "--batch", "--save-birth"};

void declareOptions(CLI::App& app, Options& o) {
    // As with most tools, an option given twice takes its last value.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    BirthOptions& birth = o.birth;
    app.add_option("--name", birth.name,
                   "Name of the person (letters of any script, blanks, - and ')");
    app.add_option("--date", birth.date, "Local date of birth, YYYY-MM-DD, 1901..2050");
    app.add_option("--time", birth.time, "Local clock time, HH:MM[:SS] (seconds are ignored)");
    app.add_option("--lon", birth.lon, "Longitude: degrees, E or W, minutes (74W00)");
    app.add_option("--lat", birth.lat, "Latitude: degrees, N or S, minutes (40N43)");
    app.add_option("--zone", birth.zone,
                   "Time zone: list position 0..70, row text or abbreviation");
    app.add_flag("--dst", birth.dst,
                 "Daylight saving time was in force (with --tz: the first of a time the clocks "
                 "showed twice)");
    app.add_flag("--no-dst", birth.noDst,
                 "With --tz: the second, standard-time reading of a time the clocks showed twice");
    app.add_option("--place", birth.place,
                   "Place of birth from the offline atlas: NAME[, DIVISION][, COUNTRY]; gives "
                   "the coordinates and, without --zone or --tz, the time zone");
    app.add_option("--tz", birth.tz,
                   "Time zone by id (Europe/London): the offset its history gives for the "
                   "local date and time");
    app.add_option("--find-place", o.findPlace, "List the atlas places matching TEXT");
    app.add_option("--format", o.format, "Output format")
        ->check(CLI::IsMember({"table", "json", "report", "rtf", "pdf", "csv", "ics"}));
    app.add_option("--transits", o.transits.range,
                   "Transits to the birth chart from FROM to TO, both days included, universal "
                   "time: FROM/TO as YYYY-MM-DD/YYYY-MM-DD, 1800..2399 (formats table, json, "
                   "csv, ics, report, rtf, pdf)");
    app.add_option("--transiting", o.transits.transiting,
                   "With --transits: the moving bodies, as a list (Moon,Sun,Saturn); default Sun "
                   "and Mercury to Pluto");
    app.add_option("--transit-orb", o.transits.orbs,
                   "With --transits: a moving body's orb in degrees, BODY=DEGREES (Saturn=1.5), "
                   "repeatable or as a list; defaults Moon 0.25, Sun, Mercury and Venus 0.5, "
                   "Mars 0.75, Jupiter to Pluto 1")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    std::vector<std::string> models;
    for (const SkyModelInfo& info : SkyModels) models.emplace_back(info.name);
    app.add_option("--ephemeris", o.ephemerisName,
                   "Positions: classic (as in version 1.15) or precise (Swiss Ephemeris)")
        ->check(CLI::IsMember(models));
    std::vector<std::string> houseNames;
    for (const HouseSystem system : AllHouseSystems) {
        houseNames.emplace_back(houseSystemName(system));
    }
    app.add_option("--houses", o.houseName, "House system (default placidus)")
        ->check(CLI::IsMember(houseNames));
    app.add_option("--output", o.output, "Write to FILE instead of standard output");
    app.add_flag("--example", o.example, "Compute a built-in example birth");
    app.add_option("--input", o.input,
                   "Read the birth from a birth file (.zodrivel); birth options given beside it "
                   "take the place of its fields");
    app.add_option("--save-birth", o.saveBirth,
                   "Also write the birth given by the options as a birth file");
    app.add_option("--batch", o.batch,
                   "Compute many births from FILE (- for standard input): JSON Lines or CSV with "
                   "a header; one result a line, as JSON Lines or --format csv");
    app.add_flag("--list-zones", o.listZones, "Print the 71 time zones with their positions");
    app.add_flag("--texts", o.texts, "Print every interpretation paragraph with its key, as JSON");
    app.set_version_flag("--version", std::string("zodrivel-cli ") + Version);
}

// An option the chosen mode does not read is refused, not silently dropped: "--example
// --date 1999-01-01" would otherwise print the example's chart as if for that date.
std::optional<Answer> refuseUnread(const CLI::App& app, const char* mode, bool birthOptions,
                                   std::initializer_list<const char*> extra) {
    std::vector<const char*> notRead;
    if (birthOptions) notRead.assign(std::begin(BirthOptionNames), std::end(BirthOptionNames));
    notRead.insert(notRead.end(), extra);
    for (const char* option : notRead) {
        if (app.count(option) > 0)
            return refused(std::string(option) + " is not used with " + mode);
    }
    return std::nullopt;
}

Answer findPlaceAnswer(const CLI::App& app, const Options& o, const CliSources& sources) {
    if (auto error = refuseTransitOptions(app, "--find-place")) return *error;
    if (auto error =
            refuseUnread(app, "--find-place", true, {"--example", "--texts", "--list-zones"})) {
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
    if (auto error = refuseTransitOptions(app, "--batch")) return *error;
    // Every birth option but --batch itself, and --example.
    for (const char* option : BirthOptionNames) {
        if (std::string_view(option) != "--batch" && app.count(option) > 0) {
            return refused(std::string(option) + " is not used with --batch");
        }
    }
    if (app.count("--example") > 0) return refused("--example is not used with --batch");
    if (o.batch.empty())
        return refused("--batch: the file name is empty; give - for standard input");
    if (o.format != "json" && o.format != "csv" && app.count("--format") > 0) {
        return refused("--batch writes json (JSON Lines) or csv, not " + o.format);
    }
    Answer answer{0, {}, {}, o.output};
    answer.batchInput = o.batch;
    answer.batchCsv = o.format == "csv";
    answer.batchChoice = choice;
    return answer;
}

// The chart in the asked format.
Answer chartOutput(const Chart& chart, const std::string& format, const std::string& output) {
    const ChartDescription described = describeChart(chart);
    std::string text;
    if (format == "json") {
        text = chartJson(described);
    } else if (format == "report") {
        text = formatReport(described);
    } else if (format == "rtf") {
        text = formatRtf(described);
    } else if (format == "pdf") {
        text = formatPdf(described);
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
    if (app.count("--transits") > 0) {
        auto request = transitRequest(o.transits);
        if (const auto* error = std::get_if<InputError>(&request)) return refused(error->message);
        transits = std::get<TransitRequest>(std::move(request));
    } else {
        for (const char* option : {"--transiting", "--transit-orb"}) {
            if (app.count(option) > 0) return refused(std::string(option) + " needs --transits");
        }
        if (o.format == "ics") return refused("--format ics writes transits: give --transits");
    }
    BirthFile fromFile;
    BirthOptions given = o.example ? exampleBirth() : o.birth;
    if (app.count("--input") > 0) {
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
            overlayOptions(std::get<BirthOptions>(fileOptions), o.birth, app.count("--dst") > 0);
    }
    const GeonamesAtlas& atlas = sources.atlas();
    const auto searchOnce = [&atlas](std::string_view text, std::size_t limit) {
        return atlas.searchOnce(text, limit);
    };
    auto built = entriesOf(given, atlas, searchOnce, sources.zones());
    if (const auto* error = std::get_if<InputError>(&built)) return refused(error->message);
    const EntryTexts& entries = std::get<EntryTexts>(built);
    const Chart chart = computeChart(entries, choice, sources.sky());
    Answer answer = transits ? transitOutput(chart, *transits, o.format, o.output, sources)
                             : chartOutput(chart, o.format, o.output);
    if (answer.status != 0 || app.count("--save-birth") == 0) return answer;
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

    if (app.count("--output") > 0 && o.output.empty()) {
        return refused(
            "--output: the file name is empty; leave --output out to write to "
            "standard output");
    }
    if (o.listZones) {
        if (auto error = refuseTransitOptions(app, "--list-zones")) return *error;
        if (auto error =
                refuseUnread(app, "--list-zones", true,
                             {"--format", "--example", "--texts", "--ephemeris", "--houses"})) {
            return *error;
        }
        return {0, formatZoneList(), {}, o.output};
    }
    if (o.findPlace) return findPlaceAnswer(app, o, sources);
    if (o.texts) {
        if (auto error = refuseTransitOptions(app, "--texts")) return *error;
        if (auto error = refuseUnread(app, "--texts", true,
                                      {"--format", "--example", "--ephemeris", "--houses"})) {
            return *error;
        }
        return {0, formatTextsJson(), {}, o.output};
    }
    if (o.example) {
        if (auto error = refuseUnread(app, "--example", true, {})) return *error;
    }
    const ChartChoice choice{skyModelFromName(o.ephemerisName).value_or(DefaultSkyModel),
                             houseSystemFromName(o.houseName).value_or(DefaultHouseSystem)};
    if (app.count("--batch") > 0) return batchAnswer(app, o, choice);
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
