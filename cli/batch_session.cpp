// The job state that spirolan-cli replays dialog steps on, with the program's two text panes.
#include "cli/batch_session.h"

namespace spirolan::batch {

int ChoiceIndex(std::span<const std::string_view> choices, std::string_view value) {
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

StepOutcome BadStep(const std::string& where, const std::string& message) {
    return {kExitBadInput, {}, where + message};
}

StepOutcome RunStep(BatchSession& session, const JobStep& step, int stepNumber,
                    std::string_view source) {
    const std::string where =
        std::string(source) + ": step " + std::to_string(stepNumber) + " (" + step.Dialog + "): ";
    if (step.Dialog == "Shape 1" || step.Dialog == "Shape 2" || step.Dialog == "Shape 3") {
        return RunShapeStep(session, step, where);
    }
    if (step.Dialog == "Face Copy") {
        return RunFaceCopyStep(session, step, where);
    }
    return BadStep(std::string(source) + ": step " + std::to_string(stepNumber) + ": ",
                   "unknown dialog \"" + step.Dialog +
                       "\" (expected \"Shape 1\", \"Shape 2\", \"Shape 3\" or \"Face Copy\")");
}

} // namespace spirolan::batch
