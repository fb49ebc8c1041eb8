// SPDX-License-Identifier: GPL-3.0-or-later
// Axis labels: the thinning rule, and the C axis thinned where labels would run together (the Z
// axis of a long job is a whole-job case).
#include "graphics/axis_labels.h"
#include "graphics/graph_style.h"
#include "graphics/groove_profile.h"
#include "graphics/layout_rule.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"
#include "graphics/recording_surface.h"
#include "graphics/spindle_limit.h"
#include "graphics/svg_export.h"
#include "tests/support/shape_fixtures.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace spirolan {
namespace {

using testing_support::ReferenceGrooveJob;

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

// Where two boxes overlap, or a box leaves its surface, by more than rounding: a message.
std::string Collisions(const RecordingSurface& surface, double width, double height) {
    constexpr double kSlack = 0.01;
    const std::vector<RecordingSurface::TextBox> boxes = surface.TextBoxes();
    std::string found;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& a = boxes[i];
        if (a.Left < -kSlack || a.Top < -kSlack || a.Right > width + kSlack ||
            a.Bottom > height + kSlack) {
            found += " '" + a.Text + "' is cut;";
        }
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const auto& b = boxes[j];
            if (a.Left + kSlack < b.Right && b.Left + kSlack < a.Right &&
                a.Top + kSlack < b.Bottom && b.Top + kSlack < a.Bottom) {
                found += " '" + a.Text + "' meets '" + b.Text + "';";
            }
        }
    }
    return found;
}

// Every window from the smallest the program allows (4800 x 3600 twips) to 1600 pixels wide, at
// three spindle speeds, with an exceeded machine limit: no text of the graphs or the figure boxes
// overlaps another or stands cut. 1128.5 min-1 is the widest spindle figure of the reference.
TEST(TextsKeptApart, NoTwoTextBoxesMeetAtAnyWindowSize) {
    CamJob job = ReferenceGrooveJob();
    job.SlideAccelLimit = 5;
    job.CutLength = 20;
    const FigureBoxes boxes = FigureBoxSizes();
    for (const double speed : {0.0, 1000.0, 1128.5}) {
        job.SpindleSpeed = speed;
        for (int width = 320; width <= 1600; width += 8) {
            for (const int height : {240, 400, 1000}) {
                const MainWindowLayout layout =
                    ComputeLayout(static_cast<float>(width * 15), static_cast<float>(height * 15));
                const std::string where = std::to_string(width) + " x " + std::to_string(height) +
                                          " at " + std::to_string(speed) + ":";
                RecordingSurface picture4(boxes.FigureWidth, boxes.Height);
                RecordingSurface picture5(boxes.SpindleWidth, boxes.Height);
                RecordingSurface picture3;
                if (const auto& rect = layout.Picture1) {
                    RecordingSurface picture1(rect->Width / 15, rect->Height / 15);
                    DrawModeAGraph(job, picture1, picture4, picture5, picture3, kScreenStyle);
                    DrawSpindleLimit(job, picture1, kScreenStyle);
                    EXPECT_EQ(Collisions(picture1, rect->Width / 15, rect->Height / 15), "")
                        << where;
                    EXPECT_EQ(Collisions(picture4, boxes.FigureWidth, boxes.Height), "") << where;
                    EXPECT_EQ(Collisions(picture5, boxes.SpindleWidth, boxes.Height), "") << where;
                }
                if (const auto& rect = layout.Picture2) {
                    RecordingSurface picture2(rect->Width / 15, rect->Height / 15);
                    DrawModeBGraph(job, picture2, picture3, kScreenStyle);
                    EXPECT_EQ(Collisions(picture2, rect->Width / 15, rect->Height / 15), "")
                        << where;
                }
            }
        }
    }
}

// The groove profile of the reference groove and of a gouging one, on screen and on paper, from a
// small window to a wide one: no text meets another ("0" once ran into the legend) or stands cut.
TEST(TextsKeptApart, NoTwoTextsOfTheGrooveProfileMeet) {
    const CamJob reference = ReferenceGrooveJob();
    const CamJob gouging = testing_support::GougingGrooveJob();
    struct Size {
        int width, height;
    };
    constexpr Size kSizes[] = {{160, 100}, {320, 240},  {480, 160},  {600, 600},
                               {900, 420}, {1200, 300}, {1600, 1000}};
    for (const CamJob* job : {&reference, &gouging}) {
        for (const GraphStyle& style : {kScreenStyle, kPrintStyle}) {
            for (const Size size : kSizes) {
                RecordingSurface surface(size.width, size.height);
                DrawGrooveProfile(*job, surface, size.width, size.height, style);
                EXPECT_EQ(Collisions(surface, size.width, size.height), "")
                    << size.width << " x " << size.height;
                EXPECT_FALSE(surface.Texts().empty());
            }
        }
    }
}

// At a comfortable size nothing is left out: the corner's "-3" and " 0" both stand, apart.
TEST(TextsKeptApart, AComfortableGraphKeepsEveryLabel) {
    CamJob job = ReferenceGrooveJob();
    job.SpindleSpeed = 1128.5;
    RecordingSurface picture1(1200, 420), picture4(167, 35), picture5(180, 35), picture3;
    DrawModeAGraph(job, picture1, picture4, picture5, picture3, kScreenStyle);
    EXPECT_EQ(picture1.Texts().size(), 7u + 2u + 13u + 1u); // XS, "mm" and "G", C, "deg"
    ASSERT_EQ(picture5.Texts().size(), 1u);
    EXPECT_EQ(picture5.Texts()[0], "Spindle Speed  =  1128.5 min-1");
}

} // namespace
} // namespace spirolan
