// SPDX-License-Identifier: GPL-3.0-or-later
// Cam graphs on a recording surface: what is drawn and in which order, with the motion figures
// of the worked examples and their number formats; Mode-B thinning and hostile jobs (the Mode-B
// grid and turns of real jobs are whole-job cases).
#include "graphics/graph_style.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"
#include "graphics/motion_figures.h"
#include "graphics/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

// One letter per recorded operation, in the order of SurfaceOp::Kind: B back colour, C clear,
// S scale, T text colour, F font size, P position, W print line, R pointer, H show; lines by
// colour: g grid, y curve, r acceleration.
std::string Trace(const RecordingSurface& surface) {
    std::string trace;
    for (const SurfaceOp& op : surface.Ops()) {
        trace += op.kind != SurfaceOp::Kind::DrawLine ? "BCSLTFPWRH"[static_cast<int>(op.kind)]
                 : op.color == kGridGreen             ? 'g'
                 : op.color == kCurveYellow           ? 'y'
                                                      : 'r';
    }
    return trace;
}

std::string Repeat(const std::string& part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += part;
    }
    return text;
}

using Table = std::array<OptionalNumber, kTableSize>;

struct ModeACase {
    const char* name;
    double spindleSpeed;
    void (*fill)(Table&);  // the others stay empty
    const char* speedLine; // the maxima the drawing returns, as figure lines
    const char* gravityLine;
    float lastRedY = 0; // the red curve is drawn as -A and ends at C = 358
    friend void PrintTo(const ModeACase& c, std::ostream* os) { *os << c.name; }
};

class ModeAGraph : public testing::TestWithParam<ModeACase> {};

TEST_P(ModeAGraph, OperationsCurvesAndFigureBoxes) {
    const ModeACase& c = GetParam();
    CamJob job;
    job.SpindleSpeed = c.spindleSpeed;
    c.fill(job.XSTable);
    RecordingSurface picture1, picture4, picture5, picture3;
    const MotionFigures drawn = DrawModeAGraph(job, picture1, picture4, picture5, picture3);

    // Background, scale, grid, XS labels, "mm", "G" in red, C labels, "deg" (their texts are in
    // the whole-job SVG cases); then degree i's XS segment, its acceleration segment (i <= 357),
    // degree i + 1; the cross-hair pointer.
    const bool figures = c.spindleSpeed > 0;
    EXPECT_EQ(Trace(picture1), "BCS" + Repeat("g", 20) + "FT" + Repeat("PW", 8) +
                                   (figures ? "TWT" : "") + Repeat("PW", 14) +
                                   (figures ? Repeat("yr", 358) + "yy" : Repeat("y", 360)) + "R");
    EXPECT_EQ(picture1.OpsOf(SurfaceOp::Kind::SetPointer).front().pointer, PointerShape::CrossHair);
    EXPECT_EQ(Trace(picture3), "H");

    if (figures) {
        const SurfaceOp lastRed = picture1.LinesIn(kAccelerationRed).back();
        EXPECT_EQ(lastRed.x2, 358);
        EXPECT_NEAR(lastRed.y2, c.lastRedY, 1e-4);
    }
    EXPECT_EQ(Trace(picture5), figures ? "CW" : "C");
    EXPECT_EQ(Trace(picture4), figures ? "CWW" : "C");
    EXPECT_EQ(MaxSpeedLine(drawn.MaxSpeed), c.speedLine);
    EXPECT_EQ(MaxGravityLine(drawn.MaxGravity), c.gravityLine);
}

void Spike100(Table& xs) {
    xs[100] = 1.0;
}
const char* const kNoSpeed = "Max.Speed  = 0. mm/s";
const char* const kNoGravity = "Max.Gravity = 0. G";

const ModeACase kModeACases[] = {
    {"NoSpindleSpeedNoRedCurve", 0, Spike100, kNoSpeed, kNoGravity},
    {"SpindleSpeedNotANumber", NAN, Spike100, kNoSpeed, kNoGravity},
    {"EmptyTableFlatLines", 1000, [](Table&) {}, kNoSpeed, kNoGravity},
    {"SpikeAt100", 60, Spike100, "Max.Speed  = 360. mm/s", "Max.Gravity = 26.449 G"},
    {"ConstantRise", 600,
     [](Table& xs) {
         for (int k = 0; k < kTableSize; ++k) {
             xs[k] = 0.01 * k;
         }
     },
     "Max.Speed  = 36. mm/s", kNoGravity},
    {"SpikeAt359OnlyInGravity", 60, [](Table& xs) { xs[359] = 1.0; }, kNoSpeed,
     "Max.Gravity = 13.224 G", 26.4489796f},
    // The last red segment still rises by 13.22 G.
    {"SpikeAt360InNoMaximum", 60, [](Table& xs) { xs[360] = 1.0; }, kNoSpeed, kNoGravity,
     -13.2244898f},
};
INSTANTIATE_TEST_SUITE_P(Cases, ModeAGraph, testing::ValuesIn(kModeACases),
                         testing::PrintToStringParamName());

TEST(MotionFigures, NotFiniteShowsDashNeverCrashes) {
    std::array<OptionalNumber, kTableSize> xs{};
    xs[100] = 1.0;
    const MotionFigures huge = ComputeMotionFigures(xs, 1e300);
    EXPECT_TRUE(MaxSpeedLine(huge.MaxSpeed).starts_with("Max.Speed  = 6")); // all its 303 digits
    EXPECT_EQ(MaxGravityLine(huge.MaxGravity), "Max.Gravity = - G");
    const MotionFigures infinite = ComputeMotionFigures(xs, HUGE_VAL);
    EXPECT_EQ(infinite.Steps.size(), 358u);
    EXPECT_EQ(MaxSpeedLine(infinite.MaxSpeed), "Max.Speed  = - mm/s");
    EXPECT_EQ(FigureNumberText(DBL_MAX, 3).size(), 310u); // every digit of the largest finite
}

struct NumberCase {
    const char* name;
    double value;
    const char* twoPlaces;
    const char* threePlaces;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }
};

class FigureNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(FigureNumber, BothFormats) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(FigureNumberText(c.value, 2), c.twoPlaces);
    EXPECT_EQ(FigureNumberText(c.value, 3), c.threePlaces);
}

const NumberCase kNumberCases[] = {
    {"Gravity", 26.44897959, "26.45", "26.449"},
    {"ExactHalfAwayFromZero", 0.125, "0.13", "0.125"},
    {"StoredBelowHalf", 2.675, "2.67", "2.675"},
    {"CarryIntoInteger", 9.999, "10.", "9.999"},
    {"NegativeRoundsToZero", -0.0001, "0.", "0."},
};
INSTANTIATE_TEST_SUITE_P(Cases, FigureNumber, testing::ValuesIn(kNumberCases),
                         testing::PrintToStringParamName());

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

// Counts what a job draws without keeping it.
class CountingSurface final : public GraphSurface {
public:
    void SetBackColor(Rgb) override { ++ops; }
    void Clear() override { ++ops; }
    void SetScale(float, float, float, float) override { ++ops; }
    void DrawLine(float x1, float, float x2, float, Rgb color) override {
        ++ops;
        if (color == kCurveYellow) {
            ++curve;
            maxCurveZ = std::max({maxCurveZ, x1, x2});
        }
    }
    void SetForeColor(Rgb) override { ++ops; }
    void SetFontSize(float) override { ++ops; }
    void SetCurrentPosition(float, float) override { ++ops; }
    void PrintLine(std::string_view) override { ++ops; }
    float TextWidth(std::string_view) override { return 0; }
    float TextHeight() override { return 0; }
    void FillRect(float, float, float, float, Rgb) override { ++ops; }
    void SetPointer(PointerShape) override { ++ops; }
    void Show() override { ++ops; }

    long ops = 0;
    long curve = 0;
    float maxCurveZ = 0;
};

struct HostileCase {
    const char* name;
    OptionalNumber cutLength, leadPitch;
    double leadCount = 1;
    bool repeat = false;
    bool drawn = false; // anything at all: surface and read-out box untouched otherwise
    bool curve = false; // implies drawn
    friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }
};

class ModeBHostile : public testing::TestWithParam<HostileCase> {};

TEST_P(ModeBHostile, BoundedWorkNeverRefused) {
    const HostileCase& c = GetParam();
    CountingSurface picture2, picture3;
    DrawModeBGraph(ModeBJob(c.cutLength, c.leadPitch, c.leadCount, c.repeat), picture2, picture3);
    const bool drawn = c.drawn || c.curve;
    EXPECT_EQ(picture2.ops > 0, drawn);
    EXPECT_EQ(picture3.ops, drawn ? 1 : 0);
    EXPECT_EQ(picture2.curve > 0, c.curve);
    EXPECT_LE(picture2.ops, 40 + (kMaxDrawnTurns + 2) * 360 + 4 * (kMaxZGridLines + 1));
    if (c.curve) { // the curve still runs to the end of the cutting length
        EXPECT_GE(picture2.maxCurveZ, static_cast<float>(*c.cutLength) * 0.999f);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const HostileCase kHostileCases[] = {
    {.name = "NoFaceCopyYet", .cutLength = std::nullopt, .leadPitch = 3.6},
    {.name = "ZeroLength", .cutLength = 0.0, .leadPitch = 3.6},
    {.name = "LengthNotANumber", .cutLength = kNaN, .leadPitch = 3.6},
    {.name = "FourLeads", .cutLength = 12, .leadPitch = 3.6, .leadCount = 4, .drawn = true},
    {.name = "ZeroLeadPitch", .cutLength = 12, .leadPitch = 0.0, .drawn = true},
    {.name = "NoFiniteTurnCount", .cutLength = 12, .leadPitch = 1e-320, .drawn = true},
    {.name = "BillionTurns", .cutLength = 1e6, .leadPitch = 1e-3, .curve = true},
    {.name = "MillionGridLines", .cutLength = 1e6, .leadPitch = 1e2, .repeat = true, .curve = true},
    {.name = "BeyondSinglePrecision", .cutLength = 1e300, .leadPitch = 1, .curve = true},
};
INSTANTIATE_TEST_SUITE_P(Cases, ModeBHostile, testing::ValuesIn(kHostileCases),
                         testing::PrintToStringParamName());

// 4098 full turns are drawn every second one (0, 2, .., 4096), then the last full turn 4097,
// then degrees 0..180 of the half turn.
TEST(ModeBGraph, ThinnedTurnsKeepTheLastFullTurn) {
    CountingSurface picture2, picture3;
    DrawModeBGraph(ModeBJob(4098.5, 1), picture2, picture3);
    EXPECT_EQ(picture2.curve, 2050 * 360 + 181);
}

} // namespace
} // namespace spirolan
