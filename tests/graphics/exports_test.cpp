// SPDX-License-Identifier: GPL-3.0-or-later
// Results that leave the window where a job file cannot show them: the highest spindle speed at
// its boundary, the limit texts, the warnings on the setup sheet (its other texts are the printed
// sheet's golden files).
#include "core/profile_walk.h"
#include "graphics/setup_sheet.h"
#include "graphics/spindle_limit.h"
#include "tests/support/shape_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spirolan {
namespace {

// A table with one step of 1 mm at degree 100: the slide speed is 6 mm/s per spindle turn a
// minute, so a limit of 360 mm/s is met exactly at 60 min-1.
CamTable OneMillimetreStep() {
    CamTable xs{};
    for (int k = 0; k < kTableSize; ++k) {
        xs[k] = k > 100 ? 1.0 : 0.0;
    }
    return xs;
}

TEST(MaxSpindleSpeed, LimitMetExactlyCountsAsWithin) {
    const CamTable xs = OneMillimetreStep();
    EXPECT_EQ(MaxSpindleSpeed(xs, {360, std::nullopt}), 60);
    EXPECT_EQ(MaxSpindleSpeed(xs, {359.99, std::nullopt}), 59);
    EXPECT_EQ(MaxSpindleSpeed(xs, {}), std::nullopt);
    EXPECT_EQ(MaxSpindleSpeed(CamJob{}.XSTable, {100, 5}), std::nullopt);
    // A limit no dialog accepts ends the search at 0 instead of running on.
    EXPECT_EQ(MaxSpindleSpeed(xs, {-1, std::nullopt}), 0);
}

// The search from first guesses on both sides of the boundary 60, near and far.
TEST(HighestWithin, FindsTheBoundaryFromAnyGuess) {
    const auto upTo60 = [](double speed) { return speed <= 60; };
    for (const double guess : {0.0, 1.0, 57.0, 59.0, 60.0, 61.0, 62.0, 63.0, 200.0, 1e6}) {
        EXPECT_EQ(HighestWithin(upTo60, guess, 1e9), 60) << "guess " << guess;
    }
    EXPECT_EQ(HighestWithin([](double) { return false; }, 5, 1e9), 0);
    EXPECT_EQ(HighestWithin([](double) { return true; }, 5, 1000), std::nullopt);
}

// Positive numbers in range only; the refusal names the range and the way to set no limit.
TEST(LimitReading, AcceptsPositiveNumbersInRangeOnly) {
    const std::string speedRange =
        "The maximum speed must be a number from 0.001 to 100000 mm/s, or empty for no limit.";
    const std::string accelRange =
        "The maximum acceleration must be a number from 0.001 to 1000 G, or empty for no limit.";
    const struct {
        const char* text;
        LimitReading (*read)(std::string_view);
        std::optional<double> value;
        std::string error;
    } rows[] = {
        {"", ReadSpeedLimit, std::nullopt, ""}, // no limit
        {" 12.5 ", ReadSpeedLimit, 12.5, ""},
        {"100000", ReadSpeedLimit, 100000, ""},
        {"0.001", ReadSpeedLimit, 0.001, ""},
        {"0.0009", ReadSpeedLimit, std::nullopt, speedRange},
        {"1e-300", ReadSpeedLimit, std::nullopt, speedRange},
        {"12mm", ReadSpeedLimit, std::nullopt, speedRange},
        {"1e308", ReadSpeedLimit, std::nullopt, speedRange},
        {"nan", ReadSpeedLimit, std::nullopt, speedRange},
        {"1000", ReadAccelLimit, 1000, ""},
        {"1000.1", ReadAccelLimit, std::nullopt, accelRange},
    };
    for (const auto& row : rows) {
        const LimitReading limit = row.read(row.text);
        EXPECT_EQ(limit.Value, row.value) << row.text;
        EXPECT_EQ(limit.Error, row.error) << row.text;
    }
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
