// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/widgets/TextEditSink.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QTextCursor>
#include <QTextEdit>

#include "desktop/widgets/ScreenColours.h"

namespace zodrivel {

TextEditSink::TextEditSink(QTextEdit& box) : box_(box), format_(box.currentCharFormat()) {
    setEmphasis(false);
    setColour(TextColour);
}

void TextEditSink::setEmphasis(bool on) { format_.setFontWeight(on ? QFont::Bold : QFont::Normal); }

void TextEditSink::setColour(Rgb colour) {
    // The box is on screen: its text follows the palette, and the headings take the red that
    // reads on the box's base (the report's dark red is unreadable on a dark theme).
    if (colour == TextColour) {
        format_.clearForeground();
    } else if (colour == HeadingColour) {
        format_.setForeground(headingColourOn(box_.palette()));
    } else {
        format_.setForeground(QColor(colour.red, colour.green, colour.blue));
    }
}

void TextEditSink::setFixedPitch(bool on) {
    format_.setFontFamilies(QStringList{
        on ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family() : box_.font().family()});
}

void TextEditSink::insertText(std::string_view utf8) {
    if (utf8.empty()) return;
    // The cursor turns CR LF, CR and LF alike into one paragraph break.
    QTextCursor caret = box_.textCursor();
    caret.insertText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), format_);
    box_.setTextCursor(caret);
}

}  // namespace zodrivel
