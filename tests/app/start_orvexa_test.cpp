// The hand-off to Orvexa: texts, order and pauses with a recording platform; the failure path;
// the executable's path; the responsive pause; the real question box.
#include "desktop_handoff.h"
#include "dialog_hooks.h"
#include "frm_main.h"
#include "recording_handoff.h"
#include "start_orvexa.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace spirolan {
namespace {

using test::RecordingHandoff;
using Log = std::vector<std::string>;

const std::string kStart = "start /Program Files/Orvexa/ORVEXA.EXE";
const std::string kAsk = std::string("ask Spirolan|") + kOrvexaNotFound;

TEST(StartOrvexaTest, WithoutSaveOpensTheDialogAndTypesTheSaveFolder) {
    CamJob job;
    RecordingHandoff platform;
    StartOrvexa(job, platform);
    EXPECT_EQ(platform.log,
              (Log{kStart, "front 4242", "wait 5", "keys %F{DOWN}{ENTER}", "keys \\{ENTER}"}));
    EXPECT_EQ(platform.sent.at(1), (KeyText{TypedText("\\"), EnterKey()}));

    job.OpenPathName = "/home/user/cam";
    RecordingHandoff again;
    StartOrvexa(job, again);
    EXPECT_EQ(again.log.back(), "keys /home/user/cam{ENTER}");
}

TEST(StartOrvexaTest, AfterASaveTypesThePathAndOpensIt) {
    CamJob job;
    job.LastCafFile = "/home/user/cam/part-b.caf";
    job.OpenPathName = "/home/user/cam";
    RecordingHandoff platform;
    StartOrvexa(job, platform);
    EXPECT_EQ(platform.log, (Log{kStart, "front 4242", "wait 5", "keys %F{DOWN}{ENTER}", "wait 1",
                                 "keys /home/user/cam/part-b.caf", "keys %O"}));
    EXPECT_EQ(platform.sent.at(0), (KeyText{AltKey('F'), DownKey(), EnterKey()}));
    EXPECT_EQ(platform.sent.at(2), (KeyText{AltKey('O')}));
    EXPECT_EQ(job.OrvlPathName, "\\Program Files\\Orvexa");
}

TEST(StartOrvexaTest, CharactersOfTheKeyNotationAreTypedAsTheyStand) {
    const std::string path = "/tmp/a%b{c}+^~(d) e.caf";
    CamJob job;
    job.LastCafFile = path;
    RecordingHandoff platform;
    StartOrvexa(job, platform);
    ASSERT_EQ(platform.sent.size(), 3U);
    EXPECT_EQ(platform.sent[1], (KeyText{TypedText(path)}));

    CamJob unsaved;
    unsaved.OpenPathName = "/tmp/{ENTER}%x";
    RecordingHandoff second;
    StartOrvexa(unsaved, second);
    EXPECT_EQ(second.sent.at(1), (KeyText{TypedText("/tmp/{ENTER}%x"), EnterKey()}));
}

struct FailureCase {
    std::string name;
    bool startWorks;
    bool frontWorks;
    int failingKeyText;
    std::string lastCafFile;
    Log before; // what happens before the question
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class HandoffFailureTest : public testing::TestWithParam<FailureCase> {};

// Whatever step fails, the rest is skipped and the question follows; No changes nothing.
TEST_P(HandoffFailureTest, AsksAndNoChangesNothing) {
    const FailureCase& c = GetParam();
    CamJob job;
    job.LastCafFile = c.lastCafFile;
    RecordingHandoff platform;
    platform.startWorks = c.startWorks;
    platform.frontWorks = c.frontWorks;
    platform.failingKeyText = c.failingKeyText;
    StartOrvexa(job, platform);
    Log expected = c.before;
    expected.push_back(kAsk);
    EXPECT_EQ(platform.log, expected);
    EXPECT_EQ(job.OrvlPathName, "\\Program Files\\Orvexa");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, HandoffFailureTest,
    testing::Values(
        FailureCase{"MissingExecutable", false, true, -1, "/c/a.caf", {kStart}},
        FailureCase{"WindowNotReady", true, false, -1, "/c/a.caf", {kStart, "front 4242"}},
        FailureCase{"MenuKeysFail",
                    true,
                    true,
                    0,
                    "/c/a.caf",
                    {kStart, "front 4242", "wait 5", "keys %F{DOWN}{ENTER}"}},
        FailureCase{
            "PathFails",
            true,
            true,
            1,
            "/c/a.caf",
            {kStart, "front 4242", "wait 5", "keys %F{DOWN}{ENTER}", "wait 1", "keys /c/a.caf"}},
        FailureCase{"OpenKeyFails",
                    true,
                    true,
                    2,
                    "/c/a.caf",
                    {kStart, "front 4242", "wait 5", "keys %F{DOWN}{ENTER}", "wait 1",
                     "keys /c/a.caf", "keys %O"}},
        FailureCase{"FolderFails",
                    true,
                    true,
                    1,
                    "",
                    {kStart, "front 4242", "wait 5", "keys %F{DOWN}{ENTER}", "keys \\{ENTER}"}}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(StartOrvexaTest, LocatingTakesTheFolderOfAnyPickedFileAndStartsNothing) {
    CamJob job;
    RecordingHandoff platform;
    platform.startWorks = false;
    platform.answerYes = true;
    platform.pickedFile = "/opt/orvexa 3/readme.txt";
    StartOrvexa(job, platform);
    EXPECT_EQ(platform.log,
              (Log{kStart, kAsk, "pick /Program Files/Orvexa|All Files(*.*);exe Files(*.exe)"}));
    EXPECT_EQ(job.OrvlPathName, "/opt/orvexa 3");

    RecordingHandoff next;
    StartOrvexa(job, next);
    EXPECT_EQ(next.log.front(), "start /opt/orvexa 3/ORVEXA.EXE");
}

TEST(StartOrvexaTest, CancellingTheLocateDialogKeepsThePath) {
    CamJob job;
    job.OrvlPathName = "/opt/missing";
    RecordingHandoff platform;
    platform.startWorks = false;
    platform.answerYes = true;
    StartOrvexa(job, platform);
    EXPECT_EQ(platform.log.back(), "pick /opt/missing|All Files(*.*);exe Files(*.exe)");
    EXPECT_EQ(job.OrvlPathName, "/opt/missing");
}

struct PathCase {
    std::string name;
    std::string OrvlPathName;
    std::string executable;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class ExecutablePathTest : public testing::TestWithParam<PathCase> {};

// Joined as plain text, then every backslash read as a separator.
TEST_P(ExecutablePathTest, JoinsThenReadsBackslashesAsSeparators) {
    EXPECT_EQ(OrvexaExecutablePath(GetParam().OrvlPathName), GetParam().executable);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ExecutablePathTest,
    testing::Values(PathCase{"Default", "\\Program Files\\Orvexa",
                             "/Program Files/Orvexa/ORVEXA.EXE"},
                    PathCase{"LocalFolder", "/opt/orvexa", "/opt/orvexa/ORVEXA.EXE"},
                    PathCase{"TrailingSeparator", "/opt/orvexa/", "/opt/orvexa//ORVEXA.EXE"},
                    PathCase{"Empty", "", "/ORVEXA.EXE"},
                    PathCase{"DriveLetter", "C:\\Tools", "C:/Tools/ORVEXA.EXE"}),
    [](const testing::TestParamInfo<PathCase>& info) { return info.param.name; });

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
}

TEST(PauseTest, NothingToWaitForReturnsWithoutRunningEvents) {
    for (const double time : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        Pause(time);
        EXPECT_FALSE(ran) << time;
        QApplication::processEvents();
    }
}

// Answers the first question box that opens with `answer`, noting what it showed.
struct QuestionAnswerer {
    explicit QuestionAnswerer(QMessageBox::StandardButton answer) {
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible() || seen) {
                return;
            }
            seen = true;
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        });
        timer.start(5);
    }
    QTimer timer;
    bool seen = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

TEST(DesktopHandoffTest, QuestionHasTwoLinesAQuestionIconAndYesNo) {
    DesktopHandoffPlatform platform(nullptr);
    QuestionAnswerer no(QMessageBox::No);
    EXPECT_FALSE(platform.AskYesNo("Spirolan", kOrvexaNotFound));
    ASSERT_TRUE(no.seen);
    EXPECT_EQ(no.caption, QStringLiteral("Spirolan"));
    EXPECT_EQ(no.text,
              QStringLiteral("Orvexa is not found.\r\nDo you want to set the path of Orvexa?"));
    EXPECT_EQ(no.icon, QMessageBox::Question);
    EXPECT_EQ(no.buttons, QMessageBox::Yes | QMessageBox::No);

    QuestionAnswerer yes(QMessageBox::Yes);
    EXPECT_TRUE(platform.AskYesNo("Spirolan", kOrvexaNotFound));
}

// The locate dialog: its two filters and its initial folder; a picked file comes back whole.
TEST(DesktopHandoffTest, LocateDialogStartsInTheFolderWithItsFilters) {
    test::TempFolder folder;
    const QString file = folder.Path(QStringLiteral("any name.exe"));
    test::WriteBytes(file, "x");
    DesktopHandoffPlatform platform(nullptr);
    for (const bool pick : {true, false}) {
        QStringList filters;
        QString directory;
        QTimer::singleShot(0, [&, pick] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            filters = dialog->nameFilters();
            directory = dialog->directory().absolutePath();
            if (pick) {
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept();
            } else {
                dialog->reject();
            }
        });
        const auto picked = platform.PickFile(folder.Path(QString()).toStdString(),
                                              {"All Files(*.*)", "exe Files(*.exe)"});
        EXPECT_EQ(filters, QStringList({QStringLiteral("All Files(*.*)"),
                                        QStringLiteral("exe Files(*.exe)")}));
        EXPECT_EQ(directory, QDir(folder.Path(QString())).absolutePath());
        EXPECT_EQ(picked, pick ? std::optional<std::string>(file.toStdString()) : std::nullopt);
    }
}

// No X server on that display: nothing can be brought forward or typed, so the hand-off fails.
TEST(DesktopHandoffTest, UnreachableDisplayFailsToBringForwardOrType) {
    DesktopHandoffPlatform platform(nullptr, ":65000");
    EXPECT_FALSE(platform.BringToFront(1));
    EXPECT_FALSE(platform.SendKeys({AltKey('F')}));
}

TEST(DesktopHandoffTest, MissingExecutableDoesNotStart) {
    test::TempFolder folder;
    DesktopHandoffPlatform platform(nullptr);
    EXPECT_FALSE(platform.StartProgram(folder.Path("ORVEXA.EXE").toStdString()));
}

// The menu entry and the toolbar button run the same hand-off: with no ORVEXA.EXE in the folder
// the question comes, and No leaves the folder as it was.
TEST(StartOrvexaFromMainWindowTest, MenuAndToolbarAskWhenTheProgramIsMissing) {
    test::TempFolder folder;
    CamJob job;
    const auto window = test::OpenWindow(job, folder.SettingsPath(), DefaultDialogHooks());
    const std::string empty = folder.Path(QStringLiteral("orvexa")).toStdString();
    job.OrvlPathName = empty;
    const std::vector<std::string> question = {
        "Spirolan|Orvexa is not found.\r\nDo you want to set the path of Orvexa?|4"};
    {
        test::MessageBoxWatcher no(QMessageBox::No);
        window->findChild<QAction*>(QStringLiteral("mnuOrvl"))->trigger();
        EXPECT_EQ(no.Log(), question);
    }
    {
        test::MessageBoxWatcher no(QMessageBox::No);
        QTest::mouseClick(
            window->tbToolBar().widgetForAction(window->ToolbarAction(QStringLiteral("ORVL"))),
            Qt::LeftButton);
        EXPECT_EQ(no.Log(), question);
    }
    EXPECT_EQ(job.OrvlPathName, empty);
}

} // namespace
} // namespace spirolan
