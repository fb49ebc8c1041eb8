// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off: texts, order and pauses on a recording platform; path, pause, real dialogs.
#include "app/handoff/desktop_handoff.h"
#include "app/handoff/start_orvexa.h"
#include "tests/app/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace spirolan {
namespace {

using test::PrintTo;

// Notes each request and its texts, keys as "<Alt+F>", "<Down>", "<Enter>" and literal text.
class RecordingHandoff final : public HandoffPlatform {
public:
    StartedProgram StartProgram(const std::string& path) override {
        log << "start " << path << "; ";
        return Step() ? StartedProgram{4242, {}} : StartedProgram{{}, startProblem};
    }
    bool BringToFront(std::int64_t pid) override {
        log << "front " << pid << "; ";
        return Step();
    }
    bool SendKeys(const KeyText& keys) override {
        log << "keys ";
        for (const KeyStroke& key : keys) {
            const char* const named[] = {"", "<Alt+", "<Down>", "<Enter>"};
            log << named[static_cast<int>(key.kind)] << key.text
                << (key.kind == KeyStroke::Kind::Alt ? ">" : "");
        }
        log << "; ";
        return Step();
    }
    void Wait(double seconds) override { log << "wait " << seconds << "; "; }
    void ShowBusy(bool busy) override { log << (busy ? "busy; " : "idle; "); }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        log << "ask " << caption << (text == kOrvexaNotFound ? "" : " [" + text + "]") << "; ";
        return answerYes;
    }
    std::optional<std::string> PickFile(const std::string& folder,
                                        const std::vector<std::string>& filters) override {
        log << "pick " << folder << "|" << filters.at(0) << ";" << filters.at(1) << "; ";
        return pickedFile;
    }

    std::ostringstream log;
    int failingStep = -1; // which start, front or keys request fails, counted from 0
    std::string startProblem;
    bool answerYes = false;
    std::optional<std::string> pickedFile;

private:
    bool Step() { return steps_++ != failingStep; }
    int steps_ = 0;
};

struct HandoffCase {
    std::string name;
    std::string lastCafFile;
    std::string openPathName = "\\";
    int failingStep = -1;
    std::string startProblem;
    bool answerYes = false;
    std::optional<std::string> picked;
    std::string expected; // after the start of the default executable
    std::string orvlPathName = "\\Program Files\\Orvexa"; // afterwards
};

class HandoffTest : public testing::TestWithParam<HandoffCase> {};

TEST_P(HandoffTest, SendsTheTextsInOrderWithThePauses) {
    const HandoffCase& c = GetParam();
    CamJob job;
    job.LastCafFile = c.lastCafFile;
    job.OpenPathName = c.openPathName;
    RecordingHandoff platform;
    platform.failingStep = c.failingStep;
    platform.startProblem = c.startProblem;
    platform.answerYes = c.answerYes;
    platform.pickedFile = c.picked;
    StartOrvexa(job, platform);
    EXPECT_EQ(platform.log.str(), "busy; start /Program Files/Orvexa/ORVEXA.EXE; " + c.expected);
    EXPECT_EQ(job.OrvlPathName, c.orvlPathName);
}

// Failing steps count from 0: start, front, then the key texts. Paths are typed as they stand.
INSTANTIATE_TEST_SUITE_P(
    Runs, HandoffTest,
    testing::Values(
        HandoffCase{.name = "NothingSavedTypesTheFolder",
                    .openPathName = "/tmp/{ENTER}%x",
                    .expected = "front 4242; wait 5; keys <Alt+F><Down><Enter>; "
                                "keys /tmp/{ENTER}%x<Enter>; idle; "},
        HandoffCase{.name = "AfterASave",
                    .lastCafFile = "/tmp/a%b{c}+^~(d) e.caf",
                    .expected = "front 4242; wait 5; keys <Alt+F><Down><Enter>; wait 1; "
                                "keys /tmp/a%b{c}+^~(d) e.caf; keys <Alt+O>; idle; "},
        HandoffCase{.name = "WindowNotReady",
                    .failingStep = 1,
                    .expected = "front 4242; idle; ask Spirolan; "},
        HandoffCase{.name = "PathFails",
                    .lastCafFile = "/c/a.caf",
                    .failingStep = 3,
                    .expected = "front 4242; wait 5; keys <Alt+F><Down><Enter>; wait 1; "
                                "keys /c/a.caf; idle; ask Spirolan; "},
        HandoffCase{.name = "WineMissingSaysSo",
                    .failingStep = 0,
                    .startProblem = "no wine",
                    .expected = "idle; ask Spirolan [Orvexa is not found.\r\nDo you want to set "
                                "the path of Orvexa?\r\nno wine]; "},
        HandoffCase{.name = "LocatingTakesTheFolderOfAnyPickedFile",
                    .failingStep = 0,
                    .answerYes = true,
                    .picked = "/opt/orvexa 3/readme.txt",
                    .expected = "idle; ask Spirolan; pick /Program Files/Orvexa|All Files(*.*);exe "
                                "Files(*.exe); ",
                    .orvlPathName = "/opt/orvexa 3"},
        HandoffCase{.name = "CancelledLocatingKeepsThePath",
                    .failingStep = 0,
                    .answerYes = true,
                    .expected = "idle; ask Spirolan; pick /Program Files/Orvexa|All Files(*.*);exe "
                                "Files(*.exe); "}),
    test::kRowName);

// Joined as plain text (the backslashes of the default path: every run above).
TEST(StartOrvexaTest, ExecutablePathIsJoinedAsPlainText) {
    const std::pair<const char*, const char*> paths[] = {
        {"/opt/orvexa/", "/opt/orvexa//ORVEXA.EXE"},
        {"", "/ORVEXA.EXE"},
    };
    for (const auto& [folder, executable] : paths) {
        EXPECT_EQ(OrvexaExecutablePath(folder), executable) << folder;
    }
}

// Events keep running during a pause; nothing to wait for returns at once.
TEST(PauseTest, KeepsProcessingEventsUntilTheTimeHasPassed) {
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    Pause(0.3);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_GE(ticks, 5);
    for (const double time : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        Pause(time);
        EXPECT_FALSE(ran) << time;
        QApplication::processEvents();
    }
}

TEST(DesktopHandoffTest, QuestionHasTwoLinesAQuestionIconAndYesNo) {
    DesktopHandoffPlatform platform(nullptr);
    for (const bool yes : {false, true}) {
        test::MessageBoxWatcher watcher(yes ? QMessageBox::Yes : QMessageBox::No);
        EXPECT_EQ(platform.AskYesNo("Spirolan", kOrvexaNotFound), yes);
        EXPECT_EQ(watcher.log, std::vector<std::string>{"Spirolan|Orvexa is not found.\r\nDo you "
                                                        "want to set the path of Orvexa?|4"});
    }
}

TEST(DesktopHandoffTest, LocateDialogStartsInTheFolderWithItsFiltersAndGivesThePickedFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("any name.exe");
    test::WriteBytes(file, "x");
    DesktopHandoffPlatform platform(nullptr);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList({"All Files(*.*)", "exe Files(*.exe)"}));
        // Names without a dot are listed too.
        EXPECT_EQ(dialog->findChild<QFileSystemModel*>()->nameFilters(), QStringList{"*"});
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(platform.PickFile(dir.path().toStdString(), {"All Files(*.*)", "exe Files(*.exe)"}),
              file.toStdString());
}

// With no program and no X server on the display nothing can be started, raised or typed.
TEST(DesktopHandoffTest, MissingProgramAndUnreachableDisplayFail) {
    QTemporaryDir dir;
    DesktopHandoffPlatform platform(nullptr, {.Display = ":65000"});
    EXPECT_FALSE(platform.StartProgram(dir.filePath("ORVEXA.EXE").toStdString()).Pid);
    EXPECT_FALSE(platform.BringToFront(1));
    EXPECT_FALSE(platform.SendKeys({AltKey('F')}));
}

} // namespace
} // namespace spirolan
