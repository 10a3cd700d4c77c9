// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/wheel/WheelLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>

#include "core/model/Angles.h"
#include "core/model/Zodiac.h"

namespace zodrivel {

namespace {

// Forward arc from a to b, 0 <= arc < 360.
double arcFrom(double a, double b) { return wrapDegrees(b - a); }

struct Cluster {
    std::vector<int> members;  // indices into the sorted order, consecutive
    double start;              // display position of the first member (unwrapped degrees)
};

}  // namespace

double wheelAngle(double longitude) { return (180.0 + longitude) * DegToRad; }

std::vector<double> spreadAlongRing(const std::vector<double>& longitudes, double spacing) {
    const int n = static_cast<int>(longitudes.size());
    if (n == 0) return {};
    if (spacing * n >= 360.0) spacing = 360.0 / n;  // cannot do better than evenly spaced

    // Walk the ring from the widest gap, so that no cluster straddles the cut.
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::ranges::sort(order, [&](int a, int b) {
        return wrapDegrees(longitudes[a]) < wrapDegrees(longitudes[b]);
    });
    int cut = 0;
    double widest = -1;
    for (int k = 0; k < n; ++k) {
        const double gap = n == 1 ? 360.0
                                  : arcFrom(wrapDegrees(longitudes[order[(k + n - 1) % n]]),
                                            wrapDegrees(longitudes[order[k]]));
        if (gap > widest) widest = gap, cut = k;
    }
    std::vector<double> unwrapped(n);  // positions along the cut ring, increasing
    std::vector<int> sorted(n);
    const double base = wrapDegrees(longitudes[order[cut]]);
    for (int k = 0; k < n; ++k) {
        sorted[k] = order[(cut + k) % n];
        unwrapped[k] = base + arcFrom(base, wrapDegrees(longitudes[sorted[k]]));
    }

    // Merge neighbouring clusters until none overlap; a cluster sits centred on the mean of its
    // members' places, which is the least-squares position for evenly spaced glyphs.
    std::vector<Cluster> clusters;
    const auto centred = [&](const std::vector<int>& members) {
        double mean = 0;
        for (const int m : members) mean += unwrapped[m];
        mean /= static_cast<double>(members.size());
        return mean - spacing * (static_cast<double>(members.size()) - 1) / 2;
    };
    for (int k = 0; k < n; ++k) {
        clusters.push_back({{k}, unwrapped[k]});
        while (clusters.size() > 1) {
            Cluster& last = clusters.back();
            Cluster& before = clusters[clusters.size() - 2];
            const double beforeEnd =
                before.start + spacing * static_cast<double>(before.members.size());
            if (beforeEnd <= last.start + 1e-9) break;
            before.members.insert(before.members.end(), last.members.begin(), last.members.end());
            before.start = centred(before.members);
            clusters.pop_back();
        }
    }
    // The last cluster may reach round to the first: then the first joins it, a full turn on,
    // and the merging goes on backwards. Each round removes a cluster, so this ends.
    const auto size = [](const Cluster& c) { return static_cast<double>(c.members.size()); };
    while (clusters.size() > 1 && clusters.back().start + spacing * size(clusters.back()) >
                                      clusters.front().start + 360 + 1e-9) {
        Cluster first = clusters.front();
        clusters.erase(clusters.begin());
        for (const int m : first.members) unwrapped[m] += 360;
        Cluster& last = clusters.back();
        last.members.insert(last.members.end(), first.members.begin(), first.members.end());
        last.start = centred(last.members);
        while (clusters.size() > 1) {
            Cluster& tail = clusters.back();
            Cluster& before = clusters[clusters.size() - 2];
            if (before.start + spacing * size(before) <= tail.start + 1e-9) break;
            before.members.insert(before.members.end(), tail.members.begin(), tail.members.end());
            before.start = centred(before.members);
            clusters.pop_back();
        }
    }
    std::vector<double> out(n);
    for (const Cluster& c : clusters) {
        for (std::size_t m = 0; m < c.members.size(); ++m) {
            out[sorted[c.members[m]]] = wrapDegrees(c.start + spacing * static_cast<double>(m));
        }
    }
    return out;
}

std::vector<double> spreadClearOfLines(const std::vector<double>& longitudes, double spacing,
                                       const std::vector<double>& lines, double clearance) {
    // Signed arc from a to b in (-180, 180].
    const auto signedArc = [](double a, double b) { return 180.0 - wrapDegrees(180.0 - (b - a)); };
    // The glyphs are spread from targets that start at the true places; a glyph too near a line
    // pulls its target away from the line by what it lacks, and the spreading runs again.
    // The clusters move by the mean of their members' pulls, so a few rounds are needed.
    std::vector<double> targets = longitudes;
    std::vector<double> best = spreadAlongRing(targets, spacing);
    double bestShortfall = -1;
    constexpr int Rounds = 40;
    for (int round = 0; round < Rounds; ++round) {
        const std::vector<double> shown = spreadAlongRing(targets, spacing);
        double shortfall = 0;
        std::vector<double> pull(longitudes.size(), 0.0);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (const double line : lines) {
                const double offset = signedArc(line, shown[i]);
                const double lacking = clearance - std::fabs(offset);
                if (lacking <= 1e-9) continue;
                shortfall += lacking;
                // Towards the side of the line where the body is; on the line, where it is drawn.
                const double truth = signedArc(line, longitudes[i]);
                const double side = std::fabs(truth) > 1e-9 ? truth : (offset != 0 ? offset : 1);
                pull[i] += (side > 0 ? 1 : -1) * (lacking + 0.05);
            }
        }
        if (bestShortfall < 0 || shortfall < bestShortfall) best = shown, bestShortfall = shortfall;
        if (shortfall == 0) break;
        // A glyph moves with its cluster (neighbours a spacing apart): pulled alone, its target
        // would pass a neighbour's and the two would swap places on the ring. Within a cluster
        // the pulls back go to the members up to the last one pulled back, the pulls forward
        // to those from the first one pulled forward: the shifts grow along the cluster, so
        // the order holds and a cluster a line runs through can part at the line.
        const std::size_t n = shown.size();
        std::vector<std::size_t> order(n);
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::ranges::sort(order, [&](std::size_t a, std::size_t b) { return shown[a] < shown[b]; });
        std::size_t start = 0;  // the cluster that begins after the widest gap comes first
        for (std::size_t k = 0; k < n; ++k) {
            if (arcFrom(shown[order[(k + n - 1) % n]], shown[order[k]]) > spacing + 1e-6) {
                start = k;
                break;
            }
        }
        std::vector<double> shift(n, 0.0);
        for (std::size_t k = 0; k < n;) {
            std::size_t end = k + 1;  // members order[start + k .. start + end)
            while (end < n && arcFrom(shown[order[(start + end - 1) % n]],
                                      shown[order[(start + end) % n]]) <= spacing + 1e-6) {
                ++end;
            }
            double back = 0, forward = 0;
            std::size_t lastBack = k, firstForward = end;
            for (std::size_t m = k; m < end; ++m) {
                const double p = pull[order[(start + m) % n]];
                if (p < 0) back += p, lastBack = m;
                if (p > 0) forward += p, firstForward = std::min(firstForward, m);
            }
            for (std::size_t m = k; m < end; ++m) {
                shift[order[(start + m) % n]] =
                    (back < 0 && m <= lastBack ? back : 0) + (m >= firstForward ? forward : 0);
            }
            k = end;
        }
        for (std::size_t i = 0; i < n; ++i) targets[i] = wrapDegrees(targets[i] + shift[i]);
    }
    return best;
}

int WheelLayout::indexOf(PointId id) const {
    for (const WheelBody& body : bodies) {
        if (body.id == id && !body.southNode) return body.slot;
    }
    return -1;
}

namespace {

WheelLine lineOf(const AspectHit& hit, const TextTranslator& texts, bool toPoint) {
    const bool hard = hit.kind == AspectKind::Square || hit.kind == AspectKind::Opposition ||
                      hit.kind == AspectKind::Quincunx;
    const bool minor = hit.kind == AspectKind::SemiSextile || hit.kind == AspectKind::Quincunx;
    std::string tooltip =
        aspectHeading(hit, texts) + ", " + std::to_string(std::abs(hit.separation)) + "\u00B0";
    return {hit,
            hard ? LineTone::Hard : LineTone::Soft,
            minor,
            minor ? 0.6 : 1.0,
            std::move(tooltip),
            toPoint};
}

}  // namespace

WheelLayout computeWheelLayout(std::span<const ChartPoint> bodies,
                               const std::vector<Aspect>& aspects, const TextTranslator& texts,
                               const std::vector<double>& lines, double spacing,
                               const std::vector<Aspect>& pointAspects) {
    WheelLayout layout;
    std::vector<double> longitudes;
    std::vector<std::pair<PointId, bool>> ids;  // identity, South Node
    for (const ChartPoint& body : bodies) {
        longitudes.push_back(body.longitude);
        ids.emplace_back(body.id, false);
        if (body.id == PointId::NorthNode) {
            longitudes.push_back(wrapDegrees(body.longitude + 180));
            ids.emplace_back(body.id, true);
        }
    }
    const std::vector<double> shown =
        spreadClearOfLines(longitudes, std::max(spacing, GlyphSpacing), lines, LineClearance);
    for (int slot = 0; slot < static_cast<int>(longitudes.size()); ++slot) {
        const SignPosition p = toSignPosition(longitudes[slot]);
        char label[32];
        std::snprintf(label, sizeof label, "%d\u00B0%02d'", p.degrees, p.minutes);
        const double moved = std::fabs(wrapDegrees(shown[slot] - longitudes[slot] + 180) - 180);
        layout.bodies.push_back({slot, longitudes[slot], shown[slot], moved > 0.5, label,
                                 ids[slot].first, ids[slot].second});
    }
    for (const Aspect& aspect : aspects) {
        if (aspect.hit.kind == AspectKind::Conjunction) continue;  // the glyphs already touch
        layout.lines.push_back(lineOf(aspect.hit, texts, false));
    }
    for (const Aspect& aspect : pointAspects) {
        if (aspect.hit.kind == AspectKind::Conjunction) continue;
        layout.pointLines.push_back(lineOf(aspect.hit, texts, true));
    }
    return layout;
}

}  // namespace zodrivel
