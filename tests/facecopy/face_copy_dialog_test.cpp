// SPDX-License-Identifier: GPL-3.0-or-later
// The Face Copy dialog driven event by event: pre-fill, derivations, refusals, switches, Cancel.
#include "facecopy/copy_condition.h"
#include "facecopy/face_copy_model.h"

#include "tests/facecopy/face_copy_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

using testing_facecopy::FaceCopyDialog;
using testing_facecopy::kTooLong;
using testing_facecopy::Refusal;
using Messages = std::vector<FaceCopyMessage>;

TEST_F(FaceCopyDialog, NoModeADataOpensNothing) {
    for (OptionalNumber leadPitch : {OptionalNumber(), OptionalNumber(0.0), OptionalNumber(NAN)}) {
        job.LeadPitch = leadPitch;
        shown.clear();
        EXPECT_FALSE(Open());
        EXPECT_EQ(shown, Messages{Refusal("Please input Mode A data.")});
    }
}

TEST_F(FaceCopyDialog, StoredRepeatCopiesOnePitchWhateverLengthWasKept) {
    job.Repeat = true;
    job.ThreadDir = 1;
    job.MaxFaceNumber = 192;
    job.CutLength = 30; // left from a job of another pitch, too long for 192 faces of this one
    ASSERT_TRUE(Open());
    EXPECT_EQ(shown, Messages{});
    EXPECT_EQ(View().swThreadDir, kRightHand);
    EXPECT_EQ(View().txtCutLength, " 3.6");
    EXPECT_EQ(job.CutLength, 3.6);
    EXPECT_TRUE(View().CutLengthReadOnly && View().OkEnabled);
    ExpectConditions(" 2", "180", "0.02");
}

TEST_F(FaceCopyDialog, KeptLengthTooLongForKeptMaximum) {
    job.CutLength = 30;
    job.MaxFaceNumber = 192;
    ASSERT_TRUE(Open());
    // The maximum, the thread direction and the cutting length each derive, and refuse.
    EXPECT_EQ(shown, Messages(3, kTooLong));
    EXPECT_EQ(View().txtCutLength, "");
    EXPECT_FALSE(View().OkEnabled);
}

enum Outcome { Accepted, Disabled, TooLong }; // TooLong: message shown, box emptied, OK off

// "Max. number of face" `maxFace` and the thread direction chosen, lengths typed in turn, then
// maybe another maximum chosen.
struct LengthCase {
    const char* name;
    int maxFace;
    std::vector<const char*> typed;
    const char *angle, *copyNumber, *zAxisPitch;
    double cutLength; // what the job keeps
    Outcome outcome;
    int direction = kRightHand;
    int thenMaxFace = -1;
    friend void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }
};

class CuttingLength : public FaceCopyDialog, public testing::WithParamInterface<LengthCase> {};

TEST_P(CuttingLength, DerivesOrRefuses) {
    const LengthCase& c = GetParam();
    ASSERT_TRUE(Open());
    model->MaxFace_Click(c.maxFace);
    model->swThreadDir_Click(c.direction);
    for (const char* text : c.typed) {
        model->TypeCutLength(text);
    }
    if (c.thenMaxFace >= 0) {
        model->MaxFace_Click(c.thenMaxFace);
    }
    ExpectConditions(c.angle, c.copyNumber, c.zAxisPitch);
    EXPECT_EQ(View().OkEnabled, c.outcome == Accepted);
    EXPECT_EQ(View().txtCutLength, c.outcome == TooLong ? "" : c.typed.back());
    EXPECT_EQ(job.CutLength, c.cutLength);
    EXPECT_EQ(shown, c.outcome == TooLong ? Messages{kTooLong} : Messages{});
    if (c.outcome == Accepted) {
        EXPECT_EQ(job.ZAxisPitch, c.cutLength / job.CopyNumber); // full precision kept
        ASSERT_TRUE(model->Command1_Click().has_value());
        EXPECT_EQ(job.ThreadDir, c.direction == kRightHand ? 1 : -1); // the settings keep it
    } else {
        EXPECT_EQ(model->Command1_Click(), std::nullopt);
    }
}

const LengthCase kLengthCases[] = {
    // The job keeps the Z-axis pitch unrounded: 19.95 / 332, shown as 0.06.
    {"HalfGoesToEvenLeftHand", 1, {"19.95"}, "-6", "332", "0.06", 19.95, Accepted, kLeftHand},
    // Just under, then just over 15 * 192 degrees: the conditions of the first stay shown.
    {"Limit192", 0, {"28.799", "28.801"}, " 15", "192", "0.1499", 28.801, TooLong},
    // Not accepted after "20": the conditions on display stay.
    {"CopyNumberRoundsToZero", 1, {"20", "0.005"}, " 6", "333", "0.06", 0.005, Disabled},
    {"Negative", 1, {"20", "-5"}, " 6", "333", "0.06", 20, Disabled},
    {"Overflow", 1, {"20", "1E400"}, " 6", "333", "0.06", 20, TooLong},
    // A larger maximum derives from the kept length while the box stays empty.
    {"TooLongThenLargerMaximum", 0, {"30"}, " 8", "375", "0.08", 30, TooLong, kRightHand, 1},
    // q = -1 would give a shift angle of 0 and a division by it.
    {"NegativeViaChoices", 1, {"20", "-0.001"}, " 6", "333", "0.06", 20, Disabled, kRightHand, 0},
};
INSTANTIATE_TEST_SUITE_P(Dialog, CuttingLength, testing::ValuesIn(kLengthCases),
                         testing::PrintToStringParamName());

// The shift angle of every q from -1 to 16 (-1: none, the length is refused).
TEST(CopyCondition, ShiftAngleForEveryQ) {
    const int expected[] = {-1, 1, 2, 3, 4, 5, 6, 8, 8, 9, 10, 12, 12, 15, 15, 15, -1, -1};
    for (int q = -1; q <= 16; ++q) {
        EXPECT_EQ(ShiftAngleFor(q).value_or(-1), expected[q + 1]) << "q = " << q;
    }
}

// Settings or job values no dialog would store: the message, OK disabled, never a crash.
struct HostileCase {
    const char* name;
    double maxFaceNumber;
    double pitch;
    const char* length;
    friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }
};

class HostileJob : public FaceCopyDialog, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileJob, RefusesTheLength) {
    const HostileCase& c = GetParam();
    job.MaxFaceNumber = c.maxFaceNumber;
    job.Pitch = c.pitch;
    ASSERT_TRUE(Open());
    model->TypeCutLength(c.length);
    EXPECT_FALSE(View().OkEnabled);
    EXPECT_EQ(shown, Messages{kTooLong});
}

const HostileCase kHostileCases[] = {
    {"MaximumZero", 0, 3.6, "20"},
    {"PitchZero", 385, 0, "20"},
    {"CopyNumberBeyond16Bits", 100000, 3.6, "1000"},
};
INSTANTIATE_TEST_SUITE_P(Dialog, HostileJob, testing::ValuesIn(kHostileCases),
                         testing::PrintToStringParamName());

TEST_F(FaceCopyDialog, ChamferBoxFollowsItsCheckBoxAndEnterFocusesOk) {
    ASSERT_TRUE(Open());
    model->TypeText1("1"); // ignored until ticked
    model->Check1_Click(true);
    EXPECT_FALSE(View().Text1Greyed);
    model->TypeText1("2");
    model->Check1_Click(false);
    EXPECT_TRUE(View().Text1Greyed && !View().Text1Enabled);
    model->TypeText1("3");
    EXPECT_EQ(View().Text1, "2");
    EXPECT_EQ(model->txtCutLength_KeyPress(13), FaceCopyFocus::Command1);
    EXPECT_EQ(model->txtCutLength_KeyPress('5'), std::nullopt);
}

} // namespace
} // namespace spirolan
