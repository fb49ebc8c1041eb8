// Motion figures: maxima, the red curve's steps, and the three figure lines.
#include "motion_figures.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

using Table = std::array<OptionalNumber, kTableSize>;

Table Spike(int degree) {
    Table xs{};
    xs[degree] = 1.0;
    return xs;
}

struct FiguresCase {
    const char* name;
    Table xs;
    double spindleSpeed;
    const char* speedLine;
    const char* gravityLine;
};

void PrintTo(const FiguresCase& c, std::ostream* os) {
    *os << c.name;
}

Table Rise() {
    Table xs{};
    for (int k = 0; k < kTableSize; ++k) {
        xs[k] = 0.01 * k;
    }
    return xs;
}

class FiguresTest : public testing::TestWithParam<FiguresCase> {};

TEST_P(FiguresTest, MaximaAndLines) {
    const FiguresCase& c = GetParam();
    MotionFigures figures = ComputeMotionFigures(c.xs, c.spindleSpeed);
    ASSERT_EQ(figures.Steps.size(), 358u);
    EXPECT_EQ(MaxSpeedLine(figures.MaxSpeed), c.speedLine);
    EXPECT_EQ(MaxGravityLine(figures.MaxGravity), c.gravityLine);
}

const FiguresCase kFiguresCases[] = {
    {"SpikeAt100", Spike(100), 60, "Max.Speed  = 360. mm/s", "Max.Gravity = 26.449 G"},
    {"ConstantRise", Rise(), 600, "Max.Speed  = 36. mm/s", "Max.Gravity = 0. G"},
    {"SpikeAt359OnlyInGravity", Spike(359), 60, "Max.Speed  = 0. mm/s", "Max.Gravity = 13.224 G"},
    {"SpikeAt360InNoMaximum", Spike(360), 60, "Max.Speed  = 0. mm/s", "Max.Gravity = 0. G"},
    {"EmptyTableFlat", Table{}, 1000, "Max.Speed  = 0. mm/s", "Max.Gravity = 0. G"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FiguresTest, testing::ValuesIn(kFiguresCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MotionFigures, SpikeValues) {
    MotionFigures figures = ComputeMotionFigures(Spike(100), 60);
    EXPECT_EQ(figures.MaxSpeed, 360);
    EXPECT_NEAR(figures.MaxGravity, 26.4489795918, 1e-9);
    EXPECT_NEAR(figures.Steps[98].A0, 13.2244897959, 1e-9);
    EXPECT_NEAR(figures.Steps[99].A0, -26.4489795918, 1e-9);
    EXPECT_EQ(figures.Steps[97].A0, 0);
    EXPECT_EQ(figures.Steps[101].A0, 0);
}

TEST(MotionFigures, A1IsNextStepsA0) {
    MotionFigures figures = ComputeMotionFigures(Rise(), 1234.5);
    for (int i = 0; i + 1 < kMotionStepCount; ++i) {
        EXPECT_EQ(figures.Steps[i].A1, figures.Steps[i + 1].A0) << "step " << i;
    }
}

TEST(MotionFigures, LastSegmentReachesDegree360) {
    MotionFigures figures = ComputeMotionFigures(Spike(360), 60);
    EXPECT_NEAR(figures.Steps[357].A1, 13.2244897959, 1e-9);
    EXPECT_EQ(figures.Steps[357].A0, 0);
}

TEST(MotionFigures, NoStepsWithoutPositiveSpeed) {
    for (double s : {0.0, -0.0, -60.0, std::numeric_limits<double>::quiet_NaN()}) {
        MotionFigures figures = ComputeMotionFigures(Spike(100), s);
        EXPECT_TRUE(figures.Steps.empty()) << s;
        EXPECT_EQ(figures.MaxSpeed, 0) << s;
        EXPECT_EQ(figures.MaxGravity, 0) << s;
    }
}

TEST(MotionFigures, OverflowingGravityShowsDash) {
    MotionFigures figures = ComputeMotionFigures(Spike(100), 1e300);
    EXPECT_TRUE(std::isfinite(figures.MaxSpeed));
    EXPECT_EQ(MaxSpeedLine(figures.MaxSpeed).substr(0, 14), "Max.Speed  = 6");
    EXPECT_EQ(MaxGravityLine(figures.MaxGravity), "Max.Gravity = - G");
}

TEST(MotionFigures, InfiniteSpeedNeverCrashes) {
    MotionFigures figures = ComputeMotionFigures(Spike(100), HUGE_VAL);
    EXPECT_EQ(figures.Steps.size(), 358u);
    EXPECT_EQ(MaxSpeedLine(figures.MaxSpeed), "Max.Speed  = - mm/s");
}

TEST(FigureLines, SpindleSpeed) {
    EXPECT_EQ(SpindleSpeedLine(1500), "Spindle Speed  =  1500 min-1");
    EXPECT_EQ(SpindleSpeedLine(60), "Spindle Speed  =  60 min-1");
    EXPECT_EQ(SpindleSpeedLine(2.5), "Spindle Speed  =  2.5 min-1");
    EXPECT_EQ(SpindleSpeedLine(0.5), "Spindle Speed  =  .5 min-1");
}

struct NumberCase {
    const char* name;
    double value;
    const char* twoPlaces;
    const char* threePlaces;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

class FigureNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(FigureNumberTest, BothFormats) {
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
    {"ExactHalfAtThreePlaces", 1.0625, "1.06", "1.063"},
    {"ExactHalfNegative", -0.125, "-0.13", "-0.125"},
    {"StoredBelowHalf", 2.675, "2.67", "2.675"},
    {"StoredBelowHalfThree", 1.0005, "1.", "1."},
    {"CarryIntoInteger", 9.999, "10.", "9.999"},
    {"NegativeRoundsToZero", -0.0001, "0.", "0."},
    {"ManyIntegerDigits", 1234567.891, "1234567.89", "1234567.891"},
    {"LargeWhole", 1e20, "100000000000000000000.", "100000000000000000000."},
    {"Infinite", HUGE_VAL, "-", "-"},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), "-", "-"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FigureNumberTest, testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FigureNumber, LargestFiniteHasAllDigits) {
    std::string text = FigureNumberText(DBL_MAX, 3);
    EXPECT_EQ(text.size(), 310u);
    EXPECT_EQ(text.substr(0, 5), "17976");
    EXPECT_EQ(text.back(), '.');
}

} // namespace
} // namespace spirolan
