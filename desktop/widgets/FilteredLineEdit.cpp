// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/widgets/FilteredLineEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>

#include "desktop/platform/MessageBoxes.h"

namespace zodrivel {

namespace {

class FilterValidator : public QValidator {
public:
    FilterValidator(EntryFilter filter, QObject* parent) : QValidator(parent), filter_(filter) {}
    State validate(QString& input, int&) const override {
        const std::string utf8 = input.toStdString();
        const TextFilterResult r =
            filter_ == EntryFilter::Digits ? digitFilterText(utf8) : letterFilterText(utf8);
        if (!r.accepted) return Invalid;
        input = QString::fromStdString(r.text);  // lower-case letters enter as upper case
        return Acceptable;
    }

private:
    EntryFilter filter_;
};

}  // namespace

FilteredLineEdit::FilteredLineEdit(EntryFilter filter, MessageBoxes& messages, QWidget* parent)
    : QLineEdit(parent), filter_(filter), messages_(messages) {
    setAcceptDrops(true);
    // A last guard for paths no event here sees (input methods): text the filter would refuse
    // never stays in the box. Typed and pasted text is filtered, with its message, before this.
    setValidator(new FilterValidator(filter, this));
}

TextFilterResult FilteredLineEdit::filterText(const QString& text) const {
    const std::string utf8 = text.toStdString();
    return filter_ == EntryFilter::Digits ? digitFilterText(utf8) : letterFilterText(utf8);
}

void FilteredLineEdit::refuse(const TextFilterResult& result) {
    if (result.message) messages_.show(*result.message, window());
}

void FilteredLineEdit::insertFiltered(const QString& text) {
    const TextFilterResult result = filterText(text);
    if (!result.accepted) {
        refuse(result);
        return;
    }
    insert(QString::fromStdString(result.text));
}

void FilteredLineEdit::pasteFiltered() {
    if (isReadOnly()) return;
    insertFiltered(QApplication::clipboard()->text(QClipboard::Clipboard));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        return;
    }
    // Shortcuts (Ctrl+A, Ctrl+Z, Alt+letter for the menus) are never text to filter.
    const Qt::KeyboardModifiers shortcutModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & shortcutModifiers) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter is a character to the filters: the digit boxes refuse it with their message.
        const KeyFilterResult r =
            filter_ == EntryFilter::Digits ? digitFilter(13) : letterFilter(13);
        if (r.verdict == FilterVerdict::Rejected) {
            messages_.show(*r.message, window());
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    // Editing and navigation keys carry no printable text (Backspace's text is \b). Read by
    // characters, not UTF-16 units: the halves of an emoji are not printable on their own, and
    // the emoji would bypass the filter's message.
    const QList<uint> characters = text.toUcs4();
    const bool printable =
        !characters.isEmpty() && std::all_of(characters.begin(), characters.end(), [](uint c) {
            return QChar::isPrint(static_cast<char32_t>(c));
        });
    if (!printable) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    insertFiltered(text);
    event->accept();
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The standard Paste would bypass the filter; route it through ours.
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &FilteredLineEdit::pasteFiltered);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void FilteredLineEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText() && !isReadOnly()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText() || isReadOnly()) {
        event->ignore();
        return;
    }
    if (event->source() == this) {  // moving text within the box: it passed the filter already
        QLineEdit::dropEvent(event);
        return;
    }
    const TextFilterResult result = filterText(event->mimeData()->text());
    if (!result.accepted) {
        event->ignore();
        refuse(result);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    insert(QString::fromStdString(result.text));
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // On X11 a middle click pastes the primary selection: filter it as any paste.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        insertFiltered(QApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace zodrivel
