// SPDX-License-Identifier: GPL-3.0-or-later
// Shapes 1 to 3: worked grooves, failures and what they leave stored, pre-fill, WD, hostile input.
#include "core/profile_walk.h"
#include "core/shape1.h"
#include "core/shape2.h"
#include "core/shape3.h"
#include "tests/support/golden_file.h"
#include "tests/support/shape_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
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

// OK of dialog `shape` holding its reference input changed by `edits`.
ShapeResult Generate(int shape, const Edits& edits, CamJob& job) {
    using namespace testing_support;
    switch (shape) {
    case 1:
        return GenerateShape1(Typed(ReferenceGroove(), kShape1TextFields, edits), job);
    case 2:
        return GenerateShape2(Typed(ReferenceBall(), kShape2TextFields, edits), job);
    default:
        return GenerateShape3(Typed(ReferenceShape3(), kShape3TextFields, edits), job);
    }
}

// What a freshly opened dialog shows.
struct Shown {
    std::map<std::string, std::string> texts; // by caption
    int lead;
    bool external;
};

template <typename Input, size_t N>
Shown Show(const Input& in, const std::array<DialogTextField<Input>, N>& fields) {
    Shown shown{{}, in.LeadIndex, in.External};
    for (const auto& field : fields) {
        shown.texts[std::string(field.Caption)] = in.*field.Text;
    }
    return shown;
}

Shown Prefill(int shape, const CamJob& job) {
    switch (shape) {
    case 1:
        return Show(PrefillShape1(job), kShape1TextFields);
    case 2:
        return Show(PrefillShape2(job), kShape2TextFields);
    default:
        return Show(PrefillShape3(job), kShape3TextFields);
    }
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

struct GrooveCase {
    const char* name;
    int shape;
    const char* edits;
    std::optional<std::array<int, 8>> segmentStarts;
    int walkEnd;
    const char* lines; // "first[-last]=text;...": data lines first..last all read text
    double entry360;
    double zPerDegree;
    friend void PrintTo(const GrooveCase& c, std::ostream* os) { *os << c.name; }
};

class GrooveTest : public testing::TestWithParam<GrooveCase> {};

TEST_P(GrooveTest, ReproducesTheWorkedExample) {
    const GrooveCase& c = GetParam();
    CamJob job;
    job.XSTable.fill(0.7); // left by an earlier job
    const ShapeResult result = Generate(c.shape, Pairs(c.edits), job);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(LineCount(result.ModeAText), 368);
    if (c.segmentStarts) {
        EXPECT_EQ(result.SegmentStarts, *c.segmentStarts);
        EXPECT_EQ(result.WalkEnd, c.walkEnd);
    }
    for (const auto& [range, text] : Pairs(c.lines)) {
        const size_t dash = range.find('-');
        const int last = std::stoi(dash == std::string::npos ? range : range.substr(dash + 1));
        for (int i = std::stoi(range); i <= last; ++i) {
            EXPECT_EQ(DataLine(result.ModeAText, i), text) << "line " << i;
        }
    }
    EXPECT_EQ(job.XSTable[360], c.entry360);
    EXPECT_EQ(job.ZPerDegree, c.zPerDegree);
}

constexpr std::array<int, 8> kShape1Starts{0, 44, 58, 76, 126, 143, 157, 201};
constexpr std::array<int, 8> kShape2Starts{0, 64, 95, 146, 147, 197, 228, 291};
constexpr std::array<int, 8> kShape3Starts{0, 18, 44, 108, 109, 177, 178, 250};

// The reference groove's lines are its golden text below.
const GrooveCase kGrooveCases[] = {
    {"Shape1Reference", 1, "", kShape1Starts, 361, "", 0, 3.6 / 360},
    {"Shape1InternalStartXS", 1, "Cutting Position=Internal;Start XS vale=0.5", kShape1Starts, 361,
     "0= 5000;76-125= 11000;201-359= 5000", 0.5, 3.6 / 360},
    {"Shape1ThreeLeadsDoublePitch", 1, "PITCH=7.2;lead=0", std::nullopt, 0,
     "0= 0;120= 0;240= 0;1=-4;121=-4;241=-4;2=-16;122=-16;242=-16", 0, 7.2 / 3 / 360},
    {"Shape1BottomRadiusJustAboveNoseR", 1, "R 2=0.21", std::nullopt, 0, "", 0, 3.6 / 360},
    {"Shape2OverAnEarlierJob", 2, "", kShape2Starts, 342, "0= 0;146=-5000;342-359= 0", 0,
     2.0 / 360 + 0.0003},
    {"Shape2TwoLeads", 2, "PITCH=4;lead=0", kShape2Starts, 342,
     "0= 0;73=-5000;171-180= 0;253=-5000;351-359= 0", 0, 2.0 / 360 + 0.0003},
    {"Shape3External", 3, "", kShape3Starts, 361, "0=-6000;1=-5997;108= 3260;250-359=-6000",
     -((10 - 8.8) / 2), 3.6 / 360},
    {"Shape3Internal", 3, "Cutting Position=Internal", kShape3Starts, 361,
     "0= 6000;108=-3260;250-359= 6000", (10 - 8.8) / 2, 3.6 / 360},
};

INSTANTIATE_TEST_SUITE_P(Shapes, GrooveTest, testing::ValuesIn(kGrooveCases), kRowName);

// The depth 0.5999999999999996 is rounded to 15 digits before truncating: -6000, not -5999.
TEST(Shape1, ReferenceGrooveMatchesGoldenText) {
    CamJob job;
    EXPECT_EQ(testing_support::CheckGolden("core/golden/shape1_reference.caf",
                                           Generate(1, {}, job).ModeAText),
              "");
}

struct FailureCase {
    const char* name;
    int shape;
    const char* edits;
    std::function<bool(const CamJob&)> kept = {}; // what the job holds after the failure
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class FailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureTest, GivesDataErrorAndKeepsWhatWasStored) {
    CamJob job;
    const ShapeResult result = Generate(GetParam().shape, Pairs(GetParam().edits), job);
    EXPECT_EQ(result.Error, kDataError);
    EXPECT_TRUE(result.ModeAText.empty());
    if (GetParam().kept) {
        EXPECT_TRUE(GetParam().kept(job));
    }
}

bool Angle2Derived(const CamJob& job) {
    return job.Angle2.has_value();
}

bool Angle2NotDerived(const CamJob& job) {
    return !job.Angle2;
}

const FailureCase kFailureCases[] = {
    // A groove of 2.0 in a period of 1.2: the walk has written its first entries when it fails.
    {"Shape1ThreeLeadsGrooveLongerThanPeriod", 1, "lead=0",
     [](const CamJob& j) { return j.LeadPitch == 1.2 && j.XSTable[100].value_or(0) < 0; }},
    {"Shape1Angle1Zero", 1, "Angle 1=0"},
    {"Shape1PitchZero", 1, "PITCH=0"},
    {"Shape1BottomRadiusEqualsNoseR", 1, "R 2=0.2"},
    {"Shape1RadialFlanksSharpCorners", 1, "Angle 1=90;Angle 2=90;R 1=0;R 2=0;R 3=0;R 4=0"},
    {"Shape1LeadIndexOutsideList", 1, "lead=3"},
    {"Shape1DepthOverflows", 1, "Diameter 1=1.7E308;Diameter 2=-1.7E308"},
    {"Shape1CornersLargerThanGroove", 1, "R 1=5;R 2=3;R 3=3;R 4=5"},
    {"Shape2RadiiZero", 2, "R 1=0;R 2=0",
     [](const CamJob& j) { return !j.Angle1 && j.LeadPitch == 2.0 && j.Width == 0.0; }},
    {"Shape2RadiiCancel", 2, "R 2=-0.3"},
    {"Shape2RadiiSumOverflows", 2, "R 1=1.5E308;R 2=1.5E308"},
    {"Shape2CornersLargerThanGroove", 2, "R 1=5;R 2=5"},
    {"Shape2FieldOverflows", 2, "Diameter 2=1E400"},
    {"Shape2NoLeadEntry", 2, "lead=-1",
     [](const CamJob& j) { return j.R3 == 0.6 && j.R4 == 0.3 && !j.LeadPitch; }},
    {"Shape3SecondRadiusEqualsDepth", 3, "Diameter 2=9;R 2=0.5", Angle2NotDerived},
    {"Shape3NegativeDepth", 3, "Diameter 2=11", Angle2NotDerived},
    {"Shape3Angle1Zero", 3, "Angle 1=0", Angle2Derived},
    // 180 minus this angle is exactly the derived Angle2: the crest angle is 0.
    {"Shape3CrestAngleZero", 3, "Angle 1=113.57817847818508", Angle2Derived},
    {"Shape3NoLeadEntry", 3, "lead=-1", Angle2NotDerived},
    {"Shape3FieldOverflows", 3, "R 1=1E400", Angle2NotDerived},
};

INSTANTIATE_TEST_SUITE_P(Shapes, FailureTest, testing::ValuesIn(kFailureCases), kRowName);

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

struct PrefillCase {
    const char* name;
    int dialog;
    int madeBy; // the shape generated before, 0 for none
    const char* madeWith;
    const char* texts; // "caption=text;..."
    int lead;
    bool external;
    friend void PrintTo(const PrefillCase& c, std::ostream* os) { *os << c.name; }
};

class PrefillTest : public testing::TestWithParam<PrefillCase> {};

TEST_P(PrefillTest, ShowsTheJob) {
    const PrefillCase& c = GetParam();
    CamJob job;
    if (c.madeBy != 0) {
        ASSERT_TRUE(Generate(c.madeBy, Pairs(c.madeWith), job).Ok());
    }
    const Shown shown = Prefill(c.dialog, job);
    for (const auto& [caption, text] : Pairs(c.texts)) {
        EXPECT_EQ(shown.texts.at(caption), text) << caption;
    }
    EXPECT_EQ(shown.lead, c.lead);
    EXPECT_EQ(shown.external, c.external);
}

constexpr const char* kThreeLeads = "PITCH=7.2;lead=0";

const PrefillCase kPrefillCases[] = {
    {"Shape1Fresh", 1, 0, "", "Nose-R=;PITCH=;WIDTH=;R 4=;Spindle speed for G=0;Start XS vale=0", 2,
     false},
    {"Shape1AfterShape1", 1, 1, "Spindle speed for G=120.5;Start XS vale=0.1",
     "Nose-R=0.2;PITCH=3.6;WIDTH=0.5;Diameter 1=10;Diameter 2=8.8;Angle 1=60;R 3=0.4;"
     "Spindle speed for G=120.5;Start XS vale=0.1",
     2, true},
    {"Shape1AfterThreeLeadsInternal", 1, 1, "PITCH=7.2;lead=0;Cutting Position=Internal",
     "PITCH=7.2", 0, false},
    {"Shape1AfterShape2", 1, 2, "",
     "WIDTH=0;Angle 1=48.0127875041955;Angle 2=48.0127875041955;R 3=0.6;R 4=0.3", 2, true},
    {"Shape1AfterShape3", 1, 3, "",
     "WIDTH=0;Diameter 1=10.6520762541007;Angle 2=66.4218215218149;R 2=0.543396878417264;"
     "R 3=0.543396878417264;R 4=1",
     2, false},
    {"Shape2AfterThreeLeads", 2, 1, kThreeLeads, "", -1, true},
    {"Shape2AfterTwoLeads", 2, 2, "PITCH=4;lead=0", "PITCH=4", 0, true},
    {"Shape3Fresh", 3, 0, "", "", 1, false},
    {"Shape3AfterThreeLeadsExternal", 3, 1, kThreeLeads, "", -1, false},
    {"Shape3AfterShape1Internal", 3, 1, "Cutting Position=Internal", "", 1, true},
    {"Shape3AfterShape3", 3, 3, "", "WIDTH=1;Diameter 1=10;Diameter 2=8.8;Angle 1=60;R 2=1", 1,
     true},
};

INSTANTIATE_TEST_SUITE_P(Shapes, PrefillTest, testing::ValuesIn(kPrefillCases), kRowName);

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
    Generate(1, Pairs(kThreeLeads), used);
    for (int shape = 1; shape <= 3; ++shape) {
        Edits all;
        for (const auto& [caption, unused] : Prefill(shape, CamJob{}).texts) {
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
