// SPDX-License-Identifier: GPL-3.0-or-later
// Single instance: real second copies refused; abandoned, damaged and misplaced locks not blocking.
#include "app/platform/single_instance.h"
#include "tests/app/test_support.h"

#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// A copy holds its lock while it runs, even when its content was lost.
TEST(SingleInstanceTest, HeldLockWithLostContentStillRefuses) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("Spirolan.lock");
    QLockFile holder(lock);
    ASSERT_TRUE(holder.tryLock());
    QFile emptied(lock);
    ASSERT_TRUE(emptied.open(QIODevice::ReadWrite | QIODevice::Truncate));
    emptied.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                        QFileDevice::FileModificationTime);
    EXPECT_EQ(SingleInstance(lock).Acquire().Message, QStringLiteral("Already Running"));
}

TEST(SingleInstanceTest, NoFileInTheLocksPlaceIsNamedAndAnUnusableFolderDoesNotStop) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder.lock");
    ASSERT_EQ(mkfifo(dir.filePath("pipe.lock").toLocal8Bit().constData(), 0600), 0);
    for (const char* name : {"folder.lock", "pipe.lock"}) {
        const InstanceCheck check = SingleInstance(dir.filePath(name)).Acquire();
        EXPECT_FALSE(check.Ok);
        EXPECT_TRUE(check.Message.contains(dir.filePath(name))) << check.Message.toStdString();
    }
    test::WriteBytes(dir.filePath("plain"), "x");
    EXPECT_TRUE(SingleInstance(dir.filePath("plain/Spirolan.lock")).Acquire().Ok);
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
