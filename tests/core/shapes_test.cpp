// SPDX-License-Identifier: GPL-3.0-or-later
// Shapes 1 to 3 where a job file cannot reach: fields stored until one fails, WD, hostile input.
#include "core/profile_walk.h"
#include "core/shape1.h"
#include "core/shape2.h"
#include "core/shape3.h"
#include "tests/support/shape_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spirolan {
namespace {

using testing_support::DataLine;
using testing_support::LineCount;

constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };

// Typed texts by label caption; "lead" selects a lead list entry by its index.
using Edits = std::vector<std::pair<std::string, std::string>>;

template <typename Input, size_t N>
Input Typed(Input in, const std::array<DialogTextField<Input>, N>& fields, const Edits& edits) {
    for (const auto& [caption, text] : edits) {
        if (caption == "lead") {
            in.LeadIndex = std::stoi(text);
        } else if (caption == kCutPositionCaption) {
            in.External = text == kExternalCaption;
        }
        for (const auto& field : fields) {
            if (field.Caption == caption) {
                in.*field.Text = text;
            }
        }
    }
    return in;
}

// `use(reference input, text fields, OK)` of dialog `shape`.
template <typename Use> auto OnShape(int shape, Use use) {
    using namespace testing_support;
    switch (shape) {
    case 1:
        return use(ReferenceGroove(), kShape1TextFields, GenerateShape1);
    case 2:
        return use(ReferenceBall(), kShape2TextFields, GenerateShape2);
    default:
        return use(ReferenceShape3(), kShape3TextFields, GenerateShape3);
    }
}

// OK of dialog `shape` holding its reference input changed by `edits`.
ShapeResult Generate(int shape, const Edits& edits, CamJob& job) {
    return OnShape(shape, [&](auto in, const auto& fields, auto ok) {
        return ok(Typed(in, fields, edits), job);
    });
}

std::vector<std::string> Captions(int shape) {
    return OnShape(shape, [](auto, const auto& fields, auto) {
        std::vector<std::string> captions;
        for (const auto& field : fields) {
            captions.emplace_back(field.Caption);
        }
        return captions;
    });
}

// A list "key=text;key=text" as pairs.
Edits Pairs(std::string_view list) {
    Edits pairs;
    for (size_t start = 0; start < list.size();) {
        const size_t end = std::min(list.find(';', start), list.size());
        const std::string_view item = list.substr(start, end - start);
        const size_t equals = item.find('=');
        pairs.emplace_back(item.substr(0, equals), item.substr(equals + 1));
        start = end + 1;
    }
    return pairs;
}

TEST(Shape1, StoresFieldsOneByOneUntilOneFails) {
    std::vector<std::string> order; // as OK reads them
    for (const auto& field : kShape1TextFields) {
        order.emplace_back(field.Caption);
    }
    order.insert(order.begin() + 11, "lead");
    for (size_t broken = 0; broken < order.size(); ++broken) {
        SCOPED_TRACE(order[broken]);
        CamJob job;
        job.LeadCount = 2.0;
        const Edits edits{{"Spindle speed for G", "100"},
                          {"Start XS vale", "0.25"},
                          {order[broken], order[broken] == "lead" ? "-1" : "1E400"}};
        EXPECT_EQ(Generate(1, edits, job).Error, kDataError);
        const bool stored[] = {job.NoseR == 0.2,        job.Pitch == 3.6,     job.Width == 0.5,
                               job.Diameter1 == 10.0,   job.Diameter2 == 8.8, job.Angle1 == 60.0,
                               job.Angle2 == 60.0,      job.R1 == 0.3,        job.R2 == 0.4,
                               job.R3 == 0.4,           job.R4 == 0.3,        job.LeadCount == 1.0,
                               job.SpindleSpeed == 100, job.StartXS == 0.25f};
        for (size_t i = 0; i < order.size(); ++i) {
            EXPECT_EQ(stored[i], i < broken) << order[i];
        }
        EXPECT_EQ(job.CutPosition, 1);
        EXPECT_FALSE(job.LeadPitch);
    }
}

struct WidthCase {
    const char* name;
    const char* dialog; // Angle 1, Angle 2, R 2, R 3
    const char* wd;
    std::optional<std::string> width;
    friend void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.name; }
};

class WidthForWDTest : public testing::TestWithParam<WidthCase> {};

TEST_P(WidthForWDTest, RewritesWidth) {
    const Shape1Input dialog = Typed(Shape1Input{}, kShape1TextFields, Pairs(GetParam().dialog));
    EXPECT_EQ(WidthForWD(dialog, GetParam().wd, CamJob{}.PI), GetParam().width);
}

const WidthCase kWidthCases[] = {
    {"NoDigitGrouping", "", "1234.5", "1234.500"},
    {"NoNegativeZero", "Angle 1=0;Angle 2=0", "-0.0001", "0.000"},
    {"ReferenceCorners", "Angle 1=60;Angle 2=60;R 2=0.4;R 3=0.4", "1", "0.538"},
    {"NegativeWidth", "Angle 1=90;Angle 2=90;R 2=1;R 3=1", "0.5", "-1.500"},
    {"NonNumericReadsZero", "", "abc", "0.000"},
    {"EmptyKeepsWidth", "", "", std::nullopt},
    {"OverflowingAngleKeepsWidth", "Angle 1=1E400", "1", std::nullopt},
    {"InfiniteResultKeepsWidth", "Angle 1=90;Angle 2=90;R 2=-1E308;R 3=-1E308", "1E308",
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Shape1, WidthForWDTest, testing::ValuesIn(kWidthCases), kRowName);

void ExpectResultOrDataError(const ShapeResult& result) {
    if (result.Ok()) {
        EXPECT_EQ(LineCount(result.ModeAText), 368);
    } else {
        EXPECT_EQ(result.Error, kDataError);
        EXPECT_TRUE(result.ModeAText.empty());
        // Every failure, however reached, says which fields to change.
        EXPECT_FALSE(result.Cause.empty());
    }
}

struct HostileCase {
    const char* name;
    const char* text;
    friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }
};

class HostileTextTest : public testing::TestWithParam<HostileCase> {};

// Typed into each field in turn on a fresh job and on one left by a three-lead groove, then into
// every field at once.
TEST_P(HostileTextTest, GivesAResultOrDataError) {
    const std::string text = GetParam().text;
    CamJob used;
    Generate(1, Pairs("PITCH=7.2;lead=0"), used);
    for (int shape = 1; shape <= 3; ++shape) {
        Edits all;
        for (const std::string& caption : Captions(shape)) {
            SCOPED_TRACE(caption);
            all.emplace_back(caption, text);
            CamJob fresh;
            ExpectResultOrDataError(Generate(shape, {{caption, text}}, fresh));
            ExpectResultOrDataError(Generate(shape, {{caption, text}}, used));
        }
        CamJob fresh;
        ExpectResultOrDataError(Generate(shape, all, fresh));
    }
    const Shape1Input dialog{.Angle1 = text, .Angle2 = text, .R2 = text, .R3 = text};
    const std::optional<std::string> width = WidthForWD(dialog, text, CamJob{}.PI);
    EXPECT_TRUE(!width || width->find(',') == std::string::npos) << width.value_or("");
}

// Empty, non-numeric and control texts all read 0: one row stands for them.
const HostileCase kHostileCases[] = {
    {"Empty", ""},
    {"Hex", "&HFFFF"},
    {"NegativeLarge", "-1D308"},
    {"Overflow", "1E400"},
};

INSTANTIATE_TEST_SUITE_P(Shapes, HostileTextTest, testing::ValuesIn(kHostileCases), kRowName);

TEST(FinishModeA, TruncatesTheFifteenDigitValues) {
    CamTable table{};
    table.fill(0.0);
    table[0] = 0.5999999999999996;
    table[1] = -0.00015;
    table[2] = 0.00009;
    table[3] = 0.12345;
    table[4] = -0.0;
    const std::optional<std::string> text = FinishModeA(table, 1, std::nullopt);
    ASSERT_TRUE(text);
    EXPECT_EQ(table[0], 0.6);
    EXPECT_FALSE(std::signbit(*table[4]));
    const char* lines[] = {" 6000", "-1", " 0", " 1234", " 0"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(DataLine(*text, i), lines[i]);
    }
}

} // namespace
} // namespace spirolan
