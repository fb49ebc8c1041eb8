// The hand-off end to end on a private Xvfb (no window manager) to a stand-in ORVEXA.EXE.
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

// Xvfb reports the free display it took; it stops after the platform has closed its connection.
TEST(HandoffX11Test, AfterASaveTheProgramReceivesMenuKeysPathAndOpenInOrder) {
#ifndef SPIROLAN_HAVE_XDO
    GTEST_SKIP() << "built without libxdo (Debian package libxdo-dev): no keys can be typed";
#endif
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty()) {
        GTEST_SKIP() << "no Xvfb (Debian package xvfb, which ./scripts/test.sh installs): the "
                        "end-to-end hand-off test needs a virtual X server";
    }
    QProcess xvfb;
    xvfb.setStandardErrorFile(QProcess::nullDevice());
    xvfb.start(program,
               {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    QByteArray number;
    while (!number.contains('\n') && xvfb.waitForReadyRead(20000)) {
        number += xvfb.readAllStandardOutput();
    }
    ASSERT_TRUE(number.contains('\n')) << "Xvfb did not report its display";
    QTemporaryDir dir;
    qputenv("SPIROLAN_STAND_IN_LOG", dir.filePath("keys.txt").toLocal8Bit());
    CamJob job;
    job.OrvlPathName = ORVEXA_STAND_IN_DIR;
    job.LastCafFile = "/tmp/cam jobs/thread%{7}+^~(b).caf";
    AnsweredHandoff platform(nullptr, ":" + number.trimmed().toStdString());
    StartOrvexa(job, platform);
    EXPECT_FALSE(platform.asked);
    QTRY_COMPARE_WITH_TIMEOUT(test::ReadBytes(dir.filePath("keys.txt")),
                              "<Alt+F><Down><Enter>" + job.LastCafFile + "<Alt+O>", 20000);
}

} // namespace
} // namespace spirolan
