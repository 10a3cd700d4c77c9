// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The atlas searches over a list of places held in memory, with each name folded once up front
// so that a search compares plain lower-case text.

#include <string>
#include <vector>

#include "core/place/Atlas.h"

namespace zodrivel {

class PlaceIndex final : public Atlas {
public:
    explicit PlaceIndex(std::vector<Place> places);

    std::vector<Place> search(std::string_view query, std::size_t limit) const override;
    std::vector<Place> nearMatches(std::string_view query, std::size_t limit) const override;

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        Place place;
        std::string name;  // folded
    };
    std::vector<Entry> entries_;  // largest population first
};

}  // namespace zodrivel
