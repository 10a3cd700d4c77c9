// SPDX-License-Identifier: AGPL-3.0-or-later
// zodrivel-core-texts: prints the translators' catalogue of the core's texts
// (desktop/i18n/CoreTextCatalogue.cpp) on standard output. Run by
// scripts/update-translations.sh; needs the core only, so it builds in seconds.

#include <cstdio>

#include "desktop/i18n/CoreTextList.h"

int main() {
    const std::string source = zodrivel::catalogueSource(zodrivel::coreTexts());
    if (std::fwrite(source.data(), 1, source.size(), stdout) != source.size()) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
