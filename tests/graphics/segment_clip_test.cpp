// Clipping segments to a surface's box: visible parts kept exactly, the rest dropped.
#include "segment_clip.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace spirolan {
namespace {

struct ClipCase {
    const char* name;
    double x1, y1, x2, y2;
    bool visible;
    double cx1, cy1, cx2, cy2;
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.name;
}

class ClipSegmentTest : public testing::TestWithParam<ClipCase> {};

TEST_P(ClipSegmentTest, KeepsTheVisiblePart) {
    const ClipCase& c = GetParam();
    double x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
    ASSERT_EQ(ClipSegment(x1, y1, x2, y2, PixelBox{0, 0, 100, 50}), c.visible);
    if (c.visible) {
        EXPECT_DOUBLE_EQ(x1, c.cx1);
        EXPECT_DOUBLE_EQ(y1, c.cy1);
        EXPECT_DOUBLE_EQ(x2, c.cx2);
        EXPECT_DOUBLE_EQ(y2, c.cy2);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const ClipCase kClipCases[] = {
    {"Inside", 10, 10, 90, 40, true, 10, 10, 90, 40},
    {"CrossesLeftEdge", -50, 25, 50, 25, true, 0, 25, 50, 25},
    {"CrossesBothEdges", -50, 10, 150, 10, true, 0, 10, 100, 10},
    {"Diagonal", -10, -10, 60, 60, true, 0, 0, 50, 50},
    {"HugeEndKeepsItsVisiblePart", 50, 25, 1e30, 25, true, 50, 25, 100, 25},
    {"HugeVerticalLine", 30, -1e300, 30, 1e300, true, 30, 0, 30, 50},
    {"WhollyAbove", 10, -20, 90, -5, false, 0, 0, 0, 0},
    {"PassesBesideTheCorner", 90, -20, 120, 10, false, 0, 0, 0, 0},
    {"NotFinite", 10, 10, kNaN, 20, false, 0, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Segments, ClipSegmentTest, testing::ValuesIn(kClipCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace spirolan
