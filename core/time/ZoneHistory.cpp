// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/time/ZoneHistory.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/model/Text.h"
#include "core/place/TextFolding.h"

namespace zodrivel {

std::vector<std::string> nearZoneIds(std::string_view wanted, const std::vector<std::string>& ids) {
    const std::string folded = foldForSearch(wanted);
    if (folded.empty()) return {};
    constexpr std::size_t Cap = 4;
    std::vector<std::pair<std::size_t, const std::string*>> close;
    for (const std::string& id : ids) {
        const std::string whole = foldForSearch(id);
        const std::size_t slash = whole.rfind('/');
        const std::string last = slash == std::string::npos ? whole : whole.substr(slash + 1);
        const std::size_t distance =
            std::min(editDistance(whole, folded, Cap), editDistance(last, folded, Cap));
        if (distance <= Cap) close.emplace_back(distance, &id);
    }
    std::ranges::stable_sort(close, {}, &std::pair<std::size_t, const std::string*>::first);
    std::vector<std::string> near;
    for (const auto& [distance, id] : close) {
        if (near.size() == 5) break;
        near.push_back(*id);
    }
    return near;
}

std::string formatOffset(std::int32_t offsetSeconds) {
    const long magnitude = std::labs(offsetSeconds);
    std::string text(1, offsetSeconds < 0 ? '-' : '+');
    appendPadded(text, magnitude / 3600, 1);
    text += ':';
    appendPadded(text, magnitude / 60 % 60, 2);
    if (magnitude % 60 != 0) {
        text += ':';
        appendPadded(text, magnitude % 60, 2);
    }
    return text;
}

}  // namespace zodrivel
