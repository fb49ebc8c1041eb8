// Job files of spirolan-cli: the dialog steps to replay, read from JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spirolan::batch {

/// One field of a step: the caption and the typed text; no text (JSON null) leaves a check box
/// unticked.
struct JobField {
    std::string Caption;
    std::optional<std::string> Value;
};

/// One dialog opened fresh, filled in and confirmed with OK.
struct JobStep {
    std::string Dialog;
    std::vector<JobField> Fields;
};

struct JobFile {
    std::vector<JobStep> Steps;
};

/// A job file, or the message that names what is wrong with it.
struct JobFileResult {
    std::optional<JobFile> Job;
    std::string Error;
};

/// Reads `{"steps": [{"dialog": NAME, "fields": {CAPTION: VALUE, ...}}, ...]}`. Checks the form
/// only (objects, arrays, strings); dialog names and captions are checked when the steps run.
/// `source` names the file in messages.
JobFileResult ParseJobFile(std::string_view json, std::string_view source);

} // namespace spirolan::batch
