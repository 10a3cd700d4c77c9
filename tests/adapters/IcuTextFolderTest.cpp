// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas's folding through ICU: the accents of every script go, so a name typed with its
// marks finds the place and a name typed without them does too.

#include <gtest/gtest.h>

#include "adapters/text/IcuTextFolder.h"
#include "core/place/PlaceIndex.h"

namespace zodrivel {
namespace {

TEST(IcuTextFolder, FoldsTheMarksOfEveryScriptAndTheLatinLettersWithoutDecomposition) {
    const IcuTextFolder folder;
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Đà Nẵng", "da nang"},         // Vietnamese: stacked marks, and Đ has no decomposition
        {"  São Paulo ", "sao paulo"},  // what the core's own folding did stays the same
        {"ŁÓDŹ", "lodz"},
        {"Straße", "strasse"},
        {"Ærøskøbing", "aeroskobing"},
        {"Timișoara", "timisoara"},
        {"Ελλάδα", "ελλαδα"},          // Greek tonos
        {"Йошкар-Ола", "иошкар-ола"},  // Cyrillic breve: й searches as и
        {"İstanbul", "istanbul"},      // Turkish dotted capital I
        {"Mẫu Sơn", "mau son"},
        {"東京", "東京"},  // no marks, no case: as it is
    };
    for (const auto& c : cases) EXPECT_EQ(folder.fold(c.text), c.folded) << c.text;
}

// Capitals by the rules of the name's language. The expected values are Greek typesetting's
// (capitals carry no tonos; a diaeresis that splits a diphthong stays, and one comes where an
// accent did that job: "Μάιος" is "ΜΑΪΟΣ") and Unicode's full case mapping for the rest.
TEST(IcuTextFolder, CapitalsFollowTheLanguageOfTheName) {
    const struct {
        const char* name;
        const char* capitals;
    } cases[] = {
        {"Ελένη", "ΕΛΕΝΗ"},
        {"ΕΛΈΝΗ ΆΝΝΑ", "ΕΛΕΝΗ ΑΝΝΑ"},  // typed in capitals one key at a time, accents and all
        {"Μάιος", "ΜΑΪΟΣ"},
        {"Ευγενία-Ζωή", "ΕΥΓΕΝΙΑ-ΖΩΗ"},
        {"Zoë José", "ZOË JOSÉ"},  // Latin capitals keep their accents
        {"Straße", "STRASSE"},
        {"ǆurđa", "ǄURĐA"},
        {"ADA", "ADA"},
        {"O'Brien", "O'BRIEN"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(capitalsOf(c.name), c.capitals) << c.name;
    EXPECT_EQ(capitalsOf("A\xFF"), "A\xFF") << "not UTF-8: left as it is";
}

TEST(IcuTextFolder, TheAtlasFindsAPlaceTypedWithOrWithoutItsMarks) {
    const IcuTextFolder folder;
    const PlaceIndex atlas(
        {{"Da Nang", "Da Nang", "Vietnam", "VN", 16.06778, 108.22083, "Asia/Ho_Chi_Minh", 752493},
         {"Łódź", "Łódź Voivodeship", "Poland", "PL", 51.75, 19.46667, "Europe/Warsaw", 768755}},
        folder);
    for (const char* typed : {"Đà Nẵng", "da nang", "Đà", "lodz", "Łódź, Poland"}) {
        EXPECT_EQ(atlas.search(typed, 5).size(), 1U) << typed;
    }
}

}  // namespace
}  // namespace zodrivel
