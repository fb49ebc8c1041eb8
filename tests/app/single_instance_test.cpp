// Single instance: real second copies are refused without touching the settings; a crashed
// copy does not block the next start.
#include "single_instance.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

constexpr int kStartMs = 60000;

class SingleInstanceTest : public testing::Test {
protected:
    // The program's files under the temporary configuration folder.
    QString SettingsPath() const { return folder_.Path(QStringLiteral("Spirolan/Spirolan.ini")); }
    QString LockPath() const { return folder_.Path(QStringLiteral("Spirolan/Spirolan.lock")); }

    void Prepare(QProcess& process) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.Path(QStringLiteral(".")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
    }

    // Starts this test program as a copy of the program and returns what it printed.
    QString RunCopy(int* exitCode) const {
        QProcess copy;
        Prepare(copy);
        copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--instance")});
        EXPECT_TRUE(copy.waitForFinished(kStartMs));
        *exitCode = copy.exitCode();
        return QString::fromLocal8Bit(copy.readAllStandardOutput());
    }

    test::TempFolder folder_;
};

TEST_F(SingleInstanceTest, SecondCopyIsRefusedAndACrashedCopyDoesNotBlock) {
    QProcess first;
    Prepare(first);
    first.start(QStringLiteral(SPIROLAN_EXE), {});
    ASSERT_TRUE(first.waitForStarted(kStartMs));
    for (int waited = 0; !QFileInfo::exists(LockPath()) && waited < kStartMs; waited += 50) {
        QThread::msleep(50);
    }
    ASSERT_TRUE(QFileInfo::exists(LockPath()));
    const std::string stored = "[Settings]\nMainLeft=4320\nRepeat=True\n";
    test::WriteBytes(SettingsPath(), stored);

    int code = -1;
    const QString refused = RunCopy(&code);
    EXPECT_EQ(refused, QStringLiteral("MESSAGE Spirolan|Already Running|2\n"));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(test::ReadBytes(SettingsPath()), stored);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill(); // a crash: the lock file stays behind
    first.waitForFinished(kStartMs);
    ASSERT_TRUE(QFileInfo::exists(LockPath()));
    const QString started = RunCopy(&code);
    EXPECT_EQ(started, QStringLiteral("STARTED\n"));
    EXPECT_EQ(code, 0);
    const std::string written = test::ReadBytes(SettingsPath());
    EXPECT_NE(written.find("MainLeft=4320"), std::string::npos) << written;
    EXPECT_NE(written.find("MaxFaceNumber=384"), std::string::npos) << written;
}

TEST_F(SingleInstanceTest, LockIsHeldUntilReleased) {
    {
        SingleInstance holder(LockPath());
        ASSERT_TRUE(holder.Acquire());
        SingleInstance second(LockPath());
        EXPECT_FALSE(second.Acquire());
    }
    SingleInstance after(LockPath());
    EXPECT_TRUE(after.Acquire());
}

TEST_F(SingleInstanceTest, UnusableLockFolderDoesNotStopTheProgram) {
    test::WriteBytes(folder_.Path(QStringLiteral("plain")), "x");
    SingleInstance instance(folder_.Path(QStringLiteral("plain/Spirolan.lock")));
    EXPECT_TRUE(instance.Acquire());
}

} // namespace
} // namespace spirolan
