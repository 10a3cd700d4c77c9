// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// One running program per user: a lock file in the per-user runtime folder.

#include <QLockFile>
#include <QString>

namespace zodrivel {

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // True when this process now holds the lock. A lock left behind by a process that no longer
    // runs is taken over; one held by a running instance is not, however old it is.
    bool acquire();

    // "<runtime folder>/zodrivel.lock", or the temporary folder where there is no runtime folder.
    static QString defaultLockPath();

private:
    QLockFile lock_;
};

inline constexpr const char* AlreadyRunningMessage = "Application is already running";

}  // namespace zodrivel
