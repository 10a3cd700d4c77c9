// SPDX-License-Identifier: AGPL-3.0-or-later
// Key filters, validation messages in their order, the coordinate look-up and the filling of
// the birth data, as the entry window relies on them.

#include <gtest/gtest.h>

#include <chrono>

#include "core/about/Branding.h"
#include "core/entry/EntryChecks.h"

namespace zodrivel {
namespace {

TEST(KeyFilters, DigitBoxesTakeDigitsAndBackspaceOnly) {
    for (char32_t c = U'0'; c <= U'9'; ++c) {
        EXPECT_EQ(digitFilter(c).verdict, FilterVerdict::Accepted);
    }
    EXPECT_EQ(digitFilter(8).verdict, FilterVerdict::Accepted);
    for (const char32_t refused : {U'a', U'-', U'.', U' ', char32_t{13}, U'\u00E9', U'/'}) {
        const KeyFilterResult r = digitFilter(refused);
        EXPECT_EQ(r.verdict, FilterVerdict::Rejected) << static_cast<int>(refused);
        ASSERT_TRUE(r.message);
        EXPECT_EQ(r.message->text, "Only Numbers Are Accepted");
        EXPECT_EQ(r.message->icon, MessageIcon::Critical);
    }
}

TEST(KeyFilters, NameBoxUpperCasesLettersAndRefusesTheRest) {
    EXPECT_EQ(letterFilter(U'a').verdict, FilterVerdict::Converted);
    EXPECT_EQ(letterFilter(U'a').character, U'A');
    EXPECT_EQ(letterFilter(U'z').character, U'Z');
    EXPECT_EQ(letterFilter(U'Q').verdict, FilterVerdict::Accepted);
    for (const char32_t passes : {U' ', char32_t{13}, char32_t{8}, U'-', U'\'', U'\u2019'}) {
        EXPECT_EQ(letterFilter(passes).verdict, FilterVerdict::Accepted);
        EXPECT_EQ(letterFilter(passes).character, passes);
    }
    // The characters either side of the letter ranges are the classic off-by-one; digits of
    // other scripts, signs and emoji are not letters either.
    for (const char32_t refused : {U'1', U'@', U'[', U'`', U'{', U'\u00D7', U'\u00F7', U'\u0663',
                                   U'\u0967', U'\u3002', U'\U0001F600', char32_t{0x7F}}) {
        const KeyFilterResult r = letterFilter(refused);
        EXPECT_EQ(r.verdict, FilterVerdict::Rejected) << static_cast<int>(refused);
        ASSERT_TRUE(r.message);
        EXPECT_EQ(r.message->text, "Please Enter only Letters");
        EXPECT_EQ(r.message->icon, MessageIcon::Information);
    }
}

// Names in every script in common use are letters, upper-cased one character to one.
TEST(KeyFilters, NamesOfEveryScriptPassUpperCased) {
    const struct {
        const char* typed;
        const char* stored;
    } names[] = {
        {"ren\u00E9", "REN\u00C9"},
        // Unicode's upper case of sharp s is two letters; a key puts one letter in the box.
        {"stra\u00DFe", "STRA\u00DFE"},
        {"\u03A9\u03BC\u03AD\u03B3\u03B1", "\u03A9\u039C\u0388\u0393\u0391"},  // Greek
        {"\u0418\u0432\u0430\u043D", "\u0418\u0412\u0410\u041D"},              // Cyrillic
        {"\u674E", "\u674E"},                                                  // CJK
        {"\u0570\u0561\u0575", "\u0540\u0531\u0545"},                          // Armenian
        {"\u05D3\u05D5\u05D3", "\u05D3\u05D5\u05D3"},                          // Hebrew
        {"\u0639\u0644\u064A", "\u0639\u0644\u064A"},                          // Arabic
        {"\u0930\u093E\u092E", "\u0930\u093E\u092E"},  // Devanagari, with its vowel sign
        {"\u3055\u304F\u3089 \u30B5\u30AF\u30E9", "\u3055\u304F\u3089 \u30B5\u30AF\u30E9"},
        {"\uD55C", "\uD55C"},                                            // Hangul
        {"nguy\u1EC5n", "NGUY\u1EC4N"},                                  // Vietnamese
        {"z\u00F3\u0142w \u017E\u0107", "Z\u00D3\u0141W \u017D\u0106"},  // Extended-A
        {"e\u0301", "E\u0301"},  // an accent typed as a combining mark
        {"Anne-Marie", "ANNE-MARIE"},
        {"O'Brien", "O'BRIEN"},
        {"d\u2019Arc", "D\u2019ARC"},
    };
    for (const auto& [typed, stored] : names) {
        const TextFilterResult r = letterFilterText(typed);
        EXPECT_TRUE(r.accepted) << typed;
        EXPECT_EQ(r.text, stored) << typed;
    }
    for (const char* refused : {"Ada1", "a@b", "\U0001F600", "\u0661\u0662", "x\xC3", "\xC0\x80",
                                "\xED\xA0\x80", "a\tb"}) {
        const TextFilterResult r = letterFilterText(refused);
        EXPECT_FALSE(r.accepted) << refused;
        EXPECT_EQ(r.message, messages::OnlyLetters) << refused;
    }
}

// What the filter puts in the box must pass it again as it is: otherwise a typed letter would
// be refused by the box's own last guard. Tried on every code point.
TEST(KeyFilters, WhatTheNameFilterGivesPassesItAgain) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const KeyFilterResult first = letterFilter(c);
        if (first.verdict == FilterVerdict::Rejected) continue;
        const KeyFilterResult again = letterFilter(first.character);
        ASSERT_EQ(again.verdict, FilterVerdict::Accepted) << std::hex << static_cast<int>(c);
        ASSERT_EQ(again.character, first.character) << std::hex << static_cast<int>(c);
    }
}

TEST(KeyFilters, PastedTextPassesTheSameFilterWhole) {
    EXPECT_EQ(letterFilterText("mary ann").text, "MARY ANN");
    EXPECT_EQ(digitFilterText("074").text, "074");

    const TextFilterResult digits = digitFilterText("12a");
    EXPECT_FALSE(digits.accepted);
    EXPECT_EQ(digits.text, "");  // nothing of a refused paste reaches the box
    EXPECT_EQ(digits.message, messages::OnlyNumbers);

    const TextFilterResult name = letterFilterText("Anna 2");
    EXPECT_FALSE(name.accepted);
    EXPECT_EQ(name.message, messages::OnlyLetters);

    // A letter outside ASCII is several bytes of UTF-8, read as the one character it is.
    EXPECT_EQ(letterFilterText("Ren\xC3\xA9").text, "REN\xC3\x89");
    EXPECT_FALSE(digitFilterText("\xD9\xA3").accepted);  // Arabic-Indic digit three
    EXPECT_TRUE(digitFilterText("").accepted);

    // Keys that pass when pressed are stray control characters inside a text, never edits.
    const struct {
        TextFilterResult (*filter)(std::string_view);
        const char* text;
        Message message;
    } strays[] = {
        {digitFilterText, "1\b9", messages::OnlyNumbers},
        {digitFilterText, "\b", messages::OnlyNumbers},
        {letterFilterText, "ADA\b", messages::OnlyLetters},
        {letterFilterText, "ADA\r", messages::OnlyLetters},
    };
    for (const auto& [filter, text, message] : strays) {
        const TextFilterResult r = filter(text);
        EXPECT_FALSE(r.accepted) << text;
        EXPECT_EQ(r.message, message) << text;
    }
}

EntryTexts validEntries() {
    EntryTexts e;
    e.name = "ADA";
    e.lonDegrees = "74";
    e.lonMinutes = "0";
    e.latDegrees = "40";
    e.latMinutes = "43";
    return e;
}

struct ValidationCase {
    const char* what;
    void (*change)(EntryTexts&);
    Message message;
    EntryControl focus;
};

TEST(ValidateEntries, EachCheckGivesItsMessageAndFocus) {
    const ValidationCase cases[] = {
        {"empty name", [](EntryTexts& e) { e.name = ""; }, messages::EnterName, EntryControl::Name},
        {"blank name", [](EntryTexts& e) { e.name = "   "; }, messages::EnterName,
         EntryControl::Name},
        {"no lon degrees", [](EntryTexts& e) { e.lonDegrees = ""; }, messages::LonDegrees,
         EntryControl::LonDegrees},
        {"lon degrees 180", [](EntryTexts& e) { e.lonDegrees = "180"; }, messages::LonDegrees,
         EntryControl::LonDegrees},
        {"no lon minutes", [](EntryTexts& e) { e.lonMinutes = " "; }, messages::LonMinutes,
         EntryControl::LonMinutes},
        {"lon minutes 60", [](EntryTexts& e) { e.lonMinutes = "60"; }, messages::LonMinutes,
         EntryControl::LonMinutes},
        {"lon minutes not a number", [](EntryTexts& e) { e.lonMinutes = "5x"; },
         messages::LonMinutes, EntryControl::LonMinutes},
        {"lat degrees 90", [](EntryTexts& e) { e.latDegrees = "90"; }, messages::LatDegrees,
         EntryControl::LatDegrees},
        {"no lat minutes", [](EntryTexts& e) { e.latMinutes = ""; }, messages::LatMinutes,
         EntryControl::LatMinutes},
        {"29 February 1901",
         [](EntryTexts& e) { e.monthPosition = 1, e.day = "29", e.year = "1901"; },
         messages::FebruaryDate, EntryControl::None},
        {"30 February 1904",
         [](EntryTexts& e) { e.monthPosition = 1, e.day = "30", e.year = "1904"; },
         messages::FebruaryDate, EntryControl::None},
        {"31 April", [](EntryTexts& e) { e.monthPosition = 3, e.day = "31"; },
         messages::ThirtyDayMonth, EntryControl::None},
        {"31 November", [](EntryTexts& e) { e.monthPosition = 10, e.day = "31"; },
         messages::ThirtyDayMonth, EntryControl::None},
    };
    for (const ValidationCase& c : cases) {
        EntryTexts e = validEntries();
        c.change(e);
        const ValidationResult r = validateEntries(e);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.message, c.message) << c.what;
        EXPECT_EQ(r.focus, c.focus) << c.what;
    }
}

TEST(ValidateEntries, TheFirstFailingCheckWins) {
    EntryTexts e;  // everything empty, and an impossible date besides
    e.monthPosition = 1;
    e.day = "31";
    EXPECT_EQ(validateEntries(e).message, messages::EnterName);
    e.name = "X";
    EXPECT_EQ(validateEntries(e).message, messages::LonDegrees);
    e.lonDegrees = "0";
    EXPECT_EQ(validateEntries(e).message, messages::LonMinutes);
    e.lonMinutes = "0";
    EXPECT_EQ(validateEntries(e).message, messages::LatDegrees);
    e.latDegrees = "0";
    EXPECT_EQ(validateEntries(e).message, messages::LatMinutes);
    e.latMinutes = "0";
    EXPECT_EQ(validateEntries(e).message, messages::FebruaryDate);
}

TEST(ValidateEntries, BoundaryValuesPass) {
    EntryTexts e = validEntries();
    e.lonDegrees = "179";
    e.lonMinutes = "59";
    e.latDegrees = "89";
    e.latMinutes = "59";
    EXPECT_TRUE(validateEntries(e).ok);
    e.lonDegrees = " 7 ";  // blanks around the number are tolerated, as in the window
    EXPECT_TRUE(validateEntries(e).ok);
}

// Every day the lists can offer, against the Gregorian calendar.
TEST(ValidateEntries, DateRuleAgreesWithTheCalendarFor1901To2050) {
    using namespace std::chrono;
    for (int y = 1901; y <= 2050; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            for (unsigned d = 1; d <= 31; ++d) {
                EntryTexts e = validEntries();
                e.year = std::to_string(y);
                e.monthPosition = static_cast<int>(m) - 1;
                e.day = std::to_string(d);
                const bool real = year_month_day{year{y}, month{m}, day{d}}.ok();
                ASSERT_EQ(validateEntries(e).ok, real) << y << "-" << m << "-" << d;
            }
        }
    }
}

TEST(CoordinateLookup, ChecksEachBoxThenBuildsTheSearchText) {
    EXPECT_EQ(coordinateLookup("", "NY", "USA").message, messages::EnterCity);
    EXPECT_EQ(coordinateLookup("", "NY", "USA").focus, "txtMCity");
    const LookupResult noState = coordinateLookup("Albany", "", "USA");
    EXPECT_EQ(noState.message, messages::EnterState);
    EXPECT_EQ(noState.focus, "txtMState");
    EXPECT_TRUE(noState.searchText.empty());
    EXPECT_EQ(coordinateLookup("Albany", "NY", "").message, messages::EnterCountry);
    // Exact comparison: a blank is text.
    const LookupResult ok = coordinateLookup(" ", "New York", "USA");
    EXPECT_FALSE(ok.message);
    EXPECT_EQ(ok.searchText, "  New York USA Latitude Longitude");
}

TEST(UrlEncode, EscapesEverythingButUnreservedCharacters) {
    EXPECT_EQ(urlEncode("Sao Paulo SP Brazil"), "Sao%20Paulo%20SP%20Brazil");
    EXPECT_EQ(urlEncode("a&b=c?d#e+f/g"), "a%26b%3Dc%3Fd%23e%2Bf%2Fg");
    EXPECT_EQ(urlEncode("S\xC3\xA3o"), "S%C3%A3o");
    EXPECT_EQ(urlEncode("A-z_0.9~"), "A-z_0.9~");
}

TEST(FillBirthData, StoresEveryFieldAsProceedDoes) {
    EntryTexts e = validEntries();
    e.name = " ADA ";  // stored as typed, not trimmed
    e.monthPosition = 7;
    e.day = "15";
    e.year = "1947";
    e.hour = "23";
    e.minute = "5";
    e.lonDegrees = "77";
    e.lonMinutes = "12";
    e.latDegrees = "28";
    e.latMinutes = "36";
    e.zonePosition = 34;  // "Indian Time, IST, +5.3"
    e.east = true;
    e.south = true;
    e.daylightSaving = true;
    const ProceedRecord r = fillBirthData(e, {});
    EXPECT_EQ(r.birth.birthName, " ADA ");
    EXPECT_EQ(r.birth.birthMonth, 8);
    EXPECT_EQ(r.birth.birthDay, 15);
    EXPECT_EQ(r.birth.birthYear, 1947);
    EXPECT_EQ(r.birth.birthHour, 23);
    EXPECT_EQ(r.birth.birthMinute, 5);
    EXPECT_EQ(r.zone, (ZoneCorrection{-5, -30}));
    EXPECT_EQ(r.birth.zoneHours, 5);
    EXPECT_EQ(r.birth.zoneMinutes, 30);
    EXPECT_EQ(r.birth.lonDegrees, 77);
    EXPECT_EQ(r.birth.lonMinutes, 12);
    EXPECT_EQ(r.birth.latDegrees, 28);
    EXPECT_EQ(r.birth.latMinutes, 36);
    EXPECT_TRUE(r.birth.isEast);
    EXPECT_TRUE(r.birth.isSouth);
    EXPECT_TRUE(r.birth.isDaylightSaving);
}

TEST(FillBirthData, EastAndWestDifferOnlyInTheFlag) {
    EntryTexts e = validEntries();
    e.east = false;
    const ProceedRecord west = fillBirthData(e, {});
    e.east = true;
    ProceedRecord east = fillBirthData(e, {});
    EXPECT_EQ(west.birth.lonDegrees, 74);
    EXPECT_EQ(west.birth.lonMinutes, 0);
    EXPECT_FALSE(west.birth.isEast);
    east.birth.isEast = false;
    EXPECT_EQ(east.birth, west.birth);
}

TEST(FillBirthData, AnUnconvertibleTextKeepsThePreviousValue) {
    ProceedRecord previous;
    previous.birth.lonMinutes = 17;
    previous.birth.birthDay = 9;
    previous.zone = {5, 0};
    EntryTexts e = validEntries();
    e.lonMinutes = "1.5";
    e.day = "99999";      // beyond 16 bits
    e.zonePosition = -1;  // no selection: the zone step stores nothing
    const ProceedRecord r = fillBirthData(e, previous);
    EXPECT_EQ(r.birth.lonMinutes, 17);
    EXPECT_EQ(r.birth.birthDay, 9);
    EXPECT_EQ(r.zone, (ZoneCorrection{5, 0}));
    EXPECT_EQ(r.birth.zoneHours, 5);
}

TEST(FillBirthData, ASecondRunKeepsNothingOfTheFirst) {
    EntryTexts first = validEntries();
    first.zonePosition = 34;
    first.daylightSaving = true;
    first.south = true;
    const ProceedRecord one = fillBirthData(first, {});
    const EntryTexts second = validEntries();
    EXPECT_EQ(fillBirthData(second, one).birth, fillBirthData(second, {}).birth);
    EXPECT_EQ(fillBirthData(second, one).zone, (ZoneCorrection{0, 0}));
}

TEST(BrandingChoice, RoundsHalfToEvenOverSevenOutcomes) {
    // r = u * 6 + 1: below 1.5 is 1, exactly 1.5 rounds to 2, 6.5 rounds to 6, above it 7.
    EXPECT_EQ(brandingChoice(0.0), BrandLabel::CoBrand);
    EXPECT_EQ(brandingChoice(0.5 / 6), BrandLabel::FullBrand);
    EXPECT_EQ(brandingChoice(2.4 / 6), BrandLabel::CoBrand);
    EXPECT_EQ(brandingChoice(5.5 / 6), BrandLabel::FullBrand);
    EXPECT_EQ(brandingChoice(5.6 / 6), BrandLabel::Unchanged);
    EXPECT_EQ(brandingChoice(0.999999), BrandLabel::Unchanged);
}

}  // namespace
}  // namespace zodrivel
