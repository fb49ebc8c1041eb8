// The hand-off end to end on a private Xvfb server: a stand-in ORVEXA.EXE records the keys it
// receives. Bare Xvfb has no window manager, so the window gets the focus, not activation.
#include "desktop_handoff.h"
#include "start_orvexa.h"
#include "test_support.h"
#include "x11_keyboard.h"
#include "xvfb_server.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// libxdo drops the keyboard description that it reads when it connects (72 bytes a
// connection, allocated in XkbGetMap); nothing of ours.
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

// One server for the suite: libxdo keeps the atoms of the first display it talks to.
class HandoffX11Test : public testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<test::XvfbServer>(); }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
#ifndef SPIROLAN_HAVE_XDO
        GTEST_SKIP() << "built without libxdo (Debian package libxdo-dev): the hand-off cannot "
                        "type into windows, so there is nothing to test end to end";
#endif
        if (server_->Display().empty()) {
            GTEST_SKIP() << server_->Error() << " (Debian package xvfb, which ./scripts/test.sh "
                         << "installs): the end-to-end hand-off test needs a virtual X server";
        }
        qputenv("SPIROLAN_STAND_IN_LOG", dir_.filePath("keys.txt").toLocal8Bit());
    }

    // Starts the stand-in with its window titled `title`.
    void Start(QProcess& process, const QString& title) {
        process.setEnvironment(QProcess::systemEnvironment()
                               << "DISPLAY=" + QString::fromStdString(server_->Display())
                               << "SPIROLAN_STAND_IN_TITLE=" + title);
        process.start(QStringLiteral(ORVEXA_STAND_IN_DIR "/ORVEXA.EXE"));
        ASSERT_TRUE(process.waitForStarted());
    }

    inline static std::unique_ptr<test::XvfbServer> server_;
    QTemporaryDir dir_;
};

TEST_F(HandoffX11Test, AfterASaveTheProgramReceivesMenuKeysPathAndOpenInOrder) {
    CamJob job;
    job.OrvlPathName = ORVEXA_STAND_IN_DIR;
    job.LastCafFile = "/tmp/cam jobs/thread%{7}+^~(b).caf";
    AnsweredHandoff platform(nullptr, server_->Display());
    StartOrvexa(job, platform);
    EXPECT_FALSE(platform.asked);
    QTRY_COMPARE_WITH_TIMEOUT(test::ReadBytes(dir_.filePath("keys.txt")),
                              "<Alt+F><Down><Enter>" + job.LastCafFile + "<Alt+O>", 20000);
}

TEST_F(HandoffX11Test, WindowIsFoundByProcessOrElseByTitle) {
    X11Keyboard keyboard(server_->Display());
    ASSERT_TRUE(keyboard.IsOpen());
    QProcess plain;
    Start(plain, QStringLiteral("Stand-in"));
    QTRY_VERIFY_WITH_TIMEOUT(keyboard.FindWindow(plain.processId()).has_value(), 10000);
    EXPECT_FALSE(keyboard.FindWindow(-1).has_value());
    QProcess titled;
    Start(titled, QStringLiteral("ORVEXA - untitled"));
    QTRY_VERIFY_WITH_TIMEOUT(keyboard.FindWindow(-1).has_value(), 10000);
    EXPECT_NE(keyboard.FindWindow(-1), keyboard.FindWindow(plain.processId()));
    EXPECT_EQ(keyboard.FindWindow(-1), keyboard.FindWindow(titled.processId()));
    plain.kill();
    titled.kill();
    plain.waitForFinished();
    titled.waitForFinished();
}

} // namespace
} // namespace spirolan
