// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Where places are found by name. The program's atlas is offline (an adapter over a place
// database); tests hand the same searches a few places of their own.

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/model/Place.h"

namespace zodrivel {

class Atlas {
public:
    virtual ~Atlas() = default;

    // Places matching `query`, best first, at most `limit`. The query is a name, optionally
    // followed by a division and/or a country after commas, each by name or ISO code
    // ("Springfield, Illinois", "Paris, FR", "Sydney, Australia"). Case and accents do not
    // matter. Names equal to the query come first, then names that begin with it, then names
    // with a word that begins with it; within each, the larger population first.
    virtual std::vector<Place> search(std::string_view query, std::size_t limit) const = 0;

    // Up to `limit` places whose names are closest to the query's name, for telling the user
    // what was perhaps meant when nothing matched.
    virtual std::vector<Place> nearMatches(std::string_view query, std::size_t limit) const = 0;
};

}  // namespace zodrivel
