// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliSources.h"

#include <ctime>

#include "core/entry/BirthSummary.h"

namespace zodrivel::cli {

std::string CliSources::today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return {};
    return formatDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace zodrivel::cli
