// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/texts/TransitReadings.h"

#include <array>
#include <vector>

namespace zodrivel {

namespace {

using ReadingIndex =
    std::array<std::array<std::array<const char*, ReadingFamilyCount>, PointIdCount>, BodyCount>;

// By transiting body, natal point and family; built once from the two tables, never changed.
const ReadingIndex& readingIndex() {
    static const ReadingIndex index = [] {
        ReadingIndex built{};
        for (const auto table : {quickTransitReadings(), slowTransitReadings()}) {
            for (const KeyedReading& reading : table) {
                if (!isBody(reading.first)) continue;
                built[static_cast<std::size_t>(indexOf(reading.first))][static_cast<std::size_t>(
                    indexOf(reading.second))][static_cast<std::size_t>(reading.family)] =
                    reading.text;
            }
        }
        return built;
    }();
    return index;
}

}  // namespace

std::string_view transitReading(PointId transiting, PointId natal, AspectKind kind) {
    if (!isBody(transiting)) return {};
    const char* text =
        readingIndex()[static_cast<std::size_t>(indexOf(transiting))][static_cast<std::size_t>(
            indexOf(natal))][static_cast<std::size_t>(readingFamily(kind))];
    return text == nullptr ? std::string_view() : std::string_view(text);
}

std::span<const KeyedReading> transitReadings() {
    static const std::vector<KeyedReading> all = [] {
        std::vector<KeyedReading> joined;
        for (const auto table : {quickTransitReadings(), slowTransitReadings()})
            joined.insert(joined.end(), table.begin(), table.end());
        return joined;
    }();
    return all;
}

}  // namespace zodrivel
