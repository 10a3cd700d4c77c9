// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/aspects/AspectPatterns.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <tuple>

#include "core/model/Zodiac.h"

namespace zodrivel {

namespace {

constexpr int N = ChartPointCount;
constexpr int StelliumSize = 4;  // bodies in one sign

// A list of at most `Most` items on the stack, left uninitialised beyond its size: a chart's
// figures are searched with no allocation but for the figures found. `Most` is the count of
// every combination, which no list can exceed.
template <typename T, std::size_t Most>
class FewAtMost {
public:
    void push_back(const T& item) { items_[size_++] = item; }
    std::size_t size() const { return size_; }
    const T& operator[](std::size_t k) const { return items_[k]; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + size_; }

private:
    std::array<T, Most> items_;
    std::size_t size_ = 0;
};

// Which aspect, if any, joins each pair of bodies, whichever of the two the search named first;
// and the pairs of each kind, each once.
class AspectTable {
public:
    static constexpr std::size_t Pairs = N * (N - 1) / 2;
    struct Pair {  // trivial, so a list of them is not cleared before use
        int low, high;
    };
    using PairList = FewAtMost<Pair, Pairs>;

    explicit AspectTable(std::span<const BodyAspect> aspects) {
        for (auto& row : table_) row.fill(None);
        for (const BodyAspect& a : aspects) {
            if (!valid(a)) continue;
            const auto kind = static_cast<std::int8_t>(indexOf(a.kind));
            // A pair named again takes the later kind, in the masks as in the table.
            if (const std::int8_t before = table_[a.first][a.second]; before != None) {
                join(before, a.first, a.second, false);
            }
            table_[a.first][a.second] = kind;
            table_[a.second][a.first] = kind;
            join(kind, a.first, a.second, true);
        }
        listPairs(aspects);
    }
    bool has(int a, int b, AspectKind kind) const { return table_[a][b] == indexOf(kind); }
    // The bodies joined to `a` by `kind`, one bit each: a figure's third or fourth body is
    // found by intersecting these rather than by trying every body, a branch each that a
    // batch of different charts could not predict.
    std::uint16_t joined(int a, AspectKind kind) const { return joined_[indexOf(kind)][a]; }
    // The pairs a < b joined by `kind`.
    const PairList& pairs(AspectKind kind) const { return pairs_[indexOf(kind)]; }

private:
    static constexpr std::int8_t None = -1;

    void join(std::int8_t kind, int a, int b, bool joined) {
        auto& masks = joined_[static_cast<std::size_t>(kind)];
        const auto bitA = static_cast<std::uint16_t>(1u << a);
        const auto bitB = static_cast<std::uint16_t>(1u << b);
        if (joined) {
            masks[a] |= bitB;
            masks[b] |= bitA;
        } else {
            masks[a] &= static_cast<std::uint16_t>(~bitB);
            masks[b] &= static_cast<std::uint16_t>(~bitA);
        }
    }
    static bool valid(const BodyAspect& a) {
        return a.first >= 0 && a.first < N && a.second >= 0 && a.second < N && a.first != a.second;
    }
    // Each pair once, under the kind it was last given: the search names most pairs both ways
    // round.
    void listPairs(std::span<const BodyAspect> aspects) {
        std::array<std::array<bool, N>, N> listed{};
        for (const BodyAspect& a : aspects) {
            if (!valid(a)) continue;
            const int low = std::min(a.first, a.second), high = std::max(a.first, a.second);
            if (listed[low][high]) continue;
            listed[low][high] = true;
            pairs_[static_cast<std::size_t>(table_[low][high])].push_back({low, high});
        }
    }

    std::array<std::array<std::int8_t, N>, N> table_;
    std::array<std::array<std::uint16_t, N>, AspectKindCount> joined_{};
    std::array<PairList, AspectKindCount> pairs_;
};

using Trio = std::array<int, 3>;
using Quartet = std::array<int, 4>;

// The three ways to split four bodies into two pairs.
constexpr std::array<std::array<int, 4>, 3> Pairings{{{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}}};

// Two oppositions, a-b and c-d, and between them (a-c, a-d, b-c, b-d) `first` twice and
// `second` twice, or `first` four times when there is no second.
bool isOppositionFigure(const AspectTable& t, const Quartet& q, AspectKind first,
                        std::optional<AspectKind> second) {
    for (const auto& p : Pairings) {
        const int a = q[p[0]], b = q[p[1]], c = q[p[2]], d = q[p[3]];
        if (!t.has(a, b, AspectKind::Opposition) || !t.has(c, d, AspectKind::Opposition)) continue;
        int firsts = 0, seconds = 0;
        for (const auto& [x, y] : {std::pair{a, c}, {a, d}, {b, c}, {b, d}}) {
            if (t.has(x, y, first)) ++firsts;
            if (second && t.has(x, y, *second)) ++seconds;
        }
        if (!second && firsts == 4) return true;
        if (second && firsts == 2 && seconds == 2) return true;
    }
    return false;
}

// The sign the chart prints for `longitude`, as toSignPosition gives it, with a short road for
// a longitude already within 0..360, as a chart's are.
int printedSign(double longitude) {
    constexpr int MinutesPerCircle = 360 * 60, MinutesPerSign = 30 * 60;
    const double minutes = longitude * 60;
    if (minutes >= 0 && minutes < MinutesPerCircle) {
        return static_cast<int>(minutes) / MinutesPerSign;
    }
    return toSignPosition(longitude).sign;
}

// Calls `visit` with each body whose bit is set, lowest first.
template <typename Visit>
void forEachBody(unsigned bodies, Visit visit) {
    for (; bodies != 0; bodies &= bodies - 1) visit(std::countr_zero(bodies));
}

template <typename Set, typename T>
bool contains(const Set& set, T item) {
    return std::find(set.begin(), set.end(), item) != set.end();
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
    // A chart has a handful of aspects among 45 pairs: each figure is looked for from the
    // pairs that must be in it (an opposition, a sextile, a trine) rather than from every trio
    // and quartet of bodies, which cost more than the rest of the chart together.
    const AspectTable t(aspects);
    std::vector<AspectPattern> found;

    // Grand trines and the kites built on them.
    FewAtMost<Trio, N*(N - 1) * (N - 2) / 6> trines;  // every trio, at the very most
    for (const AspectTable::Pair& pair : t.pairs(AspectKind::Trine)) {
        const int a = pair.low, b = pair.high;  // named, not bound, for the lambda (clang 14)
        const unsigned afterB = ~((2u << b) - 1);
        forEachBody(t.joined(a, AspectKind::Trine) & t.joined(b, AspectKind::Trine) & afterB,
                    [&](int c) {
            trines.push_back({a, b, c});
        });
    }
    for (const Trio& trio : trines) {
        bool inKite = false;
        // A tail opposes one body of the trine (the head) and is sextile to the other two, in
        // the order of the tails and then of the heads, as the figures are listed.
        std::array<unsigned, 3> tailsOf{};
        for (int k = 0; k < 3; ++k) {
            const int head = trio[k], left = trio[(k + 1) % 3], right = trio[(k + 2) % 3];
            tailsOf[k] = t.joined(head, AspectKind::Opposition) &
                         t.joined(left, AspectKind::Sextile) & t.joined(right, AspectKind::Sextile);
        }
        forEachBody(tailsOf[0] | tailsOf[1] | tailsOf[2], [&](int tail) {
            for (int k = 0; k < 3; ++k) {
                if ((tailsOf[k] >> tail & 1u) == 0) continue;
                found.push_back({PatternKind::Kite, {trio[0], trio[1], trio[2], tail}, {}, {}});
                inKite = true;
            }
        });
        if (!inKite) {
            found.push_back({PatternKind::GrandTrine, {trio[0], trio[1], trio[2]}, {}, {}});
        }
    }

    // Grand crosses and mystic rectangles: four bodies holding two oppositions, each four
    // bodies once however many ways they pair.
    const auto& oppositions = t.pairs(AspectKind::Opposition);
    constexpr std::size_t Quartets = N * (N - 1) * (N - 2) * (N - 3) / 24;
    FewAtMost<Quartet, Quartets> crosses;
    FewAtMost<unsigned, Quartets> seen;
    for (std::size_t i = 0; i < oppositions.size(); ++i) {
        for (std::size_t j = i + 1; j < oppositions.size(); ++j) {
            const auto [a, b] = oppositions[i];
            const auto [c, d] = oppositions[j];
            const unsigned bodies = 1u << a | 1u << b | 1u << c | 1u << d;
            if (std::popcount(bodies) != 4 || contains(seen, bodies)) continue;
            seen.push_back(bodies);
            Quartet q{a, b, c, d};
            std::sort(q.begin(), q.end());
            if (isOppositionFigure(t, q, AspectKind::Square, std::nullopt)) {
                crosses.push_back(q);
                found.push_back({PatternKind::GrandCross, {q.begin(), q.end()}, {}, {}});
            }
            if (isOppositionFigure(t, q, AspectKind::Trine, AspectKind::Sextile)) {
                found.push_back({PatternKind::MysticRectangle, {q.begin(), q.end()}, {}, {}});
            }
        }
    }

    // T-squares outside the grand crosses, and yods.
    for (const auto& opposed : oppositions) {
        // Named, not bound: a lambda below captures them (clang 14 cannot capture a binding).
        const int a = opposed.low, b = opposed.high;
        forEachBody(t.joined(a, AspectKind::Square) & t.joined(b, AspectKind::Square),
                    [&](int apex) {
            const bool inCross = std::any_of(crosses.begin(), crosses.end(), [&](const Quartet& q) {
                return contains(q, a) && contains(q, b) && contains(q, apex);
            });
            if (!inCross) found.push_back({PatternKind::TSquare, {a, b, apex}, apex, {}});
        });
    }
    for (const AspectTable::Pair& pair : t.pairs(AspectKind::Sextile)) {
        const int a = pair.low, b = pair.high;  // named, for the lambda (as above)
        forEachBody(t.joined(a, AspectKind::Quincunx) & t.joined(b, AspectKind::Quincunx),
                    [&](int apex) {
            found.push_back({PatternKind::Yod, {a, b, apex}, apex, {}});
        });
    }

    // Stellia: each body in the sign the chart prints for it.
    std::array<int, N> signOf{};
    std::array<int, 12> inSign{};
    for (int body = 0; body < N; ++body) {
        signOf[body] = printedSign(longitudes[body]);
        ++inSign[signOf[body]];
    }
    for (int sign = 0; sign < 12; ++sign) {
        if (inSign[sign] < StelliumSize) continue;
        std::vector<int> bodies;
        for (int body = 0; body < N; ++body) {
            if (signOf[body] == sign) bodies.push_back(body);
        }
        found.push_back({PatternKind::Stellium, std::move(bodies), {}, sign});
    }

    std::sort(found.begin(), found.end(), comesBefore);
    return found;
}

}  // namespace zodrivel
