// SPDX-License-Identifier: GPL-3.0-or-later
// The eight-segment profile walk, the lead replication and the final Mode-A values of the shapes.
#pragma once

#include "core/cam_job.h"
#include "core/shape_common.h"

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
