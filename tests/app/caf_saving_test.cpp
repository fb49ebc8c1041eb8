// Saving: exact bytes, failures that keep the old file, the save commands and the save dialog.
#include "caf_saving.h"
#include "test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <ostream>
#include <sys/resource.h>

namespace spirolan {
namespace {

using test::MessageBoxWatcher;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(CafFileTest, PaneTextAndOneCrLfByteForByte) {
    TempFolder folder;
    const QString path = folder.Path("a.caf");
    ASSERT_TRUE(WriteCafFile(path, "CAM4\r\nEND\r\n").Ok);
    EXPECT_EQ(ReadBytes(path), "CAM4\r\nEND\r\n\r\n");
    EXPECT_EQ(ReadBytes(path).size(), 13u);

    // Replacing a longer file leaves nothing of it; bytes above 127 pass unchanged.
    ASSERT_TRUE(WriteCafFile(path, std::string("\x80\xff\n", 3)).Ok);
    EXPECT_EQ(ReadBytes(path), std::string("\x80\xff\n\r\n", 5));
    ASSERT_TRUE(WriteCafFile(path, "").Ok);
    EXPECT_EQ(ReadBytes(path), "\r\n");
}

// Holds the process's file size limit at `bytes` for its lifetime: a write beyond fails as on
// a full disk, instead of stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, signal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*signal_)(int) = nullptr;
};

struct FailureCase {
    const char* name;
    const char* target; // inside the temporary folder
    bool diskFull;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

const FailureCase kFailures[] = {
    {"ParentIsARegularFile", "old.caf/new.caf", false},
    {"MissingFolder", "missing/new.caf", false},
    {"TargetIsAFolder", "folder", false},
    {"DiskFullOverAnOldFile", "old.caf", true},
};

class SaveFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(SaveFailureTest, ReportsTheFileAndKeepsTheOldOne) {
    TempFolder folder;
    const QString old = folder.Path("old.caf");
    WriteBytes(old, "old contents\r\n");
    QDir().mkpath(folder.Path("folder"));
    const QString target = folder.Path(QString::fromLatin1(GetParam().target));
    const std::string big(1 << 20, '7');

    SaveOutcome outcome;
    if (GetParam().diskFull) {
        const FileSizeLimit limit(4096);
        outcome = WriteCafFile(target, big);
    } else {
        outcome = WriteCafFile(target, big);
    }
    EXPECT_FALSE(outcome.Ok);
    EXPECT_TRUE(outcome.Message.contains(QDir::toNativeSeparators(target)))
        << outcome.Message.toStdString();
    EXPECT_EQ(ReadBytes(old), "old contents\r\n");
    const QStringList left = QDir(folder.Path(".")).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("old.caf")}); // no partial or temporary file
}

INSTANTIATE_TEST_SUITE_P(Paths, SaveFailureTest, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

class SaveCommandTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = test::OpenWindow(job_, folder_.SettingsPath());
        window_->SetSaveFileChooser([this](QWidget* parent, const QString& initial) {
            EXPECT_EQ(parent, window_.get());
            offeredFolders_.push_back(initial);
            return choice_;
        });
    }
    TempFolder folder_;
    CamJob job_;
    std::unique_ptr<frmMain> window_;
    QString choice_;
    QStringList offeredFolders_;
};

TEST_F(SaveCommandTest, SavesBothPanesAndRemembersTheLastFile) {
    const std::string modeA = test::SampleModeAText();
    window_->SetModeAText(modeA);
    window_->SetModeBText("CAM4\r\nEND\r\n");
    QDir().mkpath(folder_.Path("first"));
    QDir().mkpath(folder_.Path("second"));

    choice_ = folder_.Path("first/groove"); // no extension: used as typed
    window_->tbToolBar_ButtonClick(QStringLiteral("SaveA"));
    EXPECT_EQ(ReadBytes(choice_), modeA + "\r\n");
    EXPECT_EQ(job_.OpenPathName, QDir::toNativeSeparators(folder_.Path("first")).toStdString());
    EXPECT_EQ(job_.LastCafFile, QDir::toNativeSeparators(choice_).toStdString());

    choice_ = folder_.Path("second/b.caf");
    window_->findChild<QAction*>(QStringLiteral("SaveB"))->trigger();
    EXPECT_EQ(ReadBytes(choice_), "CAM4\r\nEND\r\n\r\n");
    EXPECT_EQ(offeredFolders_,
              (QStringList{QStringLiteral("\\"), QDir::toNativeSeparators(folder_.Path("first"))}));
    EXPECT_EQ(job_.LastCafFile, QDir::toNativeSeparators(choice_).toStdString());
}

TEST_F(SaveCommandTest, CancelChangesNothing) {
    window_->SetModeAText("CAM4\r\nEND\r\n");
    choice_.clear();
    window_->mnuFileSave_Click();
    EXPECT_EQ(offeredFolders_.size(), 1);
    EXPECT_EQ(job_.OpenPathName, "\\");
    EXPECT_TRUE(job_.LastCafFile.empty());
}

TEST_F(SaveCommandTest, FailedSaveShowsTheErrorAndKeepsPathsAndOldFile) {
    window_->SetModeBText("CAM4\r\nEND\r\n");
    WriteBytes(folder_.Path("plain"), "old");
    choice_ = folder_.Path("plain/b.caf");
    MessageBoxWatcher boxes;
    window_->SaveB_Click();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].Caption, QStringLiteral("Save error"));
    EXPECT_EQ(boxes.Boxes()[0].Icon, QMessageBox::Warning);
    EXPECT_TRUE(boxes.Boxes()[0].Text.contains(QDir::toNativeSeparators(choice_)));
    EXPECT_EQ(ReadBytes(folder_.Path("plain")), "old");
    EXPECT_EQ(job_.OpenPathName, "\\");
    EXPECT_TRUE(job_.LastCafFile.empty());
}

TEST_F(SaveCommandTest, EmptyPaneOpensNoDialog) {
    MessageBoxWatcher boxes;
    window_->SaveB_Click();
    EXPECT_TRUE(offeredFolders_.isEmpty());
    EXPECT_EQ(boxes.Log(), std::vector<std::string>{"Save error|Mode-B CAF No data !! |2"});
}

TEST(SaveDialogTest, QtsOwnDialogWithTheFiltersAndNoDefaultExtension) {
    TempFolder folder;
    QFileDialog* dialog = CreateSaveDialog(nullptr, folder.Path("."));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{QStringLiteral("CAF Files(*.caf)"), QStringLiteral("All Files(*.*)")}));
    EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.Path(".")).canonicalPath());

    dialog->open();
    QApplication::processEvents();
    auto* filters = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(filters, nullptr);
    QTest::keyClick(filters, Qt::Key_Down); // the user picks "All Files(*.*)"
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("All Files(*.*)"));
    EXPECT_EQ(dialog->findChild<QFileSystemModel*>()->nameFilters(),
              QStringList{QStringLiteral("*")});
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QString chosen;
    QObject::connect(dialog, &QFileDialog::fileSelected,
                     [&](const QString& file) { chosen = file; });
    QTest::keyClicks(name, QStringLiteral("groove"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(chosen, QDir(folder.Path(".")).absoluteFilePath(QStringLiteral("groove")));
}

TEST(SaveDialogTest, ReplacingAFileIsAskedFirst) {
    TempFolder folder;
    WriteBytes(folder.Path("old.caf"), "old");
    QFileDialog* dialog = CreateSaveDialog(nullptr, folder.Path("."));
    dialog->open();
    QApplication::processEvents();
    bool accepted = false;
    QObject::connect(dialog, &QDialog::accepted, [&] { accepted = true; });
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, QStringLiteral("old.caf"));
    {
        MessageBoxWatcher boxes(QMessageBox::No);
        QTest::keyClick(name, Qt::Key_Return);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_TRUE(boxes.Boxes()[0].Text.contains(QStringLiteral("old.caf")));
        EXPECT_FALSE(accepted); // declined: back in the dialog
        EXPECT_TRUE(dialog->isVisible());
    }
    MessageBoxWatcher boxes(QMessageBox::Yes);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(accepted);
}

} // namespace
} // namespace spirolan
