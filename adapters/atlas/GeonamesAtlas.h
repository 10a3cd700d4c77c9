// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The offline atlas: the cities of the geonames database that libgeonames ships (about 24,000
// places with coordinates, division, country and time zone), read into memory on the first
// search so that a window that never searches pays nothing for it.

#include <memory>
#include <mutex>

#include "adapters/text/IcuTextFolder.h"
#include "core/place/PlaceIndex.h"

namespace zodrivel {

class GeonamesAtlas final : public Atlas {
public:
    std::vector<Place> search(std::string_view query, std::size_t limit) const override;
    std::vector<Place> nearMatches(std::string_view query, std::size_t limit) const override;

    // Reads the database now rather than on the first search.
    void load() const;

    // One search for a program that makes only one (the command line): reads only the places
    // whose names can match and keeps nothing, which answers several times faster than
    // reading every place. The same places in the same order as search().
    std::vector<Place> searchOnce(std::string_view query, std::size_t limit) const;

private:
    const PlaceIndex& index() const;

    IcuTextFolder folder_;  // names and queries folded alike, accents of every script
    mutable std::once_flag loaded_;
    mutable std::unique_ptr<PlaceIndex> index_;
};

}  // namespace zodrivel
