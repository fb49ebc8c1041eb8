// SPDX-License-Identifier: GPL-3.0-or-later
// Main window layout rule for ordinary, short, tiny and broken sizes; the pointer read-out lines.
#include "graphics/layout_rule.h"
#include "graphics/pointer_readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

using Place = std::optional<TwipRect>;
using R = TwipRect;
constexpr Place kSkipped = std::nullopt;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct LayoutCase {
    const char* name;
    float width, height;
    Place txtDataA, txtDataB, Picture1, Picture2, Picture3, Picture4, Picture5;
    friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }
};

class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, Rectangles) {
    const LayoutCase& c = GetParam();
    const MainWindowLayout layout = ComputeLayout(c.width, c.height);
    EXPECT_EQ(layout.txtDataA, c.txtDataA);
    EXPECT_EQ(layout.txtDataB, c.txtDataB);
    EXPECT_EQ(layout.Picture1, c.Picture1);
    EXPECT_EQ(layout.Picture2, c.Picture2);
    EXPECT_EQ(layout.Picture3, c.Picture3);
    EXPECT_EQ(layout.Picture4, c.Picture4);
    EXPECT_EQ(layout.Picture5, c.Picture5);
}

constexpr TwipRect kPicture3{8770, 30, 1200, 520};
constexpr TwipRect kPicture4{6270, 30, 2500, 520};
constexpr TwipRect kPicture5{3570, 30, 2700, 520};

const LayoutCase kLayoutCases[] = {
    {"Ordinary", 10000, 6000, R{10, 680, 2000, 2420}, R{10, 3130, 2000, 2595},
     R{2050, 680, 7930, 2420}, R{2050, 3130, 7930, 2595}, kPicture3, kPicture4, kPicture5},
    {"UpperRowNegative", 10000, 1100, kSkipped, R{10, 680, 2000, 145}, kSkipped,
     R{2050, 680, 7930, 145}, kPicture3, kPicture4, kPicture5},
    {"UpperRowZeroHeight", 10000, 1160, R{10, 680, 2000, 0}, R{10, 710, 2000, 175},
     R{2050, 680, 7930, 0}, R{2050, 710, 7930, 175}, kPicture3, kPicture4, kPicture5},
    {"Minimized", 0, 0, kSkipped, kSkipped, kSkipped, kSkipped, R{-1230, 30, 1200, 520},
     R{-3730, 30, 2500, 520}, R{-6430, 30, 2700, 520}},
    {"NotANumber", kNaN, kNaN, kSkipped, kSkipped, kSkipped, kSkipped, kSkipped, kSkipped,
     kSkipped},
};
INSTANTIATE_TEST_SUITE_P(Sizes, Layout, testing::ValuesIn(kLayoutCases),
                         testing::PrintToStringParamName());

TEST(Layout, SinglePrecisionColumnsAndFullWidthLines) {
    // 10001 / 5 is not exact in single precision: the columns carry that rounding.
    const MainWindowLayout layout = ComputeLayout(10001, 6000);
    ASSERT_TRUE(layout.Picture1);
    EXPECT_EQ(layout.Picture1->Width, 7930.7998046875f);
    EXPECT_EQ(layout.Picture1->Left, 2050.199951171875f);
    EXPECT_EQ(layout.Line1Right, 10001);
    EXPECT_EQ(layout.Line2Right, 10001);
}

struct BoxesCase {
    const char* name;
    float width, toolbarEnd;
    BoxesShown shown;
    friend void PrintTo(const BoxesCase& c, std::ostream* os) { *os << c.name; }
};

class BoxesOfTheToolbarBand : public testing::TestWithParam<BoxesCase> {};

TEST_P(BoxesOfTheToolbarBand, ShownOnlyWhereTheyKeepClearOfTheButtons) {
    const BoxesCase& c = GetParam();
    EXPECT_EQ(BoxesClearOfToolbar(ComputeLayout(c.width, 6000), c.toolbarEnd), c.shown);
}

// The boxes begin at W - 6430 (Picture5), W - 3730 (Picture4) and W - 1230 (Picture3).
const BoxesCase kBoxesCases[] = {
    {"TouchingTheLastButton", 10570, 4140, {true, true, true}},
    {"Picture5WouldCover", 10569, 4140, {true, true, false}},
    {"NoneLeft", 5000, 4140, {false, false, false}},
    {"SkippedStepsHidden", kNaN, 0, {false, false, false}},
};
INSTANTIATE_TEST_SUITE_P(Widths, BoxesOfTheToolbarBand, testing::ValuesIn(kBoxesCases),
                         testing::PrintToStringParamName());

struct ReadoutCase {
    const char* name;
    bool modeB;
    float x, y;
    const char* line1;
    const char* line2;
    friend void PrintTo(const ReadoutCase& c, std::ostream* os) { *os << c.name; }
};

class Readout : public testing::TestWithParam<ReadoutCase> {};

TEST_P(Readout, StatusAndLines) {
    const ReadoutCase& c = GetParam();
    const PointerReadout r = c.modeB ? ModeBReadout(c.x, c.y) : ModeAReadout(c.x, c.y);
    EXPECT_EQ(r.Status, c.modeB ? "Mode-B Graphic" : "Mode-A Graphic");
    EXPECT_EQ(r.Line1, c.line1);
    EXPECT_EQ(r.Line2, c.line2);
}

const ReadoutCase kReadoutCases[] = {
    {"FourDecimals", false, 123.45678f, 1.23456f, "  C 123.4567 ", "  XS -1.2346 "},
    {"CutJustAboveWhole", false, 90.00004f, -2.5f, "  C 90 ", "  XS  2.5 "},
    {"CutTowardMinusInfinity", false, -0.00001f, 0.00001f, "  C-.0001 ", "  XS -.0001 "},
    {"ModeB", true, 12.5f, -1.0f, "  Z 12.5 ", "  XS  1 "},
    // -0.3f lies just below -0.3, so the cut toward minus infinity takes it to -0.3001.
    {"FloatJustBelowDecimal", true, -0.3f, 3.2f, "  Z-.3001 ", "  XS -3.2001 "},
    {"NotANumber", true, kNaN, kNaN, "  Z nan ", "  XS  nan "},
};
INSTANTIATE_TEST_SUITE_P(Positions, Readout, testing::ValuesIn(kReadoutCases),
                         testing::PrintToStringParamName());

} // namespace
} // namespace spirolan
