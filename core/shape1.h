// SPDX-License-Identifier: GPL-3.0-or-later
// Shape 1: the trapezoidal groove with four corner radii; its dialog record, pre-fill and
// generator.
#pragma once

#include "core/cam_job.h"
#include "core/shape_common.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace spirolan {

/// What the Shape 1 dialog holds: the typed texts and the two choices.
struct Shape1Input {
    std::string NoseR;
    std::string Pitch;
    std::string Width;
    std::string Diameter1;
    std::string Diameter2;
    std::string Angle1;
    std::string Angle2;
    std::string R1;
    std::string R2;
    std::string R3;
    std::string R4;
    std::string SpindleSpeed;
    std::string StartXS = "0";
    int LeadIndex = 0;     // entry of kShape1LeadEntries, -1 for none
    bool External = false; // false: "Internal"
};

/// Entries of the "Number of Lead" list, in list order.
inline constexpr std::array<std::string_view, 3> kShape1LeadEntries{"3", "2", "1"};

/// Caption of the WD field, which is not part of the record: typing there rewrites WIDTH.
inline constexpr std::string_view kShape1WDCaption = "Calculate for width. WD";

/// The text fields with their label captions, in the dialog's order.
inline constexpr std::array<DialogTextField<Shape1Input>, 13> kShape1TextFields{{
    {"Nose-R", &Shape1Input::NoseR},
    {"PITCH", &Shape1Input::Pitch},
    {"WIDTH", &Shape1Input::Width},
    {"Diameter 1", &Shape1Input::Diameter1},
    {"Diameter 2", &Shape1Input::Diameter2},
    {"Angle 1", &Shape1Input::Angle1},
    {"Angle 2", &Shape1Input::Angle2},
    {"R 1", &Shape1Input::R1},
    {"R 2", &Shape1Input::R2},
    {"R 3", &Shape1Input::R3},
    {"R 4", &Shape1Input::R4},
    {"Spindle speed for G", &Shape1Input::SpindleSpeed},
    {"Start XS vale", &Shape1Input::StartXS},
}};

/// A freshly opened Shape 1 dialog pre-filled from `job`: "External" when `CutPosition` is 1,
/// the plain texts of the fields (empty for an empty field), `SpindleSpeed`, `StartXS` (7
/// significant digits) and the lead entry 3 - `LeadCount`.
Shape1Input PrefillShape1(const CamJob& job);

/// OK of the Shape 1 dialog. Stores `CutPosition`, `NoseR`, `Pitch`, `Width`, `Diameter1`,
/// `Diameter2`, `Angle1`, `Angle2`, `R1`..`R4`, `LeadCount`, `SpindleSpeed`, `StartXS` (single
/// precision) into `job` one by one, then `LeadPitch` and `ZPerDegree`, walks the groove into
/// `XSTable` and returns the Mode-A text. Any failure (a number that overflows, no lead entry,
/// division by zero, the root of a negative number, an index above 360, overflow) returns
/// kDataError; what was stored before it stays stored.
ShapeResult GenerateShape1(const Shape1Input& input, CamJob& job);

/// The WIDTH text after `wdText` was typed into the WD field: WD - R2 tan(A1/2) - R3 tan(A2/2)
/// from the dialog's "Angle 1", "Angle 2" (degrees, converted with `pi`), "R 2", "R 3", with
/// three decimals and no digit grouping ("1234.500"). Nothing (WIDTH stays) when `wdText` is
/// empty, a number overflows or the result is not finite.
std::optional<std::string> WidthForWD(const Shape1Input& dialog, std::string_view wdText,
                                      double pi);

} // namespace spirolan
