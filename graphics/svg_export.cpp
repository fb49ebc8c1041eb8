// SVG export of the two cam graphs.
#include "svg_export.h"

#include "graph_style.h"
#include "mode_a_graph.h"
#include "mode_b_graph.h"

#include <algorithm>
#include <array>

namespace spirolan {
namespace {

// Figure boxes in pixels, as the window places them (2700 and 2500 by 520 twips, 30 from the
// top of the band and from its right edge).
constexpr int kSpindleBoxWidth = 180;
constexpr int kFigureBoxWidth = 167;
constexpr int kFigureBoxHeight = 35;
constexpr int kBoxMargin = 2;

// The read-out box of an export: nothing points at a picture.
class NoReadout final : public GraphSurface {
public:
    void SetBackColor(Rgb) override {}
    void Clear() override {}
    void SetScale(float, float, float, float) override {}
    void DrawLine(float, float, float, float, Rgb) override {}
    void SetForeColor(Rgb) override {}
    void SetFontSize(float) override {}
    void SetCurrentPosition(float, float) override {}
    void PrintLine(std::string_view) override {}
    void SetPointer(PointerShape) override {}
    void Show() override {}
};

SvgSurface GraphSurfaceOf(SvgGraphSize size) {
    return SvgSurface({.Width = size.Width, .Height = size.Height, .BackColor = kButtonFace});
}

SvgSurface FigureBox(int width, Rgb textColor) {
    return SvgSurface({.Width = width,
                       .Height = kFigureBoxHeight,
                       .BackColor = kButtonFace,
                       .ForeColor = textColor,
                       .FontPoints = kFigureFontPoints});
}

} // namespace

std::string ModeAGraphSvg(CamJob& job, SvgGraphSize size) {
    // The page, band and graph together, must stay within the largest side.
    size.Height = std::min(size.Height, kMaxSvgSide - kFigureBandHeight);
    SvgSurface picture1 = GraphSurfaceOf(size);
    SvgSurface picture4 = FigureBox(kFigureBoxWidth, kAccelerationRed);
    SvgSurface picture5 = FigureBox(kSpindleBoxWidth, kFigureBlack);
    NoReadout picture3;
    DrawModeAGraph(job, picture1, picture4, picture5, picture3);

    const int width = picture1.Width();
    const double figureLeft = width - kBoxMargin - kFigureBoxWidth;
    const std::array<SvgPart, 3> parts{{
        {.Surface = &picture5, .X = figureLeft - kSpindleBoxWidth, .Y = kBoxMargin, .Framed = true},
        {.Surface = &picture4, .X = figureLeft, .Y = kBoxMargin, .Framed = true},
        {.Surface = &picture1, .X = 0, .Y = kFigureBandHeight},
    }};
    return ComposeSvg(width, kFigureBandHeight + picture1.Height(), kButtonFace, parts);
}

std::string ModeBGraphSvg(const CamJob& job, SvgGraphSize size) {
    SvgSurface picture2 = GraphSurfaceOf(size);
    NoReadout picture3;
    DrawModeBGraph(job, picture2, picture3);
    return picture2.Document();
}

} // namespace spirolan
