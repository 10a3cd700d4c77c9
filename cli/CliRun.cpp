// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliRun.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "adapters/atlas/GeonamesAtlas.h"
#include "adapters/birthfile/BirthFileStore.h"
#include "adapters/birthfile/JsonBirthFileFormat.h"
#include "adapters/ephemeris/SwissEphemeris.h"
#include "adapters/timezone/TzdbZoneHistory.h"
#include "cli/CliBatch.h"
#include "cli/CliChart.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliPlaces.h"
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

}  // namespace

Answer parseAndFormat(int argc, const char* const* argv) {
    CLI::App app{
        "Computes a birth chart: the positions of the Sun, the Moon and Mercury to "
        "Pluto, and the aspects between them.",
        "zodrivel-cli"};
    // As with most tools, an option given twice takes its last value.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    BirthOptions options;
    bool example = false;
    bool listZones = false;
    bool texts = false;
    std::string format = "table";
    std::string output;
    std::string ephemerisName = "classic";
    std::string houseName(houseSystemName(DefaultHouseSystem));
    std::optional<std::string> findPlace;
    std::string input, saveBirth, batch;

    app.add_option("--name", options.name,
                   "Name of the person (letters of any script, blanks, - and ')");
    app.add_option("--date", options.date, "Local date of birth, YYYY-MM-DD, 1901..2050");
    app.add_option("--time", options.time, "Local clock time, HH:MM[:SS] (seconds are ignored)");
    app.add_option("--lon", options.lon, "Longitude: degrees, E or W, minutes (74W00)");
    app.add_option("--lat", options.lat, "Latitude: degrees, N or S, minutes (40N43)");
    app.add_option("--zone", options.zone,
                   "Time zone: list position 0..70, row text or abbreviation");
    app.add_flag("--dst", options.dst,
                 "Daylight saving time was in force (with --tz: the first of a time the clocks "
                 "showed twice)");
    app.add_flag("--no-dst", options.noDst,
                 "With --tz: the second, standard-time reading of a time the clocks showed twice");
    app.add_option("--place", options.place,
                   "Place of birth from the offline atlas: NAME[, DIVISION][, COUNTRY]; gives "
                   "the coordinates and, without --zone or --tz, the time zone");
    app.add_option("--tz", options.tz,
                   "Time zone by id (Europe/London): the offset its history gives for the "
                   "local date and time");
    app.add_option("--find-place", findPlace, "List the atlas places matching TEXT");
    app.add_option("--format", format, "Output format")
        ->check(CLI::IsMember({"table", "json", "report", "rtf", "pdf", "csv"}));
    app.add_option("--ephemeris", ephemerisName,
                   "Positions: classic (as in version 1.15) or precise (Swiss Ephemeris)")
        ->check(CLI::IsMember({"classic", "precise"}));
    std::vector<std::string> houseNames;
    for (const HouseSystem system : AllHouseSystems) {
        houseNames.emplace_back(houseSystemName(system));
    }
    app.add_option("--houses", houseName, "House system (default placidus)")
        ->check(CLI::IsMember(houseNames));
    app.add_option("--output", output, "Write to FILE instead of standard output");
    app.add_flag("--example", example, "Compute a built-in example birth");
    app.add_option("--input", input,
                   "Read the birth from a birth file (.zodrivel); birth options given beside it "
                   "take the place of its fields");
    app.add_option("--save-birth", saveBirth,
                   "Also write the birth given by the options as a birth file");
    app.add_option("--batch", batch,
                   "Compute many births from FILE (- for standard input): JSON Lines or CSV with "
                   "a header; one result a line, as JSON Lines or --format csv");
    app.add_flag("--list-zones", listZones, "Print the 71 time zones with their positions");
    app.add_flag("--texts", texts, "Print every interpretation paragraph with its key, as JSON");
    app.set_version_flag("--version", std::string("zodrivel-cli ") + Version);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {0, app.help(), {}, {}};
    } catch (const CLI::CallForVersion& e) {
        return {0, std::string(e.what()) + "\n", {}, {}};
    } catch (const CLI::ParseError& e) {
        return refused(parserMessage(e.what(), argc, argv));
    }

    if (app.count("--output") > 0 && output.empty()) {
        return refused(
            "--output: the file name is empty; leave --output out to write to "
            "standard output");
    }
    // An option the chosen mode does not read is refused, not silently dropped: "--example
    // --date 1999-01-01" would otherwise print the example's chart as if for that date.
    const char* const birthOptions[] = {"--name",  "--date",  "--time",      "--lon", "--lat",
                                        "--zone",  "--dst",   "--place",     "--tz",  "--no-dst",
                                        "--input", "--batch", "--save-birth"};
    const auto unused = [&](const char* mode,
                            std::initializer_list<const char*> extra) -> std::optional<Answer> {
        std::vector<const char*> notRead(std::begin(birthOptions), std::end(birthOptions));
        notRead.insert(notRead.end(), extra);
        for (const char* option : notRead) {
            if (app.count(option) > 0) {
                return refused(std::string(option) + " is not used with " + mode);
            }
        }
        return std::nullopt;
    };
    if (listZones) {
        if (auto error = unused("--list-zones",
                                {"--format", "--example", "--texts", "--ephemeris", "--houses"})) {
            return *error;
        }
        return {0, formatZoneList(), {}, output};
    }
    if (findPlace) {
        if (auto error = unused("--find-place", {"--example", "--texts", "--list-zones"})) {
            return *error;
        }
        if (format != "table" && format != "json") {
            return refused("--find-place writes a table or JSON, not --format " + format);
        }
        if (auto error = checkOptionText("--find-place", *findPlace)) {
            return refused(error->message);
        }
        constexpr std::size_t ListedPlaces = 20;
        const GeonamesAtlas atlas;
        const std::vector<Place> places = atlas.searchOnce(*findPlace, ListedPlaces);
        if (places.empty()) {
            auto resolved = resolvePlace("--find-place", *findPlace, atlas);
            return refused(std::get<InputError>(resolved).message);
        }
        return {0, formatPlaces(places, format == "json"), {}, output};
    }
    if (texts) {
        if (auto error = unused("--texts", {"--format", "--example", "--ephemeris", "--houses"})) {
            return *error;
        }
        return {0, formatTextsJson(), {}, output};
    }
    if (example) {
        if (auto error = unused("--example", {})) return *error;
    }
    const auto choice = chartChoice(ephemerisName, houseName);
    if (app.count("--batch") > 0) {
        for (const char* option :
             {"--name", "--date", "--time", "--lon", "--lat", "--zone", "--dst", "--place", "--tz",
              "--no-dst", "--input", "--save-birth", "--example"}) {
            if (app.count(option) > 0) {
                return refused(std::string(option) + " is not used with --batch");
            }
        }
        if (batch.empty())
            return refused("--batch: the file name is empty; give - for standard input");
        if (format != "json" && format != "csv" && app.count("--format") > 0) {
            return refused("--batch writes json (JSON Lines) or csv, not " + format);
        }
        Answer answer{0, {}, {}, output};
        answer.batchInput = batch;
        answer.batchCsv = format == "csv";
        answer.batchChoice = choice;
        return answer;
    }
    // A birth file gives the birth options; those typed beside it win.
    BirthFile fromFile;
    BirthOptions given = example ? exampleBirth() : options;
    if (app.count("--input") > 0) {
        const JsonBirthFileFormat json;
        auto loaded = loadBirthFile(input, json);
        if (const auto* problem = std::get_if<std::string>(&loaded)) {
            // The reason may quote the file's text: the whole message stays one escaped line.
            return refused(escapeControls("--input: cannot open " + input + ": " + *problem,
                                          LineBreaks::Escaped));
        }
        fromFile = std::get<BirthFile>(std::move(loaded));
        auto fileOptions = optionsFromBirthFile(fromFile);
        if (const auto* error = std::get_if<InputError>(&fileOptions)) {
            return refused(
                escapeControls("--input: " + input + ": " + error->message, LineBreaks::Escaped));
        }
        given =
            overlayOptions(std::get<BirthOptions>(fileOptions), options, app.count("--dst") > 0);
    }
    const GeonamesAtlas atlas;
    const auto searchOnce = [&atlas](std::string_view text, std::size_t limit) {
        return atlas.searchOnce(text, limit);
    };
    auto built = entriesOf(given, atlas, searchOnce, TzdbZoneHistory{});
    if (const auto* error = std::get_if<InputError>(&built)) return refused(error->message);
    const Calculation calculation = computeChart(std::get<EntryTexts>(built), choice);
    std::string text;
    if (format == "json") {
        text = formatJson(calculation);
    } else if (format == "report") {
        text = formatReport(calculation);
    } else if (format == "rtf") {
        text = formatRtf(calculation);
    } else if (format == "pdf") {
        text = formatPdf(calculation);
        if (text.empty()) return {ExitWriteFailed, {}, "the PDF could not be drawn", {}};
        Answer pdf{0, std::move(text), {}, output};
        pdf.binary = true;
        return pdf;
    } else if (format == "csv") {
        text = csvResultHeader() + "\n" + csvResult(calculation) + "\n";
    } else {
        text = formatTable(calculation);
    }
    Answer answer{0, std::move(text), {}, output};
    if (app.count("--save-birth") > 0) {
        if (saveBirth.empty()) return refused("--save-birth: the file name is empty");
        answer.birthFile = saveBirth;
        answer.birthFileText =
            JsonBirthFileFormat{}.write(withEntries(fromFile, std::get<EntryTexts>(built)));
    }
    return answer;
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
