// SPDX-License-Identifier: GPL-3.0-or-later
// Motion figures: slide speed and acceleration of the XS table at a spindle speed.
#pragma once

#include "core/cam_job.h"

#include <array>
#include <string>
#include <vector>

namespace spirolan {

/// The accelerations in G of one degree step: A0 at the step pair that starts at degree i, A1 at
/// the pair that starts at i + 1.
struct MotionStep {
    double A0;
    double A1;
};

/// The red curve of the Mode-A graph and its two maxima.
struct MotionFigures {
    std::vector<MotionStep> Steps; // index i = degree 0..357
    double MaxSpeed = 0;           // largest |V0| in mm/s
    double MaxGravity = 0;         // largest |A0| in G
};

/// Number of motion steps: degrees 0..357, the last for which XS[i + 3] exists.
inline constexpr int kMotionStepCount = kTableSize - 3;

/// Seconds of one degree of spindle rotation at `spindleSpeed` rpm: 60 / S / 360.
double DegreeTime(double spindleSpeed);

/// Slide speed in mm/s over the degree step from `i` to `i + 1` (0..359), `dt` from DegreeTime.
double StepSpeed(const std::array<OptionalNumber, kTableSize>& xs, int i, double dt);

/// Slide acceleration in G between two consecutive step speeds (mm/s).
double StepAcceleration(double from, double to, double dt);

/// Steps for i = 0..357 and the maxima, from the XS table (mm; an empty entry counts as 0) and
/// the spindle speed (rpm). No steps and both maxima 0 when the speed is not above 0 (or NaN).
/// A huge speed may give infinite or NaN accelerations; a NaN never becomes a maximum.
MotionFigures ComputeMotionFigures(const std::array<OptionalNumber, kTableSize>& xs,
                                   double spindleSpeed);

/// Figure line 1: "Spindle Speed  = " with the speed as a signed-column number, a blank and
/// "min-1" ("Spindle Speed  =  1500 min-1"). Only meaningful for a speed above 0.
std::string SpindleSpeedLine(double spindleSpeed);

/// Figure line 2: "Max.Speed  = " with the speed formatted "###0.##" and " mm/s".
std::string MaxSpeedLine(double maxSpeed);

/// Figure line 3: "Max.Gravity = " with the acceleration formatted "##0.###" and " G".
std::string MaxGravityLine(double maxGravity);

/// Most decimals a figure number can keep.
inline constexpr int kMaxFigurePlaces = 20;

/// A figure number: all integer digits (at least one), the point always, then the fraction
/// rounded to at most `places` digits with trailing zeros dropped (36 gives "36.", 0.5 gives
/// "0.5"). Rounding is of the double's exact binary value: only a value that lies exactly on a
/// decimal half (such as 0.125 with two places) is a half, and it goes away from zero; 2.675,
/// stored just below 2.675, gives "2.67". Negative values that do not round to zero get "-".
/// A value that is not finite gives "-". `places` is clamped to 1..kMaxFigurePlaces.
std::string FigureNumberText(double value, int places);

} // namespace spirolan
