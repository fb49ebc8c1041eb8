// Saving: exact bytes, failures that keep the old file, the save commands and the save dialog.
#include "caf_saving.h"
#include "test_support.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <ostream>
#include <sys/resource.h>

namespace spirolan {
namespace {

using test::PrintTo;
using test::ReadBytes;
using test::WriteBytes;

TEST(CafFileTest, PaneTextAndOneCrLfByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.caf");
    ASSERT_TRUE(WriteCafFile(path, "CAM4\r\nEND\r\n").Ok);
    EXPECT_EQ(ReadBytes(path), "CAM4\r\nEND\r\n\r\n");
    // Replacing a longer file leaves nothing of it; bytes above 127 pass unchanged.
    ASSERT_TRUE(WriteCafFile(path, std::string("\x80\xff\n", 3)).Ok);
    EXPECT_EQ(ReadBytes(path), std::string("\x80\xff\n\r\n", 5));
}

struct FailureCase {
    const char* name;
    const char* target; // inside the temporary folder
    bool diskFull;      // the process's file size limit makes a write beyond 4 KiB fail
};

class SaveFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(SaveFailureTest, ReportsTheFileAndKeepsTheOldOne) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("old.caf"), "old contents\r\n");
    QDir(dir.path()).mkdir("folder");
    const QString target = dir.filePath(GetParam().target);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = GetParam().diskFull ? 4096 : saved.rlim_cur;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const SaveOutcome outcome = WriteCafFile(target, std::string(1 << 20, '7'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, signal);
    EXPECT_FALSE(outcome.Ok);
    EXPECT_TRUE(outcome.Message.contains(QDir::toNativeSeparators(target)))
        << outcome.Message.toStdString();
    EXPECT_EQ(ReadBytes(dir.filePath("old.caf")), "old contents\r\n");
    // No partial or temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.caf"});
}

INSTANTIATE_TEST_SUITE_P(Paths, SaveFailureTest,
                         testing::Values(FailureCase{"ParentIsARegularFile", "old.caf/new", false},
                                         FailureCase{"MissingFolder", "missing/new.caf", false},
                                         FailureCase{"TargetIsAFolder", "folder", false},
                                         FailureCase{"DiskFullOverAnOldFile", "old.caf", true}),
                         test::kRowName);

class SaveCommandTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = test::OpenWindow(job_, dir_.filePath("s.ini"));
        window_->SetSaveFileChooser([this](QWidget* parent, const QString& initial) {
            EXPECT_EQ(parent, window_.get());
            offered_.push_back(initial);
            return choice_;
        });
    }
    QTemporaryDir dir_;
    CamJob job_;
    std::unique_ptr<frmMain> window_;
    QString choice_;
    QStringList offered_;
};

TEST_F(SaveCommandTest, SavesBothPanesAndRemembersTheLastFileButNotOnCancel) {
    const std::string modeA = test::FillTable(job_);
    window_->SetModeAText(modeA);
    window_->SetModeBText("CAM4\r\nEND\r\n");
    window_->mnuFileSave_Click(); // cancelled
    EXPECT_EQ(job_.OpenPathName, "\\");
    EXPECT_TRUE(job_.LastCafFile.empty());

    QDir(dir_.path()).mkdir("first");
    choice_ = dir_.filePath("first/groove"); // no extension: used as typed
    window_->tbToolBar_ButtonClick(QStringLiteral("SaveA"));
    EXPECT_EQ(ReadBytes(choice_), modeA + "\r\n");
    EXPECT_EQ(job_.LastCafFile, QDir::toNativeSeparators(choice_).toStdString());
    choice_ = dir_.filePath("b.caf");
    window_->findChild<QAction*>(QStringLiteral("SaveB"))->trigger();
    EXPECT_EQ(ReadBytes(choice_), "CAM4\r\nEND\r\n\r\n");
    const QString first = QDir::toNativeSeparators(dir_.filePath("first"));
    EXPECT_EQ(offered_, QStringList({"\\", "\\", first}));
    EXPECT_EQ(job_.OpenPathName, QDir::toNativeSeparators(dir_.path()).toStdString());
    EXPECT_EQ(job_.LastCafFile, QDir::toNativeSeparators(choice_).toStdString());
}

TEST_F(SaveCommandTest, FailedSaveShowsTheErrorAndKeepsPathsAndOldFile) {
    window_->SetModeBText("CAM4\r\nEND\r\n");
    WriteBytes(dir_.filePath("plain"), "old");
    choice_ = dir_.filePath("plain/b.caf");
    test::MessageBoxWatcher boxes;
    window_->SaveB_Click();
    ASSERT_EQ(boxes.log.size(), 1u);
    EXPECT_EQ(boxes.log[0].rfind("Save error|", 0), 0u);
    EXPECT_NE(boxes.log[0].find(QDir::toNativeSeparators(choice_).toStdString()),
              std::string::npos);
    EXPECT_EQ(boxes.log[0].back(), '2'); // exclamation
    EXPECT_EQ(ReadBytes(dir_.filePath("plain")), "old");
    EXPECT_EQ(job_.OpenPathName, "\\");
    EXPECT_TRUE(job_.LastCafFile.empty());
}

// Typing a name without extension under the CAF filter saves under that name; replacing a
// file is asked first, and declining returns to the dialog.
TEST(SaveDialogTest, QtsOwnDialogWithTheFiltersNoDefaultExtensionAndAnOverwritePrompt) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("old.caf"), "old");
    for (const QString typed : {"groove", "old.caf"}) {
        QFileDialog* dialog = CreateSaveDialog(nullptr, dir.path());
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList({"CAF Files(*.caf)", "All Files(*.*)"}));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        dialog->open();
        QApplication::processEvents();
        auto* filters = dialog->findChild<QComboBox*>("fileTypeCombo");
        QTest::keyClick(filters, Qt::Key_Down);
        EXPECT_EQ(dialog->findChild<QFileSystemModel*>()->nameFilters(), QStringList{"*"});
        QTest::keyClick(filters, Qt::Key_Up);
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("CAF Files(*.caf)"));
        QString chosen;
        QObject::connect(dialog, &QFileDialog::fileSelected,
                         [&](const QString& file) { chosen = file; });
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClicks(name, typed);
        if (typed == "old.caf") {
            test::MessageBoxWatcher no(QMessageBox::No);
            QTest::keyClick(name, Qt::Key_Return);
            ASSERT_EQ(no.log.size(), 1u);
            EXPECT_NE(no.log[0].find("old.caf"), std::string::npos);
            EXPECT_TRUE(dialog->isVisible() && chosen.isEmpty());
        }
        test::MessageBoxWatcher yes(QMessageBox::Yes);
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(chosen, QDir(dir.path()).absoluteFilePath(typed));
    }
}

} // namespace
} // namespace spirolan
