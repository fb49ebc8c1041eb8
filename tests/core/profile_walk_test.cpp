// The shared walk and final values: lead replication, 15-digit values, early ends and failures.
#include "number_text.h"
#include "profile_walk.h"
#include "shape_fixtures.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace spirolan {
namespace {

using testing_support::DataLine;

// A table whose entry i holds i / 1000 + 0.00001 (data line i reads 10 i before replication).
CamTable Ramp() {
    CamTable table{};
    for (size_t i = 0; i < 360; ++i) {
        table[i] = static_cast<double>(i) / 1000 + 0.00001;
    }
    return table;
}

struct LeadCase {
    const char* name;
    double leads;
};

void PrintTo(const LeadCase& c, std::ostream* os) {
    *os << c.name;
}

class LeadReplicationTest : public testing::TestWithParam<LeadCase> {};

TEST_P(LeadReplicationTest, ThinsAndLaysTheLeadAroundTheTurn) {
    const int leads = static_cast<int>(GetParam().leads);
    const CamTable ramp = Ramp();
    CamTable table = ramp;
    const std::optional<std::string> text = FinishModeA(table, GetParam().leads, std::nullopt);
    ASSERT_TRUE(text);
    const int span = 360 / leads;
    for (int i = 0; i < 360; ++i) {
        const size_t source = static_cast<size_t>((i % span) * leads);
        EXPECT_EQ(table[static_cast<size_t>(i)], RoundTo15Digits(*ramp[source])) << i;
    }
    // The second entry of the second copy is table entry `leads`.
    EXPECT_EQ(DataLine(*text, (span + 1) % 360), " " + std::to_string(10 * leads));
}

const LeadCase kLeadCases[] = {{"OneLead", 1}, {"TwoLeads", 2}, {"ThreeLeads", 3}};

INSTANTIATE_TEST_SUITE_P(FinishModeA, LeadReplicationTest, testing::ValuesIn(kLeadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FinishModeA, ValuesPassThroughTheirFifteenDigitText) {
    CamTable table = Ramp();
    table[0] = 0.5999999999999996;
    table[1] = -0.0;
    table[2] = -0.00015;
    table[3] = 0.00009;
    table[4] = 0.12345;
    const std::optional<std::string> text = FinishModeA(table, 1, std::nullopt);
    ASSERT_TRUE(text);
    EXPECT_EQ(table[0], 0.6);
    EXPECT_EQ(DataLine(*text, 0), " 6000");
    EXPECT_FALSE(std::signbit(*table[1]));
    EXPECT_EQ(DataLine(*text, 2), "-1");
    EXPECT_EQ(DataLine(*text, 3), " 0");
    EXPECT_EQ(DataLine(*text, 4), " 1234");
}

TEST(FinishModeA, StartXSIsAddedAndKeptInEntry360) {
    CamTable table = Ramp();
    const std::optional<std::string> text = FinishModeA(table, 1, 0.25f);
    ASSERT_TRUE(text);
    EXPECT_EQ(table[10], 0.01001 + 0.25);
    EXPECT_EQ(DataLine(*text, 10), " 2600");
    EXPECT_EQ(table[360], 0.25);
}

TEST(FinishModeA, EmptyEntryFailsAfterFinishingTheEntriesBefore) {
    CamTable table = Ramp();
    table[5].reset();
    table[3] = 0.5999999999999996;
    EXPECT_FALSE(FinishModeA(table, 1, std::nullopt));
    EXPECT_EQ(table[3], 0.6);
    EXPECT_FALSE(table[5].has_value());
}

TEST(FinishModeA, UnknownLeadCountCopiesNothingAndFails) {
    for (double leads : {0.0, 4.0, 1.5, -1.0}) {
        CamTable table = Ramp();
        EXPECT_FALSE(FinishModeA(table, leads, std::nullopt)) << leads;
    }
}

TEST(FinishModeA, ValuesBeyondTheRangeFail) {
    for (double value : {DBL_MAX, 1e305}) {
        CamTable table = Ramp();
        table[7] = value;
        EXPECT_FALSE(FinishModeA(table, 1, std::nullopt)) << value;
    }
}

// A groove of no size: every segment ends at 0.
ProfileWalk PointGroove(double leadPitch, double zPerDegree) {
    ProfileWalk walk;
    walk.geometry.a1 = walk.geometry.a2 = 1.0;
    walk.leadPitch = leadPitch;
    walk.zPerDegree = zPerDegree;
    walk.cutPosition = -1;
    walk.level = ProfileLevel::Root;
    walk.rootOffset = 0.25;
    return walk;
}

TEST(WalkToModeA, EarlyEndFillsTheFlatTop) {
    CamTable table{};
    const ShapeResult result = WalkToModeA(PointGroove(0, 0), 1, std::nullopt, table);
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.SegmentStarts, (std::array<int, 8>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(result.WalkEnd, 8);
    EXPECT_EQ(table[359], 0.25);
    EXPECT_EQ(DataLine(result.ModeAText, 200), " 2500");
}

TEST(WalkToModeA, StandingStepRunsPastTheTableAndFails) {
    CamTable table{};
    const ShapeResult result = WalkToModeA(PointGroove(1, 0), 1, std::nullopt, table);
    EXPECT_EQ(result.Error, "Data error ");
    EXPECT_EQ(result.WalkEnd, -1);
    EXPECT_EQ(result.SegmentStarts[7], 7);
    EXPECT_EQ(table[360], 0.25);
}

} // namespace
} // namespace spirolan
