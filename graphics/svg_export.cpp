// SPDX-License-Identifier: GPL-3.0-or-later
// SVG export of the two cam graphs.
#include "graphics/svg_export.h"

#include "graphics/graph_style.h"
#include "graphics/layout_rule.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"
#include "graphics/null_surface.h"
#include "graphics/spindle_limit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace spirolan {
namespace {

// Twips per pixel at the 96 dots per inch of an export.
constexpr float kTwipsPerPixel = 15;

int ExportPixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

SvgSurface GraphSurfaceOf(SvgGraphSize size) {
    return SvgSurface({.Width = size.Width, .Height = size.Height, .BackColor = kButtonFace});
}

SvgSurface FigureBox(int width, int height, Rgb textColor) {
    return SvgSurface({.Width = width,
                       .Height = height,
                       .BackColor = kButtonFace,
                       .ForeColor = textColor,
                       .FontPoints = kFigureFontPoints});
}

// The Mode-A graph and its figure boxes, drawn, and where they go on a page of the graph's width.
struct ModeAPicture {
    SvgSurface Picture1;
    SvgSurface Picture4;
    SvgSurface Picture5;

    explicit ModeAPicture(SvgGraphSize size, const FigureBoxes& boxes)
        : Picture1(GraphSurfaceOf(size)),
          Picture4(FigureBox(boxes.FigureWidth, boxes.Height, kAccelerationRed)),
          Picture5(FigureBox(boxes.SpindleWidth, boxes.Height, kFigureBlack)) {}

    std::array<SvgPart, 3> Parts(const FigureBoxes& boxes) const {
        const double figureLeft = Picture1.Width() - boxes.Margin - boxes.FigureWidth;
        return {{
            {.Surface = &Picture5,
             .X = figureLeft - boxes.SpindleWidth,
             .Y = static_cast<double>(boxes.Margin),
             .Framed = true},
            {.Surface = &Picture4,
             .X = figureLeft,
             .Y = static_cast<double>(boxes.Margin),
             .Framed = true},
            {.Surface = &Picture1, .X = 0, .Y = kFigureBandHeight},
        }};
    }
};

MotionFigures Draw(const CamJob& job, ModeAPicture& picture) {
    NullSurface picture3;
    MotionFigures figures =
        DrawModeAGraph(job, picture.Picture1, picture.Picture4, picture.Picture5, picture3);
    DrawSpindleLimit(job, picture.Picture1);
    return figures;
}

} // namespace

FigureBoxes FigureBoxSizes() {
    const MainWindowLayout layout = ComputeLayout(12000, 8000);
    const TwipRect picture4 = layout.Picture4.value();
    return {ExportPixels(layout.Picture5.value().Width), ExportPixels(picture4.Width),
            ExportPixels(picture4.Height), ExportPixels(picture4.Top)};
}

ModeASvg ModeAGraphSvg(const CamJob& job, SvgGraphSize size) {
    // The page, band and graph together, must stay within the largest side.
    size.Height = std::min(size.Height, kMaxSvgSide - kFigureBandHeight);
    const FigureBoxes boxes = FigureBoxSizes();
    ModeAPicture modeA(size, boxes);
    MotionFigures figures = Draw(job, modeA);
    const std::array<SvgPart, 3> parts = modeA.Parts(boxes);
    return {ComposeSvg(modeA.Picture1.Width(), kFigureBandHeight + modeA.Picture1.Height(),
                       kButtonFace, parts),
            std::move(figures)};
}

std::string ModeBGraphSvg(const CamJob& job, SvgGraphSize size) {
    SvgSurface picture2 = GraphSurfaceOf(size);
    NullSurface picture3;
    DrawModeBGraph(job, picture2, picture3);
    return picture2.Document();
}

} // namespace spirolan
