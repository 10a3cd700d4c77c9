// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/texts/AspectTexts.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/texts/AspectParagraphTexts.h"

namespace zodrivel {

namespace {

// Ids per kind, in kind order: Conjunction, SemiSextile, Sextile, Square, Trine, Quincunx,
// Opposition. Most pairs have three paragraphs: one for the blending and easy aspects, one
// for the semi-sextile, one for the hard aspects.
using KindIds = std::array<std::string_view, AspectKindCount>;

struct PairSharing {
    int lower, higher;  // chart slots, lower first
    KindIds ids;        // a suffix after "Lower-Higher:", or a full id when it holds a ':'
};

// clang-format off
constexpr KindIds Usual{"flowing", "semisextile", "flowing", "tense",
                        "flowing", "tense",       "tense"};

// The six pairs that share differently. The Venus-Saturn and Venus-Uranus easy aspects read
// one paragraph written for both.
constexpr std::array<PairSharing, 6> Exceptions{{
    {MercurySlot, VenusSlot,
     {"conjunction-trine", "semisextile", "sextile", "tense", "conjunction-trine", "tense",
      "tense"}},
    {VenusSlot, SaturnSlot,
     {"conjunction", "semisextile", "Venus-Saturn-Uranus:sextile-trine", "tense",
      "Venus-Saturn-Uranus:sextile-trine", "tense", "tense"}},
    {VenusSlot, UranusSlot,
     {"conjunction", "semisextile", "Venus-Saturn-Uranus:sextile-trine", "tense",
      "Venus-Saturn-Uranus:sextile-trine", "tense", "tense"}},
    {UranusSlot, NeptuneSlot,
     {"conjunction", "semisextile", "sextile-trine", "square-opposition", "sextile-trine",
      "quincunx", "square-opposition"}},
    {UranusSlot, PlutoSlot,
     {"conjunction", "semisextile", "sextile-trine", "square", "sextile-trine", "quincunx",
      "opposition"}},
    {NeptuneSlot, PlutoSlot,
     {"conjunction", "semisextile", "sextile-trine", "tense", "sextile-trine", "tense",
      "tense"}},
}};
// clang-format on

// Every key and its reverse read the same paragraph: the report names the point further
// along the zodiac first, and which one that is says nothing about the meaning.

const KindIds& idsOfPair(int lower, int higher) {
    for (const PairSharing& p : Exceptions) {
        if (p.lower == lower && p.higher == higher) return p.ids;
    }
    return Usual;
}

struct IdTable {
    // [kind][first][second]
    std::array<std::array<std::array<std::string, ChartPointCount>, ChartPointCount>,
               AspectKindCount>
        ids;
    std::unordered_map<std::string_view, std::string_view> textById;

    IdTable() {
        for (std::size_t k = 0; k < ParagraphTextCount; ++k) {
            textById.emplace(ParagraphTexts[k].id, ParagraphTexts[k].text);
        }
        for (int a = 0; a < ChartPointCount; ++a) {
            for (int b = a + 1; b < ChartPointCount; ++b) {
                const KindIds& kindIds = idsOfPair(a, b);
                for (const AspectKind kind : AllAspectKinds) {
                    const std::string_view suffix = kindIds[indexOf(kind)];
                    std::string id(suffix);
                    if (suffix.find(':') == std::string_view::npos) {
                        id = std::string(ChartPointNameTexts[a]) + "-" +
                             std::string(ChartPointNameTexts[b]) + ":" + id;
                    }
                    ids[indexOf(kind)][a][b] = id;
                    ids[indexOf(kind)][b][a] = id;
                }
            }
        }
    }
};

const IdTable& idTable() {
    static const IdTable table;  // built once, read-only afterwards
    return table;
}

bool validPoint(int slot) { return slot >= 0 && slot < ChartPointCount; }

// clang-format off
constexpr std::array<AspectInfo, AspectKindCount> Information{{
    {"Conjunction", "Conjunction", "Power", "Hard Aspect",
     "Same Element / Same Quality/ Same Gender", {}},
    {"Semi Sextile", "Semi Sextile", "Response", "Soft Aspect",
     "Different element/ different quality/different gender", {}},
    {"Sextile", "Sextile", "Opportunity", "Soft Aspect",
     "Complementary element/different quality/same gender", {}},
    {"Square", "Square", "Irritation", "Hard Aspect",
     "Same quality/different element/different gender ", {}},
    {"Trine", "Trine", "Easy Flow", "Soft Aspect", "Same element/Different Quality/Same Gender",
     {}},
    {"Quincunx", "Quincunx", "Adjustment", "Hard Aspect",
     "Different Element/Different Quality/Different Gender", {}},
    {"Opposition", "Opposition", "Conflicts", "Hard Aspect",
     "Complementary Element/Same Quality/Same Gender", {}},
}};
// clang-format on

}  // namespace

std::string_view aspectTextId(AspectKind kind, int first, int second) {
    if (!validPoint(first) || !validPoint(second) || first == second) return {};
    return idTable().ids[indexOf(kind)][first][second];
}

std::string_view aspectText(AspectKind kind, int first, int second) {
    const std::string_view id = aspectTextId(kind, first, second);
    if (id.empty()) return {};
    const auto& byId = idTable().textById;
    const auto found = byId.find(id);
    return found == byId.end() ? std::string_view{} : found->second;
}

const AspectInfo& aspectInformation(AspectKind kind) {
    static const std::array<AspectInfo, AspectKindCount> withSignificance = [] {
        std::array<AspectInfo, AspectKindCount> info = Information;
        for (int k = 0; k < AspectKindCount; ++k) info[k].significance = SignificanceTexts[k];
        return info;
    }();
    return withSignificance[indexOf(kind)];
}

}  // namespace zodrivel
