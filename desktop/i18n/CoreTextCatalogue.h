// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The core's texts as the translators' catalogue holds them (CoreTextCatalogue.cpp, written
// by scripts/update-translations.sh).

#include <cstddef>

namespace zodrivel {

struct CatalogueEntry {
    const char* context;
    struct {
        const char* text;
        const char* comment;
    } source;
};

extern const CatalogueEntry CoreTextCatalogue[];
extern const std::size_t CoreTextCatalogueSize;

}  // namespace zodrivel
