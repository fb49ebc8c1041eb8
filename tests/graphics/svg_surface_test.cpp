// SVG surface: coordinates, clipping, paths, texts and the composed page.
#include "svg_surface.h"

#include "graph_style.h"
#include "surface_trace.h"

#include <gtest/gtest.h>

#include <array>
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
    const char* path; // the path element's d attribute, or "" for nothing drawn
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class SvgLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(SvgLineTest, MappedAndClipped) {
    const LineCase& c = GetParam();
    SvgSurface surface = ModeASurface();
    surface.DrawLine(c.x1, c.y1, c.x2, c.y2, kCurveYellow);
    const std::string body = surface.Body();
    if (std::string(c.path).empty()) {
        EXPECT_EQ(Occurrences(body, "<path"), 0u) << body;
    } else {
        EXPECT_NE(body.find(std::string("d=\"") + c.path + "\""), std::string::npos) << body;
    }
}

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

const LineCase kLineCases[] = {
    {"CentreLine", 0, 0, 360, 0, "M60 210L1140 210"},
    {"Diagonal", 0, -1, 1, 1, "M60 150L63 270"},
    {"FractionalPixels", 0.5f, 0.1f, 1, 0, "M61.5 216L63 210"},
    // XS = 5 mm lies 90 pixels above the top: cut at one pixel beyond the edge.
    {"LeavesTheTopClipped", 10, 0, 10, -5, "M90 210L90 -1"},
    {"CrossesBothEdgesClipped", -100, 0, 500, 0, "M-1 210L1201 210"},
    {"WhollyOutsideLeftOut", 0, -10, 360, -10, ""},
    {"HugeValueClipped", 10, 0, 11, -1e30f, "M90 210L90 -1"},
    {"InfiniteLeftOut", 10, 0, 11, kInf, ""},
    {"NotANumberLeftOut", kNaN, 0, 11, 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, SvgLineTest, testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SvgSurface, ConnectedLinesOfOneColourShareAPath) {
    SvgSurface surface = ModeASurface();
    surface.DrawLine(0, 0, 1, 1, kCurveYellow);
    surface.DrawLine(1, 1, 2, 0, kCurveYellow);
    surface.DrawLine(5, 0, 6, 1, kCurveYellow); // not connected: a move inside the same path
    surface.DrawLine(6, 1, 7, 0, kAccelerationRed);
    const std::string body = surface.Body();
    EXPECT_NE(body.find("<path stroke=\"#ffff0f\" d=\"M60 210L63 270L66 210M75 210L78 270\"/>"),
              std::string::npos)
        << body;
    EXPECT_NE(body.find("<path stroke=\"#ff0000\" d=\"M78 270L81 210\"/>"), std::string::npos)
        << body;
}

TEST(SvgSurface, AxisParallelLinesAreCrisp) {
    SvgSurface surface = ModeASurface();
    surface.DrawLine(0, -3, 360, -3, kGridGreen);
    surface.DrawLine(0, -3, 0, 3, kGridGreen);
    surface.DrawLine(0, 0, 1, 1, kGridGreen);
    const std::string body = surface.Body();
    EXPECT_NE(body.find("<path stroke=\"#008000\" shape-rendering=\"crispEdges\" "
                        "d=\"M60 30L1140 30M60 30L60 390\"/>"),
              std::string::npos)
        << body;
    EXPECT_NE(body.find("<path stroke=\"#008000\" d=\"M60 210L63 270\"/>"), std::string::npos)
        << body;
}

TEST(SvgSurface, TextAtItsTopLeftCornerWithFontAndColour) {
    SvgSurface surface = ModeASurface();
    surface.SetFontSize(12);
    surface.SetForeColor(kLabelGrey);
    surface.SetCurrentPosition(-13, -3.3f);
    surface.PrintLine(" 3");
    surface.SetForeColor(kAccelerationRed);
    surface.PrintLine("<G&>");
    const std::string body = surface.Body();
    // 12 points are 16 pixels; the baseline lies 0.905 of them below the top (y = 12 pixels).
    EXPECT_NE(body.find("<text x=\"21\" y=\"26.48\" font-size=\"16\" fill=\"#c0c0c0\" "
                        "xml:space=\"preserve\"> 3</text>"),
              std::string::npos)
        << body;
    // The next line starts 1.15 font heights (18.4 pixels) lower, at the same x.
    EXPECT_NE(body.find("<text x=\"21\" y=\"44.88\" font-size=\"16\" fill=\"#ff0000\" "
                        "xml:space=\"preserve\">&lt;G&amp;&gt;</text>"),
              std::string::npos)
        << body;
}

TEST(SvgSurface, TextFarOutsideIsLeftOutButStillMovesTheLine) {
    SvgSurface surface = ModeASurface();
    surface.SetCurrentPosition(1e20f, 0);
    surface.PrintLine("far");
    surface.SetCurrentPosition(0, kNaN);
    surface.PrintLine("nan");
    EXPECT_EQ(Occurrences(surface.Body(), "<text"), 0u);
}

TEST(SvgSurface, ClearAndBackColourEraseTheBody) {
    SvgSurface surface = ModeASurface();
    surface.DrawLine(0, 0, 1, 1, kCurveYellow);
    surface.PrintLine("x");
    surface.SetBackColor(kGraphBackground);
    EXPECT_EQ(surface.Body(), "<rect width=\"1200\" height=\"420\" fill=\"#080000\"/>\n");
    surface.DrawLine(0, 0, 1, 1, kCurveYellow);
    surface.Clear();
    EXPECT_EQ(surface.Body(), "<rect width=\"1200\" height=\"420\" fill=\"#080000\"/>\n");
}

TEST(SvgSurface, ClearPutsTheTextPositionAtTheOrigin) {
    SvgSurface surface({.Width = 180, .Height = 35});
    surface.SetCurrentPosition(50, 20);
    surface.Clear();
    surface.PrintLine("Spindle");
    EXPECT_NE(surface.Body().find("<text x=\"0\" y=\"11.77\" font-size=\"13\""), std::string::npos)
        << surface.Body();
}

TEST(SvgSurface, SizeIsClamped) {
    EXPECT_EQ(SvgSurface({.Width = 0, .Height = -5}).Width(), 1);
    EXPECT_EQ(SvgSurface({.Width = 0, .Height = -5}).Height(), 1);
    EXPECT_EQ(SvgSurface({.Width = 1 << 30, .Height = 420}).Width(), kMaxSvgSide);
}

TEST(SvgSurface, DocumentIsOneSvg11PageWithViewport) {
    SvgSurface surface = ModeASurface();
    surface.SetPointer(PointerShape::CrossHair);
    surface.DrawLine(0, 0, 1, 1, kCurveYellow);
    const std::string svg = surface.Document();
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n", 0), 0u);
    EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"1200\" "
                       "height=\"420\" viewBox=\"0 0 1200 420\">"),
              std::string::npos);
    EXPECT_NE(svg.find("<clipPath id=\"clip0\"><rect width=\"1200\" height=\"420\"/></clipPath>"),
              std::string::npos);
    EXPECT_NE(svg.find("cursor=\"crosshair\""), std::string::npos);
    EXPECT_NE(svg.find("M60 210L63 270"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST(SvgSurface, ComposedPartsAreTranslatedClippedAndFramed) {
    SvgSurface box({.Width = 180, .Height = 35, .ForeColor = kFigureBlack});
    box.PrintLine("a");
    SvgSurface graph({.Width = 300, .Height = 100});
    const std::array<SvgPart, 2> parts{{
        {.Surface = &box, .X = 118, .Y = 2, .Framed = true},
        {.Surface = &graph, .X = 0, .Y = 40},
    }};
    const std::string svg = ComposeSvg(300, 140, kButtonFace, parts);
    EXPECT_NE(svg.find("width=\"300\" height=\"140\" viewBox=\"0 0 300 140\""), std::string::npos);
    EXPECT_NE(svg.find("<rect width=\"100%\" height=\"100%\" fill=\"#f0f0f0\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<g transform=\"translate(118 2)\">\n<rect x=\"-0.5\" y=\"-0.5\" "
                       "width=\"181\" height=\"36\" fill=\"none\" stroke=\"#a0a0a0\"/>\n"
                       "<g clip-path=\"url(#clip0)\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<g transform=\"translate(0 40)\">\n<g clip-path=\"url(#clip1)\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<clipPath id=\"clip1\"><rect width=\"300\" height=\"100\"/>"),
              std::string::npos);
}

} // namespace
} // namespace spirolan
