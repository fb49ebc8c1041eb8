// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's way to the system-information tool: the first tool found on the PATH, or a
// message. The box itself is a window flow.
#include "app/platform/sys_info.h"
#include "app/windows/frm_about.h"
#include "tests/app/test_support.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::PrintTo;

struct ToolCase {
    std::string name;
    std::vector<std::string> onPath;
    std::string started; // empty: none, the message instead
};

class SysInfoTest : public testing::TestWithParam<ToolCase> {};

// Only the row's tools are on the PATH; each, when started, writes its name into "started".
TEST_P(SysInfoTest, StartsTheFirstToolFoundOrSaysItIsUnavailable) {
    QTemporaryDir dir;
    const QString started = dir.filePath("started");
    for (const std::string& tool : GetParam().onPath) {
        const QString path = dir.filePath(QString::fromStdString(tool));
        test::WriteBytes(path, "#!/bin/sh\necho " + tool + " > '" + started.toStdString() + "'\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    bool redrawn = false;
    frmAbout box(nullptr, [&redrawn] { redrawn = true; });
    box.show();
    test::MessageBoxWatcher watcher;
    QTest::mouseClick(box.cmdSysInfo, Qt::LeftButton);
    if (GetParam().started.empty()) {
        EXPECT_EQ(watcher.log,
                  std::vector<std::string>{"Spirolan|現時点ではｼｽﾃﾑ情報を使用できません|0"});
    } else {
        EXPECT_TRUE(watcher.log.empty());
        const std::string name = GetParam().started + "\n";
        EXPECT_TRUE(QTest::qWaitFor([&] { return test::ReadBytes(started) == name; }, 10000))
            << test::ReadBytes(started);
    }
    qputenv("PATH", savedPath);
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(redrawn);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, SysInfoTest,
    testing::Values(ToolCase{"NoneOnPath", {}, ""},
                    ToolCase{"HardInfoBeforeInfoCenter", {"kinfocenter", "hardinfo"}, "hardinfo"},
                    ToolCase{"NewHardInfoFirst", {"hardinfo", "hardinfo2"}, "hardinfo2"}),
    test::kRowName);

} // namespace
} // namespace spirolan
