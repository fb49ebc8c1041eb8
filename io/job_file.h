// SPDX-License-Identifier: GPL-3.0-or-later
// Job files: the dialog steps to replay, read from JSON; the document form adds its format keys.
#pragma once

#include "facecopy/face_copy_texts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spirolan {

/// The dialogs a step can name.
inline constexpr std::string_view kShape1Dialog = "Shape 1";
inline constexpr std::string_view kShape2Dialog = "Shape 2";
inline constexpr std::string_view kShape3Dialog = "Shape 3";
inline constexpr std::string_view kFaceCopyDialog = kFaceCopyTitle;

/// The two keys that mark a job document (".spjob"); a job file may leave them out.
inline constexpr std::string_view kJobFormat = "spirolan-job";
inline constexpr int kJobVersion = 1;

/// One field of a step: the caption and the typed text; no text (JSON null) leaves a check box
/// unticked.
struct JobField {
    std::string Caption;
    std::optional<std::string> Value;
    friend bool operator==(const JobField&, const JobField&) = default;
};

/// One dialog opened fresh, filled in and confirmed with OK.
struct JobStep {
    std::string Dialog;
    std::vector<JobField> Fields;
    friend bool operator==(const JobStep&, const JobStep&) = default;
};

struct JobFile {
    std::vector<JobStep> Steps;
    // The job's part number and note (lines separated by line feeds), for the printed sheet;
    // empty when the document has none. Replaying a job does not read them.
    std::string Part;
    std::string Notes;
};

/// A job file, or the message that names what is wrong with it.
struct JobFileResult {
    std::optional<JobFile> Job;
    std::string Error;
};

/// Reads `{"format": "spirolan-job", "version": 1, "steps": [{"dialog": NAME, "fields":
/// {CAPTION: VALUE, ...}}, ...]}`; "format" and "version" may be left out, another format or a
/// higher version is refused. The optional strings "part" and "notes" give Part and Notes. Checks
/// the form only (objects, arrays, strings); dialog names and captions are checked when the steps
/// run. `source` names the file in messages; empty, the messages name none (the caller names
/// the file once, around them).
JobFileResult ParseJobFile(std::string_view json, std::string_view source);

/// What starts a message about `source`: its name and ": ", or nothing for an empty name.
std::string SourcePrefix(std::string_view source);

} // namespace spirolan
