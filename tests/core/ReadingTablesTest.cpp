// SPDX-License-Identifier: AGPL-3.0-or-later
// The reading tables beyond the natal aspect paragraphs (transits, the lunar points and angles,
// the patterns, the planets in signs and houses): every key has its one reading, each is a line
// the table, the report and the catalogue can carry, and none speaks of a body, point or sign
// outside its key, nor of an aspect its family is not read under.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/texts/PlacementReadings.h"
#include "core/texts/PointReadings.h"
#include "core/texts/TransitReadings.h"

namespace zodrivel {
namespace {

constexpr std::array<PointId, 10> Bodies{
    PointId::Sun,     PointId::Moon,   PointId::Mercury, PointId::Venus,   PointId::Mars,
    PointId::Jupiter, PointId::Saturn, PointId::Uranus,  PointId::Neptune, PointId::Pluto};
constexpr std::array<PointId, 15> NatalPoints{
    PointId::Sun,       PointId::Moon,   PointId::Mercury, PointId::Venus,     PointId::Mars,
    PointId::Jupiter,   PointId::Saturn, PointId::Uranus,  PointId::Neptune,   PointId::Pluto,
    PointId::NorthNode, PointId::Lilith, PointId::Chiron,  PointId::Ascendant, PointId::Midheaven};
constexpr std::array<PointId, 5> ReadPoints{PointId::NorthNode, PointId::Lilith, PointId::Chiron,
                                            PointId::Ascendant, PointId::Midheaven};
constexpr std::array<std::string_view, 12> Signs{"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                 "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::string lower(std::string_view word) {
    std::string out(word);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t start = 0; start < text.size();) {
        if (!letter(text[start])) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < text.size() && letter(text[end])) ++end;
        words.push_back(lower(text.substr(start, end - start)));
        start = end;
    }
    return words;
}

// The word by which a text names each point: "node" for the North Node (a reading may also say
// "the node"), the name itself for the others.
std::string wordOf(PointId id) { return id == PointId::NorthNode ? "node" : lower(pointName(id)); }

// What a reading names as whole words, in any case: points, signs, aspect kinds.
struct Named {
    std::set<PointId> points;
    std::set<int> signs;
    std::set<std::string> kinds;
};

Named namedIn(std::string_view text) {
    static const std::set<std::string> KindWords{
        "conjunction", "conjunct", "sextile",    "sextiles", "trine",      "trines",
        "square",      "squares",  "opposition", "quincunx", "inconjunct", "semisextile"};
    Named named;
    const std::vector<std::string> words = wordsOf(text);
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (const PointId id : NatalPoints)
            if (words[i] == wordOf(id)) named.points.insert(id);
        for (int sign = 0; sign < 12; ++sign)
            if (words[i] == lower(Signs[static_cast<std::size_t>(sign)])) named.signs.insert(sign);
        if (KindWords.count(words[i]) != 0) named.kinds.insert(words[i]);
        if (words[i] == "semi" && i + 1 < words.size() && words[i + 1] == "sextile")
            named.kinds.insert("semi-sextile");
    }
    return named;
}

// One line of printable ASCII of a length the tables and pages are laid out for.
void expectPrintableLine(std::string_view text, std::size_t shortest, std::size_t longest,
                         const std::string& key) {
    EXPECT_GE(text.size(), shortest) << key;
    EXPECT_LE(text.size(), longest) << key;
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c < 127; }))
        << key << " holds a character outside printable ASCII";
    EXPECT_EQ(text.find("  "), std::string_view::npos) << key << " holds a double blank";
}

std::string keyName(const KeyedReading& reading) {
    return std::string(pointName(reading.first)) + "-" + std::string(pointName(reading.second)) +
           ":" + std::string(readingFamilyName(reading.family));
}

// A table of keyed readings holds exactly the keys first x second x family, each once, and
// each reading speaks of its two points alone and of no aspect outside its family.
void checkKeyedTable(std::span<const KeyedReading> table, std::span<const PointId> firsts,
                     std::span<const PointId> seconds, std::size_t shortest, std::size_t longest) {
    std::set<std::tuple<PointId, PointId, ReadingFamily>> keys;
    for (const KeyedReading& reading : table) {
        const std::string key = keyName(reading);
        EXPECT_TRUE(keys.emplace(reading.first, reading.second, reading.family).second)
            << key << " is written twice";
        ASSERT_NE(reading.text, nullptr) << key;
        const std::string_view text = reading.text;
        expectPrintableLine(text, shortest, longest, key);
        const Named named = namedIn(text);
        for (const PointId id : named.points)
            EXPECT_TRUE(id == reading.first || id == reading.second)
                << key << " names " << pointName(id);
        EXPECT_TRUE(named.signs.empty()) << key << " names a sign";
        EXPECT_TRUE(named.kinds.empty()) << key << " names the aspect " << *named.kinds.begin()
                                         << ", but is read under a whole family";
    }
    for (const PointId first : firsts)
        for (const PointId second : seconds)
            for (const ReadingFamily family :
                 {ReadingFamily::Conjunction, ReadingFamily::Easy, ReadingFamily::Hard})
                EXPECT_EQ(keys.count({first, second, family}), 1U)
                    << pointName(first) << "-" << pointName(second) << ":"
                    << readingFamilyName(family) << " has no reading";
}

// A clause pasted into many readings is a stock clause: across a table, no sentence of more
// than a few words is written twice.
template <typename Table, typename TextOf>
void expectNoRepeatedSentence(const Table& table, TextOf textOf) {
    std::map<std::string, int> seen;
    for (const auto& reading : table) {
        const std::string_view text = textOf(reading);
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of(".;!?", start);
            if (end == std::string_view::npos) end = text.size();
            std::string sentence = lower(text.substr(start, end - start));
            sentence.erase(0, sentence.find_first_not_of(' '));
            if (std::count(sentence.begin(), sentence.end(), ' ') >= 4) {
                EXPECT_EQ(++seen[sentence], 1) << "written twice: \"" << sentence << "\"";
            }
            start = end + 1;
        }
    }
}

std::vector<PointId> transitingOf(std::initializer_list<PointId> ids) { return ids; }

TEST(ReadingTables, QuickTransitsReadEachNatalPointInEachFamily) {
    const auto quick = transitingOf(
        {PointId::Sun, PointId::Moon, PointId::Mercury, PointId::Venus, PointId::Mars});
    checkKeyedTable(quickTransitReadings(), quick, NatalPoints, 60, 360);
    expectNoRepeatedSentence(quickTransitReadings(),
                             [](const KeyedReading& r) { return std::string_view(r.text); });
}

TEST(ReadingTables, SlowTransitsReadEachNatalPointInEachFamily) {
    const auto slow = transitingOf(
        {PointId::Jupiter, PointId::Saturn, PointId::Uranus, PointId::Neptune, PointId::Pluto});
    checkKeyedTable(slowTransitReadings(), slow, NatalPoints, 200, 650);
    expectNoRepeatedSentence(slowTransitReadings(),
                             [](const KeyedReading& r) { return std::string_view(r.text); });
}

TEST(ReadingTables, ATransitIsFoundUnderEveryKindOfItsFamily) {
    for (const KeyedReading& reading : transitReadings())
        for (const AspectKind kind : AllAspectKinds)
            if (readingFamily(kind) == reading.family) {
                EXPECT_EQ(transitReading(reading.first, reading.second, kind), reading.text)
                    << keyName(reading) << " " << aspectKindName(kind);
            }
    EXPECT_TRUE(transitReading(PointId::Ascendant, PointId::Sun, AspectKind::Trine).empty());
}

TEST(ReadingTables, PointsReadEachBodyInEachFamilyEitherWayRound) {
    checkKeyedTable(pointReadings(), ReadPoints, Bodies, 150, 520);
    expectNoRepeatedSentence(pointReadings(),
                             [](const KeyedReading& r) { return std::string_view(r.text); });
    for (const KeyedReading& reading : pointReadings()) {
        EXPECT_EQ(pointReading(reading.second, reading.first, AspectKind::Quincunx),
                  pointReading(reading.first, reading.second, AspectKind::Square))
            << keyName(reading);
    }
    EXPECT_TRUE(pointReading(PointId::Sun, PointId::Moon, AspectKind::Trine).empty());
}

TEST(ReadingTables, EachPatternHasItsReadingAndItsApexOrSignWhereTheyShapeIt) {
    std::set<std::pair<PatternKind, int>> keys;
    for (const PatternReading& reading : patternReadings()) {
        const int variant = reading.variant.value_or(-1);
        const std::string key =
            std::string(patternKindName(reading.kind)) + "/" + std::to_string(variant);
        EXPECT_TRUE(keys.emplace(reading.kind, variant).second) << key << " is written twice";
        expectPrintableLine(reading.text, 200, 650, key);
        const Named named = namedIn(reading.text);
        const bool apexKind =
            reading.kind == PatternKind::TSquare || reading.kind == PatternKind::Yod;
        for (const PointId id : named.points)
            EXPECT_TRUE(apexKind && reading.variant == indexOf(id))
                << key << " names " << pointName(id);
        for (const int sign : named.signs)
            EXPECT_TRUE(reading.kind == PatternKind::Stellium && reading.variant == sign)
                << key << " names " << Signs[static_cast<std::size_t>(sign)];
    }
    for (int kind = 0; kind < PatternKindCount; ++kind)
        EXPECT_EQ(keys.count({static_cast<PatternKind>(kind), -1}), 1U)
            << patternKindName(static_cast<PatternKind>(kind)) << " has no reading of its own";
    for (int variant = 0; variant < 10; ++variant) {
        EXPECT_EQ(keys.count({PatternKind::TSquare, variant}), 1U) << "T-square apex " << variant;
        EXPECT_EQ(keys.count({PatternKind::Yod, variant}), 1U) << "yod apex " << variant;
    }
    for (int sign = 0; sign < 12; ++sign)
        EXPECT_EQ(keys.count({PatternKind::Stellium, sign}), 1U) << "stellium in " << sign;
    expectNoRepeatedSentence(patternReadings(),
                             [](const PatternReading& r) { return std::string_view(r.text); });

    // A found pattern reads its apex's reading, or its kind's own where no apex shapes it.
    const AspectPattern tSquare{PatternKind::TSquare, {4, 6, 1}, 1, std::nullopt};
    const AspectPattern grandTrine{PatternKind::GrandTrine, {0, 4, 8}, std::nullopt, std::nullopt};
    for (const PatternReading& reading : patternReadings()) {
        if (reading.kind == PatternKind::TSquare && reading.variant == 1) {
            EXPECT_EQ(patternReading(tSquare), reading.text);
        }
        if (reading.kind == PatternKind::GrandTrine && !reading.variant) {
            EXPECT_EQ(patternReading(grandTrine), reading.text);
        }
    }
}

TEST(ReadingTables, EachBodyAndAngleHasASignAndEachBodyAHouse) {
    const auto check = [](std::span<const PlacementReading> table, bool signs) {
        std::set<std::pair<PointId, int>> keys;
        for (const PlacementReading& reading : table) {
            const std::string key =
                std::string(pointName(reading.point)) + " in " +
                (signs ? std::string(
                             Signs[static_cast<std::size_t>(std::clamp(reading.place, 0, 11))])
                       : "house " + std::to_string(reading.place));
            EXPECT_TRUE(keys.emplace(reading.point, reading.place).second)
                << key << " is written twice";
            expectPrintableLine(reading.text, 150, 450, key);
            const Named named = namedIn(reading.text);
            for (const PointId id : named.points)
                EXPECT_EQ(id, reading.point) << key << " names " << pointName(id);
            for (const int sign : named.signs)
                EXPECT_TRUE(signs && sign == reading.place)
                    << key << " names " << Signs[static_cast<std::size_t>(sign)];
            EXPECT_TRUE(named.kinds.empty()) << key << " names an aspect";
            EXPECT_EQ(signs ? signReading(reading.point, reading.place)
                            : houseReading(reading.point, reading.place),
                      reading.text);
        }
        std::vector<PointId> points(Bodies.begin(), Bodies.end());
        if (signs) points.insert(points.end(), {PointId::Ascendant, PointId::Midheaven});
        for (const PointId point : points)
            for (int place = signs ? 0 : 1; place < (signs ? 12 : 13); ++place)
                EXPECT_EQ(keys.count({point, place}), 1U)
                    << pointName(point) << " has no reading for " << place;
        expectNoRepeatedSentence(
            table, [](const PlacementReading& r) { return std::string_view(r.text); });
    };
    check(signReadings(), true);
    check(houseReadings(), false);
}

}  // namespace
}  // namespace zodrivel
