// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-A graph: grid, labels, XS curve, acceleration curve and figure boxes.
#include "graphics/mode_a_graph.h"

#include "graphics/axis_labels.h"
#include "graphics/graph_style.h"

#include <array>
#include <vector>

namespace spirolan {
namespace {

// Grid, labels and units of the C axis (degrees) and the XS axis (mm, drawn as y = -XS).
void DrawModeAFrame(GraphSurface& surface, bool withSpindleSpeed) {
    surface.SetBackColor(kGraphBackground);
    surface.Clear();
    surface.SetScale(-20, -3.5f, 400, 7);
    for (int y = -3; y <= 3; ++y) {
        surface.DrawLine(0, static_cast<float>(y), 360, static_cast<float>(y), kGridGreen);
    }
    for (int x = 0; x <= 360; x += 30) {
        surface.DrawLine(static_cast<float>(x), -3, static_cast<float>(x), 3, kGridGreen);
    }
    surface.SetFontSize(kGraphFontPoints);
    surface.SetForeColor(kLabelGrey);
    for (int v = 3; v >= -3; --v) {
        surface.SetCurrentPosition(-13, static_cast<float>(-v - 0.3));
        surface.PrintLine(IntegerLabel(v));
    }
    surface.SetCurrentPosition(0, -3.5f);
    surface.PrintLine("mm");
    if (withSpindleSpeed) {
        surface.SetForeColor(kAccelerationRed);
        surface.PrintLine("G");
        surface.SetForeColor(kLabelGrey);
    }
    std::vector<AxisLabel> cLabels;
    for (int a = 0; a <= 360; a += 30) {
        cLabels.push_back({static_cast<float>(a - 7), IntegerLabel(a)});
    }
    PrintAxisLabels(surface, cLabels, 3);
    surface.SetCurrentPosition(362, 2.5f);
    surface.PrintLine("deg");
}

} // namespace

MotionFigures DrawModeAGraph(const CamJob& job, GraphSurface& picture1, GraphSurface& picture4,
                             GraphSurface& picture5, GraphSurface& picture3) {
    const bool withSpindleSpeed = job.SpindleSpeed > 0;
    DrawModeAFrame(picture1, withSpindleSpeed);

    MotionFigures figures = ComputeMotionFigures(job.XSTable, job.SpindleSpeed);

    std::array<float, kTableSize> y{};
    for (int k = 0; k < kTableSize; ++k) {
        y[k] = static_cast<float>(-ValueOf(job.XSTable[k]));
    }
    const int steps = static_cast<int>(figures.Steps.size());
    for (int i = 0; i < kTableSize - 1; ++i) {
        const auto c0 = static_cast<float>(i);
        const auto c1 = static_cast<float>(i + 1);
        picture1.DrawLine(c0, y[i], c1, y[i + 1], kCurveYellow);
        if (i < steps) {
            const MotionStep& step = figures.Steps[i];
            picture1.DrawLine(c0, static_cast<float>(-step.A0), c1, static_cast<float>(-step.A1),
                              kAccelerationRed);
        }
    }

    picture4.Clear();
    picture5.Clear();
    if (withSpindleSpeed) {
        picture5.PrintLine(SpindleSpeedLine(job.SpindleSpeed));
        picture4.PrintLine(MaxSpeedLine(figures.MaxSpeed));
        picture4.PrintLine(MaxGravityLine(figures.MaxGravity));
    }

    picture1.SetPointer(PointerShape::CrossHair);
    picture3.Show();
    return figures;
}

} // namespace spirolan
