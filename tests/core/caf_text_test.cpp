// CAF text lines: header, face lines, data lines, exact bytes.
#include "caf_text.h"

#include <gtest/gtest.h>

#include <string>

namespace spirolan {
namespace {

TEST(CafText, ModeATextOfZeros) {
    std::array<double, 360> zeros{};
    std::string text = caf::BuildModeAText(zeros);
    EXPECT_EQ(text.size(), 1476u);
    EXPECT_EQ(text.substr(0, 31), "CAM4\r\nU\r\n0\r\nM\r\n1\r\nE1\r\n360/0/0\r\n");
    EXPECT_EQ(text.substr(31, 4), " 0\r\n");
    EXPECT_EQ(text.substr(text.size() - 9), " 0\r\nEND\r\n");
}

struct DataCase {
    const char* name;
    double value;
    const char* line;
};

class DataLineTest : public testing::TestWithParam<DataCase> {};

TEST_P(DataLineTest, SignedColumn) {
    std::string text;
    caf::AppendDataLine(text, GetParam().value);
    EXPECT_EQ(text, std::string(GetParam().line) + "\r\n");
}

const DataCase kDataCases[] = {
    {"Zero", 0, " 0"},
    {"NegativeZero", -0.0, " 0"},
    {"Positive", 1234, " 1234"},
    {"Negative", -1234, "-1234"},
    {"Huge", 1e20, " 100000000000000000000"},
};

INSTANTIATE_TEST_SUITE_P(Lines, DataLineTest, testing::ValuesIn(kDataCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CafText, SingleDataLineHasSevenDigits) {
    std::string text;
    caf::AppendSingleDataLine(text, -6000.0f);
    caf::AppendSingleDataLine(text, 12345678.0f);
    caf::AppendSingleDataLine(text, -0.0f);
    EXPECT_EQ(text, "-6000\r\n 12345680\r\n 0\r\n");
}

TEST(CafText, ModeBFaceHeader) {
    std::string text;
    caf::AppendModeBFaceHeader(text, 2, 600);
    caf::AppendModeAFaceHeader(text);
    EXPECT_EQ(text, "E 2\r\n360/ 600/0\r\nE1\r\n360/0/0\r\n");
}

TEST(CafText, ModeBHeaderAndEnd) {
    std::string text;
    caf::AppendHeader(text, " 333");
    caf::AppendEnd(text);
    EXPECT_EQ(text, "CAM4\r\nU\r\n0\r\nM\r\n 333\r\nEND\r\n");
}

} // namespace
} // namespace spirolan
