// Mode-A graph: what is drawn on the graph and the figure boxes, and in which order.
#include "mode_a_graph.h"

#include "graph_style.h"
#include "motion_figures.h"
#include "recording_surface.h"
#include "surface_trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

using Kind = SurfaceOp::Kind;
using Strings = std::vector<std::string>;

struct ModeASurfaces {
    RecordingSurface picture1;
    RecordingSurface picture4;
    RecordingSurface picture5;
    RecordingSurface picture3;

    void Draw(CamJob& job) { DrawModeAGraph(job, picture1, picture4, picture5, picture3); }
};

// Steps 1 to 10: background, scale, grid, XS labels, "mm", "G" (with a spindle speed), C labels,
// "deg".
std::string FrameTrace(bool withG) {
    return "BCS" + Repeat("L", 7 + 13) + "FT" + Repeat("PW", 7) + "PW" + (withG ? "TWT" : "") +
           Repeat("PW", 13) + "PW";
}

TEST(ModeAGraph, OrderOfOperationsWithSpindleSpeed) {
    CamJob job;
    job.SpindleSpeed = 1000;
    ModeASurfaces s;
    s.Draw(job);
    // Degree i's XS segment, then its acceleration segment (i <= 357), then degree i + 1.
    EXPECT_EQ(Trace(s.picture1), FrameTrace(true) + Repeat("LL", 358) + "LL" + "R");
    EXPECT_EQ(Trace(s.picture4), "CWW");
    EXPECT_EQ(Trace(s.picture5), "CW");
    EXPECT_EQ(Trace(s.picture3), "H");

    std::string colours;
    for (const SurfaceOp& op : s.picture1.OpsOf(Kind::DrawLine)) {
        colours += op.color == kGridGreen ? 'g' : op.color == kCurveYellow ? 'y' : 'r';
    }
    EXPECT_EQ(colours, Repeat("g", 20) + Repeat("yr", 358) + "yy");
    EXPECT_EQ(s.picture1.OpsOf(Kind::SetPointer).front().pointer, PointerShape::CrossHair);
}

TEST(ModeAGraph, FrameGeometryAndLabels) {
    CamJob job;
    job.SpindleSpeed = 1000;
    ModeASurfaces s;
    s.Draw(job);
    const RecordingSurface& p = s.picture1;

    const SurfaceOp back = p.Ops()[0];
    EXPECT_EQ(back.color, (Rgb{8, 0, 0}));
    const SurfaceOp scale = p.OpsOf(Kind::SetScale).front();
    EXPECT_EQ(scale.x1, -20);
    EXPECT_EQ(scale.y1, -3.5f);
    EXPECT_EQ(scale.x2, 400);
    EXPECT_EQ(scale.y2, 7);

    const std::vector<SurfaceOp> grid = p.LinesIn(kGridGreen);
    ASSERT_EQ(grid.size(), 20u);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(grid[k].y1, k - 3);
        EXPECT_EQ(grid[k].x1, 0);
        EXPECT_EQ(grid[k].x2, 360);
    }
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(grid[7 + k].x1, 30 * k);
        EXPECT_EQ(grid[7 + k].y1, -3);
        EXPECT_EQ(grid[7 + k].y2, 3);
    }

    const std::vector<SurfaceOp> texts = p.OpsOf(Kind::PrintLine);
    const Strings expected = {" 3",   " 2",   " 1",   " 0",   "-1",   "-2",   "-3",   "mm",
                              "G",    " 0",   " 30",  " 60",  " 90",  " 120", " 150", " 180",
                              " 210", " 240", " 270", " 300", " 330", " 360", "deg"};
    EXPECT_EQ(p.Texts(), expected);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(texts[k].x1, -13);
        EXPECT_EQ(texts[k].y1, static_cast<float>(k - 3 - 0.3)) << texts[k].text;
        EXPECT_EQ(texts[k].color, kLabelGrey);
        EXPECT_EQ(texts[k].x2, 12);
    }
    EXPECT_EQ(texts[7].x1, 0);
    EXPECT_EQ(texts[7].y1, -3.5f);
    // "G" goes on the next text line under "mm", in red.
    EXPECT_EQ(texts[8].x1, 0);
    EXPECT_GT(texts[8].y1, -3.5f);
    EXPECT_LT(texts[8].y1, -3.0f);
    EXPECT_EQ(texts[8].color, kAccelerationRed);
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(texts[9 + k].x1, 30 * k - 7);
        EXPECT_EQ(texts[9 + k].y1, 3);
        EXPECT_EQ(texts[9 + k].color, kLabelGrey);
    }
    EXPECT_EQ(texts[22].x1, 362);
    EXPECT_EQ(texts[22].y1, 2.5f);
}

struct ModeACase {
    const char* name;
    double spindleSpeed;
    std::vector<std::pair<int, double>> entries; // the table entries set; the others stay empty
    std::size_t redSegments;
    Strings picture5;
    Strings picture4;
};

void PrintTo(const ModeACase& c, std::ostream* os) {
    *os << c.name;
}

class ModeACaseTest : public testing::TestWithParam<ModeACase> {};

TEST_P(ModeACaseTest, CurvesAndFigureBoxes) {
    const ModeACase& c = GetParam();
    CamJob job;
    job.SpindleSpeed = c.spindleSpeed;
    for (const auto& [k, xs] : c.entries) {
        job.XSTable[k] = xs;
    }
    ModeASurfaces s;
    s.Draw(job);

    const std::vector<SurfaceOp> yellow = s.picture1.LinesIn(kCurveYellow);
    ASSERT_EQ(yellow.size(), 360u);
    for (int i = 0; i < 360; ++i) {
        EXPECT_EQ(yellow[i].x1, i);
        EXPECT_EQ(yellow[i].x2, i + 1);
        EXPECT_EQ(yellow[i].y1, static_cast<float>(-ValueOf(job.XSTable[i]))) << i;
        EXPECT_EQ(yellow[i].y2, static_cast<float>(-ValueOf(job.XSTable[i + 1]))) << i;
    }
    const std::vector<SurfaceOp> red = s.picture1.LinesIn(kAccelerationRed);
    EXPECT_EQ(red.size(), c.redSegments);
    if (!red.empty()) {
        EXPECT_EQ(red.front().x1, 0);
        EXPECT_EQ(red.back().x2, 358);
    }
    const Strings texts = s.picture1.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "G"), c.spindleSpeed > 0 ? 1 : 0);

    EXPECT_EQ(s.picture4.OpsOf(Kind::Clear).size(), 1u);
    EXPECT_EQ(s.picture5.OpsOf(Kind::Clear).size(), 1u);
    EXPECT_EQ(s.picture5.Texts(), c.picture5);
    EXPECT_EQ(s.picture4.Texts(), c.picture4);
}

const ModeACase kModeACases[] = {
    {"NoSpindleSpeedNoRedCurve", 0, {{100, 1.0}}, 0, {}, {}},
    {"NegativeSpindleSpeedNoRedCurve", -5, {{100, 1.0}}, 0, {}, {}},
    {"EmptyTableFlatLines",
     1000,
     {},
     358,
     {"Spindle Speed  =  1000 min-1"},
     {"Max.Speed  = 0. mm/s", "Max.Gravity = 0. G"}},
    {"SpikeFigures",
     60,
     {{100, 1.0}},
     358,
     {"Spindle Speed  =  60 min-1"},
     {"Max.Speed  = 360. mm/s", "Max.Gravity = 26.449 G"}},
    // 5 mm is beyond the visible 3.5: the segments are drawn as computed, for the surface to clip.
    {"CurveLeavesSurface", 0, {{10, 5.0}, {11, -5.0}}, 0, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ModeACaseTest, testing::ValuesIn(kModeACases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ModeAGraph, AccelerationDrawnAsMinusA) {
    CamJob job;
    job.SpindleSpeed = 60;
    job.XSTable[100] = 1.0;
    ModeASurfaces s;
    s.Draw(job);
    const std::vector<SurfaceOp> red = s.picture1.LinesIn(kAccelerationRed);
    // A0(98) = 13.22 G is drawn at y = -13.22, A0(99) = -26.45 G at y = 26.45: off the surface.
    EXPECT_NEAR(red[98].y1, -13.2244898f, 1e-4);
    EXPECT_NEAR(red[99].y1, 26.4489796f, 1e-4);
    EXPECT_NEAR(red[98].y2, 26.4489796f, 1e-4);
    EXPECT_EQ(red[98].x1, 98);
    EXPECT_EQ(red[98].x2, 99);
    EXPECT_EQ(red[0].y1, 0);
}

TEST(ModeAGraph, WritesAndResetsTheMaxima) {
    CamJob job;
    job.SpindleSpeed = 60;
    job.XSTable[100] = 1.0;
    ModeASurfaces first;
    first.Draw(job);
    EXPECT_EQ(job.MaxSpeed, 360);
    EXPECT_NEAR(job.MaxGravity, 26.4489795918, 1e-9);

    job.SpindleSpeed = 0;
    ModeASurfaces second;
    second.Draw(job);
    EXPECT_EQ(job.MaxSpeed, 0);
    EXPECT_EQ(job.MaxGravity, 0);
}

TEST(ModeAGraph, DrawingTwiceGivesTheSamePicture) {
    CamJob job;
    job.SpindleSpeed = 1500;
    for (int k = 0; k < kTableSize; ++k) {
        job.XSTable[k] = 0.001 * k * (k % 7);
    }
    RecordingSurface picture1;
    RecordingSurface picture4;
    RecordingSurface picture5;
    RecordingSurface picture3;
    DrawModeAGraph(job, picture1, picture4, picture5, picture3);
    const std::size_t once = picture1.Ops().size();
    DrawModeAGraph(job, picture1, picture4, picture5, picture3);
    ASSERT_EQ(picture1.Ops().size(), 2 * once);
    for (std::size_t k = 0; k < once; ++k) {
        const SurfaceOp& a = picture1.Ops()[k];
        const SurfaceOp& b = picture1.Ops()[once + k];
        EXPECT_TRUE(a.kind == b.kind && a.color == b.color && a.x1 == b.x1 && a.y1 == b.y1 &&
                    a.x2 == b.x2 && a.y2 == b.y2 && a.text == b.text)
            << "operation " << k;
    }
}

TEST(IntegerLabel, BlankOrMinus) {
    EXPECT_EQ(IntegerLabel(3), " 3");
    EXPECT_EQ(IntegerLabel(-2), "-2");
    EXPECT_EQ(IntegerLabel(0), " 0");
    EXPECT_EQ(IntegerLabel(-0.0), " 0");
    EXPECT_EQ(IntegerLabel(360), " 360");
}

} // namespace
} // namespace spirolan
