// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Small text helpers shared by the entry checks and the zone list.

#include <algorithm>
#include <cctype>
#include <string_view>

namespace zodrivel {

// Without the blanks (spaces only) at either end.
inline std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// ASCII letters compared without regard to case; other bytes must match exactly.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

}  // namespace zodrivel
