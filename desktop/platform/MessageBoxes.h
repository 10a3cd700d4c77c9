// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The program's modal message boxes, behind an interface so that window tests never block.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "core/about/Version.h"
#include "core/entry/EntryChecks.h"
#include "desktop/i18n/QtTextTranslator.h"

class QMessageBox;
class QWidget;

namespace zodrivel {

// The answer to "Save the changes?".
enum class SaveChoice { Save, Discard, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An OK box with the message's text and icon.
    virtual void show(const QString& text, MessageIcon icon, QWidget* parent) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& text, MessageIcon icon, QWidget* parent) = 0;
    // An OK box that says `text` and holds `detail` (an address, a search) as text the user can
    // select and copy, for what the program could not do itself.
    virtual void showCopyable(const QString& text, const QString& detail, QWidget* parent) = 0;
    // A question whose answers are named (one button each, in order) beside Cancel: the index
    // of the answer chosen, nothing for Cancel.
    virtual std::optional<int> askChoice(const QString& text, const QStringList& answers,
                                         QWidget* parent) = 0;
    // Save, Discard or Cancel, for changes that would otherwise be lost.
    virtual SaveChoice askSaveChanges(const QString& text, QWidget* parent) = 0;

    void show(const Message& message, QWidget* parent) {
        show(coreText(textContext::EntryMessages, message.text), message.icon, parent);
    }
};

// The box QtMessageBoxes::showCopyable runs: `detail` as selectable text under `text`.
std::unique_ptr<QMessageBox> copyableBox(const QString& text, const QString& detail,
                                         QWidget* parent);

// The box QtMessageBoxes::askSaveChanges runs: Save (the default), Discard and Cancel (Escape),
// each with an access letter of its own, so Alt+S, Alt+D and Alt+C answer it from the keyboard.
std::unique_ptr<QMessageBox> saveChangesBox(const QString& text, QWidget* parent);

// The real boxes (QMessageBox, modal).
class QtMessageBoxes : public MessageBoxes {
public:
    using MessageBoxes::show;
    void show(const QString& text, MessageIcon icon, QWidget* parent) override;
    bool askYesNo(const QString& text, MessageIcon icon, QWidget* parent) override;
    void showCopyable(const QString& text, const QString& detail, QWidget* parent) override;
    std::optional<int> askChoice(const QString& text, const QStringList& answers,
                                 QWidget* parent) override;
    SaveChoice askSaveChanges(const QString& text, QWidget* parent) override;
};

}  // namespace zodrivel
