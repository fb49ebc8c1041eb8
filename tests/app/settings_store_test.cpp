// Settings: conversions, defaults, broken files, and the round trip across two runs of the window.
#include "app/shell/settings_store.h"
#include "core/number_text.h"
#include "tests/app/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        {"-1", -1.0f, -1, true},       {"0", 0.0f, 0, false},  {"3.5", 3.5f, 4, true},
        {" 7 ", 7.0f, 7, true},        {"tRUE", {}, {}, true}, {"False", {}, {}, false},
        {"12abc", {}, {}, {}},         {"", {}, {}, {}},       {"1,5", {}, {}, {}},
        {"40000", 40000.0f, {}, true}, {"1e39", {}, {}, true}, {"nan", {}, {}, {}},
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
    const char* contents; // nullptr: the settings path is a folder
};

class BrokenFileTest : public testing::TestWithParam<BrokenFileCase> {};

// Defaults at start; at close a good file, or where a folder is in the way the reported failure.
TEST_P(BrokenFileTest, StartsWithDefaultsAndWritesAGoodFileAtClose) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Spirolan.ini");
    if (GetParam().contents == nullptr) {
        QDir().mkpath(path);
    } else if (GetParam().contents[0] != '\0') {
        test::WriteBytes(path, GetParam().contents);
    }
    CamJob job;
    EXPECT_EQ(ReadSettings(path, job), WindowPlacement{});
    EXPECT_EQ(Keys(job), "\\|\\Program Files\\Orvexa|384|0|False");
    test::MessageBoxWatcher boxes;
    const auto window = test::OpenWindow(job, path);
    job.Repeat = true;
    window->close();
    CamJob next;
    ReadSettings(path, next);
    EXPECT_EQ(next.Repeat, GetParam().contents != nullptr);
    EXPECT_EQ(boxes.log.size(), GetParam().contents == nullptr ? 1u : 0u);
    for (const std::string& box : boxes.log) {
        EXPECT_TRUE(box.starts_with("Spirolan|")) << box;
        EXPECT_NE(box.find(QDir::toNativeSeparators(path).toStdString()), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFileTest,
    testing::Values(BrokenFileCase{"Missing", ""}, BrokenFileCase{"Folder", nullptr},
                    BrokenFileCase{"Binary", "\x01\x02\xff\xfe\x80garbage\n\x7f=\x81\n"},
                    BrokenFileCase{"UnclosedSection", "[Settings\nMainLeft=abc\n"},
                    BrokenFileCase{"KeysWithoutValues", "[Settings]\n=x\nMainTop\nRepeat\n"},
                    BrokenFileCase{"ValuesThatDoNotConvert",
                                   "[Settings]\nMainLeft=abc\nMainTop=\nMainWidth=1e39\n"
                                   "MainHeight=1,5\nThreadDir=99999\nRepeat=maybe\n"}),
    test::kRowName);

// First run at the default place (in twips /15), written at close; minimised keeps geometry.
TEST(SettingsTest, RoundTripAcrossRuns) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Spirolan.ini");
    CamJob job;
    job.LeadCount = 3;
    auto window = test::OpenWindow(job, path);
    EXPECT_EQ(window->pos(), QPoint(67, 67));
    EXPECT_EQ(job.LeadCount, 1.0);
    EXPECT_EQ(job.PI, 3.141592653589);
    EXPECT_FALSE(QFileInfo::exists(path));
    job.OpenPathName = "";
    job.OrvlPathName = "/opt/orvexa";
    job.MaxFaceNumber = 768;
    job.ThreadDir = -1;
    job.Repeat = true;
    job.LastCafFile = "/data/a.caf";
    window->move(150, 90);
    window->resize(900, 640);
    QApplication::processEvents();
    window->close();
    const std::string stored = test::ReadBytes(path);
    for (const char* line :
         {"[Settings]", "MainLeft=2250", "MainTop=1350", "MainWidth=13500", "MainHeight=9600",
          "MaxFaceNumber=768", "ThreadDir=-1", "Repeat=True", "OrvlPathName=/opt/orvexa"}) {
        EXPECT_NE(stored.find(line), std::string::npos) << line << " in\n" << stored;
    }
    EXPECT_EQ(stored.find("LastCafFile"), std::string::npos);

    CamJob second;
    window = test::OpenWindow(second, path);
    EXPECT_EQ(Keys(second), "|/opt/orvexa|768|-1|True");
    EXPECT_TRUE(second.LastCafFile.empty());
    second.ThreadDir = 1;
    window->move(300, 200);
    window->showMinimized();
    window->close();
    CamJob third;
    EXPECT_EQ(ReadSettings(path, third), (WindowPlacement{2250, 1350, 13500, 9600}));
    EXPECT_EQ(third.ThreadDir, 1);
}

// A stored place far off the screen is applied as it stands and still starts a window; a size
// beyond every screen is held to four desktops, so the graphs' pictures stay small.
TEST(SettingsTest, FarOffStoredPlaceAndHugeSizeStartAWindow) {
    QTemporaryDir dir;
    test::WriteBytes(dir.filePath("s.ini"),
                     "[Settings]\nMainLeft=3e38\nMainTop=-3e38\nMainWidth=3e38\nMainHeight=3e38\n");
    CamJob job;
    auto window = test::OpenWindow(job, dir.filePath("s.ini"));
    EXPECT_TRUE(window->isVisible());
    const QSize desktop = window->screen()->virtualGeometry().size();
    EXPECT_LE(window->width(), 4 * desktop.width());
    EXPECT_LE(window->height(), 4 * desktop.height());
}

} // namespace
} // namespace spirolan
