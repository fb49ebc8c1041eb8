// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off end to end on a private Xvfb (no window manager) to a stand-in ORVEXA.EXE, with a
// decoy window of another program whose title holds "orvexa".
#include "app/handoff/desktop_handoff.h"
#include "app/handoff/start_orvexa.h"
#include "tests/app/test_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// libxdo drops the keyboard description it reads per connection (XkbGetMap); nothing of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:XkbGetMap\n";
}

namespace spirolan {
namespace {

// The real platform with the question answered No and noted.
class AnsweredHandoff final : public DesktopHandoffPlatform {
public:
    using DesktopHandoffPlatform::DesktopHandoffPlatform;
    bool AskYesNo(const std::string&, const std::string&) override {
        asked = true;
        return false;
    }
    bool asked = false;
};

// A private X server, and beside the program a decoy: an editor of another process showing
// "notes about orvexa.txt", which logs what is typed into it. Both stop with the fixture.
class HandoffX11Test : public testing::Test {
protected:
    void SetUp() override {
#ifndef SPIROLAN_HAVE_XDO
        GTEST_SKIP() << "built without libxdo (Debian package libxdo-dev): no keys can be typed";
#endif
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
            GTEST_SKIP() << "no Xvfb (Debian package xvfb, which ./scripts/test.sh installs): "
                            "the end-to-end hand-off test needs a virtual X server";
        }
        display_ = test::StartXvfb(xvfb_);
        ASSERT_FALSE(display_.empty()) << "Xvfb did not report its display";

        StartStandIn(decoy_, "decoy.txt", "");
        qputenv("SPIROLAN_STAND_IN_LOG", dir_.filePath("keys.txt").toLocal8Bit());
        job_.OrvlPathName = ORVEXA_STAND_IN_DIR;
    }
    void TearDown() override {
        qunsetenv("SPIROLAN_STAND_IN_MODE");
    }
    // A stand-in titled "notes about orvexa.txt" on the private display, started once it logs.
    void StartStandIn(QProcess& process, const QString& log, const QString& mode) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromStdString(display_));
        environment.insert("SPIROLAN_STAND_IN_LOG", dir_.filePath(log));
        environment.insert("SPIROLAN_STAND_IN_TITLE", "notes about orvexa.txt");
        environment.insert("SPIROLAN_STAND_IN_MODE", mode);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVEXA_STAND_IN_DIR "/ORVEXA.EXE"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dir_.filePath(log)); }, 10000));
    }

    QTemporaryDir dir_;
    QProcess xvfb_;
    QProcess decoy_;
    std::string display_;
    CamJob job_;
};

// The window is the started program's child's: found by its process, not by a title.
TEST_F(HandoffX11Test, AfterASaveTheProgramReceivesMenuKeysPathAndOpenInOrderAndTheDecoyNothing) {
    qputenv("SPIROLAN_STAND_IN_MODE", "child");
    job_.LastCafFile = "/tmp/cam jobs/thread%{7}+^~(b).caf";
    AnsweredHandoff platform(nullptr, {.Display = display_});
    StartOrvexa(job_, platform);
    EXPECT_FALSE(platform.asked);
    const std::string keys = "<Alt+F><Down><Enter>" + job_.LastCafFile + "<Alt+O>";
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return test::ReadBytes(dir_.filePath("keys.txt")) == keys; }, 20000))
        << test::ReadBytes(dir_.filePath("keys.txt"));
    EXPECT_EQ(test::ReadBytes(dir_.filePath("decoy.txt")), "");
}

// Windows are told apart by the process that owns them, named on the window or on its client
// leader; a title is no owner.
TEST_F(HandoffX11Test, WindowsAreFoundByTheirProcessOrClientLeaderNeverByTitle) {
    X11Keyboard keyboard(display_);
    EXPECT_FALSE(keyboard.FindWindow(xvfb_.processId())); // alive, without a window
    EXPECT_TRUE(keyboard.FindWindow(decoy_.processId()));
    QProcess led;
    StartStandIn(led, "led.txt", "leader");
    EXPECT_TRUE(keyboard.FindWindow(led.processId()));
}

// A program that shows no window of its own within the wait gets the question, and nothing is
// typed anywhere: not into the decoy, whose title holds the program's name.
TEST_F(HandoffX11Test, WithoutAWindowOfItsOwnNothingIsTypedAndTheQuestionIsAsked) {
    qputenv("SPIROLAN_STAND_IN_MODE", "none");
    AnsweredHandoff platform(nullptr, {.Display = display_, .WindowWait = 1.5});
    StartOrvexa(job_, platform);
    EXPECT_TRUE(platform.asked);
    QTest::qWait(300); // keys sent would have arrived by now
    EXPECT_EQ(test::ReadBytes(dir_.filePath("decoy.txt")), "");
}

} // namespace
} // namespace spirolan
