// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-B graph: grid, labels and the XS curve of every spindle turn along Z.
#include "graphics/mode_b_graph.h"

#include "graphics/axis_labels.h"
#include "graphics/graph_style.h"
#include "graphics/text_placer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace spirolan {
namespace {

// Grid, labels and units of the Z axis (mm, 0..L) and the XS axis (mm, drawn as y = -XS).
void DrawModeBFrame(GraphSurface& surface, double L, double s, const GraphStyle& style) {
    surface.SetBackColor(style.Background);
    surface.Clear();
    const UserRect visible{static_cast<float>(-0.055 * L), -3.5f, static_cast<float>(1.11 * L), 7};
    surface.SetScale(visible.Left, visible.Top, visible.Width, visible.Height);
    const auto right = static_cast<float>(L);
    for (int y = -3; y <= 3; ++y) {
        surface.DrawLine(0, static_cast<float>(y), right, static_cast<float>(y), style.Grid);
    }
    // z = 0, s, 2s, ... while z <= L; a hostile length thins the lines to every m-th one.
    const double lines = std::floor(L / s) + 1;
    const double stride = lines > kMaxZGridLines ? std::ceil(lines / kMaxZGridLines) : 1;
    const double step = stride * s;
    for (double j = 0; j * step <= L; ++j) {
        const auto z = static_cast<float>(j * step);
        surface.DrawLine(z, -3, z, 3, style.Grid);
        surface.DrawLine(right, -3, right, 3, style.Grid);
    }
    surface.SetFontSize(kGraphFontPoints);
    surface.SetForeColor(style.Label);
    TextPlacer texts(surface, style.KeepTextsApart, visible);
    const auto labelX = static_cast<float>(-0.035 * L);
    PrintXsLabels(texts, labelX);
    texts.Print(0, -3.5f, "mm");
    std::vector<AxisLabel> zLabels;
    for (double j = 0; j * step <= L; ++j) {
        const double z = j * step;
        zLabels.push_back({static_cast<float>(z - 0.02 * L), IntegerLabel(z)});
    }
    PrintAxisLabels(texts, zLabels, 3);
    PrintLowestXsLabel(texts, labelX);
    texts.PrintToTheRight(static_cast<float>(1.01 * L), 2.5f, "mm");
}

// The turns of the curve: Z(k, i) = c * k * LeadPitch + L * i / (360 n).
class TurnPlotter {
public:
    TurnPlotter(const CamJob& job, GraphSurface& surface, double L, double c, double n, Rgb color)
        : surface_(surface), L_(L), c_(c), leadPitch_(ValueOf(job.LeadPitch)), n_(n),
          color_(color) {
        for (int k = 0; k < kTableSize; ++k) {
            y_[k] = static_cast<float>(-ValueOf(job.XSTable[k]));
        }
    }

    double Z(double k, int i) const { return c_ * k * leadPitch_ + L_ * i / (360 * n_); }

    // Segments i = 0 .. last of turn k; `last` is at most 359.
    void DrawTurn(double k, int last) {
        float z0 = static_cast<float>(Z(k, 0));
        for (int i = 0; i <= last; ++i) {
            const auto z1 = static_cast<float>(Z(k, i + 1));
            surface_.DrawLine(z0, y_[i], z1, y_[i + 1], color_);
            z0 = z1;
        }
    }

private:
    GraphSurface& surface_;
    double L_;
    double c_;
    double leadPitch_;
    double n_;
    Rgb color_;
    std::array<float, kTableSize> y_{};
};

void DrawModeBCurve(const CamJob& job, GraphSurface& surface, double L, Rgb color) {
    const double c = ValueOf(job.LeadCount);
    const double leadPitch = ValueOf(job.LeadPitch);
    if ((c != 1 && c != 2 && c != 3) || leadPitch == 0) {
        return;
    }
    const double n = L / leadPitch / c;
    if (!std::isfinite(n)) {
        return;
    }
    TurnPlotter plotter(job, surface, L, c, n, color);
    const double fullTurns = std::floor(n);
    const double stride = fullTurns > kMaxDrawnTurns ? std::ceil(fullTurns / kMaxDrawnTurns) : 1;
    double k = 0;
    for (double j = 0; (k = j * stride) < fullTurns; ++j) {
        plotter.DrawTurn(k, 359);
    }
    if (stride > 1 && std::fmod(fullTurns - 1, stride) != 0) {
        plotter.DrawTurn(fullTurns - 1, 359);
    }
    // The partial turn: i = 0, 1, ... while i <= 360 (n - Int(n)), so always its first segment.
    const double partialDegrees = 360 * (n - fullTurns);
    plotter.DrawTurn(fullTurns, static_cast<int>(std::min(359.0, std::floor(partialDegrees))));
}

} // namespace

void DrawModeBGraph(const CamJob& job, GraphSurface& picture2, GraphSurface& picture3,
                    const GraphStyle& style) {
    const double L = ValueOf(job.CutLength);
    if (!(L > 0) || !std::isfinite(L)) {
        return;
    }
    DrawModeBFrame(picture2, L, job.Repeat ? 1 : 5, style);
    DrawModeBCurve(job, picture2, L, style.Curve);
    picture2.SetPointer(PointerShape::CrossHair);
    picture3.Show();
}

} // namespace spirolan
