// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The save dialog, behind an interface so that tests can answer it.

#include <QString>

class QWidget;

namespace zodrivel {

struct SaveDialogRequest {
    QString caption;        // the application title
    QString filter;         // "Rich Text Format (*.rtf)"
    QString defaultSuffix;  // added to a name typed without an extension
};

struct OpenDialogRequest {
    QString caption;  // the application title
    QString filter;   // "Zodrivel birth (*.zodrivel)"
};

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
