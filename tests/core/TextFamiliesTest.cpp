// SPDX-License-Identifier: AGPL-3.0-or-later
// Which paragraph each aspect key reads, judged by the paragraph it actually gets: the pair and
// the aspects it was written for, the aspects it names, the years it describes. A key that
// reads another family's paragraph, two aspects of a pair trading paragraphs, or two pairs
// trading them, all leave every key with some sensible-looking text, so only a check of which
// text it is catches them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/texts/AspectParagraphTexts.h"
#include "core/texts/AspectTexts.h"

namespace zodrivel {
namespace {

using K = AspectKind;

std::string_view nameOf(int point) { return ChartPointNameTexts[point]; }

std::string keyName(AspectKind kind, int first, int second) {
    return std::string(aspectKindName(kind)) + " " + std::string(nameOf(first)) + "-" +
           std::string(nameOf(second));
}

std::vector<std::string_view> split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = s.find(separator, start);
        parts.push_back(s.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// What a stored paragraph's id says it was written for: "Sun-Moon:flowing" for the Sun and the
// Moon in the blending and easy aspects, "Venus-Saturn-Uranus:sextile-trine" for Venus's
// sextile and trine to Saturn and to Uranus (a shared paragraph names the common point first).
struct Label {
    std::string_view id;
    std::vector<std::string_view> points;
    std::set<AspectKind> kinds;

    bool writtenFor(std::string_view a, std::string_view b) const {
        if (points.size() < 2) return false;
        const auto partner = [&](std::string_view p) {
            return std::find(points.begin() + 1, points.end(), p) != points.end();
        };
        return (points[0] == a && partner(b)) || (points[0] == b && partner(a));
    }
};

// The words after the ':' of an id. The conjunction, sextile and trine blend or flow and share
// the "flowing" paragraph; the square, quincunx and opposition strain and share the "tense"
// one; the semi-sextile, neither, has its own. A pair with more to say names aspects singly.
Label labelOf(std::string_view id) {
    static const std::map<std::string_view, std::set<AspectKind>> KindsOfWord{
        {"flowing", {K::Conjunction, K::Sextile, K::Trine}},
        {"semisextile", {K::SemiSextile}},
        {"tense", {K::Square, K::Quincunx, K::Opposition}},
        {"conjunction", {K::Conjunction}},
        {"sextile", {K::Sextile}},
        {"square", {K::Square}},
        {"trine", {K::Trine}},
        {"quincunx", {K::Quincunx}},
        {"opposition", {K::Opposition}},
    };
    Label label{id, {}, {}};
    const std::size_t colon = id.find(':');
    if (colon == std::string_view::npos) return label;  // written for nothing: every use fails
    label.points = split(id.substr(0, colon), '-');
    for (const std::string_view word : split(id.substr(colon + 1), '-')) {
        const auto found = KindsOfWord.find(word);
        if (found != KindsOfWord.end())
            label.kinds.insert(found->second.begin(), found->second.end());
    }
    return label;
}

// Every stored paragraph's label, found by its text.
const std::map<std::string_view, Label>& labelsByText() {
    static const std::map<std::string_view, Label> labels = [] {
        std::map<std::string_view, Label> byText;
        for (std::size_t k = 0; k < ParagraphTextCount; ++k) {
            byText.emplace(ParagraphTexts[k].text, labelOf(ParagraphTexts[k].id));
        }
        return byText;
    }();
    return labels;
}

// The aspects a paragraph names in its own words ("This rare opposition ..."): whole words,
// plurals too, and a semi-sextile is not also a sextile.
std::set<AspectKind> aspectsNamedIn(std::string_view text) {
    static const std::map<std::string, AspectKind, std::less<>> Words{
        {"conjunction", K::Conjunction}, {"semi-sextile", K::SemiSextile},
        {"semisextile", K::SemiSextile}, {"sextile", K::Sextile},
        {"square", K::Square},           {"trine", K::Trine},
        {"quincunx", K::Quincunx},       {"inconjunct", K::Quincunx},
        {"opposition", K::Opposition},
    };
    std::set<AspectKind> named;
    std::string word;
    const auto endWord = [&] {
        std::string_view w = word;
        while (!w.empty() && w.front() == '-') w.remove_prefix(1);
        while (!w.empty() && w.back() == '-') w.remove_suffix(1);
        auto found = Words.find(w);
        if (found == Words.end() && w.ends_with('s')) found = Words.find(w.substr(0, w.size() - 1));
        if (found != Words.end()) named.insert(found->second);
        word.clear();
    };
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u) || c == '-') {
            word += static_cast<char>(std::tolower(u));
        } else {
            endWord();
        }
    }
    endWord();
    return named;
}

std::string namesOf(const std::set<AspectKind>& kinds) {
    std::string names;
    for (const AspectKind kind : kinds)
        names += (names.empty() ? "" : ", ") + std::string(aspectKindName(kind));
    return names;
}

// Both orders of every pair: the report names either point first, and each order is a key of
// its own that can go wrong on its own.
template <typename Check>
void forEveryKey(Check check) {
    for (const AspectKind kind : AllAspectKinds) {
        for (int a = 0; a < ChartPointCount; ++a) {
            for (int b = 0; b < ChartPointCount; ++b) {
                if (a != b) check(kind, a, b);
            }
        }
    }
}

TEST(TextFamilies, EveryKeyReadsAParagraphWrittenForItsPairAndItsAspect) {
    const auto& labels = labelsByText();
    forEveryKey([&](AspectKind kind, int a, int b) {
        const auto found = labels.find(aspectText(kind, a, b));
        if (found == labels.end()) {
            ADD_FAILURE() << keyName(kind, a, b) << " reads no stored paragraph";
            return;
        }
        const Label& label = found->second;
        EXPECT_TRUE(label.writtenFor(nameOf(a), nameOf(b)))
            << keyName(kind, a, b) << " reads the paragraph stored as " << label.id
            << ", written for another pair";
        EXPECT_TRUE(label.kinds.contains(kind))
            << keyName(kind, a, b) << " reads the paragraph stored as " << label.id
            << ", written for " << namesOf(label.kinds);
    });
}

// An id can be right while the text under it is not; a paragraph that names its aspect says
// for itself which keys may read it.
TEST(TextFamilies, NoKeyReadsAParagraphThatNamesAnotherAspect) {
    int keysWithANamedAspect = 0;
    forEveryKey([&](AspectKind kind, int a, int b) {
        const std::set<AspectKind> named = aspectsNamedIn(aspectText(kind, a, b));
        if (named.empty()) return;
        ++keysWithANamedAspect;
        EXPECT_TRUE(named.contains(kind))
            << keyName(kind, a, b) << " reads a paragraph about the " << namesOf(named);
    });
    // Without a paragraph naming its aspect the check above would pass on anything.
    EXPECT_GT(keysWithANamedAspect, 0);
}

// Aspects between the slowest planets last years and belong to a generation, so their
// paragraphs say when they formed. Those years are astronomy rather than wording, and they
// tie each of these paragraphs to one aspect of one pair whatever its id says.
TEST(TextFamilies, GenerationalParagraphsAreReadForTheYearsTheyDescribe) {
    struct Dated {
        AspectKind kind;
        int lower, higher;
        std::string_view phrase;
    };
    const Dated dated[] = {
        // The spans are the years of 1901..2050 in which the search finds the aspect, from a
        // day-by-day sweep of the classic model. Found 1901-05 and 2042-50: "born from 1901 to
        // about 1905 and again from the early 2040s". The square and the opposition of this
        // pair once traded paragraphs unseen.
        {K::Opposition, UranusSlot, PlutoSlot, "from 1901 to about 1905"},
        // Found only 1914-19: "born from about 1914 to 1919" (it once said "a span of decades").
        {K::SemiSextile, NeptuneSlot, PlutoSlot, "1914 to 1919"},
        // Found 1929-37 and 2007-19, without a break 1931-35 and 2010-16: "many born from 1929
        // to 1937 or from 2007 to 2019, and ... nearly all born from 1931 to 1935 or from 2010
        // to 2016" (it once said "the early 1930s and again in the early 2010s").
        {K::Square, UranusSlot, PlutoSlot, "from 1929 to 1937"},
        // Found from 1961-09-18 to 1970-08-19, with gaps in 1962 and 1969-70: "Most people born
        // between September 1961 and August 1970" (it once said "Everyone born in the 1960s").
        {K::Conjunction, UranusSlot, PlutoSlot, "September 1961 and August 1970"},
        // Exact 1993: "from roughly the late 1980s through the 1990s".
        {K::Conjunction, UranusSlot, NeptuneSlot, "1990s"},
        // Exact 1891-92: "This extremely rare conjunction ... last formed in the early 1890s".
        {K::Conjunction, NeptuneSlot, PlutoSlot, "1890s"},
    };
    for (const Dated& d : dated) {
        forEveryKey([&](AspectKind kind, int a, int b) {
            const bool itsKey =
                kind == d.kind && std::min(a, b) == d.lower && std::max(a, b) == d.higher;
            const bool reads = aspectText(kind, a, b).find(d.phrase) != std::string_view::npos;
            if (itsKey) {
                EXPECT_TRUE(reads) << keyName(kind, a, b) << " does not read its paragraph, the "
                                   << "one saying \"" << d.phrase << "\"";
            } else {
                EXPECT_FALSE(reads)
                    << keyName(kind, a, b) << " reads the paragraph saying \"" << d.phrase
                    << "\", written for the " << keyName(d.kind, d.lower, d.higher);
            }
        });
    }
}

}  // namespace
}  // namespace zodrivel
