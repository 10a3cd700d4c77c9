// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectPatterns.h"

#include <algorithm>
#include <tuple>

#include "core/model/Zodiac.h"

namespace zodrivel {

namespace {

constexpr int N = ChartPointCount;
constexpr int StelliumSize = 4;  // bodies in one sign

// Which aspect, if any, joins each pair of bodies, whichever of the two the search named first.
class AspectTable {
public:
    explicit AspectTable(std::span<const BodyAspect> aspects) {
        for (const BodyAspect& a : aspects) {
            if (a.first < 0 || a.first >= N || a.second < 0 || a.second >= N) continue;
            if (a.first == a.second) continue;
            table_[a.first][a.second] = a.kind;
            table_[a.second][a.first] = a.kind;
        }
    }
    bool has(int a, int b, AspectKind kind) const { return table_[a][b] == kind; }

private:
    std::array<std::array<std::optional<AspectKind>, N>, N> table_{};
};

using Trio = std::array<int, 3>;
using Quartet = std::array<int, 4>;

bool isGrandTrine(const AspectTable& t, const Trio& b) {
    return t.has(b[0], b[1], AspectKind::Trine) && t.has(b[0], b[2], AspectKind::Trine) &&
           t.has(b[1], b[2], AspectKind::Trine);
}

// The three ways to split four bodies into two pairs.
constexpr std::array<std::array<int, 4>, 3> Pairings{{{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}}};

// Counts of each kind among the four cross pairs of a pairing (a-b, c-d): a-c, a-d, b-c, b-d.
std::array<int, AspectKindCount> crossKinds(const AspectTable& t, int a, int b, int c, int d) {
    std::array<int, AspectKindCount> counts{};
    for (const auto& [x, y] : {std::pair{a, c}, {a, d}, {b, c}, {b, d}}) {
        for (const AspectKind kind : AllAspectKinds) {
            if (t.has(x, y, kind)) ++counts[indexOf(kind)];
        }
    }
    return counts;
}

// Two oppositions, a-b and c-d, and between them `first` twice and, if given, `second` twice.
bool isOppositionFigure(const AspectTable& t, const Quartet& q, AspectKind first,
                        std::optional<AspectKind> second) {
    for (const auto& p : Pairings) {
        const int a = q[p[0]], b = q[p[1]], c = q[p[2]], d = q[p[3]];
        if (!t.has(a, b, AspectKind::Opposition) || !t.has(c, d, AspectKind::Opposition)) continue;
        const auto counts = crossKinds(t, a, b, c, d);
        if (!second && counts[indexOf(first)] == 4) return true;
        if (second && counts[indexOf(first)] == 2 && counts[indexOf(*second)] == 2) return true;
    }
    return false;
}

bool contains(std::span<const int> set, int body) {
    return std::find(set.begin(), set.end(), body) != set.end();
}

bool comesBefore(const AspectPattern& x, const AspectPattern& y) {
    return std::tie(x.kind, x.sign, x.bodies) < std::tie(y.kind, y.sign, y.bodies);
}

}  // namespace

std::string_view patternKindName(PatternKind kind) {
    switch (kind) {
        case PatternKind::GrandTrine: return "Grand Trine";
        case PatternKind::Kite: return "Kite";
        case PatternKind::GrandCross: return "Grand Cross";
        case PatternKind::TSquare: return "T-Square";
        case PatternKind::Yod: return "Yod";
        case PatternKind::MysticRectangle: return "Mystic Rectangle";
        case PatternKind::Stellium: return "Stellium";
    }
    return "";
}

std::vector<BodyAspect> bodyAspectsOf(std::span<const AspectHit> hits) {
    std::vector<BodyAspect> out;
    out.reserve(hits.size());
    for (const AspectHit& hit : hits) {
        if (!isBody(hit.first) || !isBody(hit.second)) continue;
        out.push_back({hit.kind, indexOf(hit.first), indexOf(hit.second)});
    }
    return out;
}

std::vector<AspectPattern> findAspectPatterns(
    std::span<const BodyAspect> aspects, const std::array<double, ChartPointCount>& longitudes) {
    const AspectTable t(aspects);
    std::vector<AspectPattern> found;

    // Grand trines and the kites built on them.
    std::vector<Trio> trines;
    for (int a = 0; a < N; ++a)
        for (int b = a + 1; b < N; ++b)
            for (int c = b + 1; c < N; ++c)
                if (isGrandTrine(t, {a, b, c})) trines.push_back({a, b, c});
    for (const Trio& trio : trines) {
        bool inKite = false;
        for (int tail = 0; tail < N; ++tail) {
            if (contains(trio, tail)) continue;
            for (int k = 0; k < 3; ++k) {
                const int head = trio[k], left = trio[(k + 1) % 3], right = trio[(k + 2) % 3];
                if (t.has(tail, head, AspectKind::Opposition) &&
                    t.has(tail, left, AspectKind::Sextile) &&
                    t.has(tail, right, AspectKind::Sextile)) {
                    found.push_back({PatternKind::Kite, {trio[0], trio[1], trio[2], tail}, {}, {}});
                    inKite = true;
                }
            }
        }
        if (!inKite) {
            found.push_back({PatternKind::GrandTrine, {trio[0], trio[1], trio[2]}, {}, {}});
        }
    }

    // Grand crosses and mystic rectangles, each four bodies once.
    std::vector<Quartet> crosses;
    for (int a = 0; a < N; ++a)
        for (int b = a + 1; b < N; ++b)
            for (int c = b + 1; c < N; ++c)
                for (int d = c + 1; d < N; ++d) {
                    const Quartet q{a, b, c, d};
                    if (isOppositionFigure(t, q, AspectKind::Square, std::nullopt)) {
                        crosses.push_back(q);
                        found.push_back({PatternKind::GrandCross, {a, b, c, d}, {}, {}});
                    }
                    if (isOppositionFigure(t, q, AspectKind::Trine, AspectKind::Sextile)) {
                        found.push_back({PatternKind::MysticRectangle, {a, b, c, d}, {}, {}});
                    }
                }

    // T-squares outside the grand crosses, and yods.
    for (int a = 0; a < N; ++a) {
        for (int b = a + 1; b < N; ++b) {
            for (int apex = 0; apex < N; ++apex) {
                if (apex == a || apex == b) continue;
                if (t.has(a, b, AspectKind::Opposition) && t.has(a, apex, AspectKind::Square) &&
                    t.has(b, apex, AspectKind::Square)) {
                    const bool inCross =
                        std::any_of(crosses.begin(), crosses.end(), [&](const Quartet& q) {
                            return contains(q, a) && contains(q, b) && contains(q, apex);
                        });
                    if (!inCross) found.push_back({PatternKind::TSquare, {a, b, apex}, apex, {}});
                }
                if (t.has(a, b, AspectKind::Sextile) && t.has(a, apex, AspectKind::Quincunx) &&
                    t.has(b, apex, AspectKind::Quincunx)) {
                    found.push_back({PatternKind::Yod, {a, b, apex}, apex, {}});
                }
            }
        }
    }

    // Stellia: each body in the sign the chart prints for it.
    std::array<std::vector<int>, 12> bySign;
    for (int body = 0; body < N; ++body) {
        bySign[toSignPosition(longitudes[body]).sign].push_back(body);
    }
    for (int sign = 0; sign < 12; ++sign) {
        if (static_cast<int>(bySign[sign].size()) >= StelliumSize) {
            found.push_back({PatternKind::Stellium, bySign[sign], {}, sign});
        }
    }

    std::sort(found.begin(), found.end(), comesBefore);
    return found;
}

}  // namespace zodrivel
