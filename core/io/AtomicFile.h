// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Writing a whole file so that readers see the old content or the new, never half of it.

#include <filesystem>
#include <string>
#include <string_view>

namespace zodrivel {

struct WriteResult {
    bool ok = false;
    std::string error;  // why it failed, for a message that names the file
    explicit operator bool() const { return ok; }
};

// Writes `content` to a temporary file beside `path` and renames it over `path`. On any
// failure the temporary file is removed, `path` is left as it was, and the reason comes back.
WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace zodrivel
