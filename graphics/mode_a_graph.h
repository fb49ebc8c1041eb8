// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-A graph: XS and the slide acceleration against the spindle angle, with the figure boxes.
#pragma once

#include "core/cam_job.h"
#include "graphics/graph_style.h"
#include "graphics/graph_surface.h"
#include "graphics/motion_figures.h"

namespace spirolan {

/// Draws the Mode-A graph of `job.XSTable` on `picture1`: grid, labels (the C labels thinned where
/// they would run into each other), units, the yellow XS
/// curve for C = 0..360 and, when `job.SpindleSpeed` is above 0, the red acceleration curve
/// (C = 0..358, one y unit per G), the red "G" label and the figure lines in the figure boxes
/// `picture5` (spindle speed) and `picture4` (maximum speed and gravity). The boxes are always
/// cleared; they keep their own text colour and font. Sets a cross-hair pointer over `picture1`
/// and shows the read-out box `picture3`. Returns the motion figures drawn (both maxima 0
/// without a spindle speed), for the caller to keep as the job's `MaxSpeed` and `MaxGravity`.
/// An empty table entry counts as 0; values beyond the visible -3.5..3.5 mm are drawn as they
/// are and clipped by the surface. `style` gives the colours (the red of the curve and "G" is
/// its acceleration colour; the figure boxes keep theirs) and whether texts are kept apart.
MotionFigures DrawModeAGraph(const CamJob& job, GraphSurface& picture1, GraphSurface& picture4,
                             GraphSurface& picture5, GraphSurface& picture3,
                             const GraphStyle& style = kBatchStyle);

} // namespace spirolan
