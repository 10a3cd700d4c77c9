// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A place of birth as an atlas knows it: where it lies and which time zone it keeps.

#include <cstdint>
#include <string>

namespace zodrivel {

struct Place {
    std::string name;         // "São Paulo", as the atlas spells it
    std::string division;     // first-level division: state, province, region; may be empty
    std::string country;      // "Brazil"
    std::string countryCode;  // ISO 3166-1 alpha-2, "BR"
    double latitude = 0;      // degrees, north positive
    double longitude = 0;     // degrees, east positive
    std::string zoneId;       // time-zone database name, "America/Sao_Paulo"
    std::int64_t population = 0;

    friend bool operator==(const Place&, const Place&) = default;
};

}  // namespace zodrivel
