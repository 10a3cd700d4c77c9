// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// What the readings beyond the natal aspect paragraphs have in common: the transits, the aspects
// of the lunar points, Chiron and the angles, are each written once per family of aspects, not
// once per kind, so a reading is true under every heading of its family.

#include <string_view>

#include "core/aspects/AspectKind.h"
#include "core/model/ChartPoint.h"

namespace zodrivel {

enum class ReadingFamily : int {
    Conjunction = 0,  // the conjunction alone
    Easy,             // sextile and trine
    Hard,             // square and opposition, and the minor aspects: semi-sextile, quincunx
};
inline constexpr int ReadingFamilyCount = 3;

constexpr ReadingFamily readingFamily(AspectKind kind) {
    switch (kind) {
        case AspectKind::Conjunction: return ReadingFamily::Conjunction;
        case AspectKind::Sextile:
        case AspectKind::Trine: return ReadingFamily::Easy;
        default: return ReadingFamily::Hard;
    }
}

// "conjunction", "easy", "hard": the family's word in text ids and listings.
constexpr std::string_view readingFamilyName(ReadingFamily family) {
    switch (family) {
        case ReadingFamily::Conjunction: return "conjunction";
        case ReadingFamily::Easy: return "easy";
        default: return "hard";
    }
}

// One reading: `first` and `second` are the key's two points in the order the table names
// them (the transiting body first; the lunar point or angle first), `text` one line of
// printable ASCII.
struct KeyedReading {
    PointId first;
    PointId second;
    ReadingFamily family;
    const char* text;
};

}  // namespace zodrivel
