// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Small text helpers shared by the entry checks and the zone list.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>
#include <string_view>

namespace zodrivel {

// Without the blanks (spaces only) at either end.
constexpr std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// ASCII letters compared without regard to case; other bytes must match exactly.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

// `value` in decimal with at least `width` characters, zeros after any sign, appended to `out`
// (what "%0*ld" prints): the dates and clocks of every chart, which a batch writes by the
// hundred thousand.
inline void appendPadded(std::string& out, long value, int width) {
    const unsigned long magnitude =
        value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const int length = static_cast<int>(end - digits) + (value < 0 ? 1 : 0);
    if (value < 0) out += '-';
    if (length < width) out.append(static_cast<std::size_t>(width - length), '0');
    out.append(digits, end);
}

}  // namespace zodrivel
