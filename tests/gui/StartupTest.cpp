// Start-up and shutdown: one instance per user, and the program's windows from start to end.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

#include "app/SingleInstance.h"

namespace zodrivel {
namespace {

TEST(SingleInstance, ASecondInstanceIsRefusedWhileTheFirstRuns) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zodrivel.lock");
    SingleInstance first(path);
    ASSERT_TRUE(first.acquire());
    SingleInstance second(path);
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.acquire()) << "asking again keeps the lock";
}

TEST(SingleInstance, ALockLeftByACrashedInstanceIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zodrivel.lock");
    // A child takes the lock and dies without releasing it, as a crash would.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance crashed(path);
        ::_exit(crashed.acquire() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(path)) << "the crashed instance leaves its lock file";
    SingleInstance next(path);
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, LockLivesInTheRuntimeFolder) {
    const QString path = SingleInstance::DefaultLockPath();
    EXPECT_TRUE(path.endsWith("/zodrivel.lock"));
    EXPECT_TRUE(QDir::isAbsolutePath(path));
}

}  // namespace
}  // namespace zodrivel
