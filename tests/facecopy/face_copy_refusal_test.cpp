// The Face Copy dialog refusing: lengths it does not accept, hostile jobs, too long chamfers.
#include "face_copy_model.h"

#include "face_copy_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

using testing_facecopy::FaceCopyDialog;
using testing_facecopy::kTooLong;

// Lengths that are not accepted after "20" was: OK goes off, the conditions on display stay.
struct RejectCase {
    const char* name;
    const char* text;
    bool tooLong;          // "Too long cutting length !!" shown and the box emptied
    double cutLengthAfter; // what the job keeps
};
void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.name;
}

class RejectedLength : public FaceCopyDialog, public testing::WithParamInterface<RejectCase> {};

TEST_P(RejectedLength, DisablesOkAndKeepsTheConditions) {
    const RejectCase& c = GetParam();
    ASSERT_TRUE(Open());
    model->swThreadDir_Click(kRightHand);
    model->TypeCutLength("20");
    ASSERT_TRUE(View().OkEnabled);
    model->TypeCutLength(c.text);
    EXPECT_FALSE(View().OkEnabled);
    ExpectConditions(" 6", "333", "0.06");
    EXPECT_EQ(job.CopyNumber, 333);
    EXPECT_EQ(job.CutLength, c.cutLengthAfter);
    if (c.tooLong) {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].message, kTooLong);
        EXPECT_EQ(View().txtCutLength, "");
    } else {
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(View().txtCutLength, c.text);
    }
    EXPECT_EQ(model->Command1_Click(), std::nullopt);
}

const RejectCase kRejectCases[] = {
    {"CopyNumberRoundsToZero", "0.005", false, 0.005},
    {"Negative", "-5", false, 20},
    {"Zero", "0", false, 20},
    {"Empty", "", false, 20},
    {"NonNumeric", "abc", false, 20},
    {"NegativeOverflow", "-1E400", false, 20},
    {"Overflow", "1E400", true, 20},
    {"Huge", "1e300", true, 1e300},
    {"Hexadecimal", "&HFFFF", true, 65535},
};
INSTANTIATE_TEST_SUITE_P(Dialog, RejectedLength, testing::ValuesIn(kRejectCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FaceCopyDialog, NegativeLengthDerivesNothingThroughTheChoices) {
    ASSERT_TRUE(Open());
    model->swThreadDir_Click(kRightHand);
    model->TypeCutLength("20");
    model->TypeCutLength("-0.001");
    model->MaxFace_Click(0);
    model->swThreadDir_Click(kLeftHand);
    ExpectConditions(" 6", "333", "0.06");
    EXPECT_EQ(job.CutLength, 20);
    EXPECT_EQ(job.MaxFaceNumber, "192");
    EXPECT_FALSE(View().OkEnabled);
    EXPECT_TRUE(shown.empty());
}

TEST_F(FaceCopyDialog, TinyLengthThroughTheChoicesDividesByNothing) {
    ASSERT_TRUE(Open());
    model->swThreadDir_Click(kRightHand);
    model->TypeCutLength("0.001");
    model->MaxFace_Click(3);
    ExpectConditions(" 1", "0", "");
    EXPECT_EQ(job.ZAxisPitch, std::nullopt);
    EXPECT_FALSE(View().OkEnabled);
}

// Settings or job values no dialog would store: messages or a disabled OK, never a crash.
struct HostileCase {
    const char* name;
    const char* maxFaceNumber;
    double pitch;
    const char* length;
    bool tooLong;
};
void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileJob : public FaceCopyDialog, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileJob, RefusesOrDisablesOk) {
    const HostileCase& c = GetParam();
    job.MaxFaceNumber = c.maxFaceNumber;
    job.Pitch = c.pitch;
    ASSERT_TRUE(Open());
    EXPECT_EQ(View().MaxFace, std::nullopt);
    EXPECT_TRUE(shown.empty());
    model->TypeCutLength(c.length);
    EXPECT_FALSE(View().OkEnabled);
    EXPECT_EQ(shown.size(), c.tooLong ? 1u : 0u);
}

const HostileCase kHostileCases[] = {
    {"MaximumNotANumber", "abc", 3.6, "20", true},
    {"MaximumZero", "0", 3.6, "20", true},
    {"MaximumNegative", "-384", 3.6, "20", true},
    {"CopyNumberBeyond16Bits", "100000", 3.6, "1000", true},
    {"PitchZero", "385", 0, "20", true},
    {"PitchNegative", "385", -3.6, "20", false},
};
INSTANTIATE_TEST_SUITE_P(Dialog, HostileJob, testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FaceCopyDialog, TooLongChamferKeepsTheDialogOpen) {
    ASSERT_TRUE(Open());
    model->swThreadDir_Click(kRightHand);
    model->TypeCutLength("20");
    model->Check1_Click(true);
    model->TypeText1("15");
    model->Check2_Click(true);
    model->TypeText2("5.11"); // 249 + 85 faces of 333
    int progressCalls = 0;
    auto result = model->Command1_Click([&](int, int) { ++progressCalls; });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->refusal, FaceCopyRefusal(kTooLongChamferLength));
    EXPECT_TRUE(result->text.empty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].message, FaceCopyRefusal(kTooLongChamferLength));
    EXPECT_EQ(progressCalls, 0);
    EXPECT_EQ(job.ThreadDir, 0);
    EXPECT_EQ(job.SavedCutLength, std::nullopt);
    EXPECT_TRUE(View().OkEnabled);

    model->TypeText2("5.1"); // 249 + 84: every face a chamfer face
    result = model->Command1_Click();
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->refusal, std::nullopt);
    EXPECT_EQ(result->facesWritten, 333);
}

} // namespace
} // namespace spirolan
