// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-B graph: the XS table laid out turn after turn along Z over the cutting length.
#pragma once

#include "core/cam_job.h"
#include "graphics/graph_style.h"
#include "graphics/graph_surface.h"

namespace spirolan {

/// Most spindle turns the Mode-B curve draws in full detail. A cutting length of more turns
/// (only hostile input: Face copy accepts under 118) draws this many evenly spaced turns, the
/// last full turn and the partial turn: more turns than any surface has pixel columns, so the
/// picture looks the same while the work stays bounded.
inline constexpr double kMaxDrawnTurns = 4096;

/// Most Z grid lines (and Z labels) drawn; beyond, every m-th one is drawn.
inline constexpr double kMaxZGridLines = 4096;

/// Draws the Mode-B graph on `picture2`: grid, labels and units over Z = 0..`CutLength` (grid
/// step 1 mm with `Repeat` on, else 5 mm, and a closing line at the cutting length; the Z labels
/// thinned where they would run into each other, the grid lines all drawn), then the
/// yellow XS curve, one spindle turn per `LeadCount` * `LeadPitch` along Z, and sets a cross-hair
/// pointer and shows the read-out box `picture3`. Does nothing at all (both surfaces keep what
/// they show) when `CutLength` is empty, not above 0 or not finite. Draws grid and labels but
/// no curve when `LeadCount` is not 1, 2 or 3, when `LeadPitch` is empty or 0, or when the number
/// of turns is not finite. `style` gives the colours and whether texts are kept apart.
void DrawModeBGraph(const CamJob& job, GraphSurface& picture2, GraphSurface& picture3,
                    const GraphStyle& style = kBatchStyle);

} // namespace spirolan
