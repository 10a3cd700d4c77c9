// SPDX-License-Identifier: AGPL-3.0-or-later
#include "core/report/RichText.h"

namespace zodrivel {

void RichTextDocument::insertText(std::string_view utf8) {
    if (utf8.empty()) return;
    if (!runs_.empty() && runs_.back().figure == Figure::None &&
        runs_.back().emphasis == emphasis_ && runs_.back().colour == colour_ &&
        runs_.back().fixedPitch == fixedPitch_) {
        runs_.back().text.append(utf8);
        return;
    }
    runs_.push_back({std::string(utf8), emphasis_, colour_, fixedPitch_});
}

void RichTextDocument::insertFigure(Figure figure) {
    if (figure != Figure::None) runs_.push_back({{}, false, TextColour, false, figure});
}

std::string RichTextDocument::plainText() const {
    std::string text;
    for (const TextRun& run : runs_) text += run.text;
    return text;
}

}  // namespace zodrivel
