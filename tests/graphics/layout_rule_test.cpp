// Layout rule: placed rectangles for ordinary, short, tiny and broken window sizes.
#include "layout_rule.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

using Place = std::optional<TwipRect>;
constexpr Place kSkipped = std::nullopt;

struct LayoutCase {
    const char* name;
    float width;
    float height;
    Place txtDataA, txtDataB, Picture1, Picture2, Picture3, Picture4, Picture5;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class LayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, Rectangles) {
    const LayoutCase& c = GetParam();
    MainWindowLayout layout = ComputeLayout(c.width, c.height);
    EXPECT_EQ(layout.txtDataA, c.txtDataA);
    EXPECT_EQ(layout.txtDataB, c.txtDataB);
    EXPECT_EQ(layout.Picture1, c.Picture1);
    EXPECT_EQ(layout.Picture2, c.Picture2);
    EXPECT_EQ(layout.Picture3, c.Picture3);
    EXPECT_EQ(layout.Picture4, c.Picture4);
    EXPECT_EQ(layout.Picture5, c.Picture5);
}

const LayoutCase kLayoutCases[] = {
    {"Ordinary", 10000, 6000, TwipRect{10, 680, 2000, 2420}, TwipRect{10, 3130, 2000, 2595},
     TwipRect{2050, 680, 7930, 2420}, TwipRect{2050, 3130, 7930, 2595},
     TwipRect{8770, 30, 1200, 520}, TwipRect{6270, 30, 2500, 520}, TwipRect{3570, 30, 2700, 520}},
    {"UpperRowNegative", 10000, 1100, kSkipped, TwipRect{10, 680, 2000, 145}, kSkipped,
     TwipRect{2050, 680, 7930, 145}, TwipRect{8770, 30, 1200, 520}, TwipRect{6270, 30, 2500, 520},
     TwipRect{3570, 30, 2700, 520}},
    {"UpperRowZeroHeight", 10000, 1160, TwipRect{10, 680, 2000, 0}, TwipRect{10, 710, 2000, 175},
     TwipRect{2050, 680, 7930, 0}, TwipRect{2050, 710, 7930, 175}, TwipRect{8770, 30, 1200, 520},
     TwipRect{6270, 30, 2500, 520}, TwipRect{3570, 30, 2700, 520}},
    {"Minimized", 0, 0, kSkipped, kSkipped, kSkipped, kSkipped, TwipRect{-1230, 30, 1200, 520},
     TwipRect{-3730, 30, 2500, 520}, TwipRect{-6430, 30, 2700, 520}},
    {"NotANumber", std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::quiet_NaN(),
     kSkipped, kSkipped, kSkipped, kSkipped, kSkipped, kSkipped, kSkipped},
};

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest, testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Layout, LinesSpanTheWidth) {
    MainWindowLayout layout = ComputeLayout(12345, 6000);
    EXPECT_EQ(layout.Line1Right, 12345);
    EXPECT_EQ(layout.Line2Right, 12345);
}

TEST(Layout, SinglePrecisionColumns) {
    // 10001 / 5 is not exact in single precision: the columns carry that rounding.
    MainWindowLayout layout = ComputeLayout(10001, 6000);
    ASSERT_TRUE(layout.Picture1);
    EXPECT_EQ(layout.Picture1->Width, 7930.7998046875f);
    EXPECT_EQ(layout.Picture1->Left, 2050.199951171875f);
}

} // namespace
} // namespace spirolan
