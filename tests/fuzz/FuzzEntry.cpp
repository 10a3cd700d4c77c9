// SPDX-License-Identifier: AGPL-3.0-or-later
// The key filters, the text filters and the entry checks with what Proceed stores. The input
// is split at NUL bytes into the name and the four coordinate boxes; its first four bytes are
// also a typed character.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/entry/EntryChecks.h"
#include "core/entry/NameLetters.h"

namespace {

using namespace zodrivel;

void require(bool condition) {
    if (!condition) std::abort();
}

void checkKey(char32_t typed) {
    const KeyFilterResult digit = digitFilter(typed);
    require((digit.verdict == FilterVerdict::Rejected) == digit.message.has_value());
    const KeyFilterResult letter = letterFilter(typed);
    require((letter.verdict == FilterVerdict::Rejected) == letter.message.has_value());
    if (letter.verdict != FilterVerdict::Rejected) {
        // What the filter puts in the box passes it again unchanged.
        const KeyFilterResult again = letterFilter(letter.character);
        require(again.verdict == FilterVerdict::Accepted && again.character == letter.character);
    }
}

void checkText(const std::string& text) {
    const TextFilterResult digits = digitFilterText(text);
    require(digits.accepted != digits.message.has_value());
    if (digits.accepted) {
        for (const char c : digits.text) require(c >= '0' && c <= '9');
        require(digitFilterText(digits.text).text == digits.text);
    } else {
        require(digits.text.empty());
    }
    const TextFilterResult letters = letterFilterText(text);
    require(letters.accepted != letters.message.has_value());
    if (letters.accepted) {
        require(decodeUtf8(letters.text).has_value());
        const TextFilterResult again = letterFilterText(letters.text);
        require(again.accepted && again.text == letters.text);
    } else {
        require(letters.text.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 4) {
        std::uint32_t typed = 0;
        std::memcpy(&typed, data, 4);
        checkKey(static_cast<char32_t>(typed));
    }
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && fields.size() < 5) {
            fields.emplace_back();
        } else {
            fields.back().push_back(static_cast<char>(data[i]));
        }
    }
    fields.resize(5);
    for (const std::string& field : fields) checkText(field);

    EntryTexts entries;
    entries.name = fields[0];
    entries.lonDegrees = fields[1];
    entries.lonMinutes = fields[2];
    entries.latDegrees = fields[3];
    entries.latMinutes = fields[4];
    if (!validateEntries(entries).ok) return 0;
    // Accepted: every coordinate is stored from its text, in range, whatever came before.
    ProceedRecord before, otherBefore;
    before.birth.lonDegrees = before.birth.lonMinutes = 12345;
    before.birth.latDegrees = before.birth.latMinutes = 12345;
    otherBefore.birth.lonDegrees = otherBefore.birth.lonMinutes = -7;
    otherBefore.birth.latDegrees = otherBefore.birth.latMinutes = -7;
    const BirthData a = fillBirthData(entries, before).birth;
    const BirthData b = fillBirthData(entries, otherBefore).birth;
    require(a.lonDegrees == b.lonDegrees && a.lonMinutes == b.lonMinutes);
    require(a.latDegrees == b.latDegrees && a.latMinutes == b.latMinutes);
    require(a.lonDegrees >= 0 && a.lonDegrees <= 179 && a.latDegrees >= 0 && a.latDegrees <= 89);
    require(a.lonMinutes >= 0 && a.lonMinutes <= 59 && a.latMinutes >= 0 && a.latMinutes <= 59);
    return 0;
}
