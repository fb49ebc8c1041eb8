// Single instance: real second copies refused, crashed copies and unusable locks not blocking.
#include "app/platform/single_instance.h"
#include "tests/app/test_support.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

TEST(SingleInstanceTest, SecondCopyIsRefusedAndACrashedCopyDoesNotBlock) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("Spirolan/Spirolan.ini");
    const QString lock = dir.filePath("Spirolan/Spirolan.lock");
    const QStringList environment = QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + dir.path()
                                                                  << "QT_QPA_PLATFORM=offscreen";
    const auto runCopy = [&environment] {
        QProcess copy;
        copy.setEnvironment(environment);
        copy.start(QCoreApplication::applicationFilePath(), {"--instance"});
        EXPECT_TRUE(copy.waitForFinished(60000));
        EXPECT_EQ(copy.exitCode(), 0);
        return QString::fromLocal8Bit(copy.readAllStandardOutput());
    };
    QProcess first;
    first.setEnvironment(environment);
    first.start(QStringLiteral(SPIROLAN_EXE), {});
    ASSERT_TRUE(first.waitForStarted());
    for (int waited = 0; !QFileInfo::exists(lock) && waited < 60000; waited += 50) {
        QThread::msleep(50);
    }
    ASSERT_TRUE(QFileInfo::exists(lock));
    const std::string stored = "[Settings]\nMainLeft=4320\nRepeat=True\n";
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

TEST(SingleInstanceTest, UnusableLockFolderDoesNotStopTheProgram) {
    QTemporaryDir dir;
    test::WriteBytes(dir.filePath("plain"), "x");
    EXPECT_TRUE(SingleInstance(dir.filePath("plain/Spirolan.lock")).Acquire());
}

} // namespace
} // namespace spirolan
