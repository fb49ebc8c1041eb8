// SPDX-License-Identifier: GPL-3.0-or-later
// Results that leave the window: the table CSV, the highest spindle speed within machine limits,
// the setup sheet texts. SPIROLAN_UPDATE_GOLDEN=1 rewrites tests/graphics/golden/.
#include "facecopy/face_copy_model.h"
#include "graphics/graph_style.h"
#include "graphics/motion_figures.h"
#include "graphics/recording_surface.h"
#include "graphics/setup_sheet.h"
#include "graphics/spindle_limit.h"
#include "graphics/table_csv.h"
#include "tests/support/golden_file.h"
#include "tests/support/shape_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace spirolan {
namespace {

using testing_support::ReferenceGrooveJob;

TEST(TableCsv, ReferenceGrooveAt1000Golden) {
    EXPECT_EQ(testing_support::CheckGolden("graphics/golden/reference_table_1000.csv",
                                           TableCsv(ReferenceGrooveJob())),
              "");
}

TEST(TableCsv, WithoutSpindleSpeedTwoColumnsAndEmptyEntriesEmpty) {
    CamJob job;
    job.XSTable[1] = 0.25;
    EXPECT_TRUE(TableCsv(job).starts_with("C_deg,XS_mm\n0,\n1,0.25\n2,\n"));
}

struct LimitCase {
    const char* name;
    MachineLimits limits;
    bool speedBinds; // else the acceleration does
    double expected; // the highest spindle speed, or 0 to take it from the search only
    friend void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }
};

class MaxSpindleSpeedTest : public testing::TestWithParam<LimitCase> {};

// At N both limits hold, at N + 1 the binding one does not.
TEST_P(MaxSpindleSpeedTest, WithinAtNAndNotAtNPlusOne) {
    const CamJob job = ReferenceGrooveJob();
    const LimitCase& c = GetParam();
    const std::optional<double> n = MaxSpindleSpeed(job.XSTable, c.limits);
    ASSERT_TRUE(n.has_value());
    if (c.expected > 0) {
        EXPECT_EQ(*n, c.expected);
    }
    EXPECT_TRUE(WithinLimits(job.XSTable, *n, c.limits));
    EXPECT_FALSE(WithinLimits(job.XSTable, *n + 1, c.limits));
    const MotionFigures above = ComputeMotionFigures(job.XSTable, *n + 1);
    if (c.speedBinds) {
        EXPECT_GT(above.MaxSpeed, *c.limits.MaxSpeed);
    } else {
        EXPECT_GT(above.MaxGravity, *c.limits.MaxAccel);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, MaxSpindleSpeedTest,
    testing::Values(LimitCase{"SpeedLimited", {100, std::nullopt}, true, 0},
                    LimitCase{"SpeedLimitedUnderALooseAccel", {50, 1000}, true, 0},
                    LimitCase{"AccelLimited", {std::nullopt, 5}, false, 728},
                    LimitCase{"TightestLimitIsZero", {1e-9, std::nullopt}, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaxSpindleSpeed, NothingLimitsWithoutALimitOrWithoutMotion) {
    const CamJob job = ReferenceGrooveJob();
    EXPECT_FALSE(MaxSpindleSpeed(job.XSTable, {}).has_value());
    EXPECT_FALSE(MaxSpindleSpeed(CamJob{}.XSTable, {100, 5}).has_value());
    // A limit no dialog accepts ends the search at 0 instead of running on.
    EXPECT_EQ(MaxSpindleSpeed(job.XSTable, {-1, std::nullopt}), 0);
}

TEST(SpindleLimitLine, ShownOnTheGraphAndMarkedWhenExceeded) {
    CamJob job = ReferenceGrooveJob();
    job.SlideAccelLimit = 5;
    RecordingSurface exceeded;
    DrawSpindleLimit(job, exceeded);
    ASSERT_EQ(exceeded.Texts(),
              std::vector<std::string>{"Max. spindle speed = 728 min-1 (exceeded)"});
    EXPECT_EQ(exceeded.OpsOf(SurfaceOp::Kind::PrintLine)[0].color, kAccelerationRed);

    job.SpindleSpeed = 728;
    RecordingSurface within;
    DrawSpindleLimit(job, within);
    ASSERT_EQ(within.Texts(), std::vector<std::string>{"Max. spindle speed = 728 min-1"});
    EXPECT_EQ(within.OpsOf(SurfaceOp::Kind::PrintLine)[0].color, kLabelGrey);

    job.SpindleSpeed = 0;
    RecordingSurface none;
    DrawSpindleLimit(job, none);
    EXPECT_TRUE(none.Ops().empty());
}

struct ReadingCase {
    const char* name;
    const char* text;
    std::optional<double> value; // when accepted
    bool refused;
    friend void PrintTo(const ReadingCase& c, std::ostream* os) { *os << c.name; }
};

class LimitReadingTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(LimitReadingTest, AcceptsPositiveNumbersInRangeOnly) {
    const ReadingCase& c = GetParam();
    const LimitReading speed = ReadSpeedLimit(c.text);
    EXPECT_EQ(speed.Value, c.value);
    EXPECT_EQ(speed.Error.empty(), !c.refused);
    if (c.refused) {
        EXPECT_EQ(speed.Error, "The maximum speed must be a number from 0.001 to 100000 mm/s, or "
                               "empty for no limit.");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, LimitReadingTest,
                         testing::Values(ReadingCase{"EmptyIsNoLimit", "", std::nullopt, false},
                                         ReadingCase{"Decimal", " 12.5 ", 12.5, false},
                                         ReadingCase{"Largest", "100000", 100000, false},
                                         ReadingCase{"Smallest", "0.001", 0.001, false},
                                         ReadingCase{"BelowSmallest", "0.0009", std::nullopt, true},
                                         ReadingCase{"Tiny", "1e-300", std::nullopt, true},
                                         ReadingCase{"Zero", "0", std::nullopt, true},
                                         ReadingCase{"TrailingText", "12mm", std::nullopt, true},
                                         ReadingCase{"Huge", "1e308", std::nullopt, true},
                                         ReadingCase{"NotANumber", "nan", std::nullopt, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AccelLimitReading, RefusesBeyond1000G) {
    EXPECT_EQ(ReadAccelLimit("1000").Value, 1000);
    EXPECT_EQ(ReadAccelLimit("1000.1").Error, "The maximum acceleration must be a number from "
                                              "0.001 to 1000 G, or empty for no limit.");
}

TEST(SetupSheet, ShapeAsTypedFiguresAndFaceCopyConditions) {
    CamJob job = ReferenceGrooveJob();
    job.SlideSpeedLimit = 100;
    FaceCopyModel dialog(job, [](const FaceCopyMessage& m) { ADD_FAILURE() << m.text; });
    ASSERT_TRUE(dialog.Open());
    dialog.swThreadDir_Click(kRightHand); // 384 faces, repeat off by default
    dialog.TypeCutLength("20");
    dialog.Check1_Click(true);
    dialog.TypeText1("0.5");
    ASSERT_TRUE(dialog.Command1_Click().has_value());

    const SetupSheet sheet = BuildSetupSheet(
        job, {"Spirolan Ver. 2.2.3", "2026-12-06 21:00", "", true, false, "", "", {}});
    EXPECT_EQ(sheet.Heading,
              (std::vector<std::string>{"Spirolan Ver. 2.2.3 - Setup sheet",
                                        "Printed 2026-12-06 21:00", "Job Untitled"}));
    ASSERT_EQ(sheet.Sections.size(), 4u);
    EXPECT_EQ(sheet.Sections[0].Title, "Shape 1");
    // Every field as typed, in the dialog's order, then the lead and the cutting position.
    const std::vector<SheetRow>& shape = sheet.Sections[0].Rows;
    ASSERT_EQ(shape.size(), 14u);
    EXPECT_EQ(shape.front(), (SheetRow{"Nose-R", "0.2"}));
    EXPECT_EQ(shape.back(), (SheetRow{"Cutting Position", "External"}));
    EXPECT_EQ(sheet.Sections[1].Rows,
              (std::vector<SheetRow>{{"", "Spindle Speed  =  1000 min-1"},
                                     {"", "Max.Speed  = 103.92 mm/s"},
                                     {"", "Max.Gravity = 9.423 G"},
                                     {"Machine limits", "speed 100 mm/s, acceleration none"},
                                     {"", "Max. spindle speed = 962 min-1 (exceeded)"}}));
    EXPECT_EQ(sheet.Sections[2].Rows, (std::vector<SheetRow>{{"Max. number of face", "384"},
                                                             {"Repeat function", "OFF"},
                                                             {"Thread direction", "Right hand"},
                                                             {"Cutting length", "20"},
                                                             {"Shift angle", "6"},
                                                             {"Copy number", "333"},
                                                             {"Z-axis pitch", "0.06"},
                                                             {"Chamfer Enter", "0.5"},
                                                             {"Chamfer Exit", "none"}}));

    const SetupSheet named =
        BuildSetupSheet(job, {"Spirolan", "now", "groove.job", false, true, "", "", {}});
    EXPECT_EQ(named.Heading.back(), "Job groove.job  (Not saved)");
    EXPECT_EQ(named.Sections.size(), 3u);
}

TEST(SetupSheet, PrintsTheWarningsOfAGrooveThatCannotBeCutAsTyped) {
    CamJob job = testing_support::GougingGrooveJob();
    const SetupSheet sheet = BuildSetupSheet(job, SheetContext{});
    ASSERT_GE(sheet.Sections.size(), 3u);
    EXPECT_EQ(sheet.Sections[2].Title, "Check");
    const std::vector<SheetRow>& rows = sheet.Sections[2].Rows;
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(std::vector<SheetRow>(rows.begin(), rows.begin() + 4),
              (std::vector<SheetRow>{{"Warning", "R 2 (0.2) is smaller than Nose-R"},
                                     {" ", "(0.5): the tool cannot form this"},
                                     {" ", "corner and the cam will cut into"},
                                     {" ", "the flank."}}));
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const SheetRow& row) { return row.Label == "Warning"; }),
              3);
}

} // namespace
} // namespace spirolan
