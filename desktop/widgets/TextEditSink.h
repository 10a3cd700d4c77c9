// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A text box as the report writer's sink: formats apply to what is inserted next, at the caret,
// and the caret then sits after the insertion, so entries accumulate in call order.

#include <QTextCharFormat>

#include "core/report/RichText.h"

class QTextEdit;

namespace zodrivel {

class TextEditSink : public RichTextSink {
public:
    explicit TextEditSink(QTextEdit& box);

    // Emphasis is bold: on for exactly the heading line, off for the paragraph.
    void setEmphasis(bool on) override;
    void setColour(Rgb colour) override;
    // UTF-8 text; CR LF (or a lone CR or LF) ends a paragraph of the box.
    void insertText(std::string_view utf8) override;
    // The system's fixed-pitch face, for the tables that line up by character.
    void setFixedPitch(bool on) override;

protected:
    QTextEdit& box() const { return box_; }

private:
    QTextEdit& box_;
    QTextCharFormat format_;
};

}  // namespace zodrivel
