// SVG export of the two cam graphs.
#include "graphics/svg_export.h"

#include "graphics/graph_style.h"
#include "graphics/layout_rule.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace spirolan {
namespace {

// Twips per pixel at the 96 dots per inch of an export.
constexpr float kTwipsPerPixel = 15;

int ExportPixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// The figure boxes in pixels, sized and spaced as the window's layout rule places them; their
// size does not depend on the window's.
struct FigureBoxes {
    int SpindleWidth; // Picture5
    int FigureWidth;  // Picture4
    int Height;
    int Margin; // from the top of the band and from its right edge
};

FigureBoxes FigureBoxSizes() {
    const MainWindowLayout layout = ComputeLayout(12000, 8000);
    const TwipRect picture4 = layout.Picture4.value();
    return {ExportPixels(layout.Picture5.value().Width), ExportPixels(picture4.Width),
            ExportPixels(picture4.Height), ExportPixels(picture4.Top)};
}

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
    float TextWidth(std::string_view) override { return 0; }
    void SetPointer(PointerShape) override {}
    void Show() override {}
};

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

} // namespace

std::string ModeAGraphSvg(CamJob& job, SvgGraphSize size) {
    // The page, band and graph together, must stay within the largest side.
    size.Height = std::min(size.Height, kMaxSvgSide - kFigureBandHeight);
    SvgSurface picture1 = GraphSurfaceOf(size);
    const FigureBoxes boxes = FigureBoxSizes();
    SvgSurface picture4 = FigureBox(boxes.FigureWidth, boxes.Height, kAccelerationRed);
    SvgSurface picture5 = FigureBox(boxes.SpindleWidth, boxes.Height, kFigureBlack);
    NoReadout picture3;
    DrawModeAGraph(job, picture1, picture4, picture5, picture3);

    const int width = picture1.Width();
    const double figureLeft = width - boxes.Margin - boxes.FigureWidth;
    const std::array<SvgPart, 3> parts{{
        {.Surface = &picture5,
         .X = figureLeft - boxes.SpindleWidth,
         .Y = static_cast<double>(boxes.Margin),
         .Framed = true},
        {.Surface = &picture4,
         .X = figureLeft,
         .Y = static_cast<double>(boxes.Margin),
         .Framed = true},
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
