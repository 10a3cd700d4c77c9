// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/io/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace zodrivel {

namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
    std::random_device entropy;
    std::filesystem::path temporary = path;
    temporary += ".tmp-" + std::to_string(entropy());
    return temporary;
}

std::string describeError(int error) { return error ? std::strerror(error) : "write failed"; }

}  // namespace

WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
    if (path.empty()) return {false, "no file name given"};
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {false, "it is a folder"};

    const std::filesystem::path temporary = temporaryBeside(path);
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return {false, describeError(errno)};
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        out.close();
        if (!out) {
            const int error = errno;
            std::filesystem::remove(temporary, ec);
            return {false, describeError(error)};
        }
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return {false, ec.message()};
    }
    return {true, {}};
}

}  // namespace zodrivel
