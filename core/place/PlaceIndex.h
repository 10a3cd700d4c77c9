// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The atlas searches over a list of places held in memory, with each name folded once up front
// so that a search compares plain lower-case text.

#include <string>
#include <vector>

#include "core/place/Atlas.h"
#include "core/place/TextFolding.h"

namespace zodrivel {

// The name part of a query, folded: "São Paulo, BR" gives "sao paulo".
std::string searchName(std::string_view query, const TextFolder& folder = latinTextFolder());
// Whether a place named `placeName` can match a query by its name at all (equal to, beginning
// with, or with a later word beginning with `searchName`), whatever its division and country:
// lets a one-off search keep only these places before building an index.
bool nameCanMatch(std::string_view placeName, const std::string& searchName,
                  const TextFolder& folder = latinTextFolder());

class PlaceIndex final : public Atlas {
public:
    // Names and queries folded by `folder`, which must outlive the index.
    explicit PlaceIndex(std::vector<Place> places, const TextFolder& folder = latinTextFolder());

    std::vector<Place> search(std::string_view query, std::size_t limit) const override;
    std::vector<Place> nearMatches(std::string_view query, std::size_t limit) const override;

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        Place place;
        std::string name;  // folded
    };
    std::vector<Entry> entries_;  // largest population first
    const TextFolder* folder_;
};

}  // namespace zodrivel
