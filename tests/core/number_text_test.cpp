// Number texts: plain and signed-column forms in both precisions.
#include "number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace spirolan {
namespace {

struct TextCase {
    const char* name;
    double value;
    const char* plain;
    const char* signedColumn;
};

class DoubleTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(DoubleTextTest, Forms) {
    const TextCase& c = GetParam();
    EXPECT_EQ(PlainText(c.value), c.plain);
    EXPECT_EQ(SignedColumnText(c.value), c.signedColumn);
}

const TextCase kDoubleCases[] = {
    {"Zero", 0, "0", " 0"},
    {"NegativeZero", -0.0, "0", " 0"},
    {"Whole", 3, "3", " 3"},
    {"Half", 0.5, "0.5", " .5"},
    {"NegativeHalf", -0.5, "-0.5", "-.5"},
    {"Pitch", 3.6, "3.6", " 3.6"},
    {"NegativeWhole", -1234, "-1234", "-1234"},
    {"DepthRoundsTo15Digits", 0.5999999999999996, "0.6", " .6"},
    {"FifteenDigits", 123456789.012345, "123456789.012345", " 123456789.012345"},
    {"SixteenthDigitRounds", 0.1234567890123456, "0.123456789012346", " .123456789012346"},
    {"SmallNoExponent", 0.00001, "0.00001", " .00001"},
    {"LargeNoExponent", 1e20, "100000000000000000000", " 100000000000000000000"},
    {"LargeRounded", 12345678901234567.0, "12345678901234600", " 12345678901234600"},
    {"ZAxisPitch", 20.0 / 333, "0.0600600600600601", " .0600600600600601"},
};

INSTANTIATE_TEST_SUITE_P(Values, DoubleTextTest, testing::ValuesIn(kDoubleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SingleText, SevenSignificantDigits) {
    EXPECT_EQ(PlainTextSingle(0.0f), "0");
    EXPECT_EQ(PlainTextSingle(0.1f), "0.1");
    EXPECT_EQ(PlainTextSingle(-2.5f), "-2.5");
    EXPECT_EQ(PlainTextSingle(12345678.0f), "12345680");
    EXPECT_EQ(SignedColumnTextSingle(-6000.0f), "-6000");
    EXPECT_EQ(SignedColumnTextSingle(123.4567f), " 123.4567");
    EXPECT_EQ(SignedColumnTextSingle(0.25f), " .25");
}

TEST(RoundTo15Digits, MatchesPlainText) {
    EXPECT_EQ(RoundTo15Digits(0.5999999999999996), 0.6);
    EXPECT_EQ(RoundTo15Digits(-0.5999999999999996), -0.6);
    EXPECT_EQ(RoundTo15Digits(0.0), 0.0);
    EXPECT_EQ(RoundTo15Digits(1.0 / 3), 0.333333333333333);
    EXPECT_EQ(RoundTo15Digits(1.7976931348623157e308), HUGE_VAL);
    EXPECT_EQ(RoundTo15Digits(-1.7976931348623157e308), -HUGE_VAL);
}

TEST(NumberText, IgnoresCommaDecimalLocale) {
    std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(PlainText(3.6), "3.6");
    EXPECT_EQ(SignedColumnTextSingle(0.5f), " .5");
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
} // namespace spirolan
