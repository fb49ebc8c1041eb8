// SPDX-License-Identifier: GPL-3.0-or-later
// Shape 3: the profile walked from the root level with a derived crest; dialog record, generator.
#include "core/shape3.h"

#include "core/number_text.h"
#include "core/profile_walk.h"
#include "core/shape_guard.h"

#include <cmath>

namespace spirolan {

Shape3Input PrefillShape3(const CamJob& job) {
    Shape3Input input;
    input.External = job.CutPosition == -1;
    input.NoseR = PlainText(job.NoseR);
    input.Pitch = PlainText(job.Pitch);
    input.Width = PlainText(job.Shape3Width);
    input.Diameter1 = PlainText(job.Shape3Diameter1);
    input.Diameter2 = PlainText(job.Diameter2);
    input.Angle1 = PlainText(job.Angle1);
    input.R1 = PlainText(job.R1);
    input.R2 = PlainText(job.R4);
    input.LeadIndex = LeadListIndex(job.LeadCount, kShape3LeadEntries.size());
    return input;
}

namespace {

ShapeResult Compute(const Shape3Input& input, CamJob& job) {
    job.CutPosition = input.External ? -1 : 1;
    if (!StoreTyped(job.NoseR, input.NoseR) || !StoreTyped(job.Pitch, input.Pitch) ||
        !StoreTyped(job.Shape3Width, input.Width) ||
        !StoreTyped(job.Shape3Diameter1, input.Diameter1) ||
        !StoreTyped(job.Diameter2, input.Diameter2) || !StoreTyped(job.Angle1, input.Angle1) ||
        !StoreTyped(job.R1, input.R1) || !StoreTyped(job.R4, input.R2)) {
        return FieldFailure(input, kShape3TextFields);
    }
    if (!StoreLeadEntry(job.LeadCount, kShape3LeadEntries, input.LeadIndex)) {
        return ShapeFailure(FailureSite::NoLeadEntry);
    }

    ShapeGuard guard;
    const double pi = job.PI;
    const double leadPitch =
        guard.Divide(ValueOf(job.Pitch), ValueOf(job.LeadCount), FailureSite::EmptyEntry);
    if (!guard.Store(job.LeadPitch, leadPitch)) {
        return ShapeFailure(guard.Site());
    }
    // The second side: an arc of radius "R 2" rising by the depth H turns through Angle2.
    const double r4 = ValueOf(job.R4);
    const double depth = guard.Finite((ValueOf(job.Shape3Diameter1) - ValueOf(job.Diameter2)) / 2);
    const double legA = guard.Finite(r4 - depth);
    const double legB = guard.Sqrt(r4 * r4 - legA * legA, FailureSite::SideTooShallow);
    const double angle2 =
        guard.Finite(std::atan(guard.Divide(legB, legA, FailureSite::SideEqualsDepth)) / pi * 180);
    if (!guard.Store(job.Angle2, angle2)) {
        return ShapeFailure(guard.Site());
    }
    // The crest: its angle G closes the triangle of the two flanks over the width.
    const double angle1 = ValueOf(job.Angle1);
    const double crestAngle = guard.Finite((180 - angle1) - angle2);
    const double a1 = guard.Finite(angle1 * pi / 180);
    const double a2 = guard.Finite(angle2 * pi / 180);
    const double crest = guard.Finite(crestAngle * pi / 180);
    const double side = guard.Divide(ValueOf(job.Shape3Width) * std::sin(a1), std::sin(crest),
                                     FailureSite::NoCrest);
    const double r2 = guard.Finite(std::tan(crest / 2) * side);
    if (!guard.Store(job.R2, r2) || !guard.Store(job.R3, r2)) {
        return ShapeFailure(guard.Site());
    }
    const double diameter1 =
        guard.Finite(ValueOf(job.Shape3Diameter1) + (r2 - std::cos(a2) * r2) * 2);
    if (!guard.Store(job.Diameter1, diameter1) || !guard.Store(job.Width, 0.0)) {
        return ShapeFailure(guard.Site());
    }
    const ProfileWalk walk =
        RootGrooveWalk(job, ValueOf(job.NoseR), leadPitch / 360, guard, &job.ZPerDegree);
    if (guard.Failed()) {
        return ShapeFailure(guard.Site());
    }
    return WalkToModeA(walk, ValueOf(job.LeadCount), std::nullopt, job.XSTable);
}

} // namespace

ShapeResult GenerateShape3(const Shape3Input& input, CamJob& job) {
    return Generated(job, 3, Compute(input, job));
}

} // namespace spirolan
