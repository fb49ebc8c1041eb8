// Settings: conversions, defaults, broken files, and the round trip across two runs of the window.
#include "settings_store.h"
#include "test_support.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <ostream>

namespace spirolan {
namespace {

using test::TempFolder;

struct ConversionCase {
    const char* name;
    const char* text;
    std::optional<float> single;
    std::optional<std::int16_t> int16;
    std::optional<bool> boolean;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

const ConversionCase kConversionCases[] = {
    {"Whole", "1000", 1000.0f, 1000, true},
    {"Negative", "-1", -1.0f, -1, true},
    {"Zero", "0", 0.0f, 0, false},
    {"Fraction", "12.5", 12.5f, 12, true},
    {"HalfRoundsToOdd", "3.5", 3.5f, 4, true},
    {"Blanks", " 7 ", 7.0f, 7, true},
    {"TrueAnyCase", "tRUE", {}, {}, true},
    {"False", "False", {}, {}, false},
    {"Letters", "abc", {}, {}, {}},
    {"TrailingLetters", "12abc", {}, {}, {}},
    {"Empty", "", {}, {}, {}},
    {"CommaDecimal", "1,5", {}, {}, {}},
    {"BeyondInt16", "40000", 40000.0f, {}, true},
    {"BeyondSingle", "1e39", {}, {}, true},
    {"Infinity", "inf", {}, {}, {}},
    {"NotANumber", "nan", {}, {}, {}},
};

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, StoredTextsConvertOrFallBack) {
    const ConversionCase& c = GetParam();
    const QString text = QString::fromLatin1(c.text);
    EXPECT_EQ(SingleFromSetting(text), c.single);
    EXPECT_EQ(Int16FromSetting(text), c.int16);
    EXPECT_EQ(BooleanFromSetting(text), c.boolean);
}

INSTANTIATE_TEST_SUITE_P(Texts, ConversionTest, testing::ValuesIn(kConversionCases),
                         [](const auto& info) { return std::string(info.param.name); });

void ExpectDefaults(const WindowPlacement& placement, const CamJob& job) {
    EXPECT_EQ(placement, WindowPlacement{});
    EXPECT_EQ(placement.Left, 1000);
    EXPECT_EQ(placement.Height, 8000);
    EXPECT_EQ(job.OpenPathName, "\\");
    EXPECT_EQ(job.OrvlPathName, "\\Program Files\\Orvexa");
    EXPECT_EQ(job.MaxFaceNumber, "384");
    EXPECT_EQ(job.ThreadDir, 0);
    EXPECT_FALSE(job.Repeat);
}

struct BrokenFileCase {
    const char* name;
    const char* contents; // nullptr: the settings path is a folder
};

void PrintTo(const BrokenFileCase& c, std::ostream* os) {
    *os << c.name;
}

const BrokenFileCase kBrokenFiles[] = {
    {"Missing", ""},
    {"Folder", nullptr},
    {"Binary", "\x01\x02\xff\xfe\x80garbage\n\x7f=\x81\n"},
    {"UnclosedSection", "[Settings\nMainLeft=abc\n"},
    {"KeysWithoutValues", "[Settings]\n=x\nMainTop\nRepeat\n"},
    {"ValuesThatDoNotConvert",
     "[Settings]\nMainLeft=abc\nMainTop=\nMainWidth=1e39\nMainHeight=1,5\nThreadDir=99999\n"
     "Repeat=maybe\n"},
};

class BrokenFileTest : public testing::TestWithParam<BrokenFileCase> {};

TEST_P(BrokenFileTest, StartsWithDefaultsAndWritesAGoodFileAtClose) {
    TempFolder folder;
    const QString path = folder.SettingsPath();
    if (GetParam().contents == nullptr) {
        QDir().mkpath(path);
    } else if (GetParam().contents[0] != '\0') {
        test::WriteBytes(path, GetParam().contents);
    }
    CamJob job;
    ExpectDefaults(ReadSettings(path, job), job);

    test::MessageBoxWatcher boxes;
    auto window = test::OpenWindow(job, path);
    job.Repeat = true;
    window->close();
    if (GetParam().contents == nullptr) {
        // A folder cannot become a file: the failure is reported at close.
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].Caption, QStringLiteral("Spirolan"));
        EXPECT_TRUE(boxes.Boxes()[0].Text.contains(QDir::toNativeSeparators(path)));
        return;
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    CamJob next;
    ReadSettings(path, next);
    EXPECT_TRUE(next.Repeat);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenFileTest, testing::ValuesIn(kBrokenFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsTest, FirstStartPlacesTheWindowAtTheDefaults) {
    TempFolder folder;
    CamJob job;
    job.LeadCount = 3;
    job.PI = 3;
    const frmMain window(job, folder.SettingsPath(), {});
    // 1000, 1000, 12000 and 8000 twips at 15 twips to the pixel.
    EXPECT_EQ(window.geometry(), QRect(67, 67, 800, 533));
    EXPECT_EQ(job.LeadCount, 1.0);
    EXPECT_EQ(job.PI, 3.141592653589);
    EXPECT_FALSE(QFileInfo::exists(folder.SettingsPath())); // read once, written only at close
}

TEST(SettingsTest, TextKeysAreTakenAsStored) {
    TempFolder folder;
    test::WriteBytes(folder.SettingsPath(), "[Settings]\nOpenPathName=\nMaxFaceNumber=abc\n"
                                            "ThreadDir=-1\nRepeat=-1\n");
    CamJob job;
    ReadSettings(folder.SettingsPath(), job);
    EXPECT_EQ(job.OpenPathName, "");
    EXPECT_EQ(job.MaxFaceNumber, "abc");
    EXPECT_EQ(job.ThreadDir, -1);
    EXPECT_TRUE(job.Repeat);
}

TEST(SettingsTest, RoundTripAcrossTwoRuns) {
    TempFolder folder;
    const QString path = folder.SettingsPath();
    {
        CamJob job;
        const auto window = test::OpenWindow(job, path);
        EXPECT_EQ(window->pos(), QPoint(67, 67)); // 1000 twips at 96 dots per inch
        job.OpenPathName = "/data/caf files";
        job.OrvlPathName = "/opt/orvexa";
        job.MaxFaceNumber = "2828";
        job.ThreadDir = -1;
        job.Repeat = true;
        job.LastCafFile = "/data/caf files/a.caf";
        window->move(150, 90);
        window->resize(900, 640);
        QApplication::processEvents();
        window->close();
    }
    const std::string stored = test::ReadBytes(path);
    for (const char* line :
         {"[Settings]", "MainLeft=2250", "MainTop=1350", "MainWidth=13500", "MainHeight=9600",
          "MaxFaceNumber=2828", "ThreadDir=-1", "Repeat=True", "OrvlPathName=/opt/orvexa"}) {
        EXPECT_NE(stored.find(line), std::string::npos) << line << " in\n" << stored;
    }
    EXPECT_EQ(stored.find("LastCafFile"), std::string::npos);

    CamJob job;
    const auto window = test::OpenWindow(job, path, {}, 700, 500);
    EXPECT_EQ(job.OpenPathName, "/data/caf files");
    EXPECT_EQ(job.OrvlPathName, "/opt/orvexa");
    EXPECT_EQ(job.MaxFaceNumber, "2828");
    EXPECT_EQ(job.ThreadDir, -1);
    EXPECT_TRUE(job.Repeat);
    EXPECT_TRUE(job.LastCafFile.empty());
    EXPECT_EQ(job.PI, 3.141592653589);
    EXPECT_EQ(job.LeadCount, 1.0);
    CamJob second;
    EXPECT_EQ(ReadSettings(path, second), (WindowPlacement{2250, 1350, 13500, 9600}));
}

TEST(SettingsTest, MinimisedWindowKeepsTheStoredGeometry) {
    TempFolder folder;
    const QString path = folder.SettingsPath();
    test::WriteBytes(path, "[Settings]\nMainLeft=-30000\nMainTop=99000\nMainWidth=4500\n"
                           "MainHeight=3000\nThreadDir=1\n");
    CamJob job;
    const auto window = test::OpenWindow(job, path);
    job.ThreadDir = 0;
    window->showMinimized();
    window->close();
    CamJob next;
    EXPECT_EQ(ReadSettings(path, next), (WindowPlacement{-30000, 99000, 4500, 3000}));
    EXPECT_EQ(next.ThreadDir, 0);
}

TEST(SettingsTest, HugeStoredGeometryStartsAWindow) {
    TempFolder folder;
    test::WriteBytes(folder.SettingsPath(), "[Settings]\nMainLeft=3e38\nMainTop=-3e38\n"
                                            "MainWidth=3e38\nMainHeight=-5\n");
    CamJob job;
    const auto window = test::OpenWindow(job, folder.SettingsPath());
    EXPECT_TRUE(window->isVisible());
}

TEST(SettingsTest, WriteFailureIsReported) {
    TempFolder folder;
    test::WriteBytes(folder.Path("plain"), "x");
    const SettingsWriteResult result =
        WriteSettings(folder.Path("plain/Spirolan.ini"), WindowPlacement{}, CamJob{});
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.Message.contains(QDir::toNativeSeparators(folder.Path("plain"))));
}

} // namespace
} // namespace spirolan
