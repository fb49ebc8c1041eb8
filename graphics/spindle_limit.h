// SPDX-License-Identifier: GPL-3.0-or-later
// Machine limits: the highest spindle speed at which the slide stays within its speed and
// acceleration limits, and the line that shows it on the Mode-A graph.
#pragma once

#include "core/cam_job.h"
#include "graphics/graph_style.h"
#include "graphics/graph_surface.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace spirolan {

/// The slide's limits; an empty one does not limit.
struct MachineLimits {
    OptionalNumber MaxSpeed; // mm/s
    OptionalNumber MaxAccel; // G
};

/// The limits kept in `job`.
MachineLimits LimitsOf(const CamJob& job);

/// Whether the motion figures of `xs` at `spindleSpeed` (rpm) keep both limits: the maximum
/// speed and gravity of ComputeMotionFigures at or below them. Holds at a speed not above 0.
bool WithinLimits(const std::array<OptionalNumber, kTableSize>& xs, double spindleSpeed,
                  const MachineLimits& limits);

/// Largest spindle speed the search considers: beyond it every whole number is not a double.
inline constexpr double kLargestSpindleSpeed = 9007199254740992.0; // 2^53

/// The highest whole speed N from 0 up to `largest` at which `within` holds while it does not
/// hold at N + 1, searched outward from the whole number `guess` and then halved, so a guess a
/// few speeds off either way costs a few more tries. Empty when `within` still holds beyond
/// `largest`; 0 when it holds at no speed above 0.
std::optional<double> HighestWithin(const std::function<bool(double)>& within, double guess,
                                    double largest);

/// The highest whole spindle speed N (rpm, 0 or more) at which WithinLimits holds while it does
/// not hold at N + 1. Speed grows with the spindle speed and acceleration with its square, which
/// gives the candidate; the figures themselves decide. Empty when nothing limits: no limit set,
/// a table that does not move the slide, or no boundary up to kLargestSpindleSpeed.
std::optional<double> MaxSpindleSpeed(const std::array<OptionalNumber, kTableSize>& xs,
                                      const MachineLimits& limits);

/// The digits of a whole spindle speed from MaxSpindleSpeed ("1234").
std::string WholeSpeedText(double whole);

/// The line the window shows: "Max. spindle speed = N min-1" ("= no limit" when nothing
/// limits), and whether the job's spindle speed is above N. Empty without a spindle speed above
/// 0 or without a limit.
struct SpindleLimitLine {
    std::string Text;
    bool Exceeded = false;
};
std::optional<SpindleLimitLine> SpindleLimitLineOf(const CamJob& job);

/// Prints the line on the Mode-A graph `picture1` just drawn by DrawModeAGraph, in the band
/// above the grid: in the label colour of `style`, or in its acceleration colour with
/// " (exceeded)" when the spindle speed is above it. Draws nothing when SpindleLimitLineOf is
/// empty. Kept apart, the line stands on a box of the background that no curve crosses, right
/// of the "mm" and "G" texts: at its place, else against the right edge, else smaller, else not
/// at all.
void DrawSpindleLimit(const CamJob& job, GraphSurface& picture1,
                      const GraphStyle& style = kBatchStyle);

/// Smallest and largest limits accepted as typed.
inline constexpr double kSmallestLimit = 0.001;      // mm/s and G
inline constexpr double kLargestSpeedLimit = 100000; // mm/s
inline constexpr double kLargestAccelLimit = 1000;   // G

/// A limit as typed: blanks around a plain decimal number are ignored; an empty text is no
/// limit. `Error` (the user's message) is set for anything else that is not a number from
/// kSmallestLimit to `largest`: 0, negatives, text, and values beyond either end.
struct LimitReading {
    OptionalNumber Value;
    std::string Error;
};
LimitReading ReadSpeedLimit(std::string_view text);
LimitReading ReadAccelLimit(std::string_view text);

} // namespace spirolan
