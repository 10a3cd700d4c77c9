// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Turning the command line's birth options into the entry window's texts, with the window's
// own messages where it has one and a message naming the option where it has none.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/entry/EntryChecks.h"

namespace zodrivel::cli {

struct BirthOptions {
    std::optional<std::string> name, date, time, lon, lat, zone;
    bool dst = false;
};

struct InputError {
    std::string message;
};

// The example birth of --example: 4 July 1976, 10:30 Eastern Daylight Time in New York.
BirthOptions exampleBirth();

// Parses and checks every option; the first failure comes back as an error. On success the
// entries have passed validateEntries.
std::variant<EntryTexts, InputError> buildEntries(const BirthOptions& options);

// The rows a --zone value names, or an error listing the candidates when it names none or
// several.
std::variant<int, InputError> resolveZone(std::string_view value);

}  // namespace zodrivel::cli
