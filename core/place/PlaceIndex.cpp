// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/place/PlaceIndex.h"

#include <algorithm>

#include "core/place/TextFolding.h"

namespace zodrivel {

namespace {

struct Query {
    std::string name;
    std::vector<std::string> qualifiers;  // division and/or country, folded
};

Query parseQuery(std::string_view text, const TextFolder& folder) {
    Query query;
    bool first = true;
    while (true) {
        const std::size_t comma = text.find(',');
        std::string part = folder.fold(text.substr(0, comma));
        if (first) {
            query.name = std::move(part);
            first = false;
        } else if (!part.empty()) {
            query.qualifiers.push_back(std::move(part));
        }
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return query;
}

// 0 for the same name, 1 for a name that begins with the query, 2 for a later word of the name
// that does ("york" in "new york"); -1 for no match.
int nameTier(const std::string& name, const std::string& query) {
    if (name == query) return 0;
    if (name.starts_with(query)) return 1;
    for (std::size_t at = name.find_first_of(" -'"); at != std::string::npos;
         at = name.find_first_of(" -'", at + 1)) {
        if (std::string_view(name).substr(at + 1).starts_with(query)) return 2;
    }
    return -1;
}

}  // namespace

std::string searchName(std::string_view query, const TextFolder& folder) {
    return parseQuery(query, folder).name;
}

bool nameCanMatch(std::string_view placeName, const std::string& searchName,
                  const TextFolder& folder) {
    return !searchName.empty() && nameTier(folder.fold(placeName), searchName) >= 0;
}

PlaceIndex::PlaceIndex(std::vector<Place> places, const TextFolder& folder) : folder_(&folder) {
    // Ordered by population through indices: moving the entries themselves (nine strings each)
    // cost more than all the rest of building the index.
    std::vector<std::size_t> order(places.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) {
        return places[a].population > places[b].population;
    });
    entries_.reserve(places.size());
    for (const std::size_t i : order) {
        Place& place = places[i];
        Entry entry;
        entry.name = folder.fold(place.name);
        entry.place = std::move(place);
        entries_.push_back(std::move(entry));
    }
}

std::vector<Place> PlaceIndex::search(std::string_view text, std::size_t limit) const {
    const Query query = parseQuery(text, *folder_);
    if (query.name.empty() || limit == 0) return {};
    // Each qualifier must name the division or the country (by name or code) of the place.
    // Division and country are folded only for places whose name matched.
    const auto qualified = [&](const Entry& entry) {
        if (query.qualifiers.empty()) return true;
        const struct {
            std::string division, country, countryCode;
        } e{folder_->fold(entry.place.division), folder_->fold(entry.place.country),
            folder_->fold(entry.place.countryCode)};
        return std::ranges::all_of(query.qualifiers, [&](const std::string& q) {
            // "West Bengal" names "State of West Bengal"; "Ile-de-France" names
            // "Ile-de-France Region".
            return q == e.division || q == e.country || q == e.countryCode ||
                   e.division.starts_with(q + " ") || e.division.ends_with(" " + q);
        });
    };
    std::vector<const Entry*> tiers[3];
    for (const Entry& entry : entries_) {
        const int tier = nameTier(entry.name, query.name);
        if (tier < 0 || tiers[tier].size() >= limit || !qualified(entry)) continue;
        tiers[tier].push_back(&entry);
    }
    std::vector<Place> found;
    for (const auto& tier : tiers) {
        for (const Entry* entry : tier) {
            if (found.size() == limit) return found;
            found.push_back(entry->place);
        }
    }
    return found;
}

std::vector<Place> PlaceIndex::nearMatches(std::string_view text, std::size_t limit) const {
    const Query query = parseQuery(text, *folder_);
    if (query.name.empty()) return {};
    const std::size_t cap = std::max<std::size_t>(2, query.name.size() / 3);
    std::vector<std::pair<std::size_t, const Entry*>> close;
    for (const Entry& entry : entries_) {
        const std::size_t distance = editDistance(entry.name, query.name, cap);
        if (distance <= cap) close.emplace_back(distance, &entry);
    }
    // Entries are already by population, so a stable sort keeps the larger first on ties.
    std::ranges::stable_sort(close, {}, &std::pair<std::size_t, const Entry*>::first);
    std::vector<Place> near;
    for (const auto& [distance, entry] : close) {
        if (near.size() == limit) break;
        near.push_back(entry->place);
    }
    return near;
}

}  // namespace zodrivel
