// Pointer read-out: status text and the two lines for pointer positions over both graphs.
#include "pointer_readout.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

struct ReadoutCase {
    const char* name;
    bool modeB;
    float x;
    float y;
    const char* status;
    const char* line1;
    const char* line2;
};

void PrintTo(const ReadoutCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadoutTest : public testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutTest, Lines) {
    const ReadoutCase& c = GetParam();
    PointerReadout r = c.modeB ? ModeBReadout(c.x, c.y) : ModeAReadout(c.x, c.y);
    EXPECT_EQ(r.Status, c.status);
    EXPECT_EQ(r.Line1, c.line1);
    EXPECT_EQ(r.Line2, c.line2);
}

const ReadoutCase kReadoutCases[] = {
    {"FourDecimals", false, 123.45678f, 1.23456f, "Mode-A Graphic", "  C 123.4567 ",
     "  XS -1.2346 "},
    {"CutJustAboveWhole", false, 90.00004f, -2.5f, "Mode-A Graphic", "  C 90 ", "  XS  2.5 "},
    {"CutTowardMinusInfinity", false, -0.00001f, 0.00001f, "Mode-A Graphic", "  C-.0001 ",
     "  XS -.0001 "},
    {"Zero", false, 0.0f, 0.0f, "Mode-A Graphic", "  C 0 ", "  XS  0 "},
    {"NoZeroBeforePoint", false, 0.5f, -0.25f, "Mode-A Graphic", "  C .5 ", "  XS  .25 "},
    {"ModeB", true, 12.5f, -1.0f, "Mode-B Graphic", "  Z 12.5 ", "  XS  1 "},
    // -0.3f lies just below -0.3, so the cut toward minus infinity takes it to -0.3001.
    {"FloatJustBelowDecimal", true, -0.3f, 3.2f, "Mode-B Graphic", "  Z-.3001 ", "  XS -3.2001 "},
};

INSTANTIATE_TEST_SUITE_P(Positions, ReadoutTest, testing::ValuesIn(kReadoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadoutValue, ExtremesPassThrough) {
    EXPECT_EQ(ReadoutValue(FLT_MAX), FLT_MAX);
    EXPECT_EQ(ReadoutValue(-FLT_MAX), -FLT_MAX);
    EXPECT_EQ(ReadoutValue(HUGE_VALF), HUGE_VALF);
    EXPECT_TRUE(std::isnan(ReadoutValue(std::numeric_limits<float>::quiet_NaN())));
    EXPECT_EQ(ModeAReadout(HUGE_VALF, -HUGE_VALF).Line1, "  C inf ");
}

} // namespace
} // namespace spirolan
