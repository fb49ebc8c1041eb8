// SPDX-License-Identifier: GPL-3.0-or-later
// Work never lost, by events on real windows: the untitled job's question, New, the recovery file
// and its restore, hostile recovery files, a copy ended by SIGTERM, the dialogs' titles.
#include "app/shell/export_saving.h"
#include "app/shell/job_dialogs.h"
#include "tests/app/job_window_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QProcess>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace spirolan {
namespace {

using test::EnterFaceCopy;
using test::EnterShape;
using test::kGroove;
using test::PrintTo;

const QString kFresh = QStringLiteral("Spirolan  Ver. 2.23");
const std::string kAskUntitled = "Spirolan|Save changes to Untitled?|4";

class WorkNeverLostTest : public test::JobDocumentTest {
protected:
    void SetUp() override {
        JobDocumentTest::SetUp();
        window_->SetRecoveryFile(Recovery());
    }
    QString Recovery() const { return Path("state/Spirolan/recovery.spjob"); }
};

// Exit, the close box, Open, New and a handed-over document all ask first about an untitled
// job; Cancel keeps it, Save goes to Save Job As.
TEST_F(WorkNeverLostTest, AnUntitledJobAsksBeforeItIsReplaced) {
    EXPECT_EQ(window_->windowTitle(), kFresh);
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    EXPECT_EQ(window_->windowTitle(), "Untitled[*] - " + kFresh);
    EXPECT_TRUE(window_->isWindowModified());
    const std::string modeA = window_->txtDataA().Text();
    choice_ = Path("other.spjob");
    {
        test::MessageBoxWatcher cancel(QMessageBox::Cancel);
        EXPECT_FALSE(window_->close());
        window_->findChild<QAction*>("mnuFileExit")->trigger();
        window_->findChild<QAction*>("mnuJobOpen")->trigger();
        window_->findChild<QAction*>("mnuJobNew")->trigger();
        window_->OpenHandedOverJob(Path("other.spjob"));
        EXPECT_EQ(cancel.log, std::vector<std::string>(5, kAskUntitled));
    }
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->txtDataA().Text(), modeA);
    choice_ = Path("kept.spjob");
    {
        test::MessageBoxWatcher save(QMessageBox::Save);
        EXPECT_TRUE(window_->close());
        EXPECT_EQ(save.log, std::vector<std::string>{kAskUntitled});
    }
    EXPECT_NE(test::ReadBytes(Path("kept.spjob")).find("\"Shape 1\""), std::string::npos);
    EXPECT_EQ(messages_.log, std::vector<std::string>{});
}

// New (Ctrl+N) after the question gives the window a fresh start shows: empty panes and graphs,
// the job's fields unset, the settings of the run kept; the document keys are the standard ones
// and only the new commands have keys.
TEST_F(WorkNeverLostTest, NewReturnsToTheStateOfAFreshStart) {
    CamJob freshJob;
    const auto fresh = test::OpenWindow(freshJob, Path("fresh.ini"));
    job_.OpenPathName = "\\cams";
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    EnterFaceCopy(*window_, {{"swThreadDir1"}, {{"txtCutLength", "20"}}});
    window_->Picture1_MouseMove(10, 1);
    const auto threadDir = job_.ThreadDir;
    ASSERT_NE(threadDir, 0);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    {
        test::MessageBoxWatcher discard(QMessageBox::Discard);
        QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(discard.log, std::vector<std::string>{kAskUntitled});
    }
    EXPECT_EQ(window_->windowTitle(), kFresh);
    EXPECT_TRUE(window_->txtDataA().IsEmpty() && window_->txtDataB().IsEmpty());
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5"}) {
        auto* now = window_->findChild<GraphSurfaceWidget*>(name);
        auto* start = fresh->findChild<GraphSurfaceWidget*>(name);
        EXPECT_EQ(now->isVisible(), start->isVisible()) << name;
        // A hidden surface shows nothing, whatever it holds.
        if (start->isVisible()) {
            EXPECT_EQ(now->Picture(), start->Picture()) << name;
        }
    }
    EXPECT_FALSE(job_.Pitch.has_value());
    EXPECT_FALSE(job_.LeadPitch.has_value());
    EXPECT_EQ(job_.LeadCount, 1.0);
    EXPECT_EQ(job_.OpenPathName, "\\cams");
    EXPECT_EQ(job_.ThreadDir, threadDir);
    window_->mnuFaceCopy_Click();
    EXPECT_EQ(messages_.log,
              std::vector<std::string>{"Face copy error|Please input Mode A data.|2"});

    std::vector<std::string> keyed;
    for (const QAction* action : window_->menuBar()->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            keyed.push_back(action->objectName().toStdString() + " " +
                            action->shortcut().toString().toStdString());
        }
    }
    std::sort(keyed.begin(), keyed.end());
    EXPECT_EQ(keyed, (std::vector<std::string>{"mnuJobNew Ctrl+N", "mnuJobOpen Ctrl+O",
                                               "mnuJobSave Ctrl+S", "mnuJobSaveAs Ctrl+Shift+S",
                                               "mnuPrint Ctrl+P"}));
}

// The recovery file follows every step, goes with Save, comes back with the next change; a
// start that finds it restores the very panes: the CAF saves are the same bytes.
TEST_F(WorkNeverLostTest, RecoveryFileFollowsTheStepsAndRestoresTheSamePanes) {
    EXPECT_FALSE(QFileInfo::exists(Recovery()));
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    EXPECT_NE(test::ReadBytes(Recovery()).find("\"Shape 1\""), std::string::npos);
    choice_ = Path("job.spjob");
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(QFileInfo::exists(Recovery()));
    EXPECT_EQ(QFileInfo(QFileInfo(Recovery()).absolutePath()).permissions() & 0x0077, 0);

    EnterFaceCopy(*window_, {{"MaxFace1", "Check1"}, {{"txtCutLength", "20"}, {"Text1", "1.5"}}});
    EXPECT_NE(test::ReadBytes(Recovery()).find("\"Face Copy\""), std::string::npos);
    const std::string saves = CafSaves(*window_, "before");

    // The first window is lost as in a kill: nothing of it runs any more.
    CamJob next;
    const auto restored = test::OpenWindow(next, Path("s2.ini"), DefaultDialogHooks());
    restored->SetRecoveryFile(Recovery());
    {
        test::MessageBoxWatcher restore(QMessageBox::Yes);
        restored->OfferRecovery();
        EXPECT_EQ(restore.log,
                  std::vector<std::string>{"Spirolan|Spirolan did not end normally, and a job was "
                                           "not saved. Restore it?|4"});
    }
    EXPECT_EQ(restored->windowTitle(), "Untitled[*] - " + kFresh);
    EXPECT_TRUE(restored->isWindowModified());
    EXPECT_EQ(CafSaves(*restored, "after"), saves);
    EXPECT_TRUE(QFileInfo::exists(Recovery()));
    {
        test::MessageBoxWatcher discard(QMessageBox::Discard);
        EXPECT_TRUE(restored->close());
    }
    EXPECT_FALSE(QFileInfo::exists(Recovery()));
}

struct HostileRecovery {
    const char* name;
    std::function<void(const QString& path)> place;
    const char* reason;
};

const HostileRecovery kHostileRecoveries[] = {
    {"Empty", [](const QString& p) { test::WriteBytes(p, ""); }, "the file is empty"},
    {"Truncated",
     [](const QString& p) { test::WriteBytes(p, "{\n  \"format\": \"spirolan-job\",\n  \"ve"); },
     "not valid JSON at offset 36: unterminated string"},
    {"Fifo", [](const QString& p) { ::mkfifo(QFile::encodeName(p).constData(), 0600); },
     "not a regular file"},
    {"Folder", [](const QString& p) { QDir().mkpath(p + "/inside"); },
     "is a folder, not a job file"},
    {"RefusedStep",
     [](const QString& p) {
         test::WriteBytes(p, R"({"steps": [{"dialog": "Shape 1", "fields": {"Angle 1": "0"}}]})");
     },
     "data error"},
};

class HostileRecoveryTest : public WorkNeverLostTest,
                            public testing::WithParamInterface<HostileRecovery> {};

// Reported once, set aside under a new name with its contents, and the window starts as new.
TEST_P(HostileRecoveryTest, IsReportedOnceAndSetAside) {
    QDir().mkpath(QFileInfo(Recovery()).absolutePath());
    GetParam().place(Recovery());
    const QFileInfo before(Recovery());
    const bool folder = before.isDir();
    const qint64 size = before.size();
    std::vector<std::string> shown;
    {
        // Only a document that reads is offered; the answer and the report may go to either.
        test::MessageBoxWatcher restore(QMessageBox::Yes);
        window_->OfferRecovery();
        window_->OfferRecovery();
        shown = restore.log;
    }
    shown.insert(shown.end(), messages_.log.begin(), messages_.log.end());
    std::erase(shown, "Spirolan|Spirolan did not end normally, and a job was not saved. "
                      "Restore it?|4");
    const QDir state = QFileInfo(Recovery()).absoluteDir();
    const QStringList aside = state.entryList({"recovery-unreadable-*.spjob"},
                                              QDir::AllEntries | QDir::System | QDir::Hidden);
    ASSERT_EQ(aside.size(), 1);
    const QFileInfo kept(state.filePath(aside[0]));
    EXPECT_FALSE(QFileInfo::exists(Recovery()));
    EXPECT_EQ(kept.isDir(), folder);
    EXPECT_EQ(kept.size(), size);
    const std::string message =
        "Spirolan|Cannot restore the unsaved job from \"recovery.spjob\": " +
        std::string(GetParam().reason) + ". It was kept as " +
        kept.absoluteFilePath().toStdString() + ".|2";
    EXPECT_EQ(shown, std::vector<std::string>{message});
    EXPECT_EQ(window_->windowTitle(), kFresh);
    EXPECT_TRUE(window_->txtDataA().IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, HostileRecoveryTest, testing::ValuesIn(kHostileRecoveries),
                         test::kRowName);

// A real copy with a restored, changed job ends on SIGTERM within a second, asking nothing;
// the recovery file holds the whole job, the lock is gone.
TEST(SystemEndTest, SigtermWithAChangedJobKeepsTheRecoveryFileAndAsksNothing) {
    QTemporaryDir dir;
    const QString recovery = dir.filePath("state/Spirolan/recovery.spjob");
    QDir().mkpath(QFileInfo(recovery).absolutePath());
    test::WriteBytes(recovery, test::kShape1Job);
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
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Spirolan.lock")));
    // What it kept gives the panes the document gives.
    test::WriteBytes(dir.filePath("document.spjob"), test::kShape1Job);
    CamJob opened;
    const auto reference = test::OpenWindow(opened, dir.filePath("s.ini"), DefaultDialogHooks());
    ASSERT_TRUE(reference->OpenJobFile(dir.filePath("document.spjob")));
    CamJob job;
    const auto window = test::OpenWindow(job, dir.filePath("s.ini"), DefaultDialogHooks());
    window->SetRecoveryFile(recovery);
    test::MessageBoxWatcher restore(QMessageBox::Yes);
    window->OfferRecovery();
    EXPECT_EQ(restore.log.size(), 1u);
    EXPECT_FALSE(window->txtDataA().IsEmpty());
    EXPECT_EQ(window->txtDataA().Text(), reference->txtDataA().Text());
    test::MessageBoxWatcher discard(QMessageBox::Discard);
    window->close();
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

} // namespace
} // namespace spirolan
