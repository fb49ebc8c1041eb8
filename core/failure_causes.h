// SPDX-License-Identifier: GPL-3.0-or-later
// Why a shape generation failed: every failure site of the three generators and the cause it
// gives, in the user's terms and naming the fields to change.
#pragma once

#include "core/cam_job.h"

#include <string>
#include <string_view>

namespace spirolan {

/// Where a generation failed. Each site names one computation that can refuse.
enum class FailureSite {
    None,
    FieldTooLarge,   // a typed number overflows a double
    StartXSTooLarge, // "Start XS vale" overflows a single
    NoLeadEntry,     // no entry of the lead list is chosen
    Overflow,        // a derived value is not finite
    FlankAngle1Zero, // division by tan(a1) = 0 in the segment ends
    FlankAngle2Zero, // division by tan(a2) = 0 in the segment ends
    RadiiSumZero,    // Shape 2: R 1 + R 2 = 0 under the derived angle
    SideEqualsDepth, // Shape 3: R 2 equals the depth, division by zero in Angle2
    SideTooShallow,  // Shape 3: the root of the second side's leg is negative
    NoCrest,         // Shape 3: sin of the crest angle is 0
    PastTableEnd,    // the walk writes an index above 360
    Corner1Root,     // negative root in the first corner (segment 1)
    Corner2Root,     // segment 3
    Corner3Root,     // segment 5
    Corner4Root,     // segment 7
    EmptyEntry,      // a lead count the replication does not know leaves entries empty
};

/// What a failed generation knows beside the job: its site, the caption of the field that could
/// not be read (FieldTooLarge) and the groove's length along Z (PastTableEnd).
struct FailurePlace {
    FailureSite Site = FailureSite::None;
    std::string Field;
    double GrooveLength = 0;
};

/// The cause line of a failure of shape `shape` (1, 2 or 3) at `place`, with the values stored
/// in `job` so far, for example "Angle 1 is 0: the flank never reaches the bottom.". Empty for
/// FailureSite::None.
std::string FailureCause(int shape, const FailurePlace& place, const CamJob& job);

/// A length or value in a message: at most three decimals, trailing zeros dropped ("4.12",
/// "0.5", "-0.02").
std::string MessageNumber(double value);

} // namespace spirolan
