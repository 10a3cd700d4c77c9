// SPDX-License-Identifier: AGPL-3.0-or-later
// Searching the atlas: folding, ranking and the qualifiers after commas, over a small atlas of
// our own so that the expectations do not move with the place database.

#include <gtest/gtest.h>

#include "core/place/PlaceIndex.h"
#include "core/place/TextFolding.h"

namespace zodrivel {
namespace {

Place place(std::string name, std::string division, std::string country, std::string code,
            std::int64_t population) {
    return {std::move(name), std::move(division), std::move(country), std::move(code), 0, 0,
            "Etc/UTC",       population};
}

// A fake atlas: a handful of places chosen for the cases below.
PlaceIndex smallAtlas() {
    return PlaceIndex({
        place("Springfield", "Missouri", "United States", "US", 169000),
        place("Springfield", "Illinois", "United States", "US", 116000),
        place("Springfield", "Massachusetts", "United States", "US", 155000),
        place("Paris", "Île-de-France", "France", "FR", 2138000),
        place("Paris", "Texas", "United States", "US", 25000),
        place("Parisot", "Occitanie", "France", "FR", 500),
        place("São Paulo", "São Paulo", "Brazil", "BR", 10021000),
        place("Sydney", "New South Wales", "Australia", "AU", 4627000),
        place("Sydney", "Nova Scotia", "Canada", "CA", 31000),
        place("New York City", "New York", "United States", "US", 8175000),
        place("Kolkata", "State of West Bengal", "India", "IN", 4631000),
        place("Łódź", "Łódź Voivodeship", "Poland", "PL", 768000),
    });
}

std::vector<std::string> names(const std::vector<Place>& places) {
    std::vector<std::string> out;
    for (const Place& p : places) out.push_back(p.name + "/" + p.division);
    return out;
}

TEST(TextFolding, IgnoresCaseAndAccentsOfLatinLetters) {
    EXPECT_EQ(foldForSearch("São Paulo"), "sao paulo");
    EXPECT_EQ(foldForSearch("  ŁÓDŹ "), "lodz");
    EXPECT_EQ(foldForSearch("Straße"), "strasse");
    EXPECT_EQ(foldForSearch("Ærøskøbing"), "aeroskobing");
    EXPECT_EQ(foldForSearch("Timișoara"), "timisoara");
    // Other scripts and signs pass unchanged rather than vanish.
    EXPECT_EQ(foldForSearch("Москва"), "Москва");
    EXPECT_EQ(foldForSearch("2×3"), "2×3");
}

TEST(TextFolding, EditDistanceStopsAtItsCap) {
    EXPECT_EQ(editDistance("london", "londno", 5), 2u);
    EXPECT_EQ(editDistance("london", "london", 0), 0u);
    EXPECT_EQ(editDistance("london", "lisbon", 1), 2u);  // cap + 1
    EXPECT_EQ(editDistance("", "abc", 5), 3u);
}

TEST(PlaceSearch, ExactNamesComeFirstThenLargerPopulation) {
    const PlaceIndex atlas = smallAtlas();
    EXPECT_EQ(
        names(atlas.search("Paris", 10)),
        (std::vector<std::string>{"Paris/Île-de-France", "Paris/Texas", "Parisot/Occitanie"}));
    EXPECT_EQ(names(atlas.search("springfield", 10)),
              (std::vector<std::string>{"Springfield/Missouri", "Springfield/Massachusetts",
                                        "Springfield/Illinois"}));
    // A name's later word also matches, after the names that begin with the text.
    EXPECT_EQ(names(atlas.search("york", 10)),
              (std::vector<std::string>{"New York City/New York"}));
    EXPECT_EQ(atlas.search("Paris", 1).size(), 1u);
}

TEST(PlaceSearch, CommasAddDivisionOrCountryByNameOrCode) {
    const PlaceIndex atlas = smallAtlas();
    struct Case {
        const char* query;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Springfield, Illinois", {"Springfield/Illinois"}},
        {"Paris, FR", {"Paris/Île-de-France", "Parisot/Occitanie"}},
        {"Paris, Texas, US", {"Paris/Texas"}},
        {"Sydney, Australia", {"Sydney/New South Wales"}},
        {"sydney, ca", {"Sydney/Nova Scotia"}},
        {"Kolkata, West Bengal", {"Kolkata/State of West Bengal"}},
        {"Paris, Germany", {}},
        {"Paris,", {"Paris/Île-de-France", "Paris/Texas", "Parisot/Occitanie"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(names(atlas.search(c.query, 10)), c.expected) << c.query;
    }
}

TEST(PlaceSearch, AccentsAndCaseDoNotMatter) {
    const PlaceIndex atlas = smallAtlas();
    EXPECT_EQ(names(atlas.search("Sao Paulo", 5)),
              (std::vector<std::string>{"São Paulo/São Paulo"}));
    EXPECT_EQ(names(atlas.search("LODZ", 5)), (std::vector<std::string>{"Łódź/Łódź Voivodeship"}));
    EXPECT_EQ(names(atlas.search("kolk", 5)),
              (std::vector<std::string>{"Kolkata/State of West Bengal"}));
    EXPECT_TRUE(atlas.search("   ", 5).empty());
    EXPECT_TRUE(atlas.search(", France", 5).empty());
}

TEST(PlaceSearch, NearMatchesNameWhatWasPerhapsMeant) {
    const PlaceIndex atlas = smallAtlas();
    EXPECT_EQ(names(atlas.nearMatches("Sidney", 5)),
              (std::vector<std::string>{"Sydney/New South Wales", "Sydney/Nova Scotia"}));
    EXPECT_TRUE(atlas.nearMatches("Xqzvbw", 5).empty());
}

}  // namespace
}  // namespace zodrivel
