// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/model/TextTranslator.h"

namespace zodrivel {

namespace {

class English : public TextTranslator {
public:
    std::string translate(std::string_view, std::string_view english) const override {
        return std::string(english);
    }
};

}  // namespace

const TextTranslator& englishTexts() {
    static const English english;  // no state: the same answer for every caller
    return english;
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        const char c = pattern[k];
        if (c == '%' && k + 1 < pattern.size() && pattern[k + 1] >= '1' && pattern[k + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[k + 1] - '1');
            if (index < arguments.size()) {
                text += *(arguments.begin() + index);
                ++k;
                continue;
            }
        }
        text += c;
    }
    return text;
}

}  // namespace zodrivel
