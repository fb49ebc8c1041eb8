// SPDX-License-Identifier: GPL-3.0-or-later
// Number forms: lenient reading, plain and signed-column texts, conversions and CAF lines.
#include "core/caf_text.h"
#include "core/conversions.h"
#include "core/lenient_number.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace spirolan {
namespace {

constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<double> expected; // nullopt: overflow
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadLenientTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLenientTest, ReadsLeadingNumber) {
    EXPECT_EQ(ReadLenient(GetParam().text), GetParam().expected);
}

const ReadCase kReadCases[] = {
    {"Empty", "", 0},
    {"Decimal", "3.6", 3.6},
    {"LeadingPoint", ".5", 0.5},
    {"Negative", "-0.2", -0.2},
    {"TabsAndLineFeeds", "\t1\n.\t5 ", 1.5},
    {"BlankAfterSign", "- 3", -3},
    {"CommaStops", "2,5", 2},
    {"NoNumber", "abc", 0},
    {"LoneSign", "-", 0},
    {"DoubleSign", "--3", 0},
    {"SecondPointStops", "1.2.3", 1.2},
    {"ExponentE", "1E3", 1000},
    {"ExponentD", "1D3", 1000},
    {"ExponentWithoutDigits", "1E", 1},
    {"HexLowerCase", "&hff", 255},
    {"Octal", "&O17", 15},
    {"AmpersandAlone", "&X12", 0},
    {"CarriageReturnStops", "1\r2", 1},
    {"Underflow", "1E-400", 0},
    {"Overflow", "1E400", std::nullopt},
    {"OverflowDigits", std::string(400, '9'), std::nullopt},
    // The exponent counts against the digits: both read 3.6 whatever the lengths.
    {"LongExponentAfterLeadingZeros", "0." + std::string(1000000, '0') + "36e1000001", 3.6},
    {"LongNegativeExponentAfterZeros", "36" + std::string(1000000, '0') + "e-1000001", 3.6},
    {"ExponentOfAMillionDigits", "1E" + std::string(1000000, '9'), std::nullopt},
    {"NegativeExponentOfAMillionDigits", "1E-" + std::string(1000000, '9'), 0},
    {"ZeroWithHugeExponent", "0E" + std::string(1000, '9'), 0},
};

INSTANTIATE_TEST_SUITE_P(Rules, ReadLenientTest, testing::ValuesIn(kReadCases), kRowName);

TEST(ReadLenientOrInfinity, OverflowKeepsItsSign) {
    EXPECT_EQ(ReadLenientOrInfinity("1E400"), HUGE_VAL);
    EXPECT_EQ(ReadLenientOrInfinity(" - 1E400"), -HUGE_VAL);
    EXPECT_EQ(ReadLenientOrInfinity("&H" + std::string(300, 'F')), HUGE_VAL);
    EXPECT_EQ(ReadLenientOrInfinity("2,5"), 2);
}

struct TextCase {
    const char* name;
    double value;
    const char* plain;
    const char* signedColumn;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class NumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, PlainAndSignedColumn) {
    EXPECT_EQ(PlainText(GetParam().value), GetParam().plain);
    EXPECT_EQ(SignedColumnText(GetParam().value), GetParam().signedColumn);
}

const TextCase kTextCases[] = {
    {"Zero", 0, "0", " 0"},
    {"NegativeZero", -0.0, "0", " 0"},
    {"Half", 0.5, "0.5", " .5"},
    {"NegativeHalf", -0.5, "-0.5", "-.5"},
    {"DepthRoundsTo15Digits", 0.5999999999999996, "0.6", " .6"},
    {"SmallNoExponent", 0.00001, "0.00001", " .00001"},
    {"LargeNoExponent", 1e20, "100000000000000000000", " 100000000000000000000"},
    {"LargeRounded", 12345678901234567.0, "12345678901234600", " 12345678901234600"},
    {"ZAxisPitch", 20.0 / 333, "0.0600600600600601", " .0600600600600601"},
};

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest, testing::ValuesIn(kTextCases), kRowName);

TEST(NumberText, SingleHasSevenDigits) {
    EXPECT_EQ(PlainTextSingle(0.1f), "0.1");
    EXPECT_EQ(PlainTextSingle(12345678.0f), "12345680");
    EXPECT_EQ(SignedColumnTextSingle(123.4567f), " 123.4567");
    EXPECT_EQ(SignedColumnTextSingle(0.25f), " .25");
}

TEST(NumberText, RoundTo15DigitsOverflowsAtTheTop) {
    EXPECT_EQ(RoundTo15Digits(-0.5999999999999996), -0.6);
    EXPECT_EQ(RoundTo15Digits(1.0 / 3), 0.333333333333333);
    EXPECT_EQ(RoundTo15Digits(-DBL_MAX), -HUGE_VAL);
}

TEST(NumberForms, IgnoreCommaDecimalLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(ReadLenient("3.6"), 3.6);
    EXPECT_EQ(ReadLenient("2,5"), 2);
    EXPECT_EQ(PlainText(3.6), "3.6");
    EXPECT_EQ(SignedColumnTextSingle(0.5f), " .5");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Conversions, RoundHalvesToEvenAndFailOnOverflow) {
    EXPECT_EQ(Int(-0.00001), -1);
    EXPECT_EQ(Fix(-2.7), -2);
    EXPECT_EQ(ToInt16(332.5), 332);
    EXPECT_EQ(ToInt16(333.5), 334);
    EXPECT_EQ(ToInt32(284.99999999999994), 285);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(32767.5), std::nullopt);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_EQ(ToInt16(-32769), std::nullopt);
    EXPECT_EQ(ToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(ToInt32(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(ToSingle(0.1), 0.1f);
    EXPECT_EQ(ToSingle(0x1.fffffefp127), FLT_MAX);
    EXPECT_EQ(ToSingle(0x1.ffffffp127), std::nullopt);
}

TEST(CafText, LineForms) {
    std::string text;
    caf::AppendHeader(text, " 333");
    caf::AppendModeBFaceHeader(text, 2, 600);
    caf::AppendModeAFaceHeader(text);
    for (double value : {-0.0, 1234.0, -1234.0, 1e20}) {
        caf::AppendDataLine(text, value);
    }
    for (float value : {-6000.0f, 12345678.0f, -0.0f}) {
        caf::AppendSingleDataLine(text, value);
    }
    caf::AppendEnd(text);
    EXPECT_EQ(text, "CAM4\r\nU\r\n0\r\nM\r\n 333\r\nE 2\r\n360/ 600/0\r\nE1\r\n360/0/0\r\n"
                    " 0\r\n 1234\r\n-1234\r\n 100000000000000000000\r\n"
                    "-6000\r\n 12345680\r\n 0\r\n"
                    "END\r\n");
}

} // namespace
} // namespace spirolan
