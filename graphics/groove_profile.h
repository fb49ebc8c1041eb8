// SPDX-License-Identifier: GPL-3.0-or-later
// The groove profile to scale: one lead pitch of the typed groove, the nose-centre path of the
// cam table, the groove the nose cuts along it, and where that cut leaves the typed groove.
#pragma once

#include "core/cam_job.h"
#include "graphics/graph_style.h"
#include "graphics/graph_surface.h"
#include "graphics/svg_surface.h"

#include <string>
#include <vector>

namespace spirolan {

/// A point of the profile view: axial position Z and slide position XS, both in mm.
struct ProfilePoint {
    double Z = 0;
    double XS = 0;
};

/// A stretch along Z, in mm.
struct ZRange {
    double From = 0;
    double To = 0;
};

/// What the view draws, in mm. XS is on the cam table's scale (Shape 1's start XS included).
struct GrooveProfile {
    double LeadPitch = 0;
    double NoseR = 0;
    std::vector<ProfilePoint> Typed; // the finished groove, where the nose touches it
    std::vector<ProfilePoint> Path;  // the nose centre, one point per table entry
    std::vector<ProfilePoint> Cut;   // the inner edge of the nose circles along the path
    /// Z ranges where the cut lies more than kProfileTolerance off the typed groove.
    std::vector<ZRange> Departures;
};

/// How far the cut may lie off the typed groove before it is marked, in mm: well above the
/// scallops between table entries, well below what a machinist measures.
inline constexpr double kProfileTolerance = 0.005;

/// The profile of the job's last generated groove over one lead pitch; empty (no points) before
/// a generation.
GrooveProfile ComputeGrooveProfile(const CamJob& job);

/// Draws the profile on `surface` of `pixelWidth` x `pixelHeight` pixels with equal millimetres
/// on both axes (x = Z, y = -XS) in `style`: grid, the typed groove, some nose circles, the
/// path, the cut and marks where it departs, under a heading and a legend. Before a generation
/// only the grid of an empty view.
void DrawGrooveProfile(const CamJob& job, GraphSurface& surface, int pixelWidth, int pixelHeight,
                       const GraphStyle& style);

/// The profile as an SVG document of `width` x `height` pixels, in the batch's style.
std::string GrooveProfileSvg(const CamJob& job, int width = kSvgGraphWidth,
                             int height = kSvgGraphHeight);

} // namespace spirolan
