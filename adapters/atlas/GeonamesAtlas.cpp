// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/atlas/GeonamesAtlas.h"

#include <geonames.h>

namespace zodrivel {

namespace {

std::string text(const gchar* value) { return value != nullptr ? std::string(value) : std::string(); }

std::vector<Place> readAllCities() {
    std::vector<Place> places;
    const gint count = geonames_get_n_cities();
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (city == nullptr) continue;
        Place place;
        place.name = text(geonames_city_get_name(city));
        place.division = text(geonames_city_get_state(city));
        place.country = text(geonames_city_get_country(city));
        place.countryCode = text(geonames_city_get_country_code(city));
        place.latitude = geonames_city_get_latitude(city);
        place.longitude = geonames_city_get_longitude(city);
        place.zoneId = text(geonames_city_get_timezone(city));
        place.population = geonames_city_get_population(city);
        geonames_city_free(city);
        places.push_back(std::move(place));
    }
    return places;
}

}  // namespace

void GeonamesAtlas::load() const { index(); }

const PlaceIndex& GeonamesAtlas::index() const {
    std::call_once(loaded_, [this] { index_ = std::make_unique<PlaceIndex>(readAllCities()); });
    return *index_;
}

std::vector<Place> GeonamesAtlas::search(std::string_view query, std::size_t limit) const {
    return index().search(query, limit);
}

std::vector<Place> GeonamesAtlas::nearMatches(std::string_view query, std::size_t limit) const {
    return index().nearMatches(query, limit);
}

}  // namespace zodrivel
