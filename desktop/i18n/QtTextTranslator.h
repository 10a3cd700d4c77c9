// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The core's texts in the language of the installed Qt translators: the desktop's side of the
// core's TextTranslator seam. The core asks by context and English text, exactly as the
// catalogue (CoreTextCatalogue.cpp) lists them for lupdate.

#include <QString>
#include <string>
#include <string_view>

#include "core/model/TextTranslator.h"

namespace zodrivel {

class QtTextTranslator : public TextTranslator {
public:
    std::string translate(std::string_view context, std::string_view english) const override;
};

// The translator the windows hand the core; it keeps no state.
const TextTranslator& screenTexts();

// A fixed core text (a month, a zone row, a message, a paragraph) as the screen shows it.
QString coreText(std::string_view context, std::string_view english);

}  // namespace zodrivel
