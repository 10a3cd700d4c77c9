// SPDX-License-Identifier: AGPL-3.0-or-later
// The interpretation table: which key reads which paragraph, and what the paragraphs may be.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/texts/AspectParagraphTexts.h"
#include "core/texts/AspectTexts.h"

namespace zodrivel {
namespace {

using K = AspectKind;

std::string pairName(int a, int b) {
    return std::string(ChartPointNameTexts[a]) + "-" + std::string(ChartPointNameTexts[b]);
}

// The sharing of a pair's seven paragraphs as a pattern, in kind order (Conjunction,
// SemiSextile, Sextile, Square, Trine, Quincunx, Opposition): equal letters, equal texts.
std::string sharingPattern(int a, int b) {
    std::map<std::string_view, char> letters;
    std::string pattern;
    for (const AspectKind kind : AllAspectKinds) {
        const auto text = aspectText(kind, a, b);
        const auto [it, added] = letters.emplace(text, static_cast<char>('1' + letters.size()));
        pattern += it->second;
    }
    return pattern;
}

TEST(AspectTexts, EveryKeyHasAParagraphExceptThePointWithItself) {
    int keys = 0;
    std::set<std::string_view> distinct;
    for (const AspectKind kind : AllAspectKinds) {
        for (int a = 0; a < ChartPointCount; ++a) {
            EXPECT_TRUE(aspectText(kind, a, a).empty());
            for (int b = 0; b < ChartPointCount; ++b) {
                if (a == b) continue;
                ++keys;
                const std::string_view text = aspectText(kind, a, b);
                ASSERT_FALSE(text.empty()) << aspectKindName(kind) << " " << pairName(a, b);
                distinct.insert(text);
            }
        }
    }
    EXPECT_EQ(keys, 630);
    EXPECT_EQ(distinct.size(), 143u);
}

TEST(AspectTexts, MostPairsShareOneEasyOneSemiSextileAndOneHardParagraph) {
    const std::map<std::string, std::string> special{
        {"Mercury-Venus", "1234144"},  {"Venus-Saturn", "1234344"}, {"Venus-Uranus", "1234344"},
        {"Uranus-Neptune", "1234354"}, {"Uranus-Pluto", "1234356"}, {"Neptune-Pluto", "1234344"},
    };
    for (int a = 0; a < ChartPointCount; ++a) {
        for (int b = a + 1; b < ChartPointCount; ++b) {
            const auto found = special.find(pairName(a, b));
            const std::string expected = found == special.end() ? "1213133" : found->second;
            EXPECT_EQ(sharingPattern(a, b), expected) << pairName(a, b);
        }
    }
    // The one paragraph shared across two pairs: Venus's easy aspects to Saturn and Uranus.
    EXPECT_EQ(aspectText(K::Sextile, VenusSlot, SaturnSlot),
              aspectText(K::Trine, VenusSlot, UranusSlot));
    // Apart from that, no two pairs share a paragraph.
    std::map<std::string_view, std::set<std::string>> pairsOfText;
    for (const AspectKind kind : AllAspectKinds) {
        for (int a = 0; a < ChartPointCount; ++a) {
            for (int b = a + 1; b < ChartPointCount; ++b) {
                pairsOfText[aspectText(kind, a, b)].insert(pairName(a, b));
            }
        }
    }
    for (const auto& [text, pairs] : pairsOfText) {
        const bool venusX = pairs == std::set<std::string>{"Venus-Saturn", "Venus-Uranus"};
        EXPECT_TRUE(pairs.size() == 1 || venusX) << *pairs.begin() << " shares with others";
    }
}

// Which point the report names first says nothing about the meaning, so both orders read the
// same paragraph. Three reversed keys once read another pair's or another aspect's paragraph
// (Neptune-Sun semi-sextile, Uranus-Venus quincunx naming Mercury, Neptune-Venus opposition
// naming Uranus); they are checked by name here.
TEST(AspectTexts, BothOrdersOfAPairReadTheSameParagraph) {
    for (const AspectKind kind : AllAspectKinds) {
        for (int a = 0; a < ChartPointCount; ++a) {
            for (int b = 0; b < ChartPointCount; ++b) {
                EXPECT_EQ(aspectText(kind, a, b), aspectText(kind, b, a))
                    << aspectKindName(kind) << " " << pairName(a, b);
            }
        }
    }
    EXPECT_EQ(aspectTextId(K::SemiSextile, NeptuneSlot, SunSlot), "Sun-Neptune:semisextile");
    EXPECT_EQ(aspectTextId(K::Quincunx, UranusSlot, VenusSlot), "Venus-Uranus:tense");
    EXPECT_EQ(aspectTextId(K::Opposition, NeptuneSlot, VenusSlot), "Venus-Neptune:tense");
}

TEST(AspectTexts, ParagraphsAreOneLineOfPrintableAsciiOfSensibleLength) {
    std::set<std::string_view> ids;
    std::set<std::string_view> used;
    for (const AspectKind kind : AllAspectKinds) {
        for (int a = 0; a < ChartPointCount; ++a) {
            for (int b = 0; b < ChartPointCount; ++b) used.insert(aspectTextId(kind, a, b));
        }
    }
    for (std::size_t k = 0; k < ParagraphTextCount; ++k) {
        const std::string_view id = ParagraphTexts[k].id;
        const std::string_view text = ParagraphTexts[k].text;
        EXPECT_TRUE(ids.insert(id).second) << "id stored twice: " << id;
        EXPECT_TRUE(used.contains(id)) << "no key reads " << id;
        EXPECT_GE(text.size(), 118u) << id;
        EXPECT_LE(text.size(), 470u) << id;
        for (const char c : text) {
            ASSERT_TRUE(c >= 0x20 && c <= 0x7E) << id << " has character " << int(c);
        }
    }
    EXPECT_EQ(ParagraphTextCount, 143u);
}

TEST(AspectInformation, FramesCarryTheirExactTexts) {
    const AspectInfo& semi = aspectInformation(K::SemiSextile);
    EXPECT_EQ(semi.tabCaption, "Semi Sextile");
    EXPECT_EQ(semi.keyword, "Response");
    EXPECT_EQ(semi.category, "Soft Aspect");
    EXPECT_EQ(semi.type, "Different element/ different quality/different gender");
    EXPECT_EQ(aspectInformation(K::Square).type,
              "Same quality/different element/different gender ");  // trailing blank kept
    EXPECT_EQ(aspectInformation(K::Conjunction).type, "Same Element / Same Quality/ Same Gender");
    const char* keywords[] = {"Power",     "Response",   "Opportunity", "Irritation",
                              "Easy Flow", "Adjustment", "Conflicts"};
    const char* categories[] = {"Hard Aspect", "Soft Aspect", "Soft Aspect", "Hard Aspect",
                                "Soft Aspect", "Hard Aspect", "Hard Aspect"};
    for (const AspectKind kind : AllAspectKinds) {
        const AspectInfo& info = aspectInformation(kind);
        EXPECT_EQ(info.keyword, keywords[indexOf(kind)]);
        EXPECT_EQ(info.category, categories[indexOf(kind)]);
        EXPECT_GE(info.significance.size(), 100u);
        EXPECT_LE(info.significance.size(), 600u);
    }
}

}  // namespace
}  // namespace zodrivel
