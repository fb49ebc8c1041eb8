// Feed table: exact texts of the dialog's result box, and inputs where it cannot divide.
#include "feed_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

const std::string kHeader = "PITCH    FEED     No.\r\n";

std::vector<std::string> DataLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = kHeader.size();
    EXPECT_EQ(text.substr(0, start), kHeader);
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct ExactCase {
    const char* name;
    double pitch;
    double feed;
    const char* text;
};

void PrintTo(const ExactCase& c, std::ostream* os) {
    *os << c.name;
}

class FeedTableExact : public testing::TestWithParam<ExactCase> {};

TEST_P(FeedTableExact, Text) {
    const ExactCase& c = GetParam();
    EXPECT_EQ(FeedTable(c.pitch, c.feed), c.text);
}

const ExactCase kExactCases[] = {
    // The first and third rows give 8 for exact quotients of 7 and 8: floor of drifted values.
    {"Pitch2Feed03", 2, 0.3,
     "PITCH    FEED     No.\r\n"
     "1.995  \t0.285  \t8\r\n"
     "1.998  \t0.333  \t6\r\n"
     "2  \t0.25  \t8\r\n"
     "2.002  \t0.286  \t7\r\n"
     "2.004  \t0.334  \t6\r\n"},
    {"Pitch15Feed05", 1.5, 0.5,
     "PITCH    FEED     No.\r\n"
     "1.497  \t0.499  \t3\r\n"
     "1.5  \t0.5  \t3\r\n"
     "1.503  \t0.501  \t3\r\n"},
    {"NegativeBoth", -2, -0.3,
     "PITCH    FEED     No.\r\n"
     "-2.004  \t-0.334  \t7\r\n"
     "-2.002  \t-0.286  \t8\r\n"
     "-1.998  \t-0.333  \t7\r\n"
     "-1.995  \t-0.285  \t8\r\n"},
    {"PitchThousandthsBeyond32Bits", 1e7, 0.3, "PITCH    FEED     No.\r\n"},
    {"FeedThousandthsBeyond32Bits", 2, 1e7, "PITCH    FEED     No.\r\n"},
    {"InfinitePitch", HUGE_VAL, 0.3, "PITCH    FEED     No.\r\n"},
    {"InfiniteFeed", 2, HUGE_VAL, "PITCH    FEED     No.\r\n"},
    {"NegativeInfiniteFeed", 2, -HUGE_VAL, "PITCH    FEED     No.\r\n"},
    {"NaNPitch", std::numeric_limits<double>::quiet_NaN(), 0.3, "PITCH    FEED     No.\r\n"},
    {"NaNFeed", 2, std::numeric_limits<double>::quiet_NaN(), "PITCH    FEED     No.\r\n"},
    {"StepLostInHugePitch", 1e300, 0.3, "PITCH    FEED     No.\r\n"},
    {"StepLostInHugeFeed", 2, 1e300, "PITCH    FEED     No.\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FeedTableExact, testing::ValuesIn(kExactCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FeedTable, EmptyPitchListsEveryFeed) {
    std::vector<std::string> lines = DataLines(FeedTable(0, 0.3));
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front(), "0  \t0.25  \t1");
    EXPECT_EQ(lines.back(), "0  \t0.349  \t1");
}

TEST(FeedTable, FeedCountDependsOnDrift) {
    // Pitch 0 lists every feed, so the line count is the number of feed values.
    EXPECT_EQ(DataLines(FeedTable(0, 1)).size(), 101u);
    EXPECT_EQ(DataLines(FeedTable(0, 2)).size(), 101u);
    EXPECT_EQ(DataLines(FeedTable(0, 0.5)).size(), 100u);
}

TEST(FeedTable, ZeroFeedSkipsOnlyTheZeroThousandths) {
    std::vector<std::string> lines = DataLines(FeedTable(2, 0));
    ASSERT_EQ(lines.size(), 105u);
    EXPECT_EQ(lines.front(), "1.995  \t-0.035  \t-57");
    EXPECT_EQ(lines[7], "1.995  \t-0.000999999999999965  \t-1995");
    EXPECT_EQ(lines[8], "1.995  \t0.00100000000000003  \t1995");
    EXPECT_EQ(lines.back(), "2.005  \t0.00500000000000003  \t401");
}

TEST(FeedTable, SmallestThousandthsByMinusOne) {
    std::vector<std::string> lines = DataLines(FeedTable(-2147483.648, 0.049));
    ASSERT_EQ(lines.size(), 39u);
    EXPECT_EQ(lines.front(), "-2147483.648  \t-0.001  \t2147483648");
}

TEST(FeedTable, LargePitchWithCoarseStepsEnds) {
    // Steps of 0.001 round to whole ulps here: the loops still advance and end.
    std::vector<std::string> lines = DataLines(FeedTable(1e13, 0.3));
    EXPECT_TRUE(lines.empty());
}

} // namespace
} // namespace spirolan
