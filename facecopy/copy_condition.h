// SPDX-License-Identifier: GPL-3.0-or-later
// Copy conditions: shift angle, copy number and Z-axis pitch derived from a cutting length.
#pragma once

#include <cstdint>
#include <optional>

namespace spirolan {

/// How a derivation of the copy conditions ended.
enum class CopyOutcome {
    Accepted,       // a cutting length above 0 gave at least one face: OK may be enabled
    DerivedForZero, // a cutting length of 0: shift angle and copy number (0), no Z-axis pitch
    TooLong,        // too many faces for the maximum: "Too long cutting length !!"
    Unusable,       // negative, too short for one face, or not a number: nothing is derived
};

/// The derived copy conditions; meaningful for Accepted and DerivedForZero.
struct CopyCondition {
    CopyOutcome outcome = CopyOutcome::Unusable;
    int ShiftAngle = 0;               // degrees between faces, negative for a left-hand thread
    std::int16_t CopyNumber = 0;      // number of faces
    std::optional<double> ZAxisPitch; // mm between faces; set only when Accepted
};

/// Shift angle in degrees for q = Int(T / maximum number of faces): the smallest of 1, 2, 3, 4,
/// 5, 6, 8, 9, 10, 12, 15 above q; nullopt when q is 15 or more, negative (no angle above 0 to
/// divide by) or not a number.
std::optional<int> ShiftAngleFor(double q);

/// Derives the copy conditions from `cutLength` and `pitch` (mm) and `maxFaces`:
/// T = (cutLength * 360) / pitch degrees of spindle angle, q = Int(T / maxFaces), the shift angle
/// of q (negated when `leftHand`), the copy number T / |shift angle| rounded half to even and,
/// when cutLength > 0, ZAxisPitch = cutLength / copy number.
/// Degenerate cases: a negative or not-a-number length, a negative T (negative pitch) or a copy
/// number of 0 for a length above 0 are Unusable; T = 0 is DerivedForZero whatever the maximum;
/// an infinite T, a maximum not above 0 (with T above 0) and a copy number beyond 16 bits are
/// TooLong.
CopyCondition DeriveCopyCondition(double cutLength, double pitch, double maxFaces, bool leftHand);

/// The Z-axis pitch display: Int(zAxisPitch * 10000) / 10000, truncated to 4 decimals.
double ZAxisPitchShown(double zAxisPitch);

} // namespace spirolan
