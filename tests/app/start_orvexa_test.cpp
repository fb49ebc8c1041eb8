// The hand-off to Orvexa: texts, order and pauses with a recording platform; the failure path;
// the executable's path; the responsive pause; the real question box and locate dialog.
#include "desktop_handoff.h"
#include "start_orvexa.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <sstream>

namespace spirolan {
namespace {

using test::PrintTo;
using Log = std::vector<std::string>;

// Records "start PATH", "front PID", "wait SECONDS", "keys KEYS" (with "<Alt+F>", "<Down>",
// "<Enter>" and texts as they stand), "ask CAPTION|TEXT" and "pick FOLDER|FILTER;FILTER".
class RecordingHandoff final : public HandoffPlatform {
public:
    std::optional<std::int64_t> StartProgram(const std::string& path) override {
        log.push_back("start " + path);
        return Step() ? std::optional<std::int64_t>(4242) : std::nullopt;
    }
    bool BringToFront(std::int64_t pid) override {
        log.push_back("front " + std::to_string(pid));
        return Step();
    }
    bool SendKeys(const KeyText& keys) override {
        std::string text = "keys ";
        for (const KeyStroke& key : keys) {
            const char* const named[] = {"", "<Alt+", "<Down>", "<Enter>"};
            text += named[static_cast<int>(key.kind)] + key.text;
            text += key.kind == KeyStroke::Kind::Alt ? ">" : "";
        }
        log.push_back(text);
        return Step();
    }
    void Wait(double seconds) override {
        std::ostringstream text;
        text << "wait " << seconds;
        log.push_back(text.str());
    }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        log.push_back("ask " + caption + "|" + text);
        return answerYes;
    }
    std::optional<std::string> PickFile(const std::string& folder,
                                        const std::vector<std::string>& filters) override {
        log.push_back("pick " + folder + "|" + filters.at(0) + ";" + filters.at(1));
        return pickedFile;
    }

    Log log;
    int failingStep = -1; // which start, front or keys request fails, counted from 0
    bool answerYes = false;
    std::optional<std::string> pickedFile;

private:
    bool Step() { return steps_++ != failingStep; }
    int steps_ = 0;
};

const std::string kStart = "start /Program Files/Orvexa/ORVEXA.EXE";
const std::string kFront = "front 4242";
const std::string kMenu = "keys <Alt+F><Down><Enter>";
const std::string kAsk = std::string("ask Spirolan|") + kOrvexaNotFound;
const std::string kPick = "pick /Program Files/Orvexa|All Files(*.*);exe Files(*.exe)";

struct HandoffCase {
    std::string name;
    std::string lastCafFile;
    std::string openPathName = "\\";
    int failingStep = -1;
    bool answerYes = false;
    std::optional<std::string> picked;
    Log expected;
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
    platform.answerYes = c.answerYes;
    platform.pickedFile = c.picked;
    StartOrvexa(job, platform);
    EXPECT_EQ(platform.log, c.expected);
    EXPECT_EQ(job.OrvlPathName, c.orvlPathName);
}

// Step numbers: 0 start, 1 front, 2 and on the key texts. Paths are typed as they stand.
INSTANTIATE_TEST_SUITE_P(
    Runs, HandoffTest,
    testing::Values(
        HandoffCase{.name = "NothingSaved",
                    .expected = {kStart, kFront, "wait 5", kMenu, "keys \\<Enter>"}},
        HandoffCase{.name = "NothingSavedTypesTheFolder",
                    .openPathName = "/tmp/{ENTER}%x",
                    .expected = {kStart, kFront, "wait 5", kMenu, "keys /tmp/{ENTER}%x<Enter>"}},
        HandoffCase{.name = "AfterASave",
                    .lastCafFile = "/tmp/a%b{c}+^~(d) e.caf",
                    .expected = {kStart, kFront, "wait 5", kMenu, "wait 1",
                                 "keys /tmp/a%b{c}+^~(d) e.caf", "keys <Alt+O>"}},
        HandoffCase{.name = "MissingExecutable", .failingStep = 0, .expected = {kStart, kAsk}},
        HandoffCase{.name = "WindowNotReady", .failingStep = 1, .expected = {kStart, kFront, kAsk}},
        HandoffCase{.name = "MenuKeysFail",
                    .failingStep = 2,
                    .expected = {kStart, kFront, "wait 5", kMenu, kAsk}},
        HandoffCase{.name = "PathFails",
                    .lastCafFile = "/c/a.caf",
                    .failingStep = 3,
                    .expected = {kStart, kFront, "wait 5", kMenu, "wait 1", "keys /c/a.caf", kAsk}},
        HandoffCase{.name = "LocatingTakesTheFolderOfAnyPickedFile",
                    .failingStep = 0,
                    .answerYes = true,
                    .picked = "/opt/orvexa 3/readme.txt",
                    .expected = {kStart, kAsk, kPick},
                    .orvlPathName = "/opt/orvexa 3"},
        HandoffCase{.name = "CancelledLocatingKeepsThePath",
                    .failingStep = 0,
                    .answerYes = true,
                    .expected = {kStart, kAsk, kPick}}),
    test::kRowName);

// Joined as plain text, then every backslash read as a separator.
TEST(StartOrvexaTest, ExecutablePathReadsBackslashesAsSeparators) {
    const std::pair<const char*, const char*> paths[] = {
        {"\\Program Files\\Orvexa", "/Program Files/Orvexa/ORVEXA.EXE"},
        {"/opt/orvexa", "/opt/orvexa/ORVEXA.EXE"},
        {"/opt/orvexa/", "/opt/orvexa//ORVEXA.EXE"},
        {"", "/ORVEXA.EXE"},
        {"C:\\Tools", "C:/Tools/ORVEXA.EXE"},
    };
    for (const auto& [folder, executable] : paths) {
        EXPECT_EQ(OrvexaExecutablePath(folder), executable) << folder;
    }
}

TEST(PauseTest, KeepsProcessingEventsUntilTheTimeHasPassed) {
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    QPushButton button;
    bool clicked = false;
    QObject::connect(&button, &QPushButton::clicked, [&clicked] { clicked = true; });
    QTimer::singleShot(50, &button, [&button] { button.click(); });
    QElapsedTimer clock;
    clock.start();
    Pause(0.3);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_GE(ticks, 5);
    EXPECT_TRUE(clicked);

    for (const double time : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        Pause(time);
        EXPECT_FALSE(ran) << time; // returned at once
        QApplication::processEvents();
    }
}

TEST(DesktopHandoffTest, QuestionHasTwoLinesAQuestionIconAndYesNo) {
    DesktopHandoffPlatform platform(nullptr);
    const Log question = {"Spirolan|Orvexa is not found.\r\nDo you want to set the path of "
                          "Orvexa?|4"};
    for (const bool yes : {false, true}) {
        test::MessageBoxWatcher watcher(yes ? QMessageBox::Yes : QMessageBox::No);
        EXPECT_EQ(platform.AskYesNo("Spirolan", kOrvexaNotFound), yes);
        EXPECT_EQ(watcher.log, question);
    }
}

TEST(DesktopHandoffTest, LocateDialogStartsInTheFolderWithItsFilters) {
    QTemporaryDir dir;
    const QString file = dir.filePath("any name.exe");
    test::WriteBytes(file, "x");
    DesktopHandoffPlatform platform(nullptr);
    for (const bool pick : {true, false}) {
        QTimer::singleShot(0, [&, pick] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->nameFilters(), QStringList({"All Files(*.*)", "exe Files(*.exe)"}));
            EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
            if (pick) {
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept();
            } else {
                dialog->reject();
            }
        });
        const auto picked =
            platform.PickFile(dir.path().toStdString(), {"All Files(*.*)", "exe Files(*.exe)"});
        EXPECT_EQ(picked, pick ? std::optional<std::string>(file.toStdString()) : std::nullopt);
    }
}

// With no program and no X server on the display nothing can be started, raised or typed.
TEST(DesktopHandoffTest, MissingProgramAndUnreachableDisplayFail) {
    QTemporaryDir dir;
    DesktopHandoffPlatform platform(nullptr, ":65000");
    EXPECT_FALSE(platform.StartProgram(dir.filePath("ORVEXA.EXE").toStdString()));
    EXPECT_FALSE(platform.BringToFront(1));
    EXPECT_FALSE(platform.SendKeys({AltKey('F')}));
}

} // namespace
} // namespace spirolan
