// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Turning the command line's birth options into the entry window's texts, with the window's
// own messages where it has one and a message naming the option where it has none.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/birthfile/BirthFile.h"
#include "core/entry/EntryChecks.h"
#include "core/entry/QuotedText.h"

namespace zodrivel::cli {

// Every option of the command line, named once: --help, the parser, the refusals of options a
// mode does not read and the manual page's test all read this table.
enum class Option {
    Name,
    Date,
    Time,
    Lon,
    Lat,
    Zone,
    Dst,
    NoDst,
    Place,
    Tz,
    FindPlace,
    Format,
    Order,
    Transits,
    Transiting,
    TransitOrb,
    Ephemeris,
    Houses,
    Node,
    Output,
    Example,
    Input,
    SaveBirth,
    Batch,
    ListZones,
    Texts,
};

struct OptionInfo {
    Option option;
    std::string_view name;
    // Describes one birth: refused by every mode that reads no birth.
    bool describesBirth;
    std::string_view help;
};

// clang-format off
inline constexpr OptionInfo CliOptionTable[] = {
    {Option::Name, "--name", true, "Name of the person (letters of any script, blanks, - and ')"},
    {Option::Date, "--date", true, "Local date of birth, YYYY-MM-DD, 1901..2050"},
    {Option::Time, "--time", true, "Local clock time, HH:MM[:SS] (seconds are ignored)"},
    {Option::Lon, "--lon", true, "Longitude: degrees, E or W, minutes (74W00)"},
    {Option::Lat, "--lat", true, "Latitude: degrees, N or S, minutes (40N43)"},
    {Option::Zone, "--zone", true, "Time zone: list position 0..70, row text or abbreviation"},
    {Option::Dst, "--dst", true,
     "Daylight saving time was in force (with --tz: the first of a time the clocks showed twice)"},
    {Option::NoDst, "--no-dst", true,
     "With --tz: the second, standard-time reading of a time the clocks showed twice"},
    {Option::Place, "--place", true,
     "Place of birth from the offline atlas: NAME[, DIVISION][, COUNTRY]; gives the coordinates "
     "and, without --zone or --tz, the time zone"},
    {Option::Tz, "--tz", true,
     "Time zone by id (Europe/London): the offset its history gives for the local date and time"},
    {Option::FindPlace, "--find-place", false, "List the atlas places matching TEXT"},
    {Option::Format, "--format", false, "Output format"},
    {Option::Order, "--order", false,
     "Aspects in a report (report, rtf, pdf): documented, by kind, or strength, the tightest orb "
     "first"},
    {Option::Transits, "--transits", false,
     "Transits to the birth chart from FROM to TO, both days included, universal time: FROM/TO as "
     "YYYY-MM-DD/YYYY-MM-DD, 1800..2399 (formats table, json, csv, ics, report, rtf, pdf)"},
    {Option::Transiting, "--transiting", false,
     "With --transits: the moving bodies, as a list (Moon,Sun,Saturn); default Sun and Mercury to "
     "Pluto"},
    {Option::TransitOrb, "--transit-orb", false,
     "With --transits: a moving body's orb in degrees, BODY=DEGREES (Saturn=1.5), repeatable or as "
     "a list; defaults Moon 0.25, Sun, Mercury and Venus 0.5, Mars 0.75, Jupiter to Pluto 1"},
    {Option::Ephemeris, "--ephemeris", false,
     "Positions: classic (as in version 1.15) or precise (Swiss Ephemeris)"},
    {Option::Houses, "--houses", false, "House system (default placidus)"},
    {Option::Node, "--node", false,
     "North Node: true (default) or mean; the classic model has the mean node only"},
    {Option::Output, "--output", false, "Write to FILE instead of standard output"},
    {Option::Example, "--example", false, "Compute a built-in example birth"},
    {Option::Input, "--input", true,
     "Read the birth from a birth file (.zodrivel); birth options given beside it take the place "
     "of its fields"},
    {Option::SaveBirth, "--save-birth", true,
     "Also write the birth given by the options as a birth file"},
    {Option::Batch, "--batch", true,
     "Compute many births from FILE (- for standard input): JSON Lines or CSV with a header; one "
     "result a line, as JSON Lines or --format csv"},
    {Option::ListZones, "--list-zones", false, "Print the 71 time zones with their positions"},
    {Option::Texts, "--texts", false, "Print every interpretation paragraph with its key, as JSON"},
};
// clang-format on

// In the order of Option, which is also the order --help lists them in.
static_assert([] {
    for (std::size_t i = 0; i < std::size(CliOptionTable); ++i) {
        if (static_cast<std::size_t>(CliOptionTable[i].option) != i) return false;
    }
    return std::size(CliOptionTable) == static_cast<std::size_t>(Option::Texts) + 1;
}());

constexpr const OptionInfo& optionInfo(Option option) {
    return CliOptionTable[static_cast<std::size_t>(option)];
}
constexpr std::string_view optionName(Option option) { return optionInfo(option).name; }

struct BirthOptions {
    std::optional<std::string> name, date, time, lon, lat, zone;
    bool dst = false;
    // --place and --tz: a place from the atlas and a zone of the time-zone history.
    std::optional<std::string> place, tz;
    bool noDst = false;
    // From a birth file: the place it was made for, and the offset it recorded for its zone id
    // (which of two readings a time the clocks showed twice was).
    std::optional<Place> knownPlace;
    std::optional<std::int32_t> recordedOffset;
};

struct InputError {
    std::string message;
};

// How messages quote what was typed or named (see core/entry/QuotedText.h).
using zodrivel::escapeControls;
using zodrivel::LineBreaks;
using zodrivel::quoteForMessage;

// A birth option's text (name, date, time, coordinates, zone) holding a control character, a
// byte that is not UTF-8 or a digit of another script: the window's boxes could never hold it,
// and it must not be read as something else (a backspace dropped, an Arabic-Indic three taken
// for no digit at all). The error names the option.
std::optional<InputError> checkOptionText(std::string_view option, std::string_view value);

// The example birth of --example: 4 July 1976, 10:30 Eastern Daylight Time in New York.
BirthOptions exampleBirth();

// Parses and checks every option; the first failure comes back as an error. On success the
// entries have passed validateEntries.
std::variant<EntryTexts, InputError> buildEntries(const BirthOptions& options);

// The rows a --zone value names, or an error listing the candidates when it names none or
// several.
std::variant<int, InputError> resolveZone(std::string_view value);

// The birth options a birth file gives, as if typed on the command line ("74W00", the zone
// row's position), so that they go through the same checks and messages.
std::variant<BirthOptions, InputError> optionsFromBirthFile(const BirthFile& birth);

// `base` with each option set in `given` put in its place; the daylight-saving flag only when
// it was given (`dstGiven`).
BirthOptions overlayOptions(BirthOptions base, const BirthOptions& given, bool dstGiven);

}  // namespace zodrivel::cli
