// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/entry/BirthDocument.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "adapters/birthfile/BirthFileStore.h"
#include "adapters/birthfile/JsonBirthFileFormat.h"
#include "core/about/Version.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/platform/FileDialogs.h"
#include "desktop/platform/MessageBoxes.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/SettingsStore.h"

namespace zodrivel {

namespace {

QString fileFilter() { return BirthDocument::tr("Zodrivel birth (*.zodrivel)"); }

QString displayName(const QString& path) { return QFileInfo(path).fileName(); }

}  // namespace

QList<QKeySequence> BirthDocument::saveAsKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (keys.isEmpty()) keys.append(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    return keys;
}

namespace {}  // namespace

BirthDocument::BirthDocument(EntryWindow& window, const Services& services)
    : QObject(&window), window_(window), services_(services) {}

void BirthDocument::addActions(QMenu* file) {
    const auto add =
        [&](const QString& text, const char* name, QKeySequence::StandardKey key, auto slot) {
        QAction* action = file->addAction(text, this, slot);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(key);
        return action;
    };
    add(tr("&New Birth"), "mnuNew", QKeySequence::New, [this] { newBirth(); });
    add(tr("&Open Birth…"), "mnuOpen", QKeySequence::Open, [this] { open(); });
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecent"));
    // Filled each time it opens, so a file deleted meanwhile shows as missing.
    connect(recentMenu_, &QMenu::aboutToShow, this, &BirthDocument::fillRecentMenu);
    fillRecentMenu();
    file->addSeparator();
    add(tr("&Save Birth"), "mnuSave", QKeySequence::Save, [this] { save(); });
    // Not every platform's scheme names a Save As key; Ctrl+Shift+S is the common one.
    add(tr("Save Birth &As…"), "mnuSaveAs", QKeySequence::SaveAs, [this] {
        saveAs();
    })->setShortcuts(saveAsKeys());
    file->addSeparator();
    updateTitle();
}

bool BirthDocument::newBirth() {
    if (!settleUnsavedChanges()) return false;
    window_.clearBirth();
    setClean({});
    return true;
}

bool BirthDocument::open() {
    if (!settleUnsavedChanges()) return false;
    const QString path = services_.files->openFileName(
        {dialogCaption(tr("Open Birth File")), fileFilter()}, &window_);
    if (path.isEmpty()) return false;
    return load(path);
}

bool BirthDocument::openFile(const QString& path) {
    if (!settleUnsavedChanges()) return false;
    return load(path);
}

bool BirthDocument::load(const QString& path) {
    const auto loaded = loadBirthFile(toUtf8(path), JsonBirthFileFormat{});
    QString problem;
    if (const auto* read = std::get_if<std::string>(&loaded)) {
        problem = QString::fromStdString(*read);
    } else if (const auto refused = window_.showBirth(std::get<BirthFile>(loaded))) {
        problem = *refused;
    }
    if (!problem.isEmpty()) {
        // The window keeps what it had: showBirth changes nothing when it refuses.
        services_.messages->show(tr("%1 cannot be opened: %2.").arg(displayName(path), problem),
                                 MessageIcon::Critical, &window_);
        return false;
    }
    setClean(QFileInfo(path).absoluteFilePath());
    remember(path_);
    return true;
}

bool BirthDocument::save() {
    if (path_.isEmpty()) return saveAs();
    return saveTo(path_);
}

bool BirthDocument::saveAs() {
    SaveDialogRequest request;
    request.caption = dialogCaption(tr("Save Birth File"));
    request.filter = fileFilter();
    request.defaultSuffix = QStringLiteral("zodrivel");
    // The saved file's own name again; for a new birth, the person's name.
    request.suggestedName =
        path_.isEmpty() ? suggestedFileName(QString::fromStdString(window_.currentBirth().name),
                                            tr("Birth"), request.defaultSuffix)
                        : QFileInfo(path_).fileName();
    const QString path = services_.files->saveFileName(request, &window_);
    if (path.isEmpty()) return false;
    return saveTo(path);
}

bool BirthDocument::saveTo(const QString& path) {
    const WriteResult written = saveBirthFile(toUtf8(path), window_.currentBirth(),
                                              JsonBirthFileFormat{}, *services_.writer);
    if (!written) {
        services_.messages->show(tr("The birth cannot be saved: %1").arg(toQString(written.error)),
                                 MessageIcon::Critical, &window_);
        return false;
    }
    window_.birthSaved();
    setClean(QFileInfo(path).absoluteFilePath());
    remember(path_);
    return true;
}

bool BirthDocument::settleUnsavedChanges(QWidget* parent) {
    if (!modified_) return true;
    const QString name = path_.isEmpty() ? tr("the new birth") : displayName(path_);
    switch (services_.messages->askSaveChanges(
        tr("Save the changes to %1 before it is closed?").arg(name), parent ? parent : &window_)) {
        case SaveChoice::Save: return save();
        case SaveChoice::Discard:
            // Still marked: when the file that was to replace it cannot be opened, the birth
            // on screen stays, with its changes.
            return true;
        case SaveChoice::Cancel: break;
    }
    return false;
}

void BirthDocument::discardChanges() {
    modified_ = false;
    updateTitle();
}

void BirthDocument::markModified() {
    if (modified_) return;
    modified_ = true;
    updateTitle();
}

void BirthDocument::setClean(const QString& path) {
    path_ = path;
    modified_ = false;
    updateTitle();
}

void BirthDocument::updateTitle() {
    QString title = QString::fromUtf8(WindowCaption);
    if (!path_.isEmpty()) title += QStringLiteral(" \u2013 ") + displayName(path_);
    // The placeholder only while it is needed: an untouched new birth keeps the plain caption.
    if (modified_) title += QStringLiteral("[*]");
    window_.setWindowTitle(title);
    window_.setWindowModified(modified_);
}

QStringList BirthDocument::recentFiles() const {
    const auto settings = openSettings(services_);
    return settings ? settings->value(QString::fromLatin1(RecentKey)).toStringList()
                    : QStringList();
}

void BirthDocument::remember(const QString& path) {
    const auto settings = openSettings(services_);
    if (!settings) return;
    QStringList files = settings->value(QString::fromLatin1(RecentKey)).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > RecentCount) files.removeLast();
    settings->setValue(QString::fromLatin1(RecentKey), files);
}

void BirthDocument::forget(const QString& path) {
    const auto settings = openSettings(services_);
    if (!settings) return;
    QStringList files = settings->value(QString::fromLatin1(RecentKey)).toStringList();
    files.removeAll(path);
    settings->setValue(QString::fromLatin1(RecentKey), files);
}

void BirthDocument::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = recentFiles();
    int number = 0;
    for (const QString& path : files) {
        ++number;
        const bool exists = QFileInfo(path).isFile();
        // "&1 ada.zodrivel", the folder in the tooltip; a file gone shows, greyed, as missing.
        QString text = QStringLiteral("&%1 %2").arg(number % 10).arg(displayName(path));
        if (!exists) text += tr(" (not found)");
        QAction* action = recentMenu_->addAction(text, this, [this, path] {
            if (!openFile(path) && !QFileInfo(path).isFile()) forget(path);
        });
        action->setData(path);
        action->setToolTip(path);
        action->setEnabled(exists);
    }
    if (files.isEmpty()) {
        recentMenu_->addAction(tr("No recent births"))->setEnabled(false);
        return;
    }
    recentMenu_->addSeparator();
    recentMenu_
        ->addAction(
            tr("&Clear the List"), this,
            [this] {
        if (const auto settings = openSettings(services_)) {
            settings->remove(QString::fromLatin1(RecentKey));
        }
            })
        ->setObjectName(QStringLiteral("mnuClearRecent"));
}

}  // namespace zodrivel
