// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Turning the command line's birth options into the entry window's texts, with the window's
// own messages where it has one and a message naming the option where it has none.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/birthfile/BirthFile.h"
#include "core/entry/EntryChecks.h"
#include "core/entry/QuotedText.h"

namespace zodrivel::cli {

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
