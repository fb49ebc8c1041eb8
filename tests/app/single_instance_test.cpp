// SPDX-License-Identifier: GPL-3.0-or-later
// Single instance: real second copies refused; abandoned, damaged and misplaced locks not blocking.
#include "app/platform/single_instance.h"
#include "tests/app/test_support.h"

#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string_view>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spirolan {
namespace {

using test::PrintTo;

TEST(SingleInstanceTest, SecondCopyIsRefusedAndACrashedCopyDoesNotBlock) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("config/Spirolan/Spirolan.ini");
    const QString lock = dir.filePath("Spirolan.lock");
    const auto runCopy = [&dir] {
        QProcess copy;
        copy.setEnvironment(test::CopyEnvironment(dir.path()));
        copy.start(QCoreApplication::applicationFilePath(), {"--instance"});
        EXPECT_TRUE(copy.waitForFinished(60000));
        EXPECT_EQ(copy.exitCode(), 0);
        return QString::fromLocal8Bit(copy.readAllStandardOutput());
    };
    QProcess first;
    first.setEnvironment(test::CopyEnvironment(dir.path()));
    first.start(QStringLiteral(SPIROLAN_EXE), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(test::WaitForFile(lock));
    const std::string stored = "[Settings]\nMainLeft=4320\nRepeat=True\n";
    QDir().mkpath(QFileInfo(settings).absolutePath());
    test::WriteBytes(settings, stored);
    EXPECT_EQ(runCopy(), QStringLiteral("MESSAGE Spirolan|Already Running|2\n"));
    EXPECT_EQ(test::ReadBytes(settings), stored);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill(); // a crash: the lock file stays behind
    first.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(lock));
    EXPECT_EQ(runCopy(), QStringLiteral("STARTED\n"));
    const std::string written = test::ReadBytes(settings);
    EXPECT_NE(written.find("MainLeft=4320"), std::string::npos) << written;
    EXPECT_NE(written.find("MaxFaceNumber=384"), std::string::npos) << written;
}

struct AbandonedCase {
    const char* name;
    const char* contents; // nullptr: a link to nothing
    bool fresh;           // written just now rather than a minute ago
};

class AbandonedLockTest : public testing::TestWithParam<AbandonedCase> {};

// Whatever a lock that no copy holds contains, it is taken over and names this copy.
TEST_P(AbandonedLockTest, IsTakenOver) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("Spirolan.lock");
    if (GetParam().contents == nullptr) {
        ASSERT_TRUE(QFile::link(dir.filePath("nothing"), lock));
    } else {
        test::WriteBytes(lock, GetParam().contents);
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        if (!GetParam().fresh) {
            file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime);
        }
        file.setPermissions({});
    }
    SingleInstance instance(lock);
    EXPECT_TRUE(instance.Acquire().Ok);
    QLockFile other(lock);
    qint64 pid = 0;
    EXPECT_TRUE(other.getLockInfo(&pid, nullptr, nullptr));
    EXPECT_EQ(pid, QCoreApplication::applicationPid());
}

INSTANTIATE_TEST_SUITE_P(Locks, AbandonedLockTest,
                         testing::Values(AbandonedCase{"EmptyAfterAPowerLoss", "", false},
                                         AbandonedCase{"EmptyJustNow", "", true},
                                         AbandonedCase{"Garbage", "\xff\x01garbage\n\n", false},
                                         AbandonedCase{"ARunningProcessNotACopy", "1\nsystemd\n",
                                                       false},
                                         AbandonedCase{"LinkToNothing", nullptr, false}),
                         test::kRowName);

// A copy holds its lock while it runs, even when its content was lost; a folder or a pipe in the
// lock's place is named.
TEST(SingleInstanceTest, HeldLockWithLostContentRefusesAndNoFileInItsPlaceIsNamed) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("Spirolan.lock");
    QLockFile holder(lock);
    ASSERT_TRUE(holder.tryLock());
    QFile emptied(lock);
    ASSERT_TRUE(emptied.open(QIODevice::ReadWrite | QIODevice::Truncate));
    emptied.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                        QFileDevice::FileModificationTime);
    EXPECT_EQ(SingleInstance(lock).Acquire().Message, QStringLiteral("Already Running"));
    QDir(dir.path()).mkdir("folder.lock");
    ASSERT_EQ(mkfifo(dir.filePath("pipe.lock").toLocal8Bit().constData(), 0600), 0);
    for (const char* name : {"folder.lock", "pipe.lock"}) {
        const InstanceCheck check = SingleInstance(dir.filePath(name)).Acquire();
        EXPECT_FALSE(check.Ok);
        EXPECT_TRUE(check.Message.contains(dir.filePath(name))) << check.Message.toStdString();
    }
}

// The lock goes to the settings folder when the runtime folder cannot hold it (a folder that
// cannot be made, a full disk); a copy holding it in either place keeps another from running;
// when neither place can hold it, the program does not run, and says where and why.
TEST(SingleInstanceTest, LockFallsBackToTheSettingsFolderAndNeverRunsUnlocked) {
    QTemporaryDir dir;
    test::WriteBytes(dir.filePath("plain"), "x");
    const QString unusable = dir.filePath("plain/run/Spirolan.lock");
    const QString runtime = dir.filePath("run/Spirolan.lock");
    const QString settings = dir.filePath("config/Spirolan.lock");
    QString full = unusable;
    if (geteuid() == 0) {
        QDir().mkpath(dir.filePath("full"));
        ASSERT_EQ(
            mount("tmpfs", dir.filePath("full").toLocal8Bit().constData(), "tmpfs", 0, "size=4k"),
            0);
        test::WriteBytes(dir.filePath("full/filler"), std::string(4096, 'x'));
        full = dir.filePath("full/Spirolan.lock");
    }
    const QString noFolder = QStringLiteral("the folder does not exist and cannot be made");
    const struct {
        const char* name;
        QString first;
        QString second;
        QString heldByAnother; // a lock that a running copy holds
        QString message;       // empty: this copy runs
    } rows[] = {
        {"RuntimeFolder", runtime, settings, {}, {}},
        {"RuntimeFolderCannotBeMade", unusable, settings, {}, {}},
        {"RuntimeFolderFull", full, settings, {}, {}},
        {"AnotherCopyInTheSettingsFolder", runtime, settings, settings, "Already Running"},
        {"NeitherPlace",
         unusable,
         dir.filePath("plain/config/Spirolan.lock"),
         {},
         "Spirolan cannot make sure that only one copy of it runs: its lock cannot be created in " +
             dir.filePath("plain/run") + " (" + noFolder + ") nor in " +
             dir.filePath("plain/config") + " (" + noFolder +
             ").\nMake one of these folders writable, then start Spirolan again."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QLockFile holder(row.heldByAnother);
        if (!row.heldByAnother.isEmpty()) {
            QDir().mkpath(QFileInfo(row.heldByAnother).absolutePath());
            ASSERT_TRUE(holder.tryLock());
        }
        SingleInstance instance(row.first, row.second);
        const InstanceCheck check = instance.Acquire();
        EXPECT_EQ(check.Message.toStdString(), row.message.toStdString());
        EXPECT_EQ(check.Ok, row.message.isEmpty());
        if (check.Ok) {
            // The hand-over socket goes beside the lock this copy holds.
            EXPECT_EQ(instance.HeldLockPath(),
                      row.name == std::string_view("RuntimeFolder") ? row.first : row.second);
        }
    }
    if (geteuid() == 0) {
        umount(dir.filePath("full").toLocal8Bit().constData());
    }
}

TEST(SingleInstanceTest, LockIsInTheRuntimeFolderWhereThereIsOne) {
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    EXPECT_EQ(DefaultLockPath("/read-only/Spirolan/Spirolan.ini"), dir.filePath("Spirolan.lock"));
    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
} // namespace spirolan
