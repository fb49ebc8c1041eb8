// Motion figures: the figure lines' number formats, and speeds too large for a double.
#include "motion_figures.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

TEST(MotionFigures, NotFiniteShowsDashNeverCrashes) {
    std::array<OptionalNumber, kTableSize> xs{};
    xs[100] = 1.0;
    const MotionFigures huge = ComputeMotionFigures(xs, 1e300);
    EXPECT_TRUE(MaxSpeedLine(huge.MaxSpeed).starts_with("Max.Speed  = 6")); // all its 303 digits
    EXPECT_EQ(MaxGravityLine(huge.MaxGravity), "Max.Gravity = - G");
    const MotionFigures infinite = ComputeMotionFigures(xs, HUGE_VAL);
    EXPECT_EQ(infinite.Steps.size(), 358u);
    EXPECT_EQ(MaxSpeedLine(infinite.MaxSpeed), "Max.Speed  = - mm/s");
}

TEST(FigureLines, SpindleSpeed) {
    EXPECT_EQ(SpindleSpeedLine(1500), "Spindle Speed  =  1500 min-1");
    EXPECT_EQ(SpindleSpeedLine(2.5), "Spindle Speed  =  2.5 min-1");
    EXPECT_EQ(SpindleSpeedLine(0.5), "Spindle Speed  =  .5 min-1");
}

struct NumberCase {
    const char* name;
    double value;
    const char* twoPlaces;
    const char* threePlaces;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }
};

class FigureNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(FigureNumber, BothFormats) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(FigureNumberText(c.value, 2), c.twoPlaces);
    EXPECT_EQ(FigureNumberText(c.value, 3), c.threePlaces);
}

const NumberCase kNumberCases[] = {
    {"Zero", 0, "0.", "0."},
    {"Whole", 36, "36.", "36."},
    {"Half", 0.5, "0.5", "0.5"},
    {"Rounded", 123.456, "123.46", "123.456"},
    {"Gravity", 26.44897959, "26.45", "26.449"},
    {"ExactHalfAwayFromZero", 0.125, "0.13", "0.125"},
    {"ExactHalfNegative", -0.125, "-0.13", "-0.125"},
    {"StoredBelowHalf", 2.675, "2.67", "2.675"},
    {"CarryIntoInteger", 9.999, "10.", "9.999"},
    {"NegativeRoundsToZero", -0.0001, "0.", "0."},
    {"NotANumber", NAN, "-", "-"},
};
INSTANTIATE_TEST_SUITE_P(Cases, FigureNumber, testing::ValuesIn(kNumberCases),
                         testing::PrintToStringParamName());

TEST(FigureNumber, LargestFiniteHasAllDigits) {
    const std::string text = FigureNumberText(DBL_MAX, 3);
    EXPECT_EQ(text.size(), 310u);
    EXPECT_TRUE(text.starts_with("17976") && text.ends_with("."));
}

} // namespace
} // namespace spirolan
