// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The program's modal message boxes, behind an interface so that window tests never block.

#include <QString>

#include "core/about/Version.h"
#include "core/entry/EntryChecks.h"

class QWidget;

namespace zodrivel {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An OK box with the message's text and icon.
    virtual void show(const QString& text, MessageIcon icon, QWidget* parent) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& text, MessageIcon icon, QWidget* parent) = 0;

    void show(const Message& message, QWidget* parent) {
        show(QString::fromUtf8(message.text.data(), static_cast<qsizetype>(message.text.size())),
             message.icon, parent);
    }
};

// The real boxes (QMessageBox, modal).
class QtMessageBoxes : public MessageBoxes {
public:
    using MessageBoxes::show;
    void show(const QString& text, MessageIcon icon, QWidget* parent) override;
    bool askYesNo(const QString& text, MessageIcon icon, QWidget* parent) override;
};

}  // namespace zodrivel
