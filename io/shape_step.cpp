// SPDX-License-Identifier: GPL-3.0-or-later
// Shape steps: the Shape 1, 2 and 3 dialogs filled in and confirmed.
#include "core/groove_checks.h"
#include "core/shape1.h"
#include "core/shape2.h"
#include "core/shape3.h"
#include "graphics/motion_figures.h"
#include "graphics/spindle_limit.h"
#include "io/job_replay.h"

#include <span>

namespace spirolan {
namespace {

// Types the step's fields into a pre-filled dialog record. Returns an error text for a field the
// dialog does not have or a choice it does not offer. `wd` receives Shape 1's WD text.
template <typename Input, size_t N>
std::string FillFields(Input& input, const JobStep& step,
                       const std::array<DialogTextField<Input>, N>& textFields,
                       std::span<const std::string_view> leadEntries,
                       std::optional<std::string>* wd) {
    for (const JobField& field : step.Fields) {
        if (!field.Value) {
            return "field " + Quoted(field.Caption) + " must be a string";
        }
        const std::string& value = *field.Value;
        bool known = false;
        for (const auto& textField : textFields) {
            if (textField.Caption == field.Caption) {
                input.*(textField.Text) = value;
                known = true;
            }
        }
        if (known) {
            continue;
        }
        if (field.Caption == kLeadCaption) {
            const int index = ChoiceIndex(leadEntries, value);
            if (index < 0) {
                return "field " + Quoted(kLeadCaption) + " has no entry " + Quoted(value);
            }
            input.LeadIndex = index;
        } else if (field.Caption == kCutPositionCaption) {
            if (value != kExternalCaption && value != kInternalCaption) {
                return "field " + Quoted(kCutPositionCaption) + " must be " +
                       Quoted(kExternalCaption) + " or " + Quoted(kInternalCaption);
            }
            input.External = value == kExternalCaption;
        } else if (wd != nullptr && field.Caption == kShape1WDCaption) {
            *wd = value;
        } else {
            return "the dialog has no field " + Quoted(field.Caption);
        }
    }
    return {};
}

std::string MotionFigureLines(CamJob& job) {
    const MotionFigures figures = ComputeMotionFigures(job.XSTable, job.SpindleSpeed);
    job.MaxSpeed = figures.MaxSpeed;
    job.MaxGravity = figures.MaxGravity;
    if (!(job.SpindleSpeed > 0)) {
        return {};
    }
    std::string lines = SpindleSpeedLine(job.SpindleSpeed) + "\n" + MaxSpeedLine(figures.MaxSpeed) +
                        "\n" + MaxGravityLine(figures.MaxGravity) + "\n";
    // Only a run given machine limits has them.
    const MachineLimits limits = LimitsOf(job);
    if (limits.MaxSpeed || limits.MaxAccel) {
        const std::optional<double> highest = MaxSpindleSpeed(job.XSTable, limits);
        lines += "Max. spindle speed=" + (highest ? WholeSpeedText(*highest) : "no limit") + "\n";
    }
    return lines;
}

StepOutcome Finish(JobSession& session, const ShapeResult& result, const std::string& dialog) {
    if (!result.Ok()) {
        return {StepStatus::Refused, {}, result.Error, std::string(kDataErrorTitle), result.Cause};
    }
    session.ModeAText = result.ModeAText;
    session.ModeBText.clear();
    const std::vector<std::string> warnings = CheckGroove(session.Job);
    session.Warnings.insert(session.Warnings.end(), warnings.begin(), warnings.end());
    return {StepStatus::Ok, dialog + ": OK\n" + MotionFigureLines(session.Job), {}, {}, {}};
}

} // namespace

StepOutcome RunShapeStep(JobSession& session, const JobStep& step, const std::string& where) {
    CamJob& job = session.Job;
    std::string error;
    ShapeResult result;
    if (step.Dialog == kShape1Dialog) {
        Shape1Input input = PrefillShape1(job);
        std::optional<std::string> wd;
        error = FillFields(input, step, kShape1TextFields, kShape1LeadEntries, &wd);
        if (error.empty()) {
            // WD is typed after the other fields, so WIDTH typed in the same step comes first.
            if (wd) {
                if (auto width = WidthForWD(input, *wd, job.PI)) {
                    input.Width = *width;
                }
            }
            result = GenerateShape1(input, job);
        }
    } else if (step.Dialog == kShape2Dialog) {
        Shape2Input input = PrefillShape2(job);
        error = FillFields(input, step, kShape2TextFields, kShape2LeadEntries, nullptr);
        if (error.empty()) {
            result = GenerateShape2(input, job);
        }
    } else {
        Shape3Input input = PrefillShape3(job);
        error = FillFields(input, step, kShape3TextFields, kShape3LeadEntries, nullptr);
        if (error.empty()) {
            result = GenerateShape3(input, job);
        }
    }
    if (!error.empty()) {
        return BadStep(where, error);
    }
    return Finish(session, result, step.Dialog);
}

} // namespace spirolan
