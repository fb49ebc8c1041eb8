// SPDX-License-Identifier: GPL-3.0-or-later
// Job documents and work never lost where a flow cannot go: hostile recovery files (a FIFO among
// them), a copy ended by SIGTERM, the recovery folder's rights, the real file dialogs' titles and
// extensions, a recent job's path too long for the menu.
#include "app/shell/export_saving.h"
#include "app/shell/job_dialogs.h"
#include "app/shell/job_recovery.h"
#include "app/shell/settings_store.h"
#include "tests/app/test_support.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace spirolan {
namespace {

using test::PrintTo;

struct HostileRecovery {
    const char* name;
    const char* content; // nullptr: a FIFO; "/": a folder
    const char* reason;
};

const HostileRecovery kHostileRecoveries[] = {
    {"Empty", "", "the file is empty"},
    {"Truncated", "{\n  \"format\": \"spirolan-job\",\n  \"ve",
     "not valid JSON at offset 36: unterminated string"},
    {"Fifo", nullptr, "not a regular file"},
    {"Folder", "/", "is a folder, not a job file"},
    {"RefusedStep", R"({"steps": [{"dialog": "Shape 1", "fields": {"Angle 1": "0"}}]})",
     "data error"},
};

class HostileRecoveryTest : public testing::TestWithParam<HostileRecovery> {};

// Reported once, set aside under a new name with its contents, and the window starts as new.
TEST_P(HostileRecoveryTest, IsReportedOnceAndSetAside) {
    QTemporaryDir dir;
    const QString recovery = dir.filePath("recovery.spjob");
    const char* content = GetParam().content;
    if (content == nullptr) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(recovery).constData(), 0600), 0);
    } else if (content == std::string_view("/")) {
        QDir().mkpath(recovery + "/inside");
    } else {
        test::WriteBytes(recovery, content);
    }
    const bool folder = QFileInfo(recovery).isDir();
    const qint64 size = QFileInfo(recovery).size();
    // Only a document that reads is offered; Restore leads to the report of a refused one.
    test::MessageBoxWatcher restore(QMessageBox::Yes);
    CamJob job;
    const auto window = test::OpenWindow(job, dir.filePath("s.ini"), DefaultDialogHooks());
    window->SetRecoveryFile(recovery);
    window->OfferRecovery();
    window->OfferRecovery();
    std::erase(restore.log, "Spirolan|Spirolan did not end normally, and a job was not saved. "
                            "Restore it?|4");
    const QStringList aside = QDir(dir.path())
                                  .entryList({"recovery-unreadable-*.spjob"},
                                             QDir::AllEntries | QDir::System | QDir::Hidden);
    ASSERT_EQ(aside.size(), 1);
    const QFileInfo kept(dir.filePath(aside[0]));
    EXPECT_FALSE(QFileInfo::exists(recovery));
    EXPECT_EQ(kept.isDir(), folder);
    EXPECT_EQ(kept.size(), size);
    EXPECT_EQ(restore.log, std::vector<std::string>{
                               "Spirolan|Cannot restore the unsaved job from \"recovery.spjob\": " +
                               std::string(GetParam().reason) + ". It was kept as " +
                               kept.absoluteFilePath().toStdString() + ".|2"});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Spirolan  Ver. 2.23"));
    EXPECT_TRUE(window->txtDataA().IsEmpty());
    window->close();
}

INSTANTIATE_TEST_SUITE_P(Files, HostileRecoveryTest, testing::ValuesIn(kHostileRecoveries),
                         test::kRowName);

// A real copy with a restored, changed job ends on SIGTERM within a second, asking nothing;
// the recovery file holds the whole job, the lock is gone.
TEST(SystemEndTest, SigtermWithAChangedJobKeepsTheRecoveryFileAndAsksNothing) {
    QTemporaryDir dir;
    const QString recovery = dir.filePath("state/Spirolan/recovery.spjob");
    const std::string job =
        test::ReadBytes(test::TestData("cases/job_document_as_saved_shape3_face_copy/job.spjob"));
    QDir().mkpath(QFileInfo(recovery).absolutePath());
    test::WriteBytes(recovery, job);
    QProcess copy;
    copy.setEnvironment(test::CopyEnvironment(dir.path()));
    copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--restoring-instance")});
    ASSERT_TRUE(copy.waitForReadyRead(60000));
    ASSERT_EQ(copy.readLine(), "CHANGED\n");
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(::kill(static_cast<pid_t>(copy.processId()), SIGTERM), 0);
    ASSERT_TRUE(copy.waitForFinished(10000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(copy.exitCode(), 0);
    EXPECT_EQ(copy.readAllStandardOutput(), "MESSAGE Spirolan|Spirolan did not end normally, and a "
                                            "job was not saved. Restore it?|4\n");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Spirolan.lock")));
    EXPECT_EQ(test::ReadBytes(recovery), job);
}

// The folder it makes for the recovery file is the user's alone; without an absolute state
// folder in the environment it lies in the home folder's.
TEST(RecoveryFolderTest, IsReadableByItsOwnerOnlyAndFallsBackToTheHomeFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(KeepRecoveryFile(dir.filePath("state/Spirolan/recovery.spjob"), "{}").Ok);
    EXPECT_EQ(QFileInfo(dir.filePath("state/Spirolan")).permissions() & 0x0077, 0);
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    for (const char* state : {"", "relative/state"}) {
        qputenv("XDG_STATE_HOME", state);
        EXPECT_EQ(DefaultRecoveryPath(),
                  QDir::homePath() + "/.local/state/Spirolan/recovery.spjob");
    }
    qputenv("XDG_STATE_HOME", saved);
}

struct DialogCase {
    const char* name;
    const char* title;
    int filter; // Down presses in the filter list
    const char* typed;
    const char* chosen;
};

const DialogCase kDialogs[] = {
    {"TableCsv", "Export Table", 0, "t", "t.csv"},
    {"GraphsPng", "Export Graphs", 1, "g", "g.png"},
    {"GraphsPdfOwnExtension", "Export Graphs", 2, "g.svg", "g.svg"},
    {"JobSpjob", "Save Job", 0, "j", "j.spjob"},
    {"JobAllFiles", "Save Job", 1, "j", "j"},
};

class TitledDialogTest : public testing::TestWithParam<DialogCase> {};

// The new commands' dialogs carry their own titles and add the chosen filter's extension.
TEST_P(TitledDialogTest, AddsTheChosenFiltersExtension) {
    const DialogCase& c = GetParam();
    QTemporaryDir dir;
    QString title;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* dialog = test::FindDialog<QFileDialog>();
        if (dialog == nullptr) {
            return;
        }
        typist.stop();
        title = dialog->windowTitle();
        for (int i = 0; i < c.filter; ++i) {
            QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
        }
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClicks(name, c.typed);
        QTest::keyClick(name, Qt::Key_Return);
    });
    typist.start(5);
    const QString table = QString::fromLatin1(c.title);
    const QString chosen =
        table == "Save Job"
            ? ChooseJobToSave(nullptr, dir.path())
            : ChooseExportFile(
                  nullptr, table, dir.path(),
                  table == "Export Table"
                      ? QStringList{"CSV Files(*.csv)"}
                      : QStringList{"SVG Files(*.svg)", "PNG Files(*.png)", "PDF Files(*.pdf)"},
                  std::nullopt)
                  .Path;
    EXPECT_EQ(title, table);
    EXPECT_EQ(chosen, dir.filePath(QString::fromLatin1(c.chosen)));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TitledDialogTest, testing::ValuesIn(kDialogs), test::kRowName);

// A path of thousands of characters is elided in its middle in the menu, which stays narrower
// than a small screen; the status bar shows the whole path.
TEST(RecentJobsTest, LongPathIsElidedInItsMiddleAndWholeInTheStatusTip) {
    QTemporaryDir dir;
    const QString start = dir.filePath("start-") + QString(2000, QLatin1Char('a'));
    const QString path = start + QStringLiteral("/") + QString(2000, QLatin1Char('z')) +
                         QStringLiteral("/end.spjob");
    ASSERT_TRUE(WriteRecentJobs(dir.filePath("s.ini"), {path}).Ok);
    CamJob job;
    const auto window = test::OpenWindow(job, dir.filePath("s.ini"));
    QMenu* menu = window->findChild<QMenu*>("mnuRecentJobs");
    ASSERT_EQ(menu->actions().size(), 1);
    const QAction* entry = menu->actions().front();
    EXPECT_TRUE(entry->text().startsWith("&1 " + dir.filePath("start-")));
    EXPECT_TRUE(entry->text().endsWith(QStringLiteral("zzz/end.spjob")));
    EXPECT_LT(entry->text().size(), 120);
    EXPECT_EQ(entry->statusTip(), path);
    EXPECT_LT(menu->sizeHint().width(), 600);
}

} // namespace
} // namespace spirolan
