// SPDX-License-Identifier: GPL-3.0-or-later
// Axis labels: the thinning rule, and the C and Z axes thinned where labels would run together.
#include "graphics/axis_labels.h"
#include "graphics/graph_style.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"
#include "graphics/recording_surface.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct StrideCase {
    const char* name;
    std::vector<float> lefts, widths;
    int stride;
    friend void PrintTo(const StrideCase& c, std::ostream* os) { *os << c.name; }
};

class LabelStrideTest : public testing::TestWithParam<StrideCase> {};

TEST_P(LabelStrideTest, SmallestStrideThatKeepsLabelsApart) {
    EXPECT_EQ(LabelStride(GetParam().lefts, GetParam().widths), GetParam().stride);
}

const StrideCase kStrideCases[] = {
    {"TouchingIsApart", {0, 10, 20}, {10, 10, 10}, 1},
    // Only the wide label in the middle needs room: 0, 20 and 40 are drawn.
    {"OneWideLabel", {0, 10, 20, 30, 40}, {5, 5, 15, 5, 5}, 2},
    {"EveryThird", {0, 10, 20, 30, 40, 50, 60}, {25, 25, 25, 25, 25, 25, 25}, 3},
    {"NoTwoFitOnlyTheFirst", {0, 1, 2}, {50, 50, 50}, 3},
    {"NoLabels", {}, {}, 1},
    {"WidthNotANumber", {0, 10, 20}, {kNaN, 1, 1}, 3},
};
INSTANTIATE_TEST_SUITE_P(Cases, LabelStrideTest, testing::ValuesIn(kStrideCases),
                         testing::PrintToStringParamName());

// The labels printed on the axis line y = 3, and whether each ends before the next begins.
std::vector<std::string> AxisTexts(RecordingSurface& surface, bool& apart) {
    std::vector<std::string> texts;
    const SurfaceOp* previous = nullptr;
    apart = true;
    for (const SurfaceOp& op : surface.Ops()) {
        if (op.kind != SurfaceOp::Kind::PrintLine || op.y1 != 3) {
            continue;
        }
        if (previous != nullptr) {
            apart = apart && previous->x1 + surface.TextWidth(previous->text) <= op.x1;
        }
        texts.push_back(op.text);
        previous = &op;
    }
    return texts;
}

int VerticalGridLines(const RecordingSurface& surface) {
    int count = 0;
    for (const SurfaceOp& op : surface.LinesIn(kGridGreen)) {
        count += op.x1 == op.x2 ? 1 : 0;
    }
    return count;
}

// 200 mm in 5 mm steps: 41 labels of up to four characters in 1200 pixels run together.
TEST(AxisLabels, LongCuttingLengthDrawsEveryOtherZLabelAndEveryGridLine) {
    CamJob job;
    job.CutLength = 200;
    job.LeadPitch = 3.6;
    RecordingSurface picture2, picture3;
    DrawModeBGraph(job, picture2, picture3);
    bool apart = false;
    const std::vector<std::string> labels = AxisTexts(picture2, apart);
    EXPECT_TRUE(apart);
    ASSERT_EQ(labels.size(), 21u);
    EXPECT_EQ(labels[1], " 10");
    EXPECT_EQ(labels.back(), " 200");
    EXPECT_EQ(VerticalGridLines(picture2), 41 * 2); // each followed by the closing line
}

// A graph 300 pixels wide has 22.5 pixels per 30 degrees, too little for " 120".
TEST(AxisLabels, NarrowModeAGraphThinsTheCLabelsAndKeepsTheGrid) {
    CamJob job;
    RecordingSurface picture1(300, 150), picture4, picture5, picture3;
    DrawModeAGraph(job, picture1, picture4, picture5, picture3);
    bool apart = false;
    const std::vector<std::string> labels = AxisTexts(picture1, apart);
    EXPECT_TRUE(apart);
    EXPECT_EQ(labels,
              (std::vector<std::string>{" 0", " 60", " 120", " 180", " 240", " 300", " 360"}));
    EXPECT_EQ(VerticalGridLines(picture1), 13);
}

} // namespace
} // namespace spirolan
