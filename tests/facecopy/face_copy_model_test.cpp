// The Face Copy dialog driven event by event: pre-fill, handlers, derivations, Cancel.
#include "face_copy_model.h"

#include "copy_condition.h"

#include "face_copy_fixture.h"

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

TEST(ShiftAngle, DivisorsOf360AboveQ) {
    const int expected[15] = {1, 2, 3, 4, 5, 6, 8, 8, 9, 10, 12, 12, 15, 15, 15};
    for (int q = 0; q < 15; ++q) {
        EXPECT_EQ(ShiftAngleFor(q), expected[q]) << "q = " << q;
    }
    for (double q : {15.0, 1e300, -1.0, double(NAN)}) {
        EXPECT_EQ(ShiftAngleFor(q), std::nullopt) << "q = " << q;
    }
}

TEST_F(FaceCopyDialog, FirstOpeningWithDefaultSettings) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(View().MaxFace, 1);
    EXPECT_EQ(View().swRepeat, kRepeatOff);
    EXPECT_EQ(View().swThreadDir, kLeftHand);
    EXPECT_EQ(View().LabelPitch, " 3.6");
    EXPECT_EQ(View().txtCutLength, "");
    EXPECT_FALSE(View().CutLengthReadOnly);
    EXPECT_FALSE(View().OkEnabled);
    ExpectConditions("-1", "0", "");
    EXPECT_TRUE(View().ChamferEnabled);
    EXPECT_FALSE(View().Check1);
    EXPECT_FALSE(View().Text1Enabled);
    EXPECT_TRUE(View().Text1Greyed);
    EXPECT_TRUE(View().Text2Greyed);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(model->Command1_Click(), std::nullopt);
}

TEST_F(FaceCopyDialog, NoModeADataOpensNothing) {
    for (OptionalNumber leadPitch :
         {OptionalNumber(), OptionalNumber(0.0), OptionalNumber(-1.0), OptionalNumber(NAN)}) {
        job.LeadPitch = leadPitch;
        shown.clear();
        EXPECT_FALSE(Open());
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].message, FaceCopyRefusal(kNoModeAData));
        EXPECT_EQ(shown[0].message.title, "Face copy error");
        EXPECT_EQ(shown[0].message.icon, MessageIcon::Exclamation);
    }
}

struct DeriveCase {
    const char* name;
    int maxFace;
    int direction;
    const char* length;
    const char* angle;
    const char* copyNumber;
    const char* zAxisPitch;
    double cutLength;
};
void PrintTo(const DeriveCase& c, std::ostream* os) {
    *os << c.name;
}

class AcceptedLength : public FaceCopyDialog, public testing::WithParamInterface<DeriveCase> {};

TEST_P(AcceptedLength, DerivesAndEnablesOk) {
    const DeriveCase& c = GetParam();
    ASSERT_TRUE(Open());
    model->MaxFace_Click(c.maxFace);
    model->swThreadDir_Click(c.direction);
    model->TypeCutLength(c.length);
    ExpectConditions(c.angle, c.copyNumber, c.zAxisPitch);
    EXPECT_TRUE(View().OkEnabled);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(job.CutLength, c.cutLength);
    EXPECT_EQ(job.ZAxisPitch, c.cutLength / job.CopyNumber);
    EXPECT_EQ(job.MaxFaceNumber, std::to_string(kMaxFaceChoices[c.maxFace]));
}

const DeriveCase kDeriveCases[] = {
    {"Max384RightHand", 1, kRightHand, "20", " 6", "333", "0.06", 20},
    {"Max192", 0, kRightHand, "20", " 12", "167", "0.1197", 20},
    {"LeftHand", 1, kLeftHand, "20", "-6", "333", "0.06", 20},
    {"HalfGoesToEven", 1, kRightHand, "19.95", " 6", "332", "0.06", 19.95},
    {"Max2828", 3, kRightHand, "100", " 4", "2500", "0.04", 100},
    {"LenientText", 1, kRightHand, " 2 0mm", " 6", "333", "0.06", 20},
    {"OneFace", 1, kRightHand, "0.006", " 1", "1", "0.006", 0.006},
};
INSTANTIATE_TEST_SUITE_P(Dialog, AcceptedLength, testing::ValuesIn(kDeriveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* name;
    int maxFace;
    const char* below; // just under 15 * maximum degrees of spindle angle
    const char* above;
};
void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class LengthLimit : public FaceCopyDialog, public testing::WithParamInterface<LimitCase> {};

TEST_P(LengthLimit, FifteenDegreesPerFace) {
    const LimitCase& c = GetParam();
    ASSERT_TRUE(Open());
    model->MaxFace_Click(c.maxFace);
    model->TypeCutLength(c.below);
    EXPECT_TRUE(View().OkEnabled);
    EXPECT_EQ(View().AnglePitch, "-15");
    EXPECT_LE(job.CopyNumber, kMaxFaceChoices[c.maxFace]);
    model->TypeCutLength(c.above);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].message, kTooLong);
    EXPECT_FALSE(View().OkEnabled);
    EXPECT_EQ(View().txtCutLength, "");
}

const LimitCase kLimitCases[] = {
    {"Max192EightTurns", 0, "28.799", "28.801"},
    {"Max384SixteenTurns", 1, "57.599", "57.601"},
    {"Max768ThirtyTwoTurns", 2, "115.199", "115.201"},
    {"Max2828About117Turns", 3, "424.199", "424.201"},
};
INSTANTIATE_TEST_SUITE_P(Dialog, LengthLimit, testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FaceCopyDialog, TooLongThenLargerMaximumDerivesFromKeptLength) {
    ASSERT_TRUE(Open());
    model->MaxFace_Click(0);
    model->swThreadDir_Click(kRightHand);
    ExpectConditions(" 1", "0", "");
    model->TypeCutLength("30");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].message, kTooLong);
    EXPECT_EQ(shown[0].boxText, "30"); // shown before the box is emptied
    EXPECT_EQ(View().txtCutLength, "");
    EXPECT_FALSE(View().OkEnabled);
    ExpectConditions(" 1", "0", "");
    EXPECT_EQ(job.CutLength, 30);
    EXPECT_EQ(job.MaxFaceNumber, "192");

    model->MaxFace_Click(1);
    ExpectConditions(" 8", "375", "0.08");
    EXPECT_EQ(job.CopyNumber, 375);
    EXPECT_EQ(View().txtCutLength, "");
    EXPECT_FALSE(View().OkEnabled);
    EXPECT_EQ(shown.size(), 1u);
    model->TypeCutLength("30");
    EXPECT_TRUE(View().OkEnabled);
}

struct RepeatCase {
    const char* name;
    int maxFace;
    const char* angle;
    const char* copyNumber;
    const char* zAxisPitch;
};
void PrintTo(const RepeatCase& c, std::ostream* os) {
    *os << c.name;
}

class RepeatOn : public FaceCopyDialog, public testing::WithParamInterface<RepeatCase> {};

TEST_P(RepeatOn, CopiesOnePitchAndLocksTheDialog) {
    const RepeatCase& c = GetParam();
    ASSERT_TRUE(Open());
    model->swThreadDir_Click(kRightHand);
    model->MaxFace_Click(c.maxFace);
    model->Check1_Click(true);
    model->swRepeat_Click(kRepeatOn);
    EXPECT_TRUE(job.Repeat);
    EXPECT_EQ(View().txtCutLength, " 3.6");
    EXPECT_TRUE(View().CutLengthReadOnly);
    EXPECT_TRUE(View().CutLengthGreyed);
    EXPECT_FALSE(View().ChamferEnabled);
    EXPECT_TRUE(View().Text1Greyed);
    EXPECT_TRUE(View().Text2Greyed);
    ExpectConditions(c.angle, c.copyNumber, c.zAxisPitch);
    EXPECT_TRUE(View().OkEnabled);
    EXPECT_EQ(model->swRepeat_MouseUp(), FaceCopyFocus::Command1);

    // Locked controls ignore the user.
    model->TypeCutLength("20");
    model->Check1_Click(false);
    model->TypeText1("5");
    EXPECT_EQ(View().txtCutLength, " 3.6");
    EXPECT_TRUE(View().Check1);
    EXPECT_EQ(View().Text1, "");

    model->swRepeat_Click(kRepeatOff);
    EXPECT_FALSE(job.Repeat);
    EXPECT_EQ(View().txtCutLength, "");
    EXPECT_FALSE(View().CutLengthReadOnly);
    EXPECT_FALSE(View().CutLengthGreyed);
    EXPECT_FALSE(View().OkEnabled);
    EXPECT_TRUE(View().ChamferEnabled);
    EXPECT_TRUE(View().Text1Enabled); // follows its ticked box again
    EXPECT_FALSE(View().Text1Greyed);
    EXPECT_FALSE(View().Text2Enabled);
    EXPECT_TRUE(View().Text2Greyed);
    EXPECT_EQ(model->swRepeat_MouseUp(), FaceCopyFocus::txtCutLength);
}

const RepeatCase kRepeatCases[] = {
    {"Max384", 1, " 1", "360", "0.01"},
    {"Max192", 0, " 2", "180", "0.02"},
};
INSTANTIATE_TEST_SUITE_P(Dialog, RepeatOn, testing::ValuesIn(kRepeatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FaceCopyDialog, StoredRepeatShowsLengthLeftFromAnotherPitch) {
    job.Repeat = true;
    job.ThreadDir = 1;
    job.CutLength = 5;
    ASSERT_TRUE(Open());
    EXPECT_EQ(View().swRepeat, kRepeatOn);
    EXPECT_EQ(View().swThreadDir, kRightHand);
    EXPECT_EQ(View().txtCutLength, "5");
    EXPECT_TRUE(View().CutLengthReadOnly);
    ExpectConditions(" 2", "250", "0.02");
    EXPECT_TRUE(View().OkEnabled);
}

TEST_F(FaceCopyDialog, StoredRepeatWithoutLengthShowsThePitch) {
    job.Repeat = true;
    ASSERT_TRUE(Open());
    EXPECT_EQ(View().txtCutLength, "3.6");
    ExpectConditions("-1", "360", "0.01");
    EXPECT_TRUE(View().OkEnabled);
}

TEST_F(FaceCopyDialog, KeptLengthTooLongForKeptMaximumRefusesAtEachPreFillStep) {
    job.CutLength = 30;
    job.MaxFaceNumber = "192";
    ASSERT_TRUE(Open());
    // The maximum, the thread direction and the cutting length each derive.
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].message, kTooLong);
    EXPECT_EQ(shown[2].boxText, "30");
    EXPECT_EQ(View().txtCutLength, "");
    EXPECT_FALSE(View().OkEnabled);
    ExpectConditions("", "", "");
}

TEST_F(FaceCopyDialog, ChamferBoxesFollowTheirCheckBoxes) {
    ASSERT_TRUE(Open());
    model->TypeText1("1");
    EXPECT_EQ(View().Text1, ""); // disabled until ticked
    model->Check1_Click(true);
    EXPECT_TRUE(View().Text1Enabled);
    EXPECT_FALSE(View().Text1Greyed);
    model->TypeText1("1");
    model->Check2_Click(true);
    model->TypeText2("2");
    model->Check1_Click(false);
    EXPECT_FALSE(View().Text1Enabled);
    EXPECT_TRUE(View().Text1Greyed);
    model->TypeText1("3");
    EXPECT_EQ(View().Text1, "1");
    EXPECT_EQ(View().Text2, "2");
    EXPECT_TRUE(View().Text2Enabled);
}

TEST_F(FaceCopyDialog, EnterInCutLengthFocusesOk) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(model->txtCutLength_KeyPress(13), FaceCopyFocus::Command1);
    EXPECT_EQ(model->txtCutLength_KeyPress('5'), std::nullopt);
}

TEST_F(FaceCopyDialog, CancelRestoresOnlyTheCuttingLength) {
    ASSERT_TRUE(Open());
    model->swThreadDir_Click(kRightHand);
    model->TypeCutLength("20");
    ASSERT_TRUE(model->Command1_Click().has_value());
    EXPECT_EQ(job.SavedCutLength, 20);
    EXPECT_EQ(job.ThreadDir, 1);

    ASSERT_TRUE(Open());
    model->TypeCutLength("25");
    model->swThreadDir_Click(kLeftHand);
    model->MaxFace_Click(0);
    model->swRepeat_Click(kRepeatOn);
    model->Command2_Click();
    EXPECT_EQ(job.CutLength, 20);
    EXPECT_EQ(job.MaxFaceNumber, "192");
    EXPECT_TRUE(job.Repeat);
    EXPECT_EQ(job.ThreadDir, 1);
}

TEST_F(FaceCopyDialog, CancelBeforeAnyOkEmptiesTheLength) {
    ASSERT_TRUE(Open());
    model->TypeCutLength("25");
    model->Command2_Click();
    EXPECT_EQ(job.CutLength, std::nullopt);
}

} // namespace
} // namespace spirolan
