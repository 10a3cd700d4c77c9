// SPDX-License-Identifier: AGPL-3.0-or-later
// Start-up and shutdown: one instance per user, and the program's windows from start to end.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "desktop/app/SingleInstance.h"

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

// What a lock in our own name must read after acquire(): this process's id.
qint64 lockOwner(const QString& path) {
    QLockFile reader(path);
    qint64 pid = 0;
    return reader.getLockInfo(&pid, nullptr, nullptr) ? pid : -1;
}

struct BrokenLock {
    const char* what;
    // Puts the broken lock at `path`.
    void (*make)(const QString& path);
    // Whether acquire() has to say on standard error what it did.
    bool noted;
};

void writeLockBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const BrokenLock BrokenLocks[] =
    {
        {"an empty file", [](const QString& p) { writeLockBytes(p, {}); }, true},
        {"a garbled file", [](const QString& p) { writeLockBytes(p, "zodrivel was here\n"); },
         true},
        {"binary bytes",
         [](const QString& p) { writeLockBytes(p, QByteArray("\xff\xfe\0\x01", 4)); }, true},
        {"no process id", [](const QString& p) { writeLockBytes(p, "0\nzodrivel\nsomehost\n"); },
         true},
        {"an unreadable file",
         [](const QString& p) {
    writeLockBytes(p, "garbled");
    QFile::setPermissions(p, QFileDevice::Permissions{});
         },
         true},
        {"a folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p + "/inside")); }, true},
        {"a link to nowhere", [](const QString& p) { ASSERT_TRUE(QFile::link(p + ".missing", p)); },
         true},
};

TEST(SingleInstance, ABrokenLockIsTakenOverAndSaidSo) {
    for (const BrokenLock& broken : BrokenLocks) {
        SCOPED_TRACE(broken.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("zodrivel.lock");
        broken.make(path);
        SingleInstance instance(path);
        ASSERT_TRUE(instance.acquire()) << "a broken lock must not keep the user out";
        EXPECT_EQ(lockOwner(instance.lockPath()), QCoreApplication::applicationPid());
        EXPECT_EQ(!instance.notes().isEmpty(), broken.noted);
        // And it is a real lock again: the next instance is refused.
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
    }
}

TEST(SingleInstance, AFolderInThePlaceOfTheLockIsKeptAside) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zodrivel.lock");
    ASSERT_TRUE(QDir().mkpath(path));
    writeLockBytes(path + "/notes.txt", "someone's file");
    SingleInstance instance(path);
    ASSERT_TRUE(instance.acquire());
    EXPECT_EQ(instance.lockPath(), path);
    EXPECT_TRUE(QFile::exists(path + ".broken/notes.txt")) << "nothing of the user's is deleted";
    ASSERT_EQ(instance.notes().size(), 1);
    EXPECT_TRUE(instance.notes().front().contains(path + ".broken"));
}

// Taking a lock that is there reads it: a FIFO in its place (or a link to one) would block the
// start for ever, and every later start would find the lock held. It is set aside unread.
TEST(SingleInstance, AFifoInThePlaceOfTheLockIsSetAsideUnread) {
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "a link to a FIFO" : "a FIFO");
        QTemporaryDir dir;
        const QString path = dir.filePath("zodrivel.lock");
        const QString fifo = linked ? dir.filePath("elsewhere") : path;
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (linked) {
            ASSERT_TRUE(QFile::link(fifo, path));
        }
        SingleInstance instance(path);
        ASSERT_TRUE(instance.acquire());
        EXPECT_EQ(instance.lockPath(), path);
        EXPECT_TRUE(QFileInfo(path).isFile());
        EXPECT_TRUE(QFileInfo::exists(path + ".broken"));
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire()) << "the new lock holds";
    }
}

TEST(SingleInstance, ALockNamingAProcessThatIsGoneIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zodrivel.lock");
    // QLockFile's own lines: pid, program, host name, machine id, boot id. The pid is above
    // any the system hands out, so no process has it.
    writeLockBytes(path, "2147483646\nzodrivel\n" + QSysInfo::machineHostName().toUtf8() + "\n" +
                             QSysInfo::machineUniqueId() + "\n" + QSysInfo::bootUniqueId() + "\n");
    SingleInstance instance(path);
    ASSERT_TRUE(instance.acquire());
    EXPECT_EQ(lockOwner(path), QCoreApplication::applicationPid());
}

TEST(SingleInstance, ALiveInstanceKeepsItsLockEvenWhenItsFileIsGarbled) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zodrivel.lock");
    QLockFile running(path);
    ASSERT_TRUE(running.tryLock(0));
    {
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire()) << "a running instance refuses the second start";
    }
    // The running instance's file overwritten in place: its process still holds it.
    writeLockBytes(path, "garbled");
    {
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire()) << "a held lock is not taken over, readable or not";
    }
    EXPECT_TRUE(QFile::exists(path));
}

TEST(SingleInstance, AFolderThatCannotHoldALockDoesNotKeepTheUserOut) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes everywhere";
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    SingleInstance instance(dir.filePath("zodrivel.lock"));
    EXPECT_TRUE(instance.acquire());
    EXPECT_FALSE(instance.notes().isEmpty());
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(SingleInstance, LockLivesInTheRuntimeFolder) {
    const QString path = SingleInstance::defaultLockPath();
    EXPECT_TRUE(path.endsWith("/zodrivel.lock"));
    EXPECT_TRUE(QDir::isAbsolutePath(path));
}

}  // namespace
}  // namespace zodrivel

#include <QSettings>
#include <QTest>

#include "Recorders.h"
#include "desktop/app/Application.h"
#include "desktop/entry/EntryWindow.h"
#include "desktop/result/ResultWindow.h"

namespace zodrivel {
namespace {

class ProgramRoad : public ::testing::Test {
protected:
    ProgramRoad() {
        services = recorded.services();
        services.settingsFile = settingsDir.filePath("zodrivel.ini");
        program = std::make_unique<Application>(services);
        program->start(7);
    }
    void proceed(const char* name) {
        EntryWindow* entry = program->entryWindow();
        entry->findChild<QLineEdit*>("txtName")->setText(name);
        for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
            entry->findChild<QLineEdit*>(box)->setText("10");
        }
        entry->proceed();
    }

    QTemporaryDir settingsDir;
    testing::RecordedServices recorded;
    Services services;
    std::unique_ptr<Application> program;
};

TEST_F(ProgramRoad, StartsWithTheEntryWindowAndRemembersTheFirstLaunchQuietly) {
    ASSERT_NE(program->entryWindow(), nullptr);
    EXPECT_TRUE(program->entryWindow()->isVisible());
    EXPECT_EQ(program->resultWindow(), nullptr);
    EXPECT_TRUE(recorded.messages.shown.empty()) << "no reminder on the first launch";
    EXPECT_TRUE(QFile::exists(services.settingsFile));
}

TEST_F(ProgramRoad, ProceedBackAndProceedAgainBuildAFreshResultWindow) {
    proceed("ADA");
    ResultWindow* first = program->resultWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(program->entryWindow()->isVisible());

    QPointer<ResultWindow> firstAlive(first);
    first->findChild<QPushButton*>("cmdOK")->click();  // Back
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstAlive.isNull()) << "Back discards the result window";
    EXPECT_TRUE(program->entryWindow()->isVisible());
    EXPECT_EQ(program->entryWindow()->findChild<QLineEdit*>("txtName")->text(), "ADA");
    EXPECT_FALSE(program->ended());

    proceed("BEA");
    ASSERT_NE(program->resultWindow(), nullptr);
    EXPECT_TRUE(program->resultWindow()->reportText().contains("Report Generated By"));
    EXPECT_EQ(program->entryWindow()->record().birth.birthName, "BEA");
}

TEST_F(ProgramRoad, ClosingTheResultWindowEndsTheProgram) {
    proceed("ADA");
    QPointer<ResultWindow> result(program->resultWindow());
    result->close();  // the close box
    EXPECT_TRUE(program->ended());
    EXPECT_TRUE(result.isNull() || !result->isVisible());
    EXPECT_FALSE(program->entryWindow()->isVisible());
}

TEST_F(ProgramRoad, ExitOnTheResultWindowEndsTheProgram) {
    proceed("ADA");
    program->resultWindow()->findChild<QPushButton*>("cmdExit")->click();
    EXPECT_TRUE(program->ended());
}

TEST_F(ProgramRoad, ClosingTheEntryWindowOrFileExitEndsTheProgram) {
    program->entryWindow()->findChild<QAction*>("mnuExit")->trigger();
    EXPECT_TRUE(program->ended());
    EXPECT_FALSE(program->entryWindow()->isVisible());
}

}  // namespace
}  // namespace zodrivel
