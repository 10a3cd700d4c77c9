// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/texts/PointReadings.h"

#include <utility>

namespace zodrivel {

namespace {

bool isReadPoint(PointId id) { return isAngle(id) || isLunarOrMinorPoint(id); }

}  // namespace

std::string_view pointReading(PointId point, PointId body, AspectKind kind) {
    if (isBody(point) && isReadPoint(body)) std::swap(point, body);
    if (!isReadPoint(point) || !isBody(body)) return {};
    const ReadingFamily family = readingFamily(kind);
    for (const KeyedReading& reading : pointReadings())
        if (reading.first == point && reading.second == body && reading.family == family)
            return reading.text;
    return {};
}

std::string_view patternReading(const AspectPattern& pattern) {
    const std::optional<int> variant =
        pattern.kind == PatternKind::Stellium ? pattern.sign : pattern.apex;
    const char* general = nullptr;
    for (const PatternReading& reading : patternReadings()) {
        if (reading.kind != pattern.kind) continue;
        if (variant && reading.variant == variant) return reading.text;
        if (!reading.variant) general = reading.text;
    }
    return general == nullptr ? std::string_view() : std::string_view(general);
}

}  // namespace zodrivel
