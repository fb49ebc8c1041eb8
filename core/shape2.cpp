// SPDX-License-Identifier: GPL-3.0-or-later
// Shape 2: the groove with a rounded bottom and derived flank angle; dialog record and generator.
#include "core/shape2.h"

#include "core/number_text.h"
#include "core/profile_walk.h"
#include "core/shape_guard.h"

#include <cmath>

namespace spirolan {
namespace {

// The longer step makes the walk end before entry 360.
constexpr double kExtraStep = 0.0003;

} // namespace

Shape2Input PrefillShape2(const CamJob& job) {
    Shape2Input input;
    input.External = job.CutPosition == 1;
    input.NoseR = PlainText(job.NoseR);
    input.Pitch = PlainText(job.Pitch);
    input.Diameter1 = PlainText(job.Diameter1);
    input.Diameter2 = PlainText(job.Diameter2);
    input.R1 = PlainText(job.R1);
    input.R2 = PlainText(job.R2);
    input.LeadIndex = LeadListIndex(job.LeadCount, kShape2LeadEntries.size());
    return input;
}

namespace {

ShapeResult Compute(const Shape2Input& input, CamJob& job) {
    job.CutPosition = input.External ? 1 : -1;
    if (!StoreTyped(job.NoseR, input.NoseR) || !StoreTyped(job.Pitch, input.Pitch)) {
        return FieldFailure(input, kShape2TextFields);
    }
    job.Width = 0.0;
    if (!StoreTyped(job.Diameter1, input.Diameter1) ||
        !StoreTyped(job.Diameter2, input.Diameter2) || !StoreTyped(job.R1, input.R1) ||
        !StoreTyped(job.R2, input.R2)) {
        return FieldFailure(input, kShape2TextFields);
    }
    job.R3 = job.R2;
    job.R4 = job.R1;
    if (!StoreLeadEntry(job.LeadCount, kShape2LeadEntries, input.LeadIndex)) {
        return ShapeFailure(FailureSite::NoLeadEntry);
    }

    ShapeGuard guard;
    const double leadPitch =
        guard.Divide(ValueOf(job.Pitch), ValueOf(job.LeadCount), FailureSite::EmptyEntry);
    if (!guard.Store(job.LeadPitch, leadPitch)) {
        return ShapeFailure(guard.Site());
    }
    const double radii = guard.Finite(ValueOf(job.R1) + ValueOf(job.R2));
    const double angle = guard.Finite(
        std::atan(guard.Divide(leadPitch / 2, radii, FailureSite::RadiiSumZero)) * 180 / job.PI);
    if (!guard.Store(job.Angle1, angle) || !guard.Store(job.Angle2, ValueOf(job.Angle1))) {
        return ShapeFailure(guard.Site());
    }
    return WalkTopGroove(job, leadPitch, leadPitch / 360 + kExtraStep, std::nullopt);
}

} // namespace

ShapeResult GenerateShape2(const Shape2Input& input, CamJob& job) {
    return Generated(job, 2, Compute(input, job));
}

} // namespace spirolan
