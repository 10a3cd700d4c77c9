// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// A one-line box whose every entry path (typing, pasting, dropping, middle-click) passes the
// same key filter, with the filter's message when something is refused.

#include <QLineEdit>

#include "core/entry/EntryChecks.h"

namespace zodrivel {

class MessageBoxes;

enum class EntryFilter { Digits, Letters };

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(EntryFilter filter, MessageBoxes& messages, QWidget* parent = nullptr);

    // Inserts text at the cursor as a paste would: whole, converted, or refused with the message.
    void insertFiltered(const QString& text);
    // Pastes the clipboard through the filter (Ctrl+V, Shift+Insert, the context menu).
    void pasteFiltered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TextFilterResult filterText(const QString& text) const;
    void refuse(const TextFilterResult& result);

    EntryFilter filter_;
    MessageBoxes& messages_;
};

}  // namespace zodrivel
