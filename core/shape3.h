// SPDX-License-Identifier: GPL-3.0-or-later
// Shape 3: the profile walked from the root level with a derived crest; dialog record, generator.
#pragma once

#include "core/cam_job.h"
#include "core/shape_common.h"

#include <array>
#include <string>
#include <string_view>

namespace spirolan {

/// What the Shape 3 dialog holds: the typed texts and the two choices. Width and Diameter1 are
/// the dialog's own ("WIDTH", "Diameter 1"), R2 is its "R 2" (kept in the job's `R4`).
struct Shape3Input {
    std::string NoseR;
    std::string Pitch;
    std::string Width;
    std::string Diameter1;
    std::string Diameter2;
    std::string Angle1;
    std::string R1;
    std::string R2;
    int LeadIndex = 1;     // entry of kShape3LeadEntries ("1"), -1 for none
    bool External = false; // false: "Internal"
};

/// Entries of the "Number of Lead" list, in list order.
inline constexpr std::array<std::string_view, 2> kShape3LeadEntries{"2", "1"};

/// The text fields with their label captions, in the dialog's order.
inline constexpr std::array<DialogTextField<Shape3Input>, 8> kShape3TextFields{{
    {"Nose-R", &Shape3Input::NoseR},
    {"PITCH", &Shape3Input::Pitch},
    {"WIDTH", &Shape3Input::Width},
    {"Diameter 1", &Shape3Input::Diameter1},
    {"Diameter 2", &Shape3Input::Diameter2},
    {"Angle 1", &Shape3Input::Angle1},
    {"R 1", &Shape3Input::R1},
    {"R 2", &Shape3Input::R2},
}};

/// A freshly opened Shape 3 dialog pre-filled from `job`: "External" when `CutPosition` is -1,
/// the plain texts of `NoseR`, `Pitch`, `Shape3Width`, `Shape3Diameter1`, `Diameter2`, `Angle1`,
/// `R1`, `R4` and the lead entry 2 - `LeadCount` (none for three leads).
Shape3Input PrefillShape3(const CamJob& job);

/// OK of the Shape 3 dialog. Stores, in this order, `CutPosition` (-1 External, 1 Internal),
/// `NoseR`, `Pitch`, `Shape3Width`, `Shape3Diameter1`, `Diameter2`, `Angle1`, `R1`, `R4`,
/// `LeadCount`, `LeadPitch`, the derived `Angle2`, `R2`, `R3`, `Diameter1`, `Width` = 0 and
/// `ZPerDegree`, walks the profile from the root level (entry 360 and the flat top hold
/// H * CutPosition, H half the difference of the typed diameters) and returns the Mode-A text.
/// Failures as GenerateShape1, also no lead entry selected, "R 2" equal to H, H above twice
/// "R 2" or negative, and a crest angle whose sine is 0.
ShapeResult GenerateShape3(const Shape3Input& input, CamJob& job);

} // namespace spirolan
