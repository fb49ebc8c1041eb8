// The job state that spirolan-cli replays dialog steps on, with the program's two text panes.
#pragma once

#include "cli/job_file.h"
#include "core/cam_job.h"

#include <span>
#include <string>
#include <string_view>

namespace spirolan::batch {

/// Exit statuses of spirolan-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitBadInput = 2;

/// The program's state right after start-up with default settings: the job and the two panes.
struct BatchSession {
    CamJob Job;
    std::string ModeAText;
    std::string ModeBText;
};

/// What one step did: its block of standard output, or why the run ends.
struct StepOutcome {
    int ExitCode = kExitOk;
    std::string Output; // lines ending in LF
    std::string Error;  // one line without its line end
};

/// Opens the step's dialog fresh, pre-filled from the session, types or chooses its fields and
/// presses OK, as a user would. `stepNumber` (from 1) and `source` name the step in messages.
StepOutcome RunStep(BatchSession& session, const JobStep& step, int stepNumber,
                    std::string_view source);

// The steps of each dialog, used by RunStep.
StepOutcome RunShapeStep(BatchSession& session, const JobStep& step, const std::string& where);
StepOutcome RunFaceCopyStep(BatchSession& session, const JobStep& step, const std::string& where);

/// Index of `value` among `choices`, or -1.
int ChoiceIndex(std::span<const std::string_view> choices, std::string_view value);

/// `text` in double quotes, for messages that name a field or a choice.
std::string Quoted(std::string_view text);

/// A bad job file: exit 2 with `where` + `message`.
StepOutcome BadStep(const std::string& where, const std::string& message);

} // namespace spirolan::batch
