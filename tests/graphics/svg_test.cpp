// SPDX-License-Identifier: GPL-3.0-or-later
// SVG surface: coordinates, clipping, texts and their widths (the exported pictures are whole-job
// cases).
#include "graphics/graph_style.h"
#include "graphics/surface_geometry.h"
#include "graphics/svg_surface.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace spirolan {
namespace {

// The Mode-A user coordinate system on the default 1200 x 420 surface: x = -20..380 and
// y = -3.5..3.5, so 3 pixels per degree and 60 pixels per millimetre.
SvgSurface ModeASurface() {
    SvgSurface surface;
    surface.SetScale(-20, -3.5f, 400, 7);
    return surface;
}

struct LineCase {
    const char* name;
    float x1, y1, x2, y2;
    const char* path; // the path's d attribute, "" for nothing drawn
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

class SvgLine : public testing::TestWithParam<LineCase> {};

TEST_P(SvgLine, MappedAndClipped) {
    const LineCase& c = GetParam();
    SvgSurface surface = ModeASurface();
    surface.DrawLine(c.x1, c.y1, c.x2, c.y2, kCurveYellow);
    const std::string body = surface.Body();
    if (*c.path == '\0') {
        EXPECT_EQ(body.find("<path"), std::string::npos) << body;
    } else {
        EXPECT_NE(body.find(std::string("d=\"") + c.path + "\""), std::string::npos) << body;
    }
}

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

const LineCase kLineCases[] = {
    // XS = 5 mm lies 90 pixels above the top: cut at one pixel beyond the edge.
    {"LeavesTheTopClipped", 10, 0, 10, -5, "M90 210L90 -1"},
    {"DiagonalClippedAtTheEdge", -30, -4.5f, 0, 0, "M-1 27L60 210"},
    {"PassesBesideTheCornerLeftOut", -30, -3.2f, -16, -4, ""},
    {"HugeValueClipped", 10, 0, 11, -1e30f, "M90 210L90 -1"},
    {"InfiniteLeftOut", 10, 0, 11, kInf, ""},
    {"NotANumberLeftOut", kNaN, 0, 11, 0, ""},
    // A hair left of x = -20 rounds to pixel -0.00: written 0, never "-0".
    {"NoNegativeZero", -20.0001f, 0, 10, 0, "M0 210L90 210"},
};
INSTANTIATE_TEST_SUITE_P(Cases, SvgLine, testing::ValuesIn(kLineCases),
                         testing::PrintToStringParamName());

TEST(SvgSurface, TextEscapedAndLeftOutFarOutside) {
    SvgSurface surface = ModeASurface();
    surface.PrintLine("<G&>");
    surface.SetCurrentPosition(1e20f, 0);
    surface.PrintLine("far");
    surface.SetCurrentPosition(0, kNaN);
    surface.PrintLine("nan");
    const std::string body = surface.Body();
    EXPECT_NE(body.find(">&lt;G&amp;&gt;</text>"), std::string::npos) << body;
    EXPECT_EQ(body.find("<text", body.find("<text") + 1), std::string::npos) << body;
}

// Characters outside printable ASCII (DEL, a byte of UTF-8) take the common width.
TEST(SurfaceGeometry, CharactersWithoutATableWidthTakeTheCommonOne) {
    EXPECT_EQ(SurfaceGeometry::TextPixels("\x7f\xc3", 10), SurfaceGeometry::TextPixels("00", 10));
}

TEST(SvgSurface, SizeIsClamped) {
    EXPECT_EQ(SvgSurface({.Width = 0, .Height = -5}).Height(), 1);
    EXPECT_EQ(SvgSurface({.Width = 1 << 30, .Height = 420}).Width(), kMaxSvgSide);
}

} // namespace
} // namespace spirolan
