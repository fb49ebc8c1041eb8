// SPDX-License-Identifier: GPL-3.0-or-later
// Replaying a job's dialog steps on a fresh job state.
#include "io/job_replay.h"

namespace spirolan {

int ChoiceIndex(std::span<const std::string_view> choices, std::string_view value) {
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

StepOutcome BadStep(const std::string& where, const std::string& message) {
    return {StepStatus::Invalid, {}, where + message, {}, {}};
}

StepOutcome RunStep(JobSession& session, const JobStep& step, int stepNumber,
                    std::string_view source) {
    const std::string where =
        SourcePrefix(source) + "step " + std::to_string(stepNumber) + " (" + step.Dialog + "): ";
    if (step.Dialog == kShape1Dialog || step.Dialog == kShape2Dialog ||
        step.Dialog == kShape3Dialog) {
        return RunShapeStep(session, step, where);
    }
    if (step.Dialog == kFaceCopyDialog) {
        return RunFaceCopyStep(session, step, where);
    }
    return BadStep(SourcePrefix(source) + "step " + std::to_string(stepNumber) + ": ",
                   "unknown dialog " + Quoted(step.Dialog) +
                       " (expected \"Shape 1\", \"Shape 2\", \"Shape 3\" or \"Face Copy\")");
}

ReplayResult ReplayJob(const JobFile& job, std::string_view source, JobSession start) {
    ReplayResult result{std::move(start), {}, {}};
    int stepNumber = 0;
    for (const JobStep& step : job.Steps) {
        StepOutcome outcome = RunStep(result.Session, step, ++stepNumber, source);
        result.Output += outcome.Output;
        if (outcome.Status != StepStatus::Ok) {
            result.Failure = std::move(outcome);
            break;
        }
    }
    return result;
}

} // namespace spirolan
