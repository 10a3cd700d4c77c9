// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel-cli: the chart of one birth without a window, for scripts.

#include <CLI/CLI.hpp>
#include <iostream>

#include "adapters/io/SafeFileWriter.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "core/about/Version.h"
#include "core/calculation/Calculation.h"
#include "core/ephemeris/ClassicEphemeris.h"

namespace {

constexpr int ExitWriteFailed = 1;
constexpr int ExitBadInput = 2;

}  // namespace

int main(int argc, char** argv) {
    using namespace zodrivel;
    CLI::App app{
        "Computes a birth chart: the positions of the Sun, the Moon and Mercury to "
        "Pluto, and the aspects between them.",
        "zodrivel-cli"};
    // As with most tools, an option given twice takes its last value.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    cli::BirthOptions options;
    bool example = false;
    bool listZones = false;
    bool texts = false;
    std::string format = "table";
    std::string output;

    app.add_option("--name", options.name, "Name of the person (letters and blanks)");
    app.add_option("--date", options.date, "Local date of birth, YYYY-MM-DD, 1901..2050");
    app.add_option("--time", options.time, "Local clock time, HH:MM[:SS] (seconds are ignored)");
    app.add_option("--lon", options.lon, "Longitude: degrees, E or W, minutes (74W00)");
    app.add_option("--lat", options.lat, "Latitude: degrees, N or S, minutes (40N43)");
    app.add_option("--zone", options.zone,
                   "Time zone: list position 0..70, row text or abbreviation");
    app.add_flag("--dst", options.dst, "Daylight saving time was in force");
    app.add_option("--format", format, "Output format")
        ->check(CLI::IsMember({"table", "json", "report", "rtf"}));
    app.add_option("--output", output, "Write to FILE instead of standard output");
    app.add_flag("--example", example, "Compute a built-in example birth");
    app.add_flag("--list-zones", listZones, "Print the 71 time zones with their positions");
    app.add_flag("--texts", texts, "Print every interpretation paragraph with its key, as JSON");
    app.set_version_flag("--version", std::string("zodrivel-cli ") + Version);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "zodrivel-cli: " << e.what() << "\n";
        return ExitBadInput;
    }

    std::string text;
    if (listZones) {
        text = cli::formatZoneList();
    } else if (texts) {
        text = cli::formatTextsJson();
    } else {
        auto built = cli::buildEntries(example ? cli::exampleBirth() : options);
        if (const auto* error = std::get_if<cli::InputError>(&built)) {
            std::cerr << "zodrivel-cli: " << error->message << "\n";
            return ExitBadInput;
        }
        const ProceedRecord record = fillBirthData(std::get<EntryTexts>(built), ProceedRecord{});
        const Calculation calculation = calculate(record, ClassicEphemeris{});
        if (format == "json") {
            text = cli::formatJson(calculation);
        } else if (format == "report") {
            text = cli::formatReport(calculation);
        } else if (format == "rtf") {
            text = cli::formatRtf(calculation);
        } else {
            text = cli::formatTable(calculation);
        }
    }

    if (output.empty()) {
        std::cout << text;
        return std::cout.flush() ? 0 : ExitWriteFailed;
    }
    if (const WriteResult written = SafeFileWriter{}.write(output, text); !written) {
        std::cerr << "zodrivel-cli: cannot write " << output << ": " << written.error << "\n";
        return ExitWriteFailed;
    }
    return 0;
}
