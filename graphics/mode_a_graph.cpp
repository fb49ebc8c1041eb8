// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-A graph: grid, labels, XS curve, acceleration curve and figure boxes.
#include "graphics/mode_a_graph.h"

#include "graphics/axis_labels.h"
#include "graphics/graph_style.h"

#include "graphics/text_placer.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace spirolan {
namespace {

// Grid, labels and units of the C axis (degrees) and the XS axis (mm, drawn as y = -XS).
void DrawModeAFrame(GraphSurface& surface, bool withSpindleSpeed, const GraphStyle& style) {
    surface.SetBackColor(style.Background);
    surface.Clear();
    surface.SetScale(-20, -3.5f, 400, 7);
    for (int y = -3; y <= 3; ++y) {
        surface.DrawLine(0, static_cast<float>(y), 360, static_cast<float>(y), style.Grid);
    }
    for (int x = 0; x <= 360; x += 30) {
        surface.DrawLine(static_cast<float>(x), -3, static_cast<float>(x), 3, style.Grid);
    }
    surface.SetFontSize(kGraphFontPoints);
    surface.SetForeColor(style.Label);
    TextPlacer texts(surface, style.KeepTextsApart, {-20, -3.5f, 400, 7});
    PrintXsLabels(texts, -13);
    texts.Print(0, -3.5f, "mm");
    if (withSpindleSpeed) {
        surface.SetForeColor(style.Acceleration);
        texts.PrintBelow("G");
        surface.SetForeColor(style.Label);
    }
    std::vector<AxisLabel> cLabels;
    for (int a = 0; a <= 360; a += 30) {
        cLabels.push_back({static_cast<float>(a - 7), IntegerLabel(a)});
    }
    PrintAxisLabels(texts, cLabels, 3);
    PrintLowestXsLabel(texts, -13);
    texts.PrintToTheRight(362, 2.5f, "deg");
}

// The font sizes a figure line may be set in, largest first, to fit its box.
constexpr std::array<float, 6> kFigurePoints = {kFigureFontPoints, 9, 8.25f, 7.5f, 6.75f, 6};

// Prints the lines into a figure box. Kept apart, the box's width is one user unit and the
// lines are set in the largest size at which all fit; a line too wide even then is cut short
// with "..." rather than run into the next box.
void PrintFigures(GraphSurface& box, const std::vector<std::string>& lines, bool keepApart) {
    if (!keepApart) {
        for (const std::string& line : lines) {
            box.PrintLine(line);
        }
        return;
    }
    box.SetScale(0, 0, 1, 1);
    const auto fits = [&box](const std::string& line) { return box.TextWidth(line) <= 1; };
    for (const float points : kFigurePoints) {
        box.SetFontSize(points);
        if (std::all_of(lines.begin(), lines.end(), fits)) {
            break;
        }
    }
    for (std::string line : lines) {
        if (!fits(line)) {
            while (!line.empty() && !fits(line + "...")) {
                line.pop_back();
            }
            line = line.empty() ? std::string() : line + "...";
        }
        box.PrintLine(line);
    }
    box.SetFontSize(kFigureFontPoints);
}

} // namespace

MotionFigures DrawModeAGraph(const CamJob& job, GraphSurface& picture1, GraphSurface& picture4,
                             GraphSurface& picture5, GraphSurface& picture3,
                             const GraphStyle& style) {
    const bool withSpindleSpeed = job.SpindleSpeed > 0;
    DrawModeAFrame(picture1, withSpindleSpeed, style);

    MotionFigures figures = ComputeMotionFigures(job.XSTable, job.SpindleSpeed);

    std::array<float, kTableSize> y{};
    for (int k = 0; k < kTableSize; ++k) {
        y[k] = static_cast<float>(-ValueOf(job.XSTable[k]));
    }
    const int steps = static_cast<int>(figures.Steps.size());
    for (int i = 0; i < kTableSize - 1; ++i) {
        const auto c0 = static_cast<float>(i);
        const auto c1 = static_cast<float>(i + 1);
        picture1.DrawLine(c0, y[i], c1, y[i + 1], style.Curve);
        if (i < steps) {
            const MotionStep& step = figures.Steps[i];
            picture1.DrawLine(c0, static_cast<float>(-step.A0), c1, static_cast<float>(-step.A1),
                              style.Acceleration);
        }
    }

    picture4.Clear();
    picture5.Clear();
    if (withSpindleSpeed) {
        PrintFigures(picture5, {SpindleSpeedLine(job.SpindleSpeed)}, style.KeepTextsApart);
        PrintFigures(picture4, {MaxSpeedLine(figures.MaxSpeed), MaxGravityLine(figures.MaxGravity)},
                     style.KeepTextsApart);
    }

    picture1.SetPointer(PointerShape::CrossHair);
    picture3.Show();
    return figures;
}

} // namespace spirolan
