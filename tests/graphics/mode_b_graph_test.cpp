// Mode-B graph: grid and labels along Z, the turns of the curve, and the early end.
#include "mode_b_graph.h"

#include "graph_style.h"
#include "recording_surface.h"
#include "surface_trace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace spirolan {
namespace {

using Kind = SurfaceOp::Kind;
using Strings = std::vector<std::string>;

CamJob ModeBJob(OptionalNumber cutLength, OptionalNumber leadPitch, double leadCount = 1,
                bool repeat = false) {
    CamJob job;
    job.CutLength = cutLength;
    job.LeadPitch = leadPitch;
    job.LeadCount = leadCount;
    job.Repeat = repeat;
    for (int k = 0; k < kTableSize; ++k) {
        job.XSTable[k] = -0.001 * k;
    }
    return job;
}

std::set<float> VerticalGridX(const RecordingSurface& surface) {
    std::set<float> xs;
    for (const SurfaceOp& op : surface.LinesIn(kGridGreen)) {
        if (op.x1 == op.x2) {
            xs.insert(op.x1);
        }
    }
    return xs;
}

// The Z labels: the texts printed on the bottom line y = 3.
Strings ZLabels(const RecordingSurface& surface) {
    Strings labels;
    for (const SurfaceOp& op : surface.OpsOf(Kind::PrintLine)) {
        if (op.y1 == 3) {
            labels.push_back(op.text);
        }
    }
    return labels;
}

struct GridCase {
    const char* name;
    double cutLength;
    bool repeat;
    std::set<float> lines;
    Strings labels;
};

void PrintTo(const GridCase& c, std::ostream* os) {
    *os << c.name;
}

class ModeBGridTest : public testing::TestWithParam<GridCase> {};

TEST_P(ModeBGridTest, LinesAndLabels) {
    const GridCase& c = GetParam();
    const CamJob job = ModeBJob(c.cutLength, 3.6, 1, c.repeat);
    RecordingSurface picture2;
    RecordingSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    EXPECT_EQ(VerticalGridX(picture2), c.lines);
    EXPECT_EQ(ZLabels(picture2), c.labels);
}

const GridCase kGridCases[] = {
    {"RepeatOffEvery5mmAndClosingLine", 12, false, {0, 5, 10, 12}, {" 0", " 5", " 10"}},
    {"RepeatOnEveryMillimetre", 3, true, {0, 1, 2, 3}, {" 0", " 1", " 2", " 3"}},
    {"ShortLengthOnlyZeroAndEnd", 0.5, false, {0, 0.5f}, {" 0"}},
    {"EndOnAGridLine", 20, false, {0, 5, 10, 15, 20}, {" 0", " 5", " 10", " 15", " 20"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ModeBGridTest, testing::ValuesIn(kGridCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ModeBGraph, OrderOfOperations) {
    const CamJob job = ModeBJob(12, 3);
    RecordingSurface picture2;
    RecordingSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    // Grid lines 0, 5, 10 each followed by the closing line at 12; labels; four turns and the
    // one-degree start of the fifth; pointer.
    const std::string expected = "BCS" + Repeat("L", 7) + Repeat("LL", 3) + "FT" + Repeat("PW", 7) +
                                 "PW" + Repeat("PW", 3) + "PW" + Repeat("L", 4 * 360 + 1) + "R";
    EXPECT_EQ(Trace(picture2), expected);
    EXPECT_EQ(Trace(picture3), "H");

    const SurfaceOp scale = picture2.OpsOf(Kind::SetScale).front();
    EXPECT_EQ(scale.x1, static_cast<float>(-0.055 * 12));
    EXPECT_EQ(scale.y1, -3.5f);
    EXPECT_EQ(scale.x2, static_cast<float>(1.11 * 12));
    EXPECT_EQ(scale.y2, 7);
    const std::vector<SurfaceOp> texts = picture2.OpsOf(Kind::PrintLine);
    EXPECT_EQ(texts[0].x1, static_cast<float>(-0.035 * 12));
    EXPECT_EQ(texts[0].y1, -3.3f);
    EXPECT_EQ(texts[7].text, "mm");
    EXPECT_EQ(texts[7].x1, 0);
    EXPECT_EQ(texts[9].x1, static_cast<float>(5 - 0.02 * 12));
    EXPECT_EQ(texts.back().text, "mm");
    EXPECT_EQ(texts.back().x1, static_cast<float>(1.01 * 12));
    EXPECT_EQ(texts.back().y1, 2.5f);
    EXPECT_EQ(picture2.OpsOf(Kind::SetPointer).front().pointer, PointerShape::CrossHair);
}

struct CurveCase {
    const char* name;
    double cutLength;
    double leadPitch;
    double leadCount;
    std::size_t segments;
    float firstZ; // start of the first segment of the last turn drawn
    float endZ;   // end of the last segment
};

void PrintTo(const CurveCase& c, std::ostream* os) {
    *os << c.name;
}

class ModeBCurveTest : public testing::TestWithParam<CurveCase> {};

TEST_P(ModeBCurveTest, Turns) {
    const CurveCase& c = GetParam();
    const CamJob job = ModeBJob(c.cutLength, c.leadPitch, c.leadCount);
    RecordingSurface picture2;
    RecordingSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    const std::vector<SurfaceOp> curve = picture2.LinesIn(kCurveYellow);
    ASSERT_EQ(curve.size(), c.segments);
    EXPECT_EQ(curve.front().x1, 0);
    EXPECT_EQ(curve.front().y1, 0);
    EXPECT_EQ(curve.front().y2, 0.001f);
    const std::size_t lastTurnStart = (curve.size() - 1) / 360 * 360;
    EXPECT_FLOAT_EQ(curve[lastTurnStart].x1, c.firstZ);
    EXPECT_FLOAT_EQ(curve.back().x2, c.endZ);
    for (std::size_t k = 1; k < curve.size(); ++k) {
        if (k % 360 != 0) {
            ASSERT_EQ(curve[k].x1, curve[k - 1].x2) << "segment " << k;
        }
    }
}

const CurveCase kCurveCases[] = {
    // n = 4: four full turns and one segment from Z = L to one degree beyond.
    {"ExactlyFourTurns", 12, 3, 1, 4 * 360 + 1, 12, 12 + 3.0 / 360},
    // n = 0.5: no full turn; the partial turn from Z = 0 covers degrees 0..180.
    {"ShorterThanATurn", 1.8, 3.6, 1, 181, 0, 1.8 + 3.6 / 360},
    // Two leads: a turn covers two lead pitches; n = 20 / 1.8 / 2 = 5.56, and 360 (n - 5)
    // comes out just under 200, so the partial turn stops at degree 199 and ends at L.
    {"TwoLeads", 20, 1.8, 2, 5 * 360 + 200, 18, 20},
    {"ReferenceCutLength", 20, 3.6, 1, 5 * 360 + 200, 18, 20},
};

INSTANTIATE_TEST_SUITE_P(Cases, ModeBCurveTest, testing::ValuesIn(kCurveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoCurveCase {
    const char* name;
    OptionalNumber leadPitch;
    double leadCount;
};

void PrintTo(const NoCurveCase& c, std::ostream* os) {
    *os << c.name;
}

class ModeBNoCurveTest : public testing::TestWithParam<NoCurveCase> {};

TEST_P(ModeBNoCurveTest, GridAndLabelsOnly) {
    const NoCurveCase& c = GetParam();
    const CamJob job = ModeBJob(12, c.leadPitch, c.leadCount);
    RecordingSurface picture2;
    RecordingSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    EXPECT_TRUE(picture2.LinesIn(kCurveYellow).empty());
    EXPECT_EQ(VerticalGridX(picture2), (std::set<float>{0, 5, 10, 12}));
    EXPECT_EQ(picture2.OpsOf(Kind::SetPointer).size(), 1u);
    EXPECT_EQ(Trace(picture3), "H");
}

const NoCurveCase kNoCurveCases[] = {
    {"FourLeads", 3.6, 4},
    {"NoLeads", 3.6, 0},
    {"FractionalLeads", 3.6, 1.5},
    {"ZeroLeadPitch", 0.0, 1},
    {"EmptyLeadPitch", std::nullopt, 1},
    {"LeadPitchTooSmallForFiniteTurns", 1e-320, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, ModeBNoCurveTest, testing::ValuesIn(kNoCurveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct EarlyEndCase {
    const char* name;
    OptionalNumber cutLength;
};

void PrintTo(const EarlyEndCase& c, std::ostream* os) {
    *os << c.name;
}

class ModeBEarlyEndTest : public testing::TestWithParam<EarlyEndCase> {};

TEST_P(ModeBEarlyEndTest, NothingDrawnNothingShown) {
    const CamJob job = ModeBJob(GetParam().cutLength, 3.6);
    RecordingSurface picture2;
    RecordingSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    EXPECT_TRUE(picture2.Ops().empty());
    EXPECT_TRUE(picture3.Ops().empty());
}

const EarlyEndCase kEarlyEndCases[] = {
    {"NoFaceCopyYet", std::nullopt},
    {"Zero", 0.0},
    {"Negative", -12.0},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN()},
    {"Infinite", std::numeric_limits<double>::infinity()},
};

INSTANTIATE_TEST_SUITE_P(Cases, ModeBEarlyEndTest, testing::ValuesIn(kEarlyEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ModeBGraph, CurveLeavingTheSurfaceIsDrawnForClipping) {
    CamJob job = ModeBJob(12, 3);
    job.XSTable[10] = 5.0;
    RecordingSurface picture2;
    RecordingSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    const std::vector<SurfaceOp> curve = picture2.LinesIn(kCurveYellow);
    ASSERT_EQ(curve.size(), 4u * 360 + 1);
    for (int turn = 0; turn < 4; ++turn) {
        EXPECT_EQ(curve[turn * 360 + 9].y2, -5.0f);
        EXPECT_EQ(curve[turn * 360 + 10].y1, -5.0f);
    }
    const Strings texts = picture2.Texts();
    EXPECT_EQ(Strings(texts.begin(), texts.begin() + 7),
              (Strings{" 3", " 2", " 1", " 0", "-1", "-2", "-3"}));
}

// Counts what a hostile job draws without keeping it.
class CountingSurface final : public GraphSurface {
public:
    void SetBackColor(Rgb) override {}
    void Clear() override {}
    void SetScale(float, float, float, float) override {}
    void DrawLine(float x1, float, float x2, float, Rgb color) override {
        if (color == kCurveYellow) {
            ++curve;
            maxCurveZ = std::max(maxCurveZ, std::max(x1, x2));
        } else {
            ++grid;
        }
    }
    void SetForeColor(Rgb) override {}
    void SetFontSize(float) override {}
    void SetCurrentPosition(float, float) override {}
    void PrintLine(std::string_view) override { ++texts; }
    void SetPointer(PointerShape) override {}
    void Show() override {}

    long curve = 0;
    long grid = 0;
    long texts = 0;
    float maxCurveZ = 0;
};

struct HugeCase {
    const char* name;
    double cutLength;
    double leadPitch;
    bool repeat;
};

void PrintTo(const HugeCase& c, std::ostream* os) {
    *os << c.name;
}

class ModeBHugeTest : public testing::TestWithParam<HugeCase> {};

TEST_P(ModeBHugeTest, WorkStaysBoundedAndReachesTheEnd) {
    const HugeCase& c = GetParam();
    const CamJob job = ModeBJob(c.cutLength, c.leadPitch, 1, c.repeat);
    CountingSurface picture2;
    CountingSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    const auto maxTurns = static_cast<long>(kMaxDrawnTurns);
    const auto maxGrid = static_cast<long>(kMaxZGridLines);
    EXPECT_GT(picture2.curve, 0);
    EXPECT_LE(picture2.curve, (maxTurns + 2) * 360);
    EXPECT_LE(picture2.grid, 7 + 2 * (maxGrid + 1));
    EXPECT_LE(picture2.texts, 9 + maxGrid + 1);
    // The curve still runs to the end of the cutting length.
    EXPECT_GE(picture2.maxCurveZ, static_cast<float>(c.cutLength) * 0.999f);
}

const HugeCase kHugeCases[] = {
    {"BillionTurns", 1e6, 1e-3, false},
    {"MillionGridLines", 1e6, 1e2, true},
    {"BeyondSinglePrecision", 1e300, 1, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, ModeBHugeTest, testing::ValuesIn(kHugeCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace spirolan
