// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// One running program per user: a lock file in the per-user runtime folder.

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace zodrivel {

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // True when this process now holds the lock, or when no lock can be made at all (a folder
    // that cannot be written to must not keep the user out). A lock left behind by a process
    // that no longer runs is taken over, and so is one that names no process (empty, garbled or
    // unreadable); something that is not a lock file in its place is moved aside. A lock held
    // by a running instance is never taken over, however old it is.
    bool acquire();

    // What acquire() had to do to get past a broken lock, as also written to standard error.
    const QStringList& notes() const { return notes_; }

    // The lock file in use: the given path, or the one beside it when something that could not
    // be moved stood in its place.
    QString lockPath() const { return lock_->fileName(); }

    // "<runtime folder>/zodrivel.lock", or the temporary folder where there is no runtime folder.
    static QString defaultLockPath();

private:
    // Blocked: something that cannot be moved stands in the lock's place; NoLock: the folder
    // takes no lock at all.
    enum class Attempt { Held, Refused, Blocked, NoLock };
    Attempt tryOnce();
    bool moveAside(const QString& path);
    void note(const QString& text);

    std::unique_ptr<QLockFile> lock_;
    QStringList notes_;
};

inline constexpr const char* AlreadyRunningMessage =
    QT_TRANSLATE_NOOP("zodrivel::SingleInstance", "Application is already running");

}  // namespace zodrivel
