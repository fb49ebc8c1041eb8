// Settings: conversions, defaults, broken files, and the round trip across two runs of the window.
#include "settings_store.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace spirolan {
namespace {

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

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, StoredTextsConvertOrFallBack) {
    const QString text = QString::fromLatin1(GetParam().text);
    EXPECT_EQ(SingleFromSetting(text), GetParam().single);
    EXPECT_EQ(Int16FromSetting(text), GetParam().int16);
    EXPECT_EQ(BooleanFromSetting(text), GetParam().boolean);
}

INSTANTIATE_TEST_SUITE_P(Texts, ConversionTest,
                         testing::Values(ConversionCase{"Negative", "-1", -1.0f, -1, true},
                                         ConversionCase{"Zero", "0", 0.0f, 0, false},
                                         ConversionCase{"Fraction", "12.5", 12.5f, 12, true},
                                         ConversionCase{"HalfRoundsToEven", "3.5", 3.5f, 4, true},
                                         ConversionCase{"Blanks", " 7 ", 7.0f, 7, true},
                                         ConversionCase{"TrueAnyCase", "tRUE", {}, {}, true},
                                         ConversionCase{"False", "False", {}, {}, false},
                                         ConversionCase{"TrailingLetters", "12abc", {}, {}, {}},
                                         ConversionCase{"Empty", "", {}, {}, {}},
                                         ConversionCase{"CommaDecimal", "1,5", {}, {}, {}},
                                         ConversionCase{"BeyondInt16", "40000", 40000.0f, {}, true},
                                         ConversionCase{"BeyondSingle", "1e39", {}, {}, true},
                                         ConversionCase{"NotANumber", "nan", {}, {}, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BrokenFileCase {
    const char* name;
    const char* contents; // nullptr: the settings path is a folder
};

void PrintTo(const BrokenFileCase& c, std::ostream* os) {
    *os << c.name;
}

class BrokenFileTest : public testing::TestWithParam<BrokenFileCase> {};

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
    EXPECT_EQ(job.OpenPathName, "\\");
    EXPECT_EQ(job.OrvlPathName, "\\Program Files\\Orvexa");
    EXPECT_EQ(job.MaxFaceNumber, "384");
    EXPECT_EQ(job.ThreadDir, 0);
    EXPECT_FALSE(job.Repeat);

    test::MessageBoxWatcher boxes;
    auto window = test::OpenWindow(job, path);
    job.Repeat = true;
    window->close();
    if (GetParam().contents == nullptr) {
        // A folder cannot become a file: the failure is reported at close.
        ASSERT_EQ(boxes.log.size(), 1u);
        EXPECT_EQ(boxes.log[0].rfind("Spirolan|", 0), 0u);
        EXPECT_NE(boxes.log[0].find(QDir::toNativeSeparators(path).toStdString()),
                  std::string::npos);
        return;
    }
    EXPECT_TRUE(boxes.log.empty());
    CamJob next;
    ReadSettings(path, next);
    EXPECT_TRUE(next.Repeat);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFileTest,
    testing::Values(BrokenFileCase{"Missing", ""}, BrokenFileCase{"Folder", nullptr},
                    BrokenFileCase{"Binary", "\x01\x02\xff\xfe\x80garbage\n\x7f=\x81\n"},
                    BrokenFileCase{"UnclosedSection", "[Settings\nMainLeft=abc\n"},
                    BrokenFileCase{"KeysWithoutValues", "[Settings]\n=x\nMainTop\nRepeat\n"},
                    BrokenFileCase{"ValuesThatDoNotConvert",
                                   "[Settings]\nMainLeft=abc\nMainTop=\nMainWidth="
                                   "1e39\nMainHeight=1,5\nThreadDir=99999\n"
                                   "Repeat=maybe\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsTest, FirstStartPlacesTheWindowAtTheDefaultsAndSetsTheConstants) {
    QTemporaryDir dir;
    CamJob job;
    job.LeadCount = 3;
    job.PI = 3;
    const frmMain window(job, dir.filePath("Spirolan.ini"), {});
    // 1000, 1000, 12000 and 8000 twips at 15 twips to the pixel.
    EXPECT_EQ(window.geometry(), QRect(67, 67, 800, 533));
    EXPECT_EQ(job.LeadCount, 1.0);
    EXPECT_EQ(job.PI, 3.141592653589);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Spirolan.ini"))); // written only at close
}

TEST(SettingsTest, RoundTripAcrossTwoRunsAndTextKeysAsStored) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Spirolan.ini");
    {
        CamJob job;
        const auto window = test::OpenWindow(job, path);
        job.OpenPathName = "";
        job.OrvlPathName = "/opt/orvexa";
        job.MaxFaceNumber = "abc";
        job.ThreadDir = -1;
        job.Repeat = true;
        job.LastCafFile = "/data/a.caf";
        window->move(150, 90);
        window->resize(900, 640);
        QApplication::processEvents();
        window->close();
    }
    const std::string stored = test::ReadBytes(path);
    for (const char* line :
         {"[Settings]", "MainLeft=2250", "MainTop=1350", "MainWidth=13500", "MainHeight=9600",
          "MaxFaceNumber=abc", "ThreadDir=-1", "Repeat=True", "OrvlPathName=/opt/orvexa"}) {
        EXPECT_NE(stored.find(line), std::string::npos) << line << " in\n" << stored;
    }
    EXPECT_EQ(stored.find("LastCafFile"), std::string::npos);

    CamJob second;
    EXPECT_EQ(ReadSettings(path, second), (WindowPlacement{2250, 1350, 13500, 9600}));
    CamJob job;
    const auto window = test::OpenWindow(job, path);
    EXPECT_EQ(job.OpenPathName, "");
    EXPECT_EQ(job.OrvlPathName, "/opt/orvexa");
    EXPECT_EQ(job.MaxFaceNumber, "abc");
    EXPECT_EQ(job.ThreadDir, -1);
    EXPECT_TRUE(job.Repeat);
    EXPECT_TRUE(job.LastCafFile.empty());
}

TEST(SettingsTest, MinimisedWindowKeepsTheStoredGeometryAndFarOffPlacesStart) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Spirolan.ini");
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

    test::WriteBytes(path, "[Settings]\nMainLeft=3e38\nMainTop=-3e38\nMainWidth=3e38\n"
                           "MainHeight=-5\n");
    EXPECT_TRUE(test::OpenWindow(job, path)->isVisible());
}

} // namespace
} // namespace spirolan
