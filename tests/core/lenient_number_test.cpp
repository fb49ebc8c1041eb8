// Lenient reading: every typed number goes through it, so each rule gets a named row.
#include "lenient_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace spirolan {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    double expected;
};

class ReadLenientTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLenientTest, ReadsLeadingNumber) {
    const ReadCase& c = GetParam();
    auto value = ReadLenient(c.text);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.expected) << c.text;
}

const ReadCase kReadCases[] = {
    {"Empty", "", 0},
    {"Integer", "42", 42},
    {"Decimal", "3.6", 3.6},
    {"LeadingPoint", ".5", 0.5},
    {"TrailingPoint", "5.", 5},
    {"Negative", "-0.2", -0.2},
    {"PlusSign", "+7", 7},
    {"BlanksInside", "1 2", 12},
    {"TabsAndLineFeeds", "\t1\n.\t5 ", 1.5},
    {"BlankAfterSign", "- 3", -3},
    {"CommaStops", "2,5", 2},
    {"LettersStop", "12abc", 12},
    {"NoNumber", "abc", 0},
    {"LoneSign", "-", 0},
    {"LonePoint", ".", 0},
    {"DoubleSign", "--3", 0},
    {"SecondPointStops", "1.2.3", 1.2},
    {"ExponentE", "1E3", 1000},
    {"ExponentLowerE", "2.5e-1", 0.25},
    {"ExponentD", "1D3", 1000},
    {"ExponentLowerD", "1d+2", 100},
    {"ExponentWithoutDigits", "1E", 1},
    {"ExponentSignWithoutDigits", "1E+", 1},
    {"LargeExponentD", "1D308", 1e308},
    {"Hex", "&H1F", 31},
    {"HexLowerCase", "&hff", 255},
    {"HexFFFF", "&HFFFF", 65535},
    {"HexStopsAtNonDigit", "&H1G", 1},
    {"HexWithoutDigits", "&H", 0},
    {"Octal", "&O17", 15},
    {"OctalStopsAtEight", "&O178", 15},
    {"AmpersandAlone", "&X12", 0},
    {"CarriageReturnStops", "1\r2", 1},
    {"Underflow", "1E-400", 0},
    {"ManyDigits", "0.1000000000000000000000000000001", 0.1},
};

INSTANTIATE_TEST_SUITE_P(Rules, ReadLenientTest, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadLenient, OverflowIsNotANumber) {
    EXPECT_FALSE(ReadLenient("1E400").has_value());
    EXPECT_FALSE(ReadLenient("-1D309").has_value());
    EXPECT_FALSE(ReadLenient(std::string(400, '9')).has_value());
    EXPECT_EQ(ReadLenientOrInfinity("1E400"), HUGE_VAL);
    EXPECT_EQ(ReadLenientOrInfinity(" - 1E400"), -HUGE_VAL);
    EXPECT_EQ(ReadLenientOrInfinity("&H" + std::string(300, 'F')), HUGE_VAL);
    EXPECT_EQ(ReadLenientOrInfinity("2,5"), 2);
}

TEST(ReadLenient, NegativeZeroReadsAsZero) {
    EXPECT_EQ(ReadLenient("-0").value(), 0.0);
}

TEST(ReadLenient, IgnoresCommaDecimalLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(ReadLenient("3.6").value(), 3.6);
    EXPECT_EQ(ReadLenient("2,5").value(), 2);
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
} // namespace spirolan
