// Shape 2: the worked groove, the entries after the walk's end, lead entries and failures.
#include "shape1.h"
#include "shape2.h"
#include "shape_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

using testing_support::DataLine;
using testing_support::ReferenceBall;

TEST(Shape2, ReproducesTheWorkedGroove) {
    CamJob job;
    const ShapeResult result = GenerateShape2(ReferenceBall(), job);
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.SegmentStarts, (std::array<int, 8>{0, 64, 95, 146, 147, 197, 228, 291}));
    EXPECT_EQ(result.WalkEnd, 342);
    EXPECT_EQ(job.XSTable[146], -0.5);
    EXPECT_EQ(DataLine(result.ModeAText, 146), "-5000");
    EXPECT_EQ(DataLine(result.ModeAText, 0), " 0");
    EXPECT_NEAR(*job.Angle1, 48.0128, 5e-5);
    EXPECT_EQ(*job.Angle1, std::atan(1 / 0.9) * 180 / job.PI);
    EXPECT_EQ(job.Angle2, job.Angle1);
    EXPECT_EQ(job.ZPerDegree, 2.0 / 360 + 0.0003);
    EXPECT_EQ(job.Width, 0.0);
    EXPECT_EQ(job.R3, 0.6);
    EXPECT_EQ(job.R4, 0.3);
    EXPECT_EQ(job.XSTable[360], 0.0);
}

TEST(Shape2, EntriesAfterTheWalkTakeTheFlatTopNotAnEarlierJob) {
    CamJob job;
    for (int i = 0; i < 360; ++i) {
        job.XSTable[static_cast<size_t>(i)] = 0.7;
    }
    const ShapeResult result = GenerateShape2(ReferenceBall(), job);
    ASSERT_TRUE(result.Ok()) << result.Error;
    for (int i = 342; i < 360; ++i) {
        EXPECT_EQ(job.XSTable[static_cast<size_t>(i)], 0.0) << i;
        EXPECT_EQ(DataLine(result.ModeAText, i), " 0") << i;
    }
}

TEST(Shape2, FirstRunAfterStartSucceeds) {
    CamJob job;
    EXPECT_TRUE(GenerateShape2(ReferenceBall(), job).Ok());
}

TEST(Shape2, TwoLeadsLayTheThinnedGrooveTwice) {
    CamJob single;
    Shape2Input input = ReferenceBall();
    ASSERT_TRUE(GenerateShape2(input, single).Ok());
    input.Pitch = "4";
    input.LeadIndex = 0;
    CamJob twice;
    const ShapeResult result = GenerateShape2(input, twice);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(twice.LeadPitch, 2.0);
    for (size_t i = 0; i < 180; ++i) {
        EXPECT_EQ(twice.XSTable[i], single.XSTable[2 * i]) << i;
        EXPECT_EQ(twice.XSTable[180 + i], single.XSTable[2 * i]) << i;
    }
}

TEST(Shape2, NoLeadEntryFailsAfterStoringTheFieldsBeforeIt) {
    CamJob job;
    job.LeadCount = 3.0; // left by a three-lead Shape 1 job
    Shape2Input input = ReferenceBall();
    input.LeadIndex = PrefillShape2(job).LeadIndex;
    EXPECT_EQ(input.LeadIndex, -1);
    EXPECT_EQ(GenerateShape2(input, job).Error, "Data error ");
    EXPECT_EQ(job.LeadCount, 3.0);
    EXPECT_EQ(job.R1, 0.3);
    EXPECT_EQ(job.R4, 0.3);
    EXPECT_EQ(job.R3, 0.6);
    EXPECT_FALSE(job.LeadPitch.has_value());
}

struct FailureCase {
    const char* name;
    std::function<void(Shape2Input&)> change;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class Shape2FailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(Shape2FailureTest, GivesDataError) {
    Shape2Input input = ReferenceBall();
    GetParam().change(input);
    CamJob job;
    const ShapeResult result = GenerateShape2(input, job);
    EXPECT_EQ(result.Error, "Data error ");
    EXPECT_TRUE(result.ModeAText.empty());
}

const FailureCase kFailureCases[] = {
    {"RadiiZero", [](Shape2Input& in) { in.R1 = in.R2 = "0"; }},
    {"RadiiCancel", [](Shape2Input& in) { in.R2 = "-0.3"; }},
    {"RadiiSumOverflows", [](Shape2Input& in) { in.R1 = in.R2 = "1.5E308"; }},
    {"PitchZero", [](Shape2Input& in) { in.Pitch = "0"; }},
    {"CornersLargerThanGroove", [](Shape2Input& in) { in.R1 = in.R2 = "5"; }},
    {"FieldOverflows", [](Shape2Input& in) { in.Diameter2 = "1E400"; }},
    {"LeadIndexOutsideList", [](Shape2Input& in) { in.LeadIndex = 2; }},
};

INSTANTIATE_TEST_SUITE_P(Shape2, Shape2FailureTest, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Shape2, FailedAngleLeavesTheAnglesAlone) {
    CamJob job;
    job.Angle1 = 30.0;
    Shape2Input input = ReferenceBall();
    input.R1 = input.R2 = "0";
    EXPECT_EQ(GenerateShape2(input, job).Error, "Data error ");
    EXPECT_EQ(job.Angle1, 30.0);
    EXPECT_EQ(job.LeadPitch, 2.0);
    EXPECT_EQ(job.Width, 0.0);
}

using testing_support::PrefillCase;

class Shape2PrefillTest : public testing::TestWithParam<PrefillCase> {};

TEST_P(Shape2PrefillTest, SelectsLeadAndPosition) {
    CamJob job;
    GetParam().before(job);
    const Shape2Input input = PrefillShape2(job);
    EXPECT_EQ(input.LeadIndex, GetParam().leadIndex);
    EXPECT_EQ(input.External, GetParam().external);
}

const PrefillCase kPrefillCases[] = {
    {"FreshJob", [](CamJob&) {}, 1, false},
    {"AfterShape1ThreeLeads", testing_support::GenerateThreeLeadGroove, -1, true},
    {"AfterTwoLeads", [](CamJob& job) { job.LeadCount = 2.0; }, 0, false},
};

INSTANTIATE_TEST_SUITE_P(Shape2, Shape2PrefillTest, testing::ValuesIn(kPrefillCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace spirolan
