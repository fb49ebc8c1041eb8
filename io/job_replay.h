// SPDX-License-Identifier: GPL-3.0-or-later
// Replaying a job's dialog steps on a fresh job state: the one replay of the window and the
// batch command.
#pragma once

#include "core/cam_job.h"
#include "io/job_file.h"
#include "io/quoted_text.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spirolan {

/// The program's state right after start-up with default settings: the job and the two panes.
struct JobSession {
    CamJob Job;
    std::string ModeAText;
    std::string ModeBText;
    /// The design checks of every shape step run, in order.
    std::vector<std::string> Warnings;
};

/// How a step ended: done, refused by the program (its own message), or not a valid step.
enum class StepStatus { Ok, Refused, Invalid };

/// What one step did: its block of output, or why the replay ends.
struct StepOutcome {
    StepStatus Status = StepStatus::Ok;
    std::string Output; // lines ending in LF
    std::string Error;  // one line without its line end
    std::string Title;  // a refusal's message box title ("Error", "Face copy error")
    std::string Cause;  // a refused generation's cause, in the user's terms; may be empty
};

/// Opens the step's dialog fresh, pre-filled from the session, types or chooses its fields and
/// presses OK, as a user would. `stepNumber` (from 1) and `source` name the step in messages.
StepOutcome RunStep(JobSession& session, const JobStep& step, int stepNumber,
                    std::string_view source);

/// Every step of `job` in order on `start` (a fresh session unless the caller adds what is not
/// part of the replay, such as machine limits), up to the first step that does not succeed.
struct ReplayResult {
    JobSession Session;
    std::string Output;  // the output of every step run
    StepOutcome Failure; // Status Ok when every step succeeded
};
ReplayResult ReplayJob(const JobFile& job, std::string_view source, JobSession start = {});

// The steps of each dialog, used by RunStep.
StepOutcome RunShapeStep(JobSession& session, const JobStep& step, const std::string& where);
StepOutcome RunFaceCopyStep(JobSession& session, const JobStep& step, const std::string& where);

/// Index of `value` among `choices`, or -1.
int ChoiceIndex(std::span<const std::string_view> choices, std::string_view value);

/// A step that is not valid: `where` + `message`.
StepOutcome BadStep(const std::string& where, const std::string& message);

} // namespace spirolan
