// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// Every text the core can put on the screen, read from the core's own tables: what the
// translators' catalogue (CoreTextCatalogue.cpp) must hold. Standard C++ only, so that the small
// program that writes the catalogue needs no Qt.
//
// A new table of texts in the core is added here once; a changed or added text in an existing
// table needs nothing but scripts/update-translations.sh.

#include <string>
#include <string_view>
#include <vector>

namespace zodrivel {

struct CoreText {
    std::string_view context;  // one of textContext::..., as the translator is asked
    std::string text;          // the English exactly as the core has it
    std::string comment;  // a hint for translators (a paragraph's id, what %1 is); may be empty
    friend bool operator==(const CoreText&, const CoreText&) = default;
};

// In table order, each (context, text) once.
std::vector<CoreText> coreTexts();

// The catalogue source for lupdate: one QT_TRANSLATE_NOOP3 entry per core text, in a table
// the desktop compiles (so a test can check it against coreTexts()).
std::string catalogueSource(const std::vector<CoreText>& texts);

}  // namespace zodrivel
