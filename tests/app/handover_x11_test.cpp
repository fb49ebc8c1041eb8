// SPDX-License-Identifier: GPL-3.0-or-later
// A second start hands its job document to the running copy, on a private Xvfb: real copies of
// the program, their captions read from the X server.
#include "tests/app/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace spirolan {
namespace {

class HandoverX11Test : public testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty()) {
            GTEST_SKIP() << "no Xvfb or xwininfo (Debian packages xvfb and x11-utils): the "
                            "hand-over test needs a virtual X server and reads captions from it";
        }
        display_ = QString::fromStdString(test::StartXvfb(xvfb_));
        ASSERT_FALSE(display_.isEmpty()) << "Xvfb did not report its display";
        test::WriteBytes(dir_.filePath("lsan.txt"), "leak:libdbus-1.so\n");
        test::WriteBytes(dir_.filePath("other.spjob"), test::kShape1Job);
    }

    void TearDown() override {
        xvfb_.kill();
        xvfb_.waitForFinished();
    }

    // A copy of the program on the Xvfb, started in the test's folder.
    void Start(QProcess& copy, const QStringList& arguments) {
        QStringList environment = test::CopyEnvironment(dir_.path());
        // On X11 the toolkit's D-Bus connection keeps a buffer that libdbus never frees.
        environment << "QT_QPA_PLATFORM=xcb"
                    << "DISPLAY=" + display_
                    << "LSAN_OPTIONS=suppressions=" + dir_.filePath("lsan.txt");
        copy.setEnvironment(environment);
        copy.setWorkingDirectory(dir_.path());
        copy.start(QStringLiteral(SPIROLAN_EXE), arguments);
        ASSERT_TRUE(copy.waitForStarted());
    }

    // Whether a window with exactly this caption shows within 30 seconds.
    bool CaptionShows(const QString& caption) {
        const QByteArray quoted = '"' + caption.toUtf8() + '"';
        for (int waited = 0; waited < 30000; waited += 100) {
            QProcess tree;
            tree.start(QStringLiteral("xwininfo"), {"-display", display_, "-root", "-tree"});
            if (tree.waitForFinished(10000) && tree.readAllStandardOutput().contains(quoted)) {
                return true;
            }
            QTest::qWait(100);
        }
        return false;
    }

    // `spirolan other.spjob` (a path relative to its own folder) ends at once with 0, silently.
    void HandOver() {
        QProcess second;
        Start(second, {QStringLiteral("other.spjob")});
        ASSERT_TRUE(second.waitForFinished(30000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(second.readAllStandardOutput(), "");
    }

    QTemporaryDir dir_;
    QProcess xvfb_;
    QString display_;
    const QString fresh_ = QStringLiteral("Spirolan  Ver. 2.23");
    const QString opened_ = QStringLiteral("other.spjob - Spirolan  Ver. 2.23");
};

TEST_F(HandoverX11Test, ASecondStartHandsItsDocumentOverAndAStaleSocketIsReplaced) {
    QProcess first;
    Start(first, {});
    ASSERT_TRUE(CaptionShows(fresh_));
    HandOver();
    EXPECT_TRUE(CaptionShows(opened_));

    // Killed, the first copy leaves its socket and lock behind; the next start runs all the
    // same and takes documents itself.
    first.kill();
    ASSERT_TRUE(first.waitForFinished(30000));
    ASSERT_TRUE(QFileInfo(dir_.filePath("Spirolan.socket")).exists());
    QProcess next;
    Start(next, {});
    ASSERT_TRUE(CaptionShows(fresh_));
    HandOver();
    EXPECT_TRUE(CaptionShows(opened_));
    ::kill(static_cast<pid_t>(next.processId()), SIGTERM);
    EXPECT_TRUE(next.waitForFinished(30000));
    EXPECT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath("Spirolan.lock")));
}

} // namespace
} // namespace spirolan
