// Integer conversions and single-precision rounding.
#include "conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

namespace spirolan {
namespace {

TEST(Conversions, IntCutsDownFixCutsTowardZero) {
    EXPECT_EQ(Int(-0.00001), -1);
    EXPECT_EQ(Fix(-0.00001), 0);
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Fix(-2.7), -2);
}

TEST(Conversions, RoundsHalvesToEven) {
    EXPECT_EQ(ToInt16(332.5).value(), 332);
    EXPECT_EQ(ToInt16(333.5).value(), 334);
    EXPECT_EQ(ToInt16(-0.5).value(), 0);
    EXPECT_EQ(ToInt32(1999.5).value(), 2000);
    EXPECT_EQ(ToInt32(284.99999999999994).value(), 285);
}

TEST(Conversions, OverflowIsAFailure) {
    EXPECT_EQ(ToInt16(32767.4).value(), 32767);
    EXPECT_FALSE(ToInt16(32767.5).has_value());
    EXPECT_EQ(ToInt16(-32768.5).value(), -32768);
    EXPECT_FALSE(ToInt16(-32769).has_value());
    EXPECT_FALSE(ToInt32(2147483647.5).has_value());
    EXPECT_FALSE(ToInt32(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(ToInt32(std::numeric_limits<double>::infinity()).has_value());
}

TEST(Conversions, SinglePrecision) {
    EXPECT_EQ(ToSingle(0.1).value(), 0.1f);
    EXPECT_EQ(ToSingle(FLT_MAX).value(), FLT_MAX);
    EXPECT_FALSE(ToSingle(1e39).has_value());
    EXPECT_FALSE(ToSingle(0x1.ffffffp127).has_value());
    EXPECT_EQ(ToSingle(0x1.fffffefp127).value(), FLT_MAX);
}

} // namespace
} // namespace spirolan
