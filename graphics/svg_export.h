// SPDX-License-Identifier: GPL-3.0-or-later
// SVG export of the two cam graphs, the same pictures the window shows.
#pragma once

#include "core/cam_job.h"
#include "graphics/motion_figures.h"
#include "graphics/svg_surface.h"

#include <string>

namespace spirolan {

/// Pixel size of one exported graph (each side clamped to 1..kMaxSvgSide).
struct SvgGraphSize {
    int Width = kSvgGraphWidth;
    int Height = kSvgGraphHeight;
};

/// The figure boxes of an exported picture in pixels, sized and spaced as the window's layout
/// rule places them at 96 dots per inch; their size does not depend on the window's.
struct FigureBoxes {
    int SpindleWidth; // Picture5
    int FigureWidth;  // Picture4
    int Height;
    int Margin; // from the top of the band and from its right edge
};
FigureBoxes FigureBoxSizes();

/// Height of the band above the Mode-A graph that holds the two figure boxes, in pixels.
inline constexpr int kFigureBandHeight = 40;

/// An exported Mode-A graph and the motion figures it shows.
struct ModeASvg {
    std::string Document;
    MotionFigures Figures;
};

/// The Mode-A graph of `job` (DrawModeAGraph) as an SVG document: the graph at `size`, under a
/// band with the figure boxes right-aligned as in the window's toolbar band (spindle speed in
/// black, maximum speed and gravity in red; empty without a spindle speed) and, with machine
/// limits, the highest spindle speed on the graph (DrawSpindleLimit).
ModeASvg ModeAGraphSvg(const CamJob& job, SvgGraphSize size = {});

/// The Mode-B graph of `job` (DrawModeBGraph) as an SVG document at `size`. Without a cutting
/// length nothing is drawn and the picture is the inactive surface, plain button-face grey.
std::string ModeBGraphSvg(const CamJob& job, SvgGraphSize size = {});

} // namespace spirolan
