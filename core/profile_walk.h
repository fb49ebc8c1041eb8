// SPDX-License-Identifier: GPL-3.0-or-later
// The eight-segment profile walk, the lead replication and the final Mode-A values of the shapes.
#pragma once

#include "core/cam_job.h"
#include "core/shape_common.h"
#include "core/shape_guard.h"

#include <array>
#include <optional>
#include <string>

namespace spirolan {

/// The per-degree table of a job (`CamJob::XSTable`).
using CamTable = std::array<OptionalNumber, kTableSize>;

/// The groove as the tool nose centre walks it. Angles in radians, lengths in mm.
struct WalkGeometry {
    double a1 = 0;    // first flank to the axis
    double a2 = 0;    // second flank to the axis
    double C1 = 0;    // walking radius of the first top corner
    double C2 = 0;    // walking radius of the first bottom corner
    double C3 = 0;    // walking radius of the second bottom corner
    double C4 = 0;    // walking radius of the second top corner
    double depth = 0; // from the top level to the bottom level
    double width = 0; // flat bottom
};

/// The level XS is measured from. Top: 0 at the top, every value CP * (formula), the flat top 0.
/// Root: every value (formula) * CP + `rootOffset`, the bottom corners grouped from the depth,
/// the flat top `rootOffset`.
enum class ProfileLevel { Top, Root };

/// One walk over a groove period.
struct ProfileWalk {
    WalkGeometry geometry;
    double leadPitch = 0;   // end of the period, mm
    double zPerDegree = 0;  // axial step per table entry, mm
    double cutPosition = 0; // CP, the sign of XS
    ProfileLevel level = ProfileLevel::Top;
    double rootOffset = 0; // Root only
};

/// Axial ends of the segments of a walk, in mm from the start of the period.
struct SegmentEnds {
    double Z1 = 0; // first top corner
    double W1 = 0; // first bottom corner
    double Z2 = 0; // first flank
    double Z3 = 0; // flat bottom
    double Z4 = 0; // second bottom corner
    double Z5 = 0; // second flank
    double Z6 = 0; // second top corner
};

/// The segment ends of `geometry`; with a flank angle of 0 they are meaningless.
SegmentEnds WalkSegmentEnds(const WalkGeometry& geometry);

/// The walk's value at axial position `z` (mm) by the formula of the segment that `z` lies in
/// (the first whose end is above `z`; the flat top past the last), as the walk writes it;
/// nothing where that segment's root is negative or the value is not finite.
std::optional<double> ProfileValueAt(const ProfileWalk& walk, const SegmentEnds& ends, double z);

/// The walk of the job's last generated shape rebuilt from its stored fields, with the tool nose
/// radius `noseR`: the job's `NoseR` gives the nose centre's walk, 0 the groove as typed (from
/// the same level). Nothing before a generation or when a value is not finite.
std::optional<ProfileWalk> JobWalk(const CamJob& job, double noseR);

/// The walk of Shapes 1 and 2 from the job's `Angle1`, `Angle2`, `R1`..`R4`, `Diameter1`,
/// `Diameter2`, `Width` and `CutPosition`, convex corners walked with `noseR` added and concave
/// ones with it subtracted. With `stepField`, `zPerDegree` is stored there after the corner
/// radii and before the depth, as the generation stores `ZPerDegree`.
ProfileWalk TopGrooveWalk(const CamJob& job, double noseR, double leadPitch, double zPerDegree,
                          ShapeGuard& guard, OptionalNumber* stepField);

/// The walk of Shape 3 from its stored fields: the entered corners with `noseR` subtracted, the
/// derived crest with it added, from the root level of the typed diameters; `stepField` as for
/// TopGrooveWalk.
ProfileWalk RootGrooveWalk(const CamJob& job, double noseR, double zPerDegree, ShapeGuard& guard,
                           OptionalNumber* stepField);

/// Walks the profile into `table`, replicates it for `leadCount` leads and builds the Mode-A text.
///
/// First the segment ends: a flank angle of 0 is a division by zero. Then entry 360 takes the
/// flat-top value. Each segment writes at least one entry, then steps Z by repeated addition
/// while Z is below its end. Entries from the walk's end up to 359 take the flat-top value. Every
/// failure gives kDataError and leaves the entries written so far: an index above 360 (a groove
/// longer than the period, or a step of 0), the square root of a negative number, a value that is
/// not finite, a lead count other than 1, 2 or 3, an empty entry. With `startXS` (Shape 1) every
/// final value gets it added and entry 360 takes it.
ShapeResult WalkToModeA(const ProfileWalk& walk, double leadCount, std::optional<float> startXS,
                        CamTable& table);

/// Shapes 1 and 2 from the flank angles on: the walking geometry from `Angle1`, `Angle2`,
/// `R1`..`R4`, `NoseR`, `Diameter1`, `Diameter2` and `Width` of `job`, storing `ZPerDegree` =
/// `zPerDegree` on the way, then the walk from the top level with the sign `CutPosition` into
/// `XSTable` and the final values (WalkToModeA with the job's `LeadCount`).
ShapeResult WalkTopGroove(CamJob& job, double leadPitch, double zPerDegree,
                          std::optional<float> startXS);

/// The final values of a walked table: entries 0..359 thinned to every `leadCount`-th entry and
/// laid `leadCount` times around the turn, each value passed through its 15-digit text, plus
/// `startXS`; entry 360 takes `startXS` when given. Returns the Mode-A text, or nullopt when an
/// entry to convert is empty (also for a lead count other than 1, 2, 3) or a value overflows;
/// the entries finished before the failure stay written.
std::optional<std::string> FinishModeA(CamTable& table, double leadCount,
                                       std::optional<float> startXS);

} // namespace spirolan
