// SPDX-License-Identifier: GPL-3.0-or-later
// Feed table: exact texts of the dialog's result box, drift, and inputs where it cannot divide.
#include "feed/feed_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

const std::string kHeader = "PITCH    FEED     No.\r\n";

TEST(FeedTable, WorkedExamples) {
    // The first and third rows give 8 for exact quotients of 7 and 8: floor of drifted values.
    EXPECT_EQ(FeedTable(2, 0.3), kHeader + "1.995  \t0.285  \t8\r\n1.998  \t0.333  \t6\r\n"
                                           "2  \t0.25  \t8\r\n2.002  \t0.286  \t7\r\n"
                                           "2.004  \t0.334  \t6\r\n");
}

struct Case {
    const char* name;
    double pitch;
    double feed;
    size_t lines; // after the header
    const char* first = nullptr;
    const char* last = nullptr;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class FeedTableCase : public testing::TestWithParam<Case> {};

TEST_P(FeedTableCase, LineCountAndEnds) {
    const Case& c = GetParam();
    const std::string text = FeedTable(c.pitch, c.feed);
    ASSERT_TRUE(text.starts_with(kHeader));
    ASSERT_TRUE(text.ends_with("\r\n"));
    std::vector<std::string> lines;
    for (size_t at = kHeader.size(), end; at < text.size(); at = end + 2) {
        end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
    }
    ASSERT_EQ(lines.size(), c.lines);
    if (c.first) {
        EXPECT_EQ(lines.front(), c.first);
        EXPECT_EQ(lines.back(), c.last ? c.last : c.first);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const Case kCases[] = {
    // An empty PITCH reads 0, a multiple of every feed; pitch 0 lists each feed value once.
    {"EmptyPitchListsEveryFeed", 0, 0.3, 100, "0  \t0.25  \t1", "0  \t0.349  \t1"},
    {"DriftGives101FeedsAt1", 0, 1, 101},
    // Feeds rounding to 0 thousandths are skipped, the others listed.
    {"ZeroFeedSkipsOnlyZeroThousandths", 2, 0, 105, "1.995  \t-0.035  \t-57",
     "2.005  \t0.00500000000000003  \t401"},
    {"SmallestThousandthsByMinusOne", -2147483.648, 0.049, 39,
     "-2147483.648  \t-0.001  \t2147483648", "-2147483.644  \t0.004  \t-536870910"},
    {"PitchBeyond32Bits", 1e7, 0.3, 0},
    {"FeedBeyond32Bits", 2, 1e7, 0},
    {"NaNPitch", kNaN, 0.3, 0},
    // Steps of 0.001 lost in the value or rounded to whole ulps: the loops still end.
    {"StepLostInHugeFeed", 2, 1e300, 0},
    {"CoarseStepsInLargePitch", 1e13, 0.3, 0},
};

INSTANTIATE_TEST_SUITE_P(Inputs, FeedTableCase, testing::ValuesIn(kCases),
                         testing::PrintToStringParamName());

} // namespace
} // namespace spirolan
