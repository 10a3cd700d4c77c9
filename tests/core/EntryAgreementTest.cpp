// SPDX-License-Identifier: AGPL-3.0-or-later
// Whatever the checks let through, Proceed stores as the number that was checked: a coordinate
// box text is tried in every shape people (and pastes) produce, and an accepted one must be
// stored as its own value, whatever the record held before.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/entry/EntryChecks.h"

namespace zodrivel {
namespace {

// Sign, blanks, leading zeros, digits, fraction, exponent and trailing junk, every combination.
std::vector<std::string> shapedTexts() {
    const char* signs[] = {"", "+", "-", "+-", "-+", "++"};
    const char* blanks[] = {"", " ", "\t"};
    const char* zeros[] = {"", "0", "00"};
    const char* digits[] = {"",      "0",     "7",     "59",         "60",
                            "89",    "90",    "170",   "179",        "180",
                            "32767", "32768", "65536", "4294967296", "99999999999999999999999"};
    const char* fractions[] = {"", ".", ".5", ".0"};
    const char* exponents[] = {"", "e2", "E-1", "e"};
    const char* tails[] = {"", " ", "x", "\b", "\xC2\xA0"};
    std::vector<std::string> texts;
    for (const char* sign : signs)
        for (const char* blank : blanks)
            for (const char* zero : zeros)
                for (const char* digit : digits)
                    for (const char* fraction : fractions)
                        for (const char* exponent : exponents)
                            for (const char* tail : tails) {
                                texts.push_back(std::string(blank) + sign + zero + digit +
                                                fraction + exponent + tail);
                            }
    return texts;
}

// Mixed junk from a fixed seed, so every run tries the same texts.
std::vector<std::string> junkTexts() {
    static constexpr char Alphabet[] = "0123456789+-. eE\t\bx,_\x7F\xC3\xA9";
    std::uint32_t state = 20240611;
    const auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    std::vector<std::string> texts;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const std::uint32_t length = next() % 9;
        for (std::uint32_t k = 0; k < length; ++k) {
            text.push_back(Alphabet[(next() >> 8) % (sizeof Alphabet - 1)]);
        }
        texts.push_back(text);
    }
    return texts;
}

struct Box {
    const char* name;
    std::string EntryTexts::*text;
    std::int16_t BirthData::*stored;
    int maximum;
};

TEST(EntryAgreement, AnAcceptedCoordinateIsStoredAsTheNumberChecked) {
    const Box boxes[] = {
        {"lon degrees", &EntryTexts::lonDegrees, &BirthData::lonDegrees, 179},
        {"lon minutes", &EntryTexts::lonMinutes, &BirthData::lonMinutes, 59},
        {"lat degrees", &EntryTexts::latDegrees, &BirthData::latDegrees, 89},
        {"lat minutes", &EntryTexts::latMinutes, &BirthData::latMinutes, 59},
    };
    // Two different earlier records: a value that comes from the text is the same after both.
    ProceedRecord before, otherBefore;
    for (const Box& box : boxes)
        before.birth.*box.stored = 12345, otherBefore.birth.*box.stored = -7;

    std::vector<std::string> texts = shapedTexts();
    const std::vector<std::string> junk = junkTexts();
    texts.insert(texts.end(), junk.begin(), junk.end());
    int accepted = 0;
    for (const Box& box : boxes) {
        for (const std::string& text : texts) {
            EntryTexts e;
            e.name = "ADA";
            e.lonDegrees = e.lonMinutes = e.latDegrees = e.latMinutes = "1";
            e.*box.text = text;
            if (!validateEntries(e).ok) continue;
            ++accepted;
            const int stored = fillBirthData(e, before).birth.*box.stored;
            const int storedToo = fillBirthData(e, otherBefore).birth.*box.stored;
            // What a reader of the text takes it to say, sign, fraction and exponent included.
            const double meant = std::strtod(text.c_str(), nullptr);
            ASSERT_EQ(stored, storedToo) << box.name << " '" << text << "' kept an old value";
            ASSERT_GE(stored, 0) << box.name << " '" << text << "'";
            ASSERT_LE(stored, box.maximum) << box.name << " '" << text << "'";
            ASSERT_EQ(stored, meant) << box.name << " '" << text << "'";
        }
    }
    // The generator reaches the accepting side too (plain numbers, blanks, leading zeros).
    EXPECT_GT(accepted, 1000);
}

TEST(EntryAgreement, NumbersTheWindowCanTypeStillPass) {
    for (const char* text : {"0", "00", "007", "179", " 7 "}) {
        EntryTexts e;
        e.name = "ADA";
        e.lonDegrees = text;
        e.lonMinutes = e.latDegrees = e.latMinutes = "0";
        EXPECT_TRUE(validateEntries(e).ok) << text;
        EXPECT_EQ(fillBirthData(e, {}).birth.lonDegrees, std::atoi(text)) << text;
    }
}

}  // namespace
}  // namespace zodrivel
