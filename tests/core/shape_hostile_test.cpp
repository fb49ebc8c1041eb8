// Hostile typing into every field of the three shape dialogs: a result or "Data error ", never
// more.
#include "shape1.h"
#include "shape2.h"
#include "shape3.h"
#include "shape_fixtures.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

using testing_support::LineCount;

void ExpectResultOrDataError(const ShapeResult& result) {
    if (result.Ok()) {
        EXPECT_EQ(LineCount(result.ModeAText), 368);
    } else {
        EXPECT_EQ(result.Error, "Data error ");
        EXPECT_TRUE(result.ModeAText.empty());
    }
}

// Types `text` into each field of `reference` in turn, on a fresh job and on a used one; then
// into every field at once.
template <typename Input, size_t N, typename Generate>
void TypeEverywhere(const Input& reference, const std::array<DialogTextField<Input>, N>& fields,
                    const std::string& text, Generate generate) {
    CamJob used;
    generate(reference, used);
    Input all = reference;
    for (const auto& field : fields) {
        SCOPED_TRACE(field.Caption);
        Input input = reference;
        input.*field.Text = text;
        all.*field.Text = text;
        CamJob fresh;
        ExpectResultOrDataError(generate(input, fresh));
        ExpectResultOrDataError(generate(input, used));
    }
    CamJob fresh;
    ExpectResultOrDataError(generate(all, fresh));
}

struct HostileCase {
    const char* name;
    const char* text;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileTextTest : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileTextTest, Shape1) {
    TypeEverywhere(testing_support::ReferenceGroove(), kShape1TextFields, GetParam().text,
                   GenerateShape1);
}

TEST_P(HostileTextTest, Shape2) {
    TypeEverywhere(testing_support::ReferenceBall(), kShape2TextFields, GetParam().text,
                   GenerateShape2);
}

TEST_P(HostileTextTest, Shape3) {
    TypeEverywhere(testing_support::ReferenceShape3(), kShape3TextFields, GetParam().text,
                   GenerateShape3);
}

TEST_P(HostileTextTest, WidthHandler) {
    Shape1Input dialog = testing_support::ReferenceGroove();
    for (const auto& field : kShape1TextFields) {
        Shape1Input input = dialog;
        input.*field.Text = GetParam().text;
        const std::optional<std::string> width = WidthForWD(input, GetParam().text, CamJob{}.PI);
        if (width) {
            EXPECT_EQ(width->find(','), std::string::npos) << *width;
        }
    }
}

const HostileCase kHostileCases[] = {
    {"Empty", ""},
    {"NonNumeric", "abc"},
    {"CommaDecimal", "2,5"},
    {"InnerBlank", "1 2"},
    {"Hex", "&HFFFF"},
    {"Octal", "&O777"},
    {"LargeDExponent", "1D308"},
    {"NegativeLarge", "-1D308"},
    {"Overflow", "1E400"},
    {"Denormal", "1E-320"},
    {"Zero", "0"},
    {"Negative", "-3"},
    {"Huge", "9999999999"},
    {"ControlCharacters", "\t\n\r"},
};

INSTANTIATE_TEST_SUITE_P(Shapes, HostileTextTest, testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostileChoices, AnyLeadIndexGivesAResultOrDataError) {
    for (int index : {INT_MIN, -2, -1, 0, 1, 2, 3, 99, INT_MAX}) {
        SCOPED_TRACE(index);
        CamJob job;
        Shape1Input one = testing_support::ReferenceGroove();
        one.LeadIndex = index;
        ExpectResultOrDataError(GenerateShape1(one, job));
        Shape2Input two = testing_support::ReferenceBall();
        two.LeadIndex = index;
        ExpectResultOrDataError(GenerateShape2(two, job));
        Shape3Input three = testing_support::ReferenceShape3();
        three.LeadIndex = index;
        ExpectResultOrDataError(GenerateShape3(three, job));
    }
}

TEST(HostileChoices, PrefillOfAnOddJobSelectsNoEntry) {
    CamJob job;
    for (double leads : {0.0, -1.0, 2.5, 4.0, 1e300}) {
        job.LeadCount = leads;
        EXPECT_EQ(PrefillShape1(job).LeadIndex, -1) << leads;
        EXPECT_EQ(PrefillShape2(job).LeadIndex, -1) << leads;
        EXPECT_EQ(PrefillShape3(job).LeadIndex, -1) << leads;
    }
    job.LeadCount.reset();
    EXPECT_EQ(PrefillShape1(job).LeadIndex, -1);
}

TEST(HostileChoices, CornersLargerThanTheGroove) {
    CamJob job;
    Shape1Input one = testing_support::ReferenceGroove();
    one.R1 = one.R4 = "5";
    one.R2 = one.R3 = "3";
    ExpectResultOrDataError(GenerateShape1(one, job));
    Shape3Input three = testing_support::ReferenceShape3();
    three.R1 = "5";
    ExpectResultOrDataError(GenerateShape3(three, job));
}

} // namespace
} // namespace spirolan
