// SPDX-License-Identifier: GPL-3.0-or-later
// Copy conditions: shift angle, copy number and Z-axis pitch derived from a cutting length.
#include "facecopy/copy_condition.h"

#include "core/conversions.h"

#include <cmath>
#include <cstdlib>

namespace spirolan {

std::optional<int> ShiftAngleFor(double q) {
    if (!(q >= 0 && q < 15)) {
        return std::nullopt;
    }
    if (q < 6) {
        return static_cast<int>(q) + 1;
    }
    // The divisors of 360 up to 15, so that whole turns hold whole numbers of faces.
    static constexpr int kShiftAbove[] = {8, 8, 9, 10, 12, 12, 15, 15, 15}; // q = 6..14
    return kShiftAbove[static_cast<int>(q) - 6];
}

CopyCondition DeriveCopyCondition(double cutLength, double pitch, double maxFaces, bool leftHand) {
    CopyCondition result;
    if (std::isnan(cutLength) || cutLength < 0) {
        return result;
    }
    const double t = (cutLength * 360) / pitch;
    if (std::isnan(t) || t < 0) {
        return result;
    }
    double q = 0;
    if (t != 0) {
        q = maxFaces > 0 ? Int(t / maxFaces) : INFINITY;
    }
    std::optional<int> shift = ShiftAngleFor(q);
    if (!shift) {
        result.outcome = CopyOutcome::TooLong;
        return result;
    }
    result.ShiftAngle = leftHand ? -*shift : *shift;
    std::optional<std::int16_t> copyNumber = ToInt16(t / std::abs(result.ShiftAngle));
    if (!copyNumber) {
        result.outcome = CopyOutcome::TooLong;
        return result;
    }
    result.CopyNumber = *copyNumber;
    if (cutLength == 0) {
        result.outcome = CopyOutcome::DerivedForZero;
        return result;
    }
    if (result.CopyNumber == 0) {
        // Shorter than half a face: there is nothing to divide the length by.
        result.outcome = CopyOutcome::Unusable;
        return result;
    }
    result.ZAxisPitch = cutLength / result.CopyNumber;
    result.outcome = CopyOutcome::Accepted;
    return result;
}

double ZAxisPitchShown(double zAxisPitch) {
    return Int(zAxisPitch * 10000) / 10000;
}

} // namespace spirolan
