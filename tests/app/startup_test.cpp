// The program's end when the system asks for it: a real copy, ended by a signal.
#include "tests/app/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace spirolan {
namespace {

using test::PrintTo;

struct EndCase {
    const char* name;
    int signal;
    bool handWritten; // a settings file is there before the start
};

class SystemEndTest : public testing::TestWithParam<EndCase> {};

// The settings are written as the close box writes them and the lock goes; a hand-written file
// holding what the program would write comes back byte for byte, its other lines included.
TEST_P(SystemEndTest, WritesTheSettingsAndReleasesTheLock) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("config/Spirolan/Spirolan.ini");
    const QString lock = dir.filePath("Spirolan.lock");
    const std::string defaults = "[Settings]\nMainLeft=1000\nMainTop=1000\nMainWidth=12000\n"
                                 "MainHeight=8000\nOpenPathName=\\\n"
                                 "OrvlPathName=\\Program Files\\Orvexa\nMaxFaceNumber=384\n"
                                 "ThreadDir=0\nRepeat=False\n";
    const std::string handWritten = "; by hand\n" + defaults + "[Other]\nno key\n";
    if (GetParam().handWritten) {
        QDir().mkpath(QFileInfo(settings).absolutePath());
        test::WriteBytes(settings, handWritten);
    }
    QProcess copy;
    copy.setEnvironment(test::CopyEnvironment(dir.path()));
    copy.start(QStringLiteral(SPIROLAN_EXE), {});
    ASSERT_TRUE(copy.waitForStarted());
    ASSERT_TRUE(test::WaitForFile(lock));
    ASSERT_EQ(::kill(static_cast<pid_t>(copy.processId()), GetParam().signal), 0);
    ASSERT_TRUE(copy.waitForFinished(60000));
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(lock));
    EXPECT_EQ(test::ReadBytes(settings), GetParam().handWritten ? handWritten : defaults);
}

INSTANTIATE_TEST_SUITE_P(Signals, SystemEndTest,
                         testing::Values(EndCase{"Terminate", SIGTERM, true},
                                         EndCase{"Interrupt", SIGINT, false},
                                         EndCase{"HangUp", SIGHUP, false}),
                         test::kRowName);

} // namespace
} // namespace spirolan
