// Shape 1: worked grooves, failures, stored fields, pre-fill texts and the WD handler.
#include "golden_file.h"
#include "shape1.h"
#include "shape2.h"
#include "shape3.h"
#include "shape_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

using testing_support::DataLine;
using testing_support::LineCount;
using testing_support::ReferenceGroove;

// Data lines first..last (inclusive) all read `text`.
struct LineRange {
    int first;
    int last;
    const char* text;
};

struct GrooveCase {
    const char* name;
    std::function<void(Shape1Input&)> change;
    std::optional<std::array<int, 8>> segmentStarts;
    std::vector<LineRange> lines;
    double entry360;
};

void PrintTo(const GrooveCase& c, std::ostream* os) {
    *os << c.name;
}

class Shape1GrooveTest : public testing::TestWithParam<GrooveCase> {};

TEST_P(Shape1GrooveTest, ReproducesTheWorkedGroove) {
    const GrooveCase& c = GetParam();
    Shape1Input input = ReferenceGroove();
    c.change(input);
    CamJob job;
    const ShapeResult result = GenerateShape1(input, job);
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(LineCount(result.ModeAText), 368);
    if (c.segmentStarts) {
        EXPECT_EQ(result.SegmentStarts, *c.segmentStarts);
    }
    for (const LineRange& range : c.lines) {
        for (int i = range.first; i <= range.last; ++i) {
            EXPECT_EQ(DataLine(result.ModeAText, i), range.text) << "line " << i;
        }
    }
    EXPECT_EQ(job.XSTable[360], c.entry360);
}

const GrooveCase kGrooveCases[] = {
    {"Reference",
     [](Shape1Input&) {},
     std::array<int, 8>{0, 44, 58, 76, 126, 143, 157, 201},
     {{0, 0, " 0"}, {1, 1, "-1"}, {2, 2, "-4"}, {76, 125, "-6000"}, {201, 359, " 0"}},
     0.0},
    {"InternalWithStartXS",
     [](Shape1Input& in) {
         in.External = false;
         in.StartXS = "0.5";
     },
     std::array<int, 8>{0, 44, 58, 76, 126, 143, 157, 201},
     {{0, 0, " 5000"}, {76, 125, " 11000"}, {201, 359, " 5000"}},
     0.5},
    {"ThreeLeadsDoublePitch",
     [](Shape1Input& in) {
         in.Pitch = "7.2";
         in.LeadIndex = 0;
     },
     std::nullopt,
     {{0, 0, " 0"},
      {120, 120, " 0"},
      {240, 240, " 0"},
      {1, 1, "-4"},
      {121, 121, "-4"},
      {241, 241, "-4"},
      {2, 2, "-16"},
      {122, 122, "-16"},
      {242, 242, "-16"}},
     0.0},
    {"BottomRadiusJustAboveNoseR", [](Shape1Input& in) { in.R2 = "0.21"; }, std::nullopt, {}, 0.0},
};

INSTANTIATE_TEST_SUITE_P(Shape1, Shape1GrooveTest, testing::ValuesIn(kGrooveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Shape1, ReferenceGrooveMatchesGoldenText) {
    CamJob job;
    const ShapeResult result = GenerateShape1(ReferenceGroove(), job);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(testing_support::CheckGolden("core/golden/shape1_reference.caf", result.ModeAText), "");
}

TEST(Shape1, FlatBottomRoundsTheDepthBeforeTruncating) {
    CamJob job;
    ASSERT_TRUE(GenerateShape1(ReferenceGroove(), job).Ok());
    // 0.5999999999999996 read back from its 15-digit text is 0.6: -6000, not -5999.
    EXPECT_EQ(job.XSTable[76], -0.6);
    EXPECT_EQ(job.LeadPitch, 3.6);
    EXPECT_EQ(job.ZPerDegree, 3.6 / 360);
}

struct FailureCase {
    const char* name;
    std::function<void(Shape1Input&)> change;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class Shape1FailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(Shape1FailureTest, GivesDataError) {
    Shape1Input input = ReferenceGroove();
    GetParam().change(input);
    CamJob job;
    const ShapeResult result = GenerateShape1(input, job);
    EXPECT_EQ(result.Error, "Data error ");
    EXPECT_TRUE(result.ModeAText.empty());
}

const FailureCase kFailureCases[] = {
    {"ThreeLeadsGrooveLongerThanPeriod", [](Shape1Input& in) { in.LeadIndex = 0; }},
    {"Angle1Zero", [](Shape1Input& in) { in.Angle1 = "0"; }},
    {"Angle2Zero", [](Shape1Input& in) { in.Angle2 = "0"; }},
    {"PitchZero", [](Shape1Input& in) { in.Pitch = "0"; }},
    {"BottomRadiusEqualsNoseR", [](Shape1Input& in) { in.R2 = "0.2"; }},
    {"RadialFlanksSharpCorners",
     [](Shape1Input& in) {
         in.Angle1 = in.Angle2 = "90";
         in.R1 = in.R2 = in.R3 = in.R4 = "0";
     }},
    {"NoLeadEntry", [](Shape1Input& in) { in.LeadIndex = -1; }},
    {"LeadIndexOutsideList", [](Shape1Input& in) { in.LeadIndex = 3; }},
    {"FieldOverflows", [](Shape1Input& in) { in.Pitch = "1E400"; }},
    {"StartXSBeyondSingle", [](Shape1Input& in) { in.StartXS = "1E39"; }},
    {"DepthOverflows",
     [](Shape1Input& in) {
         in.Diameter1 = "1.7E308";
         in.Diameter2 = "-1.7E308";
     }},
};

INSTANTIATE_TEST_SUITE_P(Shape1, Shape1FailureTest, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The fields in the order OK stores them, with a test whether the reference value arrived.
struct StoredField {
    const char* caption;
    std::function<bool(const CamJob&)> stored;
};

const StoredField kStoreOrder[] = {
    {"Nose-R", [](const CamJob& j) { return j.NoseR == 0.2; }},
    {"PITCH", [](const CamJob& j) { return j.Pitch == 3.6; }},
    {"WIDTH", [](const CamJob& j) { return j.Width == 0.5; }},
    {"Diameter 1", [](const CamJob& j) { return j.Diameter1 == 10.0; }},
    {"Diameter 2", [](const CamJob& j) { return j.Diameter2 == 8.8; }},
    {"Angle 1", [](const CamJob& j) { return j.Angle1 == 60.0; }},
    {"Angle 2", [](const CamJob& j) { return j.Angle2 == 60.0; }},
    {"R 1", [](const CamJob& j) { return j.R1 == 0.3; }},
    {"R 2", [](const CamJob& j) { return j.R2 == 0.4; }},
    {"R 3", [](const CamJob& j) { return j.R3 == 0.4; }},
    {"R 4", [](const CamJob& j) { return j.R4 == 0.3; }},
    {"Number of Lead", [](const CamJob& j) { return j.LeadCount == 1.0; }},
    {"Spindle speed for G", [](const CamJob& j) { return j.SpindleSpeed == 100; }},
    {"Start XS vale", [](const CamJob& j) { return j.StartXS == 0.25f; }},
};

// Breaks the field with `caption` so that reading it fails.
void Break(Shape1Input& input, const std::string& caption) {
    if (caption == "Number of Lead") {
        input.LeadIndex = -1;
        return;
    }
    for (const auto& field : kShape1TextFields) {
        if (field.Caption == caption) {
            input.*field.Text = "1E400";
        }
    }
}

TEST(Shape1, FailingFieldStopsTheStoringThere) {
    for (size_t broken = 0; broken < std::size(kStoreOrder); ++broken) {
        SCOPED_TRACE(kStoreOrder[broken].caption);
        Shape1Input input = ReferenceGroove();
        input.SpindleSpeed = "100";
        input.StartXS = "0.25";
        Break(input, kStoreOrder[broken].caption);
        CamJob job;
        job.LeadCount = 2.0;
        EXPECT_EQ(GenerateShape1(input, job).Error, "Data error ");
        EXPECT_EQ(job.CutPosition, 1);
        for (size_t i = 0; i < std::size(kStoreOrder); ++i) {
            EXPECT_EQ(kStoreOrder[i].stored(job), i < broken) << kStoreOrder[i].caption;
        }
        EXPECT_FALSE(job.LeadPitch.has_value());
    }
}

TEST(Shape1, WalkFailureKeepsFieldsAndWrittenEntries) {
    CamJob job;
    ASSERT_TRUE(GenerateShape1(ReferenceGroove(), job).Ok());
    Shape1Input input = ReferenceGroove();
    input.LeadIndex = 0;
    input.External = false;
    EXPECT_EQ(GenerateShape1(input, job).Error, "Data error ");
    EXPECT_EQ(job.LeadCount, 3.0);
    EXPECT_EQ(job.CutPosition, -1);
    EXPECT_EQ(job.LeadPitch, 1.2);
    EXPECT_EQ(job.ZPerDegree, 1.2 / 360);
    // The failed walk wrote its first entries with the new sign, all 361 of them before failing.
    EXPECT_GT(*job.XSTable[100], 0);
    EXPECT_GT(*job.XSTable[360], 0);
}

struct PrefillCase {
    const char* name;
    std::function<void(CamJob&)> before;
    std::vector<std::pair<const char*, const char*>> texts; // caption, text
    int leadIndex;
    bool external;
};

void PrintTo(const PrefillCase& c, std::ostream* os) {
    *os << c.name;
}

class Shape1PrefillTest : public testing::TestWithParam<PrefillCase> {};

TEST_P(Shape1PrefillTest, ShowsTheJob) {
    const PrefillCase& c = GetParam();
    CamJob job;
    c.before(job);
    const Shape1Input input = PrefillShape1(job);
    for (const auto& [caption, text] : c.texts) {
        bool found = false;
        for (const auto& field : kShape1TextFields) {
            if (field.Caption == caption) {
                EXPECT_EQ(input.*field.Text, text) << caption;
                found = true;
            }
        }
        EXPECT_TRUE(found) << caption;
    }
    EXPECT_EQ(input.LeadIndex, c.leadIndex);
    EXPECT_EQ(input.External, c.external);
}

const PrefillCase kPrefillCases[] = {
    {"FreshJob",
     [](CamJob&) {},
     {{"Nose-R", ""},
      {"PITCH", ""},
      {"WIDTH", ""},
      {"Angle 2", ""},
      {"R 4", ""},
      {"Spindle speed for G", "0"},
      {"Start XS vale", "0"}},
     2,
     false},
    {"AfterReferenceGroove",
     [](CamJob& job) {
         Shape1Input in = ReferenceGroove();
         in.SpindleSpeed = "120.5";
         in.StartXS = "0.1";
         ASSERT_TRUE(GenerateShape1(in, job).Ok());
     },
     {{"Nose-R", "0.2"},
      {"PITCH", "3.6"},
      {"WIDTH", "0.5"},
      {"Diameter 1", "10"},
      {"Diameter 2", "8.8"},
      {"Angle 1", "60"},
      {"R 3", "0.4"},
      {"Spindle speed for G", "120.5"},
      {"Start XS vale", "0.1"}},
     2,
     true},
    {"AfterThreeLeads",
     [](CamJob& job) {
         Shape1Input in = ReferenceGroove();
         in.Pitch = "7.2";
         in.LeadIndex = 0;
         in.External = false;
         ASSERT_TRUE(GenerateShape1(in, job).Ok());
     },
     {{"PITCH", "7.2"}},
     0,
     false},
    {"AfterShape2",
     [](CamJob& job) { ASSERT_TRUE(GenerateShape2(testing_support::ReferenceBall(), job).Ok()); },
     {{"WIDTH", "0"},
      {"Angle 1", "48.0127875041955"},
      {"Angle 2", "48.0127875041955"},
      {"R 3", "0.6"},
      {"R 4", "0.3"}},
     2,
     true},
    {"AfterShape3External",
     [](CamJob& job) { ASSERT_TRUE(GenerateShape3(testing_support::ReferenceShape3(), job).Ok()); },
     {{"WIDTH", "0"},
      {"Diameter 1", "10.6520762541007"},
      {"Angle 2", "66.4218215218149"},
      {"R 2", "0.543396878417264"},
      {"R 3", "0.543396878417264"},
      {"R 4", "1"}},
     2,
     false},
};

INSTANTIATE_TEST_SUITE_P(Shape1, Shape1PrefillTest, testing::ValuesIn(kPrefillCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WidthCase {
    const char* name;
    const char* angle1;
    const char* angle2;
    const char* r2;
    const char* r3;
    const char* wd;
    std::optional<std::string> width;
};

void PrintTo(const WidthCase& c, std::ostream* os) {
    *os << c.name;
}

class Shape1WidthTest : public testing::TestWithParam<WidthCase> {};

TEST_P(Shape1WidthTest, RewritesWidth) {
    const WidthCase& c = GetParam();
    Shape1Input dialog;
    dialog.Angle1 = c.angle1;
    dialog.Angle2 = c.angle2;
    dialog.R2 = c.r2;
    dialog.R3 = c.r3;
    EXPECT_EQ(WidthForWD(dialog, c.wd, CamJob{}.PI), c.width);
}

const WidthCase kWidthCases[] = {
    {"SharpCorners", "", "", "0", "0", "2", "2.000"},
    {"NoDigitGrouping", "", "", "", "", "1234.5", "1234.500"},
    {"ReferenceCorners", "60", "60", "0.4", "0.4", "1", "0.538"},
    {"NegativeWidth", "90", "90", "1", "1", "0.5", "-1.500"},
    {"RoundsToZeroWithoutSign", "", "", "", "", "-0.0001", "0.000"},
    {"NonNumericReadsZero", "", "", "", "", "abc", "0.000"},
    {"EmptyKeepsWidth", "60", "60", "0.4", "0.4", "", std::nullopt},
    {"OverflowingWDKeepsWidth", "", "", "", "", "1E400", std::nullopt},
    {"OverflowingAngleKeepsWidth", "1E400", "", "", "", "1", std::nullopt},
    {"InfiniteResultKeepsWidth", "90", "90", "-1E308", "-1E308", "1E308", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Shape1, Shape1WidthTest, testing::ValuesIn(kWidthCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Shape1, WidthTextReadsBackAsShown) {
    Shape1Input dialog = ReferenceGroove();
    const std::optional<std::string> width = WidthForWD(dialog, "1234.5", CamJob{}.PI);
    ASSERT_TRUE(width);
    dialog.Width = *width;
    CamJob job;
    GenerateShape1(dialog, job);
    EXPECT_EQ(job.Width, 1234.038);
}

} // namespace
} // namespace spirolan
