// SPDX-License-Identifier: GPL-3.0-or-later
// The program's end when the system asks for it: a real copy ended by a signal, a session's end.
#include "tests/app/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

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
                                 "ThreadDir=0\nRepeat=False\nExportPathName=\nMaxSlideSpeed=\n"
                                 "MaxSlideAccel=\nRecentJobs=\n";
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

// The end of the session does not wait for an answer whether to save a changed job, not even to
// the question the close box has put; the settings are written and the document stays as it was.
TEST(SessionEndTest, DoesNotWaitForTheQuestionAboutAChangedJob) {
    QTemporaryDir dir;
    test::WriteBytes(dir.filePath("job.spjob"), test::kShape1Job);
    for (const bool asking : {true, false}) {
        CamJob job;
        const auto window = test::OpenWindow(job, dir.filePath("s.ini"), DefaultDialogHooks());
        ASSERT_TRUE(window->OpenJobFile(dir.filePath("job.spjob")));
        window->RecordStep({"Feed calculation", {}});
        const test::MessageBoxWatcher asked(QMessageBox::Cancel,
                                            [&window] { window->EndSession(); });
        if (asking) {
            EXPECT_TRUE(window->close());
        } else {
            window->EndSession();
        }
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(asked.log, asking
                                 ? std::vector<std::string>{"Spirolan|Save changes to job.spjob?|4"}
                                 : std::vector<std::string>{});
        EXPECT_EQ(test::ReadBytes(dir.filePath("job.spjob")), test::kShape1Job);
        EXPECT_NE(test::ReadBytes(dir.filePath("s.ini")).find("MainLeft=1000"), std::string::npos);
        QFile::remove(dir.filePath("s.ini"));
    }
}

} // namespace
} // namespace spirolan
