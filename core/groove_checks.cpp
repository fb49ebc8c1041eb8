// SPDX-License-Identifier: GPL-3.0-or-later
// Design checks of a generated groove, from its segment ends and corner radii.
#include "core/groove_checks.h"

#include "core/failure_causes.h"
#include "core/profile_walk.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace spirolan {
namespace {

// Segment ends are sums of sines and tangents: a tangent arc that meets its flank exactly comes
// out a few ulps apart, which is no overlap.
constexpr double kTolerance = 1e-9;

// How the checks name the parts of a groove: corner k is segment 2k - 1 of the walk.
struct GrooveNames {
    std::array<std::string_view, 4> corners;
    std::array<bool, 4> concave;
    std::string_view angle1;
    std::string_view angle2;
};

constexpr std::array<GrooveNames, 3> kNames{{
    {{"R 1", "R 2", "R 3", "R 4"}, {false, true, true, false}, "Angle 1", "Angle 2"},
    // Shape 2 stores R 3 = R 2 and R 4 = R 1 and derives one angle for both flanks.
    {{"R 1", "R 2", "R 2", "R 1"},
     {false, true, true, false},
     "The flank angle derived from PITCH, R 1 and R 2",
     "The flank angle derived from PITCH, R 1 and R 2"},
    // Shape 3 walks its entered corners concave and the derived crest convex.
    {{"R 1", "The crest radius derived from WIDTH and Angle 1",
      "The crest radius derived from WIDTH and Angle 1", "R 2"},
     {true, false, false, true},
     "Angle 1",
     "The angle of the second side derived from R 2 and the depth"},
}};

void Add(std::vector<std::string>& warnings, std::string warning) {
    if (std::find(warnings.begin(), warnings.end(), warning) == warnings.end()) {
        warnings.push_back(std::move(warning));
    }
}

// The corner radius as the job stores it; Shape 3 keeps its "R 2" in R4.
std::array<double, 4> CornerRadii(const CamJob& job) {
    return {ValueOf(job.R1), ValueOf(job.R2), ValueOf(job.R3), ValueOf(job.R4)};
}

} // namespace

std::vector<std::string> CheckGroove(const CamJob& job) {
    const std::optional<ProfileWalk> walk = JobWalk(job, ValueOf(job.NoseR));
    if (!walk) {
        return {};
    }
    const GrooveNames& names = kNames[static_cast<size_t>(job.LastShape - 1)];
    const double noseR = ValueOf(job.NoseR);
    const std::string nose = MessageNumber(noseR);
    const std::array<double, 4> radii = CornerRadii(job);
    const WalkGeometry& g = walk->geometry;
    const std::array<double, 4> walking{g.C1, g.C2, g.C3, g.C4};
    const SegmentEnds e = WalkSegmentEnds(g);
    std::vector<std::string> warnings;

    // A concave corner is walked with the nose subtracted: below Nose-R its walking radius turns
    // negative, the nose centre loops back and the nose cuts into the flanks beside it.
    for (size_t c = 0; c < 4; ++c) {
        if (names.concave[c] && radii[c] < noseR) {
            Add(warnings, std::string(names.corners[c]) + " (" + MessageNumber(radii[c]) +
                              ") is smaller than Nose-R (" + nose +
                              "): the tool cannot form this corner and the cam will cut into the "
                              "flank.");
        }
    }
    // The nose centre reaches the bottom only between its two flanks' ends; where these cross,
    // the flat bottom of the cam is never cut at its depth.
    if (job.LastShape == 1) {
        const double flat = std::min(e.Z3, e.Z4) - std::max(e.W1, e.Z2);
        if (flat < -kTolerance) {
            Add(warnings, "After the corners R 2 and R 3 the flat bottom is " +
                              MessageNumber(flat) + " mm long: the nose centre (Nose-R " + nose +
                              ") cannot reach it. Raise WIDTH, or R 2 and R 3.");
        }
    }
    // Each flank runs between the ends of its two corners; when those ends cross, the corners
    // overlap and the flank of the drawing does not exist.
    const std::array<std::array<double, 2>, 2> flanks{{{e.Z1, e.Z2}, {e.Z4, e.Z5}}};
    for (size_t f = 0; f < 2; ++f) {
        const double overlap = flanks[f][0] - flanks[f][1];
        if (overlap > kTolerance) {
            const std::string_view angle = f == 0 ? names.angle1 : names.angle2;
            Add(warnings, std::string(names.corners[2 * f]) + " and " +
                              std::string(names.corners[2 * f + 1]) + " overlap by " +
                              MessageNumber(overlap) + " mm along the flank of " +
                              std::string(angle) +
                              ": the corners leave no straight flank. Reduce the radii.");
        }
    }
    // A convex corner walked with a negative radius, or a flank leaning over the groove, makes
    // the nose centre run backwards along Z, which a cam over the spindle angle cannot do.
    for (size_t c = 0; c < 4; ++c) {
        if (!names.concave[c] && walking[c] < 0) {
            Add(warnings, std::string(names.corners[c]) + " (" + MessageNumber(radii[c]) +
                              ") with Nose-R (" + nose +
                              ") gives a negative corner: the nose centre runs backwards along Z "
                              "there. Raise it.");
        }
    }
    const std::array<std::pair<std::string_view, double>, 2> angles{
        {{names.angle1, ValueOf(job.Angle1)}, {names.angle2, ValueOf(job.Angle2)}}};
    for (const auto& [caption, degrees] : angles) {
        if (degrees < 0 || degrees > 90) {
            Add(warnings, std::string(caption) + " (" + MessageNumber(degrees) +
                              ") lies outside 0 to 90 degrees: the flank leans over the groove, "
                              "the nose centre would run backwards along Z and the cam cuts "
                              "another flank.");
        }
    }
    // The walk ends each period at the lead pitch: a groove longer than that cuts into the next.
    if (e.Z6 > walk->leadPitch + kTolerance) {
        Add(warnings, "The groove is " + MessageNumber(e.Z6) + " mm long but one lead pitch is " +
                          MessageNumber(walk->leadPitch) + " mm: " + std::string(names.corners[3]) +
                          " runs into the next groove. Reduce the radii or the depth, or raise "
                          "PITCH.");
    }
    return warnings;
}

} // namespace spirolan
