// The hand-off end to end on a private Xvfb server: a stand-in ORVEXA.EXE records the keys it
// receives. Bare Xvfb has no window manager, so the window gets the focus, not activation.
#include "desktop_handoff.h"
#include "start_orvexa.h"
#include "test_support.h"
#include "x11_keyboard.h"
#include "xvfb_server.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// libxdo drops the keyboard description that it reads when it connects (72 bytes a
// connection, allocated in XkbGetMap); nothing of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:XkbGetMap\n";
}

namespace spirolan {
namespace {

/// The real platform with the question answered No and noted.
class AnsweredHandoff final : public DesktopHandoffPlatform {
public:
    using DesktopHandoffPlatform::DesktopHandoffPlatform;
    bool AskYesNo(const std::string&, const std::string&) override {
        asked = true;
        return false;
    }
    bool asked = false;
};

/// Sets an environment variable while it lives.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, saved_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray saved_;
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
        if (!server_->Installed()) {
            GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb, which ./scripts/test.sh "
                            "installs): the end-to-end hand-off test needs a virtual X server";
        }
        ASSERT_FALSE(server_->Display().empty()) << server_->Error();
    }

    inline static std::unique_ptr<test::XvfbServer> server_;
    test::TempFolder folder_;
};

TEST_F(HandoffX11Test, AfterASaveTheProgramReceivesMenuKeysPathAndOpenInOrder) {
    const QString keys = folder_.Path(QStringLiteral("keys.txt"));
    ScopedVariable log("SPIROLAN_STAND_IN_LOG", keys);
    CamJob job;
    job.OrvlPathName = ORVEXA_STAND_IN_DIR;
    job.LastCafFile = "/tmp/cam jobs/thread%{7}+^~(b).caf";
    job.OpenPathName = "/tmp/cam jobs";
    AnsweredHandoff platform(nullptr, server_->Display());

    StartOrvexa(job, platform);

    EXPECT_FALSE(platform.asked);
    QTRY_COMPARE_WITH_TIMEOUT(test::ReadBytes(keys),
                              "<Alt+F><Down><Enter>" + job.LastCafFile + "<Alt+O>", 20000);
}

TEST_F(HandoffX11Test, WindowIsFoundByProcessOrElseByTitle) {
    X11Keyboard keyboard(server_->Display());
    ASSERT_TRUE(keyboard.IsOpen()) << server_->Display();
    const auto start = [this](const QString& title, QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(server_->Display()));
        environment.insert(QStringLiteral("SPIROLAN_STAND_IN_LOG"),
                           folder_.Path(QStringLiteral("unused.txt")));
        environment.insert(QStringLiteral("SPIROLAN_STAND_IN_TITLE"), title);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVEXA_STAND_IN_DIR "/ORVEXA.EXE"));
        ASSERT_TRUE(process.waitForStarted());
    };
    QProcess plain;
    start(QStringLiteral("Stand-in"), plain);
    QTRY_VERIFY_WITH_TIMEOUT(keyboard.FindWindow(plain.processId()).has_value(), 10000);
    EXPECT_FALSE(keyboard.FindWindow(-1).has_value());

    QProcess titled;
    start(QStringLiteral("ORVEXA - untitled"), titled);
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
