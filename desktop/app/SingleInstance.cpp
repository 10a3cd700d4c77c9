// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace zodrivel {

namespace {

std::unique_ptr<QLockFile> makeLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // The default would call a lock older than 30 s stale and let a second instance in while
    // the first still runs. A lock whose process is gone is recognised as stale regardless.
    lock->setStaleLockTime(0);
    return lock;
}

// Where a broken lock is moved to: "<lock>.broken", or "<lock>.broken-2" and on when taken.
QString asideName(const QString& path) {
    QString aside = path + QStringLiteral(".broken");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n) {
        aside = path + QStringLiteral(".broken-%1").arg(n);
    }
    return aside;
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockPath) : lock_(makeLock(lockPath)) {}

bool SingleInstance::acquire() {
    if (lock_->isLocked()) return true;
    switch (tryOnce()) {
        case Attempt::Held: return true;
        case Attempt::Refused: return false;
        case Attempt::NoLock:
            note(QStringLiteral("starting without a lock; a second instance will not be refused"));
            return true;
        case Attempt::Blocked: break;
    }
    // Something that cannot be moved stands where the lock goes. Every instance falls back to
    // the same name beside it, so one instance per user still holds.
    const QString fallback = lock_->fileName() + QStringLiteral(".alt");
    note(QStringLiteral("using %1 as the lock file instead")
             .arg(QDir::toNativeSeparators(fallback)));
    lock_ = makeLock(fallback);
    switch (tryOnce()) {
        case Attempt::Held: return true;
        case Attempt::Refused: return false;
        case Attempt::NoLock:
        case Attempt::Blocked: break;
    }
    note(QStringLiteral("starting without a lock; a second instance will not be refused"));
    return true;
}

SingleInstance::Attempt SingleInstance::tryOnce() {
    const QString path = lock_->fileName();
    // Taking a lock that is there reads it, and reading a FIFO blocks until a writer comes:
    // what is not a plain file (a FIFO, a device, a link to either) is moved aside unread.
    if (const QFileInfo before(path); before.exists() && !before.isFile() && !before.isDir()) {
        if (!moveAside(path)) return Attempt::Blocked;
    }
    if (lock_->tryLock(0)) return Attempt::Held;
    if (lock_->error() != QLockFile::LockFailedError) {
        // No lock can be created here (no right to write, disk full): nobody holds it either.
        note(QStringLiteral("the lock file %1 cannot be created")
                 .arg(QDir::toNativeSeparators(path)));
        return Attempt::NoLock;
    }
    // A readable lock that Qt did not take over names a process that still runs.
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_->getLockInfo(&pid, &host, &application)) return Attempt::Refused;

    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        // Released between the two looks.
    } else if (info.isFile() && !info.isSymLink() && info.isWritable()) {
        // An empty or garbled lock file. Removing it takes the same file lock a running
        // instance holds on its lock file, so it fails while one runs (one that has just
        // created the file and not yet written it, for instance).
        if (!lock_->removeStaleLockFile()) return Attempt::Refused;
        note(QStringLiteral("removed the unreadable lock file %1")
                 .arg(QDir::toNativeSeparators(path)));
    } else if (!moveAside(path)) {
        return Attempt::Blocked;
    }
    if (lock_->tryLock(0)) return Attempt::Held;
    // Another instance starting at the same moment won the lock.
    return lock_->error() == QLockFile::LockFailedError ? Attempt::Refused : Attempt::NoLock;
}

bool SingleInstance::moveAside(const QString& path) {
    // A folder, a link to nowhere or a file that cannot be opened for writing: no running
    // instance made it, and the lock can only be made once it is out of the way.
    const QString aside = asideName(path);
    if (!QDir().rename(path, aside)) {
        note(QStringLiteral("%1 is not a lock file and cannot be moved aside")
                 .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    note(QStringLiteral("%1 was not a lock file; moved it to %2")
             .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside)));
    return true;
}

void SingleInstance::note(const QString& text) {
    notes_ << text;
    std::fprintf(stderr, "zodrivel: %s\n", text.toLocal8Bit().constData());
}

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/zodrivel.lock");
}

}  // namespace zodrivel
