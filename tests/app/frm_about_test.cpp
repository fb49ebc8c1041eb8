// The About box: texts, icon, buttons, the redraw after OK, and the system-information tool.
#include "dialog_hooks.h"
#include "frm_about.h"
#include "frm_main.h"
#include "sys_info.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace spirolan {
namespace {

struct Shown {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

class AboutTest : public testing::Test {
protected:
    std::unique_ptr<frmAbout> Open() {
        return std::make_unique<frmAbout>(
            nullptr, [this] { redraws.push_back(box_ && box_->isVisible() ? "open" : "closed"); },
            [this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
                messages.push_back({icon, caption, text});
            });
    }
    std::vector<std::string> redraws;
    std::vector<Shown> messages;
    frmAbout* box_ = nullptr;
};

TEST_F(AboutTest, ShowsCaptionIconTitleVersionAndButtonsEveryTime) {
    for (int opening = 0; opening < 2; ++opening) {
        const auto box = Open();
        box->show();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Spirolan"));
        EXPECT_EQ(box->lblTitle->text(), QStringLiteral("Spirolan"));
        EXPECT_EQ(box->lblVersion->text(), QStringLiteral("Ver. 2.2.3"));
        EXPECT_EQ(box->cmdOK->text(), QStringLiteral("O   K"));
        EXPECT_EQ(box->cmdSysInfo->text(), QStringLiteral("System Inf.(&S)..."));
        EXPECT_FALSE(box->picIcon->pixmap().isNull());
        EXPECT_LT(box->picIcon->x(), box->lblTitle->x());
        EXPECT_LE(box->picIcon->y(), box->lblTitle->y());
        // Captions are not cut: every button and label is at least as wide as its text wants.
        for (QWidget* widget :
             {static_cast<QWidget*>(box->cmdOK), static_cast<QWidget*>(box->cmdSysInfo),
              static_cast<QWidget*>(box->lblTitle), static_cast<QWidget*>(box->lblVersion)}) {
            EXPECT_GE(widget->width(), widget->sizeHint().width())
                << widget->objectName().toStdString();
        }
    }
}

TEST_F(AboutTest, OkClosesTheModalBoxThenRedraws) {
    const auto box = Open();
    box_ = box.get();
    QTimer::singleShot(0, [&box] { QTest::mouseClick(box->cmdOK, Qt::LeftButton); });
    EXPECT_EQ(box->exec(), QDialog::Accepted);
    EXPECT_EQ(redraws, std::vector<std::string>{"closed"});
}

TEST_F(AboutTest, ClosingByTheFrameDoesNotRedraw) {
    const auto box = Open();
    QTimer::singleShot(0, [&box] { box->close(); });
    EXPECT_EQ(box->exec(), QDialog::Rejected);
    EXPECT_TRUE(redraws.empty());
}

// From the main window's Help menu: modal, owned by the window; OK repaints the graphs that
// have data, the frame's close box does not.
TEST(AboutFromMainWindowTest, HelpMenuOpensTheBoxOverTheWindow) {
    test::TempFolder folder;
    CamJob job;
    test::FillTable(job);
    const auto window = test::OpenWindow(job, folder.SettingsPath(), DefaultDialogHooks());
    window->SetModeAText(test::SampleModeAText());
    const QImage blank = window->Picture1().Picture().copy();
    for (const bool pressOk : {false, true}) {
        QWidget* owner = nullptr;
        bool modal = false;
        QTimer::singleShot(0, [&owner, &modal, pressOk] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            owner = box->parentWidget();
            modal = box->isModal();
            if (pressOk) {
                QTest::mouseClick(box->cmdOK, Qt::LeftButton);
            } else {
                box->close();
            }
        });
        window->findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
        EXPECT_EQ(owner, window.get()) << pressOk;
        EXPECT_TRUE(modal) << pressOk;
        EXPECT_EQ(window->Picture1().Picture() != blank, pressOk);
    }
}

// Puts only `tools` on the PATH while it lives; each one, when started, writes its name into
// the file "started" of the same folder.
class ToolPath {
public:
    explicit ToolPath(const std::vector<std::string>& tools) : saved_(qgetenv("PATH")) {
        for (const std::string& tool : tools) {
            const QString path = folder_.Path(QString::fromStdString(tool));
            test::WriteBytes(path,
                             "#!/bin/sh\necho " + tool + " > '" + Started().toStdString() + "'\n");
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", folder_.Path(QString()).toLocal8Bit());
    }
    ~ToolPath() { qputenv("PATH", saved_); }
    ToolPath(const ToolPath&) = delete;
    ToolPath& operator=(const ToolPath&) = delete;

    QString Started() const { return folder_.Path(QStringLiteral("started")); }

private:
    test::TempFolder folder_;
    QByteArray saved_;
};

struct ToolCase {
    std::string name;
    std::vector<std::string> onPath;
    std::string started; // empty: none, the message instead
};

void PrintTo(const ToolCase& c, std::ostream* os) {
    *os << c.name;
}

class SysInfoTest : public AboutTest, public testing::WithParamInterface<ToolCase> {};

TEST_P(SysInfoTest, StartsTheFirstToolFoundOrSaysItIsUnavailable) {
    const ToolCase& c = GetParam();
    ToolPath path(c.onPath);
    const auto box = Open();
    box->show();
    QTest::mouseClick(box->cmdSysInfo, Qt::LeftButton);
    if (c.started.empty()) {
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_EQ(messages[0].icon, QMessageBox::NoIcon);
        EXPECT_EQ(messages[0].caption, QStringLiteral("Spirolan"));
        EXPECT_EQ(messages[0].text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
    } else {
        EXPECT_TRUE(messages.empty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path.Started()), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(test::ReadBytes(path.Started()), c.started + "\n", 10000);
    }
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(redraws.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tools, SysInfoTest,
    testing::Values(ToolCase{"NoneOnPath", {}, ""},
                    ToolCase{"UnrelatedProgramOnly", {"sysinfo"}, ""},
                    ToolCase{"KdeInfoCenter", {"kinfocenter"}, "kinfocenter"},
                    ToolCase{"HardInfoBeforeInfoCenter", {"kinfocenter", "hardinfo"}, "hardinfo"},
                    ToolCase{"NewHardInfoFirst", {"hardinfo", "hardinfo2"}, "hardinfo2"}),
    [](const testing::TestParamInfo<ToolCase>& info) { return info.param.name; });

TEST(SysInfoMessageTest, ByDefaultTheBoxShowsARealMessageAndStaysOpen) {
    ToolPath path({});
    frmAbout box(nullptr, [] {});
    box.show();
    test::MessageBoxWatcher watcher;
    QTest::mouseClick(box.cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(watcher.Log(),
              std::vector<std::string>{"Spirolan|現時点ではｼｽﾃﾑ情報を使用できません|0"});
    EXPECT_TRUE(box.isVisible());
}

TEST(RegistryTest, NoRegistryHereSoEveryReadFailsWithAnEmptyText) {
    std::string value = "previous";
    EXPECT_FALSE(GetKeyValue(KeyRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                             "PATH", value));
    EXPECT_EQ(value, "");
}

TEST(RegistryTest, NumbersShowEveryByteFromTheLastToTheFirst) {
    EXPECT_EQ(RegistryNumberText(std::array<unsigned char, 4>{0x04, 0x01, 0x00, 0x00}),
              "&h00000104");
    EXPECT_EQ(RegistryNumberText(std::array<unsigned char, 4>{0x00, 0x00, 0x00, 0x00}),
              "&h00000000");
    EXPECT_EQ(RegistryNumberText(std::array<unsigned char, 4>{0xEF, 0xBE, 0xAD, 0xDE}),
              "&hDEADBEEF");
}

} // namespace
} // namespace spirolan
