// Shape 3: the worked profile for both cutting positions, its failures and pre-fill texts.
#include "shape1.h"
#include "shape3.h"
#include "shape_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

using testing_support::DataLine;
using testing_support::ReferenceShape3;

struct ProfileCase {
    const char* name;
    bool external;
    std::vector<std::pair<int, const char*>> lines;
    const char* rootLines; // lines 250..359
    double entry360;
};

void PrintTo(const ProfileCase& c, std::ostream* os) {
    *os << c.name;
}

class Shape3ProfileTest : public testing::TestWithParam<ProfileCase> {};

TEST_P(Shape3ProfileTest, ReproducesTheWorkedProfile) {
    const ProfileCase& c = GetParam();
    Shape3Input input = ReferenceShape3();
    input.External = c.external;
    CamJob job;
    const ShapeResult result = GenerateShape3(input, job);
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.SegmentStarts, (std::array<int, 8>{0, 18, 44, 108, 109, 177, 178, 250}));
    for (const auto& [index, text] : c.lines) {
        EXPECT_EQ(DataLine(result.ModeAText, index), text) << "line " << index;
    }
    for (int i = 250; i < 360; ++i) {
        EXPECT_EQ(DataLine(result.ModeAText, i), c.rootLines) << "line " << i;
    }
    EXPECT_EQ(job.XSTable[360], c.entry360);
    EXPECT_EQ(job.CutPosition, c.external ? -1 : 1);
    EXPECT_NEAR(*job.Angle2, 66.4218, 5e-5);
    EXPECT_NEAR(*job.R2, 0.5434, 5e-5);
    EXPECT_EQ(job.R3, job.R2);
    EXPECT_NEAR(*job.Diameter1, 10.6521, 5e-5);
    EXPECT_EQ(job.Width, 0.0);
    EXPECT_EQ(job.ZPerDegree, 3.6 / 360);
}

// H is 0.5999999999999996 as computed; entry 360 keeps it unrounded.
const ProfileCase kProfileCases[] = {
    {"External", true, {{0, "-6000"}, {1, "-5997"}, {108, " 3260"}}, "-6000", -((10 - 8.8) / 2)},
    {"Internal", false, {{0, " 6000"}, {108, "-3260"}}, " 6000", (10 - 8.8) / 2},
};

INSTANTIATE_TEST_SUITE_P(Shape3, Shape3ProfileTest, testing::ValuesIn(kProfileCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    std::function<void(Shape3Input&)> change;
    bool angle2Stored; // the failure comes after Angle2 was derived
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class Shape3FailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(Shape3FailureTest, GivesDataError) {
    Shape3Input input = ReferenceShape3();
    GetParam().change(input);
    CamJob job;
    const ShapeResult result = GenerateShape3(input, job);
    EXPECT_EQ(result.Error, "Data error ");
    EXPECT_TRUE(result.ModeAText.empty());
    EXPECT_EQ(job.Angle2.has_value(), GetParam().angle2Stored);
}

const FailureCase kFailureCases[] = {
    {"SecondRadiusEqualsDepth",
     [](Shape3Input& in) {
         in.Diameter1 = "10";
         in.Diameter2 = "9";
         in.R2 = "0.5";
     },
     false},
    {"DepthAboveTwiceSecondRadius",
     [](Shape3Input& in) {
         in.Diameter1 = "10";
         in.Diameter2 = "9";
         in.R2 = "0.2";
     },
     false},
    {"NegativeDepth", [](Shape3Input& in) { in.Diameter2 = "11"; }, false},
    {"Angle1Zero", [](Shape3Input& in) { in.Angle1 = "0"; }, true},
    // 180 minus this angle is exactly the derived Angle2, so the crest angle is 0.
    {"CrestAngleZero", [](Shape3Input& in) { in.Angle1 = "113.57817847818508"; }, true},
    {"PitchZero", [](Shape3Input& in) { in.Pitch = "0"; }, true},
    {"NoLeadEntry", [](Shape3Input& in) { in.LeadIndex = -1; }, false},
    {"FieldOverflows", [](Shape3Input& in) { in.R1 = "1E400"; }, false},
};

INSTANTIATE_TEST_SUITE_P(Shape3, Shape3FailureTest, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Shape3, StoresTheTypedFieldsWhereTheDialogReadsThem) {
    CamJob job;
    ASSERT_TRUE(GenerateShape3(ReferenceShape3(), job).Ok());
    EXPECT_EQ(job.Shape3Width, 1.0);
    EXPECT_EQ(job.Shape3Diameter1, 10.0);
    EXPECT_EQ(job.R4, 1.0);
    EXPECT_EQ(job.LeadPitch, 3.6);
    const Shape3Input input = PrefillShape3(job);
    EXPECT_EQ(input.Width, "1");
    EXPECT_EQ(input.Diameter1, "10");
    EXPECT_EQ(input.Diameter2, "8.8");
    EXPECT_EQ(input.Angle1, "60");
    EXPECT_EQ(input.R1, "0.4");
    EXPECT_EQ(input.R2, "1");
    EXPECT_EQ(input.LeadIndex, 1);
    EXPECT_TRUE(input.External);
}

using testing_support::PrefillCase;

class Shape3PrefillTest : public testing::TestWithParam<PrefillCase> {};

TEST_P(Shape3PrefillTest, SelectsLeadAndPosition) {
    CamJob job;
    GetParam().before(job);
    const Shape3Input input = PrefillShape3(job);
    EXPECT_EQ(input.LeadIndex, GetParam().leadIndex);
    EXPECT_EQ(input.External, GetParam().external);
}

const PrefillCase kPrefillCases[] = {
    {"FreshJob", [](CamJob&) {}, 1, false},
    {"AfterShape1ExternalThreeLeads", testing_support::GenerateThreeLeadGroove, -1, false},
    {"AfterShape1Internal",
     [](CamJob& job) {
         Shape1Input in = testing_support::ReferenceGroove();
         in.External = false;
         ASSERT_TRUE(GenerateShape1(in, job).Ok());
     },
     1, true},
};

INSTANTIATE_TEST_SUITE_P(Shape3, Shape3PrefillTest, testing::ValuesIn(kPrefillCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace spirolan
