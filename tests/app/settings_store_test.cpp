// SPDX-License-Identifier: GPL-3.0-or-later
// Settings: conversions, defaults, broken files, and the round trip across two runs of the window.
#include "app/shell/settings_store.h"
#include "app/shell/window_place.h"
#include "core/number_text.h"
#include "tests/app/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace spirolan {
namespace {

using test::PrintTo;

// The five non-geometry keys as the job holds them.
std::string Keys(const CamJob& job) {
    return job.OpenPathName + "|" + job.OrvlPathName + "|" + PlainText(job.MaxFaceNumber) + "|" +
           std::to_string(job.ThreadDir) + "|" + (job.Repeat ? "True" : "False");
}

TEST(SettingsTest, StoredTextsConvertOrFallBack) {
    struct {
        const char* text;
        std::optional<float> single;
        std::optional<std::int16_t> int16;
        std::optional<bool> boolean;
    } const rows[] = {
        {"-1", -1.0f, -1, true}, {"0", 0.0f, 0, false},  {"3.5", 3.5f, 4, true},
        {" 7 ", 7.0f, 7, true},  {"tRUE", {}, {}, true}, {"12abc", {}, {}, {}},
        {"", {}, {}, {}},        {"1,5", {}, {}, {}},    {"40000", 40000.0f, {}, true},
        {"1e39", {}, {}, true},  {"nan", {}, {}, {}},
    };
    for (const auto& row : rows) {
        const QString text = QString::fromLatin1(row.text);
        EXPECT_EQ(SingleFromSetting(text), row.single) << row.text;
        EXPECT_EQ(Int16FromSetting(text), row.int16) << row.text;
        EXPECT_EQ(BooleanFromSetting(text), row.boolean) << row.text;
    }
}

struct BrokenFileCase {
    const char* name;
    const char* contents; // "|folder", "|fifo", "|link" (dangling), "|large": not readable
};

class BrokenFileTest : public testing::TestWithParam<BrokenFileCase> {};

// Defaults at start; at close a good file, or where no file can be read a message at start and
// one at close, each naming the file, and nothing replaced.
TEST_P(BrokenFileTest, StartsWithDefaultsAndWritesAGoodFileAtClose) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Spirolan.ini");
    const std::string contents = GetParam().contents;
    const bool unreadable = contents.starts_with('|');
    if (contents == "|folder") {
        QDir().mkpath(path);
    } else if (contents == "|fifo") {
        ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    } else if (contents == "|link") {
        ASSERT_TRUE(QFile::link(dir.filePath("gone.ini"), path));
    } else if (contents == "|large") {
        test::WriteBytes(path, "[Settings]\nRepeat=True\n" + std::string(10 << 20, ';'));
    } else if (!contents.empty()) {
        test::WriteBytes(path, contents);
    }
    CamJob job;
    EXPECT_EQ(ReadSettings(path, job), WindowPlacement{});
    EXPECT_EQ(Keys(job), "\\|\\Program Files\\Orvexa|384|0|False");
    test::MessageBoxWatcher boxes;
    const auto window = test::OpenWindow(job, path);
    QTest::qWait(50);
    job.Repeat = true;
    window->close();
    CamJob next;
    ReadSettings(path, next);
    EXPECT_EQ(next.Repeat, !unreadable);
    ASSERT_EQ(boxes.log.size(), unreadable ? 2u : 0u);
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    if (unreadable) {
        EXPECT_TRUE(boxes.log[0].starts_with("Spirolan|The settings could not be read from " +
                                             name + ".\n"))
            << boxes.log[0];
        EXPECT_NE(boxes.log[0].find("\nSpirolan starts with the default settings and does not "
                                    "replace the file when it closes."),
                  std::string::npos);
        EXPECT_TRUE(boxes.log[1].starts_with("Spirolan|The settings could not be written to " +
                                             name + ".\n"))
            << boxes.log[1];
    }
    EXPECT_EQ(QFileInfo(path).isDir(), contents == "|folder");
    EXPECT_EQ(QFileInfo(path).isSymLink(), contents == "|link");
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFileTest,
    testing::Values(BrokenFileCase{"Missing", ""}, BrokenFileCase{"Folder", "|folder"},
                    BrokenFileCase{"NamedPipe", "|fifo"}, BrokenFileCase{"DanglingLink", "|link"},
                    BrokenFileCase{"TenMegabytes", "|large"},
                    BrokenFileCase{"Binary", "\x01\x02\xff\xfe\x80garbage\n\x7f=\x81\n"},
                    BrokenFileCase{"ValuesThatDoNotConvert",
                                   "[Settings]\nMainLeft=abc\nMainTop=\nMainWidth=1e39\n"
                                   "MainHeight=1,5\nThreadDir=99999\nRepeat=maybe\n"}),
    test::kRowName);

// A value that would not read back is not written and is reported; the others are. A minimised
// window keeps the place it had.
TEST(SettingsTest, UnreadableValueIsReportedAndAMinimisedWindowKeepsItsPlace) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Spirolan.ini");
    CamJob job;
    auto window = test::OpenWindow(job, path);
    window->move(150, 90);
    QApplication::processEvents();
    window->close();
    CamJob next;
    const WindowPlacement moved = ReadSettings(path, next);
    EXPECT_EQ(moved.Left, 2250);

    window = test::OpenWindow(next, path);
    next.OpenPathName = "/a\nMainLeft=1";
    next.ThreadDir = 1;
    test::MessageBoxWatcher boxes;
    window->move(300, 200);
    window->showMinimized();
    window->close();
    CamJob third;
    EXPECT_EQ(ReadSettings(path, third), moved);
    EXPECT_EQ(Keys(third), "\\|\\Program Files\\Orvexa|384|1|False");
    ASSERT_EQ(boxes.log.size(), 1u);
    EXPECT_NE(boxes.log[0].find("OpenPathName"), std::string::npos) << boxes.log[0];
}

// Where a stored place puts the window on two screens side by side (the second lower and
// smaller) at 96 dpi, 15 twips to a pixel; a usable place is stored again unchanged.
TEST(WindowPlaceTest, OffScreenComesBackAndOversizeIsReduced) {
    const QList<QRect> screens{{0, 0, 1280, 1000}, {1280, 200, 800, 600}};
    const struct {
        const char* name;
        WindowPlacement stored;
        QRect frame;
        bool usable;
    } rows[] = {
        {"OnScreenAsStored", {1500, 1500, 12000, 8000}, {100, 100, 800, 533}, true},
        {"PartlyOffStaysAsStored", {-3000, 1500, 12000, 8000}, {-200, 100, 800, 533}, true},
        {"OnTheSecondScreen", {19500, 4500, 6000, 4500}, {1300, 300, 400, 300}, true},
        {"FarBelowComesToTheNearest", {1000, 1e8f, 12000, 8000}, {67, 467, 800, 533}, false},
        {"FarRightComesToTheSecond", {1e8f, 4500, 12000, 8000}, {1280, 267, 800, 533}, false},
        {"LargerThanItsScreen", {0, 0, 76770, 45000}, {0, 0, 1280, 1000}, false},
        {"BeyondEveryScreenNearestTheSecond",
         {3e38f, -3e38f, 3e38f, 3e38f},
         {1280, 200, 800, 600},
         false},
        {"TinyIsRaised", {15, 15, 0, 0}, {1, 1, 320, 240}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect frame = PlacedFrame(row.stored, 96, screens);
        EXPECT_EQ(frame, row.frame);
        if (row.usable) {
            EXPECT_EQ(PlacementToStore(row.stored, frame, 96), row.stored);
        }
    }
}

} // namespace
} // namespace spirolan
