// SPDX-License-Identifier: AGPL-3.0-or-later
#include "desktop/app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace zodrivel {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // The default would call a lock older than 30 s stale and let a second instance in while
    // the first still runs. A lock whose process is gone is recognised as stale regardless.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() { return lock_.isLocked() || lock_.tryLock(0); }

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/zodrivel.lock");
}

}  // namespace zodrivel
