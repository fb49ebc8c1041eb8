// SPDX-License-Identifier: GPL-3.0-or-later
// The Mode-B text: face order and positions, chamfers, peak value, refusals, job updates.
#include "facecopy/mode_b_text.h"

#include "facecopy/face_copy_model.h"
#include "tests/facecopy/face_copy_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace spirolan {
namespace {

using testing_facecopy::JobWithModeA;
using testing_facecopy::Lines;
using Progress = std::vector<std::pair<int, int>>;

ModeBProgress Recorder(Progress& progress) {
    return [&progress](int position, int maximum) { progress.emplace_back(position, maximum); };
}

// Degrees of `count` lines from `first` on, in a text of a JobWithModeA table.
std::vector<int> Degrees(const std::vector<std::string>& lines, size_t first, size_t count) {
    std::vector<int> degrees;
    for (size_t i = first; i < first + count && i < lines.size(); ++i) {
        degrees.push_back(-std::stoi(lines[i]) / 625);
    }
    return degrees;
}

// Degrees offset..359, then 0..offset-1.
std::vector<int> Rotation(int offset) {
    std::vector<int> degrees;
    for (int d = 0; d < 360; ++d) {
        degrees.push_back((offset + d) % 360);
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

// The job as the dialog leaves it for `n` faces `zAxisPitch` mm apart.
void SetConditions(CamJob& job, int n, double zAxisPitch) {
    job.CopyNumber = static_cast<std::int16_t>(n);
    job.ZAxisPitch = zAxisPitch;
    job.CutLength = zAxisPitch * n;
}

// The right-hand choices with "Enter" and "Exit" ticked when given a length text.
ModeBChoices Chamfers(const char* enter, const char* exit, bool repeatOn = false) {
    return {.ShiftAngle = 1,
            .RightHand = true,
            .RepeatOn = repeatOn,
            .Enter = enter != nullptr,
            .EnterLength = enter ? enter : "",
            .Exit = exit != nullptr,
            .ExitLength = exit ? exit : ""};
}

// The faces and depths of chamfered texts are whole-job cases; the progress they report is not.
TEST(ModeBText, ProgressSkipsTheConstantFace) {
    CamJob job = JobWithModeA();
    SetConditions(job, 100, 0.25);
    Progress progress;
    ASSERT_FALSE(MakeModeBText(job, Chamfers("1", "1"), Recorder(progress)).text.empty());
    EXPECT_EQ(progress[1], std::make_pair(2, 100));
    EXPECT_EQ(progress.back(), std::make_pair(99, 100));
}

// The first exit face has the full depth of the turn, so its degree order shows directly: four
// exit faces 0.25 mm apart with shift angle 1 put the first exit face of n faces at degree n - 4.
struct OrderCase {
    const char* name;
    double leadCount;
    int copyNumber;
    size_t lines;
    std::vector<int> tail; // the last degrees written
    friend void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }
};

class ChamferFaceOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(ChamferFaceOrder, DegreesOfTheFirstExitFace) {
    const OrderCase& c = GetParam();
    CamJob job = JobWithModeA(c.leadCount);
    SetConditions(job, c.copyNumber, 0.25);
    const auto lines = Lines(MakeModeBText(job, Chamfers(nullptr, "1")).text);
    const auto starts = FaceStarts(lines);
    ASSERT_EQ(starts.size(), static_cast<size_t>(c.copyNumber));
    const int offset = c.copyNumber - 4;
    const size_t k = static_cast<size_t>(offset) + 1;
    ASSERT_EQ(starts[k] - starts[k - 1] - 2, c.lines);
    const auto degrees = Degrees(lines, starts[k - 1] + 2, c.lines);
    EXPECT_EQ(degrees.front(), offset);
    EXPECT_TRUE(std::equal(c.tail.rbegin(), c.tail.rend(), degrees.rbegin()));
    EXPECT_TRUE(c.lines == 180 || degrees == Rotation(offset));
    // Main and closing faces always hold the whole turn.
    EXPECT_EQ(starts[1] - starts[0] - 2, 360u);
    EXPECT_EQ(lines.size() - 1 - starts.back() - 2, 360u);
}

const OrderCase kOrderCases[] = {
    {"TwoLeadsEvenOffset", 2, 8, 180, {356, 358, 2, 4}},
    {"TwoLeadsOddOffset", 2, 9, 180, {357, 359, 2, 4}},
    {"ThreeLeadsLikeOneLead", 3, 10, 360, {3, 4, 5}},
};
INSTANTIATE_TEST_SUITE_P(ModeBText, ChamferFaceOrder, testing::ValuesIn(kOrderCases),
                         testing::PrintToStringParamName());

// With two leads, a first exit face turned by a whole turn starts at degree 0, not at 2.
TEST(ModeBText, TwoLeadExitFaceTurnedByAWholeTurn) {
    CamJob job = JobWithModeA(2);
    SetConditions(job, 30, 0.25);
    ModeBChoices choices = Chamfers(nullptr, "1.5"); // exit faces 25..29, then the closing one
    choices.ShiftAngle = 15;                         // face 25 turns by 24 * 15 = 360 degrees
    const auto lines = Lines(MakeModeBText(job, choices).text);
    const auto starts = FaceStarts(lines);
    ASSERT_EQ(starts.size(), 30u);
    ASSERT_EQ(starts[25] - starts[24] - 2, 180u);
    const auto degrees = Degrees(lines, starts[24] + 2, 180);
    EXPECT_EQ(degrees.front(), 0);
    EXPECT_EQ(degrees.back(), 358);
}

TEST(ModeBText, ConstantFaceKeepsTheFirstLargestPeakWithItsSign) {
    const std::pair<double, const char*> cases[][2] = {
        {{0.6, " 6000"}, {-0.6, " 6000"}},
        {{-0.6, "-6000"}, {0.6, "-6000"}},
        {{0.6, "-7000"}, {-0.7, "-7000"}},
    };
    for (const auto& [at10, at20] : cases) {
        CamJob job;
        job.XSTable[10] = at10.first;
        job.XSTable[20] = at20.first;
        job.XSTable[30] = 0.5;
        SetConditions(job, 10, 0.25);
        const auto lines = Lines(MakeModeBText(job, Chamfers("0.25", nullptr)).text);
        EXPECT_EQ(std::vector(lines.begin() + 5, lines.begin() + 8),
                  (std::vector<std::string>{"E1", "360/0/0", at10.second}));
        EXPECT_EQ(lines[366], at10.second);
        EXPECT_EQ(lines[367], "E 2");
    }
}

// Odd chamfer lengths and jobs: chamfers that write no faces give exactly the text of unticked
// boxes; refusals come before anything is built (no progress, no text, the job unchanged).
struct OddCase {
    const char* name;
    void (*spoil)(CamJob&);
    ModeBChoices choices;
    const char* refusal; // nullptr: built
    friend void PrintTo(const OddCase& c, std::ostream* os) { *os << c.name; }
};

const ModeBChoices kPlain = Chamfers(nullptr, nullptr);

class OddInput : public testing::TestWithParam<OddCase> {};

TEST_P(OddInput, CountLineMatchesTheFacesOrNothingChanges) {
    const OddCase& c = GetParam();
    CamJob job = JobWithModeA();
    SetConditions(job, 10, 0.25);
    CamJob copy = job;
    const std::string plain = MakeModeBText(copy, kPlain).text;
    job.SavedCutLength = 7;
    c.spoil(job);
    Progress progress;
    const ModeBResult result = MakeModeBText(job, c.choices, Recorder(progress));
    if (!c.refusal) {
        EXPECT_EQ(result.text, plain);
        EXPECT_EQ(result.facesWritten, 10);
        return;
    }
    EXPECT_EQ(result.refusal, testing_facecopy::Refusal(c.refusal));
    EXPECT_TRUE(result.text.empty() && progress.empty());
    EXPECT_EQ(job.ThreadDir, 0);
    EXPECT_EQ(job.SavedCutLength, 7);
}

void Keep(CamJob&) {}
const char* const kChamfer = "Too long chamfer length !!";
const char* const kData = "Data error ";

const OddCase kOddCases[] = {
    {"EnterEmpty", Keep, Chamfers("", nullptr), nullptr},
    {"ExitShorterThanOnePitch", Keep, Chamfers(nullptr, "0.24"), nullptr},
    {"ExitNegativeOverflow", Keep, Chamfers(nullptr, "-1E400"), nullptr},
    {"RepeatOnIgnoresTickedChamfers", Keep, Chamfers("1", "1", true), nullptr},
    {"ExitBeyond16Bits", Keep, Chamfers(nullptr, "10000"), kChamfer},
    {"Overflow", Keep, Chamfers("1E400", nullptr), kChamfer},
    {"CopyNumberZero", [](CamJob& j) { j.CopyNumber = 0; }, kPlain, kData},
    {"ZAxisPitchNaN", [](CamJob& j) { j.ZAxisPitch = NAN; }, kPlain, kData},
    {"PositionsBeyondDouble", [](CamJob& j) { j.ZAxisPitch = 1e305; }, kPlain, kData},
    {"LeadCountFour", [](CamJob& j) { j.LeadCount = 4; }, kPlain, kData},
    {"TableBeyondSingle", [](CamJob& j) { j.XSTable[7] = 1e35; }, kPlain, kData},
};
INSTANTIATE_TEST_SUITE_P(ModeBText, OddInput, testing::ValuesIn(kOddCases),
                         testing::PrintToStringParamName());

} // namespace
} // namespace spirolan
