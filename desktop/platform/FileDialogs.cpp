// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/platform/FileDialogs.h"

#include <QChar>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace zodrivel {

QString dialogCaption(const QString& action) {
    return action + QStringLiteral(" \u2013 ") + QString::fromUtf8(ApplicationTitle);
}

QString suggestedFileName(const QString& name, const QString& fallback, const QString& extension) {
    QString base;
    for (const QChar c : name) {
        const bool special =
            c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        base += special ? QChar(u' ') : c;
    }
    base = base.simplified();
    while (base.startsWith(QLatin1Char('.')) || base.endsWith(QLatin1Char('.'))) {
        base =
            base.startsWith(QLatin1Char('.')) ? base.mid(1).trimmed() : base.chopped(1).trimmed();
    }
    if (base.isEmpty()) base = fallback;
    return base + QLatin1Char('.') + extension;
}

QString QtFileDialogs::saveFileName(const SaveDialogRequest& request, QWidget* parent) {
    QFileDialog dialog(parent, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    // Reports belong with the user's documents, not wherever the program was started.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    if (!request.suggestedName.isEmpty()) dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::openFileName(const OpenDialogRequest& request, QWidget* parent) {
    QFileDialog dialog(parent, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({request.filter, QFileDialog::tr("All files (*)")});
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace zodrivel
