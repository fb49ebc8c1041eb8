// SPDX-License-Identifier: GPL-3.0-or-later
// Shape 2: the groove with a rounded bottom and derived flank angle; dialog record and generator.
#pragma once

#include "core/cam_job.h"
#include "core/shape_common.h"

#include <array>
#include <string>
#include <string_view>

namespace spirolan {

/// What the Shape 2 dialog holds: the typed texts and the two choices.
struct Shape2Input {
    std::string NoseR;
    std::string Pitch;
    std::string Diameter1;
    std::string Diameter2;
    std::string R1;
    std::string R2;
    int LeadIndex = -1;    // entry of kShape2LeadEntries, -1 for none
    bool External = false; // false: "Internal"
};

/// Entries of the "Number of Lead" list, in list order.
inline constexpr std::array<std::string_view, 2> kShape2LeadEntries{"2", "1"};

/// The text fields with their label captions, in the dialog's order.
inline constexpr std::array<DialogTextField<Shape2Input>, 6> kShape2TextFields{{
    {"Nose-R", &Shape2Input::NoseR},
    {"PITCH", &Shape2Input::Pitch},
    {"Diameter 1", &Shape2Input::Diameter1},
    {"Diameter 2", &Shape2Input::Diameter2},
    {"R 1", &Shape2Input::R1},
    {"R 2", &Shape2Input::R2},
}};

/// A freshly opened Shape 2 dialog pre-filled from `job`: "External" when `CutPosition` is 1,
/// the plain texts of the fields and the lead entry 2 - `LeadCount` (none for three leads).
Shape2Input PrefillShape2(const CamJob& job);

/// OK of the Shape 2 dialog. Stores `CutPosition`, `NoseR`, `Pitch`, `Width` = 0, `Diameter1`,
/// `Diameter2`, `R1`, `R2`, `R3` = `R2`, `R4` = `R1`, `LeadCount`, then `LeadPitch`, the derived
/// flank angle atan((LeadPitch / 2) / (R1 + R2)) in degrees into `Angle1` and `Angle2`, and
/// `ZPerDegree` = `LeadPitch` / 360 + 0.0003. The walk ends before entry 360; the entries after
/// it up to 359 take the flat top 0. Entry 360 ends as 0. Failures as GenerateShape1, also no
/// lead entry selected and R1 + R2 = 0.
ShapeResult GenerateShape2(const Shape2Input& input, CamJob& job);

} // namespace spirolan
