// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: texts, icon, buttons, the redraw after OK, and the system-information tool.
#include "app/platform/sys_info.h"
#include "app/windows/frm_about.h"
#include "tests/app/test_support.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace spirolan {
namespace {

using test::PrintTo;

// Twice from the Help menu: the same texts, modal; OK repaints, the frame's close box does not.
TEST(AboutTest, HelpMenuOpensTheBoxWithItsTextsAndOkRedraws) {
    QTemporaryDir dir;
    CamJob job;
    const auto window = test::OpenWindow(job, dir.filePath("s.ini"), DefaultDialogHooks());
    window->SetModeAText(test::ReferenceModeA(job));
    const QImage blank = window->Picture1().Picture().copy();
    for (const bool pressOk : {false, true}) {
        QTimer::singleShot(0, [&window, pressOk] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->parentWidget(), window.get());
            EXPECT_EQ(
                QStringList({box->windowTitle(), box->lblTitle->text(), box->lblVersion->text(),
                             box->cmdOK->text(), box->cmdSysInfo->text()})
                    .join('|'),
                "ﾊﾞｰｼﾞｮﾝ情報 Spirolan|Spirolan|Ver. 2.2.3|O   K|System Inf.(&S)...");
            // The program's icon as the desktop's installed 32-pixel icon shows it.
            const QImage drawn(QStringLiteral(":/program_icon/32.png"));
            ASSERT_FALSE(drawn.isNull());
            EXPECT_EQ(box->picIcon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                      drawn.convertToFormat(QImage::Format_ARGB32));
            EXPECT_LT(box->picIcon->x(), box->lblTitle->x());
            // Captions are not cut: every button and label is as wide as its text wants.
            for (QWidget* widget : std::initializer_list<QWidget*>{
                     box->cmdOK, box->cmdSysInfo, box->lblTitle, box->lblVersion}) {
                EXPECT_GE(widget->width(), widget->sizeHint().width())
                    << widget->objectName().toStdString();
            }
            if (pressOk) {
                QTest::mouseClick(box->cmdOK, Qt::LeftButton);
            } else {
                box->close();
            }
        });
        window->findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
        EXPECT_EQ(window->Picture1().Picture() != blank, pressOk);
    }
}

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
        QTRY_COMPARE_WITH_TIMEOUT(test::ReadBytes(started), GetParam().started + "\n", 10000);
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
