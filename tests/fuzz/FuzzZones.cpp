// SPDX-License-Identifier: AGPL-3.0-or-later
// Zone look-up by text: whatever is asked, the rows that come back exist, each once, in list
// order, and a list position names its own row.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/time/TimeZones.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    const std::vector<int> rows = zodrivel::findZones(query);
    for (const int row : rows) {
        if (row < 0 || row >= zodrivel::ZoneCount) std::abort();
    }
    if (!std::ranges::is_sorted(rows) || std::ranges::adjacent_find(rows) != rows.end()) {
        std::abort();
    }
    for (const int row : rows) {
        // Asking again by the row's own text finds that row.
        const std::vector<int> again = zodrivel::findZones(zodrivel::zoneTable()[row].text);
        if (again.size() != 1 || again.front() != row) std::abort();
    }
    return 0;
}
