// Single instance: real second copies are refused without touching the settings; a crashed
// copy does not block the next start; an unusable lock folder does not stop the program.
#include "single_instance.h"
#include "test_support.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

constexpr int kStartMs = 60000;

class SingleInstanceTest : public testing::Test {
protected:
    // A copy of the program over the temporary configuration folder.
    void Prepare(QProcess& process) const {
        process.setEnvironment(QProcess::systemEnvironment()
                               << "XDG_CONFIG_HOME=" + dir_.path() << "QT_QPA_PLATFORM=offscreen");
    }
    // Starts this test program as a copy of the program and returns what it printed.
    QString RunCopy() const {
        QProcess copy;
        Prepare(copy);
        copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--instance")});
        EXPECT_TRUE(copy.waitForFinished(kStartMs));
        EXPECT_EQ(copy.exitCode(), 0);
        return QString::fromLocal8Bit(copy.readAllStandardOutput());
    }
    QTemporaryDir dir_;
    const QString settings_ = dir_.filePath("Spirolan/Spirolan.ini");
    const QString lock_ = dir_.filePath("Spirolan/Spirolan.lock");
};

TEST_F(SingleInstanceTest, SecondCopyIsRefusedAndACrashedCopyDoesNotBlock) {
    QProcess first;
    Prepare(first);
    first.start(QStringLiteral(SPIROLAN_EXE), {});
    ASSERT_TRUE(first.waitForStarted(kStartMs));
    for (int waited = 0; !QFileInfo::exists(lock_) && waited < kStartMs; waited += 50) {
        QThread::msleep(50);
    }
    ASSERT_TRUE(QFileInfo::exists(lock_));
    const std::string stored = "[Settings]\nMainLeft=4320\nRepeat=True\n";
    test::WriteBytes(settings_, stored);

    EXPECT_EQ(RunCopy(), QStringLiteral("MESSAGE Spirolan|Already Running|2\n"));
    EXPECT_EQ(test::ReadBytes(settings_), stored);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill(); // a crash: the lock file stays behind
    first.waitForFinished(kStartMs);
    ASSERT_TRUE(QFileInfo::exists(lock_));
    EXPECT_EQ(RunCopy(), QStringLiteral("STARTED\n"));
    const std::string written = test::ReadBytes(settings_);
    EXPECT_NE(written.find("MainLeft=4320"), std::string::npos) << written;
    EXPECT_NE(written.find("MaxFaceNumber=384"), std::string::npos) << written;
}

TEST_F(SingleInstanceTest, UnusableLockFolderDoesNotStopTheProgram) {
    test::WriteBytes(dir_.filePath("plain"), "x");
    SingleInstance instance(dir_.filePath("plain/Spirolan.lock"));
    EXPECT_TRUE(instance.Acquire());
}

} // namespace
} // namespace spirolan
