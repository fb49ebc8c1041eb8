// The hand-off end to end on a private Xvfb server: a stand-in ORVEXA.EXE records the keys it
// receives. Bare Xvfb has no window manager, so the window gets the focus, not activation.
#include "desktop_handoff.h"
#include "start_orvexa.h"
#include "test_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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

// One server for the suite (libxdo keeps the atoms of the first display it talks to), on a free
// display number that Xvfb reports on its standard output once it accepts connections.
class HandoffX11Test : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty()) {
            return;
        }
        xvfb_ = std::make_unique<QProcess>();
        xvfb_->setStandardErrorFile(QProcess::nullDevice());
        xvfb_->start(program, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                               "-noreset"});
        QByteArray number;
        while (!number.contains('\n') && xvfb_->waitForReadyRead(20000)) {
            number += xvfb_->readAllStandardOutput();
        }
        display_ = number.contains('\n') ? ":" + number.trimmed().toStdString() : "";
    }
    static void TearDownTestSuite() {
        if (xvfb_ != nullptr) {
            xvfb_->terminate();
            xvfb_->waitForFinished();
            xvfb_.reset();
        }
    }

    void SetUp() override {
#ifndef SPIROLAN_HAVE_XDO
        GTEST_SKIP() << "built without libxdo (Debian package libxdo-dev): the hand-off cannot "
                        "type into windows, so there is nothing to test end to end";
#endif
        if (display_.empty()) {
            GTEST_SKIP() << "no Xvfb (Debian package xvfb, which ./scripts/test.sh installs) or it "
                            "did not start: the end-to-end hand-off test needs a virtual X server";
        }
        qputenv("SPIROLAN_STAND_IN_LOG", dir_.filePath("keys.txt").toLocal8Bit());
    }

    inline static std::unique_ptr<QProcess> xvfb_;
    inline static std::string display_;
    QTemporaryDir dir_;
};

TEST_F(HandoffX11Test, AfterASaveTheProgramReceivesMenuKeysPathAndOpenInOrder) {
    CamJob job;
    job.OrvlPathName = ORVEXA_STAND_IN_DIR;
    job.LastCafFile = "/tmp/cam jobs/thread%{7}+^~(b).caf";
    AnsweredHandoff platform(nullptr, display_);
    StartOrvexa(job, platform);
    EXPECT_FALSE(platform.asked);
    QTRY_COMPARE_WITH_TIMEOUT(test::ReadBytes(dir_.filePath("keys.txt")),
                              "<Alt+F><Down><Enter>" + job.LastCafFile + "<Alt+O>", 20000);
}

} // namespace
} // namespace spirolan
