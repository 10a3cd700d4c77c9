// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The entry window's birth as a document: the file it came from, whether it has changed since,
// the File menu's New, Open, Open Recent, Save and Save As, and the question before changes
// are lost.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "core/birthfile/BirthFile.h"
#include "desktop/platform/Services.h"

class QAction;
class QMenu;
class QWidget;

namespace zodrivel {

class EntryWindow;

class BirthDocument : public QObject {
    Q_OBJECT
public:
    // How many births Open Recent lists, newest first.
    static constexpr int RecentCount = 10;
    // Where the recent births are kept in the settings.
    static constexpr const char* RecentKey = "RecentBirths/files";

    BirthDocument(EntryWindow& window, const Services& services);

    // New Birth, Open Birth…, Open Recent, Save Birth and Save Birth As…, with their keys, at
    // the top of `file`.
    void addActions(QMenu* file);

    // Each answers false when nothing happened (the user cancelled, or the file could not be
    // opened or saved, which has been said in a message).
    bool newBirth();
    bool open();
    bool openFile(const QString& path);
    bool save();
    bool saveAs();

    // Before the birth on screen is let go (New, Open, closing the program): when it has
    // unsaved changes, asks Save, Discard or Cancel. True when the window may go on.
    bool settleUnsavedChanges(QWidget* parent = nullptr);

    QString filePath() const { return path_; }
    bool isModified() const { return modified_; }
    QStringList recentFiles() const;

    // A control changed: the birth on screen differs from its file.
    void markModified();
    // The user chose to let the changes go (the program is ending).
    void discardChanges();

    // The Save As keys: the platform's, or Ctrl+Shift+S where its scheme names none.
    static QList<QKeySequence> saveAsKeys();

private:
    bool load(const QString& path);
    bool saveTo(const QString& path);
    void setClean(const QString& path);
    void updateTitle();
    void remember(const QString& path);
    void forget(const QString& path);
    void fillRecentMenu();

    EntryWindow& window_;
    Services services_;
    QString path_;
    bool modified_ = false;
    QMenu* recentMenu_ = nullptr;
};

}  // namespace zodrivel
