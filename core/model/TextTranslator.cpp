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
    text.reserve(pattern.size() + 16);
    // The pattern's words are copied a run at a time, between its %1 .. %9.
    std::size_t runStart = 0;
    for (std::size_t k = pattern.find('%'); k != std::string_view::npos;
         k = pattern.find('%', k + 1)) {
        if (k + 1 >= pattern.size() || pattern[k + 1] < '1' || pattern[k + 1] > '9') continue;
        const auto index = static_cast<std::size_t>(pattern[k + 1] - '1');
        if (index >= arguments.size()) continue;
        text.append(pattern, runStart, k - runStart);
        text += *(arguments.begin() + index);
        runStart = k + 2;
        ++k;
    }
    text.append(pattern, runStart);
    return text;
}

}  // namespace zodrivel
