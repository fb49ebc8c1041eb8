// SPDX-License-Identifier: GPL-3.0-or-later
// Shape 1: the trapezoidal groove with four corner radii; its dialog record, pre-fill and
// generator.
#include "core/shape1.h"

#include "core/lenient_number.h"
#include "core/number_text.h"
#include "core/profile_walk.h"
#include "core/shape_guard.h"

#include <charconv>
#include <cmath>

namespace spirolan {

Shape1Input PrefillShape1(const CamJob& job) {
    Shape1Input input;
    input.External = job.CutPosition == 1;
    input.NoseR = PlainText(job.NoseR);
    input.Pitch = PlainText(job.Pitch);
    input.Width = PlainText(job.Width);
    input.Diameter1 = PlainText(job.Diameter1);
    input.Diameter2 = PlainText(job.Diameter2);
    input.Angle1 = PlainText(job.Angle1);
    input.Angle2 = PlainText(job.Angle2);
    input.R1 = PlainText(job.R1);
    input.R2 = PlainText(job.R2);
    input.R3 = PlainText(job.R3);
    input.R4 = PlainText(job.R4);
    input.SpindleSpeed = PlainText(job.SpindleSpeed);
    input.StartXS = PlainTextSingle(job.StartXS);
    input.LeadIndex = LeadListIndex(job.LeadCount, kShape1LeadEntries.size());
    return input;
}

namespace {

ShapeResult Compute(const Shape1Input& input, CamJob& job) {
    job.CutPosition = input.External ? 1 : -1;
    if (!StoreTyped(job.NoseR, input.NoseR) || !StoreTyped(job.Pitch, input.Pitch) ||
        !StoreTyped(job.Width, input.Width) || !StoreTyped(job.Diameter1, input.Diameter1) ||
        !StoreTyped(job.Diameter2, input.Diameter2) || !StoreTyped(job.Angle1, input.Angle1) ||
        !StoreTyped(job.Angle2, input.Angle2) || !StoreTyped(job.R1, input.R1) ||
        !StoreTyped(job.R2, input.R2) || !StoreTyped(job.R3, input.R3) ||
        !StoreTyped(job.R4, input.R4)) {
        return FieldFailure(input, kShape1TextFields);
    }
    if (!StoreLeadEntry(job.LeadCount, kShape1LeadEntries, input.LeadIndex)) {
        return ShapeFailure(FailureSite::NoLeadEntry);
    }
    if (!StoreTyped(job.SpindleSpeed, input.SpindleSpeed)) {
        return FieldFailure(input, kShape1TextFields);
    }
    if (!StoreTypedSingle(job.StartXS, input.StartXS)) {
        return ShapeFailure(FailureSite::StartXSTooLarge);
    }

    ShapeGuard guard;
    const double leadPitch =
        guard.Divide(ValueOf(job.Pitch), ValueOf(job.LeadCount), FailureSite::EmptyEntry);
    if (!guard.Store(job.LeadPitch, leadPitch)) {
        return ShapeFailure(guard.Site());
    }
    return WalkTopGroove(job, leadPitch, leadPitch / 360, job.StartXS);
}

} // namespace

ShapeResult GenerateShape1(const Shape1Input& input, CamJob& job) {
    return Generated(job, 1, Compute(input, job));
}

std::optional<std::string> WidthForWD(const Shape1Input& dialog, std::string_view wdText,
                                      double pi) {
    if (wdText.empty()) {
        return std::nullopt;
    }
    const std::optional<double> angle1 = ReadLenient(dialog.Angle1);
    const std::optional<double> angle2 = ReadLenient(dialog.Angle2);
    const std::optional<double> r2 = ReadLenient(dialog.R2);
    const std::optional<double> r3 = ReadLenient(dialog.R3);
    const std::optional<double> wd = ReadLenient(wdText);
    if (!angle1 || !angle2 || !r2 || !r3 || !wd) {
        return std::nullopt;
    }
    const double a1 = *angle1 * pi / 180;
    const double a2 = *angle2 * pi / 180;
    const double width = *wd - *r2 * std::tan(a1 / 2) - *r3 * std::tan(a2 / 2);
    if (!std::isfinite(width)) {
        return std::nullopt;
    }
    // Fixed notation of the largest double: 309 digits, the point and three decimals.
    char buf[400];
    char* end = std::to_chars(buf, buf + sizeof buf, width, std::chars_format::fixed, 3).ptr;
    std::string text(buf, end);
    if (text == "-0.000") {
        text.erase(0, 1);
    }
    return text;
}

} // namespace spirolan
