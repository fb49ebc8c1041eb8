// The Mode-B text: face order and positions, chamfers, peak value, refusals, job updates.
#include "mode_b_text.h"

#include "face_copy_fixture.h"
#include "face_copy_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace spirolan {
namespace {

using testing_facecopy::DegreeLine;
using testing_facecopy::JobWithModeA;
using testing_facecopy::Lines;

// Degrees offset..359, then 0..offset-1.
std::vector<int> Rotation(int offset) {
    std::vector<int> degrees;
    for (int d = 0; d < 360; ++d) {
        degrees.push_back((offset + d) % 360);
    }
    return degrees;
}

// Degrees of the lines from `first` on in a table made by JobWithModeA (line -625 d).
std::vector<int> Degrees(const std::vector<std::string>& lines, size_t first, size_t count) {
    std::vector<int> degrees;
    for (size_t i = first; i < first + count && i < lines.size(); ++i) {
        degrees.push_back(-std::stoi(lines[i]) / 625);
    }
    return degrees;
}

// Indexes of the face header lines ("E..." but not "END").
std::vector<size_t> FaceStarts(const std::vector<std::string>& lines) {
    std::vector<size_t> starts;
    for (size_t i = 5; i < lines.size(); ++i) {
        if (lines[i][0] == 'E' && lines[i] != "END") {
            starts.push_back(i);
        }
    }
    return starts;
}

using Progress = std::vector<std::pair<int, int>>;

ModeBProgress Recorder(Progress& progress) {
    return [&progress](int position, int maximum) { progress.emplace_back(position, maximum); };
}

// The job as the dialog leaves it for `n` faces `zAxisPitch` mm apart.
void SetConditions(CamJob& job, int n, double zAxisPitch) {
    job.CopyNumber = static_cast<std::int16_t>(n);
    job.ZAxisPitch = zAxisPitch;
    job.CutLength = zAxisPitch * n;
}

TEST(ModeBText, TwentyMillimetresAtPitch36RightHand) {
    CamJob job = JobWithModeA();
    FaceCopyModel dialog(job, {});
    ASSERT_TRUE(dialog.Open());
    dialog.MaxFace_Click(1);
    dialog.swThreadDir_Click(kRightHand);
    dialog.TypeCutLength("20");
    Progress progress;
    auto result = dialog.Command1_Click(Recorder(progress));
    ASSERT_TRUE(result.has_value());
    ASSERT_EQ(result->refusal, std::nullopt);
    const std::string& text = result->text;

    EXPECT_TRUE(text.starts_with(
        "CAM4\r\nU\r\n0\r\nM\r\n 333\r\nE 1\r\n360/ 0/0\r\n 0\r\n-625\r\n-1250\r\n"));
    // The last face starts at degree 6 * 332 - 5 * 360 = 192 and ends at 191.
    EXPECT_TRUE(text.ends_with("\r\n-118750\r\n-119375\r\nEND\r\n"));
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 5u + 333 * 362 + 1);
    const auto starts = FaceStarts(lines);
    ASSERT_EQ(starts.size(), 333u);
    for (int k = 1; k <= 333; ++k) {
        const size_t at = starts[k - 1];
        ASSERT_EQ(at, 5u + (k - 1) * 362u) << "face " << k;
        ASSERT_EQ(lines[at], "E " + std::to_string(k));
        ASSERT_EQ(Degrees(lines, at + 2, 360), Rotation(6 * (k - 1) % 360)) << "face " << k;
    }
    EXPECT_EQ(lines[starts[1] + 1], "360/ 600/0");
    EXPECT_EQ(lines[starts[2] + 1], "360/ 1201/0");
    EXPECT_EQ(lines[starts[2] + 2], DegreeLine(12));
    EXPECT_EQ(lines[starts[332] + 1], "360/ 199399/0");
    EXPECT_EQ(result->facesWritten, 333);

    EXPECT_EQ(job.ThreadDir, 1);
    EXPECT_EQ(job.SavedCutLength, 20);
    ASSERT_EQ(progress.size(), 334u);
    for (int k = 0; k <= 333; ++k) {
        EXPECT_EQ(progress[k], std::make_pair(k, 333));
    }
}

TEST(ModeBText, LeftHandTurnsTheFacesBack) {
    CamJob job = JobWithModeA();
    SetConditions(job, 333, 20.0 / 333);
    ModeBChoices choices;
    choices.ShiftAngle = -6;
    const auto lines = Lines(MakeModeBText(job, choices).text);
    const auto starts = FaceStarts(lines);
    ASSERT_EQ(starts.size(), 333u);
    EXPECT_EQ(Degrees(lines, starts[1] + 2, 360), Rotation(354));
    EXPECT_EQ(Degrees(lines, starts[2] + 2, 360), Rotation(348));
    EXPECT_EQ(job.ThreadDir, -1);
}

TEST(ModeBText, GrooveWithFourFaceChamfers) {
    CamJob job;
    for (int d = 0; d < 360; ++d) {
        job.XSTable[d] = d < 180 ? 0.0 : -0.6; // top 0, deepest -6000
    }
    SetConditions(job, 100, 0.25);
    ModeBChoices choices{1, true, false, true, "1", true, "1"}; // 4 faces each
    Progress progress;
    ModeBResult result = MakeModeBText(job, choices, Recorder(progress));
    ASSERT_EQ(result.refusal, std::nullopt);
    const auto lines = Lines(result.text);
    EXPECT_EQ(lines[4], " 100");
    const auto starts = FaceStarts(lines);
    ASSERT_EQ(starts.size(), 100u);
    EXPECT_EQ(result.facesWritten, 100);

    auto faceLines = [&](int k) {
        return std::vector<std::string>(lines.begin() + starts[k - 1] + 2,
                                        lines.begin() + starts[k - 1] + 362);
    };
    const std::vector<std::string> deepest(360, "-6000");
    EXPECT_EQ(lines[starts[0]], "E1");
    EXPECT_EQ(lines[starts[0] + 1], "360/0/0");
    EXPECT_EQ(faceLines(1), deepest);
    // Each face starts at degree k - 1, where the groove's top (0) lies.
    const char* firstLines[] = {"-4500", "-3000", "-1500"};
    for (int k = 2; k <= 4; ++k) {
        EXPECT_EQ(faceLines(k)[0], firstLines[k - 2]) << "face " << k;
    }
    for (int k = 5; k <= 96; ++k) {
        EXPECT_EQ(faceLines(k)[0], " 0") << "face " << k;
    }
    const char* exitLines[] = {" 0", "-1500", "-3000"};
    for (int k = 97; k <= 99; ++k) {
        EXPECT_EQ(faceLines(k)[0], exitLines[k - 97]) << "face " << k;
    }
    EXPECT_EQ(lines[starts[99]], "E 100");
    EXPECT_EQ(lines[starts[99] + 1], "360/ 247500/0");
    EXPECT_EQ(faceLines(100), deepest);
    EXPECT_EQ(lines.back(), "END");

    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), std::make_pair(0, 100));
    EXPECT_EQ(progress[1], std::make_pair(2, 100)); // not after the constant face
    EXPECT_EQ(progress.back(), std::make_pair(99, 100));
    EXPECT_EQ(progress.size(), 99u);
}

// The first exit face is a chamfer face at the full depth of the turn: its lines are the
// degrees' own values, so its degree order shows directly. Four exit faces 0.25 mm apart with
// shift angle 1 put the first exit face of n faces at degree n - 4.
struct OrderCase {
    const char* name;
    double leadCount;
    int copyNumber;
    size_t lines;
    std::vector<int> tail; // the last degrees written
};
void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.name;
}

class ChamferFaceOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(ChamferFaceOrder, DegreesOfTheFirstExitFace) {
    const OrderCase& c = GetParam();
    CamJob job = JobWithModeA(3.6, c.leadCount);
    SetConditions(job, c.copyNumber, 0.25);
    ModeBChoices choices{1, true, false, false, "", true, "1"};
    ModeBResult result = MakeModeBText(job, choices);
    ASSERT_EQ(result.refusal, std::nullopt);
    const auto lines = Lines(result.text);
    const auto starts = FaceStarts(lines);
    ASSERT_EQ(starts.size(), static_cast<size_t>(c.copyNumber));
    const int offset = c.copyNumber - 4;
    const size_t k = static_cast<size_t>(offset) + 1;
    ASSERT_EQ(starts[k] - starts[k - 1] - 2, c.lines);
    const auto degrees = Degrees(lines, starts[k - 1] + 2, c.lines);
    EXPECT_EQ(degrees.front(), offset);
    EXPECT_TRUE(std::equal(c.tail.rbegin(), c.tail.rend(), degrees.rbegin()));
    if (c.lines == 360) {
        EXPECT_EQ(degrees, Rotation(offset));
    }
    // Main and closing faces always hold the whole turn.
    EXPECT_EQ(starts[1] - starts[0] - 2, 360u);
    EXPECT_EQ(lines.size() - 1 - starts.back() - 2, 360u);
}

const OrderCase kOrderCases[] = {
    {"OneLead", 1, 12, 360, {5, 6, 7}},
    {"TwoLeadsEvenOffset", 2, 8, 180, {356, 358, 2, 4}},
    {"TwoLeadsOddOffset", 2, 9, 180, {357, 359, 2, 4}},
    {"ThreeLeadsLikeOneLead", 3, 10, 360, {3, 4, 5}},
};
INSTANTIATE_TEST_SUITE_P(ModeBText, ChamferFaceOrder, testing::ValuesIn(kOrderCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PeakCase {
    const char* name;
    double degree10;
    double degree20;
    const char* constantLine;
};
void PrintTo(const PeakCase& c, std::ostream* os) {
    *os << c.name;
}

class PeakValue : public testing::TestWithParam<PeakCase> {};

TEST_P(PeakValue, ConstantFaceKeepsTheFirstLargestWithItsSign) {
    const PeakCase& c = GetParam();
    CamJob job;
    job.XSTable[10] = c.degree10;
    job.XSTable[20] = c.degree20;
    job.XSTable[30] = 0.5;
    SetConditions(job, 10, 0.25);
    ModeBChoices choices{1, true, false, true, "0.25", false, ""}; // one face: the constant one
    const auto lines = Lines(MakeModeBText(job, choices).text);
    const auto starts = FaceStarts(lines);
    ASSERT_EQ(starts.size(), 10u);
    EXPECT_EQ(lines[starts[0]], "E1");
    EXPECT_EQ(lines[starts[0] + 2], c.constantLine);
    EXPECT_EQ(lines[starts[0] + 361], c.constantLine);
    EXPECT_EQ(lines[starts[1]], "E 2");
}

const PeakCase kPeakCases[] = {
    {"PositiveFirst", 0.6, -0.6, " 6000"},
    {"NegativeFirst", -0.6, 0.6, "-6000"},
    {"LargerLaterWins", 0.6, -0.7, "-7000"},
};
INSTANTIATE_TEST_SUITE_P(ModeBText, PeakValue, testing::ValuesIn(kPeakCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Chamfers that write no faces give exactly the text of unticked boxes.
struct NoChamferCase {
    const char* name;
    ModeBChoices choices;
};
void PrintTo(const NoChamferCase& c, std::ostream* os) {
    *os << c.name;
}

class NoChamferFaces : public testing::TestWithParam<NoChamferCase> {};

TEST_P(NoChamferFaces, CountLineMatchesTheFaces) {
    CamJob job = JobWithModeA();
    SetConditions(job, 10, 0.25);
    ModeBChoices plain{7, true, false, false, "", false, ""};
    const std::string expected = MakeModeBText(job, plain).text;
    ModeBResult result = MakeModeBText(job, GetParam().choices);
    ASSERT_EQ(result.refusal, std::nullopt);
    EXPECT_EQ(result.facesWritten, 10);
    EXPECT_EQ(result.text, expected);
}

const NoChamferCase kNoChamferCases[] = {
    {"EnterEmpty", {7, true, false, true, "", false, ""}},
    {"EnterShorterThanOnePitch", {7, true, false, true, "0.2", false, ""}},
    {"EnterNegative", {7, true, false, true, "-1", false, ""}},
    {"EnterNonNumeric", {7, true, false, true, "abc", false, ""}},
    {"ExitEmpty", {7, true, false, false, "", true, ""}},
    {"ExitShorterThanOnePitch", {7, true, false, false, "", true, "0.24"}},
    {"ExitNegativeOverflow", {7, true, false, false, "", true, "-1E400"}},
    {"RepeatOnIgnoresTickedChamfers", {7, true, true, true, "1", true, "1"}},
};
INSTANTIATE_TEST_SUITE_P(ModeBText, NoChamferFaces, testing::ValuesIn(kNoChamferCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Refusals come before anything is built: no progress, no text, the job unchanged.
struct RefusalCase {
    const char* name;
    void (*spoil)(CamJob&);
    ModeBChoices choices;
    const char* message;
};
void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, ChangesNothing) {
    const RefusalCase& c = GetParam();
    CamJob job = JobWithModeA();
    SetConditions(job, 10, 0.25);
    job.SavedCutLength = 7;
    c.spoil(job);
    Progress progress;
    ModeBResult result = MakeModeBText(job, c.choices, Recorder(progress));
    EXPECT_EQ(result.refusal, FaceCopyRefusal(c.message));
    EXPECT_TRUE(result.text.empty());
    EXPECT_EQ(result.facesWritten, 0);
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(job.ThreadDir, 0);
    EXPECT_EQ(job.SavedCutLength, 7);
}

void Keep(CamJob&) {}
const ModeBChoices kPlain{1, true, false, false, "", false, ""};

const RefusalCase kRefusalCases[] = {
    {"ChamfersAboveCopyNumber",
     Keep,
     {1, true, false, true, "2", true, "0.75"},
     kTooLongChamferLength},
    {"EntryAboveCopyNumber",
     Keep,
     {1, true, false, true, "2.75", false, ""},
     kTooLongChamferLength},
    {"ExitBeyond16Bits", Keep, {1, true, false, false, "", true, "10000"}, kTooLongChamferLength},
    {"Huge", Keep, {1, true, false, true, "1e300", true, "1e300"}, kTooLongChamferLength},
    {"Overflow", Keep, {1, true, false, true, "1E400", false, ""}, kTooLongChamferLength},
    {"CopyNumberZero", [](CamJob& j) { j.CopyNumber = 0; }, kPlain, kFaceCopyDataError},
    {"CopyNumberNegative", [](CamJob& j) { j.CopyNumber = -5; }, kPlain, kFaceCopyDataError},
    {"ZAxisPitchEmpty", [](CamJob& j) { j.ZAxisPitch.reset(); }, kPlain, kFaceCopyDataError},
    {"ZAxisPitchNaN", [](CamJob& j) { j.ZAxisPitch = NAN; }, kPlain, kFaceCopyDataError},
    {"PositionsBeyondDouble", [](CamJob& j) { j.ZAxisPitch = 1e305; }, kPlain, kFaceCopyDataError},
    {"LeadCountFour", [](CamJob& j) { j.LeadCount = 4; }, kPlain, kFaceCopyDataError},
    {"TableBeyondSingle", [](CamJob& j) { j.XSTable[7] = 1e35; }, kPlain, kFaceCopyDataError},
    {"TableNaN", [](CamJob& j) { j.XSTable[359] = NAN; }, kPlain, kFaceCopyDataError},
};
INSTANTIATE_TEST_SUITE_P(ModeBText, Refusal, testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace spirolan
