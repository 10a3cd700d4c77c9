// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/atlas/GeonamesAtlas.h"

#include <charconv>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <functional>
#include <geonames.h>
#include <optional>
#include <sys/stat.h>

#include "adapters/io/RegularFileReader.h"
#include "adapters/io/SafeFileWriter.h"

namespace zodrivel {

namespace {

std::string text(const gchar* value) {
    return value != nullptr ? std::string(value) : std::string();
}

std::vector<Place> readFromLibrary() {
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

// Reading the database through the library takes a few hundred milliseconds, which a command
// that should answer at once cannot afford; so the places are kept in a plain cache file,
// rebuilt whenever the library (which holds the data) or the language of the names changes.
constexpr std::string_view CacheFormat = "zodrivel-atlas 2";

std::string cacheKey() {
    std::string key(CacheFormat);
    Dl_info info{};
    struct stat file {};
    if (dladdr(reinterpret_cast<void*>(&geonames_get_n_cities), &info) != 0 &&
        info.dli_fname != nullptr && ::stat(info.dli_fname, &file) == 0) {
        // Appended piece by piece: GCC 12 at -O3 reports a false -Werror=restrict on
        // `" " + std::string(...)` (GCC bug 105651), which the release package is built with.
        key.append(" ").append(info.dli_fname);
        key.append(" ").append(std::to_string(file.st_size));
        key.append(" ").append(std::to_string(file.st_mtim.tv_sec));
    }
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        key.append(" ").append(value != nullptr ? value : "-");
    }
    return key;
}

std::optional<std::filesystem::path> cacheFile() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path folder;
    if (xdg != nullptr && *xdg == '/') {
        folder = xdg;
    } else if (home != nullptr && *home == '/') {
        folder = std::filesystem::path(home) / ".cache";
    } else {
        return std::nullopt;
    }
    return folder / "zodrivel" / "atlas.tsv";
}

std::string cleanField(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

std::string number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// The cache is at most this large; anything larger is not one this program wrote.
constexpr std::uintmax_t MaxCacheBytes = 64 * 1024 * 1024;
// The last line of a cache: this text and the number of places above it. A file cut short
// (a full disk, a copy interrupted) at a line boundary still reads line by line; without the
// count it would be trusted, and the places after the cut never found.
constexpr std::string_view CacheEnd = "end ";

// The cached places, or only those whose name `keep` accepts; nothing when the cache is
// missing, is not a regular file of sane size, or does not check out (another key, a line
// that does not read, a count that does not match): then it is rebuilt.
std::optional<std::vector<Place>> readCache(const std::filesystem::path& path,
                                            const std::string& key,
                                            const std::function<bool(std::string_view)>& keep) {
    const auto bytes = readRegularFile(path, MaxCacheBytes);
    if (!std::holds_alternative<std::string>(bytes)) return std::nullopt;
    std::string_view text = std::get<std::string>(bytes);
    const auto nextLine = [&text]() -> std::optional<std::string_view> {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // every line ends in one
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        return line;
    };
    if (nextLine() != std::optional<std::string_view>(key)) return std::nullopt;
    std::vector<Place> places;
    constexpr std::size_t BytesPerPlace = 70;  // a little less than the cache file's average
    if (!keep) places.reserve(text.size() / BytesPerPlace);
    const auto parse = [](std::string_view field, auto& value) {
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        return error == std::errc{} && end == field.data() + field.size();
    };
    std::size_t lines = 0;
    for (;;) {
        const auto line = nextLine();
        if (!line) return std::nullopt;  // no end line: cut short
        if (line->starts_with(CacheEnd)) {
            std::size_t count = 0;
            if (!parse(line->substr(CacheEnd.size()), count) || count != lines || !text.empty()) {
                return std::nullopt;
            }
            break;
        }
        ++lines;
        std::string_view rest = *line;
        std::string_view fields[8];
        for (int f = 0; f < 8; ++f) {
            const std::size_t tab = rest.find('\t');
            if ((tab == std::string_view::npos) != (f == 7)) return std::nullopt;
            fields[f] = rest.substr(0, tab);
            rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
        }
        Place place{std::string(fields[0]),
                    std::string(fields[1]),
                    std::string(fields[2]),
                    std::string(fields[3]),
                    0,
                    0,
                    std::string(fields[6]),
                    0};
        if (!parse(fields[4], place.latitude) || !parse(fields[5], place.longitude) ||
            !parse(fields[7], place.population)) {
            return std::nullopt;
        }
        if (keep && !keep(fields[0])) continue;
        places.push_back(std::move(place));
    }
    if (lines == 0) return std::nullopt;
    return places;
}

void writeCache(const std::filesystem::path& path, const std::string& key,
                const std::vector<Place>& places) {
    std::string text = key + "\n";
    for (const Place& p : places) {
        text += cleanField(p.name) + "\t" + cleanField(p.division) + "\t" + cleanField(p.country) +
                "\t" + cleanField(p.countryCode) + "\t" + number(p.latitude) + "\t" +
                number(p.longitude) + "\t" + cleanField(p.zoneId) + "\t" +
                std::to_string(p.population) + "\n";
    }
    text += std::string(CacheEnd) + std::to_string(places.size()) + "\n";
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    // The cache's own name in the program's own folder: something there that is not a regular
    // file (a FIFO, a link to a device) was never a cache, and the writer would refuse to
    // replace it, so it goes.
    struct stat found {};
    if (::stat(path.c_str(), &found) == 0 && !S_ISREG(found.st_mode) && !S_ISDIR(found.st_mode)) {
        std::filesystem::remove(path, ignored);
    }
    // A cache that cannot be written only costs the next run its speed.
    SafeFileWriter{}.write(path, text);
}

std::vector<Place> readAllCities() {
    const auto path = cacheFile();
    const std::string key = cacheKey();
    if (path) {
        if (auto cached = readCache(*path, key, {})) return std::move(*cached);
    }
    std::vector<Place> places = readFromLibrary();
    if (path && !places.empty()) writeCache(*path, key, places);
    return places;
}

}  // namespace

void GeonamesAtlas::load() const { index(); }

const PlaceIndex& GeonamesAtlas::index() const {
    std::call_once(loaded_,
                   [this] { index_ = std::make_unique<PlaceIndex>(readAllCities(), folder_); });
    return *index_;
}

std::vector<Place> GeonamesAtlas::searchOnce(std::string_view query, std::size_t limit) const {
    if (const auto path = cacheFile()) {
        const std::string wanted = searchName(query, folder_);
        const auto keep = [this, &wanted](std::string_view name) {
            return nameCanMatch(name, wanted, folder_);
        };
        if (auto matching = readCache(*path, cacheKey(), keep)) {
            return PlaceIndex(std::move(*matching), folder_).search(query, limit);
        }
    }
    return search(query, limit);  // no cache yet: this run writes it
}

std::vector<Place> GeonamesAtlas::search(std::string_view query, std::size_t limit) const {
    return index().search(query, limit);
}

std::vector<Place> GeonamesAtlas::nearMatches(std::string_view query, std::size_t limit) const {
    return index().nearMatches(query, limit);
}

}  // namespace zodrivel
