// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The save dialog, behind an interface so that tests can answer it.

#include <QString>

#include "core/about/Version.h"

class QWidget;

namespace zodrivel {

struct SaveDialogRequest {
    QString caption;        // what is being saved, "Save Report as RTF - Zodrivel"
    QString filter;         // "Rich Text Format (*.rtf)"
    QString defaultSuffix;  // added to a name typed without an extension
    QString suggestedName;  // the name the dialog offers, "Ada Lovelace.rtf"; may be empty
};

struct OpenDialogRequest {
    QString caption;  // what is being opened, "Open Birth File - Zodrivel"
    QString filter;   // "Zodrivel birth (*.zodrivel)"
};

// A dialog's title: what it does, then the program's name, as the window list shows it.
QString dialogCaption(const QString& action);

// A file name made of `name` (a person's name, say) that every common file system accepts:
// the characters a path or a shell treats specially become spaces, runs of spaces and dots
// at either end go, and `fallback` stands in for a name left empty. `extension` without dot.
QString suggestedFileName(const QString& name, const QString& fallback, const QString& extension);

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file, or an empty string when the user cancels. The dialog asks before
    // overwriting an existing file.
    virtual QString saveFileName(const SaveDialogRequest& request, QWidget* parent) = 0;
    // The chosen existing file, or an empty string when the user cancels.
    virtual QString openFileName(const OpenDialogRequest& request, QWidget* parent) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString saveFileName(const SaveDialogRequest& request, QWidget* parent) override;
    QString openFileName(const OpenDialogRequest& request, QWidget* parent) override;
};

}  // namespace zodrivel
