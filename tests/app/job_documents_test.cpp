// SPDX-License-Identifier: GPL-3.0-or-later
// Job documents in the window by events: round trips through spirolan-cli, refused documents,
// the caption, the question at exit and the recent list.
#include "app/shell/settings_store.h"
#include "app/windows/job_properties_dialog.h"
#include "io/job_document.h"
#include "tests/app/job_window_fixture.h"

#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>

#include <algorithm>

namespace spirolan {
namespace {

using test::EnterFaceCopy;
using test::EnterShape;
using test::FaceCopyInput;
using test::FindDialog;
using test::JobDocumentTest;
using test::kGroove;
using test::kShape1Job;
using test::kShape1Step;
using test::PrintTo;
using test::Retype;
using test::ShapeInput;
using test::With;
struct RoundTripCase {
    const char* name;
    ShapeInput shape;
    std::optional<FaceCopyInput> faceCopy;
    const char* inDocument; // a line the saved document holds
};

class RoundTripTest : public JobDocumentTest, public testing::WithParamInterface<RoundTripCase> {};

// What the window saves as a job, spirolan-cli turns into the bytes of the window's own saves.
TEST_P(RoundTripTest, SavedJobReplaysToTheSavedCafBytes) {
    const RoundTripCase& c = GetParam();
    EnterShape(*window_, c.shape);
    if (c.faceCopy) {
        EnterFaceCopy(*window_, *c.faceCopy);
    }
    ASSERT_EQ(messages_.log, std::vector<std::string>{});

    choice_ = Path("job.spjob");
    window_->findChild<QAction*>("mnuJobSave")->trigger();
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("job.spjob[*] - Spirolan  Ver. 2.23"));
    EXPECT_FALSE(window_->isWindowModified());
    EXPECT_NE(test::ReadBytes(Path("job.spjob")).find(c.inDocument), std::string::npos);
    QStringList args{"run", Path("job.spjob"), "--mode-a", Path("cli.a.caf")};
    if (c.faceCopy) {
        args << "--mode-b" << Path("cli.b.caf");
    }
    QProcess cli;
    cli.start(QStringLiteral(SPIROLAN_CLI_PATH), args);
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    // Without Face Copy neither writes a Mode-B file.
    EXPECT_EQ(CafSaves(*window_, "window"),
              test::ReadBytes(Path("cli.a.caf")) + "|" + test::ReadBytes(Path("cli.b.caf")));
}

const RoundTripCase kRoundTrips[] = {
    {"Shape1InternalStartXs",
     {"mnuSquare", With(kGroove, {{"Start XS vale", "0.5"}, {"Spindle speed for G", "60"}}), "1",
      false},
     std::nullopt,
     R"("Cutting Position": "Internal")"},
    {"Shape1FaceCopyChamfers",
     {"mnuSquare", kGroove, "1", true},
     FaceCopyInput{{"MaxFace1", "swThreadDir1", "Check1", "Check2"},
                   {{"txtCutLength", "1"}, {"Text1", "0.3"}, {"Text2", "0.2"}}},
     R"("Exit": "0.2")"},
};

INSTANTIATE_TEST_SUITE_P(Shapes, RoundTripTest, testing::ValuesIn(kRoundTrips), test::kRowName);

struct HostileCase {
    const char* name;
    std::string content; // written to bad.spjob
    std::string message; // "caption|text" of the one message
};

class HostileTest : public JobDocumentTest, public testing::WithParamInterface<HostileCase> {};

// A document that cannot be opened shows why and leaves the job, panes and caption alone.
// Reading errors of every kind are pinned by the document reader's own tests.
TEST_P(HostileTest, ShowsWhyAndChangesNothing) {
    const HostileCase& c = GetParam();
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    EnterFaceCopy(*window_, {{}, {{"txtCutLength", "20"}}});
    ASSERT_TRUE(window_->SaveJobFile(Path("good.spjob")));
    const std::string before = State();
    const QString bad = Path("bad.spjob");
    test::WriteBytes(bad, c.content);
    EXPECT_FALSE(window_->OpenJobFile(bad));
    EXPECT_EQ(messages_.log, std::vector<std::string>{c.message + "|2"});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(window_->RecentJobs(), QStringList{Path("good.spjob")});
}

const HostileCase kHostile[] = {
    {"Truncated", R"({"format": "spirolan-job", "steps": [{"dialog": "Sha)",
     "Spirolan|Cannot open the job \"bad.spjob\": not valid JSON at offset 53: unterminated "
     "string."},
    {"DataError", R"({"steps": [{"dialog": "Shape 1", "fields": {"Angle 1": "0"}}]})",
     "Error|Data error "},
    {"TooLongCuttingLength",
     R"({"steps": [)" + kShape1Step + R"(, {"dialog": "Face Copy", "fields": {
        "Max. number of face": "192", "Cutting length": "30"}}]})",
     "Face copy error|Too long cutting length !!"},
};

INSTANTIATE_TEST_SUITE_P(Documents, HostileTest, testing::ValuesIn(kHostile), test::kRowName);

TEST_F(JobDocumentTest, CaptionMarksChangesAndExitAsksOnlyForAChangedDocument) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Spirolan  Ver. 2.23"));
    test::WriteBytes(Path("start.spjob"), kShape1Job);
    choice_ = Path("start.spjob");
    window_->findChild<QAction*>("mnuJobOpen")->trigger();
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("start.spjob[*] - Spirolan  Ver. 2.23"));
    EXPECT_FALSE(window_->isWindowModified());
    const std::string openedModeA = window_->txtDataA().Text();
    EXPECT_FALSE(openedModeA.empty());

    // One field changed through the dialog, which opens with the document's texts.
    EnterShape(*window_, {"mnuSquare", {{"R 1", "0.35"}}, "1", true});
    EXPECT_TRUE(window_->isWindowModified());
    EXPECT_NE(window_->txtDataA().Text(), openedModeA);
    {
        test::MessageBoxWatcher cancel(QMessageBox::Cancel);
        EXPECT_FALSE(window_->close());
        EXPECT_EQ(cancel.log, std::vector<std::string>{"Spirolan|Save changes to start.spjob?|4"});
    }
    const std::string changedModeA = window_->txtDataA().Text();
    {
        test::MessageBoxWatcher save(QMessageBox::Save);
        EXPECT_TRUE(window_->close());
    }
    const JobFileResult saved = ReadJobDocument(Path("start.spjob"), "s");
    ASSERT_TRUE(saved.Job);
    const std::vector<JobField>& fields = saved.Job->Steps.at(0).Fields;
    EXPECT_NE(std::find(fields.begin(), fields.end(), JobField{"R 1", "0.35"}), fields.end());
    EXPECT_EQ(ReadRecentJobs(Path("s.ini")), QStringList{Path("start.spjob")});

    // The next run lists it; a job never saved closes without a question.
    CamJob next;
    window_ = test::OpenWindow(next, Path("s.ini"), DefaultDialogHooks());
    EXPECT_EQ(window_->RecentJobs(), QStringList{Path("start.spjob")});
    window_->OpenRecentJob(0);
    EXPECT_EQ(window_->txtDataA().Text(), changedModeA);
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(messages_.log, std::vector<std::string>{});
}

// File > Job Properties: a part number and a note of two lines go into the document, count as a
// change of a saved job and come back when it is opened.
TEST_F(JobDocumentTest, JobPropertiesAreSavedAndComeBack) {
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    const auto properties = [this](const char* part, const QStringList& lines) {
        window_->findChild<QAction*>("mnuJobProperties")->trigger();
        auto* dialog = FindDialog<JobPropertiesDialog>();
        ASSERT_NE(dialog, nullptr);
        Retype(dialog->findChild<QLineEdit*>("txtPart"), part);
        auto* notes = dialog->findChild<QPlainTextEdit*>("txtNotes");
        notes->clear();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QTest::keyClicks(notes, lines[i]);
            if (i + 1 < lines.size()) {
                QTest::keyClick(notes, Qt::Key_Return);
            }
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    };
    properties("SP-4711", {"Check the insert.", "Deburr."});
    choice_ = Path("p.spjob");
    window_->findChild<QAction*>("mnuJobSaveAs")->trigger();
    const std::string saved = test::ReadBytes(Path("p.spjob"));
    EXPECT_NE(saved.find("  \"version\": 1,\n  \"part\": \"SP-4711\",\n"
                         "  \"notes\": \"Check the insert.\\u000aDeburr.\",\n  \"steps\": ["),
              std::string::npos)
        << saved;
    EXPECT_FALSE(window_->isWindowModified());
    properties("SP-4712", {"Check the insert."});
    EXPECT_TRUE(window_->isWindowModified());

    CamJob next;
    const auto reopened = test::OpenWindow(next, Path("t.ini"), DefaultDialogHooks());
    ASSERT_TRUE(reopened->OpenJobFile(Path("p.spjob")));
    EXPECT_EQ(reopened->JobPart(), "SP-4711");
    EXPECT_EQ(reopened->JobNotes(), "Check the insert.\nDeburr.");
}

// The document holds the last input of each dialog; opening one without Face Copy keeps this
// run's Face Copy choices, which the settings carry from run to run.
TEST_F(JobDocumentTest, OneStepPerDialogAndFaceCopyChoicesSurviveAShapeOnlyDocument) {
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    EnterFaceCopy(*window_, {{"MaxFace2", "swThreadDir1"}, {{"txtCutLength", "0.1"}}});
    EnterFaceCopy(*window_, {{}, {{"txtCutLength", "0.2"}}});
    ASSERT_TRUE(window_->SaveJobFile(Path("two.spjob")));
    const std::string saved = test::ReadBytes(Path("two.spjob"));
    EXPECT_EQ(saved.find("\"Face Copy\""), saved.rfind("\"Face Copy\""));
    EXPECT_NE(saved.find("\"Cutting length\": \"0.2\""), std::string::npos) << saved;

    test::WriteBytes(Path("shape.spjob"), kShape1Job);
    ASSERT_TRUE(window_->OpenJobFile(Path("shape.spjob")));
    EXPECT_EQ(job_.MaxFaceNumber, 768);
    EXPECT_EQ(job_.ThreadDir, 1);
    EXPECT_EQ(messages_.log, std::vector<std::string>{});
}

TEST_F(JobDocumentTest, SaveNeedsModeADataAReplayableJobAndAWritableFile) {
    test::WriteBytes(Path("job.spjob"), "old");
    choice_ = Path("job.spjob");
    window_->findChild<QAction*>("mnuJobSave")->trigger();
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    // A failed input keeps the fields it stored, so Face Copy then works on a job no document
    // can rebuild.
    EnterShape(*window_, {"mnuSquare", {{"R 2", "0.2"}}, "1", true});
    QTest::mouseClick(FindDialog<ShapeDialog>()->CancelButton(), Qt::LeftButton);
    EnterFaceCopy(*window_, {{}, {{"txtCutLength", "20"}}});
    window_->findChild<QAction*>("mnuJobSaveAs")->trigger();
    // A folder in the way of the file.
    EnterShape(*window_, {"mnuSquare", {{"R 2", "0.4"}}, "1", true});
    QDir().mkdir(Path("folder.spjob"));
    EXPECT_FALSE(window_->SaveJobFile(Path("folder.spjob")));
    ASSERT_EQ(messages_.log.size(), 4U);
    EXPECT_EQ(messages_.log[0], "Save error|There is no job to save yet: enter a shape first "
                                "(File > Data input).|2");
    EXPECT_EQ(messages_.log[1], "Error|Data error |2");
    EXPECT_EQ(messages_.log[2], "Save error|Cannot save the job \"job.spjob\": its inputs, "
                                "replayed from a fresh start, do not give the texts in the "
                                "panes. Enter the shape (and Face Copy) again, then save.|2");
    EXPECT_EQ(messages_.log[3], "Save error|Cannot save the job \"folder.spjob\": is a "
                                "directory.|2");
    EXPECT_EQ(test::ReadBytes(Path("job.spjob")), "old");
    EXPECT_TRUE(window_->JobPath().isEmpty());
    EXPECT_TRUE(window_->RecentJobs().isEmpty());
}

TEST_F(JobDocumentTest, RecentJobsKeepEightNewestFirstAndDropAMissingOne) {
    EnterShape(*window_, {"mnuSquare", kGroove, "1", true});
    for (int i = 1; i <= 9; ++i) {
        ASSERT_TRUE(window_->SaveJobFile(Path(QStringLiteral("j%1.spjob").arg(i).toLatin1())));
    }
    const QMenu* menu = window_->findChild<QMenu*>("mnuRecentJobs");
    ASSERT_EQ(menu->actions().size(), 8);
    EXPECT_EQ(menu->actions().front()->text(), "&1 " + Path("j9.spjob"));
    EXPECT_EQ(window_->RecentJobs().back(), Path("j2.spjob"));
    QFile::remove(Path("j9.spjob"));
    menu->actions().front()->trigger();
    EXPECT_EQ(messages_.log,
              std::vector<std::string>{"Spirolan|Cannot open the job \"j9.spjob\": the file no "
                                       "longer exists; it was removed from Recent Jobs.|2"});
    EXPECT_EQ(window_->RecentJobs().size(), 7);
    EXPECT_EQ(menu->actions().front()->text(), "&1 " + Path("j8.spjob"));

    // "|" parts the stored list: a path holding it is not stored, never split in two.
    ASSERT_TRUE(window_->SaveJobFile(Path("a|b.spjob")));
    window_->close();
    const QStringList stored = ReadRecentJobs(Path("s.ini"));
    EXPECT_EQ(stored.size(), 7);
    EXPECT_EQ(stored.front(), Path("j8.spjob"));
}

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
